#include "platform/wx/wx_dialog_window.h"

#include <climits>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include "platform/wx/wx_text.h"

namespace {

// Controls nobody addresses have wx's own negative ids; the program knows them as -1.
int TemplateId(int wxId) {
    return wxId < 0 ? -1 : wxId;
}

constexpr int kFirstContextMenuId = wxID_HIGHEST + 1;

}  // namespace

DialogWindow::DialogWindow(wxWindow* parent, const wxString& caption, long style)
    : wxDialog(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, style) {
    // These run before wx's own dialog handling, which never sees these events: wx must not
    // close the dialog or press its standard buttons by itself.
    Bind(wxEVT_BUTTON, &DialogWindow::OnButton, this);
    Bind(wxEVT_CHECKBOX, &DialogWindow::OnButton, this);
    Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &DialogWindow::OnTabChanged, this);
    Bind(wxEVT_LIST_COL_CLICK, &DialogWindow::OnListColumnClick, this);
    Bind(wxEVT_LIST_ITEM_SELECTED, &DialogWindow::OnListSelectionChanged, this);
    Bind(wxEVT_LIST_ITEM_DESELECTED, &DialogWindow::OnListSelectionChanged, this);
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &DialogWindow::OnListItemActivated, this);
    Bind(wxEVT_CHAR_HOOK, &DialogWindow::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &DialogWindow::OnClose, this);
    Bind(wxEVT_TIMER, &DialogWindow::OnTimer, this);
    Bind(wxEVT_CONTEXT_MENU, &DialogWindow::OnContextMenu, this);
}

void DialogWindow::Send(UINT message, int id, UINT code, WPARAM wParam, LPARAM lParam) {
    if (m_target) {
        m_target->SendMessage(Message{message, id, code, wParam, lParam});
    }
}

void DialogWindow::ReportDoubleClicks(wxWindow* button) {
    button->Bind(wxEVT_LEFT_DCLICK, &DialogWindow::OnDoubleClick, this);
}

void DialogWindow::OnButton(wxCommandEvent& event) {
    Send(WM_COMMAND, TemplateId(event.GetId()), BN_CLICKED);
}

void DialogWindow::OnTabChanged(wxBookCtrlEvent& event) {
    Send(WM_NOTIFY, TemplateId(event.GetId()), TCN_SELCHANGE);
}

void DialogWindow::OnListColumnClick(wxListEvent& event) {
    Send(WM_NOTIFY, TemplateId(event.GetId()), LVN_COLUMNCLICK, static_cast<WPARAM>(-1),
         event.GetColumn());
}

void DialogWindow::OnListSelectionChanged(wxListEvent& event) {
    Send(WM_NOTIFY, TemplateId(event.GetId()), LVN_ITEMCHANGED,
         static_cast<WPARAM>(event.GetIndex()));
}

// A double click on a row, or Enter on the focused row, as Windows activates a list item.
void DialogWindow::OnListItemActivated(wxListEvent& event) {
    Send(WM_NOTIFY, TemplateId(event.GetId()), NM_DBLCLK, static_cast<WPARAM>(event.GetIndex()));
}

void DialogWindow::OnDoubleClick(wxMouseEvent& event) {
    event.Skip();  // the button still sees its clicks
    if (const auto* button = wxDynamicCast(event.GetEventObject(), wxWindow)) {
        Send(WM_COMMAND, TemplateId(button->GetId()), BN_DOUBLECLICKED);
    }
}

bool DialogWindow::ListRowHasFocus() const {
    // The generic list control takes the keys in a window of its own inside it.
    const wxWindow* focus = wxWindow::FindFocus();
    for (; focus && focus != this; focus = focus->GetParent()) {
        if (const auto* list = wxDynamicCast(focus, wxListCtrl)) {
            return list->GetParent() == this && list->GetSelectedItemCount() > 0;
        }
    }
    return false;
}

int DialogWindow::EnterTargetId() const {
    // As in a Windows dialog: Enter presses the focused push button, else the default one.
    const wxWindow* focus = wxWindow::FindFocus();
    if (focus && focus->GetParent() == this && wxDynamicCast(focus, wxButton)) {
        return TemplateId(focus->GetId());
    }
    return m_defaultId;
}

void DialogWindow::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool plain = (event.GetModifiers() & ~wxMOD_SHIFT) == 0;
    if (plain && key == WXK_ESCAPE) {
        Send(WM_COMMAND, IDCANCEL, BN_CLICKED);
    } else if (plain && (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && ListRowHasFocus()) {
        event.Skip();  // the list activates its row, as a double click on it does
    } else if (plain && (key == WXK_RETURN || key == WXK_NUMPAD_ENTER)) {
        const int id = EnterTargetId();
        const wxWindow* button = id >= 0 ? FindWindow(id) : nullptr;
        if (button && !button->IsEnabled()) {
            wxBell();
        } else {
            Send(WM_COMMAND, id, BN_CLICKED);
        }
    } else {
        event.Skip();
    }
}

void DialogWindow::OnClose(wxCloseEvent& event) {
    // The program decides whether the window goes.
    if (event.CanVeto()) {
        event.Veto();
    }
    Send(WM_CLOSE, 0, 0);
}

bool DialogWindow::StartTimer(UINT_PTR id, UINT elapseMs) {
    if (elapseMs == 0) {
        return false;
    }
    std::unique_ptr<wxTimer>& timer = m_timers[id];
    if (!timer) {
        timer = std::make_unique<wxTimer>(this);
    }
    // Windows caps longer periods the same way.
    const int period = elapseMs > static_cast<UINT>(INT_MAX) ? INT_MAX : static_cast<int>(elapseMs);
    return timer->Start(period, wxTIMER_CONTINUOUS);
}

void DialogWindow::StopTimer(UINT_PTR id) {
    const auto found = m_timers.find(id);
    if (found != m_timers.end()) {
        found->second->Stop();
    }
}

void DialogWindow::StopAllTimers() {
    for (auto& entry : m_timers) {
        entry.second->Stop();
    }
}

void DialogWindow::OnTimer(wxTimerEvent& event) {
    for (const auto& entry : m_timers) {
        if (entry.second.get() == &event.GetTimer()) {
            Send(WM_TIMER, 0, 0, entry.first);
            return;
        }
    }
}

int DialogWindow::RunModalLoop() {
    if (m_endRequested) {
        // Ended before the run began (from its initialisation).
        m_endRequested = false;
        return m_result;
    }
    if (GetParent()) {
        return ShowModal();
    }
    Show();
    Raise();
    wxGUIEventLoop loop;
    m_loop = &loop;
    loop.Run();
    m_loop = nullptr;
    Hide();
    return m_result;
}

void DialogWindow::EndModalLoop(int result) {
    m_result = result;
    if (m_loop) {
        m_loop->Exit(result);
    } else if (IsModal()) {
        EndModal(result);
    } else {
        m_endRequested = true;
        Hide();
    }
}

AnchoredLayout& DialogWindow::UseAnchoredLayout(wxSize templateClient) {
    m_layout = std::make_unique<AnchoredLayout>(templateClient);
    Bind(wxEVT_SIZE, &DialogWindow::OnSize, this);
    return *m_layout;
}

void DialogWindow::OnSize(wxSizeEvent& event) {
    event.Skip();
    // Without a window manager to hold it, X lets a window be made smaller than its minimum.
    wxSize client = GetClientSize();
    client.IncTo(GetMinClientSize());
    m_layout->Apply(client);
    Send(WM_SIZE, 0, 0, 0,
         static_cast<LPARAM>((client.x & 0xFFFF) | (static_cast<LPARAM>(client.y & 0xFFFF) << 16)));
}

void DialogWindow::AddContextMenuItem(UINT commandId, const wxString& text) {
    m_contextItems.emplace_back(commandId, text);
}

wxString DialogWindow::ListCellText(int listId, long item, long column) {
    NMLVDISPINFO info{NMHDR{listId, LVN_GETDISPINFO},
                      LVITEM{static_cast<int>(item), static_cast<int>(column), CString()}};
    Send(WM_NOTIFY, listId, LVN_GETDISPINFO, static_cast<WPARAM>(item),
         reinterpret_cast<LPARAM>(&info));
    return ToWx(info.item.text);
}

void DialogWindow::OnContextMenu(wxContextMenuEvent& event) {
    // Edits keep their own menu.
    if (m_contextItems.empty() || wxDynamicCast(event.GetEventObject(), wxTextCtrl)) {
        event.Skip();
        return;
    }
    wxMenu menu;
    for (size_t i = 0; i < m_contextItems.size(); ++i) {
        menu.Append(kFirstContextMenuId + static_cast<int>(i), m_contextItems[i].second);
    }
    wxPoint at = event.GetPosition();
    if (at != wxDefaultPosition) {
        at = ScreenToClient(at);
    }
    const int chosen = GetPopupMenuSelectionFromUser(menu, at) - kFirstContextMenuId;
    if (chosen >= 0 && chosen < static_cast<int>(m_contextItems.size())) {
        Send(WM_SYSCOMMAND, 0, 0, m_contextItems[static_cast<size_t>(chosen)].first);
    }
}
