#include "platform/headless/headless_painter.h"

#include <algorithm>
#include <cstdlib>

namespace Headless {

void GridPainter::Plot(int x, int y) {
    if (x >= 0 && y >= 0 && x < m_grid.width && y < m_grid.height) {
        m_grid.pixels[static_cast<size_t>(y * m_grid.width + x)] = m_pen.color;
    }
}

void GridPainter::FillSolidRect(const CRect& rect, COLORREF color) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, m_grid.width);
    const int bottom = std::min(rect.bottom, m_grid.height);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            m_grid.pixels[static_cast<size_t>(y * m_grid.width + x)] = color;
        }
    }
}

void GridPainter::DrawImage(int x, int y, const RgbaImage& image, double) {
    for (int row = std::max(0, -y); row < image.height && y + row < m_grid.height; ++row) {
        for (int column = std::max(0, -x); column < image.width && x + column < m_grid.width;
             ++column) {
            const std::uint8_t* p = image.At(column, row);
            m_grid.pixels[static_cast<size_t>((y + row) * m_grid.width + x + column)] =
                RGB(p[0], p[1], p[2]);
        }
    }
}

// Bresenham from one point up to, not including, the other.
void GridPainter::DrawLine(CPoint from, CPoint to) {
    const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
    const long long dy = -std::llabs(static_cast<long long>(to.y) - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    long long error = dx + dy;
    int x = from.x;
    int y = from.y;
    // Far outside the grid nothing can be seen; stop walking once past it.
    long long steps = std::max(dx, -dy);
    while (!(x == to.x && y == to.y) && steps-- > 0) {
        Plot(x, y);
        const long long twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void GridPainter::LineTo(int x, int y) {
    DrawLine(m_current, CPoint{x, y});
    m_current = CPoint{x, y};
}

void GridPainter::Polyline(const CPoint* points, int count) {
    for (int i = 1; i < count; ++i) {
        DrawLine(points[i - 1], points[i]);
    }
}

}  // namespace Headless
