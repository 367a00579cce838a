// Screenshots of the program's real windows, the check that each shows its texts whole, and the
// check of its Tab stops.
#pragma once

#include <string>

class CWnd;

// Captures the window, keeps the picture as vantrel_<name>_<locale>.png in the build folder and
// reports every control whose text does not fit.
void ExpectEveryTextFits(CWnd& window, const std::string& name);

// Goes round the window's Tab cycle and reports every stop that shows no focus: only buttons,
// check boxes, entries, lists and tab heads may take it.
void ExpectEveryTabStopShowsFocus(CWnd& window, const std::string& name);
