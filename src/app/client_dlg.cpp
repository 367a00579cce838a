#include "app/client_dlg.h"

#include "res/resource.h"

namespace {

// The main window's refresh timer, which the overview's timer replaces here.
constexpr UINT_PTR kOwnRefreshTimer = 1;

}  // namespace

CClientDlg::CClientDlg(ClientMonitor& monitor, CWnd* overview, Callbacks callbacks)
    : CInfoDlg(monitor, overview), m_callbacks(std::move(callbacks)) {}

const MessageMap* CClientDlg::GetThisMessageMap() {
    static const MessageMap map{CInfoDlg::GetThisMessageMap(),
                                {
                                    MapButtonClicked(IDC_REFRESH, &CClientDlg::OnRefreshClient),
                                    MapButtonClicked(IDC_SETTINGS, &CClientDlg::OnSettingsChanged),
                                    MapTimer(&CClientDlg::OnTimerIgnored),
                                    MapClose(&CClientDlg::OnCloseWindow),
                                }};
    return &map;
}

bool CClientDlg::OnInitDialog() {
    CInfoDlg::OnInitDialog();
    StopOwnTimer();
    return true;
}

void CClientDlg::StopOwnTimer() {
    KillTimer(kOwnRefreshTimer);
}

void CClientDlg::OnRefreshClient() {
    if (m_callbacks.refresh) {
        m_callbacks.refresh();
    }
}

void CClientDlg::OnSettingsChanged() {
    OnSettings();
    StopOwnTimer();
    if (m_callbacks.settingsChanged) {
        m_callbacks.settingsChanged();
    }
}

void CClientDlg::ShowOverviewRefresh(ClientMonitor::Outcome outcome, bool fromButton) {
    ShowRefresh(outcome, fromButton);
}

void CClientDlg::ReloadSettings() {
    LoadSettings();
    StopOwnTimer();
}

void CClientDlg::OnCloseWindow() {
    // Timer, simple view and the window itself, as the main window closes; the program goes on.
    OnClose();
    if (m_callbacks.closed) {
        m_callbacks.closed();
    }
}
