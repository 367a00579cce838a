// ClientSession: one client folder, watched for as long as a window shows it. It owns the
// client's monitor and decides what every refresh means: where it runs (on the caller's thread
// for the main window, on a RefreshPool's threads for the clients overview), whether the unit
// the client has replaced is logged, and the client's status with the time of its last good
// read. The windows observe it and show what it says.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "monitor/client_alerts.h"
#include "monitor/client_monitor.h"
#include "monitor/client_status.h"
#include "monitor/refresh_pool.h"

class ClientSession {
public:
    // How a refresh reads the folder: the first load (first) or a later one. Tests put a
    // reader here that hangs on a folder of their choice.
    using Reader = std::function<ClientMonitor::RefreshResult(ClientMonitor& monitor, bool first)>;

    // What asked for a refresh.
    enum class Cause {
        Timer,   // the refresh timer, or the overview's refresh of all its clients at once
        Button,  // the refresh button of a window that shows this client alone
    };

    // What became of the line of the unit the client replaced.
    enum class UnitLog { NotAsked, Written, NothingToLog, Failed };
    // Writes that line. A pooled session calls it on the refresh's thread.
    using UnitWriter = std::function<UnitLog(const UnitLoad& unit)>;
    struct LogRule {
        bool onChange = false;    // log the unit the client has replaced ("Timer"/"Export")
        bool fromButton = false;  // also when a refresh button's refresh saw the change
        UnitWriter write;
    };

    // What one refresh came to.
    struct Report {
        ClientMonitor::Outcome outcome = ClientMonitor::Outcome::Failed;
        Cause cause = Cause::Timer;
        UnitLog logged = UnitLog::NotAsked;
    };

    class Observer {
    public:
        virtual void OnSessionRefreshed(const ClientSession& session, const Report& report) = 0;
        // The status changed with no refresh come in: the running one is past the bound.
        virtual void OnSessionStatusChanged(const ClientSession&) {}
        // A refresh was started on the pool; its report comes through Collect.
        virtual void OnSessionRefreshBegun(const ClientSession&) {}

    protected:
        ~Observer() = default;
    };

    // pool null: every refresh runs on the caller's thread before Refresh returns. Otherwise
    // refreshes run on the pool and come in through Collect. reader null: the plain reader.
    explicit ClientSession(const CString& directory, RefreshPool* pool = nullptr,
                           Reader reader = nullptr);
    ~ClientSession();
    ClientSession(const ClientSession&) = delete;
    ClientSession& operator=(const ClientSession&) = delete;

    // Given by whoever keeps the settings; a refresh under way keeps the rule it started with.
    void SetLogRule(LogRule rule) { m_rule = std::move(rule); }
    // Watches the client for the desktop's notifications from now on: how long a unit may stand
    // still before the client counts as stalled (its status says so from then), and a folder be
    // out of reach before that is told. A session nobody watches keeps no events.
    void WatchForAlerts(const AlertTimes& times) { m_alertTimes = times; }
    // What the desktop is to be told of this client since the last call: finished units, stalls,
    // a folder out of reach, and their ends. Each event is handed out once.
    std::vector<AlertEvent> TakeAlerts();
    void AddObserver(Observer* observer);
    void RemoveObserver(Observer* observer);

    // The first load, on the caller's thread, when the main window first shows the client; it
    // tells no observer. A pooled session's first load is its first refresh: this only says
    // what has come in. True when the work unit and its state were found.
    bool Start();
    // On the caller's thread: the refresh runs and the observers hear of it before this
    // returns. Pooled: a refresh starts unless the last one still runs (false then).
    bool Refresh(Cause cause);
    // Pooled: takes in the refresh that has ended, or marks the one that has run past the
    // bound as not responding; the observers hear of it. True when anything changed.
    bool Collect();
    // A refresh is queued, or has run for less than the bound.
    bool Pending() const;
    // A refresh is queued or running, however long it has run.
    bool Outstanding() const;

    bool DrivenByPool() const { return m_pool != nullptr; }
    const CString& Directory() const { return m_directory; }
    // The last load that came in, which the windows show.
    const ClientMonitor& Monitor() const;
    // Whether a load has come in.
    bool Loaded() const { return m_lastOutcome.has_value(); }
    const ClientCondition& Condition() const { return m_condition; }
    // The outcome of the last load that came in.
    std::optional<ClientMonitor::Outcome> LastOutcome() const { return m_lastOutcome; }

    // The plain reader: Start for the first load, Refresh after it.
    static ClientMonitor::RefreshResult Read(ClientMonitor& monitor, bool first);

private:
    struct Shared;
    struct Finished;
    // Runs one refresh on the monitor: the read, the reason of a failure and the unit's line.
    static Finished RunRefresh(Shared& shared, Cause cause, const LogRule& rule);
    void TakeIn(const Finished& finished);
    // Hands the status the refresh left to the alerts, which may make it Stalled.
    void ReadAlerts();
    template <typename Call>
    void Notify(Call call);

    CString m_directory;
    RefreshPool* m_pool;
    // Also held by the running refresh, which may outlive the session.
    std::shared_ptr<Shared> m_shared;
    LogRule m_rule;
    // Pooled: the copy of the monitor the last refresh left.
    std::unique_ptr<ClientMonitor> m_shown;
    ClientCondition m_condition;
    ClientAlerts m_alerts;
    std::optional<AlertTimes> m_alertTimes;
    std::vector<AlertEvent> m_pendingAlerts;
    std::optional<ClientMonitor::Outcome> m_lastOutcome;
    std::vector<Observer*> m_observers;
};
