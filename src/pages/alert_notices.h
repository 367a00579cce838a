// The desktop notifications of one round of refreshes: one for each client's event, or, where
// many clients had the same kind of event at once, one that sums them up. Texts only: the window
// that owns the clients shows them.
#pragma once

#include <vector>

#include "monitor/client_alerts.h"
#include "platform/base/cstring.h"

// An event of one client.
struct ClientAlert {
    CString folder;
    AlertEvent event;
    CString problem;  // Unreachable: why the folder could not be read, for Unreadable; else empty
};

// Which kinds the user wants to hear of; the end of a stall or of a folder out of reach goes
// with its kind.
struct AlertKinds {
    bool unitFinished = false;
    bool stalled = true;
    bool unreachable = true;
};

struct AlertNotice {
    CString summary;
    CString body;
    CString folder;  // the client a click on it raises; empty for a notice that sums up
};

// From this many clients with the same kind of event in one round, one notice sums them up.
inline constexpr size_t kAlertsSummedFrom = 3;

std::vector<AlertNotice> BuildAlertNotices(const std::vector<ClientAlert>& round,
                                           const AlertKinds& kinds);
