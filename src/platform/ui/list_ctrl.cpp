#include "platform/ui/list_ctrl.h"

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width) {
    NativeWindow* native = GetNative();
    if (!native) {
        return -1;
    }
    const int at = native->InsertColumn(column, CString(heading), format);
    if (at >= 0) {
        native->SetColumnWidth(at, width);
    }
    return at;
}

int CListCtrl::GetColumnCount() const {
    return GetNative() ? GetNative()->GetColumnCount() : 0;
}

CString CListCtrl::GetColumnText(int column) const {
    return GetNative() ? GetNative()->GetColumnText(column) : CString();
}

void CListCtrl::SetColumnWidth(int column, int width) {
    if (GetNative()) {
        GetNative()->SetColumnWidth(column, width);
    }
}

void CListCtrl::SetColumnWidthFor(int column, const std::vector<CString>& texts) {
    if (GetNative()) {
        GetNative()->SetColumnWidthFor(column, texts);
    }
}

int CListCtrl::InsertItem(int item, const char* text) {
    return GetNative() ? GetNative()->InsertItem(item, CString(text)) : -1;
}

bool CListCtrl::SetItemText(int item, int subItem, const char* text) {
    return GetNative() && GetNative()->SetCellText(item, subItem, CString(text));
}

CString CListCtrl::GetItemText(int item, int subItem) const {
    return GetNative() ? GetNative()->GetCellText(item, subItem) : CString();
}

bool CListCtrl::SetItemProgress(int item, int subItem, int percent) {
    const int bar = percent < 0 ? -1 : (percent > 100 ? 100 : percent);
    return GetNative() && GetNative()->SetCellProgress(item, subItem, bar);
}

int CListCtrl::GetItemProgress(int item, int subItem) const {
    return GetNative() ? GetNative()->GetCellProgress(item, subItem) : -1;
}

bool CListCtrl::SetItemToolTip(int item, int subItem, const CString& text) {
    return GetNative() && GetNative()->SetCellToolTip(item, subItem, text);
}

CString CListCtrl::GetItemToolTip(int item, int subItem) const {
    return GetNative() ? GetNative()->GetCellToolTip(item, subItem) : CString();
}

void CListCtrl::SetSortIndicator(int column, bool ascending) {
    if (GetNative()) {
        GetNative()->SetSortIndicator(column, ascending);
    }
}

bool CListCtrl::DeleteItem(int item) {
    return GetNative() && GetNative()->DeleteItem(item);
}

void CListCtrl::DeleteAllItems() {
    if (GetNative()) {
        GetNative()->DeleteAllItems();
    }
}

int CListCtrl::GetItemCount() const {
    return GetNative() ? GetNative()->GetItemCount() : 0;
}

int CListCtrl::GetSelectedItem() const {
    return GetNative() ? GetNative()->GetCurSel() : -1;
}

bool CListCtrl::SetSelectedItem(int item) {
    NativeWindow* native = GetNative();
    if (!native || item < -1 || item >= native->GetItemCount()) {
        return false;
    }
    native->SetCurSel(item);
    return true;
}

void CListCtrl::SetItemCountEx(int count) {
    if (GetNative()) {
        GetNative()->SetItemCountEx(count);
    }
}
