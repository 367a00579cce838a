// The load of the client files and the refresh cycle on the button and the timer: the monitor
// loads, the window shows what it found and logs the unit the client has replaced.
#include "app/info_dlg.h"
#include "res/strings.h"

bool CInfoDlg::LoadAll() {
    return m_monitor.Start();
}

void CInfoDlg::OnRefresh() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    // The refresh button never exports.
    if (m_monitor.Refresh().outcome == ClientMonitor::Outcome::Failed) {
        MessageBox(Text::kInfoNotObtained, Text::kAppName, MB_OK);
    }
    UpdateDisplay();
    // The next automatic refresh comes one full period after this one.
    if (m_nTimerID != 0) {
        m_nTimerID = SetTimer(m_nTimerID, CurrentTimerPeriod().value_or(0));
    }
}

void CInfoDlg::OnTimer(UINT_PTR nIDEvent) {
    const ClientMonitor::RefreshResult result = m_monitor.Refresh();
    if (result.outcome == ClientMonitor::Outcome::Failed) {
        m_strMessage = Text::kInfoNotObtained;
        UpdateData(false);
    } else {
        UpdateDisplay();
        // One line per finished work unit: the last data seen of the unit just replaced.
        if (m_settings.m_bExportOnTimer && result.replaced &&
            !ExportCsv(result.replaced->time, result.replaced->wu, result.replaced->state, true)) {
            UpdateData(false);
        }
    }
    CDialog::OnTimer(nIDEvent);
}
