#include "charts/plot_pixels.h"

#include <plplot.h>

#include <algorithm>

PlotPixels::PlotPixels(int width, int height) {
    PLFLT vx0 = 0;
    PLFLT vx1 = 0;
    PLFLT vy0 = 0;
    PLFLT vy1 = 0;
    plgvpd(&vx0, &vx1, &vy0, &vy1);
    PLFLT wx0 = 0;
    PLFLT wx1 = 0;
    PLFLT wy0 = 0;
    PLFLT wy1 = 0;
    plgvpw(&wx0, &wx1, &wy0, &wy1);
    m_left = static_cast<int>(vx0 * width);
    m_right = static_cast<int>(vx1 * width);
    m_bottom = static_cast<int>(vy0 * height);
    m_top = static_cast<int>(vy1 * height);
    m_x0 = wx0;
    m_y0 = wy0;
    m_xScale = wx1 != wx0 ? (vx1 - vx0) * width / (wx1 - wx0) : 0.0;
    m_yScale = wy1 != wy0 ? (vy1 - vy0) * height / (wy1 - wy0) : 0.0;
    m_points.assign(static_cast<size_t>(Columns()) * static_cast<size_t>(m_top - m_bottom + 1),
                    false);
}

int PlotPixels::Column(double x) const {
    const double px = m_left + (x - m_x0) * m_xScale;
    if (!(px >= m_left && px <= m_right)) {
        return -1;
    }
    return static_cast<int>(px) - m_left;
}

std::int64_t PlotPixels::Pixel(double x, double y) const {
    const int column = Column(x);
    const double py = m_bottom + (y - m_y0) * m_yScale;
    if (column < 0 || !(py >= m_bottom && py <= m_top)) {
        return -1;
    }
    return static_cast<std::int64_t>(static_cast<int>(py) - m_bottom) * Columns() + column;
}

void PlotPixels::DrawDot(double x, double y) const {
    const double size = StrokePixels();
    const double half = m_xScale > 0 ? size / 2 / m_xScale : 0.0;
    PLFLT xs[2] = {x - half, x + half};
    PLFLT ys[2] = {y, y};
    plwidth(size);
    plline(2, xs, ys);
}

double PlotPixels::StrokePixels() const {
    // Thin enough in a small picture that thousands of units don't run together, thick enough
    // in a saved one to be seen.
    return std::clamp(Columns() / 400.0, 1.2, 2.5);
}

bool PlotPixels::MarkPoint(double x, double y) {
    const std::int64_t pixel = Pixel(x, y);
    if (pixel < 0 || m_points[static_cast<size_t>(pixel)]) {
        return false;
    }
    m_points[static_cast<size_t>(pixel)] = true;
    return true;
}

bool PlotPixels::MarkLine(double x1, double y1, double x2, double y2) {
    const std::int64_t from = Pixel(x1, y1);
    const std::int64_t to = Pixel(x2, y2);
    if (from < 0 || to < 0) {
        return false;
    }
    if (from == to) {
        return MarkPoint(x1, y1);
    }
    const std::int64_t cells = static_cast<std::int64_t>(m_points.size());
    return m_lines.insert(std::min(from, to) * cells + std::max(from, to)).second;
}
