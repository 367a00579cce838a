#include "platform/ui/file_dialog.h"

#include "platform/ui/cwnd.h"

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExt, const char* fileName,
                         UINT flags, const char* filter, CWnd* parent)
    : m_pParentWnd(parent) {
    m_ofn.openFileDialog = openFileDialog;
    m_ofn.defaultExt = defaultExt;
    m_ofn.fileName = fileName;
    m_ofn.flags = flags;
    m_ofn.filter = filter;
}

int CFileDialog::DoModal() {
    CString chosen;
    NativeWindow* owner = m_pParentWnd ? m_pParentWnd->GetNative() : nullptr;
    if (!ShowNativeFileDialog(owner, m_ofn, chosen)) {
        return IDCANCEL;
    }
    m_path = chosen;
    return IDOK;
}
