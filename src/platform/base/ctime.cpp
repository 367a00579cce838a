#include "platform/base/ctime.h"

#include <ctime>
#include <limits>
#include <optional>
#include <utility>

#include "platform/base/clock.h"

CTime CTime::GetCurrentTime() {
    return CTime(Clock::Now());
}

namespace {

char* PutTwoDigits(char* at, int value) {
    *at++ = static_cast<char>('0' + value / 10);
    *at++ = static_cast<char>('0' + value % 10);
    return at;
}

// The patterns the program uses ("%Y/%m/%d %H:%M:%S" and its kind) written without strftime,
// which costs as much as all the rest of a CSV line; nothing when the pattern holds another
// conversion or the year is not four digits, and strftime then writes it.
std::optional<CString> FormatDirectly(const char* pattern, const struct tm& local) {
    const int year = local.tm_year + 1900;
    if (year < 1000 || year > 9999) {
        return std::nullopt;
    }
    char text[128];
    char* at = text;
    for (const char* p = pattern; *p; ++p) {
        if (at + 4 > text + sizeof text) {
            return std::nullopt;
        }
        if (*p != '%') {
            *at++ = *p;
            continue;
        }
        switch (*++p) {
            case 'Y':
                at = PutTwoDigits(PutTwoDigits(at, year / 100), year % 100);
                break;
            case 'm':
                at = PutTwoDigits(at, local.tm_mon + 1);
                break;
            case 'd':
                at = PutTwoDigits(at, local.tm_mday);
                break;
            case 'H':
                at = PutTwoDigits(at, local.tm_hour);
                break;
            case 'M':
                at = PutTwoDigits(at, local.tm_min);
                break;
            case 'S':
                at = PutTwoDigits(at, local.tm_sec);
                break;
            default:
                return std::nullopt;
        }
    }
    return CString(text, static_cast<int>(at - text));
}

}  // namespace

CString CTime::Format(const char* pattern) const {
    if (m_time < std::numeric_limits<time_t>::min() ||
        m_time > std::numeric_limits<time_t>::max()) {
        return CString();
    }
    const time_t t = static_cast<time_t>(m_time);
    struct tm local {};
    if (!localtime_r(&t, &local)) {
        return CString();
    }
    if (std::optional<CString> text = FormatDirectly(pattern, local);
        text && text->GetLength() < 128) {
        return std::move(*text);
    }
    char buffer[128];
    // The patterns are the callers' own literals, passed through.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const size_t n = std::strftime(buffer, sizeof buffer, pattern, &local);
#pragma GCC diagnostic pop
    return CString(buffer, static_cast<int>(n));
}
