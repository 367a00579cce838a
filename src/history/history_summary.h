// The figures over the whole log, and the units finished week by week.
#pragma once

#include <cstdint>
#include <vector>

#include "history/log_unit.h"

struct HistorySummary {
    int units = 0;
    double totalCpu = 0.0;   // seconds
    double meanCpu = 0.0;    // seconds per unit; NaN without units
    double medianCpu = 0.0;  // the mean of the middle two for an even count; NaN without units
    // Units per week over the 4 and the 52 whole weeks before the current one, so that the week
    // under way does not pull the rate down.
    double unitsPerWeek4 = 0.0;
    double unitsPerWeek52 = 0.0;
};

// now: local wall-clock seconds (history/log_calendar.h).
HistorySummary SummarizeHistory(const std::vector<LogUnit>& units, std::int64_t now);

struct WeeklyCounts {
    std::int64_t firstWeek = 0;  // WeekIndex of counts[0]
    std::vector<int> counts;     // one per week, up to the latest unit's week
};

// Units logged in each week, from the first unit's week to the last one's; empty without units.
WeeklyCounts CountUnitsPerWeek(const std::vector<LogUnit>& units);
