// What the scenario runner does the same way for every window: the actions that set the clock,
// the settings and the answers of boxes and dialogs, and the records printed after each action
// (message boxes, modal dialogs, files written beside the CSV log).
#pragma once

#include <cstddef>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "json_writer.h"

// The error text of an action every window knows ("" when it went well); nothing when the
// action is not one of them:
//   answer N                    the next message box is answered with N (1 OK, 2 Cancel, 6 Yes,
//                               7 No)
//   settings-ok                 the next settings dialog is closed with OK as it opens
//   clock SECONDS | advance SECONDS   set or move the clock (seconds since 1970)
//   set SECTION KEY int|str VALUE     write a setting; "set SECTION KEY delete" removes it
std::optional<std::string> PerformCommonAction(const std::string& action, std::istringstream& in);

// Reads one action a line from standard input until it ends or done() holds, prints the state
// after the start and after each action. perform gets the action's first word and the rest of
// its line; "show" only prints.
template <typename Perform, typename Print, typename Done>
void RunScenario(Perform perform, Print print, Done done) {
    std::string line;
    print("start", "");
    while (!done() && std::getline(std::cin, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream in(line);
        std::string action;
        in >> action;
        print(line, action == "show" ? std::string() : perform(action, in));
    }
}

class CWnd;

// Begins the state printed after an action: the action, its error when there was one, and
// whether the window is still open, which the caller's fields follow.
bool BeginState(JsonWriter& json, const std::string& action, const std::string& error,
                const CWnd& window);

class ScenarioRecords {
public:
    ScenarioRecords();
    // The message boxes and modal dialogs since the last call, the desktop notifications (where
    // there are new ones), and the files the export wrote.
    void Write(JsonWriter& json);
    // Writes these, ends the state and prints it as one line.
    void EndState(JsonWriter& json);

private:
    using FileStamps = std::map<std::string, std::pair<long long, long long>>;
    static FileStamps StampExportFiles();

    size_t m_boxesSeen = 0;
    size_t m_modalsSeen = 0;
    size_t m_notificationsSeen = 0;
    FileStamps m_before;
};
