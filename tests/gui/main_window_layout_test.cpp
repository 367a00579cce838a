// Every window of the program on the real toolkit, in the locale the run asks for: each text
// shown whole, the labels beside their values, the graph inside its page and only on its tab. A
// screenshot of each is kept for people to compare between locales. Then the settings dialog and
// the simple view used with the mouse and the keyboard through the X server.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/notebook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/about_dlg.h"
#include "app/info_app.h"
#include "app/info_dlg.h"
#include "gui/window_shots.h"
#include "monitor/client_session.h"
#include "platform/base/settings_store.h"
#include "platform/wx/wx_test_support.h"
#include "res/resource.h"
#include "support/temp_dir.h"
#include "windows/notify_settings_dlg.h"
#include "windows/settings_dlg.h"

namespace {

namespace fs = std::filesystem;

// The rows of a static text, without the empty ones at its end, which show nothing.
wxArrayString Rows(wxWindow* text) {
    wxArrayString rows = wxSplit(static_cast<wxStaticText*>(text)->GetLabelText(), '\n');
    while (!rows.empty() && rows.Last().empty()) {
        rows.RemoveAt(rows.size() - 1);
    }
    return rows;
}

class MainWindowLayout : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_CONFIG_HOME", m_config.path().c_str(), 1);
        for (const fs::directory_entry& entry : fs::directory_iterator(VANTREL_DEMO_DIR)) {
            fs::copy(entry.path(), m_client.File(entry.path().filename().string()),
                     fs::copy_options::recursive);
        }
        // Every control enabled, the interval at its widest and a path that fits its field.
        SettingsStore store(SettingsStore::DefaultPath("Halvorn", "Vantrel"));
        store.WriteInt("Simple", "Enable", 1);
        store.WriteInt("Timer", "Interval", 1440);
        store.WriteString("Export", "Path", "/tmp/seti/export.csv");
        m_app.SetRegistryKey("Halvorn");
        m_app.m_strModuleDir = m_client.path().c_str();
        m_app.m_pMainWnd = &m_dlg;
        ASSERT_TRUE(m_dlg.Create());
        ShowAndSettle(m_dlg);
    }
    void TearDown() override {
        m_dlg.DestroyWindow();
        m_app.m_pMainWnd = nullptr;
    }

    // Without a window manager the keyboard follows the pointer.
    void Click(wxWindow* window, bool twice = false) {
        ASSERT_NE(window, nullptr);
        m_user.MouseMove(CentreOnScreen(window));
        twice ? m_user.MouseDblClick() : m_user.MouseClick();
    }

    TempDir m_client;
    TempDir m_config;
    wxUIActionSimulator m_user;
    CInfoApp m_app;
    ClientSession m_session{m_client.path().c_str()};
    CInfoDlg m_dlg{m_session};
};

TEST_F(MainWindowLayout, TheAboutBoxNotificationSettingsAndEveryTabShowTheirTextsWhole) {
    CAboutDlg about;
    ASSERT_TRUE(about.Create(&m_dlg));
    ShowAndSettle(about);
    ExpectEveryTextFits(about, "about");
    about.DestroyWindow();
    CNotifySettingsDlg notify(&m_dlg);
    ASSERT_TRUE(notify.Create(&m_dlg));
    ShowAndSettle(notify);
    ExpectEveryTextFits(notify, "notify_settings");
    notify.DestroyWindow();

    auto* notebook = static_cast<wxNotebook*>(WxOf(m_dlg, IDC_TAB));
    wxWindow* labels = WxOf(m_dlg, IDC_LABELS);
    wxWindow* values = WxOf(m_dlg, IDC_VALUES);
    wxWindow* graph = WxOf(m_dlg, IDC_GRAPH);
    for (int tab = 0; tab < 5; ++tab) {
        SCOPED_TRACE(::testing::Message() << "tab " << tab);
        // As a click on the tab's head: the selection, then its notification.
        m_dlg.GetDlgItem(IDC_TAB)->GetNative()->SetCurSel(tab);
        m_dlg.SendMessage(Message{WM_NOTIFY, IDC_TAB, TCN_SELCHANGE, 0, 0});
        PumpFor(300);
        ExpectEveryTextFits(m_dlg, "tab" + std::to_string(tab));
        if (tab == 2) {  // the graph's tab: the picture is no Tab stop
            ExpectEveryTabStopShowsFocus(m_dlg, "main window");
        }

        // Row by row, every label beside its value: same top, same font, nothing wrapped.
        const wxArrayString labelRows = Rows(labels);
        const wxArrayString valueRows = Rows(values);
        EXPECT_FALSE(labelRows.empty());
        ASSERT_LE(labelRows.size(), valueRows.size());
        for (size_t row = 0; row < labelRows.size(); ++row) {
            EXPECT_TRUE(labelRows[row].empty() || !valueRows[row].empty()) << labelRows[row];
        }
        EXPECT_EQ(labels->GetPosition().y, values->GetPosition().y);
        EXPECT_EQ(labels->GetFont(), values->GetFont());
        // Inside the page area below the heads. (Controls where their template rectangles put
        // them: the wx backend's dialog tests.)
        EXPECT_GE(labels->GetScreenPosition().y, notebook->GetCurrentPage()->GetScreenPosition().y);
        // The graph only on its tab, above the page's lower edge, with its sunken edge.
        EXPECT_EQ(graph->IsShown(), tab == 2);
        if (tab == 2) {
            EXPECT_LE(graph->GetScreenRect().GetBottom(),
                      notebook->GetScreenRect().GetBottom() - 2);
            EXPECT_TRUE(HasSunkenEdge(CaptureScreen(graph->GetScreenRect())));
        }
    }
}

// The settings dialog and the simple view with their texts whole; the interval typed over a
// selection in the real edit and kept by OK; then the simple view in place of the main window,
// drawn, staying through Enter and Esc and leaving on a double click.
TEST_F(MainWindowLayout, TheSettingsDialogAndTheSimpleViewAnswerTheMouseAndTheKeyboard) {
    CSettingsDlg settings(m_app.m_strModuleDir, &m_dlg);
    ASSERT_TRUE(settings.Create(&m_dlg));
    ShowAndSettle(settings);
    EXPECT_EQ(settings.GetDlgItem(IDC_INTERVAL)->GetWindowText(), "1440");
    ExpectEveryTextFits(settings, "settings");
    auto* interval = static_cast<wxTextCtrl*>(WxOf(settings, IDC_INTERVAL));
    Click(WxOf(settings, IDC_AUTOUPDATE));
    ASSERT_TRUE(PumpUntil([&] { return !interval->IsEnabled(); })) << "unticked, still enabled";
    Click(WxOf(settings, IDC_AUTOUPDATE));
    ASSERT_TRUE(PumpUntil([&] { return interval->IsEnabled(); }));
    Click(interval);
    PumpFor(100);
    m_user.Char('a', wxMOD_CONTROL);
    m_user.Text("7");
    ASSERT_TRUE(PumpUntil([&] { return interval->GetValue() == "7"; }))
        << interval->GetValue().utf8_str().data();
    Click(WxOf(settings, IDOK));
    ASSERT_TRUE(PumpUntil([&] { return !WxOf(settings)->IsShown(); })) << "OK left it open";
    EXPECT_EQ(SettingsStore(SettingsStore::DefaultPath("Halvorn", "Vantrel"))
                  .GetInt("Timer", "Interval", -1),
              7);
    settings.DestroyWindow();

    wxWindow* main = WxOf(m_dlg);
    wxWindow* view = WxOf(*m_dlg.SimpleView());
    Click(WxOf(m_dlg, IDC_SIMPLE));
    ASSERT_TRUE(PumpUntil([&] { return view->IsShownOnScreen() && !main->IsShown(); }));
    PumpFor(300);
    ExpectEveryTextFits(*m_dlg.SimpleView(), "simple_view");
    auto* info = static_cast<wxButton*>(WxOf(*m_dlg.SimpleView(), IDC_INFO));
    wxWindow* time = WxOf(*m_dlg.SimpleView(), IDC_TIME);
    // demo/state.sah: prog=0.45123123, cpu=18723.25 s = 5 h 12 min 3.25 s.
    EXPECT_EQ(info->GetLabel(), "Progress:   45.123%\nCPU Time: 5 hr 12 min 3.250 sec");
    // Both lines of the big button and the time line below it are drawn: pixels clearly darker
    // than a light face, as glyphs and their smoothed edges are.
    const wxRect rect = view->GetScreenRect();
    const wxImage shot = CaptureScreen(rect);
    ASSERT_TRUE(shot.IsOk());
    wxRect upper = AreaIn(rect, info);
    upper.height /= 2;
    const wxRect lower(upper.x, upper.y + upper.height, upper.width, upper.height);
    EXPECT_GT(InkPixels(shot, upper, 450), 100) << "Progress line";
    EXPECT_GT(InkPixels(shot, lower, 450), 100) << "CPU Time line";
    EXPECT_GT(InkPixels(shot, AreaIn(rect, time), 450), 50) << "time line";

    // The keys that reach the simple view, left for it to take.
    const auto keys = std::make_shared<std::vector<int>>();
    view->Bind(wxEVT_CHAR_HOOK, [keys](wxKeyEvent& event) {
        keys->push_back(event.GetKeyCode());
        event.Skip();
    });
    m_user.MouseMove(CentreOnScreen(time));
    PumpFor(100);
    for (const int key : {WXK_ESCAPE, WXK_RETURN}) {
        m_user.Char(key);
        ASSERT_TRUE(PumpUntil([&] { return !keys->empty() && keys->back() == key; }))
            << key << " never reached the simple view";
        PumpFor(200);
        EXPECT_TRUE(view->IsShown()) << key << " closed the simple view";
        EXPECT_FALSE(main->IsShown()) << key << " brought the main window";
    }
    Click(info, true);
    EXPECT_TRUE(PumpUntil([&] { return main->IsShownOnScreen() && !view->IsShown(); }));
}

}  // namespace
