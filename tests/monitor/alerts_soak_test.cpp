// A hundred simulated clients read every minute for ten hours, each with random stalls, folder
// outages and finished units on a schedule drawn beforehand: every stall of 30 minutes or more and
// every outage of 5 minutes or more is told once, with its end, the shorter ones never, every
// finished unit once, and no notice names a client twice for one event.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "monitor/client_alerts.h"
#include "pages/alert_notices.h"

namespace {

constexpr int kClients = 100;
constexpr int kMinutes = 10 * 60;

// What a client does each minute: runs (its unit moves), stands still, or is out of reach.
enum class Minute { Runs, StandsStill, OutOfReach };

struct Schedule {
    std::vector<Minute> minutes;
    // From the schedule alone: the runs of standing still and of being out of reach.
    int longStalls = 0;   // 30 minutes or more
    int longOutages = 0;  // 5 minutes or more
    int endedStalls = 0;  // long ones that end before the run does
    int endedOutages = 0;
};

Schedule Draw(std::mt19937& random) {
    Schedule schedule;
    std::uniform_int_distribution<int> what(0, 9);
    std::uniform_int_distribution<int> stallLength(5, 90);
    std::uniform_int_distribution<int> outageLength(1, 20);
    std::uniform_int_distribution<int> running(10, 120);
    while (static_cast<int>(schedule.minutes.size()) < kMinutes) {
        schedule.minutes.insert(schedule.minutes.end(), running(random), Minute::Runs);
        const bool stall = what(random) < 6;
        const int start = static_cast<int>(schedule.minutes.size());
        // Cut short where the run ends; it ends if a minute follows it.
        const int drawn = stall ? stallLength(random) : outageLength(random);
        const int length = std::min(drawn, std::max(0, kMinutes - start));
        const bool ends = start + drawn < kMinutes;
        schedule.minutes.insert(schedule.minutes.end(), drawn,
                                stall ? Minute::StandsStill : Minute::OutOfReach);
        // A stall is counted from the minute before it, the last one its unit moved.
        if (stall && length >= 30) {
            ++schedule.longStalls;
            schedule.endedStalls += ends;
        } else if (!stall && length >= 6) {  // five minutes after the first reading of it
            ++schedule.longOutages;
            schedule.endedOutages += ends;
        }
    }
    schedule.minutes.resize(kMinutes);
    return schedule;
}

TEST(AlertsSoak, AHundredClientsForTenHours) {
    std::mt19937 random(20261208);
    std::vector<Schedule> schedules;
    for (int client = 0; client < kClients; ++client) {
        schedules.push_back(Draw(random));
    }
    std::vector<ClientAlerts> alerts(kClients);
    std::vector<double> cpu(kClients, 0);
    std::vector<int> unit(kClients, 0);
    int stalls = 0, stallEnds = 0, outages = 0, outageEnds = 0, finished = 0, unitsDone = 0;
    AlertKinds all;
    all.unitFinished = true;

    for (int minute = 0; minute < kMinutes; ++minute) {
        std::vector<ClientAlert> round;
        for (int client = 0; client < kClients; ++client) {
            const std::string folder = "/clients/" + std::to_string(client);
            ClientReading reading;
            const Minute now =
                schedules[static_cast<size_t>(client)].minutes[static_cast<size_t>(minute)];
            if (now == Minute::OutOfReach) {
                reading.status = ClientStatus::NotResponding;
            } else {
                // A unit takes 300 minutes of running, and the next one follows at once: each
                // finished unit is seen replaced.
                if (now == Minute::Runs) {
                    cpu[client] += 60;
                    if (cpu[client] > 300 * 60) {
                        ++unitsDone;
                        ++unit[client];
                        cpu[client] = 60;
                    }
                }
                reading.status = ClientStatus::Running;
                reading.unitName =
                    ("u" + std::to_string(client) + "." + std::to_string(unit[client])).c_str();
                reading.progress = cpu[client] / (300 * 60);
                reading.cpuSeconds = cpu[client];
            }
            for (const AlertEvent& event : alerts[client].Read(
                     reading, minute * 60LL, CTime(1767571200 + minute * 60LL), AlertTimes{})) {
                const bool over = event.over;
                switch (event.kind) {
                    case AlertKind::Stalled:
                        ++(over ? stallEnds : stalls);
                        break;
                    case AlertKind::Unreachable:
                        ++(over ? outageEnds : outages);
                        break;
                    case AlertKind::UnitFinished:
                        ++finished;
                        break;
                }
                round.push_back(ClientAlert{folder.c_str(), event, CString()});
            }
        }
        // Each client at most once in each notice of a round, whether alone or summed up.
        for (const AlertNotice& notice : BuildAlertNotices(round, all)) {
            const std::string body = notice.body.str();
            for (int client = 0; client < kClients; ++client) {
                const std::string folder = "/clients/" + std::to_string(client);
                size_t at = 0;
                int count = 0;
                while ((at = body.find(folder, at)) != std::string::npos) {
                    const size_t end = at + folder.size();
                    count += end == body.size() || body[end] == '\n';
                    at = end;
                }
                ASSERT_LE(count, 1) << notice.summary.GetString() << " names " << folder;
            }
        }
    }
    int longStalls = 0, endedStalls = 0, longOutages = 0, endedOutages = 0;
    for (const Schedule& schedule : schedules) {
        longStalls += schedule.longStalls;
        endedStalls += schedule.endedStalls;
        longOutages += schedule.longOutages;
        endedOutages += schedule.endedOutages;
    }
    ASSERT_GT(longStalls, 100);
    ASSERT_GT(longOutages, 50);
    EXPECT_EQ(stalls, longStalls);
    EXPECT_EQ(stallEnds, endedStalls);
    EXPECT_EQ(outages, longOutages);
    EXPECT_EQ(outageEnds, endedOutages);
    EXPECT_EQ(finished, unitsDone);
}

}  // namespace
