// The lines around the pages: last update, header, window title, message, client version.
#pragma once

#include "pages/user_tab_caption.h"  // the user tab's caption, the one frame text built once
#include "platform/base/cstring.h"
#include "platform/base/ctime.h"

class WorkUnitInfo;
class AnalysisState;
class ClientVersion;

// "最終更新時刻： " and the local time of the load (timeText, timeUpdate as kLocalSecondsPattern
// writes it), then how long ago the work unit file was written when that time is known.
CString BuildLastUpdateLine(const CTime& timeUpdate, const CString& timeText,
                            const WorkUnitInfo& wu);

// "Client Ver. <version> :  " when a version text is known, then the progress and CPU time when
// the analysis state was found.
CString BuildHeader(const CString& clientVersion, const AnalysisState& state);

// "Vantrel" without a work unit; else the client directory, with the progress when known.
CString BuildTitle(const WorkUnitInfo& wu, const AnalysisState& state);

// Which record is missing, or empty when both were read.
CString BuildFrameMessage(const WorkUnitInfo& wu, const AnalysisState& state);
