// The headless backend's desktop notifications, for Headless::Reset.
#pragma once

namespace Headless {

// Forgets every notification shown, and the service is there again.
void ForgetNotifications();

}  // namespace Headless
