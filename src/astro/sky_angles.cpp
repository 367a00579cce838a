#include "astro/sky_angles.h"

#include <cmath>

namespace {

constexpr double kSecondsPerUnit = 3600.0;  // seconds per hour, arcseconds per degree
constexpr int kWholeUnit = 3600;

// Whole seconds of a fraction of an hour or degree, halves rounded upward.
int RoundedSeconds(double fraction) {
    const double t = fraction * kSecondsPerUnit;
    int s = static_cast<int>(t);
    if (t - s >= 0.5) {
        ++s;
    }
    return s;
}

void SplitSeconds(std::int8_t& minutes, std::int8_t& seconds, int s) {
    minutes = static_cast<std::int8_t>(s / 60);
    seconds = static_cast<std::int8_t>(s % 60);
}

}  // namespace

void HoursToHms(std::int8_t& hours, std::int8_t& minutes, std::int8_t& seconds, double value) {
    // Damaged client text can reach here as NaN or infinity through atof.
    if (!std::isfinite(value)) {
        hours = minutes = seconds = 0;
        return;
    }
    // Wrapped into 0..24 first, so a negative right ascension reads as the same time of day
    // (-1.5 is 22:30:00). fmod is exact, so values already in range are untouched.
    value = std::fmod(value, 24.0);
    if (value < 0) {
        value += 24.0;
    }
    const int n = static_cast<int>(value);
    int h = n % 24;
    int s = RoundedSeconds(value - n);
    // A fraction that rounds to a full hour starts the next hour rather than reading 60 minutes.
    if (s >= kWholeUnit) {
        s -= kWholeUnit;
        h = (h + 1) % 24;
    }
    hours = static_cast<std::int8_t>(h);
    SplitSeconds(minutes, seconds, s);
}

void DegreesToDms(std::int8_t& degrees, std::int8_t& minutes, std::int8_t& seconds, double value) {
    if (!std::isfinite(value)) {
        degrees = minutes = seconds = 0;
        return;
    }
    // Whole turns dropped first so a huge value can't overflow the truncation; 360 is a multiple
    // of 90 and fmod is exact, so the split below is unchanged for every value.
    value = std::fmod(value, 360.0);
    int n = static_cast<int>(value);
    const double f = n >= 0 ? value - n : n - value;
    int s = RoundedSeconds(f);
    // A fraction that rounds to a full degree carries into the next degree away from zero; the
    // modulo below then treats a carried 90 as it treats 90 itself.
    // Between -1 and 0 the seconds are negative and truncated, so they never reach a degree.
    if (s >= kWholeUnit) {
        s -= kWholeUnit;
        n += value < 0 ? -1 : 1;
    }
    degrees = static_cast<std::int8_t>(n % 90);
    SplitSeconds(minutes, seconds, s);
}
