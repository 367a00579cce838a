// Shared by the page tests: a fixed time zone, times written as dates, a column's lines.
#pragma once

#include <time.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "export/export_test_support.h"
#include "platform/base/cstring.h"

namespace page_test {

// Japan Standard Time (UTC+9, no summer time) for the life of the object.
struct TokyoTime : export_test::ScopedTimeZone {
    TokyoTime() : ScopedTimeZone("JST-9") {}
};

// Seconds since 1970 of a date and time in Tokyo, through the C library's timegm.
inline std::int64_t Jst(int year, int month, int day, int hour, int minute, int second) {
    struct tm t {};
    t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day;
    t.tm_hour = hour, t.tm_min = minute, t.tm_sec = second;
    return static_cast<std::int64_t>(timegm(&t)) - 9 * 3600;
}

inline std::vector<std::string> Lines(const CString& column) {
    std::vector<std::string> lines;
    std::istringstream in(column.str());
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace page_test
