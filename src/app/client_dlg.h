// CClientDlg: the main window opened from the clients overview on one of its clients. It shows
// the client's session, which the overview refreshes off the interface thread on its own
// timer: this window has no timer, its refresh button asks the session, and closing it closes
// this window alone.
#pragma once

#include <functional>

#include "app/info_dlg.h"

class CClientDlg : public CInfoDlg {
public:
    struct Callbacks {
        std::function<void()> settingsChanged;  // the settings dialog ended with OK
        std::function<void()> closed;           // the window went; it may be deleted later
    };

    // session: the overview's session of the client, refreshed on its pool.
    CClientDlg(ClientSession& session, CWnd* overview, Callbacks callbacks);

    // Takes the settings again after another window's settings dialog changed them.
    void ReloadSettings() { LoadSettings(); }

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    bool OnInitDialog() override;
    void OnOK() override { OnCloseWindow(); }
    void OnSessionStatusChanged(const ClientSession& session) override;

private:
    void OnSettingsChanged();
    void OnCloseWindow();
    // Says so when the session's last refresh did not read the client.
    void ShowWhetherRead();

    Callbacks m_callbacks;
};
