// Painting through a wxDC with the semantics of the program's device context.
#pragma once

#include <wx/dc.h>

#include "platform/ui/native_window.h"

class WxPainter : public NativePainter {
public:
    // dc must outlive the painter.
    explicit WxPainter(wxDC& dc);

    void FillSolidRect(const CRect& rect, COLORREF color) override;
    void SelectPen(const PenSpec& pen) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const CPoint* points, int count) override;
    void DrawImage(int x, int y, const RgbaImage& image, double scale) override;

private:
    wxDC& m_dc;
    wxPoint m_current;
};

wxColour ToWxColour(COLORREF color);
