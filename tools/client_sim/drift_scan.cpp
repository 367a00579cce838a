#include "drift_scan.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kSiderealPerSolar = 1.00273790935;
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// A fixed fraction in 0..1 for a whole number: the same pointing for the same days, whatever
// else the simulator has drawn.
double FractionOf(std::int64_t n) {
    auto x = static_cast<std::uint64_t>(n) + 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    x ^= x >> 31;
    return static_cast<double>(x >> 11) / 9007199254740992.0;
}

double WrapHours(double hours) {
    hours = std::fmod(hours, 24.0);
    return hours < 0 ? hours + 24.0 : hours;
}

}  // namespace

double AreciboSiderealTime(double julianDate) {
    // Greenwich mean sidereal time (hours), then the longitude.
    const double gmst = 18.697374558 + 24.06570982441908 * (julianDate - kJ2000);
    return WrapHours(gmst + kAreciboLongitude / 15.0);
}

SkyStrip DriftScanStrip(double julianDate, double seconds) {
    const auto block = static_cast<std::int64_t>(std::floor(julianDate / kPointingDays));
    const double dec = kAreciboDecMin + FractionOf(block) * (kAreciboDecMax - kAreciboDecMin);
    SkyStrip strip{};
    strip.startRa = AreciboSiderealTime(julianDate);
    strip.endRa = WrapHours(strip.startRa + seconds * kSiderealPerSolar / 3600.0);
    strip.startDec = dec;
    strip.endDec = dec;
    strip.angleRange = seconds * kSiderealPerSolar / 240.0 * std::cos(dec * kRadiansPerDegree);
    return strip;
}
