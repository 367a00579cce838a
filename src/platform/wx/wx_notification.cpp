// Desktop notifications on the desktop: under the application's name and icon, through the
// session bus's notification server.
#include <map>

#include "platform/ui/cwinapp.h"
#include "platform/ui/notification.h"
#include "platform/wx/dbus_notifications.h"
#include "platform/wx/wx_icon.h"

namespace {

// Servers draw a notification's icon about this size and scale a larger one down.
constexpr int kIconSize = 48;

RgbaPixels ToRgba(const wxImage& image) {
    RgbaPixels pixels;
    if (!image.IsOk()) {
        return pixels;
    }
    pixels.width = image.GetWidth();
    pixels.height = image.GetHeight();
    const unsigned char* rgb = image.GetData();
    const unsigned char* alpha = image.HasAlpha() ? image.GetAlpha() : nullptr;
    const std::size_t count = static_cast<std::size_t>(pixels.width) * pixels.height;
    pixels.bytes.reserve(count * 4);
    for (std::size_t k = 0; k < count; ++k) {
        pixels.bytes.insert(pixels.bytes.end(), rgb + 3 * k, rgb + 3 * k + 3);
        pixels.bytes.push_back(alpha ? alpha[k] : 255);
    }
    return pixels;
}

// The application's icon, sent as pixels: the server shows it whether or not the program is
// installed where an icon theme would find it by name. Null before a window has given it.
const RgbaPixels* ApplicationIconPixels() {
    static std::map<HICON, RgbaPixels> decoded;
    const HICON icon = GetApplicationIcon();
    if (!icon) {
        return nullptr;
    }
    const auto [at, added] = decoded.try_emplace(icon);
    if (added) {
        at->second = ToRgba(ImageFromResource(icon, kIconSize));
    }
    return at->second.width > 0 ? &at->second : nullptr;
}

}  // namespace

bool ShowDesktopNotification(const DesktopNotification& notification) {
    static bool saidUnavailable = false;
    const NotificationMessage message{AfxGetAppName(), notification.summary.str(),
                                      notification.body.str(), ApplicationIconPixels(),
                                      notification.onClick};
    if (SendToNotificationServer(message)) {
        return true;
    }
    SayNotificationsUnavailable(saidUnavailable);
    return false;
}
