// Formatting shared by the pages: durations, elapsed times, local and UT dates.
#pragma once

#include <cstdint>
#include <optional>

#include "astro/ut_date_time.h"
#include "platform/base/cstring.h"
#include "platform/base/text_writer.h"

inline constexpr char kLocalSecondsPattern[] = "%Y/%m/%d %H:%M:%S";
inline constexpr char kLocalMinutesPattern[] = "%Y/%m/%d %H:%M";

// Writes "%d hr %02d min %02.3lf sec" for a duration in seconds.
void PutDuration(TextWriter& text, double seconds);
void AppendDuration(CString& text, double seconds);

// Writes the elapsed text of a whole-second count: days above one day, hours otherwise (so
// exactly one day and negative counts show in hours).
enum class ElapsedWording {
    kElapsed,       // " (%.3lf day 経過)" on the last-update line
    kAfterReceipt,  // " (受信から %.3lf day 経過後)" on the progress page
};
void PutElapsed(TextWriter& text, std::int64_t seconds, ElapsedWording wording);

// The six UT fields of a Julian date, widened for printf; nothing when UtDateTime refuses it.
struct UtFields {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};
std::optional<UtFields> UtFieldsOf(double julianDate);
