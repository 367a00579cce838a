// Conversions between the program's UTF-8 text and wxString.
#pragma once

#include <wx/string.h>

#include "platform/base/cstring.h"

inline wxString ToWx(const CString& text) {
    wxString converted = wxString::FromUTF8(text.GetString(), text.str().size());
    if (converted.empty() && !text.IsEmpty()) {
        // Not UTF-8 after all: show the bytes rather than nothing.
        converted = wxString(text.GetString(), wxConvISO8859_1, text.str().size());
    }
    return converted;
}

inline CString FromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return CString(std::string(utf8.data(), utf8.length()));
}
