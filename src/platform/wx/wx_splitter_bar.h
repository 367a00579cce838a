// The bar between the two parts of a resizable dialog that the user drags up and down.
#pragma once

#include <functional>

#include <wx/window.h>

class SplitterBar : public wxWindow {
public:
    // pressed: a drag begins; dragged: how far the pointer is from where it was pressed, in
    // pixels (down is positive).
    SplitterBar(wxWindow* parent, const wxRect& rect, std::function<void()> pressed,
                std::function<void(int)> dragged);
    // A window closed in the middle of a drag lets the pointer go.
    ~SplitterBar() override;
    // Moved by the pointer only: Tab passes it by.
    bool AcceptsFocus() const override { return false; }

private:
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);

    std::function<void()> m_pressed;
    std::function<void(int)> m_dragged;
    int m_pressY = 0;  // on the screen: the bar itself moves under the pointer
};
