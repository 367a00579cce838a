#include "windows/settings_dlg.h"

#include <cstdlib>
#include <vector>

#include "platform/base/paths.h"
#include "platform/ui/cwinapp.h"
#include "platform/ui/file_dialog.h"
#include "res/resource.h"
#include "res/settings_keys.h"
#include "res/strings.h"
#include "res/templates.h"

namespace {

constexpr int kMaxPathChars = 254;
constexpr long kMinInterval = 1;
constexpr long kMaxInterval = 1440;  // minutes: one day

int Flag(int stored) {
    return stored != 0 ? 1 : 0;
}

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
    CWinApp* app = AfxGetApp();

    const int interval = app->GetProfileInt(SettingsKey::kTimer, SettingsKey::kInterval, 0);
    if (interval <= 0) {
        m_bAutoUpdate = 0;
        m_editInterval.EnableWindow(false);
        m_btnDiffExport.SetCheck(BST_UNCHECKED);
        m_btnDiffExport.EnableWindow(false);
    } else {
        m_bAutoUpdate = 1;
        m_editInterval.EnableWindow(true);
        CString text;
        text.Format("%d", interval);
        m_editInterval.SetWindowText(text);
        m_btnDiffExport.SetCheck(
            Flag(app->GetProfileInt(SettingsKey::kTimer, SettingsKey::kExportOnTimer, 0)));
        m_btnDiffExport.EnableWindow(true);
    }

    m_bSimpleEnable = Flag(app->GetProfileInt(SettingsKey::kSimple, SettingsKey::kEnable, 0));
    if (!m_bSimpleEnable) {
        m_btnTopMost.SetCheck(BST_UNCHECKED);
        m_btnTopMost.EnableWindow(false);
    } else {
        m_btnTopMost.EnableWindow(true);
        m_btnTopMost.SetCheck(
            Flag(app->GetProfileInt(SettingsKey::kSimple, SettingsKey::kTopMost, 0)));
    }

    // An empty path means the default file; the field stays empty rather than showing it.
    m_strPath = app->GetProfileString(SettingsKey::kExport, SettingsKey::kPath, "");

    // Stored values other than 0 and 1 come only from editing the store. The export takes a
    // layout value of exactly 1 as the new layout, so the box shows what the export will do.
    m_bLFCode = Flag(app->GetProfileInt(SettingsKey::kExport, SettingsKey::kLFCode, 1));
    m_bNoTitle = Flag(app->GetProfileInt(SettingsKey::kExport, SettingsKey::kNoTitle, 0));
    m_bNewFormat = app->GetProfileInt(SettingsKey::kExport, SettingsKey::kForm, 0) == 1 ? 1 : 0;
    m_bPlot = Flag(app->GetProfileInt(SettingsKey::kExport, SettingsKey::kPlot, 0));

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
                       Text::kCsvFileFilter, this);
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
    CWinApp* app = AfxGetApp();

    long interval = 0;
    int exportOnTimer = 0;
    if (m_bAutoUpdate) {
        interval = ParseInterval(m_editInterval.GetWindowText());
        if (interval < kMinInterval || interval > kMaxInterval) {
            MessageBox(Text::kIntervalOutOfRange, AfxGetAppName(), MB_OK);
            GotoDlgCtrl(&m_editInterval);
            return;
        }
        exportOnTimer = m_btnDiffExport.GetCheck() == BST_CHECKED ? 1 : 0;
    }
    const int topMost = (m_bSimpleEnable && m_btnTopMost.GetCheck() == BST_CHECKED) ? 1 : 0;
    const auto number = [](const char* section, const char* key, int value) {
        return SettingsStore::Change{section, key, value};
    };
    const std::vector<SettingsStore::Change> changes = {
        number(SettingsKey::kTimer, SettingsKey::kInterval, static_cast<int>(interval)),
        number(SettingsKey::kTimer, SettingsKey::kExportOnTimer, exportOnTimer),
        number(SettingsKey::kSimple, SettingsKey::kEnable, m_bSimpleEnable),
        number(SettingsKey::kSimple, SettingsKey::kTopMost, topMost),
        // An empty field deletes the entry, so the default path applies again.
        SettingsStore::Change{SettingsKey::kExport, SettingsKey::kPath, m_strPath.str(),
                              m_strPath.IsEmpty()},
        number(SettingsKey::kExport, SettingsKey::kLFCode, m_bLFCode),
        number(SettingsKey::kExport, SettingsKey::kNoTitle, m_bNoTitle),
        number(SettingsKey::kExport, SettingsKey::kForm, m_bNewFormat),
        number(SettingsKey::kExport, SettingsKey::kPlot, m_bPlot),
    };
    // All the settings land together or not at all. A store that can't be written (a folder of
    // another user's, a full disk) is said so, and the dialog stays open with what the user set.
    if (!app->WriteProfileEntries(changes)) {
        const CString where = app->GetProfilePath();
        CString message = Text::kSettingsNotSaved;
        if (!where.IsEmpty()) {
            message.Format(Text::kSettingsNotSavedFormat, where.GetString());
        }
        MessageBox(message.GetString(), AfxGetAppName(), MB_OK);
        return;
    }

    CDialog::OnOK();
}
