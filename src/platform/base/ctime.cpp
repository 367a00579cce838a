#include "platform/base/ctime.h"

#include <ctime>
#include <limits>

#include "platform/base/clock.h"

CTime CTime::GetCurrentTime() {
    return CTime(Clock::Now());
}

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
    char buffer[128];
    // The patterns are the callers' own literals, passed through.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const size_t n = std::strftime(buffer, sizeof buffer, pattern, &local);
#pragma GCC diagnostic pop
    return CString(buffer, static_cast<int>(n));
}
