#include "platform/wx/wx_control_factory.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/wx/wx_control_windows.h"
#include "platform/wx/wx_icon.h"
#include "platform/wx/wx_text.h"

namespace {

// GTK's default theme pads a button's text by 16 pixels either side and makes it at least 34
// pixels tall, pads a check box's row and draws its box at 14 pixels, and pads an entry's text by
// 8 pixels either side: more than the templates' rectangles, made for Windows' controls, hold.
constexpr char kButtonCss[] = "button { padding: 0 4px; min-height: 0; min-width: 0; }";
constexpr char kCheckBoxCss[] =
    "checkbutton { padding: 0; } check { min-width: 11px; min-height: 11px; margin: 0 4px 0 0; }";
constexpr char kEditCss[] = "entry { padding: 0; min-height: 0; min-width: 0; }";

// Windows' IDC_STATIC: controls nobody addresses get an id of wx's own choosing.
wxWindowID WxId(const ControlTemplate& control) {
    return control.id >= 0 ? control.id : wxID_ANY;
}

long TextAlignment(unsigned style) {
    if (style & kAlignRight) {
        return wxALIGN_RIGHT;
    }
    if (style & kAlignCenter) {
        return wxALIGN_CENTRE_HORIZONTAL;
    }
    return wxALIGN_LEFT;
}

// Digits-only edits refuse other typed characters; control keys and navigation pass.
void RejectNonDigits(wxKeyEvent& event) {
    const wxChar typed = event.GetUnicodeKey();
    if (typed == WXK_NONE || typed < WXK_SPACE || (typed >= '0' && typed <= '9')) {
        event.Skip();
    } else {
        wxBell();
    }
}

std::unique_ptr<WxControl> CreateStatic(wxWindow* dialog, const ControlTemplate& control,
                                        const wxRect& rect) {
    if (control.style & kBlackFrame) {
        return std::make_unique<WxDrawnControl>(
            new DrawnWindow(dialog, WxId(control), rect, (control.style & kSunken) != 0));
    }
    const long labelStyle = TextAlignment(control.style) | wxST_NO_AUTORESIZE;
    const bool centreVertically = (control.style & kCenterVertically) != 0;
    wxWindow* window = nullptr;
    if ((control.style & kSunken) || centreVertically) {
        const long panelStyle = (control.style & kSunken) ? wxBORDER_SUNKEN : wxBORDER_NONE;
        window =
            new LabelBox(dialog, WxId(control), rect, panelStyle, labelStyle, centreVertically);
    } else {
        window = new wxStaticText(dialog, WxId(control), wxString(), rect.GetPosition(),
                                  rect.GetSize(), labelStyle);
    }
    return std::make_unique<WxLabelControl>(window, (control.style & kNoPrefix) != 0);
}

std::unique_ptr<WxControl> CreateIcon(wxWindow* dialog, const ControlTemplate& control,
                                      const wxRect& rect) {
    auto* picture =
        new wxStaticBitmap(dialog, WxId(control), wxNullBitmap, rect.GetPosition(), rect.GetSize());
    auto wrapper = std::make_unique<WxIconControl>(picture);
    wrapper->SetIcon(IconFromResource(GetApplicationIcon()));
    return wrapper;
}

std::unique_ptr<WxControl> CreateButton(wxWindow* dialog, const ControlTemplate& control,
                                        const wxRect& rect) {
    // Exact fit: the best size is what GTK needs for the text, not wx's default button size.
    const long style = wxBU_EXACTFIT | ((control.style & kFlat) ? wxBORDER_NONE : 0);
    auto* button = new CompactControl<wxButton>(kButtonCss, dialog, WxId(control), wxString(),
                                                rect.GetPosition(), rect.GetSize(), style);
    if (control.style & kDefaultButton) {
        button->SetDefault();
    }
    return std::make_unique<WxControl>(button);
}

std::unique_ptr<WxControl> CreateCheckBox(wxWindow* dialog, const ControlTemplate& control,
                                          const wxRect& rect) {
    auto* box = new CompactControl<wxCheckBox>(kCheckBoxCss, dialog, WxId(control),
                                               ToWx(CString(control.text)), rect.GetPosition(),
                                               rect.GetSize());
    return std::make_unique<WxCheckBoxControl>(box);
}

std::unique_ptr<WxControl> CreateEdit(wxWindow* dialog, const ControlTemplate& control,
                                      const wxRect& rect) {
    const long style = (control.style & kAlignRight) ? wxTE_RIGHT : wxTE_LEFT;
    auto* edit = new CompactControl<wxTextCtrl>(kEditCss, dialog, WxId(control), wxString(),
                                                rect.GetPosition(), rect.GetSize(), style);
    if (control.style & kDigitsOnly) {
        edit->Bind(wxEVT_CHAR, &RejectNonDigits);
    }
    return std::make_unique<WxEditControl>(edit);
}

}  // namespace

wxRect DialogUnitsToPixels(const wxWindow& dialog, const CRect& units) {
    const wxPoint topLeft = dialog.ConvertDialogToPixels(wxPoint(units.left, units.top));
    const wxPoint bottomRight = dialog.ConvertDialogToPixels(wxPoint(units.right, units.bottom));
    return wxRect(topLeft.x, topLeft.y, std::max(0, bottomRight.x - topLeft.x),
                  std::max(0, bottomRight.y - topLeft.y));
}

std::unique_ptr<WxControl> CreateWxControl(wxWindow* dialog, const ControlTemplate& control,
                                           const wxRect& rect) {
    std::unique_ptr<WxControl> wrapper;
    switch (control.kind) {
        case ControlKind::Static:
            wrapper = CreateStatic(dialog, control, rect);
            break;
        case ControlKind::Icon:
            wrapper = CreateIcon(dialog, control, rect);
            break;
        case ControlKind::Button:
            wrapper = CreateButton(dialog, control, rect);
            break;
        case ControlKind::CheckBox:
            wrapper = CreateCheckBox(dialog, control, rect);
            break;
        case ControlKind::Edit:
            wrapper = CreateEdit(dialog, control, rect);
            break;
        case ControlKind::GroupBox:
            wrapper = std::make_unique<WxControl>(new wxStaticBox(
                dialog, WxId(control), wxString(), rect.GetPosition(), rect.GetSize()));
            break;
        case ControlKind::Tab:
            wrapper = std::make_unique<WxTabControl>(new TabNotebook(dialog, WxId(control), rect));
            break;
        case ControlKind::List:
            wrapper = std::make_unique<WxListControl>(
                new ReportList(dialog, WxId(control), rect, (control.style & kOwnerData) != 0));
            break;
        case ControlKind::Splitter:
            break;  // the dialog builds it: it moves the dialog's own controls
    }
    if (!wrapper) {
        return nullptr;
    }
    wrapper->SetText(CString(control.text));
    if (control.style & kDisabled) {
        wrapper->Enable(false);
    }
    if (control.style & kHidden) {
        wrapper->Show(SW_HIDE);
    }
    return wrapper;
}
