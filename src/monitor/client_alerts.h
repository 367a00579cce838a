// ClientAlerts: what the desktop is to be told about one client, worked out from each reading of
// it: a unit finished, the client stalled (its unit neither progressed nor took CPU time for a
// while), its folder out of reach for longer than a grace period, and each of these over. Lengths
// of time are judged on the monotonic clock, so a jump of the wall clock never makes or hides
// one; the wall clock only dates a stall for the user.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "monitor/client_status.h"
#include "platform/base/cstring.h"
#include "platform/base/ctime.h"

enum class AlertKind {
    UnitFinished,
    Stalled,
    Unreachable,  // missing, unreadable or not responding for longer than the grace period
};

struct AlertEvent {
    AlertKind kind = AlertKind::UnitFinished;
    bool over = false;  // the stall or the unreachable folder is over
    CString unitName;   // UnitFinished: the unit
    double cpuSeconds = 0;
    CTime since;  // Stalled: when the unit last moved, by the wall clock
    ClientStatus status = ClientStatus::Running;  // Unreachable: which way
};

// One reading of the client, as a refresh left it.
struct ClientReading {
    ClientStatus status = ClientStatus::Loading;
    CString unitName;  // empty while no unit is known
    double progress = 0;
    double cpuSeconds = 0;
};

struct AlertTimes {
    std::int64_t stallSeconds = 30 * 60;
    std::int64_t graceSeconds = 5 * 60;
};

class ClientAlerts {
public:
    // The events this reading brings. monotonicNow: Clock::Monotonic(); wallNow: Clock::Now().
    std::vector<AlertEvent> Read(const ClientReading& reading, std::int64_t monotonicNow,
                                 const CTime& wallNow, const AlertTimes& times);

    // Since when, by the wall clock, the running client has been stalled; none while it is not.
    std::optional<CTime> StalledSince() const;

private:
    void ReadRunning(const ClientReading& reading, std::int64_t now, const CTime& wallNow,
                     const AlertTimes& times, std::vector<AlertEvent>& events);
    void ReadUnreachable(const ClientReading& reading, std::int64_t now, const AlertTimes& times,
                         std::vector<AlertEvent>& events);
    void EndStall(std::vector<AlertEvent>& events);

    std::optional<ClientReading> m_last;  // the last reading that showed the unit
    bool m_lastFinished = false;          // the last reading showed its result
    std::int64_t m_lastMove = 0;          // monotonic
    CTime m_lastMoveWall;
    bool m_stalled = false;
    std::optional<std::int64_t> m_outOfReachSince;  // monotonic
    bool m_unreachableSaid = false;
};
