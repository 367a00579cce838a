#include "app/overview_dlg.h"

#include <algorithm>
#include <thread>

#include "app/unit_export.h"
#include "platform/base/paths.h"
#include "platform/ui/cwinapp.h"
#include "platform/ui/folder_dialog.h"
#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"
#include "windows/history_dlg.h"
#include "windows/settings_dlg.h"

unsigned DefaultRefreshThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 2u, 8u);
}

COverviewDlg::COverviewDlg(std::vector<CString> folders, bool keepInSettings, Options options,
                           CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_OVERVIEW), parent),
      m_options(std::move(options)),
      m_bKeepInSettings(keepInSettings),
      m_initialFolders(std::move(folders)),
      m_pool(std::make_unique<RefreshPool>(m_options.threads, m_options.bound)) {}

COverviewDlg::~COverviewDlg() {
    // The clients' windows before the list they were opened from.
    for (const auto& client : m_clients) {
        client->window.reset();
    }
}

const MessageMap* COverviewDlg::GetThisMessageMap() {
    static const MessageMap map{
        CDialog::GetThisMessageMap(),
        {
            MapButtonClicked(IDC_ADD_CLIENT, &COverviewDlg::OnAddClient),
            MapButtonClicked(IDC_REMOVE_CLIENT, &COverviewDlg::OnRemoveClient),
            MapButtonClicked(IDC_REFRESH, &COverviewDlg::OnRefresh),
            MapButtonClicked(IDC_SETTINGS, &COverviewDlg::OnSettings),
            MapButtonClicked(IDC_OVERVIEW_HISTORY, &COverviewDlg::OnHistory),
            MapTimer(&COverviewDlg::OnTimer),
            MapClose(&COverviewDlg::OnClose),
            MapNotify(LVN_COLUMNCLICK, IDC_CLIENTS, &COverviewDlg::OnColumnClickClients),
            MapNotify(LVN_ITEMCHANGED, IDC_CLIENTS, &COverviewDlg::OnItemChangedClients),
            MapNotify(NM_DBLCLK, IDC_CLIENTS, &COverviewDlg::OnDblClkClients),
        }};
    return &map;
}

void COverviewDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CLIENTS, m_listClients);
    DDX_Text(pDX, IDC_MESSAGE, m_strMessage);
}

bool COverviewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(LoadIconResource(IDR_MAINFRAME), true);
    SetIcon(LoadIconResource(IDR_MAINFRAME), false);
    const std::vector<const char*> headings = OverviewColumnHeadings();
    for (size_t column = 0; column < headings.size(); ++column) {
        const bool number =
            column != kFolderColumn && column != kWorkUnitColumn && column != kStatusColumn;
        m_listClients.InsertColumn(static_cast<int>(column), headings[column],
                                   number ? LVCFMT_RIGHT : LVCFMT_LEFT);
    }
    LoadSettings();
    for (const CString& folder : m_initialFolders) {
        AddClient(folder);
    }
    BeginRefreshAll();
    ShowRows();
    return true;
}

void COverviewDlg::LoadSettings() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    m_settings = Settings::Load(*AfxGetApp());
    const std::optional<UINT> period = m_settings.TimerPeriod();
    m_nTimerID = period ? SetTimer(IDT_REFRESH, *period) : 0;
    // Here every refresh of a client logs the unit it saw replaced, its window's button too.
    for (const auto& client : m_clients) {
        client->session.SetLogRule(UnitLogRule(m_settings, true));
    }
}

OverviewClient& COverviewDlg::AddClient(const CString& folder) {
    m_clients.push_back(std::make_unique<OverviewClient>(folder, *m_pool, m_options.reader));
    ClientSession& session = m_clients.back()->session;
    session.SetLogRule(UnitLogRule(m_settings, true));
    session.AddObserver(this);
    return *m_clients.back();
}

void COverviewDlg::KeepFolder(const CString& folder, bool kept) {
    if (!m_bKeepInSettings) {
        return;
    }
    // Another overview may have changed the list meanwhile: only this change is applied to it.
    const bool saved = kept ? AddKeptClientFolder(*AfxGetApp(), folder)
                            : RemoveKeptClientFolder(*AfxGetApp(), folder);
    if (!saved) {
        m_strMessage = Tr(Text::kClientFoldersNotSaved);
    }
}

void COverviewDlg::OnAddClient() {
    CFolderPickerDialog dlg(nullptr, this);
    dlg.m_strTitle = Tr(Text::kChooseClientFolder);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    m_strMessage.Empty();
    const std::optional<CString> folder = ResolvedDirectory(dlg.GetPathName());
    const bool listed =
        folder && std::any_of(m_clients.begin(), m_clients.end(), [&](const auto& client) {
            return client->session.Directory() == *folder;
        });
    if (!folder || listed) {
        // The same folder twice would be refreshed, and its units logged, twice.
        m_strMessage = folder ? Tr(Text::kFolderAlreadyListed) : Tr(Text::kNotAFolder);
    } else {
        AddClient(*folder).session.Refresh(ClientSession::Cause::Timer);
        KeepFolder(*folder, true);
    }
    ShowRows();
}

void COverviewDlg::OnRemoveClient() {
    OverviewClient* selected = SelectedClient();
    if (!selected) {
        return;
    }
    m_strMessage.Empty();
    const CString folder = selected->session.Directory();
    // A refresh still running keeps what it needs and ends alone.
    m_clients.erase(std::find_if(m_clients.begin(), m_clients.end(),
                                 [&](const auto& client) { return client.get() == selected; }));
    m_listClients.SetSelectedItem(-1);
    KeepFolder(folder, false);
    ShowRows();
}

void COverviewDlg::OnSettings() {
    CSettingsDlg dlg(UserDataDirectory());
    if (dlg.DoModal() == IDOK) {
        SettingsChanged();
    }
}

void COverviewDlg::OnHistory() {
    // Every client logs into the one CSV log of the settings.
    RunHistoryWindow(m_settings.ExportPath(), this);
}

void COverviewDlg::SettingsChanged() {
    LoadSettings();
    for (const auto& client : m_clients) {
        if (client->window && !client->windowClosed) {
            client->window->ReloadSettings();
        }
    }
}

void COverviewDlg::OnClose() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    SetCollectPeriod(std::nullopt);
    for (const auto& client : m_clients) {
        client->window.reset();
    }
    CDialog::OnOK();
}
