#include "astro/ut_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>

#include "platform/base/clock.h"

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kUnixEpochMjd = 40587;  // 1970-01-01

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

std::int64_t UnixSeconds(int year, int month, int day, int hour = 0, int minute = 0,
                         int second = 0) {
    struct tm ut {};
    ut.tm_year = year - 1900;
    ut.tm_mon = month - 1;
    ut.tm_mday = day;
    ut.tm_hour = hour;
    ut.tm_min = minute;
    ut.tm_sec = second;
    return static_cast<std::int64_t>(timegm(&ut));
}

double JulianDate(std::int64_t unixSeconds) {
    return static_cast<double>(unixSeconds) / 86400.0 + 2440587.5;
}

// A set object with a recognisable value, to see that failed sets leave it alone.
UtDateTime Marked() {
    UtDateTime t{};
    EXPECT_TRUE(t.SetDateTime(1999, 9, 9, 9, 9, 9));
    return t;
}

TEST(UtDateTimeCalendar, MjdConversionsMatchTheCLibraryForEveryDay) {
    const std::int64_t first = UnixSeconds(1984, 1, 1);
    const std::int64_t end = UnixSeconds(2050, 1, 1);
    int days = 0;
    for (std::int64_t s = first; s < end; s += kDay, ++days) {
        const time_t t = static_cast<time_t>(s);
        struct tm ut {};
        ASSERT_NE(gmtime_r(&t, &ut), nullptr);
        const int mjd = static_cast<int>(s / kDay + kUnixEpochMjd);
        ASSERT_EQ(UtDateTime::MjdFromDate(ut.tm_year + 1900, ut.tm_mon + 1, ut.tm_mday), mjd)
            << GmText(s);
        int year = 0;
        int month = 0;
        int day = 0;
        UtDateTime::DateFromMjd(year, month, day, mjd);
        ASSERT_EQ(year, ut.tm_year + 1900) << mjd;
        ASSERT_EQ(month, ut.tm_mon + 1) << mjd;
        ASSERT_EQ(day, ut.tm_mday) << mjd;
    }
    EXPECT_EQ(days, 24107);
}

TEST(UtDateTimeCalendar, KnownDatesAndRollOver) {
    EXPECT_EQ(UtDateTime::MjdFromDate(2000, 1, 1), 51544);
    int year = 0;
    int month = 0;
    int day = 0;
    UtDateTime::DateFromMjd(year, month, day, 51544);
    EXPECT_EQ(year * 10000 + month * 100 + day, 20000101);
    // Day 0 is the previous month's last day; days past the end run on.
    EXPECT_EQ(UtDateTime::MjdFromDate(2000, 3, 0), UtDateTime::MjdFromDate(2000, 2, 29));
    EXPECT_EQ(UtDateTime::MjdFromDate(2001, 3, 0), UtDateTime::MjdFromDate(2001, 2, 28));
    EXPECT_EQ(UtDateTime::MjdFromDate(2000, 12, 32), UtDateTime::MjdFromDate(2001, 1, 1));
}

TEST(UtDateTimeCalendar, LargestDayNumberConvertsWithoutOverflow) {
    const int mjd = std::numeric_limits<int>::max();
    const time_t t = static_cast<time_t>((mjd - kUnixEpochMjd) * kDay);
    struct tm ut {};
    ASSERT_NE(gmtime_r(&t, &ut), nullptr);
    int year = 0;
    int month = 0;
    int day = 0;
    UtDateTime::DateFromMjd(year, month, day, mjd);
    EXPECT_EQ(year, ut.tm_year + 1900);
    EXPECT_EQ(month, ut.tm_mon + 1);
    EXPECT_EQ(day, ut.tm_mday);
    EXPECT_EQ(UtDateTime::MjdFromDate(ut.tm_year + 1900, ut.tm_mon + 1, ut.tm_mday), mjd);
}

TEST(UtDateTimeJulian, EveryDayAtSeveralTimesMatchesTheCLibrary) {
    const std::int64_t first = UnixSeconds(1984, 1, 1);
    const std::int64_t end = UnixSeconds(2050, 1, 1);
    const std::int64_t timesOfDay[] = {0, 1, 12 * 3600, 12 * 3600 + 34 * 60 + 56, kDay - 1};
    UtDateTime t{};
    for (std::int64_t midnight = first; midnight < end; midnight += kDay) {
        for (std::int64_t timeOfDay : timesOfDay) {
            const std::int64_t s = midnight + timeOfDay;
            ASSERT_TRUE(t.SetJulianDate(JulianDate(s))) << GmText(s);
            ASSERT_EQ(Text(t), GmText(s));
        }
    }
}

TEST(UtDateTimeJulian, NoonAndMidnightOfJanuaryFirst2000) {
    UtDateTime t = Marked();
    EXPECT_TRUE(t.SetJulianDate(2451545.0));
    EXPECT_EQ(Text(t), "2000/01/01 12:00:00");
    EXPECT_TRUE(t.SetJulianDate(2451544.5));
    EXPECT_EQ(Text(t), "2000/01/01 00:00:00");
}

TEST(UtDateTimeJulian, RoundsToTheNearestSecondAndCarriesIntoTheNextDay) {
    const double midnight = JulianDate(UnixSeconds(2003, 3, 1));
    UtDateTime t = Marked();
    EXPECT_TRUE(t.SetJulianDate(midnight - 0.4 / 86400));
    EXPECT_EQ(Text(t), "2003/03/01 00:00:00");
    EXPECT_TRUE(t.SetJulianDate(midnight - 0.6 / 86400));
    EXPECT_EQ(Text(t), "2003/02/28 23:59:59");
    EXPECT_TRUE(t.SetJulianDate(midnight + 10.6 / 86400));
    EXPECT_EQ(Text(t), "2003/03/01 00:00:11");
    EXPECT_TRUE(t.SetJulianDate(midnight + 10.4 / 86400));
    EXPECT_EQ(Text(t), "2003/03/01 00:00:10");
    // Across a leap day and a year end.
    EXPECT_TRUE(t.SetJulianDate(JulianDate(UnixSeconds(2004, 3, 1)) - 0.3 / 86400));
    EXPECT_EQ(Text(t), "2004/03/01 00:00:00");
    EXPECT_TRUE(t.SetJulianDate(JulianDate(UnixSeconds(2010, 1, 1)) - 0.3 / 86400));
    EXPECT_EQ(Text(t), "2010/01/01 00:00:00");
}

TEST(UtDateTimeJulian, AcceptsExactly1984Through2049) {
    UtDateTime t = Marked();
    EXPECT_TRUE(t.SetJulianDate(JulianDate(UnixSeconds(1984, 1, 1))));
    EXPECT_EQ(Text(t), "1984/01/01 00:00:00");
    EXPECT_TRUE(t.SetJulianDate(JulianDate(UnixSeconds(2049, 12, 31, 23, 59, 59))));
    EXPECT_EQ(Text(t), "2049/12/31 23:59:59");

    t = Marked();
    EXPECT_FALSE(t.SetJulianDate(JulianDate(UnixSeconds(1983, 12, 31, 23, 59, 59))));
    EXPECT_FALSE(t.SetJulianDate(JulianDate(UnixSeconds(2050, 1, 1))));
    // Judged by the second that would be shown.
    EXPECT_FALSE(t.SetJulianDate(JulianDate(UnixSeconds(2050, 1, 1)) - 0.4 / 86400));
    EXPECT_EQ(Text(t), "1999/09/09 09:09:09");
    EXPECT_TRUE(t.SetJulianDate(JulianDate(UnixSeconds(1984, 1, 1)) - 0.4 / 86400));
    EXPECT_EQ(Text(t), "1984/01/01 00:00:00");
}

TEST(UtDateTimeJulian, UnusableValuesChangeNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double max = std::numeric_limits<double>::max();
    // 0 is a key never read; the others are what atof makes of damaged text. The large ones
    // would wrap into 1984..2049 if the year were narrowed before it was checked.
    const double values[] = {0.0,
                             -1.0,
                             2400000.5,
                             nan,
                             -nan,
                             inf,
                             -inf,
                             max,
                             -max,
                             1e300,
                             -1e300,
                             2400000.5 + 2147483647.9,
                             2400000.5 - 2147483648.0,
                             2400000.5 + 1e9,
                             2400000.5 + 999999999.99,
                             2400000.5 - 999999999.99,
                             JulianDate(UnixSeconds(2000, 1, 1)) + 65536.0 * 365.25,
                             JulianDate(UnixSeconds(2000, 1, 1)) + 65536.0 * 365.2425};
    UtDateTime t = Marked();
    for (double jd : values) {
        EXPECT_FALSE(t.SetJulianDate(jd)) << jd;
        EXPECT_EQ(Text(t), "1999/09/09 09:09:09") << jd;
    }
}

TEST(UtDateTimeSet, FoldsSecondsAndDaysIntoTheCalendar) {
    UtDateTime t = Marked();
    EXPECT_TRUE(t.SetDateTime(1999, 12, 31, 23, 59, 60));
    EXPECT_EQ(Text(t), "2000/01/01 00:00:00");
    EXPECT_TRUE(t.SetDateTime(2000, 1, 1, 23, 59, 90));
    EXPECT_EQ(Text(t), "2000/01/02 00:00:30");
    EXPECT_TRUE(t.SetDateTime(2000, 1, 1, 0, 0, -1));
    EXPECT_EQ(Text(t), "1999/12/31 23:59:59");
    EXPECT_TRUE(t.SetDateTime(2000, 3, 0, 12, 0, 0));
    EXPECT_EQ(Text(t), "2000/02/29 12:00:00");
    EXPECT_TRUE(t.SetDateTime(2049, 12, 31, 23, 59, 59));
    EXPECT_EQ(Text(t), "2049/12/31 23:59:59");
    EXPECT_TRUE(t.SetDateTime(1984, 1, 1, 0, 0, 0));
    EXPECT_EQ(Text(t), "1984/01/01 00:00:00");
}

TEST(UtDateTimeSet, RejectsOutOfRangeFieldsWithoutChange) {
    struct Args {
        int year, month, day, hour, minute, second;
    };
    const Args rejected[] = {
        {1983, 12, 31, 0, 0, 0}, {2050, 1, 1, 0, 0, 0},  {0, 1, 1, 0, 0, 0},
        {65535, 1, 1, 0, 0, 0},  {2000, 0, 1, 0, 0, 0},  {2000, 13, 1, 0, 0, 0},
        {2000, -1, 1, 0, 0, 0},  {2000, 1, 1, 24, 0, 0}, {2000, 1, 1, -1, 0, 0},
        {2000, 1, 1, 0, 60, 0},  {2000, 1, 1, 0, -1, 0}};
    UtDateTime t = Marked();
    for (const Args& a : rejected) {
        EXPECT_FALSE(
            t.SetDateTime(static_cast<std::uint16_t>(a.year), static_cast<std::int8_t>(a.month),
                          static_cast<std::int8_t>(a.day), static_cast<std::int8_t>(a.hour),
                          static_cast<std::int8_t>(a.minute), static_cast<std::int8_t>(a.second)))
            << a.year << "-" << a.month << "-" << a.day << " " << a.hour << ":" << a.minute;
        EXPECT_EQ(Text(t), "1999/09/09 09:09:09");
    }
}

TEST(UtDateTimeSet, NormalizeTimeFoldsAnyExtraSeconds) {
    struct Case {
        int hour, minute, second, extra;
        int days, foldedHour, foldedMinute, foldedSecond;
    };
    const int intMax = std::numeric_limits<int>::max();
    const int intMin = std::numeric_limits<int>::min();
    // Expected values worked out by hand (24855 days are 2147472000 seconds).
    const Case cases[] = {
        {23, 59, 59, 1, 1, 0, 0, 0},           {0, 0, 0, -1, -1, 23, 59, 59},
        {0, 0, 0, -86401, -2, 23, 59, 59},     {0, 0, 0, intMax, 24855, 3, 14, 7},
        {23, 59, 59, intMax, 24856, 3, 14, 6}, {0, 0, 0, intMin, -24856, 20, 45, 52},
        {-128, -128, -128, 0, -6, 13, 49, 52}, {127, 127, 127, 0, 5, 9, 9, 7},
    };
    for (const Case& c : cases) {
        std::int8_t h = static_cast<std::int8_t>(c.hour);
        std::int8_t m = static_cast<std::int8_t>(c.minute);
        std::int8_t s = static_cast<std::int8_t>(c.second);
        EXPECT_EQ(UtDateTime::NormalizeTime(h, m, s, c.extra), c.days) << c.extra;
        EXPECT_EQ(h * 10000 + m * 100 + s,
                  c.foldedHour * 10000 + c.foldedMinute * 100 + c.foldedSecond)
            << c.extra;
    }
}

class UtDateTimeNow : public ::testing::Test {
protected:
    void TearDown() override { Clock::UseSystemClock(); }
};

TEST_F(UtDateTimeNow, ReadsTheProgramClockInUt) {
    UtDateTime t{};
    Clock::Set(UnixSeconds(2040, 2, 29, 12, 34, 56));
    t.SetNow();
    EXPECT_EQ(Text(t), "2040/02/29 12:34:56");
    for (std::int64_t s : {UnixSeconds(2038, 1, 19, 3, 14, 8), std::int64_t{0}}) {
        Clock::Set(s);
        t.SetNow();
        EXPECT_EQ(Text(t), GmText(s));
    }
    // A key never read (0) leaves the current time in place.
    Clock::Set(UnixSeconds(2005, 6, 7, 8, 9, 10));
    t.SetNow();
    EXPECT_FALSE(t.SetJulianDate(0.0));
    EXPECT_EQ(Text(t), "2005/06/07 08:09:10");
}

TEST_F(UtDateTimeNow, AClockBeyondAnyCalendarShowsTheEpoch) {
    UtDateTime t = Marked();
    Clock::Set(std::numeric_limits<std::int64_t>::max());
    t.SetNow();
    EXPECT_EQ(Text(t), "1970/01/01 00:00:00");
}

}  // namespace
