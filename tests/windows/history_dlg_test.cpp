// The history window on the headless backend: what it shows of a log, sorting, the selected unit
// on the sky map, a log that grows while it is open, a log that can't be read, and saving a chart
// without replacing a file unasked.
#include <gtest/gtest.h>

#include "export/export_test_support.h"
#include "history/log_lines.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "platform/ui/cwinapp.h"
#include "res/resource.h"
#include "res/strings.h"
#include "support/temp_dir.h"
#include "windows/history_dlg.h"

namespace {

using log_lines::Basic;
using log_lines::New;

// Pixels of the selection's red in what the chart control paints.
int HighlightPixels(CHistoryDlg& dlg) {
    int count = 0;
    for (const COLORREF pixel : Headless::Paint(dlg.ChartView()).pixels) {
        count += GetRValue(pixel) > 180 && GetGValue(pixel) < 110 && GetBValue(pixel) < 110;
    }
    return count;
}

class HistoryWindow : public testing::Test {
protected:
    HistoryWindow() {
        Headless::Reset();
        m_app.m_frameworkTexts = LoadFrameworkTexts();
        // Wednesday 2024-01-31 12:00 UTC.
        Clock::Set(1706702400);
    }
    ~HistoryWindow() override {
        Clock::UseSystemClock();
        Headless::Reset();
    }

    // Runs the history window on the log; body runs inside its modal loop.
    void Run(const std::function<void(CHistoryDlg&)>& body) {
        Headless::QueueModal([&](CDialog& dialog) { body(static_cast<CHistoryDlg&>(dialog)); });
        RunHistoryWindow(m_dir.File("export.csv").c_str(), nullptr);
    }

    const export_test::ScopedTimeZone m_utc{"UTC"};
    TempDir m_dir;
    CWinApp m_app{"Vantrel"};
};

TEST_F(HistoryWindow, ShowsTheUnitsNewestFirstWithTheirFiguresAndWhatCouldNotBeRead) {
    m_dir.Write("export.csv", log_lines::kTitle23 + "\n" +
                                  Basic("2024/01/22 10:00:00", "\"u1\"", "3600.000") + "\n" +
                                  Basic("2024/01/23 10:00:00", "\"u2\"", "10800.000") + "\r\n" +
                                  "2024/01/24 10:00:00,\"cut\n" +
                                  New("2024/01/29 10:00:00", "\"u3\"", "7200.000") + "\n");
    Run([&](CHistoryDlg& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "作業履歴 - " + m_dir.File("export.csv"));
        EXPECT_EQ(Headless::ListColumns(dlg, IDC_HISTORY_LIST),
                  (std::vector<CString>{"記録時刻", "WU名", "観測時刻 (UT)", "観測方向 (From)",
                                        "CPU Time", "Score (Gaussians)", "Power (Gaussians)"}));
        const auto rows = Headless::ListRows(dlg, IDC_HISTORY_LIST);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0],
                  (std::vector<CString>{"2024/01/29 10:00:00", "u3", "2002/04/02 14:35:51",
                                        "12 hr 30 min 00 sec R.A., +5 deg 15 min 00 sec Dec.",
                                        "2.00 hr", "3.250000", "4.500000"}));
        // 3 units, 6 hours; mean 2, median 2; last week (22 to 28 January) held two of them.
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_VALUES),
                  "3\n6.00 hr\n2.00 hr\n2.00 hr\n0.50\n0.04");
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_STATUS),
                  "3 ユニット (4 行)、1 行を読み込めませんでした (4 行目)");
        EXPECT_EQ(Headless::TabItems(dlg, IDC_HISTORY_CHARTTAB),
                  (std::vector<CString>{"CPU 時間", "週ごとのユニット数", "天球図"}));
        EXPECT_EQ(Headless::SelectedTab(dlg, IDC_HISTORY_CHARTTAB), 2);
        EXPECT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ(Headless::ModalRuns().back().templateId, IDD_HISTORY);
}

TEST_F(HistoryWindow, SortingKeepsTheSelectedUnitWhichTheSkyMapRings) {
    m_dir.Write("export.csv", Basic("2024/01/22 10:00:00", "\"b\"", "3600.000") + "\n" +
                                  Basic("2024/01/23 10:00:00", "\"a\"", "10800.000") + "\n" +
                                  Basic("2024/01/24 10:00:00", "\"c\"", "7200.000") + "\n");
    Run([&](CHistoryDlg& dlg) {
        EXPECT_EQ(HighlightPixels(dlg), 0);
        // The header's arrow follows the order: newest first, A to Z, most CPU first.
        using Arrow = std::pair<int, bool>;
        EXPECT_EQ(Headless::ListSortIndicator(dlg, IDC_HISTORY_LIST), Arrow(0, false));
        ASSERT_TRUE(Headless::ClickListRow(dlg, IDC_HISTORY_LIST, 1));  // "a"
        EXPECT_GT(HighlightPixels(dlg), 20);
        ASSERT_TRUE(Headless::ClickListHeader(dlg, IDC_HISTORY_LIST, 1));  // names, A to Z
        EXPECT_EQ(Headless::ListRows(dlg, IDC_HISTORY_LIST)[0][1], "a");
        EXPECT_EQ(Headless::ListSortIndicator(dlg, IDC_HISTORY_LIST), Arrow(1, true));
        EXPECT_EQ(Headless::SelectedListRow(dlg, IDC_HISTORY_LIST), 0);
        ASSERT_TRUE(Headless::ClickListHeader(dlg, IDC_HISTORY_LIST, 4));  // CPU, most first
        EXPECT_EQ(Headless::ListRows(dlg, IDC_HISTORY_LIST)[2][1], "b");
        EXPECT_EQ(Headless::ListSortIndicator(dlg, IDC_HISTORY_LIST), Arrow(4, false));
        EXPECT_EQ(Headless::SelectedListRow(dlg, IDC_HISTORY_LIST), 0);
        // The other charts ring nothing.
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_HISTORY_CHARTTAB, 0));
        EXPECT_EQ(HighlightPixels(dlg), 0);
        ASSERT_TRUE(Headless::Close(dlg));
    });
}

// A log not there yet says so and where it will be, with empty figures and the sky map without
// units; the timer reads it
// again as it comes and grows, waits for a line still being written, and keeps what it read
// when the log goes.
TEST_F(HistoryWindow, TheLogIsReadAgainAsItComesGrowsAndGoes) {
    Run([&](CHistoryDlg& dlg) {
        EXPECT_EQ(Headless::TimerPeriod(dlg, 1), 2000u);
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_STATUS),
                  "まだユニットがありません。ログは " + m_dir.File("export.csv") + " に作られます");
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_VALUES), "0\n0.00 hr\n--\n--\n0.00\n0.00");
        EXPECT_TRUE(Headless::ListRows(dlg, IDC_HISTORY_LIST).empty());
        // The sky map's grid and band, without units.
        EXPECT_FALSE(dlg.ChartView().GetPicture().IsEmpty());

        const std::string first = Basic("2024/01/22 10:00:00", "\"u1\"") + "\n";
        m_dir.Write("export.csv", first);
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_STATUS), "1 ユニット (1 行)");
        ASSERT_TRUE(Headless::ClickListRow(dlg, IDC_HISTORY_LIST, 0));
        // The exporter is half way through its line: shown once it is whole.
        const std::string next = Basic("2024/01/23 10:00:00", "\"u2\"") + "\n";
        m_dir.Write("export.csv", first + next.substr(0, 30));
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_EQ(Headless::ListRows(dlg, IDC_HISTORY_LIST).size(), 1u);
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_STATUS),
                  "1 ユニット (1 行)、最後の行は書き込み中です");
        m_dir.Write("export.csv", first + next);
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        const auto rows = Headless::ListRows(dlg, IDC_HISTORY_LIST);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0][1], "u2");
        EXPECT_EQ(Headless::SelectedListRow(dlg, IDC_HISTORY_LIST), 1);  // still u1
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_STATUS), "2 ユニット (2 行)");

        // Gone: said so, and what was read stays in view.
        m_dir.Remove("export.csv");
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_STATUS), "ログを読み込めませんでした");
        EXPECT_EQ(Headless::ListRows(dlg, IDC_HISTORY_LIST).size(), 2u);
        ASSERT_TRUE(Headless::Close(dlg));
        EXPECT_FALSE(Headless::TimerPeriod(dlg, 1));
    });
}

TEST_F(HistoryWindow, AChartSavesAsPngOrSvgAndAFailedSaveIsReported) {
    m_dir.Write("export.csv", Basic() + "\n");
    Run([&](CHistoryDlg& dlg) {
        Headless::QueueFileDialogAnswer(CString(m_dir.File("sky.svg")));
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_HISTORY_SAVE));
        EXPECT_EQ(m_dir.Read("sky.svg").substr(0, 5), "<?xml");
        EXPECT_EQ(Headless::TextOf(dlg, IDC_HISTORY_STATUS),
                  "グラフを " + m_dir.File("sky.svg") + " に保存しました");
        ASSERT_TRUE(Headless::SelectTab(dlg, IDC_HISTORY_CHARTTAB, 1));
        Headless::QueueFileDialogAnswer(CString(m_dir.File("weekly.PNG")));
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_HISTORY_SAVE));
        EXPECT_EQ(m_dir.Read("weekly.PNG").substr(1, 3), "PNG");
        EXPECT_EQ(Headless::FileDialogs().back().initialDir, m_dir.path().c_str());
        EXPECT_EQ(Headless::FileDialogs().back().title, "名前を付けて保存");
        EXPECT_TRUE(Headless::MessageBoxes().empty());

        Headless::QueueFileDialogAnswer(CString(m_dir.File("no/such/folder/x.png")));
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_HISTORY_SAVE));
        ASSERT_EQ(Headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(Headless::MessageBoxes()[0].text, "グラフを保存できませんでした");
        // Cancelled: nothing written, nothing said.
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_HISTORY_SAVE));
        EXPECT_EQ(Headless::MessageBoxes().size(), 1u);
        ASSERT_TRUE(Headless::Close(dlg));
    });
}

// The file dialog asks about the name typed; ".png" is added after it. A file of the final name
// is replaced only when the user says so.
TEST_F(HistoryWindow, ANameThatGetsItsExtensionReplacesAFileOnlyAfterAsking) {
    m_dir.Write("export.csv", Basic() + "\n");
    const std::string old = "old chart\r\n\xff";
    m_dir.Write("mychart.png", old);
    m_dir.Write("other", "asked about by the dialog");
    const auto save = [](CHistoryDlg& dlg, const std::string& path) {
        Headless::QueueFileDialogAnswer(CString(path.c_str()));
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_HISTORY_SAVE));
    };
    Run([&](CHistoryDlg& dlg) {
        Headless::QueueMessageBoxAnswer(IDNO);
        save(dlg, m_dir.File("mychart"));
        ASSERT_EQ(Headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(Headless::MessageBoxes()[0].text, "mychart.png は既にあります。置き換えますか?");
        EXPECT_EQ(Headless::MessageBoxes()[0].type & 0x0F, MB_YESNO);
        EXPECT_TRUE(m_dir.Read("mychart.png") == old);
        EXPECT_FALSE(m_dir.Exists("mychart"));
        Headless::QueueMessageBoxAnswer(IDYES);
        save(dlg, m_dir.File("mychart"));
        ASSERT_EQ(Headless::MessageBoxes().size(), 2u);
        EXPECT_EQ(m_dir.Read("mychart.png").substr(1, 3), "PNG");

        // Nothing of the final name: written without a question, beside the file the dialog
        // asked about, which stays. A name the dialog asked about itself is not asked again.
        save(dlg, m_dir.File("other"));
        EXPECT_EQ(m_dir.Read("other.png").substr(1, 3), "PNG");
        EXPECT_EQ(m_dir.Read("other"), "asked about by the dialog");
        m_dir.Write("mychart.png", old);
        save(dlg, m_dir.File("mychart.png"));
        EXPECT_EQ(m_dir.Read("mychart.png").substr(1, 3), "PNG");
        EXPECT_EQ(Headless::MessageBoxes().size(), 2u);
        ASSERT_TRUE(Headless::Close(dlg));
    });
}

}  // namespace
