#include "platform/ui/controls.h"

int CButton::GetCheck() const {
    return GetNative() ? GetNative()->GetCheck() : BST_UNCHECKED;
}

void CButton::SetCheck(int check) {
    if (GetNative()) {
        GetNative()->SetCheck(check);
    }
}

void CEdit::SetLimitText(int maxChars) {
    if (GetNative()) {
        GetNative()->SetLimitText(maxChars);
    }
}

int CTabCtrl::InsertItem(int index, const char* text) {
    return GetNative() ? GetNative()->InsertItem(index, CString(text)) : -1;
}

int CTabCtrl::GetCurSel() const {
    return GetNative() ? GetNative()->GetCurSel() : -1;
}

int CTabCtrl::SetCurSel(int index) {
    return GetNative() ? GetNative()->SetCurSel(index) : -1;
}

int CTabCtrl::GetItemCount() const {
    return GetNative() ? GetNative()->GetItemCount() : 0;
}

CString CTabCtrl::GetItemText(int index) const {
    return GetNative() ? GetNative()->GetItemText(index) : CString();
}
