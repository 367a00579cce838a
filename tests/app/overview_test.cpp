// The clients overview on the headless backend: rows, sorting, the log of finished units,
// folders that hang, the folder list and the main window opened on a client.
#include <gtest/gtest.h>

#include <algorithm>
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
    const std::string missing = m_data.File("gone");
    COverviewDlg& dlg = Open({running, finished, empty, unreadable, missing});

    EXPECT_EQ(Headless::ListColumns(dlg, IDC_CLIENTS),
              (std::vector<CString>{"フォルダ", "状態", "WU名", "進捗", "CPU Time", "予想終了時刻",
                                    "稼働率"}));
    EXPECT_EQ(Column(kStatusColumn), std::vector<std::string>(5, Text::kStatusLoading));
    Settle();
    EXPECT_EQ(Column(kFolderColumn),
              (std::vector<std::string>{running, finished, empty, unreadable, missing}));
    EXPECT_EQ(
        Column(kStatusColumn),
        (std::vector<std::string>{"実行中", "終了 (新しいWU待ち)", "クライアントファイルなし",
                                  "読み取れません (work_unit.sah: 通常のファイルではありません)",
                                  "フォルダがありません"}));
    const auto rows = Headless::ListRows(dlg, IDC_CLIENTS);
    // 18723.25 s at 45.123456 %: 41493.386 s in all, 22770 s to go from 10:46:40.
    EXPECT_EQ(rows[0],
              (std::vector<CString>{running, "実行中", "12fe99aa.2345.7890.438086.75", "45.123 %",
                                    "5 hr 12 min 3.250 sec", "2001/09/09 17:06", "--"}));
    EXPECT_EQ(Headless::ListProgress(dlg, IDC_CLIENTS, 0, kProgressColumn), 45);
    EXPECT_EQ(rows[1][kProgressColumn], "100.000 %");
    EXPECT_EQ(Headless::ListProgress(dlg, IDC_CLIENTS, 1, kProgressColumn), 100);
    EXPECT_EQ(rows[2][kWorkUnitColumn], "");
    EXPECT_EQ(Headless::ListProgress(dlg, IDC_CLIENTS, 2, kProgressColumn), -1);
    EXPECT_EQ(Headless::ListToolTip(dlg, IDC_CLIENTS, 0, kFolderColumn), "");

    // A long folder: shortened in its column, whole in its tooltip.
    const std::string far = m_data.File("gone/" + std::string(100, 'd'));
    COverviewDlg& longer = Open({far});
    const CString shown = Headless::ListRows(longer, IDC_CLIENTS)[0][kFolderColumn];
    EXPECT_EQ(shown, FolderText(far.c_str()));
    EXPECT_EQ(shown.GetLength(), 20 + 3 + 39);
    EXPECT_EQ(Headless::ListToolTip(longer, IDC_CLIENTS, 0, kFolderColumn), far.c_str());
}

// Header clicks sort, a second click turns the order round, and rows without a value stay last.
TEST_F(OverviewTest, HeaderClicksSortTheRows) {
    const std::string a = MakeClient("sah");
    const std::string b = MakeClient("sah");
    const std::string none = MakeClient("");
    StartNewUnit(b, "aaa.unit", 0.9, 100.0);
    COverviewDlg& dlg = Open({a, none, b});
    Settle();
    using Arrow = std::pair<int, bool>;
    EXPECT_EQ(Headless::ListSortIndicator(dlg, IDC_CLIENTS), Arrow(-1, true));
    ASSERT_TRUE(Headless::ClickListHeader(dlg, IDC_CLIENTS, kProgressColumn));
    EXPECT_EQ(Column(kFolderColumn), (std::vector<std::string>{a, b, none}));
    EXPECT_EQ(Headless::ListSortIndicator(dlg, IDC_CLIENTS), Arrow(kProgressColumn, true));
    ASSERT_TRUE(Headless::ClickListHeader(dlg, IDC_CLIENTS, kProgressColumn));
    EXPECT_EQ(Column(kFolderColumn), (std::vector<std::string>{b, a, none}));
    EXPECT_EQ(Headless::ListSortIndicator(dlg, IDC_CLIENTS), Arrow(kProgressColumn, false));
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

// A folder that hangs shows as not responding once its read has run past the bound, and the
// others go on. The bound counts from the start of a read: a healthy folder waiting for a thread
// behind hung ones is not late, and neither are folders that each take a while on a slow mount.
// The window takes refreshes in until every one has come in, so a hung folder's row comes back
// when it answers, with no new refresh asked for. (A thread the system refuses: the refresh
// pool's test.)
TEST_F(OverviewTest, OnlyAReadThatRunsPastTheBoundIsNotResponding) {
    const std::string hungA = MakeClient("sah");
    const std::string hungB = MakeClient("sah");
    const std::string good = MakeClient("sah");
    m_hanging.Hang(hungA.c_str());
    m_hanging.Hang(hungB.c_str());
    // Two threads, both held by the hung folders.
    COverviewDlg& dlg = Open({hungA, hungB, good});
    CollectUntil([&] { return Column(kStatusColumn)[2] == "実行中"; });
    EXPECT_EQ(Column(kStatusColumn), (std::vector<std::string>{"応答なし", "応答なし", "実行中"}));
    EXPECT_EQ(Column(kWorkUnitColumn)[2], "12fe99aa.2345.7890.438086.75");
    EXPECT_EQ(Headless::TimerPeriod(dlg, IDT_COLLECT), 1000u) << "the hung ones, seldom";
    // A row that never loaded opens no window: there is nothing to show yet.
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 0));
    EXPECT_EQ(dlg.ClientWindow(0), nullptr);
    EXPECT_EQ(Headless::TextOf(dlg, IDC_MESSAGE), Text::kClientStillLoading);
    m_hanging.LetGo();
    const std::vector<std::string> allRunning(3, "実行中");
    CollectUntil([&] { return Column(kStatusColumn) == allRunning; });
    EXPECT_EQ(Column(kStatusColumn), allRunning);
    EXPECT_EQ(Headless::TimerPeriod(dlg, IDT_COLLECT), std::nullopt);

    // A slow mount: every read takes a while, all of them together longer than the bound.
    std::vector<std::string> slow;
    for (int i = 0; i < 24; ++i) {
        slow.push_back(MakeClient("sah"));
    }
    m_options.reader = [](ClientMonitor& monitor, bool first) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        return ClientSession::Read(monitor, first);
    };
    Open(slow);
    while (Headless::FireTimer(*m_dlg, IDT_COLLECT)) {
        const std::vector<std::string> statuses = Column(kStatusColumn);
        ASSERT_EQ(std::count(statuses.begin(), statuses.end(), "応答なし"), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(Column(kStatusColumn), std::vector<std::string>(slow.size(), "実行中"));
}

// A client that can no longer be read says why and since when it was last read, and shows none
// of its old values; a window opened on it says the information was not obtained.
TEST_F(OverviewTest, AClientThatCannotBeReadShowsWhyAndNotItsOldValues) {
    const std::string a = MakeClient("sah");
    COverviewDlg& dlg = Open({a});
    Settle();
    ASSERT_EQ(Column(kStatusColumn)[0], "実行中");
    std::filesystem::rename(a, a + ".moved");
    Clock::Advance(600);
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
    Settle();
    EXPECT_EQ(Headless::ListRows(dlg, IDC_CLIENTS)[0],
              (std::vector<CString>{a, "フォルダがありません、最終読み込み 2001/09/09 10:46", "",
                                    "", "", "", ""}));
    EXPECT_EQ(Headless::ListProgress(dlg, IDC_CLIENTS, 0, kProgressColumn), -1);
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 0));
    ASSERT_NE(dlg.ClientWindow(0), nullptr);
    EXPECT_EQ(Headless::TextOf(*dlg.ClientWindow(0), IDC_MESSAGE), Text::kInfoNotObtained);

    // Back, but the running unit's state file gone: which file.
    std::filesystem::rename(a + ".moved", a);
    std::filesystem::remove(a + "/state.sah");
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
    Settle();
    EXPECT_EQ(Column(kStatusColumn)[0],
              "読み取れません (state.sah がありません)、最終読み込み 2001/09/09 10:46");
    EXPECT_EQ(Column(kProgressColumn)[0], "");
    m_clients[0]->CopyFromData("sah/state.sah", "state.sah");
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_REFRESH));
    Settle();
    EXPECT_EQ(Column(kStatusColumn)[0], "実行中");
    EXPECT_EQ(Column(kProgressColumn)[0], "45.123 %");
}

// With export on the timer off no refresh logs a unit, whichever window asked for it.
TEST_F(OverviewTest, NothingIsLoggedWithExportOnTheTimerOff) {
    m_app->WriteProfileInt("Timer", "Interval", 1);
    const std::string a = MakeClient("sah");
    COverviewDlg& dlg = Open({a});
    Settle();
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 0));
    StartNewUnit(a, "unit.1", 0.01, 10.0);
    ASSERT_TRUE(Headless::FireTimer(dlg, IDT_REFRESH));
    Settle();
    StartNewUnit(a, "unit.2", 0.01, 10.0);
    ASSERT_TRUE(Headless::PressButton(*dlg.ClientWindow(0), IDC_REFRESH));
    Settle();
    EXPECT_EQ(Column(kWorkUnitColumn)[0], "unit.2");
    EXPECT_EQ(CsvLog(), "");
}

// Folders are added with the chooser and removed; the kept list follows only for --clients, and
// holds each folder once however it was spelled.
TEST_F(OverviewTest, AddedAndRemovedFoldersAreKeptForTheStoredList) {
    const std::string a = MakeClient("sah");
    const std::string b = MakeClient("txt");
    const std::string link = m_data.File("link");
    std::filesystem::create_directory_symlink(a, link);
    const std::string name = std::filesystem::path(a).filename();
    const std::vector<std::string> spellings = {a, a + "/", a + "/../" + name, link};
    ASSERT_TRUE(m_app->WriteProfileInt("Clients", "Count", 4));
    for (size_t i = 0; i < spellings.size(); ++i) {
        const std::string key = "Folder" + std::to_string(i + 1);
        ASSERT_TRUE(m_app->WriteProfileString("Clients", key.c_str(), spellings[i].c_str()));
    }
    ASSERT_EQ(LoadClientFolders(*m_app), (std::vector<CString>{a}));
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

    // Two overviews on the kept list: each change lands on the list as the other left it.
    const std::string c = MakeClient("sah");
    COverviewDlg& first = Open({b}, true);
    COverviewDlg second(std::vector<CString>{CString(b)}, true, m_options);
    ASSERT_TRUE(second.Create());
    Headless::QueueFolderDialogAnswer(CString(a));
    ASSERT_TRUE(Headless::PressButton(first, IDC_ADD_CLIENT));
    Headless::QueueFolderDialogAnswer(CString(c));
    ASSERT_TRUE(Headless::PressButton(second, IDC_ADD_CLIENT));
    EXPECT_EQ(LoadClientFolders(*m_app), (std::vector<CString>{b, a, c}));
    ASSERT_TRUE(Headless::ClickListRow(second, IDC_CLIENTS, 0));
    ASSERT_TRUE(Headless::PressButton(second, IDC_REMOVE_CLIENT));
    EXPECT_EQ(LoadClientFolders(*m_app), (std::vector<CString>{a, c}));
    second.DestroyWindow();
}

// An overview of no clients says how to add one, until there is one and after the last goes.
TEST_F(OverviewTest, AnEmptyOverviewSaysHowToAddAClient) {
    const std::string a = MakeClient("sah");
    COverviewDlg& dlg = Open({}, true);
    EXPECT_EQ(Headless::TextOf(dlg, IDC_MESSAGE), Text::kOverviewNoClients);
    Headless::QueueFolderDialogAnswer(CString(a));
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_ADD_CLIENT));
    EXPECT_EQ(Headless::TextOf(dlg, IDC_MESSAGE), "");
    ASSERT_TRUE(Headless::ClickListRow(dlg, IDC_CLIENTS, 0));
    ASSERT_TRUE(Headless::PressButton(dlg, IDC_REMOVE_CLIENT));
    EXPECT_EQ(Headless::TextOf(dlg, IDC_MESSAGE), Text::kOverviewNoClients);
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
    EXPECT_EQ(Column(kStatusColumn)[0], "クライアントファイルなし、最終読み込み 2001/09/09 10:46");

    ASSERT_TRUE(Headless::Close(*window));
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.ClientWindow(0), nullptr);
    ASSERT_TRUE(Headless::DoubleClickListRow(dlg, IDC_CLIENTS, 0));
    ASSERT_NE(dlg.ClientWindow(0), nullptr);
    EXPECT_TRUE(dlg.ClientWindow(0)->IsWindowVisible());
}

// Clients whose units stand still for the stall time are stalled, since their last move, and run
// again at the next move; the desktop hears of it, three clients at once in one notice. The time
// and the kinds told come from the notifications' dialog, which keeps a time out of range from
// the settings.
TEST_F(OverviewTest, ClientsWhoseUnitsStandStillAreStalledUntilTheyMove) {
    const std::string a = MakeClient("sah");
    const std::string b = MakeClient("sah");
    const std::string c = MakeClient("sah");
    COverviewDlg& dlg = Open({a, b, c});
    Settle();
    ASSERT_EQ(Column(kStatusColumn)[0], "実行中");
    EXPECT_EQ(Headless::TimerPeriod(dlg, IDT_WATCH), 60000u) << "read every minute, no timer";

    // Ten minutes, set in the dialog; 0 and a week and a minute are refused.
    for (const char* minutes : {"0", "10081", "10"}) {
        Headless::QueueModal([&](CDialog& settings) {
            Headless::TypeText(settings, IDC_STALL_MINUTES, minutes);
            Headless::PressButton(settings, IDOK);
            if (std::string(minutes) != "10") {
                Headless::PressButton(settings, IDCANCEL);
            }
        });
        ASSERT_TRUE(Headless::PressButton(dlg, IDC_OVERVIEW_NOTIFY));
    }
    ASSERT_EQ(Headless::MessageBoxes().size(), 2u);
    EXPECT_EQ(Headless::MessageBoxes()[0].text,
              "停止とみなすまでの時間は 1 分から 10080 分までの間で指定して下さい");
    EXPECT_EQ(m_app->GetProfileInt("Notify", "StallMinutes", 0), 10);

    const auto watch = [&](int minutes) {
        Clock::Advance(minutes * 60);
        ASSERT_TRUE(Headless::FireTimer(dlg, IDT_WATCH));
        Settle();
    };
    watch(9);
    EXPECT_EQ(Column(kStatusColumn)[0], "実行中");
    EXPECT_TRUE(Headless::Notifications().empty());
    watch(1);
    // The clock was set at 10:46:40 JST when the units were first read.
    EXPECT_EQ(Column(kStatusColumn),
              std::vector<std::string>(3, "停止 (2001/09/09 10:46 から進んでいません)"));
    ASSERT_EQ(Headless::Notifications().size(), 1u);
    EXPECT_EQ(Headless::Notifications()[0].summary, "3 台のクライアントが停止しました");
    EXPECT_EQ(Headless::Notifications()[0].body, CString((a + "\n" + b + "\n" + c).c_str()));
    watch(30);
    EXPECT_EQ(Headless::Notifications().size(), 1u) << "told once";

    StartNewUnit(a, "13ap99aa.1.2.3.4", 0.01, 12.5);
    watch(1);
    EXPECT_EQ(Column(kStatusColumn)[0], "実行中");
    ASSERT_EQ(Headless::Notifications().size(), 2u);
    EXPECT_EQ(Headless::Notifications()[1].summary, "クライアントが再び動いています");
    EXPECT_EQ(Headless::Notifications()[1].body, CString(a.c_str()));
    // A click on it opens the client's window.
    EXPECT_EQ(dlg.ClientWindow(0), nullptr);
    ASSERT_TRUE(Headless::ClickNotification(1));
    EXPECT_NE(dlg.ClientWindow(0), nullptr);
}
