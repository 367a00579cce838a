#include "clientfiles/value_conversions.h"

#include <locale.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "platform/base/exact_decimal.h"
#include "platform/base/text_encoding.h"

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

size_t SkipDigits(std::string_view text, size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// The number that starts the text in the client files' syntax: white space, an optional sign,
// digits with an optional decimal point (at least one digit), an optional exponent. Empty when
// no number starts the text. strtod reads more ("inf", "nan", hexadecimal), which no client
// writes and which must not become a value here.
std::string_view LeadingDecimal(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) {
        ++at;
    }
    const size_t start = at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const size_t integerEnd = SkipDigits(text, at);
    size_t end = integerEnd;
    bool digits = integerEnd > at;
    if (end < text.size() && text[end] == '.') {
        const size_t fractionEnd = SkipDigits(text, end + 1);
        digits = digits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!digits) {
        return {};
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    return text.substr(start, end - start);
}

// Most values the client writes ("0.451234560", "18723.250000") have at most 19 digits, which
// ExactDecimal takes without a general conversion. Nothing for any other number.
std::optional<double> ExactSmallDecimal(std::string_view number) {
    size_t at = 0;
    const bool negative = number[0] == '-';
    if (number[0] == '-' || number[0] == '+') {
        ++at;
    }
    std::uint64_t mantissa = 0;
    int digits = 0;
    int exponent = 0;
    bool point = false;
    for (; at < number.size(); ++at) {
        const char ch = number[at];
        if (ch == '.') {
            point = true;
            continue;
        }
        if (!IsDigit(ch)) {
            break;  // the exponent
        }
        if (mantissa != 0 || ch != '0') {
            if (++digits > 19) {
                return std::nullopt;
            }
        }
        mantissa = mantissa * 10 + static_cast<unsigned>(ch - '0');
        exponent -= point ? 1 : 0;
    }
    if (at < number.size()) {  // "e", an optional sign and digits, as LeadingDecimal found them
        int written = 0;
        const bool negativeExponent = number[at + 1] == '-';
        for (size_t e = at + (number[at + 1] == '-' || number[at + 1] == '+' ? 2 : 1);
             e < number.size(); ++e) {
            if (written > 1000) {
                return std::nullopt;
            }
            written = written * 10 + (number[e] - '0');
        }
        exponent += negativeExponent ? -written : written;
    }
    return ExactDecimal(mantissa, exponent, negative);
}

}  // namespace

double ConvertAtof(std::string_view value) {
    std::string_view number = LeadingDecimal(value);
    if (number.empty()) {
        return 0.0;
    }
    if (const std::optional<double> exact = ExactSmallDecimal(number)) {
        return *exact;
    }
    // from_chars gives the same correctly rounded double as strtod, several times faster (the
    // analysis state holds some eighty values), but takes no "+".
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    double parsed = 0.0;
    const std::from_chars_result result =
        std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (result.ec == std::errc()) {
        return parsed;
    }
    // Out of range: strtod's answer (an infinity, or a value that underflows towards 0), in the
    // "C" locale whatever locale the user interface runs under.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(std::string(number).c_str(), nullptr, cLocale);
}

std::int32_t ConvertAtoi(std::string_view value) {
    size_t at = 0;
    while (at < value.size() && (value[at] == ' ' || (value[at] >= '\t' && value[at] <= '\r'))) {
        ++at;
    }
    const bool negative = at < value.size() && value[at] == '-';
    if (at < value.size() && (value[at] == '+' || value[at] == '-')) {
        ++at;
    }
    // strtol, which atoi and atol use, saturates at the range of a 64-bit long.
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    for (; at < value.size() && IsDigit(value[at]); ++at) {
        const unsigned digit = static_cast<unsigned>(value[at] - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    const std::uint64_t bits = negative ? ~magnitude + 1 : magnitude;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
}

void ConvertHex(std::string_view value, std::uint32_t& member) {
    // Rare (one value a load), so sscanf itself reads it, from a zero-terminated copy.
    const std::string text(value);
    unsigned int parsed = 0;
    if (std::sscanf(text.c_str(), "%x", &parsed) == 1) {
        member = parsed;
    }
}

std::string_view TrimWhiteSpace(std::string_view text) {
    const auto isWhiteSpace = [](char ch) {
        return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
    };
    while (!text.empty() && isWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

CString ConvertText(std::string_view value) {
    return CString(ToUtf8(value));
}
