// Where in the sky the units were recorded, each from its start to its end, on the whole sky
// with the grid, the Galactic plane and the band the telescope could observe; one unit picked out.
#pragma once

#include <string>
#include <vector>

#include "charts/plot_stream.h"
#include "history/log_unit.h"
#include "platform/base/rgba_image.h"

class SkyMapChart {
public:
    // The units must outlive the chart or the next call.
    void SetUnits(const std::vector<LogUnit>& units);

    // Into the image, at its size. The map without the highlight is kept, so that picking
    // another unit only draws that unit again. False when PLplot could not draw.
    bool Render(RgbaImage& image, const LogUnit* highlighted, double textPixels = 0);
    // The bytes of a PNG or SVG file; empty when it failed.
    std::string Export(ChartFormat format, int width, int height, const LogUnit* highlighted) const;
    // Draws the map without its units, for a picture of that size, unless it is drawn already:
    // it needs no log, so a window can draw it while the log is still being read.
    bool PrepareBackground(int width, int height, double textPixels = 0);

private:
    // The band, the grid, the Galactic plane, their labels, the title and the legend.
    static void DrawBackground();
    void DrawUnits(const PlotStream& stream) const;

    const std::vector<LogUnit>* m_units = nullptr;
    RgbaImage m_background;  // kept for its size and text size
    double m_backgroundTextPixels = 0;
    RgbaImage m_map;  // without the highlight; empty when it must be drawn again
    double m_mapTextPixels = 0;
};
