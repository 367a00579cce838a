// The conversions of a client file's values, as the C library's atoi, atof, sscanf "%x" read
// them in the "C" locale, over views of the file's text.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/base/cstring.h"

// atoi (and atol, as wide for the 32-bit members): optional white space and sign, then decimal
// digits; 0 when none. A number too large keeps its low 32 bits, as the C conversion does.
std::int32_t ConvertAtoi(std::string_view value);
// atof over the client files' decimal syntax: white space, sign, digits with an optional point,
// an optional exponent; 0.0 when no number starts the value.
double ConvertAtof(std::string_view value);
// sscanf "%x"; the member keeps its value when no hexadecimal number starts the text.
void ConvertHex(std::string_view value, std::uint32_t& member);
// Text values are kept as UTF-8; code page 932 text is converted.
CString ConvertText(std::string_view value);

// The text without the single-byte white space (space, tab, line feed, vertical tab, form feed,
// carriage return) at either end. A full-width space is not white space.
std::string_view TrimWhiteSpace(std::string_view text);
