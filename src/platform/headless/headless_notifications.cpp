// Desktop notifications as records a test reads and clicks.
#include "platform/headless/headless_notifications.h"

#include "platform/headless/headless.h"
#include "platform/ui/notification.h"

namespace Headless {
namespace {

struct Notifier {
    std::vector<NotificationRecord> records;
    std::vector<std::function<void()>> onClicks;  // one per record
    bool serviceAvailable = true;
    bool saidUnavailable = false;
};

Notifier& notifier() {
    static Notifier n;
    return n;
}

}  // namespace

void ForgetNotifications() {
    notifier() = Notifier{};
}

const std::vector<NotificationRecord>& Notifications() {
    return notifier().records;
}

bool ClickNotification(size_t index) {
    if (index >= notifier().onClicks.size() || !notifier().onClicks[index]) {
        return false;
    }
    // A copy: the click may show notifications of its own.
    const std::function<void()> onClick = notifier().onClicks[index];
    onClick();
    return true;
}

void SetNotificationServiceAvailable(bool available) {
    notifier().serviceAvailable = available;
}

}  // namespace Headless

bool ShowDesktopNotification(const DesktopNotification& notification) {
    Headless::Notifier& n = Headless::notifier();
    if (!n.serviceAvailable) {
        SayNotificationsUnavailable(n.saidUnavailable);
        return false;
    }
    n.records.push_back(Headless::NotificationRecord{notification.summary, notification.body,
                                                     static_cast<bool>(notification.onClick)});
    n.onClicks.push_back(notification.onClick);
    return true;
}
