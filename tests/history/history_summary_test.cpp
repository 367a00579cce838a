// The figures of the history, worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "history/history_summary.h"
#include "history/log_calendar.h"

namespace {

LogUnit UnitAt(const char* logged, double cpuHours) {
    LogUnit unit;
    unit.logged = *ParseLogTime(logged);
    unit.cpu = cpuHours * 3600;
    return unit;
}

TEST(HistorySummary, FiguresOverTheWholeLog) {
    const std::vector<LogUnit> units = {
        UnitAt("2024/01/01 00:00:00", 3), UnitAt("2024/01/02 00:00:00", 1),
        UnitAt("2024/01/03 00:00:00", 10), UnitAt("2024/01/04 00:00:00", 2)};
    const HistorySummary summary = SummarizeHistory(units, *ParseLogTime("2024/06/01 00:00:00"));
    EXPECT_EQ(summary.units, 4);
    EXPECT_DOUBLE_EQ(summary.totalCpu, 16 * 3600.0);
    EXPECT_DOUBLE_EQ(summary.meanCpu, 4 * 3600.0);
    EXPECT_DOUBLE_EQ(summary.medianCpu, 2.5 * 3600.0);  // between 2 and 3
    EXPECT_DOUBLE_EQ(SummarizeHistory({units[0], units[1], units[2]}, 0).medianCpu, 3 * 3600.0);

    const HistorySummary none = SummarizeHistory({}, 0);
    EXPECT_EQ(none.units, 0);
    EXPECT_EQ(none.totalCpu, 0.0);
    EXPECT_TRUE(std::isnan(none.meanCpu));
    EXPECT_TRUE(std::isnan(none.medianCpu));
    EXPECT_EQ(none.unitsPerWeek52, 0.0);
}

TEST(HistorySummary, UnitsPerWeekCountTheWholeWeeksBeforeThisOne) {
    // Now: Wednesday 2024-01-31. This week began Monday 2024-01-29; the four before it began
    // on 2024-01-01, and the 52 before it on 2023-01-30.
    const std::int64_t now = *ParseLogTime("2024/01/31 12:00:00");
    const std::vector<LogUnit> units = {
        UnitAt("2024/01/29 00:00:00", 1),  // this week: not counted
        UnitAt("2024/01/28 23:59:59", 1),  // last week
        UnitAt("2024/01/01 00:00:00", 1),  // 4 weeks ago, its first second
        UnitAt("2023/12/31 23:59:59", 1),  // 5 weeks ago
        UnitAt("2023/01/30 00:00:00", 1),  // 52 weeks ago
        UnitAt("2023/01/29 23:59:59", 1),  // 53 weeks ago
    };
    const HistorySummary summary = SummarizeHistory(units, now);
    EXPECT_DOUBLE_EQ(summary.unitsPerWeek4, 2 / 4.0);
    EXPECT_DOUBLE_EQ(summary.unitsPerWeek52, 4 / 52.0);

    const WeeklyCounts weekly = CountUnitsPerWeek(units);
    EXPECT_EQ(weekly.firstWeek, WeekIndex(units[5].logged));
    // The weeks from 2023-01-23 to 2024-01-29, a unit in those of 2023-01-23, 2023-01-30,
    // 2023-12-25, 2024-01-01, 2024-01-22 and 2024-01-29.
    std::vector<int> expected(54, 0);
    for (const size_t week : {0, 1, 48, 49, 52, 53}) {
        expected[week] = 1;
    }
    EXPECT_EQ(weekly.counts, expected);
    EXPECT_TRUE(CountUnitsPerWeek({}).counts.empty());
}

}  // namespace
