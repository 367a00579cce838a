// The overview's refreshes: started on the timer or the refresh button, run on the pool's
// threads, and taken in on a collecting timer while any is under way.
#include <algorithm>

#include "app/overview_dlg.h"
#include "res/resource.h"
#include "res/strings.h"

namespace {

// Often enough that a row follows its refresh at once, while one may still come in time.
constexpr UINT kCollectPeriodMs = 100;
// While only refreshes past the bound are out: each row comes back within a second of its
// folder answering, without waking the program ten times a second for a dead mount.
constexpr UINT kLateCollectPeriodMs = 1000;

}  // namespace

void COverviewDlg::OnRefresh() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    BeginRefreshAll();
    // The next automatic refresh comes one full period after this one.
    if (m_nTimerID != 0) {
        m_nTimerID = SetTimer(m_nTimerID, m_settings.TimerPeriod().value_or(0));
    }
}

void COverviewDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == IDT_COLLECT) {
        CollectRefreshes();
    } else {
        BeginRefreshAll();
    }
}

void COverviewDlg::BeginRefreshAll() {
    const RefreshPool::Batch batch(*m_pool);
    for (const auto& client : m_clients) {
        // A client whose last refresh still runs is not asked again.
        client->session.Refresh(ClientSession::Cause::Timer);
    }
}

void COverviewDlg::OnSessionRefreshBegun(const ClientSession&) {
    SetCollectPeriod(kCollectPeriodMs);
}

bool COverviewDlg::RefreshesPending() const {
    return std::any_of(m_clients.begin(), m_clients.end(),
                       [](const auto& client) { return client->session.Pending(); });
}

void COverviewDlg::CollectRefreshes() {
    DeleteClosedWindows();
    m_pool->ReplaceStuckThreads();
    bool changed = false;
    for (const auto& client : m_clients) {
        changed = client->session.Collect() || changed;
    }
    ScheduleCollecting();
    if (changed) {
        ShowRows();
    }
}

void COverviewDlg::ScheduleCollecting() {
    std::optional<UINT> period;
    if (RefreshesPending()) {
        period = kCollectPeriodMs;
    } else if (std::any_of(m_clients.begin(), m_clients.end(),
                           [](const auto& client) { return client->session.Outstanding(); })) {
        period = kLateCollectPeriodMs;
    }
    SetCollectPeriod(period);
}

void COverviewDlg::SetCollectPeriod(std::optional<UINT> period) {
    if (period == m_collectPeriod) {
        return;
    }
    if (!period) {
        KillTimer(IDT_COLLECT);
    } else if (SetTimer(IDT_COLLECT, *period) == 0) {
        period.reset();
    }
    m_collectPeriod = period;
}

void COverviewDlg::OnSessionRefreshed(const ClientSession& session,
                                      const ClientSession::Report& report) {
    if (report.logged == ClientSession::UnitLog::Failed ||
        report.logged == ClientSession::UnitLog::NothingToLog) {
        m_strMessage.Format(Tr(Text::kExportFailedForFormat), session.Directory().GetString());
    }
}
