// CInfoDlg: the main window. It shows one client session: asks it to load on start, on the
// refresh button and on the timer, and shows what each refresh came to and the selected tab's
// page. The session decides whether a refresh logs the unit the client replaced. On a session
// the clients overview refreshes (a client window) it has no timer of its own.
#pragma once

#include <memory>
#include <optional>

#include "app/client_watch.h"
#include "app/main_window_texts.h"
#include "monitor/client_session.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/controls.h"
#include "res/settings.h"
#include "windows/gaussian_graph.h"
#include "windows/simple_view_dlg.h"

class CInfoDlg : public CDialog, private ClientSession::Observer {
public:
    // The window shows and refreshes session, which outlives it.
    explicit CInfoDlg(ClientSession& session, CWnd* parent = nullptr);
    ~CInfoDlg() override;

    static const MessageMap* GetThisMessageMap();

    // The simple view window the main window owns; null once the main window has closed.
    CSimpleViewDlg* SimpleView() const { return m_pSimpleView.get(); }

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
    // Shows what a refresh of the monitor came to; false when it failed and the previous load
    // was kept (a message box for the button, the message line for the timer).
    bool ShowRefresh(ClientMonitor::Outcome outcome, bool fromButton);
    // The message line alone, over the pages as they are.
    void ShowMessage(const char* text);
    const ClientSession& Session() const { return m_session; }
    // Rebuilds the title, the lines and the selected tab's page from the monitor's load.
    bool UpdateDisplay();

    // Appends a line for the records to the CSV log (and the plot files when set); a message
    // box says when there was nothing to write.
    bool ExportCsv(const CTime& updateTime, const WorkUnitInfo& wu, const AnalysisState& state);
    bool ExportPlot(const WorkUnitInfo& wu, const AnalysisState& state);

    void OnSessionRefreshed(const ClientSession& session,
                            const ClientSession::Report& report) override;

private:
    // The refresh timer's period for the interval; none for 0 or less.
    std::optional<UINT> CurrentTimerPeriod() const;
    void SizeValuesColumn(int height);
    // Sizes the values column for the tab and shows the graph on the analysis tab only.
    void ShowPageControls(int tab);

    ClientSession& m_session;
    // The session's shown load: the same object for the session's life.
    const ClientMonitor& m_monitor;
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
    // The settings as LoadSettings last read them, and the CSV log they name.
    Settings m_settings;
    CString m_strExportPath;
    CString m_strUserTab;
    double m_bgPotData[AnalysisState::kBgPotCount] = {};
    CSize m_sizeValues;
    // Builds the texts above from the session's load.
    MainWindowTexts m_texts;
    // The client read for its notifications beside what the window shows; the overview watches
    // the clients it shows in windows of their own.
    ClientWatch m_watch;
};
