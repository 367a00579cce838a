#include "platform/wx/wx_control_windows.h"
#include "platform/wx/wx_controls.h"
#include "platform/wx/wx_painter.h"

WxDrawnControl::WxDrawnControl(DrawnWindow* window) : WxControl(window) {}

WxDrawnControl::~WxDrawnControl() {
    // The window may outlive this wrapper until wx deletes its dialog.
    if (DrawnWindow* window = Drawn()) {
        window->SetPaintTarget(nullptr);
    }
}

DrawnWindow* WxDrawnControl::Drawn() const {
    return static_cast<DrawnWindow*>(GetWxWindow());
}

void WxDrawnControl::SetTarget(MessageTarget* target) {
    if (DrawnWindow* window = Drawn()) {
        window->SetPaintTarget(target);
    }
}

CRect WxDrawnControl::GetClientRect() const {
    const DrawnWindow* window = Drawn();
    if (!window) {
        return CRect{};
    }
    const wxSize size = window->GetSize();
    const int edges = 2 * window->GetEdge();
    return CRect{0, 0, size.x > edges ? size.x - edges : 0, size.y > edges ? size.y - edges : 0};
}

std::unique_ptr<NativePainter> WxDrawnControl::BeginPaint() {
    const DrawnWindow* window = Drawn();
    if (!window || !window->GetPaintDC()) {
        return nullptr;
    }
    return std::make_unique<WxPainter>(*window->GetPaintDC());
}
