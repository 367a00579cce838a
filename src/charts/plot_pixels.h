// Which pixels of a chart's plot area its data has reached. A log of many units puts many of
// them on the same pixel: each pixel (or each line between two pixels) is drawn once, which
// looks the same and costs what the picture's size costs, not what the log's length does.
#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

class PlotPixels {
public:
    // The page's size in pixels; the stream's current viewport and window map points onto it.
    PlotPixels(int width, int height);

    // True the first time a point of the window falls on its pixel; false after, and for a point
    // off the plot area or no number at all.
    bool MarkPoint(double x, double y);
    // The same for a line between two points, by the pixels of its ends.
    bool MarkLine(double x1, double y1, double x2, double y2);
    // Whether two points fall on one pixel (a line between them would be a dot).
    bool IsSamePixel(double x1, double y1, double x2, double y2) const {
        return Pixel(x1, y1) == Pixel(x2, y2);
    }
    // The pixel column of a point's x, or -1 off the plot area.
    int Column(double x) const;
    int Columns() const { return m_right - m_left + 1; }

    // A dot at a point of the window: a stroke a few pixels across. PLplot's own point is a
    // stroke of no length, which cairo draws as nothing at all.
    void DrawDot(double x, double y) const;
    // The width of a unit's stroke or dot, in pixels, for the size of the plot area.
    double StrokePixels() const;

private:
    std::int64_t Pixel(double x, double y) const;

    int m_left = 0;
    int m_right = 0;
    double m_x0 = 0.0;
    double m_xScale = 0.0;
    double m_y0 = 0.0;
    double m_yScale = 0.0;
    int m_bottom = 0;
    int m_top = 0;
    std::vector<bool> m_points;
    std::unordered_set<std::int64_t> m_lines;
};
