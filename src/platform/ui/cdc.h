// Painting: a device context over the backend's painter, and pens.
#pragma once

#include <memory>

#include "platform/ui/native_window.h"
#include "platform/ui/types.h"

constexpr int PS_SOLID = 0;

class CPen {
public:
    CPen(int style, int width, COLORREF color) : m_spec{style, width, color} {}
    const PenSpec& GetSpec() const { return m_spec; }

private:
    PenSpec m_spec;
};

class CDC {
public:
    virtual ~CDC() = default;

    // Fills with the colour, whatever pen is selected.
    void FillSolidRect(const CRect& rect, COLORREF color);
    // Returns the pen selected before.
    CPen* SelectObject(CPen* pen);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const CPoint* points, int count);
    // A picture, its top left corner at (x, y); scale of its pixels make one of the window's.
    void DrawImage(int x, int y, const RgbaImage& image, double scale = 1.0);

protected:
    explicit CDC(std::unique_ptr<NativePainter> painter);

private:
    std::unique_ptr<NativePainter> m_painter;
    CPen* m_pen;
};

// Begins painting a window in its WM_PAINT handler and ends it when destroyed.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
};
