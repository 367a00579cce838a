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
    // The chosen file, with "." and the default extension when its name has no extension.
    CString GetPathName() const { return m_path; }
    // Whether a save dialog that asks before replacing a file chose one that is there without
    // having asked about it: the extension was added to the name after the dialog had
    // confirmed that name. The caller asks then.
    bool ReplacesUnasked() const;

    FileDialogRequest m_ofn;  // lpstrInitialDir and the rest, before DoModal

private:
    CWnd* m_pParentWnd;
    CString m_confirmed;  // the name the platform's dialog confirmed
    CString m_path;
};
