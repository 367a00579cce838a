// Desktop notifications: shown by the desktop's notification service (freedesktop notifications
// over the session bus), under the application's name and icon. Each backend implements
// ShowDesktopNotification.
#pragma once

#include <functional>

#include "platform/base/cstring.h"

// A notification shown by the desktop's notification service, under the application's name and
// icon.
struct DesktopNotification {
    CString summary;  // one line
    CString body;
    // Runs on the user-interface thread when the user clicks the notification, where the server
    // supports actions; may be empty.
    std::function<void()> onClick;
};

// Call it on the user-interface thread. False when there is no notification service (no session
// bus, no server on it, or one that does not answer within a few seconds); the first such failure
// in a run is said once on stderr (FrameworkTexts::notificationsUnavailable), and nothing else
// happens: the program runs on as before.
bool ShowDesktopNotification(const DesktopNotification& notification);

// Says on stderr, as "<application>: <text>", that there is no notification service, unless said
// is set already; sets it. A backend keeps said for its run.
void SayNotificationsUnavailable(bool& said);
