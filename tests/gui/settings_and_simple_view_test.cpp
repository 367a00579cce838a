// The main window on the real toolkit, used as a user would: the settings dialog turns on the
// automatic update, then the simple view takes the main window's place and gives it back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>

#include "app/info_app.h"
#include "app/info_dlg.h"
#include "gui/gui_script.h"
#include "platform/base/settings_store.h"
#include "platform/wx/wx_test_support.h"
#include "res/resource.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Without a window manager nothing says when a shown window has been mapped and painted.
constexpr long kSettleMs = 300;

// Pixels clearly darker than a light button face, as glyphs and their smoothed edges are;
// area in image coordinates.
int InkPixels(const wxImage& image, const wxRect& area) {
    int ink = 0;
    for (int y = area.y; y < area.GetBottom(); ++y) {
        for (int x = area.x; x < area.GetRight(); ++x) {
            if (image.GetRed(x, y) + image.GetGreen(x, y) + image.GetBlue(x, y) < 450) {
                ++ink;
            }
        }
    }
    return ink;
}

// The text a static shows: its own label, or that of the label inside its panel.
wxString ShownText(wxWindow* window) {
    if (auto* label = wxDynamicCast(window, wxStaticText)) {
        return label->GetLabelText();
    }
    for (wxWindow* child : window->GetChildren()) {
        if (auto* label = wxDynamicCast(child, wxStaticText)) {
            return label->GetLabelText();
        }
    }
    return wxString();
}

// Seconds between a "YYYY/MM/DD hh:mm:ss" local time and now, as the C library reads it.
std::optional<double> SecondsBeforeNow(const wxString& text) {
    std::tm when{};
    if (std::sscanf(text.utf8_str().data(), "%d/%d/%d %d:%d:%d", &when.tm_year, &when.tm_mon,
                    &when.tm_mday, &when.tm_hour, &when.tm_min, &when.tm_sec) != 6) {
        return std::nullopt;
    }
    when.tm_year -= 1900;
    when.tm_mon -= 1;
    when.tm_isdst = -1;
    return std::difftime(std::time(nullptr), std::mktime(&when));
}

class SettingsAndSimpleViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        // As the program's main does once GTK has set the user's locale.
        std::setlocale(LC_NUMERIC, "C");
        if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) {
            m_savedXdg = xdg;
        }
        ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
        for (const fs::directory_entry& entry : fs::directory_iterator(VANTREL_DEMO_DIR)) {
            fs::copy(entry.path(), m_client.File(entry.path().filename().string()),
                     fs::copy_options::recursive);
        }
        Store().WriteInt("Simple", "Enable", 1);  // so that the simple-view button is enabled
        m_cwd = std::make_unique<ScopedWorkingDirectory>(m_client.path());
    }

    void TearDown() override {
        m_cwd.reset();
        if (m_savedXdg) {
            ::setenv("XDG_CONFIG_HOME", m_savedXdg->c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
    }

    static SettingsStore Store() {
        return SettingsStore(SettingsStore::DefaultPath("Halvorn", "Vantrel"));
    }

    TempDir m_client;
    TempDir m_config;

private:
    std::unique_ptr<ScopedWorkingDirectory> m_cwd;
    std::optional<std::string> m_savedXdg;
};

TEST_F(SettingsAndSimpleViewTest, IntervalSetInTheDialogThenTheSimpleViewAndBack) {
    CInfoApp app;
    app.SetRegistryKey("Halvorn");
    app.m_strModuleDir = m_client.path().c_str();
    CInfoDlg dlg;
    app.m_pMainWnd = &dlg;

    User user;
    KeyWatch keys;
    GuiScript script;
    const wxString clientDir = wxString::FromUTF8(fs::current_path().string());
    const auto main = [&] { return WxOf(dlg); };
    const auto settings = [] { return FindShownWindow(wxString::FromUTF8("設定")); };
    wxWeakRef<wxTopLevelWindow> view;

    script.Then(
        "the main window on the screen", [&] { return main() && main()->IsShownOnScreen(); },
        [&] {
            wxWindow* simple = FindControl(main(), IDC_SIMPLE);
            ASSERT_NE(simple, nullptr);
            EXPECT_TRUE(simple->IsEnabled()) << "the simple view is enabled in the store";
            user.Click(FindControl(main(), IDC_SETTINGS));
        },
        kSettleMs);

    script.Then(
        "the settings dialog (設定) on the screen",
        [&] { return settings() && settings()->IsShownOnScreen(); },
        [&] {
            wxWindow* dialog = settings();
            EXPECT_EQ(FindModalDialog(), dialog) << "modal over the main window";
            auto* autoUpdate = wxDynamicCast(FindControl(dialog, IDC_AUTOUPDATE), wxCheckBox);
            auto* simpleEnable = wxDynamicCast(FindControl(dialog, IDC_SIMPLEENABLE), wxCheckBox);
            wxWindow* interval = FindControl(dialog, IDC_INTERVAL);
            ASSERT_TRUE(autoUpdate && simpleEnable && interval);
            // What the store holds: no automatic update, the simple view on.
            EXPECT_FALSE(autoUpdate->IsChecked());
            EXPECT_FALSE(interval->IsEnabled());
            EXPECT_TRUE(simpleEnable->IsChecked());
            user.Click(autoUpdate);
        },
        kSettleMs);

    script.Then(
        "the interval edit enabled by the ticked check box",
        [&] {
            wxWindow* interval = FindControl(settings(), IDC_INTERVAL);
            return interval && interval->IsEnabled();
        },
        [&] {
            // Something to replace, so that the select-all shows in the result.
            user.Click(FindControl(settings(), IDC_INTERVAL));
            user.Type("15");
            user.Press('a', wxMOD_CONTROL);
            user.Type("7");
        });

    script.Then(
        "the interval edit reading 7",
        [&] {
            auto* interval = wxDynamicCast(FindControl(settings(), IDC_INTERVAL), wxTextCtrl);
            return interval && interval->GetValue() == "7";
        },
        [&] { user.Click(FindControl(settings(), IDOK)); });

    script.Then(
        "the settings dialog to close after OK", [&] { return !settings(); },
        [&] {
            const SettingsStore store = Store();
            EXPECT_EQ(store.GetInt("Timer", "Interval", -1), 7);
            EXPECT_EQ(store.GetInt("Timer", "Export", -1), 0);
            EXPECT_EQ(store.GetInt("Simple", "Enable", -1), 1);
            EXPECT_EQ(store.GetInt("Simple", "TopMost", -1), 0);
            EXPECT_EQ(dlg.m_nInterval, 7) << "the main window reloads its settings after OK";
            EXPECT_NE(dlg.m_nTimerID, 0u) << "and starts its timer";
            EXPECT_TRUE(main()->IsShown());
            user.Click(FindControl(main(), IDC_SIMPLE));
        },
        kSettleMs);

    script.Then(
        "the simple view on the screen in place of the main window",
        [&] {
            wxWindow* shown = FindShownWindow(clientDir);
            return shown && shown->IsShownOnScreen() && !main()->IsShown();
        },
        [&] {
            view = FindShownWindow(clientDir);
            EXPECT_EQ(view.get(), WxOf(*dlg.m_pSimpleView));
            auto* info = wxDynamicCast(FindControl(view, IDC_INFO), wxButton);
            wxWindow* time = FindControl(view, IDC_TIME);
            ASSERT_TRUE(info && time);
            // demo/state.sah: prog=0.45123123, cpu=18723.25 s = 5 h 12 min 3.25 s.
            EXPECT_EQ(info->GetLabel(), "Progress:   45.123%\nCPU Time: 5 hr 12 min 3.250 sec");
            const std::optional<double> age = SecondsBeforeNow(ShownText(time));
            ASSERT_TRUE(age) << "time line: " << ShownText(time);
            EXPECT_LT(std::fabs(*age), 120.0) << "the time of the load at start-up";

            const wxRect rect = view->GetScreenRect();
            const wxImage shot = CaptureScreen(rect);
            ASSERT_TRUE(shot.IsOk());
            EXPECT_TRUE(shot.SaveFile(VANTREL_GUI_SCREENSHOT_DIR "/vantrel_simple_view.png",
                                      wxBITMAP_TYPE_PNG));
            EXPECT_EQ(shot.GetSize(), rect.GetSize());
            const auto areaOf = [&](wxWindow* control) {
                const wxRect screen = control->GetScreenRect();
                return wxRect(screen.GetPosition() - rect.GetPosition(), screen.GetSize());
            };
            // Both lines of the big button, and the time line below it, are drawn.
            wxRect upper = areaOf(info);
            upper.height /= 2;
            wxRect lower = upper;
            lower.y += upper.height;
            EXPECT_GT(InkPixels(shot, upper), 100) << "Progress line";
            EXPECT_GT(InkPixels(shot, lower), 100) << "CPU Time line";
            EXPECT_GT(InkPixels(shot, areaOf(time)), 50) << "time line";

            keys.Watch(view);
            user.PointAt(time);
            user.Press(WXK_ESCAPE);
        },
        kSettleMs);

    // Each key must reach the simple view and leave it where it is.
    const auto checkStillShown = [&](const char* key) {
        ASSERT_TRUE(view);
        EXPECT_TRUE(view->IsShown()) << key << " must not close the simple view";
        EXPECT_FALSE(main()->IsShown()) << key << " must not bring the main window back";
    };
    script.Then(
        "Esc to reach the simple view", [&] { return keys.Count(WXK_ESCAPE) > 0; },
        [&] {
            checkStillShown("Esc");
            user.Press(WXK_RETURN);
        },
        kSettleMs);
    script.Then(
        "Enter to reach the simple view", [&] { return keys.Count(WXK_RETURN) > 0; },
        [&] {
            checkStillShown("Enter");
            user.DoubleClick(FindControl(view, IDC_INFO));
        },
        kSettleMs);

    script.Then(
        "the main window back after the double click, the simple view hidden",
        [&] { return main()->IsShownOnScreen() && view && !view->IsShown(); },
        [&] { user.Click(FindControl(main(), IDOK)); }, kSettleMs);

    script.OnTimeout([&] {
        if (wxDialog* modal = FindModalDialog()) {
            modal->EndModal(wxID_CANCEL);
            return false;
        }
        dlg.EndDialog(IDCANCEL);
        return true;
    });
    script.Start();
    const int result = dlg.DoModal();
    app.m_pMainWnd = nullptr;

    if (script.Failed()) {
        return;  // the step that gave up has said why; the windows were ended for it
    }
    EXPECT_TRUE(script.Finished()) << "the main window ended before the script did";
    EXPECT_EQ(result, IDOK) << "終了 ends the main window with OK";
}

}  // namespace
