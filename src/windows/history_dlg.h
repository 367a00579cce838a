// CHistoryDlg: the history of the user's work, read from the CSV log: the table of units, the
// figures over them and the charts, read again while the window is open whenever the log grows.
#pragma once

#include <future>
#include <optional>

#include "charts/history_charts.h"
#include "history/csv_log.h"
#include "history/history_table.h"
#include "platform/base/cstring.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/controls.h"
#include "platform/ui/list_ctrl.h"
#include "windows/chart_view.h"

class CHistoryDlg : public CDialog {
public:
    // How often the log is looked at for new lines while the window is open.
    static constexpr UINT kRereadMs = 2000;
    // The size of a saved chart, in pixels.
    static constexpr int kSavedWidth = 1200;
    static constexpr int kSavedHeight = 600;

    explicit CHistoryDlg(const CString& logPath, CWnd* parent = nullptr);
    ~CHistoryDlg() override;

    const CsvLog& Log() const { return m_log; }
    const HistoryTable& Table() const { return m_table; }
    CChartView& ChartView() { return m_wndChart; }

    // Reads the log while the window is being built, then runs it.
    int DoModal() override;

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;

    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnGetDispInfo(NMLVDISPINFO* pDispInfo, LRESULT* pResult);
    void OnColumnClick(NMLISTVIEW* pNMListView, LRESULT* pResult);
    void OnItemChanged(NMLISTVIEW* pNMListView, LRESULT* pResult);
    void OnSelchangeChartTab(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSaveChart();

private:
    // Keeps where the window is for the next time, and ends it.
    void EndWith(int result);
    // Reads what is new in the log and, when anything is, shows it all again.
    void ReadLog();
    void ShowUnits(bool fitColumns);
    void ShowSummary();
    void ShowStatus(CsvLog::ReadResult read);
    // The arrow of the column the table is sorted by.
    void ShowSortOrder();
    void ShowChart();
    // What the chart shows of any log, drawn ahead.
    void PrepareChart();
    void SelectRowOfUnit();
    HistoryChart CurrentChart() const;
    // The unit of the selected row, or null.
    const LogUnit* SelectedUnit() const;

    CsvLog m_log;
    // The first read of the log, under way on a thread of its own while the window is built
    // (which reads only the log's path meanwhile); after m_log, so that it is waited for before
    // the log goes.
    std::future<CsvLog::ReadResult> m_firstRead;
    HistoryTable m_table;
    HistoryCharts m_charts;
    CListCtrl m_list;
    CTabCtrl m_chartTab;
    CChartView m_wndChart;
    CString m_strLabels;
    CString m_strValues;
    CString m_strStatus;
    // The selected unit by name: rows move when they are sorted or the log is read again.
    CString m_strSelected;
    bool m_bSelected = false;
    // How the last read failed, while it does.
    std::optional<CsvLog::ReadResult> m_failure;
};

// Opens the history of the CSV log at logPath, modally, over parent (or as the program's own
// window); returns when the user has closed it.
int RunHistoryWindow(const CString& logPath, CWnd* parent);
