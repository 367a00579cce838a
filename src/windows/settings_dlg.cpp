#include "windows/settings_dlg.h"

#include <cstdlib>

#include "platform/base/paths.h"
#include "platform/ui/cwinapp.h"
#include "platform/ui/file_dialog.h"
#include "res/resource.h"
#include "res/settings.h"
#include "res/strings.h"
#include "res/templates.h"

namespace {

constexpr int kMaxPathChars = 254;
constexpr long kMinInterval = 1;
constexpr long kMaxInterval = 1440;  // minutes: one day

// The interval text as atoi reads it (leading blanks, a sign, then digits; 0 when none), but
// through strtol so that an overlong number saturates instead of being undefined; it is then
// refused as out of range like any other.
long ParseInterval(const CString& text) {
    return std::strtol(text.GetString(), nullptr, 10);
}

}  // namespace

CSettingsDlg::CSettingsDlg(const CString& browseDir, CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_SETTINGS), parent), m_strBrowseDir(browseDir) {}

CSettingsDlg::~CSettingsDlg() = default;

const MessageMap* CSettingsDlg::GetThisMessageMap() {
    static const MessageMap map{
        CDialog::GetThisMessageMap(),
        {
            MapButtonClicked(IDC_AUTOUPDATE, &CSettingsDlg::OnAutoUpdateClicked),
            MapButtonClicked(IDC_BROWSE, &CSettingsDlg::OnBrowse),
            MapButtonClicked(IDC_SIMPLEENABLE, &CSettingsDlg::OnSimpleEnableClicked),
        }};
    return &map;
}

void CSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TOPMOST, m_btnTopMost);
    DDX_Control(pDX, IDC_DIFFEXPORT, m_btnDiffExport);
    DDX_Control(pDX, IDC_INTERVAL, m_editInterval);
    DDX_Text(pDX, IDC_PATH, m_strPath);
    DDV_MaxChars(pDX, m_strPath, kMaxPathChars);
    DDX_Check(pDX, IDC_AUTOUPDATE, m_bAutoUpdate);
    DDX_Check(pDX, IDC_LFCODE, m_bLFCode);
    DDX_Check(pDX, IDC_NOTITLE, m_bNoTitle);
    DDX_Check(pDX, IDC_SIMPLEENABLE, m_bSimpleEnable);
    DDX_Check(pDX, IDC_NEWFORMAT, m_bNewFormat);
    DDX_Check(pDX, IDC_PLOT, m_bPlot);
}

bool CSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const Settings settings = Settings::Load(*AfxGetApp());

    if (settings.m_nInterval <= 0) {
        m_bAutoUpdate = 0;
        m_editInterval.EnableWindow(false);
        m_btnDiffExport.SetCheck(BST_UNCHECKED);
        m_btnDiffExport.EnableWindow(false);
    } else {
        m_bAutoUpdate = 1;
        m_editInterval.EnableWindow(true);
        CString text;
        text.Format("%d", settings.m_nInterval);
        m_editInterval.SetWindowText(text);
        m_btnDiffExport.SetCheck(settings.m_bExportOnTimer ? BST_CHECKED : BST_UNCHECKED);
        m_btnDiffExport.EnableWindow(true);
    }

    m_bSimpleEnable = settings.m_bSimpleEnable ? 1 : 0;
    m_btnTopMost.SetCheck(settings.m_bTopMost ? BST_CHECKED : BST_UNCHECKED);
    m_btnTopMost.EnableWindow(settings.m_bSimpleEnable);

    // An empty path means the default file; the field stays empty rather than showing it.
    m_strPath = settings.m_strPath;

    // Stored values other than 0 and 1 come only from editing the store. The export takes a
    // layout value of exactly 1 as the new layout, so the box shows what the export will do.
    m_bLFCode = settings.m_bLFCode ? 1 : 0;
    m_bNoTitle = settings.m_bNoTitle ? 1 : 0;
    m_bNewFormat = settings.m_nForm == 1 ? 1 : 0;
    m_bPlot = settings.m_bPlot ? 1 : 0;

    UpdateData(false);
    return true;
}

void CSettingsDlg::OnAutoUpdateClicked() {
    UpdateData(true);
    m_editInterval.EnableWindow(m_bAutoUpdate != 0);
    m_btnDiffExport.EnableWindow(m_bAutoUpdate != 0);
    UpdateData(false);
}

void CSettingsDlg::OnSimpleEnableClicked() {
    UpdateData(true);
    m_btnTopMost.EnableWindow(m_bSimpleEnable != 0);
    UpdateData(false);
}

void CSettingsDlg::OnBrowse() {
    CFileDialog dialog(true, "csv", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       Tr(Text::kCsvFileFilter), this);
    // The file chooser opens only a folder that exists.
    if (!m_strBrowseDir.IsEmpty()) {
        MakeDirectories(m_strBrowseDir);
    }
    dialog.m_ofn.initialDir = m_strBrowseDir;
    if (dialog.DoModal() != IDOK) {
        return;
    }
    // Only the path field changes; whatever else the user has set stays on screen.
    if (CWnd* path = GetDlgItem(IDC_PATH)) {
        path->SetWindowText(dialog.GetPathName());
    }
}

void CSettingsDlg::OnOK() {
    if (!UpdateData(true)) {
        return;  // the exchange has shown its message
    }
    Settings settings;
    if (m_bAutoUpdate) {
        const long interval = ParseInterval(m_editInterval.GetWindowText());
        if (interval < kMinInterval || interval > kMaxInterval) {
            MessageBox(Tr(Text::kIntervalOutOfRange), AfxGetAppName(), MB_OK);
            GotoDlgCtrl(&m_editInterval);
            return;
        }
        settings.m_nInterval = static_cast<int>(interval);
        settings.m_bExportOnTimer = m_btnDiffExport.GetCheck() == BST_CHECKED;
    }
    settings.m_bSimpleEnable = m_bSimpleEnable != 0;
    settings.m_bTopMost = m_bSimpleEnable && m_btnTopMost.GetCheck() == BST_CHECKED;
    // An empty field deletes the entry, so the default path applies again.
    settings.m_strPath = m_strPath;
    settings.m_bLFCode = m_bLFCode != 0;
    settings.m_bNoTitle = m_bNoTitle != 0;
    settings.m_nForm = m_bNewFormat;
    settings.m_bPlot = m_bPlot != 0;
    // All the settings land together or not at all. A store that can't be written (a folder of
    // another user's, a full disk) is said so, and the dialog stays open with what the user set.
    CWinApp& app = *AfxGetApp();
    if (!settings.Save(app)) {
        MessageBox(SettingsNotSavedMessage(app).GetString(), AfxGetAppName(), MB_OK);
        return;
    }

    CDialog::OnOK();
}
