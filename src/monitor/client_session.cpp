#include "monitor/client_session.h"

#include <algorithm>
#include <mutex>
#include <utility>

#include "platform/base/clock.h"

namespace {

ClientStatus StatusAfter(ClientMonitor::Outcome outcome, bool finished, ReadFault fault) {
    switch (outcome) {
        case ClientMonitor::Outcome::Refreshed:
            return finished ? ClientStatus::Finished : ClientStatus::Running;
        case ClientMonitor::Outcome::StateMissing:
            // A finished unit's result stands in for its state.
            return finished ? ClientStatus::Finished : ClientStatus::Unreadable;
        case ClientMonitor::Outcome::Failed:
            break;
    }
    switch (fault) {
        case ReadFault::FolderMissing:
            return ClientStatus::FolderMissing;
        case ReadFault::NoClientFiles:
            return ClientStatus::NoClientFiles;
        default:
            return ClientStatus::Unreadable;
    }
}

}  // namespace

struct ClientSession::Finished {
    Report report;
    ReadProblem problem;
    std::unique_ptr<ClientMonitor> copy;  // pooled: the monitor as the refresh left it
};

struct ClientSession::Shared {
    Shared(const CString& directory, Reader readWith)
        : monitor(directory), reader(std::move(readWith)) {}

    // Only the one refresh under way touches these.
    ClientMonitor monitor;
    Reader reader;
    bool started = false;

    std::mutex mutex;  // guards what follows
    bool queued = false;
    // Set when a thread starts the read: a refresh waiting for a thread is not late.
    std::optional<RefreshPool::Clock::time_point> runningSince;
    std::optional<Finished> finished;
};

ClientSession::ClientSession(const CString& directory, RefreshPool* pool, Reader reader)
    : m_directory(directory),
      m_pool(pool),
      m_shared(std::make_shared<Shared>(directory, reader ? std::move(reader) : Read)),
      m_shown(pool ? std::make_unique<ClientMonitor>(directory) : nullptr) {}

ClientSession::~ClientSession() = default;

void ClientSession::AddObserver(Observer* observer) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
        m_observers.push_back(observer);
    }
}

void ClientSession::RemoveObserver(Observer* observer) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

template <typename Call>
void ClientSession::Notify(Call call) {
    // An observer may run a nested message loop in which another one goes away.
    const std::vector<Observer*> observers = m_observers;
    for (Observer* observer : observers) {
        if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end()) {
            call(*observer);
        }
    }
}

const ClientMonitor& ClientSession::Monitor() const {
    return m_shown ? *m_shown : m_shared->monitor;
}

ClientMonitor::RefreshResult ClientSession::Read(ClientMonitor& monitor, bool first) {
    if (!first) {
        return monitor.Refresh();
    }
    ClientMonitor::RefreshResult result;
    if (monitor.Start()) {
        result.outcome = ClientMonitor::Outcome::Refreshed;
    } else if (monitor.WorkUnit().found) {
        result.outcome = ClientMonitor::Outcome::StateMissing;
    }
    return result;
}

ClientSession::Finished ClientSession::RunRefresh(Shared& shared, Cause cause,
                                                  const LogRule& rule) {
    const bool first = !shared.started;
    shared.started = true;
    const ClientMonitor::RefreshResult result = shared.reader(shared.monitor, first);
    const ClientMonitor& monitor = shared.monitor;
    Finished finished;
    finished.report.outcome = result.outcome;
    finished.report.cause = cause;
    if (result.outcome == ClientMonitor::Outcome::Failed) {
        finished.problem = WorkUnitReadProblem(monitor.Directory());
    } else if (result.outcome == ClientMonitor::Outcome::StateMissing &&
               !monitor.WorkUnit().IsResult()) {
        finished.problem =
            FileReadProblem(monitor.Directory(), AnalysisState::FileName(monitor.Version().kind));
    }
    // The refresh that saw the change logs the replaced unit: once, as only it sees it.
    if (result.replaced && rule.onChange && rule.write &&
        (cause == Cause::Timer || rule.fromButton)) {
        finished.report.logged = rule.write(*result.replaced);
    }
    return finished;
}

void ClientSession::TakeIn(const Finished& finished) {
    m_lastOutcome = finished.report.outcome;
    const ClientMonitor& monitor = Monitor();
    m_condition.status =
        StatusAfter(finished.report.outcome, monitor.WorkUnit().IsResult(), finished.problem.fault);
    m_condition.problem = finished.problem;
    if (m_condition.Live()) {
        m_condition.lastGoodRead = monitor.TimeUpdate();
    }
    ReadAlerts();
}

void ClientSession::ReadAlerts() {
    if (!m_alertTimes) {
        return;
    }
    const ClientMonitor& monitor = Monitor();
    ClientReading reading;
    reading.status = m_condition.status;
    if (m_condition.Live()) {
        reading.unitName = monitor.WorkUnit().name;
        reading.progress = monitor.State().prog;
        reading.cpuSeconds = monitor.State().cpu;
    }
    std::vector<AlertEvent> events =
        m_alerts.Read(reading, Clock::Monotonic(), CTime(Clock::Now()), *m_alertTimes);
    m_pendingAlerts.insert(m_pendingAlerts.end(), events.begin(), events.end());
    m_condition.stalledSince.reset();
    if (m_condition.status == ClientStatus::Running) {
        m_condition.stalledSince = m_alerts.StalledSince();
        if (m_condition.stalledSince) {
            m_condition.status = ClientStatus::Stalled;
        }
    }
}

std::vector<AlertEvent> ClientSession::TakeAlerts() {
    return std::exchange(m_pendingAlerts, {});
}

bool ClientSession::Start() {
    if (!m_pool && !m_shared->started) {
        TakeIn(RunRefresh(*m_shared, Cause::Timer, LogRule{}));
    }
    const ClientMonitor& monitor = Monitor();
    return Loaded() && monitor.WorkUnit().found && monitor.State().found;
}

bool ClientSession::Refresh(Cause cause) {
    if (!m_pool) {
        const Finished finished = RunRefresh(*m_shared, cause, m_rule);
        TakeIn(finished);
        Notify([&](Observer& observer) { observer.OnSessionRefreshed(*this, finished.report); });
        return true;
    }
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        if (m_shared->queued) {
            return false;
        }
        m_shared->queued = true;
    }
    m_pool->Submit([shared = m_shared, cause, rule = m_rule] {
        {
            std::lock_guard<std::mutex> lock(shared->mutex);
            shared->runningSince = RefreshPool::Clock::now();
        }
        Finished finished = RunRefresh(*shared, cause, rule);
        finished.copy = std::make_unique<ClientMonitor>(shared->monitor);
        std::lock_guard<std::mutex> lock(shared->mutex);
        shared->finished = std::move(finished);
        shared->queued = false;
        shared->runningSince.reset();
    });
    Notify([&](Observer& observer) { observer.OnSessionRefreshBegun(*this); });
    return true;
}

bool ClientSession::Collect() {
    if (!m_pool) {
        return false;
    }
    std::optional<Finished> finished;
    bool late = false;
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        finished = std::move(m_shared->finished);
        m_shared->finished.reset();
        late = m_shared->runningSince &&
               RefreshPool::Clock::now() - *m_shared->runningSince > m_pool->Bound();
    }
    bool changed = false;
    if (finished) {
        // In place: the windows hold on to the shown monitor.
        *m_shown = std::move(*finished->copy);
        TakeIn(*finished);
        Notify([&](Observer& observer) { observer.OnSessionRefreshed(*this, finished->report); });
        changed = true;
    }
    if (late && m_condition.status != ClientStatus::NotResponding) {
        m_condition.status = ClientStatus::NotResponding;
        m_condition.problem = ReadProblem{};
        ReadAlerts();
        Notify([&](Observer& observer) { observer.OnSessionStatusChanged(*this); });
        changed = true;
    }
    return changed;
}

bool ClientSession::Pending() const {
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->queued &&
           (!m_shared->runningSince ||
            RefreshPool::Clock::now() - *m_shared->runningSince <= m_pool->Bound());
}

bool ClientSession::Outstanding() const {
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->queued;
}
