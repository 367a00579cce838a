#include "res/ui_language.h"

#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

bool IsSet(const char* value) {
    return value && *value;
}

// "ja" of "ja_JP.UTF-8@euro".
std::string_view LanguageOf(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

std::optional<UiLanguage> KnownLanguage(std::string_view locale) {
    const std::string_view language = LanguageOf(locale);
    if (language == "ja") {
        return UiLanguage::kJapanese;
    }
    if (language == "en") {
        return UiLanguage::kEnglish;
    }
    return std::nullopt;
}

}  // namespace

LocaleEnvironment ReadLocaleEnvironment() {
    return LocaleEnvironment{std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"),
                             std::getenv("LANGUAGE")};
}

UiLanguage ChooseUiLanguage(const LocaleEnvironment& environment) {
    const char* locale = IsSet(environment.lcAll)        ? environment.lcAll
                         : IsSet(environment.lcMessages) ? environment.lcMessages
                                                         : environment.lang;
    const std::string_view messages = IsSet(locale) ? locale : "C";
    if (LanguageOf(messages) == "C" || messages == "POSIX") {
        return UiLanguage::kJapanese;
    }
    if (IsSet(environment.language)) {
        std::string_view preferences = environment.language;
        while (!preferences.empty()) {
            const size_t colon = preferences.find(':');
            if (const std::optional<UiLanguage> known =
                    KnownLanguage(preferences.substr(0, colon))) {
                return *known;
            }
            preferences.remove_prefix(colon == std::string_view::npos ? preferences.size()
                                                                      : colon + 1);
        }
    }
    return KnownLanguage(messages).value_or(UiLanguage::kEnglish);
}
