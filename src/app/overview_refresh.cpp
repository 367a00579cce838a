// The overview's refreshes: started on the timer or the refresh button, run on the pool's
// threads, and taken in on a short collecting timer while any is under way.
#include "app/overview_dlg.h"
#include "app/unit_export.h"
#include "res/strings.h"

namespace {

constexpr UINT_PTR kCollectTimerId = 2;
// Often enough that a row follows its refresh at once; the timer runs only while refreshes do.
constexpr UINT kCollectPeriodMs = 100;

ClientStatus StatusOf(const RefreshReport& report) {
    const bool finished = report.monitor.WorkUnit().type == "result";
    switch (report.outcome) {
        case ClientMonitor::Outcome::Refreshed:
            return finished ? ClientStatus::Finished : ClientStatus::Running;
        case ClientMonitor::Outcome::StateMissing:
            return finished ? ClientStatus::Finished : ClientStatus::Unreadable;
        case ClientMonitor::Outcome::Failed:
            break;
    }
    return report.noClientFiles ? ClientStatus::NoClientFiles : ClientStatus::Unreadable;
}

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
    if (nIDEvent == kCollectTimerId) {
        CollectRefreshes();
    } else {
        BeginRefreshAll();
    }
}

void COverviewDlg::BeginRefreshAll() {
    const RefreshPool::Batch batch(*m_pool);
    for (const auto& client : m_clients) {
        BeginRefresh(*client, false);
    }
}

void COverviewDlg::BeginRefresh(OverviewClient& client, bool fromButton) {
    ClientRefresher::ExportReplaced exportReplaced;
    if (m_settings.m_bExportOnTimer) {
        exportReplaced = [settings = m_settings](const UnitLoad& unit) {
            return ExportFinishedUnit(settings, unit);
        };
    }
    // A client whose last refresh still runs is not asked again.
    if (client.refresher.Begin(*m_pool, std::move(exportReplaced), fromButton) && !m_bCollecting) {
        m_bCollecting = SetTimer(kCollectTimerId, kCollectPeriodMs) != 0;
    }
}

bool COverviewDlg::RefreshesPending() const {
    for (const auto& client : m_clients) {
        const auto running = client->refresher.RunningFor();
        if (running && *running <= m_options.bound) {
            return true;
        }
    }
    return false;
}

void COverviewDlg::CollectRefreshes() {
    DeleteClosedWindows();
    m_pool->ReplaceStuckThreads();
    for (const auto& client : m_clients) {
        if (std::optional<RefreshReport> report = client->refresher.TakeFinished()) {
            TakeReport(*client, std::move(*report));
        }
        const auto running = client->refresher.RunningFor();
        if (running && *running > m_options.bound) {
            client->status = ClientStatus::NotResponding;
        }
    }
    // Refreshes past the bound are looked for again at the next refresh, not every moment.
    if (!RefreshesPending() && m_bCollecting) {
        KillTimer(kCollectTimerId);
        m_bCollecting = false;
    }
    ShowRows();
}

void COverviewDlg::TakeReport(OverviewClient& client, RefreshReport report) {
    client.status = StatusOf(report);
    if (client.shown) {
        *client.shown = std::move(report.monitor);
    } else {
        client.shown = std::make_unique<ClientMonitor>(std::move(report.monitor));
    }
    if (report.exportFailed) {
        m_strMessage.Format(Text::kExportFailedForFormat, client.folder.GetString());
    }
    if (client.window && !client.windowClosed) {
        client.window->ShowOverviewRefresh(report.outcome, report.fromButton);
    }
}
