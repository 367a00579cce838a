#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/main_window_fixture.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "res/strings.h"

namespace {

std::string Title(CInfoDlg& dlg) {
    return dlg.GetWindowText().str();
}

int CountLines(const std::string& text) {
    int lines = 0;
    for (char ch : text) {
        lines += ch == '\n';
    }
    return lines;
}

}  // namespace

TEST_F(MainWindowTest, TheVersionFileChoosesTheFileNames) {
    CopyClientFiles("sah");
    CopyClientFiles("txt");
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_EQ(dlg.m_version.GetKind(), 2);
        EXPECT_EQ(dlg.m_strHeader,
                  "Client Ver. 3.x :  Progress = 45.123 % , CPU Time = 18723.250 sec");
        EXPECT_EQ(Title(dlg), m_client.path() + " (45.123%) - Vantrel");
        EXPECT_EQ(dlg.m_wu.version, 3);

        // Without "version.sah" every file has its ".txt" name, "version.txt" or not.
        m_client.Remove("version.sah");
        m_client.Remove("version.txt");
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_EQ(dlg.m_version.GetKind(), -1);
        EXPECT_EQ(dlg.m_wu.version, 1);
        EXPECT_TRUE(dlg.m_strHeader.Find("Client Ver. 1.x :  ") == 0);

        m_client.Write("version.sah", "minor_version=2\n");
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_TRUE(dlg.m_strHeader.Find("Client Ver. 3.x") == 0)
            << "a version file without major_version keeps the earlier text";
    });
}

TEST_F(MainWindowTest, AFinishedUnitShowsTheResultAndTheLastStateCompleted) {
    CopyClientFiles("sah");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    RunMainWindow([&](CInfoDlg& dlg) {
        m_client.Remove("work_unit.sah");
        m_client.Remove("state.sah");
        m_client.CopyFromData("sah/result.sah", "result.sah");
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        EXPECT_TRUE(dlg.m_state.found);
        EXPECT_DOUBLE_EQ(dlg.m_state.prog, 1.0);
        EXPECT_DOUBLE_EQ(dlg.m_state.cpu, 41493.806);
        EXPECT_EQ(Title(dlg), m_client.path() + " (100.000%) - Vantrel");
        EXPECT_TRUE(Headless::MessageBoxes().empty());

        // The timer completes it the same way and counts the load as a success.
        Clock::Advance(60);
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_DOUBLE_EQ(dlg.m_state.prog, 1.0);
        EXPECT_EQ(dlg.m_strMessage, "");
        EXPECT_EQ(dlg.m_timeUpdate.GetTime(), 1000000060);
    });
    // When the previous load had no state either, the state shows as missing.
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_FALSE(dlg.m_state.found);
        EXPECT_EQ(dlg.m_strMessage, Text::kAnalysisNotObtained);
        EXPECT_EQ(Title(dlg), m_client.path() + " - Vantrel");
    });
}

TEST_F(MainWindowTest, AFailedLoadRestoresThePreviousOne) {
    CopyClientFiles("sah");
    m_app->WriteProfileInt("Timer", "Interval", 5);
    RunMainWindow([&](CInfoDlg& dlg) {
        const CTime loaded = dlg.m_timeUpdate;
        const std::string values = dlg.m_strValues.str();
        m_client.Remove("work_unit.sah");

        // By the timer: the message line, the old texts, no box.
        Clock::Advance(300);
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_EQ(dlg.m_strMessage, Text::kInfoNotObtained);
        EXPECT_EQ(dlg.GetDlgItem(IDC_MESSAGE)->GetWindowText(), Text::kInfoNotObtained);
        EXPECT_TRUE(dlg.m_wu.found);
        EXPECT_EQ(dlg.m_timeUpdate, loaded);
        EXPECT_EQ(dlg.m_strValues.str(), values);
        EXPECT_TRUE(Headless::MessageBoxes().empty());

        // By the button: a box with the program's name, then the pages from the restored data.
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
        ASSERT_EQ(Headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(Headless::MessageBoxes()[0].text, Text::kInfoNotObtained);
        EXPECT_EQ(Headless::MessageBoxes()[0].caption, "Vantrel");
        EXPECT_EQ(dlg.m_timeUpdate, loaded);
        EXPECT_EQ(dlg.m_strMessage, "");
        EXPECT_EQ(Title(dlg), m_client.path() + " (45.123%) - Vantrel");
        // The button restarted the timer for a full period.
        EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 300000u);
    });
}

TEST_F(MainWindowTest, TheBaselineMovesOnlyWithBothFilesAndANewName) {
    CopyClientFiles("sah");
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_TRUE(dlg.m_bBaselineSet);
        EXPECT_EQ(dlg.m_timeBase.GetTime(), 1000000000);
        EXPECT_DOUBLE_EQ(dlg.m_cpuBase, 18723.25);

        // A new unit seen while the state is unreadable: the baseline stays.
        Clock::Advance(600);
        m_client.Write("work_unit.sah", "name=next.unit\n");
        m_client.Remove("state.sah");
        Headless::PressButton(dlg, IDC_REFRESH);
        EXPECT_EQ(dlg.m_timeBase.GetTime(), 1000000000);

        // The state comes back: the unit is new compared with the last load? No: the last load
        // already saw "next.unit", so the names are equal and the baseline still stays.
        Clock::Advance(600);
        m_client.Write("state.sah", "prog=0.01\ncpu=30\n");
        Headless::PressButton(dlg, IDC_REFRESH);
        EXPECT_EQ(dlg.m_timeBase.GetTime(), 1000000000);

        Clock::Advance(600);
        m_client.Write("work_unit.sah", "name=third.unit\n");
        Headless::PressButton(dlg, IDC_REFRESH);
        EXPECT_EQ(dlg.m_timeBase.GetTime(), 1000001800);
        EXPECT_DOUBLE_EQ(dlg.m_cpuBase, 30.0);
        EXPECT_DOUBLE_EQ(dlg.m_progBase, 0.01);
    });
}

TEST_F(MainWindowTest, TheTimerExportsOneLineWhenTheUnitChanges) {
    CopyClientFiles("sah");
    const std::string csv = m_config.File("log.csv");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    m_app->WriteProfileInt("Timer", "Export", 1);
    m_app->WriteProfileInt("Export", "NoTitle", 1);
    m_app->WriteProfileString("Export", "Path", csv.c_str());
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 60000u);
        Clock::Set(1000000060);
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_FALSE(m_client.Exists("../" + csv));
        EXPECT_FALSE(std::ifstream(csv).good()) << "same unit: nothing exported";

        // The refresh button sees a change but never exports, and the next tick compares with
        // what the button loaded.
        m_client.Write("state.sah", "prog=0.5\ncpu=20000\n");
        Clock::Set(1000000120);
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        m_client.Write("work_unit.sah", "name=button.unit\n");
        Headless::PressButton(dlg, IDC_REFRESH);
        Clock::Set(1000000180);
        Headless::FireTimer(dlg, 1);
        EXPECT_FALSE(std::ifstream(csv).good());

        // The client moves on: one line for the unit just replaced, with its last state and the
        // time of the tick that saw it.
        m_client.Write("state.sah", "prog=0.75\ncpu=30000\n");
        Clock::Set(1000000240);
        Headless::FireTimer(dlg, 1);
        m_client.Write("work_unit.sah", "name=timer.unit\n");
        Clock::Set(1000000300);
        Headless::FireTimer(dlg, 1);
        Clock::Set(1000000360);
        Headless::FireTimer(dlg, 1);

        std::ifstream in(csv);
        std::stringstream text;
        text << in.rdbuf();
        ASSERT_EQ(CountLines(text.str()), 1) << text.str();
        EXPECT_EQ(text.str().rfind("2001/09/09 10:50:40,\"button.unit\",", 0), 0u) << text.str();
        EXPECT_NE(text.str().find(",0.750000,30000.000,40000.000,"), std::string::npos);
    });
}

TEST_F(MainWindowTest, ExportButtonAndItsFailures) {
    CopyClientFiles("sah");
    m_app->WriteProfileString("Export", "Path", m_config.File("missing/log.csv").c_str());
    RunMainWindow([&](CInfoDlg& dlg) {
        Headless::PressButton(dlg, IDC_EXPORT);
        ASSERT_EQ(Headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(Headless::MessageBoxes()[0].text, Text::kExportFailed);

        m_client.Remove("state.sah");
        Headless::PressButton(dlg, IDC_REFRESH);
        Headless::PressButton(dlg, IDC_EXPORT);
        ASSERT_EQ(Headless::MessageBoxes().size(), 3u);
        EXPECT_EQ(Headless::MessageBoxes()[1].text, Text::kNothingToExport);
        EXPECT_EQ(Headless::MessageBoxes()[2].text, Text::kExportFailed);
    });
    // Without a stored path the log lies in the program's directory.
    m_app->WriteProfileString("Export", "Path", nullptr);
    m_client.Write("state.sah", "prog=0.5\n");
    RunMainWindow([&](CInfoDlg& dlg) {
        EXPECT_EQ(dlg.m_strExportPath, (m_config.path() + "/export.csv").c_str());
        Headless::PressButton(dlg, IDC_EXPORT);
    });
    EXPECT_TRUE(m_config.Exists("export.csv"));
}

TEST_F(MainWindowTest, EscIsIgnoredAndTheCloseBoxEnds) {
    CopyClientFiles("sah");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    RunMainWindow([&](CInfoDlg& dlg) {
        ASSERT_TRUE(Headless::PressEscape(dlg));
        EXPECT_FALSE(Headless::ModalEnded(dlg));
        ASSERT_TRUE(Headless::Close(dlg));
        EXPECT_TRUE(Headless::ModalEnded(dlg));
        EXPECT_FALSE(Headless::TimerPeriod(dlg, 1));
        EXPECT_FALSE(dlg.m_pSimpleView);
    });
    ASSERT_EQ(Headless::ModalRuns().size(), 1u);
    EXPECT_EQ(Headless::ModalRuns()[0].result, IDOK);
}

TEST_F(MainWindowTest, SystemCommandsOpenTheAboutBox) {
    CopyClientFiles("sah");
    RunMainWindow([&](CInfoDlg& dlg) {
        const auto items = Headless::SystemMenuItems(dlg);
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].first, IDM_ABOUTBOX);
        EXPECT_EQ(items[0].second, "Vantrel のﾊﾞｰｼﾞｮﾝ情報(&A)...");
        for (UINT id : {16u, 17u, 31u, 32u, 0xF060u}) {
            Headless::SysCommand(dlg, id);
        }
    });
    // The main window's own run, then one About box per command from 16 to 31.
    ASSERT_EQ(Headless::ModalRuns().size(), 4u);
    for (size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(Headless::ModalRuns()[i].templateId, IDD_ABOUTBOX);
    }
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
        RunMainWindow([&](CInfoDlg& dlg) {
            EXPECT_EQ(Headless::TimerPeriod(dlg, 1), c.period);
            EXPECT_EQ(dlg.m_nInterval, c.interval);
        });
    }
}

// A state file that could not be read at the last tick before the client moved on must not cost
// the unit its line: the last complete load of that unit is exported instead.
TEST_F(MainWindowTest, AUnitWhoseLastStateWasUnreadableIsStillExported) {
    CopyClientFiles("sah");
    const std::string csv = m_config.File("log.csv");
    m_app->WriteProfileInt("Timer", "Interval", 1);
    m_app->WriteProfileInt("Timer", "Export", 1);
    m_app->WriteProfileInt("Export", "NoTitle", 1);
    m_app->WriteProfileString("Export", "Path", csv.c_str());
    RunMainWindow([&](CInfoDlg& dlg) {
        m_client.Remove("state.sah");
        Clock::Set(1000000060);
        Headless::FireTimer(dlg, 1);
        EXPECT_EQ(dlg.m_strMessage, Text::kAnalysisNotObtained);
        m_client.Write("work_unit.sah", "name=next.unit\n");
        m_client.Write("state.sah", "prog=0.01\ncpu=3\n");
        Clock::Set(1000000120);
        Headless::FireTimer(dlg, 1);
        EXPECT_EQ(dlg.m_strMessage, "");
    });
    std::ifstream in(csv);
    std::stringstream text;
    text << in.rdbuf();
    ASSERT_EQ(CountLines(text.str()), 1) << text.str();
    // The start-up load, 2001/09/09 10:46:40 JST, with its state.
    EXPECT_EQ(text.str().rfind("2001/09/09 10:46:40,\"12fe99aa.2345.7890.438086.75\",", 0), 0u);
    EXPECT_NE(text.str().find(",0.451235,18723.250,"), std::string::npos) << text.str();
}
