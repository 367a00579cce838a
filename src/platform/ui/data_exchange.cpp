#include "platform/ui/data_exchange.h"

#include <string>

#include "platform/base/text_encoding.h"
#include "platform/ui/cdialog.h"
#include "platform/ui/framework_texts.h"

namespace {

NativeWindow* Control(CDataExchange* pDX, int id) {
    pDX->m_idLastControl = id;
    CWnd* item = pDX->m_pDlgWnd->GetDlgItem(id);
    return item ? item->GetNative() : nullptr;
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.IsCreated()) {
        return;
    }
    NativeWindow* native = Control(pDX, id);
    if (!native) {
        return;
    }
    control.Attach(native);
    pDX->m_pDlgWnd->m_boundItems[id] = &control;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value) {
    NativeWindow* native = Control(pDX, id);
    if (!native) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = native->GetText();
    } else if (!native->HasText(value)) {
        native->SetText(value);
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    NativeWindow* native = Control(pDX, id);
    if (!native) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = native->GetCheck();
    } else {
        native->SetCheck(value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars) {
    if (!pDX->m_bSaveAndValidate) {
        if (CWnd* item = pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl)) {
            if (NativeWindow* native = item->GetNative()) {
                native->SetLimitText(maxChars);
            }
        }
        return;
    }
    if (Cp932Length(value.str()) > maxChars) {
        const CString message =
            FormatString1(GetFrameworkTexts().tooLongFormat, std::to_string(maxChars));
        // MB_OK is 0, as in the message-box API it stands for; named for the reader.
        // cppcheck-suppress badBitmaskCheck
        pDX->m_pDlgWnd->MessageBox(message.GetString(), nullptr, MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
