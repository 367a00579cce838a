// ClientRefresher: one client's monitor, refreshed on a RefreshPool's thread. The monitor lives
// with the refreshes; the window gets a copy of it after each one. A refresh still running
// when the next is asked for is not doubled: the window shows the client as not responding
// once it has run past the bound, and its result is taken whenever it comes.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "monitor/client_monitor.h"
#include "monitor/refresh_pool.h"

// What one refresh left for the window.
struct RefreshReport {
    ClientMonitor monitor;  // a copy, as the refresh left it
    ClientMonitor::Outcome outcome = ClientMonitor::Outcome::Failed;
    // Failed with neither a work-unit nor a result file in the folder (rather than unreadable).
    bool noClientFiles = false;
    // The unit the client replaced was handed to the export, which failed.
    bool exportFailed = false;
    // The refresh the window asked for with its refresh button.
    bool fromButton = false;

    explicit RefreshReport(const ClientMonitor& copy) : monitor(copy) {}
};

class ClientRefresher {
public:
    // How a refresh reads the folder: the first load (first) or a later one. Tests put a
    // reader here that hangs on a folder of their choice.
    using Reader = std::function<ClientMonitor::RefreshResult(ClientMonitor& monitor, bool first)>;
    // Runs on the refresh's thread, with the unit the client has just replaced; false when the
    // export failed.
    using ExportReplaced = std::function<bool(const UnitLoad& unit)>;

    explicit ClientRefresher(const CString& directory, Reader reader = nullptr);
    ~ClientRefresher();
    ClientRefresher(const ClientRefresher&) = delete;
    ClientRefresher& operator=(const ClientRefresher&) = delete;

    // Starts a refresh on the pool; false (and nothing started) while the last one still runs.
    // exportReplaced may be null: nothing is exported.
    bool Begin(RefreshPool& pool, ExportReplaced exportReplaced, bool fromButton = false);
    // The report of the last finished refresh, once.
    std::optional<RefreshReport> TakeFinished();
    // How long the running refresh has run; nothing when none runs.
    std::optional<RefreshPool::Clock::duration> RunningFor() const;

    const CString& Directory() const { return m_directory; }

    // The plain reader: Start for the first load, Refresh after it.
    static ClientMonitor::RefreshResult Read(ClientMonitor& monitor, bool first);

private:
    struct Shared;
    CString m_directory;
    std::shared_ptr<Shared> m_shared;  // also held by the running refresh, which may outlive this
};
