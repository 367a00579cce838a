#include "astro/ut_date_time.h"

#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>

#include "platform/base/clock.h"

namespace {

constexpr double kMjdOffset = 2400000.5;
constexpr int kSecondsPerDay = 86400;
constexpr double kSecondsPerDayD = 86400.0;
constexpr std::int64_t kJdnOffset = 2400001;
constexpr double kGregorianOrigin = 1867216.25;
constexpr double kInvDaysPerCentury = 2.7379070069885075e-05;  // 1 / 36524.25
constexpr std::int64_t kGregorianOffset = 1525;
constexpr double kMonthCountOrigin = 122.1;
constexpr double kInvDaysPerYear = 0.0027378507871321013;  // 1 / 365.25
constexpr double kDaysPerYear = 365.25;
constexpr double kInvDaysPerMonth = 0.03267963176590926;  // 1 / 30.6001
constexpr double kDaysPerMonth = 30.6001;
constexpr std::int64_t kMjdFromDateOffset = 679004;
constexpr int kFirstYear = 1984;
constexpr int kLastYear = 2049;
constexpr double kFarDays = 1e9;

// Truncation toward zero; every caller keeps the value well inside the int64 range.
std::int64_t Trunc(double value) {
    return static_cast<std::int64_t>(value);
}

}  // namespace

void UtDateTime::SetNow() {
    const std::int64_t now = Clock::Now();
    struct tm ut {};
    const bool fits =
        now >= std::numeric_limits<time_t>::min() && now <= std::numeric_limits<time_t>::max();
    const time_t t = fits ? static_cast<time_t>(now) : 0;
    if (!fits || !gmtime_r(&t, &ut)) {
        // A clock no calendar can hold shows the epoch rather than leaving the fields unset.
        const time_t epoch = 0;
        gmtime_r(&epoch, &ut);
    }
    year = static_cast<std::uint16_t>(ut.tm_year + 1900);
    month = static_cast<std::int8_t>(ut.tm_mon + 1);
    day = static_cast<std::int8_t>(ut.tm_mday);
    hour = static_cast<std::int8_t>(ut.tm_hour);
    minute = static_cast<std::int8_t>(ut.tm_min);
    second = static_cast<std::int8_t>(ut.tm_sec);
}

bool UtDateTime::SetDateTime(std::uint16_t newYear, std::int8_t newMonth, std::int8_t newDay,
                             std::int8_t newHour, std::int8_t newMinute, std::int8_t newSecond) {
    if (!IsValidDateTime(newYear, newMonth, newDay, newHour, newMinute, newSecond)) {
        return false;
    }
    const int carry = NormalizeTime(newHour, newMinute, newSecond, 0);
    int y = 0;
    int m = 0;
    int d = 0;
    DateFromMjd(y, m, d, MjdFromDate(newYear, newMonth, newDay) + carry);
    year = static_cast<std::uint16_t>(y);
    month = static_cast<std::int8_t>(m);
    day = static_cast<std::int8_t>(d);
    hour = newHour;
    minute = newMinute;
    second = newSecond;
    return true;
}

bool UtDateTime::SetJulianDate(double jd) {
    const double x = jd - kMjdOffset;
    // Values come from client files through atof: refuse NaN, infinities and day numbers far
    // beyond any accepted year before truncating, so the day count always fits an int.
    if (!(std::fabs(x) < kFarDays)) {
        return false;
    }
    int mjd = static_cast<int>(x);
    const double f = (x - mjd) * kSecondsPerDayD;
    int s = static_cast<int>(f);
    if (f - s >= 0.5) {
        ++s;
    }
    // Rounding up to a full day starts the next day, so the time never reads 24:00:00.
    if (s >= kSecondsPerDay) {
        s -= kSecondsPerDay;
        ++mjd;
    }
    int y = 0;
    int m = 0;
    int d = 0;
    DateFromMjd(y, m, d, mjd);
    // Checked on the full year: narrowed to 16 bits first, a far year could wrap into range.
    if (y < kFirstYear || y > kLastYear) {
        return false;
    }
    // A date from its day number and a second of the day: nothing for SetDateTime to fold.
    year = static_cast<std::uint16_t>(y);
    month = static_cast<std::int8_t>(m);
    day = static_cast<std::int8_t>(d);
    hour = static_cast<std::int8_t>(s / 3600);
    minute = static_cast<std::int8_t>(s % 3600 / 60);
    second = static_cast<std::int8_t>(s % 60);
    return true;
}

bool UtDateTime::IsValidDateTime(std::uint16_t year, std::int8_t month, std::int8_t /*day*/,
                                 std::int8_t hour, std::int8_t minute, std::int8_t /*second*/) {
    // Day and second are folded by SetDateTime rather than refused.
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && hour >= 0 &&
           hour <= 23 && minute >= 0 && minute <= 59;
}

int UtDateTime::NormalizeTime(std::int8_t& hour, std::int8_t& minute, std::int8_t& second,
                              int extraSeconds) {
    // 64 bits so that any extra seconds fold without overflow. (The three fields are read here
    // and written back below: cppcheck takes the reference parameters for locals.)
    // cppcheck-suppress redundantAssignment
    const std::int64_t total =
        std::int64_t{extraSeconds} + second + 60 * (minute + std::int64_t{60} * hour);
    std::int64_t days = total / kSecondsPerDay;
    std::int64_t rest = total % kSecondsPerDay;
    if (rest < 0) {
        --days;
        rest += kSecondsPerDay;
    }
    hour = static_cast<std::int8_t>(rest / 3600);
    minute = static_cast<std::int8_t>(rest % 3600 / 60);
    second = static_cast<std::int8_t>(rest % 60);
    return static_cast<int>(days);
}

int UtDateTime::MjdFromDate(int year, int month, int day) {
    // 64 bits inside so that no int argument overflows; dates in use give the same result.
    const std::int64_t k = (14 - std::int64_t{month}) / 12;
    const std::int64_t y = year - k;
    const std::int64_t m = std::int64_t{month} + 1 + 12 * k;
    const std::int64_t mjd = Trunc(kDaysPerYear * static_cast<double>(y)) +
                             Trunc(kDaysPerMonth * static_cast<double>(m)) + y / 400 - y / 100 +
                             day - kMjdFromDateOffset;
    return static_cast<int>(mjd);
}

void UtDateTime::DateFromMjd(int& year, int& month, int& day, int mjd) {
    const std::int64_t z = mjd + kJdnOffset;
    const std::int64_t alpha =
        Trunc((static_cast<double>(z) - kGregorianOrigin) * kInvDaysPerCentury);
    const std::int64_t b = z + alpha - alpha / 4 + kGregorianOffset;
    const std::int64_t c = Trunc((static_cast<double>(b) - kMonthCountOrigin) * kInvDaysPerYear);
    const std::int64_t d = Trunc(kDaysPerYear * static_cast<double>(c));
    const std::int64_t e = Trunc(static_cast<double>(b - d) * kInvDaysPerMonth);
    day = static_cast<int>(b - d - Trunc(kDaysPerMonth * static_cast<double>(e)));
    month = static_cast<int>(e <= 13 ? e - 1 : e - 13);
    year = static_cast<int>(month > 2 ? c - 4716 : c - 4715);
}
