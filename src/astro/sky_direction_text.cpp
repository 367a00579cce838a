#include "astro/sky_direction_text.h"

#include <cstdint>

#include "astro/sky_angles.h"

void AppendSkyDirection(CString& text, double ra, double dec) {
    std::int8_t hours = 0;
    std::int8_t raMinutes = 0;
    std::int8_t raSeconds = 0;
    HoursToHms(hours, raMinutes, raSeconds, ra);
    text.AppendFormat("%02d hr %02d min %02d sec R.A., ", hours, raMinutes, raSeconds);
    std::int8_t degrees = 0;
    std::int8_t decMinutes = 0;
    std::int8_t decSeconds = 0;
    DegreesToDms(degrees, decMinutes, decSeconds, dec);
    text.AppendFormat("%+02d deg %02d min %02d sec Dec.", degrees, decMinutes, decSeconds);
}
