// CFolderPickerDialog: the platform's folder chooser.
#pragma once

#include "platform/base/cstring.h"

class CWnd;

class CFolderPickerDialog {
public:
    // folder: where the chooser starts; null for the platform's choice.
    explicit CFolderPickerDialog(const char* folder = nullptr, CWnd* parent = nullptr);

    // Returns IDOK when the user chose a folder, else IDCANCEL.
    int DoModal();
    CString GetPathName() const { return m_path; }

    CString m_strTitle;  // the chooser's title, before DoModal

private:
    CString m_initialFolder;
    CWnd* m_pParentWnd;
    CString m_path;
};
