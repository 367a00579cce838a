#include <wx/stattext.h>

#include "platform/wx/wx_control_windows.h"
#include "platform/wx/wx_controls.h"
#include "platform/wx/wx_text.h"

WxTabControl::WxTabControl(TabNotebook* notebook) : WxControl(notebook) {}

TabNotebook* WxTabControl::Notebook() const {
    return static_cast<TabNotebook*>(GetWxWindow());
}

int WxTabControl::InsertItem(int index, const CString& text) {
    TabNotebook* notebook = Notebook();
    if (!notebook || index < 0) {
        return -1;
    }
    const int count = static_cast<int>(notebook->GetPageCount());
    if (index > count) {
        index = count;  // Windows appends an item inserted past the end
    }
    auto* page = new wxStaticText(notebook, wxID_ANY, wxString());
    // The first item becomes the selection without a notification, as on Windows.
    notebook->BeginQuiet();
    const bool inserted = notebook->InsertPage(static_cast<size_t>(index), page, ToWx(text), false);
    notebook->EndQuiet();
    if (!inserted) {
        page->Destroy();
        return -1;
    }
    return index;
}

int WxTabControl::GetCurSel() const {
    const TabNotebook* notebook = Notebook();
    return notebook ? notebook->GetSelection() : -1;
}

int WxTabControl::SetCurSel(int index) {
    TabNotebook* notebook = Notebook();
    if (!notebook || index < 0 || index >= static_cast<int>(notebook->GetPageCount())) {
        return -1;
    }
    const int previous = notebook->GetSelection();
    notebook->BeginQuiet();
    notebook->ChangeSelection(static_cast<size_t>(index));
    notebook->EndQuiet();
    return previous;
}

int WxTabControl::GetItemCount() const {
    const TabNotebook* notebook = Notebook();
    return notebook ? static_cast<int>(notebook->GetPageCount()) : 0;
}

CString WxTabControl::GetItemText(int index) const {
    const TabNotebook* notebook = Notebook();
    if (!notebook || index < 0 || index >= static_cast<int>(notebook->GetPageCount())) {
        return CString();
    }
    return FromWx(notebook->GetPageText(static_cast<size_t>(index)));
}
