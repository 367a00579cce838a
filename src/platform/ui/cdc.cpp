#include "platform/ui/cdc.h"

#include "platform/ui/cwnd.h"

namespace {

// The pen a device context starts with.
CPen* StockBlackPen() {
    static CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    return &pen;
}

// Paints nothing: for a window that can't be painted now.
class NullPainter : public NativePainter {
public:
    void FillSolidRect(const CRect&, COLORREF) override {}
    void SelectPen(const PenSpec&) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Polyline(const CPoint*, int) override {}
    void DrawImage(int, int, const RgbaImage&, double) override {}
};

std::unique_ptr<NativePainter> BeginPainting(CWnd* window) {
    std::unique_ptr<NativePainter> painter;
    if (window && window->GetNative()) {
        painter = window->GetNative()->BeginPaint();
    }
    if (!painter) {
        painter = std::make_unique<NullPainter>();
    }
    return painter;
}

}  // namespace

CDC::CDC(std::unique_ptr<NativePainter> painter)
    : m_painter(std::move(painter)), m_pen(StockBlackPen()) {
    m_painter->SelectPen(m_pen->GetSpec());
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
    m_painter->FillSolidRect(rect, color);
}

CPen* CDC::SelectObject(CPen* pen) {
    CPen* previous = m_pen;
    m_pen = pen ? pen : StockBlackPen();
    m_painter->SelectPen(m_pen->GetSpec());
    return previous;
}

void CDC::MoveTo(int x, int y) {
    m_painter->MoveTo(x, y);
}

void CDC::LineTo(int x, int y) {
    m_painter->LineTo(x, y);
}

void CDC::Polyline(const CPoint* points, int count) {
    m_painter->Polyline(points, count);
}

void CDC::DrawImage(int x, int y, const RgbaImage& image, double scale) {
    m_painter->DrawImage(x, y, image, scale);
}

CPaintDC::CPaintDC(CWnd* window) : CDC(BeginPainting(window)) {}
