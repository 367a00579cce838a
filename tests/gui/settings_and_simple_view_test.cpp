// The main window on the real toolkit, used as a user would: the settings dialog turns on the
// automatic update, then the simple view takes the main window's place and gives it back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "app/info_app.h"
#include "app/info_dlg.h"
#include "monitor/client_monitor.h"
#include "platform/base/settings_store.h"
#include "platform/wx/wx_test_support.h"
#include "res/resource.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Without a window manager nothing says when a shown window has been mapped and painted.
constexpr long kSettleMs = 300;
constexpr int kTickMs = 20;

// A one-shot tick that knows whether its notification is still running.
struct TickTimer : wxTimer {
    explicit TickTimer(std::function<void()> onTick) : tick(std::move(onTick)) {}
    void Notify() override {
        busy = true;
        tick();
        busy = false;
    }
    std::function<void()> tick;
    bool busy = false;
};

// Drives real windows from inside their modal loops: a list of steps, each waiting (bounded) for
// what it needs to see on the screen before it clicks or types.
class GuiScript {
public:
    using Condition = std::function<bool()>;

    // Waits until ready has held for settleMs without a break, then acts. The name says what the
    // step waits for, in the failure message when it never comes.
    void Then(std::string name, Condition ready, std::function<void()> act,
              long settleMs = kSettleMs) {
        m_steps.push_back(Step{std::move(name), std::move(ready), std::move(act), settleMs});
    }
    // After a timeout, called on every tick until it returns true: it ends whatever windows are
    // open so that their modal loops return.
    void OnTimeout(Condition unwind) { m_unwind = std::move(unwind); }
    void Start() {
        m_sinceStepBegan.Start();
        ScheduleTick();
    }
    bool Finished() const { return m_next == m_steps.size() && !m_failed; }
    bool Failed() const { return m_failed; }

private:
    struct Step {
        std::string name;
        Condition ready;
        std::function<void()> act;
        long settleMs;
    };

    void ScheduleTick() {
        // A click may open a modal dialog whose loop then runs inside the tick that clicked.
        // GLib never calls a timer again while its notification runs, so the next tick comes
        // from an idle one.
        for (const std::unique_ptr<TickTimer>& timer : m_timers) {
            if (!timer->busy && !timer->IsRunning()) {
                timer->StartOnce(kTickMs);
                return;
            }
        }
        m_timers.push_back(std::make_unique<TickTimer>([this] { Tick(); }));
        m_timers.back()->StartOnce(kTickMs);
    }

    void Tick() {
        if (m_failed) {
            m_unwound = m_unwound || !m_unwind || m_unwind();
            if (!m_unwound) {
                ScheduleTick();
            }
            return;
        }
        if (m_next == m_steps.size()) {
            return;
        }
        ScheduleTick();
        const Step& step = m_steps[m_next];
        if (!step.ready()) {
            m_ready = false;
            if (m_sinceStepBegan.Time() > kStepTimeoutMs) {
                ADD_FAILURE() << "gave up after " << kStepTimeoutMs
                              << " ms of waiting for: " << step.name;
                m_failed = true;
            }
            return;
        }
        if (!m_ready) {
            m_ready = true;
            m_sinceReady.Start();
        }
        if (m_sinceReady.Time() < step.settleMs) {
            return;
        }
        ++m_next;
        m_ready = false;
        m_sinceStepBegan.Start();
        step.act();
    }

    static constexpr long kStepTimeoutMs = 10000;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    wxStopWatch m_sinceStepBegan;
    wxStopWatch m_sinceReady;
    bool m_ready = false;
    bool m_failed = false;
    bool m_unwound = false;
    Condition m_unwind;
    std::vector<std::unique_ptr<TickTimer>> m_timers;
};

// Counts the key presses that reach one top-level window, without taking them.
struct KeyWatch : wxEventFilter {
    KeyWatch() { wxEvtHandler::AddFilter(this); }
    ~KeyWatch() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent& event) override {
        auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
        if (topLevel && event.GetEventType() == wxEVT_CHAR_HOOK && window &&
            wxGetTopLevelParent(window) == topLevel) {
            keys.push_back(static_cast<wxKeyEvent&>(event).GetKeyCode());
        }
        return Event_Skip;
    }
    wxWindow* topLevel = nullptr;
    std::vector<int> keys;
};

// The shown top-level window with this title (any, if empty) that is modal if asked, or null.
wxTopLevelWindow* FindShown(const wxString& title, bool modal = false) {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* topLevel = wxDynamicCast(window, wxTopLevelWindow);
        auto* dialog = wxDynamicCast(window, wxDialog);
        if (topLevel && topLevel->IsShown() && (title.empty() || topLevel->GetTitle() == title) &&
            (!modal || (dialog && dialog->IsModal()))) {
            return topLevel;
        }
    }
    return nullptr;
}

wxWindow* Control(wxWindow* topLevel, int id) {
    return topLevel ? topLevel->FindWindow(id) : nullptr;
}

SettingsStore Store() {
    return SettingsStore(SettingsStore::DefaultPath("Halvorn", "Vantrel"));
}

TEST(SettingsAndSimpleViewTest, IntervalSetInTheDialogThenTheSimpleViewAndBack) {
    const TempDir client;
    const TempDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);  // for this process, its only test
    for (const fs::directory_entry& entry : fs::directory_iterator(VANTREL_DEMO_DIR)) {
        fs::copy(entry.path(), client.File(entry.path().filename().string()),
                 fs::copy_options::recursive);
    }
    Store().WriteInt("Simple", "Enable", 1);  // so that the simple-view button is enabled
    CInfoApp app;
    app.SetRegistryKey("Halvorn");
    app.m_strModuleDir = client.path().c_str();
    ClientMonitor monitor(client.path().c_str());
    CInfoDlg dlg(monitor);
    app.m_pMainWnd = &dlg;

    // The mouse and the keyboard through the X server; without a window manager the keyboard
    // follows the pointer.
    wxUIActionSimulator user;
    const auto pointAt = [&](wxWindow* window) {
        window ? (void)user.MouseMove(CentreOnScreen(window))
               : (void)(ADD_FAILURE() << "no window to point at");
    };
    const auto click = [&](wxWindow* window) {
        pointAt(window);
        user.MouseClick();
    };
    KeyWatch keys;
    GuiScript script;
    const wxString clientDir = wxString::FromUTF8(client.path());
    const auto main = [&] { return WxOf(dlg); };
    const auto settings = [] { return FindShown(wxString::FromUTF8("設定")); };
    const auto interval = [&] {
        return wxDynamicCast(Control(settings(), IDC_INTERVAL), wxTextCtrl);
    };
    wxWeakRef<wxTopLevelWindow> view;

    script.Then(
        "the main window on the screen", [&] { return main() && main()->IsShownOnScreen(); },
        [&] { click(Control(main(), IDC_SETTINGS)); });

    script.Then(
        "the settings dialog (設定) on the screen, modal",
        [&] { return settings() && settings()->IsShownOnScreen() && FindShown("", true); },
        [&] {
            EXPECT_EQ(FindShown("", true), settings());
            // No automatic update in the store: the interval waits for the check box.
            EXPECT_FALSE(interval() && interval()->IsEnabled());
            click(Control(settings(), IDC_AUTOUPDATE));
        });

    script.Then(
        "the interval edit enabled by the ticked check box",
        [&] { return interval() && interval()->IsEnabled(); },
        [&] {
            // Something to replace, so that the select-all shows in the result.
            click(interval());
            user.Text("15");
            user.Char('a', wxMOD_CONTROL);
            user.Text("7");
        },
        0);

    script.Then(
        "the interval edit reading 7", [&] { return interval() && interval()->GetValue() == "7"; },
        [&] { click(Control(settings(), IDOK)); }, 0);

    script.Then(
        "the settings dialog to close after OK", [&] { return !settings(); },
        [&] {
            // What the main window does with it is the headless tests' part.
            EXPECT_EQ(Store().GetInt("Timer", "Interval", -1), 7);
            click(Control(main(), IDC_SIMPLE));
        });

    script.Then(
        "the simple view on the screen in place of the main window",
        [&] {
            wxWindow* shown = FindShown(clientDir);
            return shown && shown->IsShownOnScreen() && !main()->IsShown();
        },
        [&] {
            view = FindShown(clientDir);
            EXPECT_EQ(view.get(), WxOf(*dlg.SimpleView()));
            auto* info = wxDynamicCast(Control(view, IDC_INFO), wxButton);
            wxWindow* time = Control(view, IDC_TIME);
            ASSERT_TRUE(info && time);
            // demo/state.sah: prog=0.45123123, cpu=18723.25 s = 5 h 12 min 3.25 s.
            EXPECT_EQ(info->GetLabel(), "Progress:   45.123%\nCPU Time: 5 hr 12 min 3.250 sec");

            const wxRect rect = view->GetScreenRect();
            const wxImage shot = CaptureScreen(rect);
            ASSERT_TRUE(shot.IsOk());
            EXPECT_TRUE(shot.SaveFile(VANTREL_GUI_SCREENSHOT_DIR "/vantrel_simple_view.png",
                                      wxBITMAP_TYPE_PNG));
            EXPECT_EQ(shot.GetSize(), rect.GetSize());
            // Both lines of the big button, and the time line below it, are drawn: pixels
            // clearly darker than a light face, as glyphs and their smoothed edges are.
            wxRect upper = AreaIn(rect, info);
            upper.height /= 2;
            const wxRect lower(upper.x, upper.y + upper.height, upper.width, upper.height);
            EXPECT_GT(InkPixels(shot, upper, 450), 100) << "Progress line";
            EXPECT_GT(InkPixels(shot, lower, 450), 100) << "CPU Time line";
            EXPECT_GT(InkPixels(shot, AreaIn(rect, time), 450), 50) << "time line";

            keys.topLevel = view;
            pointAt(time);
            user.Char(WXK_ESCAPE);
        });

    // Each key must reach the simple view and leave it where it is; then a double click on the
    // big button gives the main window back.
    const struct {
        const char* name;
        int key;
        std::function<void()> next;
    } kKeys[] = {{"Esc", WXK_ESCAPE, [&] { user.Char(WXK_RETURN); }},
                 {"Enter", WXK_RETURN, [&] {
                      pointAt(Control(view, IDC_INFO));
                      user.MouseDblClick();
                  }}};
    for (const auto& entry : kKeys) {
        const auto* key = &entry;
        script.Then(
            std::string(key->name) + " to reach the simple view",
            [&, key] { return std::count(keys.keys.begin(), keys.keys.end(), key->key) > 0; },
            [&, key] {
                ASSERT_TRUE(view);
                EXPECT_TRUE(view->IsShown()) << key->name << " closed the simple view";
                EXPECT_FALSE(main()->IsShown()) << key->name << " brought the main window";
                key->next();
            });
    }

    script.Then(
        "the main window back after the double click, the simple view hidden",
        [&] { return main()->IsShownOnScreen() && view && !view->IsShown(); },
        [&] { click(Control(main(), IDOK)); });

    script.OnTimeout([&] {
        if (wxTopLevelWindow* modal = FindShown("", true)) {
            static_cast<wxDialog*>(modal)->EndModal(wxID_CANCEL);
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
