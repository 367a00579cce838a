#include "platform/wx/wx_splitter_bar.h"

#include <utility>

SplitterBar::SplitterBar(wxWindow* parent, const wxRect& rect, std::function<void()> pressed,
                         std::function<void(int)> dragged)
    : wxWindow(parent, wxID_ANY, rect.GetPosition(), rect.GetSize(), wxBORDER_NONE),
      m_pressed(std::move(pressed)),
      m_dragged(std::move(dragged)) {
    SetCursor(wxCursor(wxCURSOR_SIZENS));
    Bind(wxEVT_LEFT_DOWN, &SplitterBar::OnLeftDown, this);
    Bind(wxEVT_MOTION, &SplitterBar::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &SplitterBar::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &SplitterBar::OnCaptureLost, this);
}

SplitterBar::~SplitterBar() {
    if (HasCapture()) {
        ReleaseMouse();
    }
}

void SplitterBar::OnLeftDown(wxMouseEvent& event) {
    m_pressY = ClientToScreen(event.GetPosition()).y;
    m_pressed();
    CaptureMouse();
}

void SplitterBar::OnMotion(wxMouseEvent& event) {
    if (!HasCapture()) {
        return;
    }
    m_dragged(ClientToScreen(event.GetPosition()).y - m_pressY);
}

void SplitterBar::OnLeftUp(wxMouseEvent&) {
    if (HasCapture()) {
        ReleaseMouse();
    }
}

void SplitterBar::OnCaptureLost(wxMouseCaptureLostEvent&) {}
