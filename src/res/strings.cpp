#include "res/strings.h"

#include <optional>

#include "platform/base/message_catalog.h"
#include "res/english_catalog.h"
#include "res/resource.h"

namespace {

// Chosen once at start, before any other thread runs; null while the texts are their own.
const MessageCatalog* g_catalog = nullptr;

const MessageCatalog* EnglishCatalog() {
    static const std::optional<MessageCatalog> catalog =
        MessageCatalog::Read(kEnglishCatalog, kEnglishCatalogSize);
    return catalog ? &*catalog : nullptr;
}

}  // namespace

const char* Tr(const char* text) {
    if (!g_catalog) {
        return text;
    }
    const char* translation = g_catalog->Find(text);
    return translation ? translation : text;
}

void UseUiLanguage(UiLanguage language) {
    g_catalog = language == UiLanguage::kEnglish ? EnglishCatalog() : nullptr;
}

UiLanguage CurrentUiLanguage() {
    return g_catalog ? UiLanguage::kEnglish : UiLanguage::kJapanese;
}

FrameworkTexts LoadFrameworkTexts() {
    return FrameworkTexts{Tr(Text::kTooLongFormat),
                          Tr(Text::kOpenFileTitle),
                          Tr(Text::kSaveFileTitle),
                          Tr(Text::kTopMostUnavailable),
                          Tr(Text::kNotificationsUnavailable),
                          Tr(Text::kNoDisplay)};
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
