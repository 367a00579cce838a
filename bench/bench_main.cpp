// The in-process benchmarks: the refresh cycle, the CSV export, the clients overview and the
// history window, each against its floor.
#include <benchmark/benchmark.h>

#include <iostream>
#include <string>
#include <vector>

#include "ratio_summary.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    static const char* const kTabs[] = {"Work Unit", "observation", "analysis", "progress", "user"};
    std::vector<BenchTarget> targets;
    for (int tab = 0; tab < 5; ++tab) {
        targets.push_back({"BM_RefreshCycle/" + std::to_string(tab),
                           std::string("refresh cycle, ") + kTabs[tab] + " tab", "refresh_us",
                           "floor_us", BenchTarget::Kind::Ratio, 1.5, ""});
    }
    // For comparison only: reading the work unit's large data part too, which a load never does.
    targets.push_back({"BM_RefreshCycle/2", "analysis tab against reading the files whole",
                       "refresh_us", "whole_files_us", BenchTarget::Kind::Info, 0, ""});
    targets.push_back({"BM_CsvExport/0", "CSV export, 23 columns", "export_us", "floor_us",
                       BenchTarget::Kind::Ratio, 1.5, ""});
    targets.push_back({"BM_CsvExport/1", "CSV export, 28 columns", "export_us", "floor_us",
                       BenchTarget::Kind::Ratio, 1.5, ""});
    // For comparison only: an append without the lock and the file check.
    targets.push_back({"BM_CsvExport/0", "CSV export against a bare append", "export_us",
                       "bare_append_us", BenchTarget::Kind::Info, 0, ""});
    // 256 clients refreshed through the overview against 256 refresh cycles of the main window.
    targets.push_back({"BM_OverviewRefresh/256", "overview refresh of 256 clients", "overview_ms",
                       "single_cycles_ms", BenchTarget::Kind::Ratio, 1.2, ""});
    targets.push_back({"BM_OverviewRefresh/256", "overview heap per client", "per_client_kib",
                       "none", BenchTarget::Kind::Excess, 64, "KiB"});
    targets.push_back({"BM_OverviewWithAHangingFolder/256",
                       "longest interface-thread call, one folder hanging", "longest_call_ms",
                       "none", BenchTarget::Kind::Excess, 50, "ms"});
    targets.push_back({"BM_HistoryOpen", "history of 100,000 lines: table, figures, 3 charts",
                       "open_ms", "floor_ms", BenchTarget::Kind::Ratio, 3.0, ""});
    targets.push_back({"BM_HistoryOpen", "history: heap kept for the log, against its size",
                       "log_heap_mib", "file_mib", BenchTarget::Kind::Ratio, 3.0, ""});
    reporter.PrintSummary(targets, std::cout);
    benchmark::Shutdown();
    return 0;
}
