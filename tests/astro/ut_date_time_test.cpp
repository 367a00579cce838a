#include "astro/ut_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "export/export_test_support.h"
#include "platform/base/clock.h"

namespace {

constexpr std::int64_t kDay = 86400;
constexpr char kMarked[] = "1999/09/09 09:09:09";

// The date and time as the pages print them.
std::string Text(const UtDateTime& t) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return buffer;
}

// The C library's reading of the same second, as the reference.
std::string GmText(std::int64_t unixSeconds) {
    const time_t t = static_cast<time_t>(unixSeconds);
    struct tm ut {};
    gmtime_r(&t, &ut);
    char buffer[64];
    std::strftime(buffer, sizeof buffer, "%Y/%m/%d %H:%M:%S", &ut);
    return buffer;
}

// Midnight UT of a date, through the C library's timegm.
std::int64_t UnixSeconds(int year, int month, int day) {
    struct tm ut {};
    ut.tm_year = year - 1900;
    ut.tm_mon = month - 1;
    ut.tm_mday = day;
    return static_cast<std::int64_t>(timegm(&ut));
}

double JulianDate(double unixSeconds) {
    return unixSeconds / 86400.0 + 2440587.5;
}

// A set object with a recognisable value, to see that failed sets leave it alone.
UtDateTime Marked() {
    UtDateTime t{};
    EXPECT_TRUE(t.SetDateTime(1999, 9, 9, 9, 9, 9));
    return t;
}

// Both conversions of a day number against the date gmtime gives for that day (MJD 40587 is
// 1970-01-01), for every day the pages accept and for the largest day number, which must convert
// without overflow. Julian dates through each day are rounded to the nearest second, the last
// one carried into the next day; the accepted years are judged by the second shown.
TEST(UtDateTimeCalendar, EveryDayFrom1984To2049MatchesTheCLibrary) {
    const auto checkDay = [](int mjd) {
        const time_t t = static_cast<time_t>((mjd - std::int64_t{40587}) * kDay);
        struct tm ut {};
        ASSERT_NE(gmtime_r(&t, &ut), nullptr);
        int year = 0;
        int month = 0;
        int day = 0;
        UtDateTime::DateFromMjd(year, month, day, mjd);
        ASSERT_EQ(std::make_pair(year * 100 + month, day),
                  std::make_pair((ut.tm_year + 1900) * 100 + ut.tm_mon + 1, ut.tm_mday))
            << mjd;
        ASSERT_EQ(UtDateTime::MjdFromDate(ut.tm_year + 1900, ut.tm_mon + 1, ut.tm_mday), mjd);
    };
    // Seconds into the day, and the second each is shown as.
    const std::pair<double, int> times[] = {{0, 0},           {1, 1},          {10.4, 10},
                                            {10.6, 11},       {45296, 45296},  {86399, 86399},
                                            {86399.4, 86399}, {86399.6, 86400}};
    const std::int64_t end = UnixSeconds(2050, 1, 1);
    for (std::int64_t s = UnixSeconds(1984, 1, 1); s < end; s += kDay) {
        checkDay(static_cast<int>(s / kDay + 40587));
        for (const auto& [time, shown] : times) {
            UtDateTime t = Marked();
            ASSERT_EQ(t.SetJulianDate(JulianDate(s + time)), s + shown < end) << GmText(s);
            ASSERT_EQ(Text(t), s + shown < end ? GmText(s + shown) : kMarked);
        }
    }
    checkDay(std::numeric_limits<int>::max());
}

// The hand-worked epoch of Julian dates, the lower bound, and values no client file should hold:
// 0 is a key never read, the others what atof makes of damaged text. The last two would wrap
// into 1984..2049 if the year were narrowed to 16 bits before it was checked. A refused date
// leaves the object as it was.
TEST(UtDateTimeJulian, AcceptsOnlyDatesFrom1984To2049) {
    const double jan1984 = JulianDate(UnixSeconds(1984, 1, 1));
    UtDateTime t = Marked();
    EXPECT_TRUE(t.SetJulianDate(2451545.0));
    EXPECT_EQ(Text(t), "2000/01/01 12:00:00");
    EXPECT_TRUE(t.SetJulianDate(jan1984 - 0.4 / 86400));
    EXPECT_EQ(Text(t), "1984/01/01 00:00:00");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double max = std::numeric_limits<double>::max();
    const double mjd0 = 2400000.5;
    for (double jd :
         {jan1984 - 1.0 / 86400, 0.0, -1.0, mjd0, nan, -nan, inf, -inf, max, -max,
          mjd0 + 2147483647.9, mjd0 - 2147483648.0, mjd0 + 1e9, mjd0 + 999999999.99,
          mjd0 - 999999999.99, 2451544.5 + 65536.0 * 365.25, 2451544.5 + 65536.0 * 365.2425}) {
        t = Marked();
        EXPECT_FALSE(t.SetJulianDate(jd)) << jd;
        EXPECT_EQ(Text(t), kMarked) << jd;
    }
}

// Seconds and days beyond their range fold into the calendar; months, hours and minutes beyond
// theirs, and years outside 1984..2049, are refused without change.
TEST(UtDateTimeSet, FoldsOverflowingSecondsAndDaysAndRefusesOtherFields) {
    struct Fields {
        std::uint16_t year;
        std::int8_t month, day, hour, minute, second;
    };
    const std::pair<Fields, const char*> cases[] = {
        {{1999, 12, 31, 23, 59, 60}, "2000/01/01 00:00:00"},
        {{2000, 1, 1, 0, 0, -1}, "1999/12/31 23:59:59"},
        {{2000, 3, 0, 12, 0, 0}, "2000/02/29 12:00:00"},
        {{2001, 3, 0, 12, 0, 0}, "2001/02/28 12:00:00"},
        {{2000, 12, 32, 0, 0, 0}, "2001/01/01 00:00:00"},
        {{2049, 12, 31, 23, 59, 59}, "2049/12/31 23:59:59"},
        {{1984, 1, 1, 0, 0, 0}, "1984/01/01 00:00:00"},
        {{1983, 12, 31, 0, 0, 0}, nullptr},
        {{2050, 1, 1, 0, 0, 0}, nullptr},
        {{2000, 0, 1, 0, 0, 0}, nullptr},
        {{2000, 13, 1, 0, 0, 0}, nullptr},
        {{2000, 1, 1, 24, 0, 0}, nullptr},
        {{2000, 1, 1, -1, 0, 0}, nullptr},
        {{2000, 1, 1, 0, 60, 0}, nullptr},
        {{2000, 1, 1, 0, -1, 0}, nullptr},
    };
    for (const auto& [f, shown] : cases) {
        UtDateTime t = Marked();
        EXPECT_EQ(t.SetDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second), !!shown);
        EXPECT_EQ(Text(t), shown ? shown : kMarked)
            << f.year << "-" << +f.month << "-" << +f.day << " " << +f.hour << ":" << +f.minute;
    }
}

TEST(UtDateTimeSet, NormalizeTimeFoldsAnyExtraSeconds) {
    const int intMax = std::numeric_limits<int>::max();
    const int intMin = std::numeric_limits<int>::min();
    // Worked out by hand: 24855 days are 2147472000 seconds.
    const struct {
        int hour, minute, second, extra, days, foldedHour, foldedMinute, foldedSecond;
    } cases[] = {
        {23, 59, 59, 1, 1, 0, 0, 0},           {0, 0, 0, -1, -1, 23, 59, 59},
        {0, 0, 0, -86401, -2, 23, 59, 59},     {0, 0, 0, intMax, 24855, 3, 14, 7},
        {23, 59, 59, intMax, 24856, 3, 14, 6}, {0, 0, 0, intMin, -24856, 20, 45, 52},
        {-128, -128, -128, 0, -6, 13, 49, 52}, {127, 127, 127, 0, 5, 9, 9, 7},
    };
    for (const auto& c : cases) {
        std::int8_t h = static_cast<std::int8_t>(c.hour);
        std::int8_t m = static_cast<std::int8_t>(c.minute);
        std::int8_t s = static_cast<std::int8_t>(c.second);
        EXPECT_EQ(UtDateTime::NormalizeTime(h, m, s, c.extra), c.days) << c.extra;
        EXPECT_EQ(std::make_tuple(+h, +m, +s),
                  std::make_tuple(c.foldedHour, c.foldedMinute, c.foldedSecond))
            << c.extra;
    }
}

// The clock is read in UT whatever the local zone; one no calendar can hold shows the epoch.
TEST(UtDateTimeNow, ReadsTheProgramClockInUt) {
    export_test::ScopedTimeZone japan("JST-9");
    UtDateTime t = Marked();
    Clock::Set(UnixSeconds(2040, 2, 29) + 45296);
    t.SetNow();
    EXPECT_EQ(Text(t), "2040/02/29 12:34:56");
    Clock::Set(std::numeric_limits<std::int64_t>::max());
    t.SetNow();
    EXPECT_EQ(Text(t), "1970/01/01 00:00:00");
    Clock::UseSystemClock();
}

}  // namespace
