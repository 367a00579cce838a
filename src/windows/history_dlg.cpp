#include "windows/history_dlg.h"

#include <system_error>

#include "history/history_column_texts.h"
#include "history/log_calendar.h"
#include "platform/base/clock.h"
#include "platform/ui/cwinapp.h"
#include "res/resource.h"
#include "res/settings_keys.h"
#include "res/strings.h"
#include "res/templates.h"
#include "res/window_places.h"

namespace {

constexpr UINT_PTR kRereadTimerId = 1;
// The chart is drawn again at the window's new size once the user has stopped resizing it for
// this long: a sky map of years of units takes a while to draw at every step of a drag.
constexpr UINT_PTR kResizedTimerId = 2;
constexpr UINT kResizedMs = 150;

struct ColumnText {
    HistoryColumn column;
    const char* heading;
    int format;
};
constexpr ColumnText kColumns[kHistoryColumnCount] = {
    {HistoryColumn::kLogged, Text::kHistoryColumnLogged, LVCFMT_LEFT},
    {HistoryColumn::kName, Text::kHistoryColumnName, LVCFMT_LEFT},
    {HistoryColumn::kRecorded, Text::kHistoryColumnRecorded, LVCFMT_LEFT},
    {HistoryColumn::kPosition, Text::kHistoryColumnPosition, LVCFMT_LEFT},
    {HistoryColumn::kCpu, Text::kHistoryColumnCpu, LVCFMT_RIGHT},
    {HistoryColumn::kScore, Text::kHistoryColumnScore, LVCFMT_RIGHT},
    {HistoryColumn::kPower, Text::kHistoryColumnPower, LVCFMT_RIGHT},
};

constexpr const char* kChartTabs[kHistoryChartCount] = {
    Text::kHistoryTabCpu, Text::kHistoryTabWeekly, Text::kHistoryTabSky};

}  // namespace

CHistoryDlg::CHistoryDlg(const CString& logPath, CWnd* parent)
    : CDialog(LoadDialogTemplate(IDD_HISTORY), parent), m_log(logPath) {}

CHistoryDlg::~CHistoryDlg() = default;

const MessageMap* CHistoryDlg::GetThisMessageMap() {
    static const MessageMap map{
        CDialog::GetThisMessageMap(),
        {
            MapTimer(&CHistoryDlg::OnTimer),
            MapClose(&CHistoryDlg::OnClose),
            MapSize(&CHistoryDlg::OnSize),
            MapNotify(LVN_GETDISPINFO, IDC_HISTORY_LIST, &CHistoryDlg::OnGetDispInfo),
            MapNotify(LVN_COLUMNCLICK, IDC_HISTORY_LIST, &CHistoryDlg::OnColumnClick),
            MapNotify(LVN_ITEMCHANGED, IDC_HISTORY_LIST, &CHistoryDlg::OnItemChanged),
            MapNotify(TCN_SELCHANGE, IDC_HISTORY_CHARTTAB, &CHistoryDlg::OnSelchangeChartTab),
            MapButtonClicked(IDC_HISTORY_SAVE, &CHistoryDlg::OnSaveChart),
        }};
    return &map;
}

void CHistoryDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HISTORY_LIST, m_list);
    DDX_Control(pDX, IDC_HISTORY_CHARTTAB, m_chartTab);
    DDX_Control(pDX, IDC_HISTORY_CHART, m_wndChart);
    DDX_Text(pDX, IDC_HISTORY_LABELS, m_strLabels);
    DDX_Text(pDX, IDC_HISTORY_VALUES, m_strValues);
    DDX_Text(pDX, IDC_HISTORY_STATUS, m_strStatus);
}

bool CHistoryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Its own icon: opened alone (--history) there is no main window to take one from.
    SetIcon(LoadIconResource(IDR_MAINFRAME), true);
    SetIcon(LoadIconResource(IDR_MAINFRAME), false);
    CString title;
    title.Format(Tr(Text::kHistoryTitleFormat), m_log.Path().GetString());
    SetWindowText(title);
    for (const ColumnText& column : kColumns) {
        m_list.InsertColumn(static_cast<int>(column.column), Tr(column.heading), column.format);
    }
    ShowSortOrder();
    for (int chart = 0; chart < kHistoryChartCount; ++chart) {
        m_chartTab.InsertItem(chart, Tr(kChartTabs[chart]));
    }
    // The sky map first: the picture no other program draws from the user's own log.
    m_chartTab.SetCurSel(static_cast<int>(HistoryChart::kSkyMap));
    if (const CWinApp* app = AfxGetApp()) {
        RestoreWindowPlace(*this, *app, SettingsKey::kHistoryWindow);
    }
    // While the log is being read.
    PrepareChart();
    ReadLog();
    SetTimer(kRereadTimerId, kRereadMs);
    return true;
}

int CHistoryDlg::DoModal() {
    // Building the window takes the toolkit about as long as reading 100,000 lines takes: on a
    // second core the two overlap. Without a thread the log is read as the window opens.
    try {
        m_firstRead = std::async(std::launch::async, [this] { return m_log.Read(); });
    } catch (const std::system_error&) {
        m_firstRead = {};
    }
    return CDialog::DoModal();
}

void CHistoryDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kRereadTimerId) {
        ReadLog();
    } else if (nIDEvent == kResizedTimerId) {
        KillTimer(kResizedTimerId);
        const CSize size = m_wndChart.GetPictureSize();
        const RgbaImage& shown = m_wndChart.GetPicture();
        if (size.cx != shown.width || size.cy != shown.height) {
            ShowChart();
        }
    }
}

void CHistoryDlg::OnSize(UINT, int, int) {
    SetTimer(kResizedTimerId, kResizedMs);
}

void CHistoryDlg::OnOK() {
    EndWith(IDOK);
}

void CHistoryDlg::OnCancel() {
    EndWith(IDCANCEL);
}

void CHistoryDlg::OnClose() {
    EndWith(IDCANCEL);
}

void CHistoryDlg::EndWith(int result) {
    KillTimer(kRereadTimerId);
    KillTimer(kResizedTimerId);
    if (CWinApp* app = AfxGetApp()) {
        KeepWindowPlace(*this, *app, SettingsKey::kHistoryWindow);
    }
    EndDialog(result);
}

void CHistoryDlg::ReadLog() {
    const CsvLog::ReadResult result = m_firstRead.valid() ? m_firstRead.get() : m_log.Read();
    const bool failed =
        result == CsvLog::ReadResult::kFailed || result == CsvLog::ReadResult::kMissing;
    if (result == CsvLog::ReadResult::kUnchanged || (failed && m_failure == result)) {
        return;
    }
    m_failure = failed ? std::optional(result) : std::nullopt;
    // A log that can't be read leaves what was shown of it; at the start, empty charts.
    const bool show = !failed || m_wndChart.GetPicture().IsEmpty();
    if (show) {
        m_table.SetUnits(m_log.Units());
        m_charts.SetUnits(m_log.Units());
        ShowUnits(result == CsvLog::ReadResult::kReloaded);
        ShowSummary();
    }
    ShowStatus(result);
    if (show) {
        ShowChart();
    }
}

void CHistoryDlg::ShowUnits(bool fitColumns) {
    m_list.SetItemCountEx(m_table.RowCount());
    SelectRowOfUnit();
    // Once for a log read whole: a few more lines are written as the ones before them. Sized
    // from the few texts that hold each column, not from its rows: measuring a text takes some
    // microseconds, and a long log has millions of cells.
    if (fitColumns) {
        for (int column = 0; column < kHistoryColumnCount; ++column) {
            m_list.SetColumnWidthFor(
                column, TextsHoldingColumn(m_log.Units(), static_cast<HistoryColumn>(column)));
        }
    }
}

void CHistoryDlg::SelectRowOfUnit() {
    int row = -1;
    if (m_bSelected) {
        for (int r = 0; r < m_table.RowCount() && row < 0; ++r) {
            if (m_log.Units()[m_table.UnitOf(r)].name == m_strSelected) {
                row = r;
            }
        }
    }
    m_list.SetSelectedItem(row);
}

const LogUnit* CHistoryDlg::SelectedUnit() const {
    const int row = m_list.GetSelectedItem();
    if (row < 0 || row >= m_table.RowCount()) {
        return nullptr;
    }
    return &m_log.Units()[m_table.UnitOf(row)];
}

void CHistoryDlg::OnGetDispInfo(NMLVDISPINFO* pDispInfo, LRESULT* pResult) {
    const LVITEM& item = pDispInfo->item;
    if (item.iItem >= 0 && item.iItem < m_table.RowCount() && item.iSubItem >= 0 &&
        item.iSubItem < kHistoryColumnCount) {
        pDispInfo->item.text =
            m_table.CellText(item.iItem, static_cast<HistoryColumn>(item.iSubItem));
    }
    *pResult = 0;
}

void CHistoryDlg::ShowSortOrder() {
    m_list.SetSortIndicator(static_cast<int>(m_table.SortColumn()), !m_table.Descending());
}

void CHistoryDlg::OnColumnClick(NMLISTVIEW* pNMListView, LRESULT* pResult) {
    if (pNMListView->iSubItem >= 0 && pNMListView->iSubItem < kHistoryColumnCount) {
        m_table.SortBy(static_cast<HistoryColumn>(pNMListView->iSubItem));
        ShowSortOrder();
        m_list.SetItemCountEx(m_table.RowCount());
        SelectRowOfUnit();
    }
    *pResult = 0;
}

void CHistoryDlg::OnItemChanged(NMLISTVIEW*, LRESULT* pResult) {
    const LogUnit* unit = SelectedUnit();
    m_bSelected = unit != nullptr;
    m_strSelected = unit ? unit->name : CString();
    if (CurrentChart() == HistoryChart::kSkyMap) {
        ShowChart();
    }
    *pResult = 0;
}

void CHistoryDlg::OnSelchangeChartTab(NMHDR*, LRESULT* pResult) {
    ShowChart();
    *pResult = 0;
}

HistoryChart CHistoryDlg::CurrentChart() const {
    const int tab = m_chartTab.GetCurSel();
    return tab >= 0 && tab < kHistoryChartCount ? static_cast<HistoryChart>(tab)
                                                : HistoryChart::kSkyMap;
}

int RunHistoryWindow(const CString& logPath, CWnd* parent) {
    CHistoryDlg dlg(logPath, parent);
    return dlg.DoModal();
}
