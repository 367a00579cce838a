#include "pages/history_texts.h"

#include <cmath>

#include "res/strings.h"

namespace {

void AppendHours(CString& text, double seconds) {
    if (std::isnan(seconds)) {
        text += "NaN\n";
    } else {
        text.AppendFormat("%.2lf hr\n", seconds / 3600.0);
    }
}

}  // namespace

CString BuildHistoryFigures(const HistorySummary& summary) {
    CString values;
    values.Format("%d\n", summary.units);
    AppendHours(values, summary.totalCpu);
    AppendHours(values, summary.meanCpu);
    AppendHours(values, summary.medianCpu);
    values.AppendFormat("%.2lf\n%.2lf", summary.unitsPerWeek4, summary.unitsPerWeek52);
    return values;
}

CString BuildHistoryStatus(const LogReadCounts& counts) {
    const int lines = counts.units + counts.repeatedLines + counts.unreadableLines;
    CString status;
    status.Format(Text::kHistoryUnitsFormat, counts.units, lines);
    if (counts.repeatedLines > 0) {
        status.AppendFormat(Text::kHistoryRepeatedFormat, counts.repeatedLines);
    }
    if (counts.unreadableLines > 0) {
        CString where;
        for (const int line : counts.firstUnreadable) {
            where.AppendFormat(where.IsEmpty() ? "%d" : ", %d", line);
        }
        if (counts.unreadableLines > static_cast<int>(counts.firstUnreadable.size())) {
            where += ", ...";
        }
        status.AppendFormat(Text::kHistoryUnreadableFormat, counts.unreadableLines,
                            where.GetString());
    }
    if (counts.partialLine) {
        status += Text::kHistoryPartialLine;
    }
    return status;
}
