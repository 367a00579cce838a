// The command line: which window the program opens on which client folders, or the answer it
// gives instead (--help, --version, a wrong argument).
//
//   vantrel                  the main window on the folder it was started in
//   vantrel DIR              the main window on DIR
//   vantrel DIR DIR...       the clients overview on those folders
//   vantrel --clients        the clients overview on the folders kept in the settings
//   vantrel --history [FILE] the history of the CSV log FILE, or of the log the settings name
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/base/cstring.h"

struct StartRequest {
    enum class Window { Main, Overview, History };
    Window window = Window::Main;
    // The folders as given; for the main window none means the working directory.
    std::vector<CString> folders;
    // The overview's folders are the ones kept in the settings.
    bool storedClients = false;
    // The history's log: empty for the one the settings name.
    bool history = false;
    CString historyLog;
    bool help = false;
    bool version = false;
};

// What the program prints and the status it ends with, when it opens no window.
struct CommandLineAnswer {
    int status = 0;
    bool toStderr = false;
    std::string text;
};

// The arguments after the program's name. An answer when they ask for one or are wrong:
// unknown options, a value where none belongs, folders beside --clients.
std::optional<CommandLineAnswer> ParseCommandLine(const std::vector<std::string>& args,
                                                  StartRequest& request);

// The folders given made absolute, each once in the order given; an answer naming the first
// that is no folder.
std::optional<CommandLineAnswer> ResolveFolders(StartRequest& request);

// The help text, from the table of options.
std::string UsageText();
