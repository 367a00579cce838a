// CClientDlg: the main window opened from the clients overview on one of its clients. It shows
// the overview's copy of that client's monitor, which the overview refreshes off the interface
// thread on its own timer: this window has no timer, its refresh button asks the overview, and
// closing it closes this window alone.
#pragma once

#include <functional>

#include "app/info_dlg.h"

class CClientDlg : public CInfoDlg {
public:
    struct Callbacks {
        std::function<void()> refresh;          // the refresh button: refresh this client now
        std::function<void()> settingsChanged;  // the settings dialog ended with OK
        std::function<void()> closed;           // the window went; it may be deleted later
    };

    // monitor: the overview's copy of the client's monitor, loaded already.
    CClientDlg(ClientMonitor& monitor, CWnd* overview, Callbacks callbacks);

    // Shows a refresh the overview made: the pages, or what failed.
    void ShowOverviewRefresh(ClientMonitor::Outcome outcome, bool fromButton);
    // Takes the settings again after another window's settings dialog changed them.
    void ReloadSettings();

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    bool OnInitDialog() override;
    void OnOK() override { OnCloseWindow(); }

private:
    void OnRefreshClient();
    void OnSettingsChanged();
    void OnTimerIgnored(UINT_PTR) {}
    void OnCloseWindow();
    void StopOwnTimer();

    Callbacks m_callbacks;
};
