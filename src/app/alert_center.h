// AlertCenter: the desktop notifications of a window's clients. After each round of refreshes
// the window hands it every session; it takes their events and shows the round's notices as the
// settings want them, one per client and event or one that sums many up.
#pragma once

#include <functional>
#include <vector>

#include "monitor/client_session.h"
#include "pages/alert_notices.h"
#include "res/settings.h"

class AlertCenter {
public:
    // Shows a notice; a click on it runs onClick. False when the desktop has no notification
    // service. By default the desktop's (ShowDesktopNotification).
    using Show = std::function<bool(const AlertNotice& notice, std::function<void()> onClick)>;
    // What a click on a client's notice does: raise that client's window.
    using Raise = std::function<void(const CString& folder)>;

    explicit AlertCenter(Raise raise, Show show = nullptr);

    // The kinds told and the stall time, from the settings.
    void UseSettings(const Settings& settings);
    // Whether any kind is told: the clients must then be read even without a refresh timer.
    bool Wanted() const;
    // Starts the session's watch with the settings' times.
    void Watch(ClientSession& session) const;
    // Takes the session's events into this round.
    void Take(ClientSession& session);
    // Shows the round's notices, and begins the next round.
    void Flush();

    // Every this many seconds the clients are read for their notices at the least.
    static constexpr UINT kWatchPeriodMs = 60 * 1000;

private:
    Raise m_raise;
    Show m_show;
    AlertKinds m_kinds;
    AlertTimes m_times;
    std::vector<ClientAlert> m_round;
};
