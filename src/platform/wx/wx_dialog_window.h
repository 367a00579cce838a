// The wx dialog behind a NativeDialog: turns wx events into the program's messages.
#pragma once

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <wx/bookctrl.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/listbase.h>
#include <wx/timer.h>

#include "platform/ui/native_window.h"
#include "platform/wx/wx_anchored_layout.h"

class DialogWindow : public wxDialog {
public:
    DialogWindow(wxWindow* parent, const wxString& caption, long style);

    // Messages go nowhere once the target is null.
    void SetMessageTarget(MessageTarget* target) { m_target = target; }
    // The id that Enter presses when the focus is not on a push button.
    void SetDefaultId(int id) { m_defaultId = id; }
    // The button reports double clicks as BN_DOUBLECLICKED.
    void ReportDoubleClicks(wxWindow* button);

    bool StartTimer(UINT_PTR id, UINT elapseMs);
    void StopTimer(UINT_PTR id);
    void StopAllTimers();

    // The modal run: a dialog with a parent is modal to it; one without (the program's main
    // window) runs a loop of its own, so that the windows it owns stay usable.
    int RunModalLoop();
    // Ends the modal run, or hides a modeless dialog.
    void EndModalLoop(int result);

    // A resizable dialog places its controls by their anchors (AnchoredLayout) from then on and
    // reports each new client size as WM_SIZE; null for a dialog of fixed size.
    AnchoredLayout& UseAnchoredLayout(wxSize templateClient);
    AnchoredLayout* Anchors() const { return m_layout.get(); }

    void AddContextMenuItem(UINT commandId, const wxString& text);
    // The text of a cell of an owner-data list, asked of the program (LVN_GETDISPINFO).
    wxString ListCellText(int listId, long item, long column);

private:
    void Send(UINT message, int id, UINT code, WPARAM wParam = 0, LPARAM lParam = 0);
    void OnButton(wxCommandEvent& event);
    void OnTabChanged(wxBookCtrlEvent& event);
    void OnListColumnClick(wxListEvent& event);
    void OnListSelectionChanged(wxListEvent& event);
    void OnListItemActivated(wxListEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnSize(wxSizeEvent& event);
    int EnterTargetId() const;
    // Whether the focus is in a list of this window that has a row selected: Enter is the row's.
    bool ListRowHasFocus() const;

    MessageTarget* m_target = nullptr;
    int m_defaultId = IDOK;
    // Stopped timers are kept: one may be killed from inside its own notification.
    std::map<UINT_PTR, std::unique_ptr<wxTimer>> m_timers;
    std::vector<std::pair<UINT, wxString>> m_contextItems;
    std::unique_ptr<AnchoredLayout> m_layout;
    wxGUIEventLoop* m_loop = nullptr;
    bool m_endRequested = false;
    int m_result = 0;
};
