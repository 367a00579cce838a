// The history window's texts: the values beside its figures' labels and its status line, built
// from what the log's read gave, without a window.
#pragma once

#include <vector>

#include "history/history_summary.h"
#include "pages/page_text.h"
#include "platform/base/cstring.h"

// The figures' labels and values, one a line.
PageText BuildHistoryFigures(const HistorySummary& summary);

// What a read of the log came to.
struct LogReadCounts {
    int units = 0;
    int repeatedLines = 0;  // lines of a unit logged again, merged into its row
    int unreadableLines = 0;
    std::vector<int> firstUnreadable;  // the numbers of the first unreadable lines
    bool partialLine = false;          // the last line is still being written
};

CString BuildHistoryStatus(const LogReadCounts& counts);
// The status of a log not written yet, at path.
CString BuildHistoryNoLogYet(const CString& path);
CString BuildChartSaved(const CString& path);
