#include "charts/sky_map_chart.h"

#include <plplot.h>

#include <cmath>

#include "charts/chart_frame.h"
#include "charts/plot_pixels.h"
#include "history/sky_projection.h"
#include "res/strings.h"

namespace {

// The map fills the width; below it a line for the legend.
void SetUpMapFrame() {
    plvpas(0.04, 0.98, 0.1, 0.92, kSkyMapHalfHeight / kSkyMapHalfWidth);
    plwind(-kSkyMapHalfWidth, kSkyMapHalfWidth, -kSkyMapHalfHeight, kSkyMapHalfHeight);
}

// Hands the points to a PLplot call that takes them as two arrays (plline, plfill).
void Draw(const SkyLine& points, void (*draw)(PLINT, PLFLT_VECTOR, PLFLT_VECTOR)) {
    std::vector<PLFLT> xs;
    std::vector<PLFLT> ys;
    for (const SkyPoint& p : points) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    draw(static_cast<PLINT>(xs.size()), xs.data(), ys.data());
}

void DrawGridLabels() {
    plcol0(kChartInk);
    plschr(0.0, 0.65);
    for (int hours = 0; hours < 24; hours += 2) {
        const SkyPoint at = ProjectSky(hours == 12 ? 11.999 : hours, 0.0);
        char text[8];
        std::snprintf(text, sizeof text, "%dh", hours);
        plptex(at.x, at.y - 0.12, 1.0, 0.0, hours == 12 ? 0.0 : 0.5, text);
    }
    for (int dec = -60; dec <= 60; dec += 30) {
        if (dec == 0) {
            continue;
        }
        const SkyPoint at = ProjectSky(11.999, dec);
        char text[16];
        std::snprintf(text, sizeof text, "%+d°", dec);
        plptex(at.x - 0.05, at.y, 1.0, 0.0, 1.0, text);
    }
    UseChartTextSize();
}

void DrawLegend() {
    // In the strip below the map: a swatch of the band, a stroke of the plane.
    plvpor(0.04, 0.98, 0.0, 0.08);
    plwind(0.0, 1.0, 0.0, 1.0);
    plcol0(kChartBand);
    PLFLT xs[4] = {0.0, 0.04, 0.04, 0.0};
    PLFLT ys[4] = {0.3, 0.3, 0.7, 0.7};
    plfill(4, xs, ys);
    plcol0(kChartInk);
    plptex(0.05, 0.5, 1.0, 0.0, 0.0, Tr(Text::kChartSkyBand));
    plcol0(kChartGalactic);
    plwidth(2.0);
    PLFLT lx[2] = {0.5, 0.54};
    PLFLT ly[2] = {0.5, 0.5};
    plline(2, lx, ly);
    plwidth(1.0);
    plcol0(kChartInk);
    plptex(0.55, 0.5, 1.0, 0.0, 0.0, Tr(Text::kChartSkyGalactic));
}

bool Finite(const LogUnit& unit) {
    return std::isfinite(unit.start_ra) && std::isfinite(unit.start_dec) &&
           std::isfinite(unit.end_ra) && std::isfinite(unit.end_dec);
}

void DrawHighlight(const LogUnit& unit) {
    if (!Finite(unit)) {
        return;
    }
    SetUpMapFrame();
    const SkyPoint from = ProjectSky(unit.start_ra, unit.start_dec);
    const SkyPoint to = ProjectSky(unit.end_ra, unit.end_dec);
    plcol0(kChartHighlight);
    plwidth(3.0);
    if (!CrossesMapEdge(unit.start_ra, unit.end_ra)) {
        PLFLT xs[2] = {from.x, to.x};
        PLFLT ys[2] = {from.y, to.y};
        plline(2, xs, ys);
    }
    // A ring around the start, big enough to find among thousands of units.
    const double radius = kSkyMapHalfWidth / 30;
    plarc(from.x, from.y, radius, radius, 0.0, 360.0, 0.0, false);
    plwidth(1.0);
}

}  // namespace

void SkyMapChart::SetUnits(const std::vector<LogUnit>& units) {
    m_units = &units;
    m_map = RgbaImage();
}

void SkyMapChart::DrawBackground() {
    UseChartTextSize();
    SetUpMapFrame();
    plcol0(kChartBand);
    Draw(ObservableBand(), c_plfill);
    plcol0(kChartGrid);
    for (const SkyLine& line : SkyGrid()) {
        Draw(line, c_plline);
    }
    plcol0(kChartGalactic);
    plwidth(2.0);
    for (const SkyLine& piece : GalacticPlane()) {
        Draw(piece, c_plline);
    }
    plwidth(1.0);
    DrawGridLabels();
    plcol0(kChartInk);
    plmtex("t", 1.5, 0.5, 0.5, Tr(Text::kChartSkyTitle));
    DrawLegend();
}

void SkyMapChart::DrawUnits(const PlotStream& stream) const {
    UseChartTextSize();
    SetUpMapFrame();
    // Each unit from where its recording started to where it ended: a short stroke along the
    // telescope's drift.
    PlotPixels pixels(stream.Width(), stream.Height());
    plcol0(kChartUnits);
    static const std::vector<LogUnit> kNoUnits;
    for (const LogUnit& unit : m_units ? *m_units : kNoUnits) {
        if (!Finite(unit)) {
            continue;
        }
        const SkyPoint from = ProjectSky(unit.start_ra, unit.start_dec);
        const SkyPoint to = ProjectSky(unit.end_ra, unit.end_dec);
        if (CrossesMapEdge(unit.start_ra, unit.end_ra)) {
            // The two ends on either edge of the map.
            for (const SkyPoint& end : {from, to}) {
                if (pixels.MarkPoint(end.x, end.y)) {
                    pixels.DrawDot(end.x, end.y);
                }
            }
        } else if (pixels.IsSamePixel(from.x, from.y, to.x, to.y)) {
            if (pixels.MarkPoint(from.x, from.y)) {
                pixels.DrawDot(from.x, from.y);
            }
        } else if (pixels.MarkLine(from.x, from.y, to.x, to.y)) {
            PLFLT xs[2] = {from.x, to.x};
            PLFLT ys[2] = {from.y, to.y};
            plwidth(pixels.StrokePixels());
            plline(2, xs, ys);
        }
    }
    plwidth(1.0);
}

bool SkyMapChart::PrepareBackground(int width, int height, double textPixels) {
    if (m_background.width == width && m_background.height == height &&
        m_backgroundTextPixels == textPixels) {
        return true;
    }
    RgbaImage background(width, height);
    PlotStream stream(background, textPixels);
    if (!stream.IsOpen()) {
        return false;
    }
    DrawBackground();
    stream.Finish();
    m_background = std::move(background);
    m_backgroundTextPixels = textPixels;
    return true;
}

bool SkyMapChart::Render(RgbaImage& image, const LogUnit* highlighted, double textPixels) {
    if (m_map.width != image.width || m_map.height != image.height ||
        m_mapTextPixels != textPixels) {
        // The units over the background, which nothing of them covers but the map's own lines.
        if (!PrepareBackground(image.width, image.height, textPixels)) {
            return false;
        }
        RgbaImage map = m_background;
        PlotStream stream(map, textPixels);
        if (!stream.IsOpen()) {
            return false;
        }
        DrawUnits(stream);
        stream.Finish();
        m_map = std::move(map);
        m_mapTextPixels = textPixels;
    }
    image = m_map;
    if (highlighted) {
        PlotStream stream(image, textPixels);
        if (!stream.IsOpen()) {
            return false;
        }
        DrawHighlight(*highlighted);
    }
    return true;
}

std::string SkyMapChart::Export(ChartFormat format, int width, int height,
                                const LogUnit* highlighted) const {
    PlotStream stream(format, width, height);
    if (!stream.IsOpen()) {
        return std::string();
    }
    DrawBackground();
    DrawUnits(stream);
    if (highlighted) {
        DrawHighlight(*highlighted);
    }
    return stream.Finish();
}
