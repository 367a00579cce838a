#include "app/info_dlg.h"

#include <utility>

#include "app/about_dlg.h"
#include "app/main_tabs.h"
#include "app/unit_export.h"
#include "pages/display_frame.h"
#include "pages/user_tab_caption.h"
#include "platform/ui/cwinapp.h"
#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"
#include "windows/history_dlg.h"

CInfoDlg::CInfoDlg(ClientSession& session, CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_VANTREL_DIALOG), parent),
      m_session(session),
      m_monitor(session.Monitor()),
      m_hIcon(LoadIconResource(IDR_MAINFRAME)) {
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

    // The About item, and beside it the history of the units this window has logged.
    for (const auto& [command, text] :
         {std::pair{IDM_ABOUTBOX, IDS_ABOUTBOX}, std::pair{IDM_HISTORY, IDS_HISTORY}}) {
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
    if (m_pSimpleView) {
        m_pSimpleView->DestroyWindow();
        m_pSimpleView.reset();
    }
    CDialog::OnOK();
}
