#include "pages/observation_page.h"

#include "astro/sky_direction_text.h"
#include "clientfiles/work_unit_info.h"
#include "pages/page_format.h"
#include "pages/page_rows.h"

namespace {

void PutRecorded(TextWriter& v, const WorkUnitInfo& wu) {
    if (const auto ut = UtFieldsOf(wu.time_recorded)) {
        v.Format("%04d/%02d/%02d %02d:%02d:%02d UT (%.5lf JD)", ut->year, ut->month, ut->day,
                 ut->hour, ut->minute, ut->second, wu.time_recorded);
    } else {
        v.Format("%s UT (%.5lf JD)", kUnknownUtDate, wu.time_recorded);
    }
}

void PutFrom(TextWriter& v, const WorkUnitInfo& wu) {
    CString direction;
    AppendSkyDirection(direction, wu.start_ra, wu.start_dec);
    v.Put(direction);
}

void PutTo(TextWriter& v, const WorkUnitInfo& wu) {
    CString direction;
    AppendSkyDirection(direction, wu.end_ra, wu.end_dec);
    v.Put(direction);
}

void PutAngleRange(TextWriter& v, const WorkUnitInfo& wu) {
    v.Format("%.3lf", wu.angle_range);
}

void PutBaseFreq(TextWriter& v, const WorkUnitInfo& wu) {
    v.Format("%.2lf Hz", wu.subband_base);
}

void PutCenterFreq(TextWriter& v, const WorkUnitInfo& wu) {
    v.Format("%.2lf Hz", wu.subband_center);
}

void PutRate(TextWriter& v, const WorkUnitInfo& wu) {
    v.Format("%.2lf Hz", wu.subband_sample_rate);
}

void PutSamples(TextWriter& v, const WorkUnitInfo& wu) {
    v.Format("%d", static_cast<int>(wu.nsamples));
}

void PutSamplesPerRate(TextWriter& v, const WorkUnitInfo& wu) {
    if (wu.subband_sample_rate == 0.0) {
        PutNaN(v);
    } else {
        v.Format("%.3lf sec", wu.nsamples / wu.subband_sample_rate);
    }
}

constexpr PageRow<WorkUnitInfo> kObservationRows[] = {
    {Text::kLabelRecorded, PutRecorded},
    {Text::kLabelFrom, PutFrom},
    {Text::kLabelTo, PutTo},
    {Text::kLabelAngleRange, PutAngleRange},
    {"", nullptr},
    {Text::kLabelBaseFreq, PutBaseFreq},
    {Text::kLabelCenterFreq, PutCenterFreq},
    {Text::kLabelRate, PutRate},
    {Text::kLabelSamples, PutSamples},
    {Text::kLabelSamplesPerRate, PutSamplesPerRate},
};

}  // namespace

PageText BuildObservationPage(const WorkUnitInfo& wu) {
    return BuildRows(kObservationRows, &wu, LastLine::kEnded);
}
