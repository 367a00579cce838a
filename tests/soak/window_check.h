// What the main window may show after any refresh: texts built from one consistent load of the
// records it holds, and records made of values the client wrote (or, for a torn file, the start
// of one).
#pragma once

#include <set>
#include <string>

class CInfoDlg;

struct WindowExpectations {
    std::string clientDir;            // the absolute client directory
    std::set<std::string> unitNames;  // every work unit name the client has written so far
    double maxUnitCpu = 0.0;          // no unit takes more CPU seconds than this
};

// Empty when the window is consistent; else what is wrong.
std::string CheckWindow(CInfoDlg& dlg, const WindowExpectations& expect);
