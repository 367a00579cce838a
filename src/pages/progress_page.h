// The fourth tab: progress, utilisation and the predicted completion times.
#pragma once

#include <cstdint>
#include <optional>

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
// The page's values column appended to values: what moves with the clock while the records stay.
void AppendProgressValues(CString& values, const ProgressInputs& in);

// The share of wall time the client got since the baseline, capped at 1; nothing when there is
// no earlier load of this unit to measure from.
std::optional<double> Utilisation(const ProgressInputs& in);

// CPU seconds still to go when the client gets the whole processor: what the first predicted
// completion counts from the load. Nothing at progress 0 or when the count does not fit.
std::optional<std::int32_t> RemainingCpuSeconds(const AnalysisState& state);
