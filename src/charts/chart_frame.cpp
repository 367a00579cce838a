#include "charts/chart_frame.h"

#include <plplot.h>

#include <cmath>
#include <cstdio>

#include "charts/plot_stream.h"
#include "history/log_calendar.h"

namespace {

constexpr std::int64_t kMondayBefore1970 = -3 * kSecondsPerDay;

// The dates under the ticks: month and day over a short span, with the year over a long one.
void LabelDay(PLINT, PLFLT day, char* label, PLINT length, PLPointer withYear) {
    const CString date = FormatLogTime(static_cast<std::int64_t>(std::floor(day)) * kSecondsPerDay +
                                       kMondayBefore1970);
    std::snprintf(
        label, static_cast<size_t>(length), "%s",
        date.Mid(*static_cast<bool*>(withYear) ? 0 : 5, *static_cast<bool*>(withYear) ? 10 : 5)
            .GetString());
}

}  // namespace

void UseChartTextSize() {
    plschr(0.0, 0.8);
}

void DrawChartMessage(const char* text) {
    UseChartTextSize();
    plvpor(0.0, 1.0, 0.0, 1.0);
    plwind(0.0, 1.0, 0.0, 1.0);
    plcol0(kChartInk);
    plptex(0.5, 0.5, 1.0, 0.0, 0.5, text);
}

double ChartDay(std::int64_t wallClockSeconds) {
    return static_cast<double>(wallClockSeconds - kMondayBefore1970) / kSecondsPerDay;
}

void DrawTimeAxes(double fromDay, double toDay, const char* xLabel, const char* yLabel,
                  const char* title) {
    // Ticks one, four, thirteen or fifty-two weeks apart: a handful of dates across the chart.
    const double span = toDay - fromDay;
    double tick = 364.0;
    if (span <= 10 * 7) {
        tick = 7.0;
    } else if (span <= 40 * 7) {
        tick = 28.0;
    } else if (span <= 130 * 7) {
        tick = 91.0;
    }
    static bool withYear = false;
    withYear = span > 10 * 7;
    plslabelfunc(LabelDay, &withYear);
    plcol0(kChartInk);
    plbox("bcnsto", tick, 0, "bcnstv", 0.0, 0);
    plslabelfunc(nullptr, nullptr);
    pllab(xLabel, yLabel, title);
}
