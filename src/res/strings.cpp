#include "res/strings.h"

#include "res/resource.h"

const char* Tr(const char* text) {
    return text;
}

FrameworkTexts LoadFrameworkTexts() {
    return FrameworkTexts{Tr(Text::kTooLongFormat), Tr(Text::kOpenFileTitle),
                          Tr(Text::kSaveFileTitle), Tr(Text::kTopMostUnavailable),
                          Tr(Text::kNotificationsUnavailable)};
}

CString LoadStringResource(int id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return CString(Tr(Text::kAboutMenuItem));
        case IDS_HISTORY:
            return CString(Tr(Text::kHistoryMenuItem));
        case IDS_NOTIFY_SETTINGS:
            return CString(Tr(Text::kNotifySettingsMenuItem));
        default:
            return CString();
    }
}
