// Dialog data exchange: one DoDataExchange moves values between members and controls in both
// directions.
#pragma once

#include "platform/base/cstring.h"

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // Ends a failed exchange: the focus goes to the last control exchanged.
    [[noreturn]] void Fail();

    bool m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    int m_idLastControl = 0;
};

// Binds a control object to the dialog's control with the id.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// BOOL-like check state: 0 or 1.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Limits the text to maxChars characters as the ANSI code page counts them; on taking values a
// longer text shows the framework's message and fails the exchange.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
