// What the desktop is told of one client, over hand-made timelines of readings: a stall after 30
// minutes without a move and its end, finished units seen and unseen, a folder out of reach past
// the grace period and back, and a wall clock that jumps.
#include <gtest/gtest.h>

#include "monitor/client_alerts.h"

namespace {

constexpr std::int64_t kMinute = 60;
const CTime kMonday(1767571200);  // 2026-01-05 00:00 UTC

ClientReading Running(const char* unit, double progress, double cpu) {
    ClientReading reading;
    reading.status = ClientStatus::Running;
    reading.unitName = unit;
    reading.progress = progress;
    reading.cpuSeconds = cpu;
    return reading;
}

ClientReading Finished(const char* unit, double cpu) {
    ClientReading reading = Running(unit, 1.0, cpu);
    reading.status = ClientStatus::Finished;
    return reading;
}

ClientReading OutOfReach(ClientStatus status) {
    ClientReading reading;
    reading.status = status;
    return reading;
}

// Reads at monotonic second `at`, the wall clock `wallOffset` seconds from kMonday + at.
class Timeline {
public:
    std::vector<AlertEvent> At(std::int64_t at, const ClientReading& reading,
                               std::int64_t wallOffset = 0) {
        return alerts.Read(reading, at, CTime(kMonday.GetTime() + at + wallOffset), AlertTimes{});
    }
    ClientAlerts alerts;
};

TEST(ClientAlerts, AStallIsToldOnceAfterThirtyMinutesAndEndsAtTheFirstMove) {
    Timeline client;
    EXPECT_TRUE(client.At(0, Running("u", 0.25, 100)).empty());
    for (std::int64_t minute = 1; minute < 30; ++minute) {
        EXPECT_TRUE(client.At(minute * kMinute, Running("u", 0.25, 100)).empty()) << minute;
    }
    EXPECT_FALSE(client.alerts.StalledSince());
    const std::vector<AlertEvent> stalled = client.At(30 * kMinute, Running("u", 0.25, 100));
    ASSERT_EQ(stalled.size(), 1u);
    EXPECT_EQ(stalled[0].kind, AlertKind::Stalled);
    EXPECT_FALSE(stalled[0].over);
    EXPECT_EQ(stalled[0].since.GetTime(), kMonday.GetTime());  // when it last moved
    ASSERT_TRUE(client.alerts.StalledSince());
    EXPECT_TRUE(client.At(45 * kMinute, Running("u", 0.25, 100)).empty());

    // CPU time alone is a move.
    const std::vector<AlertEvent> moved = client.At(46 * kMinute, Running("u", 0.25, 101));
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].kind, AlertKind::Stalled);
    EXPECT_TRUE(moved[0].over);
    EXPECT_FALSE(client.alerts.StalledSince());
    // And the count starts again from there.
    EXPECT_TRUE(client.At(75 * kMinute, Running("u", 0.25, 101)).empty());
    EXPECT_EQ(client.At(76 * kMinute, Running("u", 0.25, 101)).size(), 1u);
}

TEST(ClientAlerts, OnlyTheMonotonicClockMakesAStall) {
    // The wall clock set two days on at once: no stall.
    Timeline jumped;
    jumped.At(0, Running("u", 0.5, 10));
    EXPECT_TRUE(jumped.At(kMinute, Running("u", 0.5, 10), 2 * 24 * 3600).empty());
    // Set an hour back: 31 minutes later by the monotonic clock it still stalls.
    Timeline setBack;
    setBack.At(0, Running("u", 0.5, 10));
    EXPECT_EQ(setBack.At(31 * kMinute, Running("u", 0.5, 10), -3600).size(), 1u);
}

TEST(ClientAlerts, AFinishedUnitIsToldOnceWhetherItsResultWasSeenOrNot) {
    Timeline client;
    client.At(0, Running("u", 0.9, 100));
    std::vector<AlertEvent> events = client.At(kMinute, Finished("u", 120));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, AlertKind::UnitFinished);
    EXPECT_EQ(events[0].unitName, "u");
    EXPECT_EQ(events[0].cpuSeconds, 120);
    EXPECT_TRUE(client.At(2 * kMinute, Finished("u", 120)).empty());
    EXPECT_TRUE(client.At(3 * kMinute, Running("v", 0.0, 0)).empty());
    // v done and replaced by w between two readings: v's last reading is what there is.
    client.At(4 * kMinute, Running("v", 0.3, 40));
    events = client.At(5 * kMinute, Running("w", 0.0, 0));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].unitName, "v");
    EXPECT_EQ(events[0].cpuSeconds, 40);
    // A finished client waits for its next unit: never a stall.
    client.At(6 * kMinute, Finished("w", 50));
    EXPECT_TRUE(client.At(60 * kMinute, Finished("w", 50)).empty());
}

TEST(ClientAlerts, AFolderOutOfReachIsToldAfterTheGracePeriodAndItsReturnAfterThat) {
    Timeline client;
    client.At(0, Running("u", 0.1, 5));
    // Back within the five minutes' grace: nothing either way.
    EXPECT_TRUE(client.At(kMinute, OutOfReach(ClientStatus::NotResponding)).empty());
    EXPECT_TRUE(client.At(5 * kMinute, Running("u", 0.2, 6)).empty());

    EXPECT_TRUE(client.At(6 * kMinute, OutOfReach(ClientStatus::FolderMissing)).empty());
    EXPECT_TRUE(client.At(10 * kMinute, OutOfReach(ClientStatus::FolderMissing)).empty());
    std::vector<AlertEvent> events = client.At(11 * kMinute, OutOfReach(ClientStatus::Unreadable));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, AlertKind::Unreachable);
    EXPECT_FALSE(events[0].over);
    EXPECT_EQ(events[0].status, ClientStatus::Unreadable);
    EXPECT_TRUE(client.At(30 * kMinute, OutOfReach(ClientStatus::Unreadable)).empty());
    // Back, and its unit has moved meanwhile.
    events = client.At(31 * kMinute, Running("u", 0.5, 60));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, AlertKind::Unreachable);
    EXPECT_TRUE(events[0].over);
}

TEST(ClientAlerts, AUnitThatDidNotMoveWhileOutOfReachStallsFromItsLastMove) {
    Timeline client;
    client.At(0, Running("u", 0.1, 5));
    client.At(10 * kMinute, OutOfReach(ClientStatus::NotResponding));
    EXPECT_EQ(client.At(16 * kMinute, OutOfReach(ClientStatus::NotResponding)).size(), 1u);
    const std::vector<AlertEvent> events = client.At(31 * kMinute, Running("u", 0.1, 5));
    // The folder's return and, the unit still where it was, its stall.
    ASSERT_EQ(events.size(), 2u);
    EXPECT_TRUE(events[0].kind == AlertKind::Unreachable && events[0].over);
    EXPECT_TRUE(events[1].kind == AlertKind::Stalled && !events[1].over);
}

}  // namespace
