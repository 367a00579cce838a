// The real history window on long logs, against the bare dialog's start-up and reading the log.
#pragma once

#include <string>
#include <vector>

#include "ratio_summary.h"

// BM_HistoryWindow/100000 and /1000000, each repeated runs times (the median is kept).
void RegisterHistoryWindowBenchmarks(const std::string& vantrel, const std::string& bare, int runs);
std::vector<BenchTarget> HistoryWindowTargets();
