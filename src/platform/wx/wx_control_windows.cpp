#include "platform/wx/wx_control_windows.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "platform/wx/wx_painter.h"

DrawnWindow::DrawnWindow(wxWindow* parent, wxWindowID id, const wxRect& rect, bool sunken)
    : m_sunken(sunken) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, rect.GetPosition(), rect.GetSize(),
           wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE);
    Bind(wxEVT_PAINT, &DrawnWindow::OnPaint, this);
}

void DrawnWindow::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    const wxSize size = GetSize();
    if (m_sunken) {
        // Windows' static edge, shadow above and left and highlight below and right, stands on
        // the grey dialog face; GTK's tab page is white, where a white highlight would vanish.
        // Both colours are a step darker so that the edge shows on every side.
        const wxColour light = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
        const wxColour dark = light.ChangeLightness(70);
        WxPainter edge(dc);
        edge.FillSolidRect(CRect{0, 0, size.x, size.y},
                           RGB(light.Red(), light.Green(), light.Blue()));
        const COLORREF shadow = RGB(dark.Red(), dark.Green(), dark.Blue());
        edge.FillSolidRect(CRect{0, 0, size.x - 1, 1}, shadow);
        edge.FillSolidRect(CRect{0, 0, 1, size.y - 1}, shadow);
    }
    const int edgeWidth = GetEdge();
    const int width = std::max(0, size.x - 2 * edgeWidth);
    const int height = std::max(0, size.y - 2 * edgeWidth);
    dc.SetDeviceOrigin(edgeWidth, edgeWidth);
    dc.SetClippingRegion(0, 0, width, height);
    WxPainter(dc).FillSolidRect(CRect{0, 0, width, height}, RGB(0, 0, 0));
    if (m_target) {
        m_paintDC = &dc;
        m_target->SendMessage(Message{WM_PAINT, GetId(), 0, 0, 0});
        m_paintDC = nullptr;
    }
}

LabelBox::LabelBox(wxWindow* parent, wxWindowID id, const wxRect& rect, long panelStyle,
                   long labelStyle, bool centreVertically)
    : wxPanel(parent, id, rect.GetPosition(), rect.GetSize(), panelStyle),
      m_label(new wxStaticText(this, wxID_ANY, wxString(), wxPoint(0, 0), GetClientSize(),
                               labelStyle | wxST_NO_AUTORESIZE)),
      m_centreVertically(centreVertically) {
    Bind(wxEVT_SIZE, &LabelBox::OnSize, this);
}

void LabelBox::PlaceLabel() {
    const wxSize client = GetClientSize();
    int top = 0;
    int height = client.y;
    if (m_centreVertically) {
        m_label->InvalidateBestSize();
        height = std::min(client.y, m_label->GetBestSize().y);
        top = (client.y - height) / 2;
    }
    m_label->SetSize(0, top, client.x, height);
}

void LabelBox::OnSize(wxSizeEvent& event) {
    PlaceLabel();
    event.Skip();
}

TabNotebook::TabNotebook(wxWindow* parent, wxWindowID id, const wxRect& rect)
    : wxNotebook(parent, id, rect.GetPosition(), rect.GetSize()) {
#ifdef __WXGTK3__
    // GTK's own heads would not fit the 20 dialog units the templates leave above a page.
    GTKApplyCssStyle("tab { padding: 1px 6px; min-height: 0; min-width: 0; }");
#endif
    Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &TabNotebook::OnPageChanged, this);
}

void TabNotebook::OnPageChanged(wxBookCtrlEvent& event) {
    if (m_quiet == 0) {
        event.Skip();  // on to the dialog
    }
}
