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
    ShowRefresh(m_monitor.Refresh().outcome, true);
    // The next automatic refresh comes one full period after this one.
    if (m_nTimerID != 0) {
        m_nTimerID = SetTimer(m_nTimerID, CurrentTimerPeriod().value_or(0));
    }
}

void CInfoDlg::OnTimer(UINT_PTR nIDEvent) {
    const ClientMonitor::RefreshResult result = m_monitor.Refresh();
    // One line per finished work unit: the last data seen of the unit just replaced.
    if (ShowRefresh(result.outcome, false) && m_settings.m_bExportOnTimer && result.replaced &&
        !ExportCsv(result.replaced->time, result.replaced->wu, result.replaced->state, true)) {
        UpdateData(false);
    }
    CDialog::OnTimer(nIDEvent);
}

bool CInfoDlg::ShowRefresh(ClientMonitor::Outcome outcome, bool fromButton) {
    if (outcome != ClientMonitor::Outcome::Failed) {
        UpdateDisplay();
        return true;
    }
    // The previous load is kept: a button hears of it in a box over the pages rebuilt from it,
    // an unattended refresh in the message line over the pages as they were.
    if (fromButton) {
        MessageBox(Text::kInfoNotObtained, Text::kAppName, MB_OK);
        UpdateDisplay();
    } else {
        m_strMessage = Text::kInfoNotObtained;
        UpdateData(false);
    }
    return false;
}
