// ClientWatch: a client read for its desktop notifications alone, beside the session the main
// window shows, so that watching never changes what that window shows or logs: a session of its
// own, read every minute on a thread of its own, whether or not the refresh timer is on.
#pragma once

#include <memory>

#include "app/alert_center.h"
#include "monitor/client_session.h"
#include "monitor/refresh_pool.h"

class ClientWatch {
public:
    ClientWatch(const CString& folder, AlertCenter::Raise raise, AlertCenter::Show show = nullptr);
    ~ClientWatch();

    // Starts or stops watching as the settings want; true while watching, when the window runs
    // its watch timer (AlertCenter::kWatchPeriodMs) and calls Tick on it.
    bool UseSettings(const Settings& settings);
    // Takes in the last reading, tells what it brought, and starts the next.
    void Tick();

private:
    CString m_folder;
    AlertCenter m_alerts;
    std::unique_ptr<RefreshPool> m_pool;
    std::unique_ptr<ClientSession> m_session;
};
