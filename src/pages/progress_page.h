// The fourth tab: progress, utilisation and the predicted completion times.
#pragma once

#include "pages/page_text.h"
#include "platform/base/ctime.h"

class WorkUnitInfo;
class AnalysisState;
class ClientVersion;

struct ProgressInputs {
    const WorkUnitInfo& wu;
    const AnalysisState& state;
    const ClientVersion& version;
    CTime timeUpdate;  // the last load; every prediction counts from it
    CTime timeBase;    // the load that first saw this work unit
    double cpuBase;    // the unit's CPU time at that load
    bool baselineSet;  // false until a named work unit was loaded with its analysis state
};

PageText BuildProgressPage(const ProgressInputs& in);
