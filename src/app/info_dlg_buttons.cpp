// The two buttons that lead to the auxiliary windows.
#include "app/info_dlg.h"
#include "res/settings.h"
#include "windows/settings_dlg.h"

void CInfoDlg::OnSettings() {
    CSettingsDlg dlg(UserDataDirectory());
    if (dlg.DoModal() == IDOK) {
        LoadSettings();
    }
}

void CInfoDlg::OnSimpleView() {
    ShowWindow(SW_HIDE);
    if (m_pSimpleView) {
        m_pSimpleView->SetWindowPos(m_settings.m_bTopMost ? ZOrder::TopMost : ZOrder::NoTopMost, 0,
                                    0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    }
}
