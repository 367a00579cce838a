#include "platform/base/number_text.h"

#include <charconv>

void AppendFixed(CString& text, double value, int decimals) {
    // The longest: the sign, 309 digits of DBL_MAX, the point and the decimals.
    char buffer[340];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    text.Append(buffer, static_cast<int>(result.ptr - buffer));
}

void AppendInteger(CString& text, long long value) {
    char buffer[24];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.Append(buffer, static_cast<int>(result.ptr - buffer));
}
