#include "platform/ui/folder_dialog.h"

#include "platform/ui/cwnd.h"

CFolderPickerDialog::CFolderPickerDialog(const char* folder, CWnd* parent)
    : m_initialFolder(folder), m_pParentWnd(parent) {}

int CFolderPickerDialog::DoModal() {
    CString chosen;
    NativeWindow* owner = m_pParentWnd ? m_pParentWnd->GetNative() : nullptr;
    if (!ShowNativeFolderDialog(owner, m_strTitle, m_initialFolder, chosen)) {
        return IDCANCEL;
    }
    m_path = chosen;
    return IDOK;
}
