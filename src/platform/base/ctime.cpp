#include "platform/base/ctime.h"

#include <cstddef>
#include <ctime>
#include <limits>

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
// which costs as much as all the rest of a CSV line: the length written, or 0 when the pattern
// holds another conversion, the year is not four digits or the text would not fit, and strftime
// then writes it.
size_t FormatDirectly(const char* pattern, const struct tm& local, char* text) {
    const int year = local.tm_year + 1900;
    if (year < 1000 || year > 9999) {
        return 0;
    }
    char* at = text;
    for (const char* p = pattern; *p; ++p) {
        if (at + 4 > text + CTime::kFormatMax) {
            return 0;
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
                return 0;
        }
    }
    return static_cast<size_t>(at - text);
}

}  // namespace

CString CTime::Format(const char* pattern) const {
    CString text;
    AppendFormat(text, pattern);
    return text;
}

int CTime::WriteFormat(char* buffer, const char* pattern) const {
    if (m_time < std::numeric_limits<time_t>::min() ||
        m_time > std::numeric_limits<time_t>::max()) {
        return 0;
    }
    const time_t t = static_cast<time_t>(m_time);
    struct tm local {};
    if (!localtime_r(&t, &local)) {
        return 0;
    }
    size_t n = FormatDirectly(pattern, local, buffer);
    if (n == 0) {
        // The patterns are the callers' own literals, passed through.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
        n = std::strftime(buffer, kFormatMax, pattern, &local);
#pragma GCC diagnostic pop
    }
    return static_cast<int>(n);
}

void CTime::AppendFormat(CString& text, const char* pattern) const {
    char buffer[kFormatMax];
    text.Append(buffer, WriteFormat(buffer, pattern));
}

void CTime::AppendFormat(TextWriter& text, const char* pattern) const {
    char* const room = text.Room(kFormatMax);
    text.Advance(WriteFormat(room, pattern));
}
