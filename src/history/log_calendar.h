// The log's times as numbers. The "Update" column is local wall-clock time written without its
// zone, so it is kept as written: seconds since 1970-01-01 00:00 of the same wall clock. Weeks
// and dates then come out as the user's calendar showed them, whatever daylight saving did.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/base/cstring.h"

inline constexpr std::int64_t kSecondsPerDay = 86400;

// "YYYY/MM/DD HH:MM:SS" (the form every date column of the log has) as seconds since
// 1970-01-01 00:00 of the same clock; nothing for any other text or an impossible date.
std::optional<std::int64_t> ParseLogTime(std::string_view text);

// The same form back from seconds.
CString FormatLogTime(std::int64_t seconds);

// The local wall-clock time of a calendar time (seconds since 1970 UTC).
std::int64_t LocalWallClock(std::int64_t utcSeconds);

// Weeks start on Monday 00:00; week 0 is the one holding 1970-01-01 (a Thursday).
std::int64_t WeekIndex(std::int64_t wallClockSeconds);
// The first second of a week.
std::int64_t WeekStart(std::int64_t weekIndex);
