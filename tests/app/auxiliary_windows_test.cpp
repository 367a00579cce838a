#include <gtest/gtest.h>

#include "app/main_window_fixture.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "res/strings.h"

TEST_F(MainWindowTest, SettingsOkReloadsAndCancelChangesNothing) {
    CopyClientFiles("sah");
    m_app->WriteProfileInt("Timer", "Interval", 5);
    m_app->WriteProfileInt("Simple", "Enable", 1);
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_TRUE(Headless::IsEnabled(dlg, IDC_SIMPLE));

        // Cancel: even what the store now says is not taken up.
        Headless::QueueModal([&](CDialog& settings) {
            m_app->WriteProfileInt("Timer", "Interval", 7);
            Headless::PressButton(settings, IDCANCEL);
        });
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_SETTINGS));
        EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 300000u);

        // OK with the simple view turned off: the button is disabled at once and the timer runs
        // with the dialog's interval.
        Headless::QueueModal([&](CDialog& settings) {
            Headless::TypeText(settings, IDC_INTERVAL, "2");
            Headless::ClickCheckBox(settings, IDC_SIMPLEENABLE);
            Headless::PressButton(settings, IDOK);
        });
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_SETTINGS));
        EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 120000u);
        EXPECT_FALSE(Headless::IsEnabled(dlg, IDC_SIMPLE));
        EXPECT_FALSE(Headless::PressButton(dlg, IDC_SIMPLE));
        EXPECT_TRUE(dlg.IsWindowVisible());
    });
    ASSERT_EQ(Headless::ModalRuns().size(), 3u);
    EXPECT_EQ(Headless::ModalRuns()[1].templateId, IDD_SETTINGS);
    EXPECT_EQ(Headless::ModalRuns()[1].result, IDCANCEL);
    EXPECT_EQ(Headless::ModalRuns()[2].result, IDOK);
}

TEST_F(MainWindowTest, TheSimpleViewReplacesTheMainWindowAndFollowsTheTimer) {
    CopyClientFiles("sah");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    m_app->WriteProfileInt("Simple", "Enable", 1);
    m_app->WriteProfileInt("Simple", "TopMost", 1);
    RunMainWindow([&](CInfoDlg& dlg) {
        CSimpleViewDlg& view = *dlg.SimpleView();
        EXPECT_FALSE(view.IsWindowVisible());
        EXPECT_EQ(view.GetWindowText(), m_client.path().c_str());

        ASSERT_TRUE(Headless::PressButton(dlg, IDC_SIMPLE));
        EXPECT_FALSE(dlg.IsWindowVisible());
        EXPECT_TRUE(view.IsWindowVisible());
        EXPECT_TRUE(view.IsTopMost());

        // The timer goes on behind the hidden main window.
        m_client.Write("state.sah", "prog=0.5\ncpu=20000.5\n");
        Clock::Advance(60);
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_EQ(view.GetDlgItem(IDC_INFO)->GetWindowText(),
                  "Progress:   50.000%\nCPU Time: 5 hr 33 min 20.500 sec");
        EXPECT_EQ(view.GetDlgItem(IDC_TIME)->GetWindowText(), "2001/09/09 10:47:40");
        // Nothing written meanwhile: the same texts, a new time.
        Clock::Advance(60);
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_EQ(view.GetDlgItem(IDC_INFO)->GetWindowText(),
                  "Progress:   50.000%\nCPU Time: 5 hr 33 min 20.500 sec");
        EXPECT_EQ(view.GetDlgItem(IDC_TIME)->GetWindowText(), "2001/09/09 10:48:40");
        // No state: the failure text under the client's folder.
        m_client.Remove("state.sah");
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_EQ(view.GetDlgItem(IDC_INFO)->GetWindowText(), Text::kSimpleViewFailed);
        EXPECT_EQ(view.GetWindowText(), m_client.path().c_str());

        // A double click on the big button swaps back (Enter and Esc leave it: the real-window
        // test).
        ASSERT_TRUE(Headless::DoubleClickButton(view, IDC_INFO));
        EXPECT_FALSE(view.IsWindowVisible());
        EXPECT_TRUE(dlg.IsWindowVisible());

        // Without top-most, the next showing drops it.
        Headless::QueueModal([&](CDialog& settings) {
            Headless::ClickCheckBox(settings, IDC_TOPMOST);
            Headless::PressButton(settings, IDOK);
        });
        Headless::PressButton(dlg, IDC_SETTINGS);
        Headless::PressButton(dlg, IDC_SIMPLE);
        EXPECT_FALSE(view.IsTopMost());
    });
}

// A tab change rebuilds its page from the last load and is stored at once. A stored tab that does
// not exist opens the first (each real one reopening: main_window_gui_test.sh).
TEST_F(MainWindowTest, ATabChangeRebuildsFromTheLastLoadAndIsStoredAtOnce) {
    CopyClientFiles("sah");
    RunMainWindow([&](CInfoDlg& dlg) {
        ASSERT_EQ(Headless::TabItems(dlg, IDC_TAB).size(), 5);
        EXPECT_EQ(Headless::TabItems(dlg, IDC_TAB)[0], "Work Unit");
        EXPECT_EQ(Headless::TabItems(dlg, IDC_TAB)[4], "ユーザ情報 (Hoshino Taro)");
        // No file is read on a tab change.
        m_client.Remove("work_unit.sah");
        m_client.Remove("state.sah");
        m_client.Remove("user_info.sah");
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 3));
        EXPECT_EQ(m_app->GetProfileInt("TAB", "OFSET", -1), 3);
        EXPECT_EQ(Shown(dlg, IDC_LABELS), kProgressLabels);
        EXPECT_EQ(Shown(dlg, IDC_VALUES).substr(0, 9), "45.123 %\n");
        EXPECT_EQ(Shown(dlg, IDC_MESSAGE), "");

        // The analysis tab shows the graph under a half-height values column.
        CRect full;
        dlg.GetDlgItem(IDC_VALUES)->GetWindowRect(&full);
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 2));
        EXPECT_TRUE(Headless::IsShown(dlg, IDC_GRAPH));
        CRect values;
        dlg.GetDlgItem(IDC_VALUES)->GetWindowRect(&values);
        EXPECT_EQ(values.Height(), full.Height() / 2);
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 1));
        EXPECT_FALSE(Headless::IsShown(dlg, IDC_GRAPH));
        dlg.GetDlgItem(IDC_VALUES)->GetWindowRect(&values);
        EXPECT_EQ(values.Height(), full.Height());
    });
    EXPECT_EQ(m_app->GetProfileInt("TAB", "OFSET", -1), 1);
    CopyClientFiles("sah");
    m_app->WriteProfileInt("TAB", "OFSET", 9);
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_EQ(Headless::SelectedTab(dlg, IDC_TAB), 0);
        EXPECT_EQ(Shown(dlg, IDC_LABELS), kWorkUnitLabels);
    });
}

// Without client files, on any tab, the window says so and shows no graph, and the simple view
// says so too, its time in Japan's zone as the window's. The graph comes with the first load
// that finds the files.
TEST_F(MainWindowTest, WithoutClientFilesTheWindowSaysSoAndShowsNoGraph) {
    for (int tab = 4; tab >= 0; --tab) {
        SCOPED_TRACE(tab);
        m_app->WriteProfileInt("TAB", "OFSET", tab);
        RunMainWindow([&](CInfoDlg& dlg) {
            EXPECT_FALSE(Headless::IsShown(dlg, IDC_GRAPH));
            EXPECT_EQ(dlg.GetWindowText(), "Vantrel");
            CSimpleViewDlg& view = *dlg.SimpleView();
            EXPECT_EQ(view.GetWindowText(), "Vantrel");
            EXPECT_EQ(view.GetDlgItem(IDC_INFO)->GetWindowText(), Text::kSimpleViewFailed);
            EXPECT_EQ(view.GetDlgItem(IDC_TIME)->GetWindowText(), "2001/09/09 10:46:40");
            EXPECT_EQ(Shown(dlg, IDC_MESSAGE), Text::kWorkUnitNotObtained);
            EXPECT_EQ(Shown(dlg, IDC_LABELS), "");
            EXPECT_EQ(Shown(dlg, IDC_VALUES), "");
            EXPECT_EQ(Shown(dlg, IDC_LASTUPDATE), "最終更新時刻： 2001/09/09 10:46:40");
            EXPECT_FALSE(Headless::IsEnabled(dlg, IDC_SIMPLE));
            EXPECT_FALSE(Headless::TimerPeriod(dlg, 1));
        });
    }
    m_app->WriteProfileInt("TAB", "OFSET", 2);
    RunMainWindow([&](CInfoDlg& dlg) {
        CopyClientFiles("sah");
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_TRUE(Headless::IsShown(dlg, IDC_GRAPH));
    });
}
