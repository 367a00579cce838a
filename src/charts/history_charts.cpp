#include "charts/history_charts.h"

#include "charts/cpu_hours_chart.h"
#include "charts/weekly_units_chart.h"

void HistoryCharts::SetUnits(const std::vector<LogUnit>& units) {
    m_units = &units;
    m_weekly = CountUnitsPerWeek(units);
    m_skyMap.SetUnits(units);
}

void HistoryCharts::Draw(HistoryChart chart, const PlotStream& stream) const {
    static const std::vector<LogUnit> kNoUnits;
    // A switch, so that a chart added to HistoryChart and not drawn here is a warning.
    switch (chart) {
        case HistoryChart::kCpuHours:
            DrawCpuHoursChart(stream, m_units ? *m_units : kNoUnits);
            break;
        case HistoryChart::kWeeklyUnits:
            DrawWeeklyUnitsChart(stream, m_weekly);
            break;
        case HistoryChart::kSkyMap:
            // Never here: Render and Export give the sky map its own picture.
            break;
    }
}

bool HistoryCharts::Render(HistoryChart chart, RgbaImage& image, const LogUnit* highlighted,
                           double textPixels) {
    if (chart == HistoryChart::kSkyMap) {
        return m_skyMap.Render(image, highlighted, textPixels);
    }
    image = RgbaImage(image.width, image.height);
    PlotStream stream(image, textPixels);
    if (!stream.IsOpen()) {
        return false;
    }
    Draw(chart, stream);
    return true;
}

void HistoryCharts::PrepareBackground(HistoryChart chart, int width, int height,
                                      double textPixels) {
    // The other charts' axes follow the units.
    if (chart == HistoryChart::kSkyMap) {
        m_skyMap.PrepareBackground(width, height, textPixels);
    }
}

std::string HistoryCharts::Export(HistoryChart chart, ChartFormat format, int width, int height,
                                  const LogUnit* highlighted) const {
    if (chart == HistoryChart::kSkyMap) {
        return m_skyMap.Export(format, width, height, highlighted);
    }
    PlotStream stream(format, width, height);
    if (!stream.IsOpen()) {
        return std::string();
    }
    Draw(chart, stream);
    return stream.Finish();
}
