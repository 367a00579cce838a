// One refresh of the main window (load the four client files, rebuild the selected tab's page),
// on the headless backend, against reading the same four files with plain POSIX calls. The floor
// reads the bytes a load reads: every file whole, but only the header part of the work unit
// (its data part is large and never read). Reading the work unit whole is reported beside it.
#include <stdlib.h>

#include <benchmark/benchmark.h>

#include <string>

#include "app/info_app.h"
#include "app/info_dlg.h"
#include "client_dir.h"
#include "clientfiles/work_unit_info.h"
#include "monitor/client_session.h"
#include "plain_io.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"

namespace {

// The settings store of one run, restored afterwards.
class ScopedSettingsStore {
public:
    explicit ScopedSettingsStore(const BenchClientDir& dir) {
        const char* xdg = ::getenv("XDG_CONFIG_HOME");
        m_hadXdg = xdg != nullptr;
        m_previousXdg = xdg ? xdg : "";
        ::setenv("XDG_CONFIG_HOME", dir.config().c_str(), 1);
        Headless::Reset();
    }
    ~ScopedSettingsStore() {
        Headless::Reset();
        if (m_hadXdg) {
            ::setenv("XDG_CONFIG_HOME", m_previousXdg.c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
    }
    ScopedSettingsStore(const ScopedSettingsStore&) = delete;
    ScopedSettingsStore& operator=(const ScopedSettingsStore&) = delete;

private:
    std::string m_previousXdg;
    bool m_hadXdg = false;
};

}  // namespace

namespace {

void BM_RefreshCycle(benchmark::State& state) {
    const int tab = static_cast<int>(state.range(0));
    // The window opens on the tab under test; no timer, so only the button refreshes.
    const BenchClientDir dir("[TAB]\nOFSET=int:" + std::to_string(tab) + "\n");
    const ScopedSettingsStore settings(dir);
    std::string paths[4];
    std::size_t limits[4];
    for (int i = 0; i < 4; ++i) {
        paths[i] = dir.client() + "/" + kClientFileNames[i];
        limits[i] = SIZE_MAX;
    }
    limits[1] = WorkUnitInfo::kMaxWorkUnitBytes;

    Clock::Set(1017756000);  // 2002-04-02, the day the demo unit was recorded
    CInfoApp app;
    app.SetRegistryKey("Halvorn");
    app.m_strModuleDir = dir.root().c_str();
    ClientSession session(dir.client().c_str());
    const ClientMonitor& monitor = session.Monitor();
    CInfoDlg dlg(session);
    app.m_pMainWnd = &dlg;
    double floorSeconds = 0;
    double wholeFilesSeconds = 0;
    double refreshSeconds = 0;
    Headless::QueueModal([&](CDialog& window) {
        if (Headless::SelectedTab(window, IDC_TAB) != tab || !monitor.WorkUnit().found ||
            !monitor.State().found) {
            state.SkipWithError("the window did not open on the demo client's files");
            return;
        }
        bool pressed = true;
        const auto readFloor = [&] {
            floorSeconds += TimeOnce([&] {
                for (int i = 0; i < 4; ++i) {
                    benchmark::DoNotOptimize(ReadFilePlain(paths[i], limits[i]));
                }
            });
        };
        // Counted here: state.iterations() stays put inside the loop.
        long long round = 0;
        for (auto _ : state) {
            // Which goes first alternates, so that neither always follows the other.
            const bool floorFirst = ++round % 2 == 1;
            if (floorFirst) {
                readFloor();
            }
            const double seconds =
                TimeOnce([&] { pressed &= Headless::PressButton(window, IDC_REFRESH); });
            refreshSeconds += seconds;
            state.SetIterationTime(seconds);
            if (!floorFirst) {
                readFloor();
            }
            wholeFilesSeconds += TimeOnce([&] {
                for (const std::string& path : paths) {
                    benchmark::DoNotOptimize(ReadFilePlain(path));
                }
            });
        }
        if (!pressed || !Headless::MessageBoxes().empty()) {
            state.SkipWithError("the refresh failed");
        }
    });
    dlg.DoModal();
    app.m_pMainWnd = nullptr;
    Clock::UseSystemClock();

    const double iterations = static_cast<double>(state.iterations());
    if (iterations > 0) {
        state.counters["floor_us"] = floorSeconds / iterations * 1e6;
        state.counters["whole_files_us"] = wholeFilesSeconds / iterations * 1e6;
        state.counters["refresh_us"] = refreshSeconds / iterations * 1e6;
    }
}

}  // namespace

// Tabs 0 to 4: Work Unit, observation, analysis (with the graph), progress, user.
BENCHMARK(BM_RefreshCycle)
    ->DenseRange(0, 4)
    ->UseManualTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
