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

    // The executable's directory, for the default CSV path and the file browser's start.
    CString m_strModuleDir;
};

// The running application object.
CInfoApp& GetInfoApp();
