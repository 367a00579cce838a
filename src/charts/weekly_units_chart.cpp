#include "charts/weekly_units_chart.h"

#include <plplot.h>

#include <algorithm>

#include "charts/chart_frame.h"
#include "charts/plot_pixels.h"
#include "charts/plot_stream.h"
#include "history/log_calendar.h"
#include "res/strings.h"

namespace {

void Bar(double left, double right, double height) {
    PLFLT xs[4] = {left, right, right, left};
    PLFLT ys[4] = {0.0, 0.0, height, height};
    plfill(4, xs, ys);
}

}  // namespace

void DrawWeeklyUnitsChart(const PlotStream& stream, const WeeklyCounts& weekly) {
    if (weekly.counts.empty()) {
        DrawChartMessage(Tr(Text::kChartNoUnits));
        return;
    }
    const auto weeks = static_cast<std::int64_t>(weekly.counts.size());
    const double from = ChartDay(WeekStart(weekly.firstWeek));
    const double to = ChartDay(WeekStart(weekly.firstWeek + weeks));
    const int most = *std::max_element(weekly.counts.begin(), weekly.counts.end());
    UseChartTextSize();
    plvsta();
    plwind(from, to, 0.0, most * 1.1);
    DrawTimeAxes(from, to, Tr(Text::kChartWeeklyXLabel), Tr(Text::kChartWeeklyYLabel),
                 Tr(Text::kChartWeeklyTitle));

    plcol0(kChartUnits);
    PlotPixels pixels(stream.Width(), stream.Height());
    const double weekWidth = (to - from) / static_cast<double>(weeks);
    if (weeks <= pixels.Columns()) {
        // A bar a week, a tenth of it left free between two bars.
        for (std::int64_t i = 0; i < weeks; ++i) {
            const int count = weekly.counts[static_cast<size_t>(i)];
            if (count > 0) {
                const double left = from + static_cast<double>(i) * weekWidth;
                Bar(left + weekWidth * 0.05, left + weekWidth * 0.95, count);
            }
        }
        return;
    }
    // More weeks than pixels: each pixel column shows its busiest week.
    std::vector<int> columns(static_cast<size_t>(pixels.Columns()), 0);
    for (std::int64_t i = 0; i < weeks; ++i) {
        const int column = pixels.Column(from + (static_cast<double>(i) + 0.5) * weekWidth);
        if (column >= 0) {
            int& top = columns[static_cast<size_t>(column)];
            top = std::max(top, weekly.counts[static_cast<size_t>(i)]);
        }
    }
    const double columnWidth = (to - from) / pixels.Columns();
    for (size_t c = 0; c < columns.size(); ++c) {
        if (columns[c] > 0) {
            const double left = from + static_cast<double>(c) * columnWidth;
            Bar(left, left + columnWidth, columns[c]);
        }
    }
}
