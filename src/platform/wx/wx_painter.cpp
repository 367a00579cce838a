#include "platform/wx/wx_painter.h"

#include <cstdlib>

#include <wx/bitmap.h>
#include <wx/brush.h>
#include <wx/image.h>
#include <wx/pen.h>

namespace {

// Calls emit(x, y, width, height) for runs of the pixels of a one-pixel line from a up to, not
// including, b. Antialiased strokes would blur the graph's single-pixel lines and cover b too.
template <typename Emit>
void ForEachLineRun(wxPoint a, wxPoint b, Emit emit) {
    const int dx = std::abs(b.x - a.x);
    const int dy = std::abs(b.y - a.y);
    const int sx = b.x < a.x ? -1 : 1;
    const int sy = b.y < a.y ? -1 : 1;
    const bool xMajor = dx >= dy;
    const int major = xMajor ? dx : dy;
    const int minor = xMajor ? dy : dx;
    int error = 2 * minor - major;
    wxPoint runStart = a;
    int runLength = 0;
    wxPoint p = a;
    for (int step = 0; step < major; ++step) {
        ++runLength;
        const bool minorStep = error > 0;
        if (minorStep) {
            error -= 2 * major;
        }
        error += 2 * minor;
        if (minorStep || step + 1 == major) {
            // A run ends where the minor coordinate moves on, or at the end of the line.
            if (xMajor) {
                const int left = sx > 0 ? runStart.x : runStart.x - runLength + 1;
                emit(left, runStart.y, runLength, 1);
            } else {
                const int top = sy > 0 ? runStart.y : runStart.y - runLength + 1;
                emit(runStart.x, top, 1, runLength);
            }
        }
        if (xMajor) {
            p.x += sx;
            p.y += minorStep ? sy : 0;
        } else {
            p.y += sy;
            p.x += minorStep ? sx : 0;
        }
        if (minorStep) {
            runStart = p;
            runLength = 0;
        }
    }
}

}  // namespace

wxColour ToWxColour(COLORREF color) {
    return wxColour(static_cast<unsigned char>(GetRValue(color)),
                    static_cast<unsigned char>(GetGValue(color)),
                    static_cast<unsigned char>(GetBValue(color)));
}

WxPainter::WxPainter(wxDC& dc) : m_dc(dc) {}

void WxPainter::FillSolidRect(const CRect& rect, COLORREF color) {
    if (rect.Width() <= 0 || rect.Height() <= 0) {
        return;
    }
    const wxPen pen = m_dc.GetPen();
    const wxBrush brush = m_dc.GetBrush();
    m_dc.SetPen(*wxTRANSPARENT_PEN);
    m_dc.SetBrush(wxBrush(ToWxColour(color)));
    m_dc.DrawRectangle(rect.left, rect.top, rect.Width(), rect.Height());
    m_dc.SetPen(pen);
    m_dc.SetBrush(brush);
}

void WxPainter::SelectPen(const PenSpec& pen) {
    // Only solid pens exist in the program; a width below 1 draws one pixel wide, as on Windows.
    m_dc.SetPen(wxPen(ToWxColour(pen.color), pen.width < 1 ? 1 : pen.width));
}

void WxPainter::MoveTo(int x, int y) {
    m_current = wxPoint(x, y);
}

void WxPainter::LineTo(int x, int y) {
    const wxPoint to(x, y);
    const wxPen pen = m_dc.GetPen();
    if (pen.GetWidth() > 1) {
        m_dc.DrawLine(m_current, to);
    } else {
        const wxBrush brush = m_dc.GetBrush();
        m_dc.SetBrush(wxBrush(pen.GetColour()));
        m_dc.SetPen(*wxTRANSPARENT_PEN);
        ForEachLineRun(m_current, to, [this](int left, int top, int width, int height) {
            m_dc.DrawRectangle(left, top, width, height);
        });
        m_dc.SetPen(pen);
        m_dc.SetBrush(brush);
    }
    m_current = to;
}

void WxPainter::Polyline(const CPoint* points, int count) {
    if (!points || count < 2) {
        return;
    }
    // Polyline leaves the current position alone.
    const wxPoint saved = m_current;
    MoveTo(points[0].x, points[0].y);
    for (int i = 1; i < count; ++i) {
        LineTo(points[i].x, points[i].y);
    }
    m_current = saved;
}

void WxPainter::DrawImage(int x, int y, const RgbaImage& image, double scale) {
    if (image.IsEmpty()) {
        return;
    }
    wxImage picture(image.width, image.height, false);
    unsigned char* rgb = picture.GetData();
    for (size_t i = 0, n = static_cast<size_t>(image.width) * image.height; i < n; ++i) {
        rgb[3 * i] = image.pixels[4 * i];
        rgb[3 * i + 1] = image.pixels[4 * i + 1];
        rgb[3 * i + 2] = image.pixels[4 * i + 2];
    }
    m_dc.DrawBitmap(wxBitmap(picture, -1, scale > 0 ? scale : 1.0), x, y);
}
