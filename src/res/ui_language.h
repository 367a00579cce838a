// The language of the interface. Its own texts are Japanese; the English ones come from a
// catalog. Japanese is shown under a Japanese locale and under C or POSIX, English under every
// other locale.
#pragma once

enum class UiLanguage { kJapanese, kEnglish };

// The variables that name the user's language, as gettext reads them; null when unset.
struct LocaleEnvironment {
    const char* lcAll = nullptr;
    const char* lcMessages = nullptr;
    const char* lang = nullptr;
    const char* language = nullptr;  // LANGUAGE: languages in order of preference, ':' between
};

LocaleEnvironment ReadLocaleEnvironment();

// The locale of messages is the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty.
// Under C or POSIX (or none) the interface is Japanese and LANGUAGE is ignored, as gettext does.
// Otherwise the first language of LANGUAGE that has texts here decides; without one, the locale's
// own language does.
UiLanguage ChooseUiLanguage(const LocaleEnvironment& environment);
