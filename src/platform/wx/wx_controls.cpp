#include "platform/wx/wx_controls.h"

#include <wx/checkbox.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/wx/wx_control_windows.h"
#include "platform/wx/wx_text.h"

wxWindow* GetWxWindowOf(NativeWindow* window) {
    const auto* access = dynamic_cast<WxWindowAccess*>(window);
    return access ? access->GetWxWindow() : nullptr;
}

WxControl::WxControl(wxWindow* window) : m_window(window) {}

void WxControl::SetText(const CString& text) {
    m_text = text;
    if (wxWindow* window = GetWxWindow()) {
        ShowText(*window, text);
    }
}

void WxControl::ShowText(wxWindow& window, const CString& text) {
    window.SetLabel(ToWx(text));
}

void WxControl::Show(int command) {
    if (wxWindow* window = GetWxWindow()) {
        window->Show(command != SW_HIDE);
    }
}

bool WxControl::IsVisible() const {
    // As on Windows: shown itself, and its dialog shown too.
    const wxWindow* window = GetWxWindow();
    return window && window->IsShown() && (!window->GetParent() || window->GetParent()->IsShown());
}

void WxControl::Enable(bool enable) {
    if (wxWindow* window = GetWxWindow()) {
        window->Enable(enable);
    }
}

bool WxControl::IsEnabled() const {
    const wxWindow* window = GetWxWindow();
    return window && window->IsThisEnabled();
}

void WxControl::SetFocus() {
    if (wxWindow* window = GetWxWindow()) {
        window->SetFocus();
    }
}

CRect WxControl::GetRect() const {
    const wxWindow* window = GetWxWindow();
    if (!window) {
        return CRect{};
    }
    const wxRect rect = window->GetRect();
    return CRect{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
}

CRect WxControl::GetClientRect() const {
    const wxWindow* window = GetWxWindow();
    if (!window) {
        return CRect{};
    }
    const wxSize size = window->GetClientSize();
    return CRect{0, 0, size.x, size.y};
}

double WxControl::GetContentScale() const {
    const wxWindow* window = GetWxWindow();
    return window ? window->GetContentScaleFactor() : 1.0;
}

int WxControl::GetTextHeight() const {
    const wxWindow* window = GetWxWindow();
    return window ? window->GetCharHeight() : 0;
}

void WxControl::SetPos(ZOrder, int x, int y, int cx, int cy, UINT flags) {
    wxWindow* window = GetWxWindow();
    if (!window) {
        return;
    }
    // GTK draws a dialog's windowless controls in creation order whatever is asked, so the
    // z-order of controls stays the template's.
    const wxRect current = window->GetRect();
    const wxPoint position = (flags & SWP_NOMOVE) ? current.GetPosition() : wxPoint(x, y);
    const wxSize size =
        (flags & SWP_NOSIZE) ? current.GetSize() : wxSize(cx < 0 ? 0 : cx, cy < 0 ? 0 : cy);
    window->SetSize(position.x, position.y, size.x, size.y, wxSIZE_ALLOW_MINUS_ONE);
    if (flags & SWP_SHOWWINDOW) {
        window->Show();
    }
}

void WxControl::Redraw(UINT) {
    wxWindow* window = GetWxWindow();
    if (!window) {
        return;
    }
    window->Refresh();
    if (IsVisible()) {
        window->Update();
    }
}

void WxLabelControl::ShowText(wxWindow& window, const CString& text) {
    auto* box = dynamic_cast<LabelBox*>(&window);
    auto* label = box ? box->GetStaticText() : dynamic_cast<wxStaticText*>(&window);
    if (!label) {
        return;
    }
    if (m_noPrefix) {
        label->SetLabelText(ToWx(text));
    } else {
        label->SetLabel(ToWx(text));
    }
    if (box) {
        box->PlaceLabel();
    }
}

int WxCheckBoxControl::GetCheck() const {
    const auto* box = dynamic_cast<wxCheckBox*>(GetWxWindow());
    return box && box->GetValue() ? BST_CHECKED : BST_UNCHECKED;
}

void WxCheckBoxControl::SetCheck(int check) {
    if (auto* box = dynamic_cast<wxCheckBox*>(GetWxWindow())) {
        box->SetValue(check == BST_CHECKED);
    }
}

void WxEditControl::SetText(const CString& text) {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(GetWxWindow())) {
        edit->ChangeValue(ToWx(text));
    }
}

CString WxEditControl::GetText() const {
    const auto* edit = dynamic_cast<wxTextCtrl*>(GetWxWindow());
    return edit ? FromWx(edit->GetValue()) : CString();
}

void WxEditControl::SetLimitText(int maxChars) {
    if (auto* edit = dynamic_cast<wxTextCtrl*>(GetWxWindow())) {
        // 0 lifts the limit, as it does on Windows.
        edit->SetMaxLength(maxChars > 0 ? static_cast<unsigned long>(maxChars) : 0);
    }
}

void WxIconControl::SetIcon(const wxIcon& icon) {
    auto* picture = dynamic_cast<wxStaticBitmap*>(GetWxWindow());
    if (!picture || !icon.IsOk()) {
        return;
    }
    // Like a Windows icon control, it takes the icon's size.
    picture->SetIcon(icon);
    picture->SetSize(icon.GetWidth(), icon.GetHeight());
}
