#include "pages/observation_page.h"

#include "astro/sky_direction_text.h"
#include "clientfiles/work_unit_info.h"
#include "pages/page_format.h"
#include "res/strings.h"

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
    AppendSkyDirection(v, wu.start_ra, wu.start_dec);
    v += "\n";
    AppendSkyDirection(v, wu.end_ra, wu.end_dec);
    v += "\n";
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
