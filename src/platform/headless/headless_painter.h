// Draws into a pixel grid with the rules of the Windows device context: fills exclude the right
// and bottom edges, a line excludes its end point, everything outside the grid is clipped.
#pragma once

#include "platform/headless/headless.h"
#include "platform/ui/native_window.h"

namespace Headless {

class GridPainter : public NativePainter {
public:
    explicit GridPainter(PixelGrid& grid) : m_grid(grid) {}

    void FillSolidRect(const CRect& rect, COLORREF color) override;
    void SelectPen(const PenSpec& pen) override { m_pen = pen; }
    void MoveTo(int x, int y) override { m_current = CPoint{x, y}; }
    void LineTo(int x, int y) override;
    void Polyline(const CPoint* points, int count) override;
    // Pixel for pixel: the headless screen has one pixel a window pixel.
    void DrawImage(int x, int y, const RgbaImage& image, double scale) override;

private:
    void Plot(int x, int y);
    void DrawLine(CPoint from, CPoint to);

    PixelGrid& m_grid;
    PenSpec m_pen;
    CPoint m_current;
};

}  // namespace Headless
