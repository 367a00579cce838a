#include "pages/observation_page.h"

#include <cstdint>

#include "astro/sky_angles.h"
#include "clientfiles/work_unit_info.h"
#include "pages/page_format.h"
#include "res/strings.h"

namespace {

void AppendDirection(CString& text, double ra, double dec) {
    std::int8_t hours = 0;
    std::int8_t raMinutes = 0;
    std::int8_t raSeconds = 0;
    HoursToHms(hours, raMinutes, raSeconds, ra);
    text.AppendFormat("%02d hr %02d min %02d sec R.A., ", hours, raMinutes, raSeconds);
    std::int8_t degrees = 0;
    std::int8_t decMinutes = 0;
    std::int8_t decSeconds = 0;
    DegreesToDms(degrees, decMinutes, decSeconds, dec);
    text.AppendFormat("%+02d deg %02d min %02d sec Dec.\n", degrees, decMinutes, decSeconds);
}

}  // namespace

PageText BuildObservationPage(const WorkUnitInfo& wu) {
    PageText page;
    page.labels = Text::kObservationLabels;
    CString& v = page.values;
    if (const auto ut = UtFieldsOf(wu.time_recorded)) {
        v.AppendFormat("%04d/%02d/%02d %02d:%02d:%02d UT (%.5lf JD)\n", ut->year, ut->month,
                       ut->day, ut->hour, ut->minute, ut->second, wu.time_recorded);
    } else {
        v.AppendFormat("%s UT (%.5lf JD)\n", kUnknownUtDate, wu.time_recorded);
    }
    AppendDirection(v, wu.start_ra, wu.start_dec);
    AppendDirection(v, wu.end_ra, wu.end_dec);
    v.AppendFormat("%.3lf\n", wu.angle_range);
    v += "\n";
    v.AppendFormat("%.2lf Hz\n", wu.subband_base);
    v.AppendFormat("%.2lf Hz\n", wu.subband_center);
    v.AppendFormat("%.2lf Hz\n", wu.subband_sample_rate);
    v.AppendFormat("%d\n", static_cast<int>(wu.nsamples));
    if (wu.subband_sample_rate == 0.0) {
        v += "NaN\n";
    } else {
        v.AppendFormat("%.3lf sec\n", wu.nsamples / wu.subband_sample_rate);
    }
    return page;
}
