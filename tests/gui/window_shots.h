// Screenshots of the program's real windows, and the check that each shows its texts whole.
#pragma once

#include <string>

class CWnd;

// Captures the window, keeps the picture as vantrel_<name>_<locale>.png in the build folder and
// reports every control whose text does not fit.
void ExpectEveryTextFits(CWnd& window, const std::string& name);
