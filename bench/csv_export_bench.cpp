// One CSV log line appended by the exporter, against an append of the same bytes with the
// plain calls a safe append needs (a lock against a second Vantrel, the check that the path is a
// regular file and its length), and against a bare append for comparison.
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "client_dir.h"
#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "export/csv_export.h"
#include "export/csv_line.h"
#include "plain_io.h"

namespace {

void BM_CsvExport(benchmark::State& state) {
    const BenchClientDir dir("");
    WorkUnitInfo wu(dir.client().c_str());
    wu.Read(ClientFileSet::Sah);
    AnalysisState analysis(dir.client().c_str());
    analysis.Read(ClientFileSet::Sah);
    if (!wu.found || !analysis.found) {
        state.SkipWithError("cannot read the demo client's files");
        return;
    }

    CsvExportSettings settings;
    settings.path = (dir.root() + "/export.csv").c_str();
    settings.form = static_cast<int>(state.range(0));
    const CTime updateTime(1017756000);
    const std::string line =
        FormatCsvLine(updateTime, wu, analysis, settings.form == 1, "\n").GetString();
    const std::string floorPath = dir.root() + "/floor.csv";
    const std::string barePath = dir.root() + "/bare.csv";

    // Both files start with the title and one line, so every timed append adds one line; they
    // are cut back to that now and then, outside the timing, to keep them small.
    if (AppendCsvLine(settings, updateTime, wu, analysis) != CsvExportResult::Written) {
        state.SkipWithError("the first export failed");
        return;
    }
    const auto startLength = std::filesystem::file_size(settings.path.GetString());
    std::filesystem::copy_file(settings.path.GetString(), floorPath);
    std::filesystem::copy_file(settings.path.GetString(), barePath);

    double floorSeconds = 0;
    double bareSeconds = 0;
    double exportSeconds = 0;
    bool written = true;
    // Counted here: state.iterations() stays put inside the loop.
    long long round = 0;
    for (auto _ : state) {
        ++round;
        // Which goes first alternates, so that neither always follows the other.
        const bool floorFirst = round % 2 == 1;
        if (floorFirst) {
            floorSeconds += TimeOnce([&] { AppendPlainSafely(floorPath, line); });
        }
        const double seconds = TimeOnce([&] {
            written &=
                AppendCsvLine(settings, updateTime, wu, analysis) == CsvExportResult::Written;
        });
        exportSeconds += seconds;
        state.SetIterationTime(seconds);
        if (!floorFirst) {
            floorSeconds += TimeOnce([&] { AppendPlainSafely(floorPath, line); });
        }
        bareSeconds += TimeOnce([&] { AppendPlain(barePath, line); });
        if (round % 4096 == 0) {
            std::filesystem::resize_file(settings.path.GetString(), startLength);
            std::filesystem::resize_file(floorPath, startLength);
            std::filesystem::resize_file(barePath, startLength);
        }
    }
    if (!written) {
        state.SkipWithError("an export failed");
        return;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["floor_us"] = floorSeconds / iterations * 1e6;
    state.counters["bare_append_us"] = bareSeconds / iterations * 1e6;
    state.counters["export_us"] = exportSeconds / iterations * 1e6;
}

}  // namespace

// 0: the 23-column layout; 1: the 28-column one.
BENCHMARK(BM_CsvExport)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
