// The load of the client files and the refresh cycle on the button and the timer: the session
// loads and decides what to log, the window shows what each refresh came to.
#include "app/info_dlg.h"
#include "res/strings.h"

bool CInfoDlg::LoadAll() {
    return m_session.Start();
}

void CInfoDlg::OnRefresh() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    m_session.Refresh(ClientSession::Cause::Button);
    // The next automatic refresh comes one full period after this one.
    if (m_nTimerID != 0) {
        m_nTimerID = SetTimer(m_nTimerID, CurrentTimerPeriod().value_or(0));
    }
}

void CInfoDlg::OnTimer(UINT_PTR nIDEvent) {
    m_session.Refresh(ClientSession::Cause::Timer);
    CDialog::OnTimer(nIDEvent);
}

void CInfoDlg::OnSessionRefreshed(const ClientSession&, const ClientSession::Report& report) {
    const bool fromButton = report.cause == ClientSession::Cause::Button;
    if (!ShowRefresh(report.outcome, fromButton)) {
        return;
    }
    // The line of the unit just replaced could not be written: the message line says so.
    if (report.logged == ClientSession::UnitLog::NothingToLog) {
        ShowMessage(Tr(Text::kNothingToExport));
    } else if (report.logged == ClientSession::UnitLog::Failed) {
        ShowMessage(Tr(Text::kExportFailed));
    }
}

bool CInfoDlg::ShowRefresh(ClientMonitor::Outcome outcome, bool fromButton) {
    if (outcome != ClientMonitor::Outcome::Failed) {
        UpdateDisplay();
        return true;
    }
    // The previous load is kept: a button hears of it in a box over the pages rebuilt from it,
    // an unattended refresh in the message line over the pages as they were.
    if (fromButton) {
        MessageBox(Tr(Text::kInfoNotObtained), Text::kAppName, MB_OK);
        UpdateDisplay();
    } else {
        ShowMessage(Tr(Text::kInfoNotObtained));
    }
    return false;
}

void CInfoDlg::ShowMessage(const char* text) {
    m_strMessage = text;
    UpdateData(false);
}
