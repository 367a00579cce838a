#include "monitor/client_refresher.h"

#include <mutex>

#include "clientfiles/client_files_present.h"

struct ClientRefresher::Shared {
    explicit Shared(const CString& directory, Reader readWith)
        : monitor(directory), reader(std::move(readWith)) {}

    // Only the one running refresh touches these.
    ClientMonitor monitor;
    Reader reader;
    bool started = false;

    std::mutex mutex;  // guards what follows
    std::optional<RefreshPool::Clock::time_point> runningSince;
    std::optional<RefreshReport> finished;
};

ClientRefresher::ClientRefresher(const CString& directory, Reader reader)
    : m_directory(directory),
      m_shared(std::make_shared<Shared>(directory, reader ? std::move(reader) : Read)) {}

ClientRefresher::~ClientRefresher() = default;

ClientMonitor::RefreshResult ClientRefresher::Read(ClientMonitor& monitor, bool first) {
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

bool ClientRefresher::Begin(RefreshPool& pool, ExportReplaced exportReplaced, bool fromButton) {
    {
        std::lock_guard<std::mutex> lock(m_shared->mutex);
        if (m_shared->runningSince) {
            return false;
        }
        m_shared->runningSince = RefreshPool::Clock::now();
    }
    pool.Submit([shared = m_shared, exportReplaced = std::move(exportReplaced), fromButton] {
        const bool first = !shared->started;
        shared->started = true;
        const ClientMonitor::RefreshResult result = shared->reader(shared->monitor, first);
        RefreshReport report(shared->monitor);
        report.outcome = result.outcome;
        report.fromButton = fromButton;
        // The export belongs to the refresh that saw the change: once per replaced unit.
        if (result.replaced && exportReplaced) {
            report.exportFailed = !exportReplaced(*result.replaced);
        }
        if (result.outcome == ClientMonitor::Outcome::Failed) {
            report.noClientFiles = !HasWorkUnitFiles(shared->monitor.Directory());
        }
        std::lock_guard<std::mutex> lock(shared->mutex);
        shared->finished = std::move(report);
        shared->runningSince.reset();
    });
    return true;
}

std::optional<RefreshReport> ClientRefresher::TakeFinished() {
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    std::optional<RefreshReport> report = std::move(m_shared->finished);
    m_shared->finished.reset();
    return report;
}

std::optional<RefreshPool::Clock::duration> ClientRefresher::RunningFor() const {
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    if (!m_shared->runningSince) {
        return std::nullopt;
    }
    return RefreshPool::Clock::now() - *m_shared->runningSince;
}
