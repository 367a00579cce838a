#include "history/log_calendar.h"

#include <ctime>

namespace {

constexpr std::int64_t kSecondsPerWeek = 7 * kSecondsPerDay;
// 1970-01-01 was a Thursday: the Monday that starts week 0 lies 3 days before it.
constexpr std::int64_t kWeekOffset = 3 * kSecondsPerDay;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1970-01-01 of a Gregorian date of year 1 or later, in whole numbers: a log of many
// lines reads a date on each of them.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const int y = year - (month <= 2);
    const int era = y / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

// The Gregorian date of a day counted from 1970-01-01: DaysFromCivil's inverse, in whole
// numbers too.
void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    const std::int64_t shifted = days + 719468;
    const std::int64_t era = FloorDiv(shifted, 146097);
    const std::int64_t dayOfEra = shifted - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::int64_t SecondsOf(int year, int month, int day, int hour, int minute, int second) {
    return DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

}  // namespace

std::optional<std::int64_t> ParseLogTime(std::string_view text) {
    // YYYY/MM/DD HH:MM:SS. A long log reads three on each line: the fourteen digits are taken
    // together, and checked once.
    if (text.size() != 19 || text[4] != '/' || text[7] != '/' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    static constexpr size_t kDigitAt[14] = {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18};
    int d[14];
    bool digits = true;
    for (size_t i = 0; i < 14; ++i) {
        d[i] = static_cast<unsigned char>(text[kDigitAt[i]]) - '0';
        digits &= d[i] >= 0 && d[i] <= 9;
    }
    if (!digits) {
        return std::nullopt;
    }
    const int year = d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3];
    const int month = d[4] * 10 + d[5];
    const int day = d[6] * 10 + d[7];
    const int hour = d[8] * 10 + d[9];
    const int minute = d[10] * 10 + d[11];
    const int second = d[12] * 10 + d[13];
    // strftime writes 60 for a leap second; a day past the month's end is no date.
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour > 23 || minute > 59 || second > 60) {
        return std::nullopt;
    }
    return SecondsOf(year, month, day, hour, minute, second);
}

CString FormatLogTime(std::int64_t seconds) {
    const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
    const std::int64_t inDay = seconds - days * kSecondsPerDay;
    int year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(days, year, month, day);
    CString text;
    text.Format("%04d/%02d/%02d %02d:%02d:%02d", year, month, day, static_cast<int>(inDay / 3600),
                static_cast<int>(inDay % 3600 / 60), static_cast<int>(inDay % 60));
    return text;
}

std::int64_t LocalWallClock(std::int64_t utcSeconds) {
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    if (!localtime_r(&t, &local) || local.tm_year + 1900 < 1) {
        return utcSeconds;
    }
    return SecondsOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min, local.tm_sec);
}

std::int64_t WeekIndex(std::int64_t wallClockSeconds) {
    return FloorDiv(wallClockSeconds + kWeekOffset, kSecondsPerWeek);
}

std::int64_t WeekStart(std::int64_t weekIndex) {
    return weekIndex * kSecondsPerWeek - kWeekOffset;
}
