// The history window opened on a log of 100,000 lines, with the table, the figures and the
// charts ready, on the headless backend; against reading the same file and splitting its lines
// on commas in a plain loop. Also the heap the window keeps for the log, against the file's size,
// and the processor time of both (every thread's), beside their wall-clock time.
//
// The log is the demo's, its lines repeated under new names until there are 100,000 of them:
// a farm of machines logging into one file, both layouts, lines of units logged twice.
#include <malloc.h>

#include <benchmark/benchmark.h>

#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "client_dir.h"
#include "history_log.h"
#include "plain_io.h"
#include "platform/headless/headless.h"
#include "platform/ui/cwinapp.h"
#include "res/resource.h"
#include "windows/history_dlg.h"

namespace {

constexpr int kLines = 100000;

// Processor seconds of the whole process, every thread's, over the work.
template <typename Work>
double ProcessorSeconds(Work&& work) {
    const std::clock_t start = std::clock();
    work();
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Opens the window on the log, with every chart drawn once; it stays open until destroyed.
bool OpenWithEveryChart(CHistoryDlg& dlg) {
    if (!dlg.Create()) {
        return false;
    }
    // The sky map is drawn as the window opens; the other two charts as their tabs are chosen.
    Headless::SelectTab(dlg, IDC_HISTORY_CHARTTAB, 0);
    Headless::SelectTab(dlg, IDC_HISTORY_CHARTTAB, 1);
    return dlg.Table().RowCount() > 0;
}

void BM_HistoryOpen(benchmark::State& state) {
    const BenchClientDir dir("");
    const std::string path = dir.root() + "/export.csv";
    const std::size_t fileSize = WriteHistoryLog(path, kLines);
    const std::string empty = dir.root() + "/empty.csv";
    std::ofstream(empty).flush();
    CWinApp app("Vantrel");
    Headless::Reset();

    double openSeconds = 0;
    double floorSeconds = 0;
    double openCpuSeconds = 0;
    double floorCpuSeconds = 0;
    double rowsShown = 0;
    std::vector<char> buffer;
    for (auto _ : state) {
        bool opened = false;
        auto dlg = std::make_unique<CHistoryDlg>(path.c_str());
        double seconds = 0;
        openCpuSeconds += ProcessorSeconds(
            [&] { seconds = TimeOnce([&] { opened = OpenWithEveryChart(*dlg); }); });
        rowsShown = dlg->Table().RowCount();
        dlg->DestroyWindow();
        dlg.reset();
        if (!opened) {
            state.SkipWithError("the history window did not open on the log");
            return;
        }
        openSeconds += seconds;
        state.SetIterationTime(seconds);
        std::size_t fields = 0;
        floorCpuSeconds += ProcessorSeconds(
            [&] { floorSeconds += TimeOnce([&] { fields = ReadAndSplit(path, buffer); }); });
        benchmark::DoNotOptimize(fields);
    }
    // The heap the window holds for the log: open on it, against open on an empty log.
    buffer = std::vector<char>();
    malloc_trim(0);
    std::size_t own = 0;
    std::size_t withLog = 0;
    {
        CHistoryDlg dlg(empty.c_str());
        const std::size_t before = HeapInUse();
        OpenWithEveryChart(dlg) || dlg.Create();
        own = HeapInUse() - before;
        dlg.DestroyWindow();
    }
    {
        CHistoryDlg dlg(path.c_str());
        const std::size_t before = HeapInUse();
        OpenWithEveryChart(dlg);
        withLog = HeapInUse() - before;
        dlg.DestroyWindow();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["open_ms"] = openSeconds / iterations * 1e3;
    state.counters["floor_ms"] = floorSeconds / iterations * 1e3;
    state.counters["open_cpu_ms"] = openCpuSeconds / iterations * 1e3;
    state.counters["floor_cpu_ms"] = floorCpuSeconds / iterations * 1e3;
    state.counters["cpu_x_floor"] = openCpuSeconds / floorCpuSeconds;
    state.counters["rows"] = rowsShown;
    state.counters["file_mib"] = static_cast<double>(fileSize) / (1 << 20);
    state.counters["log_heap_mib"] = static_cast<double>(withLog - own) / (1 << 20);
}

BENCHMARK(BM_HistoryOpen)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
