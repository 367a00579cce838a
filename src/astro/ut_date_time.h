// UtDateTime: a UT calendar date and time, set from the clock or from a Julian date.
#pragma once

#include <cstdint>

class UtDateTime {
public:
    // Members are public; callers format them directly. Nothing sets them until SetNow.
    std::uint16_t year;
    std::int8_t month;
    std::int8_t day;
    std::int8_t hour;
    std::int8_t minute;
    std::int8_t second;

    // The current UT date and time from the program's clock.
    void SetNow();

    // Validates, folds overflowing time of day into days and stores; an invalid set changes
    // nothing. Returns whether the set was accepted.
    bool SetDateTime(std::uint16_t year, std::int8_t month, std::int8_t day, std::int8_t hour,
                     std::int8_t minute, std::int8_t second);

    // Sets the object from a Julian date (UT), to the nearest whole second. A date outside the
    // accepted years (1984..2049), or no number at all, changes nothing. Returns whether the date
    // was accepted.
    bool SetJulianDate(double jd);

    static bool IsValidDateTime(std::uint16_t year, std::int8_t month, std::int8_t day,
                                std::int8_t hour, std::int8_t minute, std::int8_t second);

    // Folds hour:minute:second plus extra seconds into 0..86399 seconds of the day, writes the
    // folded time back and returns the whole days carried (negative before midnight).
    static int NormalizeTime(std::int8_t& hour, std::int8_t& minute, std::int8_t& second,
                             int extraSeconds);

    // Modified Julian Date of a Gregorian date; days past the month's end roll over.
    static int MjdFromDate(int year, int month, int day);
    static void DateFromMjd(int& year, int& month, int& day, int mjd);
};

// Shown where a UT date is absent or outside the years UtDateTime accepts.
inline constexpr char kUnknownUtDate[] = "----/--/-- --:--:--";
