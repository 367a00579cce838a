#include "app/info_dlg.h"

#include <vector>

#include <utility>

#include "app/about_dlg.h"
#include "app/main_tabs.h"
#include "app/main_window_texts.h"
#include "app/unit_export.h"
#include "export/plot_export.h"
#include "pages/analysis_page.h"
#include "pages/user_tab_caption.h"
#include "platform/ui/cwinapp.h"
#include "res/resource.h"
#include "res/settings.h"
#include "res/strings.h"
#include "res/templates.h"
#include "windows/history_dlg.h"
#include "windows/notify_settings_dlg.h"
#include "windows/settings_dlg.h"

CInfoDlg::CInfoDlg(ClientSession& session, CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_VANTREL_DIALOG), parent),
      m_session(session),
      m_monitor(session.Monitor()),
      m_hIcon(LoadIconResource(IDR_MAINFRAME)),
      m_texts({m_strLastUpdate, m_strMessage, m_strHeader, m_strLabels, m_strValues}),
      m_watch(session.Directory(), [this](const CString&) {
          ShowWindow(SW_SHOWNORMAL);
          SetWindowPos(ZOrder::Top, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      }) {
    m_session.AddObserver(this);
}

CInfoDlg::~CInfoDlg() {
    m_session.RemoveObserver(this);
}

const MessageMap* CInfoDlg::GetThisMessageMap() {
    static const MessageMap map{CDialog::GetThisMessageMap(),
                                {
                                    MapSysCommand(&CInfoDlg::OnSysCommand),
                                    MapPaint(&CInfoDlg::OnPaint),
                                    MapQueryDragIcon(&CInfoDlg::OnQueryDragIcon),
                                    MapButtonClicked(IDC_REFRESH, &CInfoDlg::OnRefresh),
                                    MapButtonClicked(IDC_EXPORT, &CInfoDlg::OnExport),
                                    MapButtonClicked(IDC_SETTINGS, &CInfoDlg::OnSettings),
                                    MapButtonClicked(IDC_SIMPLE, &CInfoDlg::OnSimpleView),
                                    MapTimer(&CInfoDlg::OnTimer),
                                    MapClose(&CInfoDlg::OnClose),
                                    MapNotify(TCN_SELCHANGE, IDC_TAB, &CInfoDlg::OnSelchangeTab),
                                }};
    return &map;
}

void CInfoDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRAPH, m_wndGraph);
    DDX_Control(pDX, IDC_TAB, m_tab);
    DDX_Control(pDX, IDC_SIMPLE, m_btnSimple);
    DDX_Text(pDX, IDC_MESSAGE, m_strMessage);
    DDX_Text(pDX, IDC_LASTUPDATE, m_strLastUpdate);
    DDX_Text(pDX, IDC_HEADER, m_strHeader);
    DDX_Text(pDX, IDC_LABELS, m_strLabels);
    DDX_Text(pDX, IDC_VALUES, m_strValues);
}

bool CInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // The About item, and beside it the history of the units this window has logged and, where
    // the window watches its client alone, the notifications' settings (the overview has a
    // button for those of its clients).
    std::vector<std::pair<UINT, int>> items{{IDM_ABOUTBOX, IDS_ABOUTBOX},
                                            {IDM_HISTORY, IDS_HISTORY}};
    if (!m_session.DrivenByPool()) {
        items.emplace_back(IDM_NOTIFY_SETTINGS, IDS_NOTIFY_SETTINGS);
    }
    for (const auto& [command, text] : items) {
        const CString item = LoadStringResource(text);
        if (!item.IsEmpty() && GetNativeDialog()) {
            GetNativeDialog()->AppendSystemMenuItem(command, item);
        }
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    m_pSimpleView = std::make_unique<CSimpleViewDlg>(this);
    m_pSimpleView->Create(this);

    m_nTimerID = 0;
    LoadSettings();

    WINDOWPLACEMENT placement;
    if (CWnd* values = GetDlgItem(IDC_VALUES); values && values->GetWindowPlacement(&placement)) {
        m_sizeValues =
            CSize{placement.rcNormalPosition.Width(), placement.rcNormalPosition.Height()};
    }

    LoadAll();

    m_tab.InsertItem(kWorkUnitTab, Tr(Text::kTabWorkUnit));
    m_tab.InsertItem(kObservationTab, Tr(Text::kTabObservation));
    m_tab.InsertItem(kAnalysisTab, Tr(Text::kTabAnalysis));
    m_tab.InsertItem(kProgressTab, Tr(Text::kTabProgress));
    m_strUserTab = BuildUserTabCaption(m_monitor.User());
    m_tab.InsertItem(kUserTab, m_strUserTab.GetString());

    // An index the tab control refuses leaves the first tab selected.
    m_tab.SetCurSel(m_settings.m_nTab);

    UpdateDisplay();
    return true;
}

void CInfoDlg::LoadSettings() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    m_settings = Settings::Load(*AfxGetApp());
    m_btnSimple.EnableWindow(m_settings.m_bSimpleEnable);
    m_strExportPath = m_settings.ExportPath();
    // A session the overview refreshes follows the overview's timer and settings.
    if (m_session.DrivenByPool()) {
        return;
    }
    if (m_watch.UseSettings(m_settings)) {
        SetTimer(IDT_WATCH, AlertCenter::kWatchPeriodMs);
    } else {
        KillTimer(IDT_WATCH);
    }
    // The refresh button never logs.
    m_session.SetLogRule(UnitLogRule(m_settings, false));
    const std::optional<UINT> period = CurrentTimerPeriod();
    m_nTimerID = period ? SetTimer(IDT_REFRESH, *period) : 0;
}

std::optional<UINT> CInfoDlg::CurrentTimerPeriod() const {
    return m_settings.TimerPeriod();
}

void CInfoDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & kSysCommandMask) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else if ((nID & kSysCommandMask) == IDM_HISTORY) {
        RunHistoryWindow(m_strExportPath, this);
    } else if ((nID & kSysCommandMask) == IDM_NOTIFY_SETTINGS) {
        CNotifySettingsDlg dlg(this);
        if (dlg.DoModal() == IDOK) {
            LoadSettings();
        }
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CInfoDlg::OnPaint() {
    // A minimised window shows m_hIcon, which the window manager draws from the icon set in
    // OnInitDialog; the dialog itself has nothing to paint.
    CDialog::OnPaint();
}

HICON CInfoDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CInfoDlg::OnSelchangeTab(NMHDR*, LRESULT* pResult) {
    UpdateDisplay();
    Settings::SaveTab(*AfxGetApp(), m_tab.GetCurSel());
    *pResult = 0;
}

void CInfoDlg::OnClose() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
    }
    KillTimer(IDT_WATCH);
    if (m_pSimpleView) {
        m_pSimpleView->DestroyWindow();
        m_pSimpleView.reset();
    }
    CDialog::OnOK();
}

// The refresh cycle: the session loads and decides what to log, the window shows what each
// refresh came to.

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
    if (nIDEvent == IDT_WATCH) {
        m_watch.Tick();
        return;
    }
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

// What the window shows of the session's load.

void CInfoDlg::SizeValuesColumn(int height) {
    if (CWnd* values = GetDlgItem(IDC_VALUES)) {
        values->SetWindowPos(ZOrder::Top, 0, 0, m_sizeValues.cx, height,
                             SWP_NOMOVE | SWP_SHOWWINDOW);
    }
}

bool CInfoDlg::UpdateDisplay() {
    const int tab = m_tab.GetCurSel();
    const MainWindowTexts::Changes changes = m_texts.Update(m_monitor, tab);
    if (changes.records) {
        SetWindowText(m_texts.Title());
    }
    if (m_pSimpleView) {
        const SimpleViewText& simple = m_texts.SimpleView();
        m_pSimpleView->UpdateView(simple.info, simple.time, simple.title, simple.shown);
    }
    if (!changes.shown) {
        // Header and columns keep what the last successful build left. The graph has been
        // handed nothing yet: hidden, where the template shows it as a black box.
        m_wndGraph.ShowWindow(SW_HIDE);
        UpdateData(false);
        return false;
    }
    if (changes.page) {
        ShowPageControls(tab);
    }
    UpdateData(false);
    return true;
}

void CInfoDlg::ShowPageControls(int tab) {
    m_wndGraph.ShowWindow(SW_HIDE);
    if (tab != kAnalysisTab) {
        SizeValuesColumn(m_sizeValues.cy);
        return;
    }
    SizeValuesColumn(m_sizeValues.cy / 2);
    const AnalysisState& state = m_monitor.State();
    if (state.found && IsNewerFileSet(m_monitor.Version())) {
        for (int i = 0; i < AnalysisState::kBgPotCount; ++i) {
            m_bgPotData[i] = state.GetBgPot(i);
        }
        m_wndGraph.SetData(m_bgPotData, state.bg_true_mean, state.bg_power, state.bg_sigma,
                           state.bg_fft_ind);
        m_wndGraph.Redraw();
        m_wndGraph.ShowWindow(SW_SHOW);
    }
}

// The buttons that export and lead to the auxiliary windows.

void CInfoDlg::OnExport() {
    if (!ExportCsv(m_monitor.TimeUpdate(), m_monitor.WorkUnit(), m_monitor.State())) {
        MessageBox(Tr(Text::kExportFailed), Text::kAppName, MB_OK);
    }
}

bool CInfoDlg::ExportCsv(const CTime& updateTime, const WorkUnitInfo& wu,
                         const AnalysisState& state) {
    switch (AppendUnitLine(m_settings, m_strExportPath, updateTime, wu, state)) {
        case CsvExportResult::Written:
            if (m_settings.m_bPlot) {
                ExportPlot(wu, state);
            }
            return true;
        case CsvExportResult::NothingToExport:
            MessageBox(Tr(Text::kNothingToExport), Text::kAppName, MB_OK);
            return false;
        case CsvExportResult::Failed:
            return false;
    }
    return false;
}

bool CInfoDlg::ExportPlot(const WorkUnitInfo& wu, const AnalysisState& state) {
    return WritePlotFiles(m_strExportPath, wu, state);
}

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
