// The units finished in each week, as bars.
#pragma once

#include "history/history_summary.h"

class PlotStream;

void DrawWeeklyUnitsChart(const PlotStream& stream, const WeeklyCounts& weekly);
