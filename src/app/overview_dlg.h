// COverviewDlg: the clients overview. One row per client session: its work unit, progress, CPU
// time, predicted end, utilisation and status. Every client refreshes on the one timer of the
// settings, each on a worker thread, so a folder that hangs shows "not responding" while the
// others go on and the window keeps answering. Each session logs the unit its client has
// replaced. A double click opens the main window on a client.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "app/alert_center.h"
#include "app/overview_client.h"
#include "app/overview_table.h"
#include "monitor/refresh_pool.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/list_ctrl.h"
#include "res/settings.h"

unsigned DefaultRefreshThreads();

class COverviewDlg : public CDialog, private ClientSession::Observer {
public:
    struct Options {
        // How long a refresh may run before its client shows as not responding.
        RefreshPool::Clock::duration bound = std::chrono::seconds(5);
        // As many as the machine has cores, at least two, so that one slow folder does not
        // hold the others up until the bound.
        unsigned threads = DefaultRefreshThreads();
        ClientSession::Reader reader;            // null: the plain reader
        RefreshPool::ThreadStarter startThread;  // null: std::thread
    };

    // keepInSettings: additions and removals are saved as the kept list (--clients).
    COverviewDlg(std::vector<CString> folders, bool keepInSettings, Options options,
                 CWnd* parent = nullptr);
    ~COverviewDlg() override;

    // Whether a refresh is queued or runs that has not yet run past the bound.
    bool RefreshesPending() const;
    // The main window opened on the client of a row, or null.
    CClientDlg* ClientWindow(int row) const;

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    // Esc does nothing; the close box and the exit button end the program.
    void OnCancel() override {}
    void OnOK() override { OnClose(); }

    void OnAddClient();
    void OnRemoveClient();
    void OnRefresh();
    void OnSettings();
    void OnNotifySettings();
    // The history of the CSV log all the clients write.
    void OnHistory();
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
    void OnColumnClickClients(NMLISTVIEW* pNMListView, LRESULT* pResult);
    void OnItemChangedClients(NMLISTVIEW* pNMListView, LRESULT* pResult);
    void OnDblClkClients(NMLISTVIEW* pNMListView, LRESULT* pResult);

private:
    void LoadSettings();
    // The settings changed in a settings dialog: this window's copy and each client window's.
    void SettingsChanged();
    OverviewClient& AddClient(const CString& folder);
    // The kept list of --clients, with this window's one change.
    void KeepFolder(const CString& folder, bool kept);
    // Starts a refresh of every client whose last one has ended.
    void BeginRefreshAll();
    // Takes the refreshes that have ended, marks the ones past the bound and shows the rows.
    void CollectRefreshes();
    // Takes refreshes in often while any may still come within the bound, seldom while only
    // late ones are out, and not at all when none is.
    void ScheduleCollecting();
    // The collecting timer at that period; none stops it.
    void SetCollectPeriod(std::optional<UINT> period);
    void OnSessionRefreshed(const ClientSession& session,
                            const ClientSession::Report& report) override;
    void OnSessionRefreshBegun(const ClientSession& session) override;
    void OpenClientWindow(OverviewClient& client);
    // A click on a client's notification: its window, opened or raised.
    void RaiseClient(const CString& folder);
    // Reads the clients every minute while notifications want it and no timer does.
    void ScheduleWatch();
    void DeleteClosedWindows();
    // The rows in the chosen order, each cell written only when it changed.
    void ShowRows();
    OverviewClient* SelectedClient() const;

    Options m_options;
    bool m_bKeepInSettings;
    std::vector<CString> m_initialFolders;
    // Before the clients, whose sessions refresh on it; its threads may outlive them all.
    std::unique_ptr<RefreshPool> m_pool;
    std::vector<std::unique_ptr<OverviewClient>> m_clients;
    OverviewTable m_table;
    CListCtrl m_listClients;
    CString m_strMessage;
    Settings m_settings;
    AlertCenter m_alerts{[this](const CString& folder) { RaiseClient(folder); }};
    UINT_PTR m_nTimerID = 0;
    std::optional<UINT> m_collectPeriod;
};
