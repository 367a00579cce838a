#include "julian.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr double kJulianDateOfEpoch = 2440587.5;  // 1970-01-01 00:00 UT
constexpr double kSecondsPerDay = 86400.0;

}  // namespace

double JulianDateOf(std::int64_t unixSeconds) {
    return kJulianDateOfEpoch + static_cast<double>(unixSeconds) / kSecondsPerDay;
}

std::int64_t UnixSecondsOf(double julianDate) {
    return static_cast<std::int64_t>(
        std::llround((julianDate - kJulianDateOfEpoch) * kSecondsPerDay));
}

std::string JulianDateText(double julianDate) {
    const std::time_t seconds = static_cast<std::time_t>(UnixSecondsOf(julianDate));
    std::tm ut{};
    char date[64] = "";
    if (gmtime_r(&seconds, &ut)) {
        std::strftime(date, sizeof date, "%a %b %d %H:%M:%S %Y", &ut);
    }
    char text[128];
    std::snprintf(text, sizeof text, "%.5f (%s)", julianDate, date);
    return text;
}
