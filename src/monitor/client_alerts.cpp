#include "monitor/client_alerts.h"

namespace {

bool OutOfReach(ClientStatus status) {
    switch (status) {
        case ClientStatus::NotResponding:
        case ClientStatus::Unreadable:
        case ClientStatus::FolderMissing:
        case ClientStatus::NoClientFiles:
            return true;
        case ClientStatus::Running:
        case ClientStatus::Stalled:
        case ClientStatus::Finished:
        case ClientStatus::Loading:
            return false;
    }
    return false;
}

AlertEvent Event(AlertKind kind, bool over) {
    AlertEvent event;
    event.kind = kind;
    event.over = over;
    return event;
}

AlertEvent UnitFinished(const ClientReading& reading) {
    AlertEvent event = Event(AlertKind::UnitFinished, false);
    event.unitName = reading.unitName;
    event.cpuSeconds = reading.cpuSeconds;
    return event;
}

}  // namespace

std::vector<AlertEvent> ClientAlerts::Read(const ClientReading& reading, std::int64_t monotonicNow,
                                           const CTime& wallNow, const AlertTimes& times) {
    std::vector<AlertEvent> events;
    if (OutOfReach(reading.status)) {
        ReadUnreachable(reading, monotonicNow, times, events);
        return events;
    }
    if (reading.status == ClientStatus::Loading) {
        return events;
    }
    if (m_outOfReachSince) {
        if (m_unreachableSaid) {
            events.push_back(Event(AlertKind::Unreachable, true));
        }
        m_outOfReachSince.reset();
        m_unreachableSaid = false;
    }
    const bool finished = reading.status == ClientStatus::Finished;
    if (m_last && !m_last->unitName.IsEmpty() && !m_lastFinished) {
        if (reading.unitName != m_last->unitName) {
            // Finished and replaced between two readings: the last one is all there is of it.
            events.push_back(UnitFinished(*m_last));
        } else if (finished) {
            events.push_back(UnitFinished(reading));
        }
    }
    if (finished) {
        EndStall(events);
        m_lastMove = monotonicNow;
        m_lastMoveWall = wallNow;
    } else {
        ReadRunning(reading, monotonicNow, wallNow, times, events);
    }
    m_last = reading;
    m_lastFinished = finished;
    return events;
}

void ClientAlerts::ReadRunning(const ClientReading& reading, std::int64_t now, const CTime& wallNow,
                               const AlertTimes& times, std::vector<AlertEvent>& events) {
    const bool moved = !m_last || m_lastFinished || reading.unitName != m_last->unitName ||
                       reading.progress != m_last->progress ||
                       reading.cpuSeconds != m_last->cpuSeconds;
    if (moved) {
        EndStall(events);
        m_lastMove = now;
        m_lastMoveWall = wallNow;
    } else if (!m_stalled && now - m_lastMove >= times.stallSeconds) {
        m_stalled = true;
        AlertEvent stalled = Event(AlertKind::Stalled, false);
        stalled.since = m_lastMoveWall;
        events.push_back(stalled);
    }
}

void ClientAlerts::ReadUnreachable(const ClientReading& reading, std::int64_t now,
                                   const AlertTimes& times, std::vector<AlertEvent>& events) {
    if (!m_outOfReachSince) {
        m_outOfReachSince = now;
    }
    if (!m_unreachableSaid && now - *m_outOfReachSince >= times.graceSeconds) {
        m_unreachableSaid = true;
        AlertEvent unreachable = Event(AlertKind::Unreachable, false);
        unreachable.status = reading.status;
        events.push_back(unreachable);
    }
}

void ClientAlerts::EndStall(std::vector<AlertEvent>& events) {
    if (m_stalled) {
        m_stalled = false;
        events.push_back(Event(AlertKind::Stalled, true));
    }
}

std::optional<CTime> ClientAlerts::StalledSince() const {
    return m_stalled ? std::optional<CTime>(m_lastMoveWall) : std::nullopt;
}
