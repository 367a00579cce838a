// Julian dates as the client writes them: the day number, then the UT date in brackets.
#pragma once

#include <cstdint>
#include <string>

double JulianDateOf(std::int64_t unixSeconds);
std::int64_t UnixSecondsOf(double julianDate);

// "2452367.10823 (Tue Apr 02 14:35:51 2002)"
std::string JulianDateText(double julianDate);

// The Julian dates of 1999-01-01 and 2050-01-01, 00:00 UT.
inline constexpr double kJulianDate1999 = 2451179.5;
inline constexpr double kJulianDate2050 = 2469807.5;
