// CInfoApp: the application object. It names the settings store, remembers its own directory and
// runs the window the command line asks for.
#pragma once

#include "app/command_line.h"
#include "platform/base/cstring.h"
#include "platform/ui/cwinapp.h"

class CInfoApp : public CWinApp {
public:
    CInfoApp();

    // Takes the client folders and the window from the arguments; answers --help, --version
    // and wrong arguments on the terminal.
    std::optional<int> ParseCommandLine(const std::vector<std::string>& args) override;
    // Runs the main window (or the clients overview) modally; returns false, which ends the
    // program.
    bool InitInstance() override;

    // The executable's directory. The CSV log does not default to it, nor does the file browser
    // start there: an installed copy cannot write there (see UserDataDirectory).
    CString m_strModuleDir;

private:
    void RunMainWindow(const CString& folder);
    void RunOverview();
    // The history of the log the command line names, or of the one the settings name.
    void RunHistory();

    StartRequest m_request;
};
