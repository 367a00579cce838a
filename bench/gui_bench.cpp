// The real program against a bare wxWidgets dialog, both on the X display of this run (xvfb-run
// gives one for the whole comparison): the time from exec to the window being mapped, resident
// memory once idle, context switches (wake-ups) while idle between two timer ticks, and the
// history window on long logs (history_window_bench.cpp).
//   vantrel_gui_bench [--vantrel=PATH] [--bare=PATH] [--startup_runs=N] [--idle_seconds=S]
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

#include "client_dir.h"
#include "history_window_bench.h"
#include "ratio_summary.h"
#include "x11_process.h"

namespace {

struct Options {
    std::string vantrel = VANTREL_PROGRAM;
    std::string bare = VANTREL_BARE_DIALOG;
    int startupRuns = 7;
    double idleSeconds = 15;
};

Options g_options;
// The refresh timer runs (every 2 minutes), so its wiring is measured too, yet no tick falls
// into an idle measurement of up to 110 s.
constexpr int kIntervalMinutes = 2;
constexpr double kMapTimeout = 30;

struct Measured {
    double secondsToMap = 0;
    double rssMiB = 0;
};

class Programs {
public:
    Programs() : m_dir("[Timer]\nInterval=int:" + std::to_string(kIntervalMinutes) + "\n") {}

    LaunchRequest Request(bool vantrel) const {
        return LaunchRequest{vantrel ? g_options.vantrel : g_options.bare,
                             m_dir.client(),
                             {"XDG_CONFIG_HOME=" + m_dir.config()},
                             {}};
    }
    X11Launcher& launcher() { return m_launcher; }

private:
    BenchClientDir m_dir;
    X11Launcher m_launcher;
};

Programs& SharedPrograms() {
    static Programs programs;
    return programs;
}

// Starts the program, lets it settle, reads its memory and closes it. False when no window came.
bool MeasureOnce(bool vantrel, Measured& measured) {
    X11Launcher& launcher = SharedPrograms().launcher();
    const X11Launcher::Started started =
        launcher.Launch(SharedPrograms().Request(vantrel), kMapTimeout);
    if (!started.window) {
        launcher.Close(started, 5);
        return false;
    }
    measured.secondsToMap = started.secondsToMap;
    WaitUntilQuiet(started.pid, 1.0, 10.0);
    measured.rssMiB = static_cast<double>(ReadProcessCounts(started.pid).rssKiB) / 1024.0;
    return launcher.Close(started, 10);
}

void BM_StartUp(benchmark::State& state) {
    static bool warmedUp = false;
    Measured floor;
    Measured subject;
    if (!warmedUp) {
        // Measure warm starts only: the first start of each reads its libraries from the disk,
        // and the first GTK program on a display loads OpenGL to choose visuals (over 40 MiB),
        // which GDK then keeps on the display for every later one.
        warmedUp = MeasureOnce(false, floor) && MeasureOnce(true, subject);
    }
    static int run = 0;
    for (auto _ : state) {
        // Alternate which goes first, so neither always finds the other's pages in the cache.
        const bool vantrelFirst = run++ % 2 == 1;
        bool ok = true;
        if (vantrelFirst) {
            ok = MeasureOnce(true, subject) && MeasureOnce(false, floor);
        } else {
            ok = MeasureOnce(false, floor) && MeasureOnce(true, subject);
        }
        if (!ok) {
            state.SkipWithError("a window did not appear, or did not close");
            return;
        }
        state.SetIterationTime(subject.secondsToMap);
    }
    state.counters["floor_ms"] = floor.secondsToMap * 1e3;
    state.counters["vantrel_ms"] = subject.secondsToMap * 1e3;
    state.counters["floor_rss_MiB"] = floor.rssMiB;
    state.counters["vantrel_rss_MiB"] = subject.rssMiB;
}

void BM_IdleWakeups(benchmark::State& state) {
    X11Launcher& launcher = SharedPrograms().launcher();
    for (auto _ : state) {
        const X11Launcher::Started bare =
            launcher.Launch(SharedPrograms().Request(false), kMapTimeout);
        const X11Launcher::Started vantrel =
            launcher.Launch(SharedPrograms().Request(true), kMapTimeout);
        if (!bare.window || !vantrel.window) {
            launcher.Close(bare, 5);
            launcher.Close(vantrel, 5);
            state.SkipWithError("a window did not appear");
            return;
        }
        WaitUntilQuiet(bare.pid, 1.0, 10.0);
        WaitUntilQuiet(vantrel.pid, 1.0, 10.0);
        SwitchCounter bareSwitches(bare.pid);
        SwitchCounter vantrelSwitches(vantrel.pid);
        const auto start = std::chrono::steady_clock::now();
        const auto end = start + std::chrono::duration<double>(g_options.idleSeconds);
        // Sampling reads /proc only; it wakes neither program.
        while (std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            bareSwitches.Sample();
            vantrelSwitches.Sample();
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const bool alive =
            ReadProcessCounts(bare.pid).alive && ReadProcessCounts(vantrel.pid).alive;
        const bool closed = launcher.Close(bare, 10) & launcher.Close(vantrel, 10);
        if (!alive || !closed) {
            state.SkipWithError("a program ended while idle, or did not close");
            return;
        }
        state.SetIterationTime(seconds);
        const double perMinute = 60.0 / seconds;
        state.counters["floor_per_min"] = static_cast<double>(bareSwitches.Total()) * perMinute;
        state.counters["vantrel_per_min"] =
            static_cast<double>(vantrelSwitches.Total()) * perMinute;
        state.counters["seconds"] = seconds;
    }
}

bool ParseOption(const char* arg, const char* name, std::string& value) {
    const std::size_t length = std::strlen(name);
    if (std::strncmp(arg, name, length) != 0 || arg[length] != '=') {
        return false;
    }
    value = arg + length + 1;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::string value;
        if (ParseOption(argv[i], "--vantrel", g_options.vantrel) ||
            ParseOption(argv[i], "--bare", g_options.bare)) {
            continue;
        }
        if (ParseOption(argv[i], "--startup_runs", value)) {
            g_options.startupRuns = std::max(1, std::atoi(value.c_str()));
        } else if (ParseOption(argv[i], "--idle_seconds", value)) {
            g_options.idleSeconds = std::max(1.0, std::atof(value.c_str()));
        } else {
            std::cerr << "vantrel_gui_bench: unknown argument " << argv[i] << "\n";
            return 2;
        }
    }
    if (!std::getenv("DISPLAY")) {
        std::cerr << "vantrel_gui_bench needs an X display; run it under xvfb-run\n";
        return 1;
    }
    if (g_options.idleSeconds > kIntervalMinutes * 60 - 10) {
        std::cerr << "vantrel_gui_bench: --idle_seconds must stay below the timer's period\n";
        return 2;
    }

    benchmark::RegisterBenchmark("BM_StartUp", BM_StartUp)
        ->Iterations(1)
        ->Repetitions(g_options.startupRuns)
        ->ReportAggregatesOnly(true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_IdleWakeups", BM_IdleWakeups)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kSecond);
    RegisterHistoryWindowBenchmarks(g_options.vantrel, g_options.bare, g_options.startupRuns);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    char idle[96];
    std::snprintf(idle, sizeof idle, "idle wake-ups per minute (%g s, scaled)",
                  g_options.idleSeconds);
    std::vector<BenchTarget> targets = {
        {"BM_StartUp", "start-up until the window is mapped", "vantrel_ms", "floor_ms",
         BenchTarget::Kind::Ratio, 1.2, ""},
        {"BM_StartUp", "resident memory once idle", "vantrel_rss_MiB", "floor_rss_MiB",
         BenchTarget::Kind::Excess, 3.0, "MiB"},
        {"BM_IdleWakeups", idle, "vantrel_per_min", "floor_per_min", BenchTarget::Kind::Excess, 0.0,
         "/min"},
    };
    for (BenchTarget& target : HistoryWindowTargets()) {
        targets.push_back(std::move(target));
    }
    reporter.PrintSummary(targets, std::cout);
    benchmark::Shutdown();
    return 0;
}
