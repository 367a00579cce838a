// Appending a line to the CSV log.
#pragma once

#include "platform/base/cstring.h"
#include "platform/base/ctime.h"

class WorkUnitInfo;
class AnalysisState;

struct CsvExportSettings {
    CString path;
    bool lfCode = true;    // LF line ends, else CR LF
    bool noTitle = false;  // never write the title line
    int form = 0;          // exactly 1: the new 28-column layout
};

enum class CsvExportResult {
    Written,
    NothingToExport,  // the work unit or the analysis state was not found; nothing opened
    Failed,           // the file could not be opened or written; it is as it was before
};

// Appends one line (and the title line first when the file is empty and titles are wanted) with
// one write. A write that fails part-way is cut back, so the file never ends in a partial line.
CsvExportResult AppendCsvLine(const CsvExportSettings& settings, const CTime& updateTime,
                              const WorkUnitInfo& wu, const AnalysisState& state);
