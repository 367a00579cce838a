// The log's dates as numbers, checked against the C library's calendar, and the week boundary.
#include <gtest/gtest.h>

#include <time.h>

#include <cstdio>

#include <vector>

#include "export/export_test_support.h"
#include "history/log_calendar.h"

namespace {

TEST(LogCalendar, DatesAgreeWithTheCLibraryBothWays) {
    // Every 7 hours 13 minutes from 1970 to 2100, then every 97 days and a bit over the years 1
    // to 9999 the log's form can hold: gmtime is the reference.
    std::vector<std::int64_t> times;
    for (std::int64_t t = 0; t < 4102444800; t += 7 * 3600 + 13 * 60 + 7) {
        times.push_back(t);
    }
    for (std::int64_t t = -62135596800; t < 253402300800; t += 97 * 86400 + 3607) {
        times.push_back(t);
    }
    for (const std::int64_t t : times) {
        const time_t seconds = static_cast<time_t>(t);
        tm ut{};
        gmtime_r(&seconds, &ut);
        char text[80];
        snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", ut.tm_year + 1900,
                 ut.tm_mon + 1, ut.tm_mday, ut.tm_hour, ut.tm_min, ut.tm_sec);
        ASSERT_EQ(ParseLogTime(text), t) << text;
        ASSERT_EQ(FormatLogTime(t), text);
    }
    EXPECT_EQ(ParseLogTime("1999/12/31 23:59:60"), 946684800);  // a leap second, as strftime
    EXPECT_EQ(ParseLogTime("2024/02/29 00:00:00"), 1709164800);
    for (const char* bad :
         {"2023/02/29 00:00:00", "2024/13/01 00:00:00", "2024/04/31 00:00:00",
          "2024/01/01 24:00:00", "2024/01/01 00:60:00", "2024/1/01 00:00:00", "2024/01/01T00:00:00",
          "2024/01/01 00:00:00 ", "0000/01/01 00:00:00", "２０２４/01/01 00:00:00", ""}) {
        EXPECT_FALSE(ParseLogTime(bad)) << bad;
    }
}

TEST(LogCalendar, WeeksStartOnMondayAtMidnightOfTheWallClock) {
    // 2024-01-01 was a Monday: 19723 days after 1970-01-01, (19723 + 3) / 7 = 2818.
    const std::int64_t monday = *ParseLogTime("2024/01/01 00:00:00");
    EXPECT_EQ(WeekIndex(monday), 2818);
    EXPECT_EQ(WeekIndex(monday - 1), 2817);  // Sunday 23:59:59
    EXPECT_EQ(WeekIndex(*ParseLogTime("2024/01/07 23:59:59")), 2818);
    EXPECT_EQ(WeekStart(2818), monday);
    EXPECT_EQ(WeekIndex(*ParseLogTime("1969/12/29 00:00:00")), 0);
    EXPECT_EQ(WeekIndex(*ParseLogTime("1969/12/28 23:59:59")), -1);

    // The wall clock is the zone's: Tokyo is 9 hours ahead of UT, all year.
    export_test::ScopedTimeZone tokyo("Asia/Tokyo");
    EXPECT_EQ(LocalWallClock(monday - 9 * 3600), monday);
}

}  // namespace
