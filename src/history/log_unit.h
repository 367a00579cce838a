// One work unit as the CSV log recorded it: the columns the history shows.
#pragma once

#include <cstdint>
#include <limits>

#include "platform/base/cstring.h"

// A "Time(UT)" column left empty: the unit's recording date was missing or out of range.
inline constexpr std::int64_t kNoTime = std::numeric_limits<std::int64_t>::min();

struct LogUnit {
    std::int64_t logged = 0;          // "Update": local wall-clock seconds (history/log_calendar.h)
    std::int64_t recorded = kNoTime;  // "Time(UT)": seconds since 1970 UT
    CString name;
    double start_ra = 0.0;   // hours
    double start_dec = 0.0;  // degrees
    double end_ra = 0.0;
    double end_dec = 0.0;
    double prog = 0.0;  // 0..1
    double cpu = 0.0;   // seconds
    double bg_score = 0.0;
    double bg_power = 0.0;
    int line = 0;  // where in the file, from 1
};
