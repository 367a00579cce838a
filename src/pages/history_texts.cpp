#include "pages/history_texts.h"

#include <cmath>

#include "pages/page_rows.h"

namespace {

void PutHours(TextWriter& v, double seconds) {
    if (std::isnan(seconds)) {
        v.Put("--");  // a mean or median of no units
    } else {
        v.Format("%.2lf hr", seconds / 3600.0);
    }
}

void PutUnits(TextWriter& v, const HistorySummary& summary) {
    v.Format("%d", summary.units);
}

void PutCpuTotal(TextWriter& v, const HistorySummary& summary) {
    PutHours(v, summary.totalCpu);
}

void PutCpuMean(TextWriter& v, const HistorySummary& summary) {
    PutHours(v, summary.meanCpu);
}

void PutCpuMedian(TextWriter& v, const HistorySummary& summary) {
    PutHours(v, summary.medianCpu);
}

void PutWeekly4(TextWriter& v, const HistorySummary& summary) {
    v.Format("%.2lf", summary.unitsPerWeek4);
}

void PutWeekly52(TextWriter& v, const HistorySummary& summary) {
    v.Format("%.2lf", summary.unitsPerWeek52);
}

constexpr PageRow<HistorySummary> kFigureRows[] = {
    {Text::kLabelHistoryUnits, PutUnits},     {Text::kLabelHistoryCpuTotal, PutCpuTotal},
    {Text::kLabelHistoryCpuMean, PutCpuMean}, {Text::kLabelHistoryCpuMedian, PutCpuMedian},
    {Text::kLabelHistoryWeekly4, PutWeekly4}, {Text::kLabelHistoryWeekly52, PutWeekly52},
};

}  // namespace

PageText BuildHistoryFigures(const HistorySummary& summary) {
    return BuildRows(kFigureRows, &summary, LastLine::kOpen);
}

CString BuildHistoryStatus(const LogReadCounts& counts) {
    const int lines = counts.units + counts.repeatedLines + counts.unreadableLines;
    CString status;
    status.Format(Tr(Text::kHistoryUnitsFormat), counts.units, lines);
    if (counts.repeatedLines > 0) {
        status.AppendFormat(Tr(Text::kHistoryRepeatedFormat), counts.repeatedLines);
    }
    if (counts.unreadableLines > 0) {
        CString where;
        for (const int line : counts.firstUnreadable) {
            where.AppendFormat(where.IsEmpty() ? "%d" : ", %d", line);
        }
        if (counts.unreadableLines > static_cast<int>(counts.firstUnreadable.size())) {
            where += ", ...";
        }
        status.AppendFormat(Tr(Text::kHistoryUnreadableFormat), counts.unreadableLines,
                            where.GetString());
    }
    if (counts.partialLine) {
        status += Tr(Text::kHistoryPartialLine);
    }
    return status;
}

CString BuildHistoryNoLogYet(const CString& path) {
    CString status;
    status.Format(Tr(Text::kHistoryNoLogYetFormat), path.GetString());
    return status;
}

CString BuildChartSaved(const CString& path) {
    CString status;
    status.Format(Tr(Text::kHistoryChartSavedFormat), path.GetString());
    return status;
}
