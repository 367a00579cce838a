// The desktop's notification server (org.freedesktop.Notifications on the session bus), reached
// through GIO's D-Bus client. Every wait for the bus or the server is bounded, and clicks come
// back through the default main loop, on the thread that runs it: the interface's.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Pixels as rows of RGBA bytes, the top row first, no padding.
struct RgbaPixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bytes;
};

struct NotificationMessage {
    std::string appName;
    std::string summary;  // any bytes: what is not UTF-8 is shown as U+FFFD
    std::string body;     // the same; plain text, never taken as markup
    const RgbaPixels* icon = nullptr;
    // Offered as the notification's default action where the server has actions.
    std::function<void()> onClick;
};

// Call it on the interface thread. False when there is no session bus, no server on it, or none
// that answers within a few seconds.
bool SendToNotificationServer(const NotificationMessage& message);
