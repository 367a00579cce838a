#include "app/client_dlg.h"

#include "res/resource.h"
#include "res/strings.h"

CClientDlg::CClientDlg(ClientSession& session, CWnd* overview, Callbacks callbacks)
    : CInfoDlg(session, overview), m_callbacks(std::move(callbacks)) {}

const MessageMap* CClientDlg::GetThisMessageMap() {
    static const MessageMap map{CInfoDlg::GetThisMessageMap(),
                                {
                                    MapButtonClicked(IDC_SETTINGS, &CClientDlg::OnSettingsChanged),
                                    MapClose(&CClientDlg::OnCloseWindow),
                                }};
    return &map;
}

bool CClientDlg::OnInitDialog() {
    CInfoDlg::OnInitDialog();
    // Opened on a client the last refresh could not read: its old load is not shown as live.
    ShowWhetherRead();
    return true;
}

void CClientDlg::ShowWhetherRead() {
    const ClientSession& session = Session();
    if (session.Condition().status == ClientStatus::NotResponding ||
        session.LastOutcome() == ClientMonitor::Outcome::Failed) {
        ShowMessage(Tr(Text::kInfoNotObtained));
    }
}

void CClientDlg::OnSessionStatusChanged(const ClientSession&) {
    ShowWhetherRead();
}

void CClientDlg::OnSettingsChanged() {
    OnSettings();
    if (m_callbacks.settingsChanged) {
        m_callbacks.settingsChanged();
    }
}

void CClientDlg::OnCloseWindow() {
    // Simple view and the window itself, as the main window closes; the program goes on.
    OnClose();
    if (m_callbacks.closed) {
        m_callbacks.closed();
    }
}
