// What a user does to a headless window, turned into the messages a real window would send.
#include <utility>

#include "platform/headless/headless.h"
#include "platform/headless/headless_window.h"
#include "platform/ui/cwnd.h"

namespace Headless {
namespace {

// A control a user can reach: it exists, is shown and enabled, on a shown dialog.
HeadlessControl* Usable(CWnd& dialog, int id) {
    HeadlessDialog* native = DialogOf(dialog);
    if (!native || !native->IsVisible()) {
        return nullptr;
    }
    HeadlessControl* control = native->Control(id);
    if (!control || !control->IsVisible() || !control->IsEnabled()) {
        return nullptr;
    }
    return control;
}

LRESULT Send(CWnd& dialog, UINT message, int id, UINT code, WPARAM wParam = 0, LPARAM lParam = 0) {
    return dialog.SendMessage(Message{message, id, code, wParam, lParam});
}

HeadlessControl* UsableList(CWnd& dialog, int id) {
    HeadlessControl* control = Usable(dialog, id);
    return control && control->state().kind == ControlKind::List ? control : nullptr;
}

// A click on a row: it becomes the selected one, told to the dialog when that is a change.
HeadlessControl* SelectRow(CWnd& dialog, int id, int row) {
    HeadlessControl* list = UsableList(dialog, id);
    if (!list || row < 0 || row >= list->GetItemCount()) {
        return nullptr;
    }
    list->SetFocus();
    if (list->GetCurSel() != row) {
        list->SetCurSel(row);
        Send(dialog, WM_NOTIFY, id, LVN_ITEMCHANGED, static_cast<WPARAM>(row));
    }
    return list;
}

int DefaultButtonId(const HeadlessDialog& dialog) {
    for (const ControlTemplate& control : dialog.dialogTemplate().controls) {
        if (control.style & kDefaultButton) {
            return control.id;
        }
    }
    return IDOK;
}

}  // namespace

bool PressButton(CWnd& dialog, int id) {
    HeadlessControl* control = Usable(dialog, id);
    if (!control) {
        return false;
    }
    control->SetFocus();
    Send(dialog, WM_COMMAND, id, BN_CLICKED);
    return true;
}

bool DoubleClickButton(CWnd& dialog, int id) {
    HeadlessControl* control = Usable(dialog, id);
    if (!control || !(control->state().style & kSendsDoubleClicks)) {
        return false;
    }
    // The first click of the pair arrives as a click.
    Send(dialog, WM_COMMAND, id, BN_CLICKED);
    Send(dialog, WM_COMMAND, id, BN_DOUBLECLICKED);
    return true;
}

bool ClickCheckBox(CWnd& dialog, int id) {
    HeadlessControl* control = Usable(dialog, id);
    if (!control || control->state().kind != ControlKind::CheckBox) {
        return false;
    }
    control->SetCheck(control->GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    control->SetFocus();
    Send(dialog, WM_COMMAND, id, BN_CLICKED);
    return true;
}

bool TypeText(CWnd& dialog, int id, const CString& text) {
    HeadlessControl* control = Usable(dialog, id);
    if (!control || control->state().kind != ControlKind::Edit) {
        return false;
    }
    control->SetText(text);
    return true;
}

bool SelectTab(CWnd& dialog, int id, int index) {
    HeadlessControl* control = Usable(dialog, id);
    if (!control || control->state().kind != ControlKind::Tab || index < 0 ||
        index >= control->GetItemCount()) {
        return false;
    }
    if (control->GetCurSel() != index) {
        control->SetCurSel(index);
        Send(dialog, WM_NOTIFY, id, TCN_SELCHANGE);
    }
    return true;
}

bool ClickListHeader(CWnd& dialog, int id, int column) {
    HeadlessControl* list = UsableList(dialog, id);
    if (!list || column < 0 || column >= list->GetColumnCount()) {
        return false;
    }
    Send(dialog, WM_NOTIFY, id, LVN_COLUMNCLICK, static_cast<WPARAM>(-1), column);
    return true;
}

bool ClickListRow(CWnd& dialog, int id, int row) {
    return SelectRow(dialog, id, row) != nullptr;
}

bool DoubleClickListRow(CWnd& dialog, int id, int row) {
    if (!SelectRow(dialog, id, row)) {
        return false;
    }
    Send(dialog, WM_NOTIFY, id, NM_DBLCLK, static_cast<WPARAM>(row));
    return true;
}

bool PressEscape(CWnd& dialog) {
    HeadlessDialog* native = DialogOf(dialog);
    if (!native || !native->IsVisible()) {
        return false;
    }
    Send(dialog, WM_COMMAND, IDCANCEL, BN_CLICKED);
    return true;
}

bool PressEnter(CWnd& dialog) {
    HeadlessDialog* native = DialogOf(dialog);
    if (!native || !native->IsVisible()) {
        return false;
    }
    Send(dialog, WM_COMMAND, DefaultButtonId(*native), BN_CLICKED);
    return true;
}

bool Close(CWnd& dialog) {
    HeadlessDialog* native = DialogOf(dialog);
    // Without a system menu a window has no close box.
    if (!native || !native->IsVisible() || !(native->dialogTemplate().style & kSystemMenu)) {
        return false;
    }
    Send(dialog, WM_CLOSE, 0, 0);
    return true;
}

bool SysCommand(CWnd& dialog, UINT commandId) {
    HeadlessDialog* native = DialogOf(dialog);
    if (!native) {
        return false;
    }
    Send(dialog, WM_SYSCOMMAND, 0, 0, commandId);
    return true;
}

bool FireTimer(CWnd& dialog, UINT_PTR id) {
    HeadlessDialog* native = DialogOf(dialog);
    if (!native || native->m_timers.count(id) == 0) {
        return false;
    }
    Send(dialog, WM_TIMER, 0, 0, id);
    return true;
}

std::optional<UINT> TimerPeriod(const CWnd& dialog, UINT_PTR id) {
    HeadlessDialog* native = DialogOf(dialog);
    if (!native) {
        return std::nullopt;
    }
    const auto it = native->m_timers.find(id);
    return it == native->m_timers.end() ? std::nullopt : std::optional<UINT>(it->second);
}

bool ModalEnded(const CWnd& dialog) {
    HeadlessDialog* native = DialogOf(dialog);
    return !native || native->ended();
}

std::vector<std::pair<UINT, CString>> SystemMenuItems(const CWnd& dialog) {
    HeadlessDialog* native = DialogOf(dialog);
    return native ? native->m_systemMenu : std::vector<std::pair<UINT, CString>>{};
}

HICON Icon(const CWnd& dialog, bool big) {
    HeadlessDialog* native = DialogOf(dialog);
    return native ? (big ? native->m_bigIcon : native->m_smallIcon) : nullptr;
}

namespace {

HeadlessControl* ControlOf(const CWnd& dialog, int id) {
    HeadlessDialog* native = DialogOf(dialog);
    return native ? native->Control(id) : nullptr;
}

}  // namespace

CString TextOf(const CWnd& dialog, int id) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control ? control->GetText() : CString();
}

bool IsShown(const CWnd& dialog, int id) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control && control->IsVisible();
}

bool IsEnabled(const CWnd& dialog, int id) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control && control->IsEnabled();
}

std::vector<CString> TabItems(const CWnd& dialog, int id) {
    std::vector<CString> items;
    if (const HeadlessControl* control = ControlOf(dialog, id)) {
        for (int i = 0; i < control->GetItemCount(); ++i) {
            items.push_back(control->GetItemText(i));
        }
    }
    return items;
}

int SelectedTab(const CWnd& dialog, int id) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control ? control->GetCurSel() : -1;
}

std::vector<CString> ListColumns(const CWnd& dialog, int id) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control ? control->state().columns : std::vector<CString>{};
}

std::vector<std::vector<CString>> ListRows(const CWnd& dialog, int id) {
    std::vector<std::vector<CString>> rows;
    if (const HeadlessControl* control = ControlOf(dialog, id)) {
        for (int item = 0; item < control->GetItemCount(); ++item) {
            std::vector<CString> row;
            for (int column = 0; column < control->GetColumnCount(); ++column) {
                row.push_back(control->GetCellText(item, column));
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

int ListProgress(const CWnd& dialog, int id, int row, int column) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control ? control->GetCellProgress(row, column) : -1;
}

CString ListToolTip(const CWnd& dialog, int id, int row, int column) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control ? control->GetCellToolTip(row, column) : CString();
}

std::pair<int, bool> ListSortIndicator(const CWnd& dialog, int id) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control ? std::pair{control->state().sortColumn, control->state().sortAscending}
                   : std::pair{-1, true};
}

int SelectedListRow(const CWnd& dialog, int id) {
    const HeadlessControl* control = ControlOf(dialog, id);
    return control && control->state().kind == ControlKind::List ? control->GetCurSel() : -1;
}

bool HasFocus(const CWnd& dialog, int id) {
    HeadlessDialog* native = DialogOf(dialog);
    return native && native->m_focusId == id;
}

PixelGrid Paint(CWnd& control) {
    if (auto* native = dynamic_cast<HeadlessControl*>(control.GetNative())) {
        return native->PaintNow();
    }
    return PixelGrid{};
}

}  // namespace Headless
