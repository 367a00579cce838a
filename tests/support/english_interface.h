// The interface in English for one scope, back to Japanese (what every other test expects) at its
// end.
#pragma once

#include "res/strings.h"

class EnglishInterface {
public:
    EnglishInterface() { UseUiLanguage(UiLanguage::kEnglish); }
    ~EnglishInterface() { UseUiLanguage(UiLanguage::kJapanese); }
    EnglishInterface(const EnglishInterface&) = delete;
    EnglishInterface& operator=(const EnglishInterface&) = delete;
};
