// The controls the program binds members to.
#pragma once

#include "platform/ui/cwnd.h"

class CStatic : public CWnd {};

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int check);
};

class CEdit : public CWnd {
public:
    void SetLimitText(int maxChars);
};

class CTabCtrl : public CWnd {
public:
    // Returns the index of the new item, or -1.
    int InsertItem(int index, const char* text);
    int GetCurSel() const;
    // Returns the previous selection, or -1 when the index is refused.
    int SetCurSel(int index);
    int GetItemCount() const;
    CString GetItemText(int index) const;
};
