// The clients overview on the headless backend: rows, sorting, the log of finished units,
// folders that hang, the folder list and the main window opened on a client.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/overview_fixture.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "res/settings.h"
#include "res/strings.h"

namespace {

// How often what occurs in text.
size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

// Each kind of folder gets its row and status; the values are the progress page's.
TEST_F(OverviewTest, EachFolderShowsItsClientOrWhatIsWrongWithIt) {
    const std::string running = MakeClient("sah");
    const std::string finished = MakeClient("sah");
    std::filesystem::remove(finished + "/work_unit.sah");
    m_clients.back()->CopyFromData("sah/result.sah", "result.sah");
    const std::string empty = MakeClient("");
    const std::string unreadable = MakeClient("");
    std::filesystem::create_directory(unreadable + "/work_unit.sah");
    COverviewDlg& dlg = Open({running, finished, empty, unreadable});

    EXPECT_EQ(Headless::ListColumns(dlg, IDC_CLIENTS),
              (std::vector<CString>{"フォルダ", "状態", "WU名", "進捗", "CPU Time", "予想終了時刻",
                                    "稼働率"}));
    EXPECT_EQ(Column(kStatusColumn), std::vector<std::string>(4, Text::kStatusLoading));
    Settle();
    EXPECT_EQ(Column(kFolderColumn),
              (std::vector<std::string>{running, finished, empty, unreadable}));
    EXPECT_EQ(Column(kStatusColumn),
              (std::vector<std::string>{"実行中", "終了 (新しいWU待ち)", "クライアントファイルなし",
                                        "読み取れません"}));
    const auto rows = Headless::ListRows(dlg, IDC_CLIENTS);
    // 18723.25 s at 45.123456 %: 41493.386 s in all, 22770 s to go from 10:46:40.
    EXPECT_EQ(rows[0],
              (std::vector<CString>{running, "実行中", "12fe99aa.2345.7890.438086.75", "45.123 %",
                                    "5 hr 12 min 3.250 sec", "2001/09/09 17:06", "NaN"}));
    EXPECT_EQ(Headless::ListProgress(dlg, IDC_CLIENTS, 0, kProgressColumn), 45);
    EXPECT_EQ(rows[1][kProgressColumn], "100.000 %");
    EXPECT_EQ(Headless::ListProgress(dlg, IDC_CLIENTS, 1, kProgressColumn), 100);
    EXPECT_EQ(rows[2][kWorkUnitColumn], "");
    EXPECT_EQ(Headless::ListProgress(dlg, IDC_CLIENTS, 2, kProgressColumn), -1);
}

// Header clicks sort, a second click turns the order round, and rows without a value stay last.
TEST_F(OverviewTest, HeaderClicksSortTheRows) {
    const std::string a = MakeClient("sah");
    const std::string b = MakeClient("sah");
    const std::string none = MakeClient("");
    StartNewUnit(b, "aaa.unit", 0.9, 100.0);
    COverviewDlg& dlg = Open({a, none, b});
    Settle();
    ASSERT_TRUE(Headless::ClickListHeader(dlg, IDC_CLIENTS, kProgressColumn));
    EXPECT_EQ(Column(kFolderColumn), (std::vector<std::string>{a, b, none}));
    ASSERT_TRUE(Headless::ClickListHeader(dlg, IDC_CLIENTS, kProgressColumn));
    EXPECT_EQ(Column(kFolderColumn), (std::vector<std::string>{b, a, none}));
    ASSERT_TRUE(Headless::ClickListHeader(dlg, IDC_CLIENTS, kWorkUnitColumn));
    // A client without a work unit stays last, whichever the order.
    EXPECT_EQ(Column(kWorkUnitColumn),
              (std::vector<std::string>{"12fe99aa.2345.7890.438086.75", "aaa.unit", ""}));
    // The selection stays with its client when the rows move.
    ASSERT_TRUE(Headless::ClickListRow(dlg, IDC_CLIENTS, 1));
    ASSERT_TRUE(Headless::ClickListHeader(dlg, IDC_CLIENTS, kWorkUnitColumn));
    EXPECT_EQ(
        Column(kFolderColumn)[static_cast<size_t>(Headless::SelectedListRow(dlg, IDC_CLIENTS))], b);
}

// Every client logs each unit it finishes once: the refresh that saw the change writes the line,
// whether or not a window is open on the client and whichever refresh saw it.
TEST_F(OverviewTest, EachFinishedUnitIsLoggedOnceWhicheverWindowsAreOpen) {
    m_app->WriteProfileInt("Timer", "Interval", 1);
    m_app->WriteProfileInt("Timer", "Export", 1);
    const std::string a = MakeClient("sah");
    const std::string b = MakeClient("sah");
    const std::string c = MakeClient("sah");
    COverviewDlg& dlg = Open({a, b, c});
    Settle();
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 1));
    CClientDlg* window = dlg.ClientWindow(1);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(Headless::TimerPeriod(*window, 1), std::nullopt) << "the overview's timer refreshes";

    for (int round = 1; round <= 3; ++round) {
        Clock::Advance(60);
        for (const std::string& folder : {a, b, c}) {
            StartNewUnit(folder, "unit." + std::to_string(round), 0.01, 10.0);
        }
        if (round == 2) {
            // The window's own refresh button: its client's change is logged by that refresh.
            ASSERT_TRUE(Headless::PressButton(*window, IDC_REFRESH));
        }
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        Settle();
        // Nothing new to see: no line.
        ASSERT_TRUE(Headless::FireTimer(dlg, 1));
        Settle();
        EXPECT_EQ(Count(CsvLog(), "\n"), 1u + 3u * static_cast<size_t>(round)) << CsvLog();
    }
    EXPECT_EQ(Headless::TextOf(*window, IDC_HEADER)
                  .str()
                  .rfind("Client Ver. 3.x :  Progress = 1.000 %", 0),
              0u);
    // Each unit once, under its own name.
    const std::string log = CsvLog();
    for (const char* unit : {"\"12fe99aa.2345.7890.438086.75\"", "\"unit.1\"", "\"unit.2\""}) {
        EXPECT_EQ(Count(log, unit), 3u) << unit;
    }
    // The history reads the one log every client writes.
    Headless::QueueModal([](CDialog& history) {
        // The three folders are copies of one client: the same three names in each.
        EXPECT_EQ(Headless::TextOf(history, IDC_HISTORY_STATUS),
                  "3 ユニット (9 行)、同じユニットの 6 行をまとめました");
        EXPECT_TRUE(Headless::PressButton(history, IDOK));
    });
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_OVERVIEW_HISTORY));
    EXPECT_EQ(Headless::ModalRuns().back().templateId, IDD_HISTORY);
}

// A folder that hangs does not hold the window: after the bound it shows as not responding, and
// it comes back when it answers again. (The other clients going on: the refresh pool's test and
// the overview's real-window test.)
TEST_F(OverviewTest, AHangingFolderShowsNotRespondingWhileTheOthersGoOn) {
    const std::string good = MakeClient("sah");
    const std::string hung = MakeClient("sah");
    m_hanging.Hang(hung.c_str());
    COverviewDlg& dlg = Open({good, hung});
    const auto started = std::chrono::steady_clock::now();
    while (Column(kStatusColumn)[1] != Text::kStatusNotResponding &&
           std::chrono::steady_clock::now() - started < std::chrono::seconds(10)) {
        const auto before = std::chrono::steady_clock::now();
        Headless::FireTimer(dlg, 2);
        Headless::PressButton(dlg, IDC_REFRESH);
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(50));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(Column(kStatusColumn), (std::vector<std::string>{"実行中", "応答なし"}));
    EXPECT_FALSE(dlg.RefreshesPending());

    // A row that never loaded opens no window: there is nothing to show yet.
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 1));
    EXPECT_EQ(dlg.ClientWindow(1), nullptr);
    EXPECT_EQ(Headless::TextOf(dlg, IDC_MESSAGE), Text::kClientStillLoading);

    m_hanging.LetGo();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    // A refresh that ran past the bound is looked for again at the next refresh.
    while (Column(kStatusColumn)[1] != "実行中" && std::chrono::steady_clock::now() < deadline) {
        Headless::PressButton(dlg, IDC_REFRESH);
        Settle();
    }
    EXPECT_EQ(Column(kStatusColumn)[1], "実行中");
}

// Folders are added with the chooser and removed; the kept list follows only for --clients.
TEST_F(OverviewTest, AddedAndRemovedFoldersAreKeptForTheStoredList) {
    const std::string a = MakeClient("sah");
    const std::string b = MakeClient("txt");
    COverviewDlg& dlg = Open({a}, true);
    EXPECT_FALSE(Headless::IsEnabled(dlg, IDC_REMOVE_CLIENT));
    Headless::QueueFolderDialogAnswer(CString(b));
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_ADD_CLIENT));
    Headless::QueueFolderDialogAnswer(CString(a + "/."));
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_ADD_CLIENT));
    EXPECT_EQ(Headless::TextOf(dlg, IDC_MESSAGE), Text::kFolderAlreadyListed);
    Headless::QueueFolderDialogAnswer(CString(a + "/missing"));
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_ADD_CLIENT));
    EXPECT_EQ(Headless::TextOf(dlg, IDC_MESSAGE), Text::kNotAFolder);
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_ADD_CLIENT)) << "a cancelled chooser adds nothing";
    Settle();
    EXPECT_EQ(Column(kFolderColumn), (std::vector<std::string>{a, b}));
    EXPECT_EQ(Column(kStatusColumn)[1], "実行中") << "the 1.x file names";
    EXPECT_EQ(LoadClientFolders(*m_app), (std::vector<CString>{a, b}));

    ASSERT_TRUE(Headless::ClickListRow(dlg, IDC_CLIENTS, 0));
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_REMOVE_CLIENT));
    EXPECT_EQ(Column(kFolderColumn), (std::vector<std::string>{b}));
    EXPECT_EQ(LoadClientFolders(*m_app), (std::vector<CString>{b}));
    EXPECT_FALSE(Headless::IsEnabled(dlg, IDC_REMOVE_CLIENT));
    EXPECT_EQ(m_app->GetProfileString("Clients", "Folder2", "gone"), "gone");

    // Folders named on the command line are the user's for this run only.
    Open({a});
    Headless::QueueFolderDialogAnswer(CString(b));
    ASSERT_TRUE(Headless::PressButton(*m_dlg, IDC_ADD_CLIENT));
    EXPECT_EQ(LoadClientFolders(*m_app), (std::vector<CString>{b}));
}

// The window opened on a client shows the overview's loads; closing it leaves the overview, and
// a second double click opens it again.
TEST_F(OverviewTest, AClientsWindowFollowsTheOverviewAndClosesAlone) {
    const std::string a = MakeClient("sah");
    COverviewDlg& dlg = Open({a});
    Settle();
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 0));
    CClientDlg* window = dlg.ClientWindow(0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWindowText(), a + " (45.123%) - Vantrel");
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 0));
    EXPECT_EQ(dlg.ClientWindow(0), window) << "one window per client";

    StartNewUnit(a, "next.unit", 0.25, 100.0);
    ASSERT_TRUE(Headless::PressButton(*window, IDC_REFRESH));
    Settle();
    EXPECT_EQ(window->GetWindowText(), a + " (25.000%) - Vantrel");
    std::filesystem::remove(a + "/work_unit.sah");
    ASSERT_TRUE(Headless::PressButton(*window, IDC_REFRESH));
    Settle();
    ASSERT_FALSE(Headless::MessageBoxes().empty());
    EXPECT_EQ(Headless::MessageBoxes().back().text, Text::kInfoNotObtained);
    EXPECT_EQ(Column(kStatusColumn)[0], "クライアントファイルなし");

    ASSERT_TRUE(Headless::Close(*window));
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.ClientWindow(0), nullptr);
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 0));
    ASSERT_NE(dlg.ClientWindow(0), nullptr);
    EXPECT_TRUE(dlg.ClientWindow(0)->IsWindowVisible());
}
