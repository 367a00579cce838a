#include "charts/cpu_hours_chart.h"

#include <plplot.h>

#include <algorithm>
#include <cmath>

#include "charts/chart_frame.h"
#include "charts/plot_pixels.h"
#include "charts/plot_stream.h"
#include "res/strings.h"

namespace {

double Hours(const LogUnit& unit) {
    return unit.cpu / 3600.0;
}

}  // namespace

void DrawCpuHoursChart(const PlotStream& stream, const std::vector<LogUnit>& units) {
    if (units.empty()) {
        DrawChartMessage(Tr(Text::kChartNoUnits));
        return;
    }
    double from = ChartDay(units.front().logged);
    double to = from;
    double most = 0.0;
    for (const LogUnit& unit : units) {
        from = std::min(from, ChartDay(unit.logged));
        to = std::max(to, ChartDay(unit.logged));
        if (std::isfinite(Hours(unit))) {
            most = std::max(most, Hours(unit));
        }
    }
    // A day either side, so that a first unit or a single day's units still stand in a span.
    from -= 1.0;
    to += 1.0;
    UseChartTextSize();
    plvsta();
    plwind(from, to, 0.0, most > 0.0 ? most * 1.05 : 1.0);
    DrawTimeAxes(from, to, Tr(Text::kChartCpuXLabel), Tr(Text::kChartCpuYLabel),
                 Tr(Text::kChartCpuTitle));

    PlotPixels pixels(stream.Width(), stream.Height());
    plcol0(kChartUnits);
    for (const LogUnit& unit : units) {
        const double x = ChartDay(unit.logged);
        if (pixels.MarkPoint(x, Hours(unit))) {
            pixels.DrawDot(x, Hours(unit));
        }
    }
    plwidth(1.0);
}
