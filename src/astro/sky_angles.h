// Sexagesimal splits of sky positions.
#pragma once

#include <cstdint>

// Right ascension in hours to hours (0..23), minutes and seconds, rounded to the nearest second.
// Values outside 0..24 are wrapped into it; NaN and infinities give 0 0 0.
void HoursToHms(std::int8_t& hours, std::int8_t& minutes, std::int8_t& seconds, double value);

// Declination in degrees to degrees, minutes and seconds. From -1 degree down the sign is on the
// degrees alone; between -1 and 0 the degrees are 0 and minutes and seconds carry the sign.
// NaN and infinities give 0 0 0.
void DegreesToDms(std::int8_t& degrees, std::int8_t& minutes, std::int8_t& seconds, double value);
