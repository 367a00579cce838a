#include "platform/base/ctime.h"

#include <cstddef>
#include <ctime>
#include <limits>

#include "platform/base/clock.h"

CTime CTime::GetCurrentTime() {
    return CTime(Clock::Now());
}

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
    // The patterns are the callers' own literals, passed through.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    return static_cast<int>(std::strftime(buffer, kFormatMax, pattern, &local));
#pragma GCC diagnostic pop
}

void CTime::AppendFormat(CString& text, const char* pattern) const {
    char buffer[kFormatMax];
    text.Append(buffer, WriteFormat(buffer, pattern));
}

void CTime::AppendFormat(TextWriter& text, const char* pattern) const {
    char* const room = text.Room(kFormatMax);
    text.Advance(WriteFormat(room, pattern));
}
