// CInfoApp: the application object. It names the settings store, remembers its own directory and
// runs the main window on the client folder it was started in.
#pragma once

#include "platform/base/cstring.h"
#include "platform/ui/cwinapp.h"

class CInfoApp : public CWinApp {
public:
    CInfoApp();

    // Runs the main window modally; returns false, which ends the program.
    bool InitInstance() override;

    // The executable's directory. The CSV log does not default to it, nor does the file browser
    // start there: an installed copy cannot write there (see UserDataDirectory).
    CString m_strModuleDir;
};
