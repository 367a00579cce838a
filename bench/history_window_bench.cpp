// The real history window (`vantrel --history FILE`) on logs of 100,000 and 1,000,000 lines,
// timed from just before fork until the window is mapped and drawn: everything it shows (the
// table, the figures, the sky map) is made before it maps, and its first paints follow. The
// floor, in the same run: the bare dialog's start-up timed the same way, plus three times reading
// the same file and cutting its lines at their commas in a plain loop, into a buffer of its own
// each time, as a program that has just started has no other.
#include "history_window_bench.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "client_dir.h"
#include "history_log.h"
#include "plain_io.h"
#include "x11_process.h"

namespace {

constexpr double kMapTimeout = 60;
// Drawn: no drawing on the display for this long after the last paint.
constexpr double kQuietSeconds = 0.5;

struct Programs {
    std::string vantrel;
    std::string bare;
};

Programs g_programs;

struct Timed {
    double mapped = 0;
    double drawn = 0;
};

class HistoryRun {
public:
    HistoryRun() : m_dir("") {}

    // The log of that many lines, written on first use.
    const std::string& Log(int lines) {
        auto& path = m_logs[lines];
        if (path.empty()) {
            path = m_dir.root() + "/history-" + std::to_string(lines) + ".csv";
            WriteHistoryLog(path, lines);
        }
        return path;
    }

    // Starts the program (the history window on the log, or the bare dialog), waits until its
    // window is drawn and closes it. False when no window came, or it did not close.
    bool Measure(const std::string* log, Timed& timed) {
        LaunchRequest request{log ? g_programs.vantrel : g_programs.bare,
                              m_dir.client(),
                              {"XDG_CONFIG_HOME=" + m_dir.config()},
                              {}};
        if (log) {
            request.args = {"--history", *log};
        }
        const X11Launcher::Started started = m_launcher.Launch(request, kMapTimeout);
        const double drawn = m_launcher.SecondsToDrawn(started, kQuietSeconds, kMapTimeout);
        const bool closed = m_launcher.Close(started, 10);
        timed.mapped = started.secondsToMap;
        timed.drawn = drawn;
        return started.window && drawn > 0 && closed;
    }

private:
    BenchClientDir m_dir;
    X11Launcher m_launcher;
    std::map<int, std::string> m_logs;
};

HistoryRun& SharedRun() {
    static HistoryRun run;
    return run;
}

void BM_HistoryWindow(benchmark::State& state) {
    HistoryRun& run = SharedRun();
    const std::string& log = run.Log(static_cast<int>(state.range(0)));
    Timed bare;
    Timed history;
    static std::map<int, bool> warmedUp;
    if (!warmedUp[static_cast<int>(state.range(0))]) {
        // Warm starts only, as for the start-up: libraries, the display's visuals and the log's
        // pages in memory.
        warmedUp[static_cast<int>(state.range(0))] =
            run.Measure(nullptr, bare) && run.Measure(&log, history);
    }
    static int turn = 0;
    double splitSeconds = 0;
    double reusedSplitSeconds = 0;
    for (auto _ : state) {
        // Alternate which goes first, so neither always finds the other's pages in the cache.
        const bool historyFirst = turn++ % 2 == 1;
        const bool ok = historyFirst ? run.Measure(&log, history) && run.Measure(nullptr, bare)
                                     : run.Measure(nullptr, bare) && run.Measure(&log, history);
        if (!ok) {
            state.SkipWithError("a window did not appear, was not drawn, or did not close");
            return;
        }
        std::vector<char> buffer;
        std::size_t fields = 0;
        splitSeconds = TimeOnce([&] { fields = ReadAndSplit(log, buffer); });
        // For comparison: again into the buffer the first read left, as the in-process
        // benchmark's floor reads after its first round.
        reusedSplitSeconds = TimeOnce([&] { fields += ReadAndSplit(log, buffer); });
        benchmark::DoNotOptimize(fields);
        state.SetIterationTime(history.drawn);
    }
    state.counters["bare_ms"] = bare.drawn * 1e3;
    state.counters["split_ms"] = splitSeconds * 1e3;
    state.counters["floor_ms"] = (bare.drawn + 3 * splitSeconds) * 1e3;
    state.counters["reused_floor_ms"] = (bare.drawn + 3 * reusedSplitSeconds) * 1e3;
    state.counters["vantrel_ms"] = history.drawn * 1e3;
    state.counters["vantrel_mapped_ms"] = history.mapped * 1e3;
}

}  // namespace

void RegisterHistoryWindowBenchmarks(const std::string& vantrel, const std::string& bare,
                                     int runs) {
    g_programs = Programs{vantrel, bare};
    benchmark::RegisterBenchmark("BM_HistoryWindow", BM_HistoryWindow)
        ->Arg(100000)
        ->Arg(1000000)
        ->Iterations(1)
        ->Repetitions(runs)
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

std::vector<BenchTarget> HistoryWindowTargets() {
    return {
        {"BM_HistoryWindow/100000", "history window, 100,000 lines, until drawn", "vantrel_ms",
         "floor_ms", BenchTarget::Kind::Ratio, 1.0, ""},
        {"BM_HistoryWindow/1000000", "history window, 1,000,000 lines, until drawn", "vantrel_ms",
         "floor_ms", BenchTarget::Kind::Ratio, 1.0, ""},
        // For comparison only: against reading into a buffer already in memory.
        {"BM_HistoryWindow/100000", "the same, 100,000, floor's buffer reused", "vantrel_ms",
         "reused_floor_ms", BenchTarget::Kind::Info, 0, ""},
        {"BM_HistoryWindow/1000000", "the same, 1,000,000, floor's buffer reused", "vantrel_ms",
         "reused_floor_ms", BenchTarget::Kind::Info, 0, ""},
    };
}
