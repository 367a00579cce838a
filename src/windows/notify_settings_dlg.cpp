#include "windows/notify_settings_dlg.h"

#include <cstdlib>

#include "platform/ui/cwinapp.h"
#include "platform/ui/data_exchange.h"
#include "res/resource.h"
#include "res/settings.h"
#include "res/strings.h"
#include "res/templates.h"

CNotifySettingsDlg::CNotifySettingsDlg(CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_NOTIFY_SETTINGS), parent) {}

CNotifySettingsDlg::~CNotifySettingsDlg() = default;

void CNotifySettingsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_NOTIFY_STALLED, m_bStalled);
    DDX_Text(pDX, IDC_STALL_MINUTES, m_strStallMinutes);
    DDX_Check(pDX, IDC_NOTIFY_UNREACHABLE, m_bUnreachable);
    DDX_Check(pDX, IDC_NOTIFY_FINISHED, m_bFinished);
}

bool CNotifySettingsDlg::OnInitDialog() {
    const Settings settings = Settings::Load(*AfxGetApp());
    m_bStalled = settings.m_bNotifyStalled;
    m_bUnreachable = settings.m_bNotifyUnreachable;
    m_bFinished = settings.m_bNotifyFinished;
    m_strStallMinutes.Format("%d", settings.m_nStallMinutes);
    CDialog::OnInitDialog();
    return true;
}

void CNotifySettingsDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    const long minutes = std::strtol(m_strStallMinutes.GetString(), nullptr, 10);
    if (minutes < Settings::kStallMinutesMin || minutes > Settings::kStallMinutesMax) {
        CString message;
        message.Format(Tr(Text::kStallMinutesOutOfRangeFormat), Settings::kStallMinutesMin,
                       Settings::kStallMinutesMax);
        MessageBox(message.GetString(), AfxGetAppName(), MB_OK);
        if (CWnd* edit = GetDlgItem(IDC_STALL_MINUTES)) {
            GotoDlgCtrl(edit);
        }
        return;
    }
    Settings settings;
    settings.m_bNotifyStalled = m_bStalled != 0;
    settings.m_bNotifyUnreachable = m_bUnreachable != 0;
    settings.m_bNotifyFinished = m_bFinished != 0;
    settings.m_nStallMinutes = static_cast<int>(minutes);
    CWinApp& app = *AfxGetApp();
    if (!settings.SaveNotifications(app)) {
        MessageBox(SettingsNotSavedMessage(app).GetString(), AfxGetAppName(), MB_OK);
        return;
    }
    CDialog::OnOK();
}
