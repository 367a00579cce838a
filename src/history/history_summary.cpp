#include "history/history_summary.h"

#include <algorithm>
#include <limits>

#include "history/log_calendar.h"

namespace {

double Median(std::vector<double> values) {
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                     values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1) {
        return upper;
    }
    const double lower =
        *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
    return (lower + upper) / 2;
}

}  // namespace

HistorySummary SummarizeHistory(const std::vector<LogUnit>& units, std::int64_t now) {
    HistorySummary summary;
    summary.units = static_cast<int>(units.size());
    if (units.empty()) {
        summary.meanCpu = summary.medianCpu = std::numeric_limits<double>::quiet_NaN();
        return summary;
    }
    std::vector<double> cpu;
    cpu.reserve(units.size());
    const std::int64_t thisWeek = WeekIndex(now);
    int last4 = 0;
    int last52 = 0;
    for (const LogUnit& unit : units) {
        summary.totalCpu += unit.cpu;
        cpu.push_back(unit.cpu);
        const std::int64_t weeksAgo = thisWeek - WeekIndex(unit.logged);
        last4 += weeksAgo >= 1 && weeksAgo <= 4;
        last52 += weeksAgo >= 1 && weeksAgo <= 52;
    }
    summary.meanCpu = summary.totalCpu / static_cast<double>(units.size());
    summary.medianCpu = Median(std::move(cpu));
    summary.unitsPerWeek4 = last4 / 4.0;
    summary.unitsPerWeek52 = last52 / 52.0;
    return summary;
}

WeeklyCounts CountUnitsPerWeek(const std::vector<LogUnit>& units) {
    WeeklyCounts weekly;
    if (units.empty()) {
        return weekly;
    }
    const auto [first, last] =
        std::minmax_element(units.begin(), units.end(),
                            [](const LogUnit& a, const LogUnit& b) { return a.logged < b.logged; });
    weekly.firstWeek = WeekIndex(first->logged);
    weekly.counts.assign(static_cast<size_t>(WeekIndex(last->logged) - weekly.firstWeek + 1), 0);
    for (const LogUnit& unit : units) {
        ++weekly.counts[static_cast<size_t>(WeekIndex(unit.logged) - weekly.firstWeek)];
    }
    return weekly;
}
