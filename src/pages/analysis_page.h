// The third tab: the strongest spike and Gaussian found so far.
#pragma once

#include "pages/page_text.h"

class AnalysisState;
class ClientVersion;

// The ".sah" client files: only they carry the Gaussian's fit parameters and power values.
bool IsNewerFileSet(const ClientVersion& version);

// The text above the graph; the caller sizes the columns and feeds the graph.
PageText BuildAnalysisPage(const AnalysisState& state, const ClientVersion& version);
