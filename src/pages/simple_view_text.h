// The simple view's texts: the progress and CPU time on its big button, the time of the load
// below it, and the client folder as its title.
#pragma once

#include <optional>

#include "platform/base/cstring.h"
#include "platform/base/ctime.h"

class WorkUnitInfo;
class AnalysisState;

struct SimpleViewText {
    CString time;                  // the load's local time
    std::optional<CString> title;  // the client folder; none keeps the last title
    CString info;                  // two lines of progress and CPU time, or the failure text
    bool shown = false;            // whether progress and CPU time are shown
};

// updateText: the load's local time as kLocalSecondsPattern writes it.
SimpleViewText BuildSimpleViewText(const CString& updateText, const WorkUnitInfo& wu,
                                   const AnalysisState& state);
