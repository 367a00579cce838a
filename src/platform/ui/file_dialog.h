// CFileDialog: the platform's file-open (or save) dialog.
#pragma once

#include "platform/base/cstring.h"
#include "platform/ui/native_window.h"

class CWnd;

class CFileDialog {
public:
    explicit CFileDialog(bool openFileDialog, const char* defaultExt = nullptr,
                         const char* fileName = nullptr, UINT flags = 0,
                         const char* filter = nullptr, CWnd* parent = nullptr);

    // Returns IDOK when the user chose a file, else IDCANCEL.
    int DoModal();
    CString GetPathName() const { return m_path; }

    FileDialogRequest m_ofn;  // lpstrInitialDir and the rest, before DoModal

private:
    CWnd* m_pParentWnd;
    CString m_path;
};
