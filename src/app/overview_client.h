// One client of the clients overview: its folder, its refreshes, the last load that came in,
// its row and the main window opened on it.
#pragma once

#include <memory>

#include "app/client_dlg.h"
#include "monitor/client_refresher.h"
#include "pages/overview_row.h"

struct OverviewClient {
    OverviewClient(const CString& directory, ClientRefresher::Reader reader)
        : folder(directory), refresher(directory, std::move(reader)) {}

    CString folder;
    ClientRefresher refresher;
    // The last load that came in, which the client's main window shows; null before the first.
    // Replaced in place, so the window's reference stays good.
    std::unique_ptr<ClientMonitor> shown;
    ClientStatus status = ClientStatus::Loading;
    OverviewRow row;
    std::unique_ptr<CClientDlg> window;
    bool windowClosed = false;  // deleted at the next chance, outside its own handlers
};
