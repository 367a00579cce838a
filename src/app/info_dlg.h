// CInfoDlg: the main window. It owns every record read from the client's files, loads them on
// start, on the refresh button and on the timer, exports, and shows the selected tab's page.
#pragma once

#include <memory>
#include <optional>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "clientfiles/work_unit_info.h"
#include "platform/base/ctime.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/controls.h"
#include "windows/gaussian_graph.h"
#include "windows/simple_view_dlg.h"

class CInfoDlg : public CDialog {
public:
    explicit CInfoDlg(CWnd* parent = nullptr);
    ~CInfoDlg() override;

    static const MessageMap* GetThisMessageMap();

    // Rebuilds the title, the lines and the selected tab's page from the loaded records.
    bool UpdateDisplay();

    // Appends a line for the records to the CSV log (and the plot files when set). From the
    // timer, failures go to the message line instead of a message box.
    bool ExportCsv(const CTime& updateTime, const WorkUnitInfo& wu, const AnalysisState& state,
                   bool fromTimer = false);
    bool ExportPlot(const WorkUnitInfo& wu, const AnalysisState& state);

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    // Esc does nothing: only the close box and the exit button end the program.
    void OnCancel() override {}

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HICON OnQueryDragIcon();
    void OnRefresh();
    void OnExport();
    void OnSettings();
    void OnSimpleView();
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
    void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);

    void LoadSettings();
    bool LoadAll();

private:
    // The refresh timer's period for m_nInterval minutes; none for 0 or less.
    std::optional<UINT> CurrentTimerPeriod() const;
    void SaveCurrentLoad();
    // Keeps the current load when it found both the work unit and its state.
    void RememberCompleteLoad();
    void RestorePreviousLoad();
    void SizeValuesColumn(int height);

public:
    // The window's state, public so that tests and the scenario runner can read what it holds.
    CGaussianGraph m_wndGraph;
    CTabCtrl m_tab;
    CButton m_btnSimple;
    CString m_strMessage;
    CString m_strLastUpdate;
    CString m_strHeader;
    CString m_strLabels;
    CString m_strValues;
    std::unique_ptr<CSimpleViewDlg> m_pSimpleView;
    HICON m_hIcon;
    UINT_PTR m_nTimerID = 0;
    int m_nInterval = 0;
    bool m_bExportOnTimer = false;
    bool m_bLFCode = true;
    bool m_bNoTitle = false;
    bool m_bTopMost = false;
    int m_nForm = 0;
    bool m_bPlot = false;
    CString m_strUserTab;
    CTime m_timeUpdate;
    // The load that first saw the current work unit. Until a named work unit has been loaded
    // with its analysis state there is none, and the pages show "NaN" where they need it.
    CTime m_timeBase;
    double m_cpuBase = 0.0;
    double m_progBase = 0.0;
    bool m_bBaselineSet = false;
    WorkUnitInfo m_wu;
    AnalysisState m_state;
    UserInfo m_user;
    ClientVersion m_version;
    CTime m_timePrevUpdate;
    WorkUnitInfo m_prevWu;
    AnalysisState m_prevState;
    // The last load that found both the work unit and its state. A unit whose state file could
    // not be read at the last tick before the client moved on is exported from here, so its
    // line is not lost.
    CTime m_timeLastComplete;
    WorkUnitInfo m_lastCompleteWu;
    AnalysisState m_lastCompleteState;
    double m_bgPotData[AnalysisState::kBgPotCount] = {};
    CString m_strExportPath;
    CString m_strClientVersion;
    CSize m_sizeValues;
};
