#include "platform/wx/wx_dialog.h"

#include <algorithm>
#include <cstdio>

#include <wx/display.h>
#include <wx/utils.h>

#include "platform/ui/cwinapp.h"
#include "platform/ui/framework_texts.h"
#include "platform/wx/wx_icon.h"
#include "platform/wx/wx_text.h"

namespace {

// A window placed where no display shows it (kept from a screen since unplugged, or damaged)
// comes back whole on the display nearest its centre, no larger than that display's work area.
wxRect OnADisplay(const wxRect& wanted) {
    int index =
        wxDisplay::GetFromPoint(wxPoint(wanted.x + wanted.width / 2, wanted.y + wanted.height / 2));
    if (index == wxNOT_FOUND) {
        index = 0;
    }
    const wxRect area = wxDisplay(static_cast<unsigned>(index)).GetClientArea();
    if (area.IsEmpty()) {
        return wanted;  // a display that tells nothing (some Wayland sessions)
    }
    wxRect rect = wanted;
    rect.width = std::min(rect.width, area.width);
    rect.height = std::min(rect.height, area.height);
    rect.x = std::clamp(rect.x, area.x, area.x + area.width - rect.width);
    rect.y = std::clamp(rect.y, area.y, area.y + area.height - rect.height);
    return rect;
}

// GTK cannot keep a native Wayland window above the others: the window opens as any other, and
// the user is told why once per run.
void NoteIfTopMostUnavailable() {
    static bool noted = false;
    if (noted || wxGetDisplayInfo().type != wxDisplayWayland) {
        return;
    }
    noted = true;
    const CString& text = GetFrameworkTexts().topMostUnavailable;
    if (!text.IsEmpty()) {
        std::fprintf(stderr, "%s: %s\n", AfxGetAppName(), text.GetString());
    }
}

}  // namespace

WxDialog::WxDialog(DialogWindow* window) : m_window(window) {}

WxDialog::~WxDialog() {
    m_controls.clear();
    if (DialogWindow* window = m_window.get()) {
        window->SetMessageTarget(nullptr);
        window->StopAllTimers();
        // Deleted by wx once its pending events are gone; hidden now.
        window->Hide();
        window->Destroy();
    }
}

void WxDialog::AddControl(int id, std::unique_ptr<WxControl> control) {
    m_controls.push_back(Item{id, std::move(control)});
}

void WxDialog::SetTarget(MessageTarget* target) {
    if (DialogWindow* window = m_window.get()) {
        window->SetMessageTarget(target);
    }
}

void WxDialog::SetText(const CString& text) {
    if (DialogWindow* window = m_window.get()) {
        window->SetTitle(ToWx(text));
    }
}

CString WxDialog::GetText() const {
    const DialogWindow* window = m_window.get();
    return window ? FromWx(window->GetTitle()) : CString();
}

void WxDialog::Show(int command) {
    DialogWindow* window = m_window.get();
    if (!window) {
        return;
    }
    if (command == SW_HIDE) {
        window->Hide();
        return;
    }
    if (command == SW_SHOWNORMAL) {
        if (window->IsIconized()) {
            window->Iconize(false);
        }
        window->Show();
        window->Raise();
        return;
    }
    window->Show();
}

bool WxDialog::IsVisible() const {
    const DialogWindow* window = m_window.get();
    return window && window->IsShown();
}

void WxDialog::Enable(bool enable) {
    if (DialogWindow* window = m_window.get()) {
        window->Enable(enable);
    }
}

bool WxDialog::IsEnabled() const {
    const DialogWindow* window = m_window.get();
    return window && window->IsThisEnabled();
}

void WxDialog::SetFocus() {
    if (DialogWindow* window = m_window.get()) {
        window->Raise();
        window->SetFocus();
    }
}

CRect WxDialog::GetRect() const {
    const DialogWindow* window = m_window.get();
    if (!window) {
        return CRect{};
    }
    const wxRect rect = window->GetScreenRect();
    return CRect{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
}

CRect WxDialog::GetClientRect() const {
    const DialogWindow* window = m_window.get();
    if (!window) {
        return CRect{};
    }
    const wxSize size = window->GetClientSize();
    return CRect{0, 0, size.x, size.y};
}

void WxDialog::SetPos(ZOrder order, int x, int y, int cx, int cy, UINT flags) {
    DialogWindow* window = m_window.get();
    if (!window) {
        return;
    }
    if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
        const wxRect current = window->GetScreenRect();
        const wxPoint position = (flags & SWP_NOMOVE) ? current.GetPosition() : wxPoint(x, y);
        const wxSize size =
            (flags & SWP_NOSIZE) ? current.GetSize() : wxSize(cx < 0 ? 0 : cx, cy < 0 ? 0 : cy);
        const wxRect rect = OnADisplay(wxRect(position, size));
        window->SetSize(rect.x, rect.y, rect.width, rect.height, wxSIZE_ALLOW_MINUS_ONE);
    }
    if (!(flags & SWP_NOZORDER)) {
        const long style = window->GetWindowStyleFlag();
        if (order == ZOrder::TopMost) {
            NoteIfTopMostUnavailable();
            window->SetWindowStyleFlag(style | wxSTAY_ON_TOP);
        } else if (order == ZOrder::NoTopMost) {
            window->SetWindowStyleFlag(style & ~wxSTAY_ON_TOP);
        }
        window->Raise();
    }
    if (flags & SWP_SHOWWINDOW) {
        window->Show();
    }
}

bool WxDialog::IsTopMost() const {
    const DialogWindow* window = m_window.get();
    return window && window->HasFlag(wxSTAY_ON_TOP);
}

void WxDialog::Redraw(UINT) {
    if (DialogWindow* window = m_window.get()) {
        window->Refresh();
        if (window->IsShown()) {
            window->Update();
        }
    }
}

NativeWindow* WxDialog::GetControl(int id) {
    // Controls without an id (-1) can't be addressed, as on Windows.
    if (id == -1) {
        return nullptr;
    }
    for (const Item& item : m_controls) {
        if (item.id == id) {
            return item.control.get();
        }
    }
    return nullptr;
}

bool WxDialog::SetTimer(UINT_PTR id, UINT elapseMs) {
    DialogWindow* window = m_window.get();
    return window && window->StartTimer(id, elapseMs);
}

void WxDialog::KillTimer(UINT_PTR id) {
    if (DialogWindow* window = m_window.get()) {
        window->StopTimer(id);
    }
}

int WxDialog::RunModal() {
    DialogWindow* window = m_window.get();
    return window ? window->RunModalLoop() : -1;
}

void WxDialog::EndModal(int result) {
    if (DialogWindow* window = m_window.get()) {
        window->EndModalLoop(result);
    }
}

bool WxDialog::IsIconic() const {
    const DialogWindow* window = m_window.get();
    return window && window->IsIconized();
}

void WxDialog::SetIcon(HICON icon, bool big) {
    DialogWindow* window = m_window.get();
    const wxIcon image = IconFromResource(icon);
    if (!window || !image.IsOk()) {
        return;
    }
    // One per size: a later one of a size wins.
    const wxIconBundle& sizes = IconBundleFromResource(icon);
    for (size_t k = 0; k < sizes.GetIconCount(); ++k) {
        m_icons.AddIcon(sizes.GetIconByIndex(k));
    }
    window->SetIcons(m_icons);
    if (big) {
        SetApplicationIcon(icon);
        for (const Item& item : m_controls) {
            if (auto* picture = dynamic_cast<WxIconControl*>(item.control.get())) {
                picture->SetIcon(image);
            }
        }
    }
}

int WxDialog::GetSplitterOffset() const {
    const DialogWindow* window = m_window.get();
    const AnchoredLayout* layout = window ? window->Anchors() : nullptr;
    return layout ? layout->UserOffset() : 0;
}

void WxDialog::SetSplitterOffset(int offset) {
    DialogWindow* window = m_window.get();
    if (AnchoredLayout* layout = window ? window->Anchors() : nullptr) {
        layout->SetUserOffset(offset);
    }
}

bool WxDialog::AppendSystemMenuItem(UINT commandId, const CString& text) {
    // GTK offers no system menu to extend: the item goes into the dialog's context menu.
    DialogWindow* window = m_window.get();
    if (!window) {
        return false;
    }
    window->AddContextMenuItem(commandId, ToWx(text));
    return true;
}
