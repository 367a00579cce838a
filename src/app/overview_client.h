// One client of the clients overview: its session, its row and the main window opened on it.
#pragma once

#include <memory>

#include "app/client_dlg.h"
#include "monitor/client_session.h"
#include "pages/overview_row.h"

struct OverviewClient {
    OverviewClient(const CString& directory, RefreshPool& pool, ClientSession::Reader reader)
        : session(directory, &pool, std::move(reader)) {}

    ClientSession session;
    OverviewRow row;
    std::unique_ptr<CClientDlg> window;
    bool windowClosed = false;  // deleted at the next chance, outside its own handlers
};
