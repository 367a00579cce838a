#include <gtest/gtest.h>
#include <utime.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/main_window_fixture.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "res/strings.h"

// A load by the timer or the button that finds no work unit keeps the previous one, its time
// included, and says so on the message line (timer) or in a box (button); the button restarts
// the timer for a full period. (A finished unit's result completing the state: the client
// monitor's tests.)
TEST_F(MainWindowTest, AFailedLoadKeepsThePreviousOneAndSaysSo) {
    m_app->WriteProfileInt("Timer", "Interval", 5);
    CopyClientFiles("sah");
    RunMainWindow([&](CInfoDlg& dlg) {
        const std::string values = Shown(dlg, IDC_VALUES);
        const std::string loaded = Shown(dlg, IDC_LASTUPDATE);
        m_client.Remove("work_unit.sah");
        for (const bool timer : {true, false}) {
            SCOPED_TRACE(timer ? "timer" : "button");
            Clock::Advance(300);
            ASSERT_TRUE(timer ? Headless::FireTimer(dlg, 1)
                              : Headless::PressButton(dlg, IDC_REFRESH));
            EXPECT_EQ(dlg.GetWindowText(), m_client.path() + " (45.123%) - Vantrel");
            EXPECT_EQ(Shown(dlg, IDC_VALUES), values);
            EXPECT_EQ(Shown(dlg, IDC_LASTUPDATE), loaded);
            EXPECT_EQ(Shown(dlg, IDC_MESSAGE), timer ? Text::kInfoNotObtained : "");
            EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 300000u);
            ASSERT_EQ(Headless::MessageBoxes().size(), timer ? 0u : 1u);
        }
        EXPECT_EQ(Headless::MessageBoxes()[0].text, Text::kInfoNotObtained);
        EXPECT_EQ(Headless::MessageBoxes()[0].caption, "Vantrel");
    });
}

// Timer export, one tick a minute: exactly one CSV line when a tick sees a new unit, for the
// unit replaced, with its last state and the time of the tick that saw it; none at all with
// export on the timer off. The refresh button never exports. (Which load of the unit the line
// carries: the client monitor's tests.)
TEST_F(MainWindowTest, TheTimerExportsOneLineWhenTheUnitChanges) {
    const std::string csv = m_config.File("log.csv");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    m_app->WriteProfileInt("Export", "NoTitle", 1);
    m_app->WriteProfileString("Export", "Path", csv.c_str());
    // Steps a minute apart: the unit name and state to write ("" keeps), then the button or a
    // tick, then the lines in the log.
    const struct {
        const char* unit;
        const char* state;
        bool button;
        int lines;
    } kSteps[] = {
        {"", "", false, 0}, {"", "prog=0.5\ncpu=20000\n", false, 0},  {"button.unit", "", true, 0},
        {"", "", false, 0}, {"", "prog=0.75\ncpu=30000\n", false, 0}, {"timer.unit", "", false, 1},
        {"", "", false, 1}};
    for (const bool exportOnTimer : {false, true}) {
        SCOPED_TRACE(exportOnTimer ? "export on the timer" : "no export on the timer");
        m_app->WriteProfileInt("Timer", "Export", exportOnTimer);
        m_config.Remove("log.csv");
        CopyClientFiles("sah");
        Clock::Set(1000000000);
        RunMainWindow([&](CInfoDlg& dlg) {
            EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 60000u);
            for (const auto& step : kSteps) {
                if (*step.unit) {
                    m_client.Write("work_unit.sah",
                                   std::string("name=") + step.unit + "\nend_seti_header\n");
                }
                if (*step.state) {
                    m_client.Write("state.sah", step.state);
                }
                Clock::Advance(60);
                ASSERT_TRUE(step.button ? Headless::PressButton(dlg, IDC_REFRESH)
                                        : Headless::FireTimer(dlg, 1));
                EXPECT_EQ(Shown(dlg, IDC_MESSAGE), "");
                const std::string text = m_config.Exists("log.csv") ? m_config.Read("log.csv") : "";
                ASSERT_EQ(std::count(text.begin(), text.end(), '\n'),
                          exportOnTimer ? step.lines : 0)
                    << text;
            }
        });
    }
    const std::string text = m_config.Read("log.csv");
    EXPECT_EQ(text.rfind("2001/09/09 10:51:40,\"button.unit\",", 0), 0u) << text;
    EXPECT_NE(text.find(",0.750000,30000.000,40000.000,"), std::string::npos) << text;
}

// A finished unit's result without the end of its header: the tick that finds it written just
// now keeps the last load, the next reads it, and the unit is logged once, from the result, when
// the next unit comes.
TEST_F(MainWindowTest, AResultWithoutItsHeaderEndIsLoggedOnceItIsRead) {
    m_app->WriteProfileInt("Timer", "Interval", 1);
    m_app->WriteProfileInt("Timer", "Export", 1);
    m_app->WriteProfileInt("Export", "NoTitle", 1);
    m_app->WriteProfileString("Export", "Path", m_config.File("log.csv").c_str());
    CopyClientFiles("sah");
    const std::string result = ReadDataFile("sah/result.sah");
    RunMainWindow([&](CInfoDlg& dlg) {
        m_client.Remove("work_unit.sah");
        m_client.Write("result.sah", result.substr(0, result.find("end_seti_header")));
        Clock::Advance(60);
        const utimbuf justNow{Clock::Now(), Clock::Now()};
        ASSERT_EQ(0, utime(m_client.File("result.sah").c_str(), &justNow));
        ASSERT_TRUE(Headless::FireTimer(dlg, IDT_REFRESH));
        EXPECT_EQ(Shown(dlg, IDC_MESSAGE), Text::kInfoNotObtained);
        Clock::Advance(60);
        ASSERT_TRUE(Headless::FireTimer(dlg, IDT_REFRESH));
        EXPECT_EQ(dlg.GetWindowText(), m_client.path() + " (100.000%) - Vantrel");
        m_client.Write("work_unit.sah", "name=next.unit\nend_seti_header\n");
        m_client.Write("state.sah", "prog=0.01\ncpu=10\n");
        for (int tick = 0; tick < 2; ++tick) {
            Clock::Advance(60);
            ASSERT_TRUE(Headless::FireTimer(dlg, IDT_REFRESH));
        }
    });
    const std::string log = m_config.Read("log.csv");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
    EXPECT_EQ(log.rfind("2001/09/09 10:48:40,\"12fe99aa.2345.7890.438086.75\",", 0), 0u) << log;
    EXPECT_NE(log.find(",1.000000,41493.806,"), std::string::npos) << log;
}

TEST_F(MainWindowTest, ExportButtonAndItsFailures) {
    CopyClientFiles("sah");
    m_app->WriteProfileString("Export", "Path", m_config.File("missing/log.csv").c_str());
    RunMainWindow([&](CInfoDlg& dlg) {
        Headless::PressButton(dlg, IDC_EXPORT);
        m_client.Remove("state.sah");
        Headless::PressButton(dlg, IDC_REFRESH);
        Headless::PressButton(dlg, IDC_EXPORT);
    });
    const auto& boxes = Headless::MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, Text::kExportFailed);
    EXPECT_EQ(boxes[1].text, Text::kNothingToExport);
    EXPECT_EQ(boxes[2].text, Text::kExportFailed);
    EXPECT_FALSE(m_config.Exists("missing"));
}

// System commands 16 to 31 open the About box, 32 the history beside it, 48 the notifications'
// settings; Esc is ignored and the close box ends.
TEST_F(MainWindowTest, AboutBoxEscAndTheCloseBox) {
    CopyClientFiles("sah");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    RunMainWindow([&](CInfoDlg& dlg) {
        const auto items = Headless::SystemMenuItems(dlg);
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0].first, IDM_ABOUTBOX);
        EXPECT_EQ(items[0].second, "Vantrel のﾊﾞｰｼﾞｮﾝ情報(&A)...");
        EXPECT_EQ(items[1].first, IDM_HISTORY);
        EXPECT_EQ(items[1].second, "作業履歴(&H)...");
        EXPECT_EQ(items[2].first, 48u);
        EXPECT_EQ(items[2].second, "通知の設定...");
        for (UINT id : {16u, 17u, 31u, 32u, 48u, 0xF060u}) {
            Headless::SysCommand(dlg, id);
        }
        ASSERT_TRUE(Headless::PressEscape(dlg));
        EXPECT_FALSE(Headless::ModalEnded(dlg));
        ASSERT_TRUE(Headless::Close(dlg));
        EXPECT_TRUE(Headless::ModalEnded(dlg));
        EXPECT_FALSE(Headless::TimerPeriod(dlg, 1));
        EXPECT_FALSE(dlg.SimpleView());
    });
    const auto& runs = Headless::ModalRuns();
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_EQ(runs[0].result, IDOK);
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(runs[i].templateId, IDD_ABOUTBOX);
    }
    EXPECT_EQ(runs[4].templateId, IDD_HISTORY);
    EXPECT_EQ(runs[5].templateId, IDD_NOTIFY_SETTINGS);
}

TEST_F(MainWindowTest, TimerPeriodsFollowTheInterval) {
    CopyClientFiles("sah");
    const struct {
        int interval;
        std::optional<UINT> period;
    } cases[] = {{0, std::nullopt},
                 {-5, std::nullopt},
                 {1440, 86400000u},
                 {35791, 2147460000u},
                 // Would wrap to about 13 seconds in 32 bits; the longest period instead.
                 {71583, 2147483647u}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interval);
        m_app->WriteProfileInt("Timer", "Interval", c.interval);
        RunMainWindow([&](CInfoDlg& dlg) { EXPECT_EQ(Headless::TimerPeriod(dlg, 1), c.period); });
    }
}

// A refresh that reads what the last one read keeps the header and the pages of the records, and
// still writes what counts from the time of the load: the last update line, the progress page's
// predictions. Every tab shows its own page whichever was built last.
TEST_F(MainWindowTest, AReadOfTheSameFilesStillWritesTheTimes) {
    CopyClientFiles("sah");
    RunMainWindow([&](CInfoDlg& dlg) {
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 3));
        const std::string header = Shown(dlg, IDC_HEADER);
        const std::string progress = Shown(dlg, IDC_VALUES);
        const std::string loaded = Shown(dlg, IDC_LASTUPDATE);
        Clock::Advance(3600);
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_EQ(Shown(dlg, IDC_HEADER), header);
        EXPECT_NE(Shown(dlg, IDC_LASTUPDATE), loaded);
        const std::string later = Shown(dlg, IDC_VALUES);
        EXPECT_NE(later, progress);
        // Written anew, not after what was there.
        EXPECT_EQ(std::count(later.begin(), later.end(), '\n'),
                  std::count(progress.begin(), progress.end(), '\n'));
        EXPECT_EQ(Shown(dlg, IDC_LABELS), kProgressLabels);

        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 4));
        const std::string user = Shown(dlg, IDC_VALUES);
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_EQ(Shown(dlg, IDC_VALUES), user);
        m_client.Write("user_info.sah", "nresults=7\n");
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_NE(Shown(dlg, IDC_VALUES), user);
        EXPECT_EQ(Shown(dlg, IDC_LABELS), kUserLabels);
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 3));
        EXPECT_EQ(Shown(dlg, IDC_LABELS), kProgressLabels);
    });
}

// The client is read for its notifications every minute beside what the window shows, timer or
// no timer: a unit that stands still for half an hour is told as a stall, and the window's pages,
// title and log stay as they were.
TEST_F(MainWindowTest, AStallIsToldAndThePagesStayAsTheyWere) {
    CopyClientFiles("sah");
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_EQ(Headless::TimerPeriod(dlg, IDT_REFRESH), std::nullopt);
        ASSERT_EQ(Headless::TimerPeriod(dlg, IDT_WATCH), 60000u);
        const std::string values = Shown(dlg, IDC_VALUES);
        const std::string updated = Shown(dlg, IDC_LASTUPDATE);
        const CString title = dlg.GetWindowText();
        // Each tick takes in the reading the one before started, on a thread of its own.
        const auto tick = [&](int minutes) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            Clock::Advance(minutes * 60);
            ASSERT_TRUE(Headless::FireTimer(dlg, IDT_WATCH));
        };
        tick(0);
        tick(29);
        EXPECT_TRUE(Headless::Notifications().empty());
        tick(1);
        ASSERT_EQ(Headless::Notifications().size(), 1u);
        EXPECT_EQ(Headless::Notifications()[0].summary, "クライアントが停止しました");
        EXPECT_EQ(Shown(dlg, IDC_VALUES), values);
        EXPECT_EQ(Shown(dlg, IDC_LASTUPDATE), updated);
        EXPECT_EQ(dlg.GetWindowText(), title);
    });
    EXPECT_FALSE(m_data.Exists("Halvorn/Vantrel/export.csv"));
}
