#include "platform/ui/notification.h"

#include <cstdio>

#include "platform/ui/cwinapp.h"
#include "platform/ui/framework_texts.h"

void SayNotificationsUnavailable(bool& said) {
    if (said) {
        return;
    }
    said = true;
    const CString& text = GetFrameworkTexts().notificationsUnavailable;
    if (!text.IsEmpty()) {
        std::fprintf(stderr, "%s: %s\n", AfxGetAppName(), text.GetString());
    }
}
