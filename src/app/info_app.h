// CInfoApp: the application object. It names the settings store, remembers its own directory and
// runs the main window.
#pragma once

#include "platform/base/cstring.h"
#include "platform/ui/cwinapp.h"

class CInfoApp : public CWinApp {
public:
    CInfoApp();

    // Runs the main window modally; returns false, which ends the program.
    bool InitInstance() override;

    // The executable's directory. The CSV log no longer defaults to it, nor the file browser:
    // an installed copy cannot write there (see UserDataDirectory).
    CString m_strModuleDir;
};

// The user's own folder for Vantrel's files, $XDG_DATA_HOME/Halvorn/Vantrel (by default
// ~/.local/share/Halvorn/Vantrel): the CSV log lies there unless the settings name another file,
// and the file browser starts there. Every copy, installed or run from its build folder, uses it,
// so the log is always found in one place and outlives a rebuilt build folder. Empty when the
// user has no home folder: there is then no default log rather than one in a shared folder.
CString UserDataDirectory();

// UserDataDirectory()/export.csv; empty when the user has no home folder.
CString DefaultExportPath();
