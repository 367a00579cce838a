// The history's three charts over one set of units: drawn into pictures for the window, or into
// PNG and SVG files.
#pragma once

#include <string>
#include <vector>

#include "charts/plot_stream.h"
#include "charts/sky_map_chart.h"
#include "history/history_summary.h"
#include "history/log_unit.h"
#include "platform/base/rgba_image.h"

enum class HistoryChart { kCpuHours, kWeeklyUnits, kSkyMap };
inline constexpr int kHistoryChartCount = 3;

class HistoryCharts {
public:
    // The units must outlive the charts or the next call.
    void SetUnits(const std::vector<LogUnit>& units);

    // Draws the chart into the image, at its size, its texts textPixels tall (PlotStream).
    // highlighted (a unit, or null) is picked out on the sky map. False when PLplot could not
    // draw.
    bool Render(HistoryChart chart, RgbaImage& image, const LogUnit* highlighted,
                double textPixels = 0);
    // Draws what the chart shows whatever the log holds, for a picture of the size, so that
    // Render has only the units left to draw; a window draws it while the log is being read.
    void PrepareBackground(HistoryChart chart, int width, int height, double textPixels = 0);
    // The chart as the bytes of a PNG or SVG file of the size; empty when it failed.
    std::string Export(HistoryChart chart, ChartFormat format, int width, int height,
                       const LogUnit* highlighted) const;

private:
    void Draw(HistoryChart chart, const PlotStream& stream) const;

    const std::vector<LogUnit>* m_units = nullptr;
    WeeklyCounts m_weekly;
    SkyMapChart m_skyMap;
};
