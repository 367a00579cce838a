#include "platform/wx/wx_locale.h"

#include <clocale>

#include <wx/uilocale.h>

bool UseUserLocale() {
    const bool used = wxUILocale::UseDefault();
    std::setlocale(LC_NUMERIC, "C");
    return used;
}
