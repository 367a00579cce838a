#include "app/overview_dlg.h"

#include <algorithm>
#include <thread>

#include "app/unit_export.h"
#include "platform/base/paths.h"
#include "platform/ui/cwinapp.h"
#include "platform/ui/folder_dialog.h"
#include "res/resource.h"
#include "res/settings_keys.h"
#include "res/strings.h"
#include "res/templates.h"
#include "res/window_places.h"
#include "windows/history_dlg.h"
#include "windows/notify_settings_dlg.h"
#include "windows/settings_dlg.h"

namespace {

// Often enough that a row follows its refresh at once, while one may still come in time.
constexpr UINT kCollectPeriodMs = 100;
// While only refreshes past the bound are out: each row comes back within a second of its
// folder answering, without waking the program ten times a second for a dead mount.
constexpr UINT kLateCollectPeriodMs = 1000;

}  // namespace

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
            MapButtonClicked(IDC_OVERVIEW_NOTIFY, &COverviewDlg::OnNotifySettings),
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
    RestoreWindowPlace(*this, *AfxGetApp(), SettingsKey::kOverviewWindow);
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
    m_alerts.UseSettings(m_settings);
    // Here every refresh of a client logs the unit it saw replaced, its window's button too.
    for (const auto& client : m_clients) {
        client->session.SetLogRule(UnitLogRule(m_settings, true));
        m_alerts.Watch(client->session);
    }
    ScheduleWatch();
}

void COverviewDlg::ScheduleWatch() {
    const std::optional<UINT> period = m_settings.TimerPeriod();
    if (m_alerts.Wanted() && (!period || *period > AlertCenter::kWatchPeriodMs)) {
        SetTimer(IDT_WATCH, AlertCenter::kWatchPeriodMs);
    } else {
        KillTimer(IDT_WATCH);
    }
}

OverviewClient& COverviewDlg::AddClient(const CString& folder) {
    m_clients.push_back(std::make_unique<OverviewClient>(folder, *m_pool, m_options.reader));
    ClientSession& session = m_clients.back()->session;
    session.SetLogRule(UnitLogRule(m_settings, true));
    m_alerts.Watch(session);
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

void COverviewDlg::OnNotifySettings() {
    CNotifySettingsDlg dlg(this);
    if (dlg.DoModal() == IDOK) {
        SettingsChanged();
    }
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
    KillTimer(IDT_WATCH);
    for (const auto& client : m_clients) {
        client->window.reset();
    }
    KeepWindowPlace(*this, *AfxGetApp(), SettingsKey::kOverviewWindow);
    CDialog::OnOK();
}

// The refreshes: started on the timer or the refresh button, run on the pool's threads, and
// taken in on a collecting timer while any is under way.

void COverviewDlg::OnRefresh() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    BeginRefreshAll();
    // The next automatic refresh comes one full period after this one.
    if (m_nTimerID != 0) {
        m_nTimerID = SetTimer(m_nTimerID, m_settings.TimerPeriod().value_or(0));
    }
}

void COverviewDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == IDT_COLLECT) {
        CollectRefreshes();
    } else {
        BeginRefreshAll();
    }
}

void COverviewDlg::BeginRefreshAll() {
    const RefreshPool::Batch batch(*m_pool);
    for (const auto& client : m_clients) {
        // A client whose last refresh still runs is not asked again.
        client->session.Refresh(ClientSession::Cause::Timer);
    }
}

void COverviewDlg::OnSessionRefreshBegun(const ClientSession&) {
    SetCollectPeriod(kCollectPeriodMs);
}

bool COverviewDlg::RefreshesPending() const {
    return std::any_of(m_clients.begin(), m_clients.end(),
                       [](const auto& client) { return client->session.Pending(); });
}

void COverviewDlg::CollectRefreshes() {
    DeleteClosedWindows();
    m_pool->ReplaceStuckThreads();
    bool changed = false;
    for (const auto& client : m_clients) {
        changed = client->session.Collect() || changed;
        m_alerts.Take(client->session);
    }
    m_alerts.Flush();
    ScheduleCollecting();
    if (changed) {
        ShowRows();
    }
}

void COverviewDlg::ScheduleCollecting() {
    std::optional<UINT> period;
    if (RefreshesPending()) {
        period = kCollectPeriodMs;
    } else if (std::any_of(m_clients.begin(), m_clients.end(),
                           [](const auto& client) { return client->session.Outstanding(); })) {
        period = kLateCollectPeriodMs;
    }
    SetCollectPeriod(period);
}

void COverviewDlg::SetCollectPeriod(std::optional<UINT> period) {
    if (period == m_collectPeriod) {
        return;
    }
    if (!period) {
        KillTimer(IDT_COLLECT);
    } else if (SetTimer(IDT_COLLECT, *period) == 0) {
        period.reset();
    }
    m_collectPeriod = period;
}

void COverviewDlg::OnSessionRefreshed(const ClientSession& session,
                                      const ClientSession::Report& report) {
    if (report.logged == ClientSession::UnitLog::Failed ||
        report.logged == ClientSession::UnitLog::NothingToLog) {
        m_strMessage.Format(Tr(Text::kExportFailedForFormat), session.Directory().GetString());
    }
}

// The rows, and what a click on them does.

void COverviewDlg::ShowRows() {
    OverviewClient* selected = SelectedClient();
    m_table.Rebuild(m_clients);
    const int rows = m_table.RowCount();
    while (m_listClients.GetItemCount() > rows) {
        m_listClients.DeleteItem(m_listClients.GetItemCount() - 1);
    }
    while (m_listClients.GetItemCount() < rows) {
        m_listClients.InsertItem(m_listClients.GetItemCount(), "");
    }
    int selectedRow = -1;
    for (int row = 0; row < rows; ++row) {
        const OverviewClient* client = m_table.ClientAt(row);
        const OverviewRow& shown = client->row;
        for (int column = 0; column < kOverviewColumnCount; ++column) {
            const CString& text = shown.texts[static_cast<size_t>(column)];
            if (m_listClients.GetItemText(row, column) != text) {
                m_listClients.SetItemText(row, column, text.GetString());
            }
        }
        // The whole folder where its column shows it shortened.
        const CString folderTip =
            shown.texts[kFolderColumn] == shown.folder ? CString() : shown.folder;
        if (m_listClients.GetItemToolTip(row, kFolderColumn) != folderTip) {
            m_listClients.SetItemToolTip(row, kFolderColumn, folderTip);
        }
        if (m_listClients.GetItemProgress(row, kProgressColumn) != shown.progressPercent) {
            m_listClients.SetItemProgress(row, kProgressColumn, shown.progressPercent);
        }
        if (client == selected) {
            selectedRow = row;
        }
    }
    m_listClients.SetSelectedItem(selectedRow);
    // Fitting a column measures every text in it: only when its longest text changed.
    for (int column = 0; column < kOverviewColumnCount; ++column) {
        if (m_table.WidestChanged(column)) {
            m_listClients.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
        }
    }
    if (CWnd* remove = GetDlgItem(IDC_REMOVE_CLIENT)) {
        remove->EnableWindow(selectedRow >= 0);
    }
    // No client: how to add one, unless something else is being said.
    if (m_clients.empty() && m_strMessage.IsEmpty()) {
        m_strMessage = Tr(Text::kOverviewNoClients);
    }
    UpdateData(false);
}

OverviewClient* COverviewDlg::SelectedClient() const {
    return m_table.ClientAt(m_listClients.GetSelectedItem());
}

CClientDlg* COverviewDlg::ClientWindow(int row) const {
    const OverviewClient* client = m_table.ClientAt(row);
    return client && !client->windowClosed ? client->window.get() : nullptr;
}

void COverviewDlg::OnColumnClickClients(NMLISTVIEW* pNMListView, LRESULT* pResult) {
    m_table.SortBy(pNMListView->iSubItem);
    m_listClients.SetSortIndicator(m_table.SortColumn(), m_table.SortAscending());
    ShowRows();
    *pResult = 0;
}

void COverviewDlg::OnItemChangedClients(NMLISTVIEW*, LRESULT* pResult) {
    if (CWnd* remove = GetDlgItem(IDC_REMOVE_CLIENT)) {
        remove->EnableWindow(SelectedClient() != nullptr);
    }
    *pResult = 0;
}

void COverviewDlg::OnDblClkClients(NMLISTVIEW* pNMListView, LRESULT* pResult) {
    *pResult = 0;
    DeleteClosedWindows();
    OverviewClient* const clicked = m_table.ClientAt(pNMListView->iItem);
    if (!clicked) {
        return;
    }
    OverviewClient& client = *clicked;
    // The window reads the overview's copy of the client: without a first load there is none,
    // and the window must not read the folder itself on this thread.
    if (!client.session.Loaded()) {
        m_strMessage = Tr(Text::kClientStillLoading);
        UpdateData(false);
        return;
    }
    OpenClientWindow(client);
}

void COverviewDlg::OpenClientWindow(OverviewClient& client) {
    if (client.window) {
        client.window->ShowWindow(SW_SHOWNORMAL);
        return;
    }
    OverviewClient* const which = &client;
    CClientDlg::Callbacks callbacks;
    callbacks.settingsChanged = [this] { SettingsChanged(); };
    callbacks.closed = [which] { which->windowClosed = true; };
    client.window = std::make_unique<CClientDlg>(client.session, this, std::move(callbacks));
    client.window->Create(this);
    client.window->ShowWindow(SW_SHOWNORMAL);
}

void COverviewDlg::RaiseClient(const CString& folder) {
    DeleteClosedWindows();
    for (const auto& client : m_clients) {
        if (client->session.Directory() == folder && client->session.Loaded()) {
            OpenClientWindow(*client);
            return;
        }
    }
}

void COverviewDlg::DeleteClosedWindows() {
    for (const auto& client : m_clients) {
        if (client->windowClosed) {
            client->window.reset();
            client->windowClosed = false;
        }
    }
}
