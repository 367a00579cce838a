// The CPU hours each unit took, over the time it was logged.
#pragma once

#include <vector>

#include "history/log_unit.h"

class PlotStream;

void DrawCpuHoursChart(const PlotStream& stream, const std::vector<LogUnit>& units);
