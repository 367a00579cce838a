// The notices of a round of refreshes, against hand-written texts: one per client and event, one
// that sums up three clients or more, only the kinds the user wants, and a hostile unit name kept
// as text.
#include <gtest/gtest.h>

#include "export/export_test_support.h"
#include "pages/alert_notices.h"

namespace {

AlertEvent Event(AlertKind kind, bool over = false) {
    AlertEvent event;
    event.kind = kind;
    event.over = over;
    return event;
}

ClientAlert Stalled(const char* folder) {
    AlertEvent event = Event(AlertKind::Stalled);
    event.since = CTime(1767603600);  // 2026-01-05 09:00 UTC
    return ClientAlert{folder, event, CString()};
}

TEST(AlertNotices, OneClientsEventsEachInANoticeOfItsOwn) {
    const export_test::ScopedTimeZone utc("UTC");
    AlertEvent finished = Event(AlertKind::UnitFinished);
    finished.unitName = "01ja26aa.1.%s%n.7";  // as the client file has it: never a format
    finished.cpuSeconds = 3723.5;
    AlertEvent unreadable = Event(AlertKind::Unreachable);
    unreadable.status = ClientStatus::Unreadable;
    AlertEvent missing = Event(AlertKind::Unreachable);
    missing.status = ClientStatus::FolderMissing;
    const std::vector<ClientAlert> round{
        {"/c/a", finished, CString()},
        Stalled("/c/b"),
        {"/c/c", unreadable, "state.sah がありません"},
        {"/c/d", missing, CString()},
        {"/c/e", Event(AlertKind::Stalled, true), CString()},
    };
    AlertKinds all;
    all.unitFinished = true;
    const std::vector<AlertNotice> notices = BuildAlertNotices(round, all);
    ASSERT_EQ(notices.size(), 5u);
    // Stalls first, then folders out of reach, what is over, and finished units last.
    EXPECT_EQ(notices[0].summary, "クライアントが停止しました");
    EXPECT_EQ(notices[0].body, "/c/b\n2026/01/05 09:00 から進んでいません");
    EXPECT_EQ(notices[0].folder, "/c/b");
    EXPECT_EQ(notices[1].summary, "クライアントのフォルダを読み取れません");
    EXPECT_EQ(notices[1].body, "/c/c\nstate.sah がありません");
    EXPECT_EQ(notices[2].summary, "クライアントのフォルダがありません");
    EXPECT_EQ(notices[2].body, "/c/d");
    EXPECT_EQ(notices[3].summary, "クライアントが再び動いています");
    EXPECT_EQ(notices[3].body, "/c/e");
    EXPECT_EQ(notices[4].summary, "ユニットが終了しました");
    EXPECT_EQ(notices[4].body,
              "01ja26aa.1.%s%n.7\nCPU 時間: 1 hr 02 min 3.500 sec\nフォルダ: /c/a");

    // By default finished units are not told; a kind turned off takes its end with it.
    AlertKinds quiet;
    quiet.stalled = false;
    const std::vector<AlertNotice> some = BuildAlertNotices(round, quiet);
    ASSERT_EQ(some.size(), 2u);
    EXPECT_EQ(some[0].folder, "/c/c");
    EXPECT_EQ(some[1].folder, "/c/d");
}

TEST(AlertNotices, ThreeClientsOrMoreWithTheSameEventAreSummedUpInOne) {
    const export_test::ScopedTimeZone utc("UTC");
    const std::vector<ClientAlert> two{Stalled("/c/a"), Stalled("/c/b")};
    EXPECT_EQ(BuildAlertNotices(two, AlertKinds{}).size(), 2u);

    const std::vector<ClientAlert> three{Stalled("/c/a"),
                                         Stalled("/c/b"),
                                         Stalled("/c/c"),
                                         {"/c/d", Event(AlertKind::Unreachable, true), CString()}};
    const std::vector<AlertNotice> notices = BuildAlertNotices(three, AlertKinds{});
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].summary, "3 台のクライアントが停止しました");
    EXPECT_EQ(notices[0].body, "/c/a\n/c/b\n/c/c");
    EXPECT_TRUE(notices[0].folder.IsEmpty());
    EXPECT_EQ(notices[1].summary, "クライアントを再び読み取れます");
}

}  // namespace
