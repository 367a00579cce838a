#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_window_fixture.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "res/strings.h"

// A load by the button or the timer, of a finished unit (its result file only) or with the work
// unit file gone: the result completes the state; a failed load restores the previous one and
// says so in a box (button) or on the message line (timer).
TEST_F(MainWindowTest, ButtonAndTimerLoadsOfAResultOrOfNothing) {
    m_app->WriteProfileInt("Timer", "Interval", 5);
    const struct {
        bool timer;
        bool finished;
        const char* message;
        size_t boxes;
    } kCases[] = {{false, true, "", 0},
                  {true, true, "", 0},
                  {false, false, "", 1},
                  {true, false, Text::kInfoNotObtained, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "timer " << c.timer << " finished " << c.finished);
        CopyClientFiles("sah");
        m_client.Remove("result.sah");
        const size_t boxesBefore = Headless::MessageBoxes().size();
        RunMainWindow([&](CInfoDlg& dlg) {
            const std::string values = Shown(dlg, IDC_VALUES);
            const std::string loaded = Shown(dlg, IDC_LASTUPDATE);
            m_client.Remove("work_unit.sah");
            if (c.finished) {
                m_client.Remove("state.sah");
                m_client.CopyFromData("sah/result.sah", "result.sah");
            }
            Clock::Advance(300);
            ASSERT_TRUE(c.timer ? Headless::FireTimer(dlg, 1)
                                : Headless::PressButton(dlg, IDC_REFRESH));
            EXPECT_EQ(dlg.GetWindowText(),
                      m_client.path() + (c.finished ? " (100.000%)" : " (45.123%)") + " - Vantrel");
            EXPECT_EQ(Shown(dlg, IDC_MESSAGE), c.message);
            // A failed load keeps the previous one, its time included.
            EXPECT_EQ(Shown(dlg, IDC_LASTUPDATE) == loaded, !c.finished);
            if (!c.finished) {
                EXPECT_EQ(Shown(dlg, IDC_VALUES), values);
            }
            // The button restarts the timer for a full period.
            EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 300000u);
        });
        const auto& boxes = Headless::MessageBoxes();
        ASSERT_EQ(boxes.size() - boxesBefore, c.boxes);
        for (size_t i = boxesBefore; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].text, Text::kInfoNotObtained);
            EXPECT_EQ(boxes[i].caption, "Vantrel");
        }
    }
}

// Timer export, one tick a minute: exactly one CSV line when a tick sees a new unit, for the
// unit replaced, with its last state and the time of the tick that saw it. The refresh button
// never exports; a state unreadable at the last tick gives the last complete load instead.
TEST_F(MainWindowTest, TheTimerExportsOneLineWhenTheUnitChanges) {
    const std::string csv = m_config.File("log.csv");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    m_app->WriteProfileInt("Timer", "Export", 1);
    m_app->WriteProfileInt("Export", "NoTitle", 1);
    m_app->WriteProfileString("Export", "Path", csv.c_str());
    // Steps a minute apart: the unit name and state to write ("" keeps, "-" removes the state),
    // then the button or a tick, then the message line and the lines in the log.
    struct Step {
        const char* unit;
        const char* state;
        bool button;
        const char* message;
        int lines;
    };
    const struct {
        std::vector<Step> steps;
        const char* start;
        const char* values;
    } kScenarios[] = {
        {{{"", "", false, "", 0},
          {"", "prog=0.5\ncpu=20000\n", false, "", 0},
          {"button.unit", "", true, "", 0},
          {"", "", false, "", 0},
          {"", "prog=0.75\ncpu=30000\n", false, "", 0},
          {"timer.unit", "", false, "", 1},
          {"", "", false, "", 1}},
         "2001/09/09 10:51:40,\"button.unit\",",
         ",0.750000,30000.000,40000.000,"},
        {{{"", "-", false, Text::kAnalysisNotObtained, 0},
          {"next.unit", "prog=0.01\ncpu=3\n", false, "", 1}},
         "2001/09/09 10:46:40,\"12fe99aa.2345.7890.438086.75\",",
         ",0.451235,18723.250,"},
    };
    for (const auto& scenario : kScenarios) {
        SCOPED_TRACE(scenario.start);
        CopyClientFiles("sah");
        m_config.Remove("log.csv");
        Clock::Set(1000000000);
        RunMainWindow([&](CInfoDlg& dlg) {
            EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 60000u);
            for (const Step& step : scenario.steps) {
                if (*step.unit) {
                    m_client.Write("work_unit.sah",
                                   std::string("name=") + step.unit + "\nend_seti_header\n");
                }
                if (std::string(step.state) == "-") {
                    m_client.Remove("state.sah");
                } else if (*step.state) {
                    m_client.Write("state.sah", step.state);
                }
                Clock::Advance(60);
                ASSERT_TRUE(step.button ? Headless::PressButton(dlg, IDC_REFRESH)
                                        : Headless::FireTimer(dlg, 1));
                EXPECT_EQ(Shown(dlg, IDC_MESSAGE), step.message);
                const std::string text = m_config.Read("log.csv");
                ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), step.lines) << text;
            }
        });
        const std::string text = m_config.Read("log.csv");
        EXPECT_EQ(text.rfind(scenario.start, 0), 0u) << text;
        EXPECT_NE(text.find(scenario.values), std::string::npos) << text;
    }
    EXPECT_FALSE(m_client.Exists("log.csv"));
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

// System commands 16 to 31 open the About box, 32 the history beside it; Esc is ignored and the
// close box ends.
TEST_F(MainWindowTest, AboutBoxEscAndTheCloseBox) {
    CopyClientFiles("sah");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    RunMainWindow([&](CInfoDlg& dlg) {
        const auto items = Headless::SystemMenuItems(dlg);
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].first, IDM_ABOUTBOX);
        EXPECT_EQ(items[0].second, "Vantrel のﾊﾞｰｼﾞｮﾝ情報(&A)...");
        EXPECT_EQ(items[1].first, IDM_HISTORY);
        EXPECT_EQ(items[1].second, "作業履歴(&H)...");
        for (UINT id : {16u, 17u, 31u, 32u, 0xF060u}) {
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
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0].result, IDOK);
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(runs[i].templateId, IDD_ABOUTBOX);
    }
    EXPECT_EQ(runs[4].templateId, IDD_HISTORY);
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
        EXPECT_NE(Shown(dlg, IDC_VALUES), progress);
        EXPECT_EQ(Shown(dlg, IDC_LABELS), Text::kProgressLabels);

        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 4));
        const std::string user = Shown(dlg, IDC_VALUES);
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_EQ(Shown(dlg, IDC_VALUES), user);
        m_client.Write("user_info.sah", "nresults=7\n");
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_NE(Shown(dlg, IDC_VALUES), user);
        EXPECT_EQ(Shown(dlg, IDC_LABELS), Text::kUserLabels);
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_TAB, 3));
        EXPECT_EQ(Shown(dlg, IDC_LABELS), Text::kProgressLabels);
    });
}
