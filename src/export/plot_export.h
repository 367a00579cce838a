// The best-Gaussian data file and gnuplot script written beside the CSV log.
#pragma once

#include "platform/base/cstring.h"

class WorkUnitInfo;
class AnalysisState;

// The 64 bg_pot values, one "%.6lf" line each, CR LF line ends.
CString FormatPlotData(const AnalysisState& state);

// The gnuplot script that plots "<name>.dat" with the fitted Gaussian, CR LF line ends.
CString FormatPlotScript(const WorkUnitInfo& wu, const AnalysisState& state);

// Writes "<name>.dat" and "<name>.plt" into the directory of exportPath, each to a temporary file
// that is then renamed into place. Returns false, writing nothing, when there is no Gaussian yet
// (sigma or chi-square 0) or the name would lead outside that directory; false also when a file
// could not be written.
bool WritePlotFiles(const CString& exportPath, const WorkUnitInfo& wu, const AnalysisState& state);
