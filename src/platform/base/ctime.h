// CTime: a calendar time, seconds since 1970-01-01 00:00 UTC, in 64 bits so that dates after
// January 2038 stay right.
#pragma once

#include <cstdint>

#include "platform/base/cstring.h"
#include "platform/base/text_writer.h"

class CTimeSpan {
public:
    constexpr CTimeSpan() = default;
    constexpr explicit CTimeSpan(std::int64_t seconds) : m_seconds(seconds) {}
    constexpr std::int64_t GetTotalSeconds() const { return m_seconds; }

private:
    std::int64_t m_seconds = 0;
};

class CTime {
public:
    constexpr CTime() = default;
    constexpr explicit CTime(std::int64_t secondsSince1970) : m_time(secondsSince1970) {}

    // The current time of the program's clock (platform/base/clock.h).
    static CTime GetCurrentTime();

    constexpr std::int64_t GetTime() const { return m_time; }

    // Local time through strftime into a 128-byte buffer; empty when the time can't be
    // converted or the text does not fit.
    CString Format(const char* pattern) const;
    // The same text appended to text, which saves a line built of many parts a string of its own.
    void AppendFormat(CString& text, const char* pattern) const;
    void AppendFormat(TextWriter& text, const char* pattern) const;
    static constexpr int kFormatMax = 128;

    friend constexpr CTimeSpan operator-(const CTime& a, const CTime& b) {
        return CTimeSpan(a.m_time - b.m_time);
    }
    friend constexpr bool operator==(const CTime& a, const CTime& b) {
        return a.m_time == b.m_time;
    }
    friend constexpr bool operator!=(const CTime& a, const CTime& b) {
        return a.m_time != b.m_time;
    }

private:
    // The local-time text into buffer (kFormatMax bytes); returns its length, 0 when there is none.
    int WriteFormat(char* buffer, const char* pattern) const;

    std::int64_t m_time = 0;
};
