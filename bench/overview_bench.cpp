// The clients overview over 256 simulated client folders (copies of the demo client):
// - one refresh of every client (the refresh button until every row has been taken in) against
//   a refresh cycle of the main window on each of the same 256 clients, measured in the same
//   run;
// - the heap each client costs beyond the overview's own (an overview of no clients);
// - the longest the interface thread is held by any one call while one folder hangs.
#include <malloc.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/info_app.h"
#include "app/info_dlg.h"
#include "app/overview_dlg.h"
#include "client_dir.h"
#include "plain_io.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"

namespace {

namespace fs = std::filesystem;

constexpr UINT_PTR kCollectTimer = IDT_COLLECT;

// N client folders beside the first one BenchClientDir makes, and the program's settings store.
class ClientFolders {
public:
    explicit ClientFolders(int count) : m_dir("") {
        ::setenv("XDG_CONFIG_HOME", m_dir.config().c_str(), 1);
        for (int i = 0; i < count; ++i) {
            const std::string folder = m_dir.root() + "/client" + std::to_string(i);
            fs::copy(m_dir.client(), folder);
            m_folders.emplace_back(folder);
        }
        Headless::Reset();
        Clock::Set(1017756000);
        m_app.SetRegistryKey("Halvorn");
    }
    ~ClientFolders() {
        Clock::UseSystemClock();
        Headless::Reset();
    }

    const std::vector<CString>& folders() const { return m_folders; }
    CInfoApp& app() { return m_app; }

private:
    BenchClientDir m_dir;
    std::vector<CString> m_folders;
    CInfoApp m_app;
};

// Until every refresh has come in, then the window takes them in. The interface thread sleeps
// meanwhile, as it does in its event loop, and leaves the cores to the refreshes.
void Settle(COverviewDlg& overview) {
    while (overview.RefreshesPending()) {
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    Headless::FireTimer(overview, kCollectTimer);
}

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void BM_OverviewRefresh(benchmark::State& state) {
    const int clients = static_cast<int>(state.range(0));
    ClientFolders folders(clients);

    // The floor: a main window on each client, as 256 programs would show them.
    std::vector<std::unique_ptr<ClientSession>> sessions;
    std::vector<std::unique_ptr<CInfoDlg>> singles;
    for (const CString& folder : folders.folders()) {
        sessions.push_back(std::make_unique<ClientSession>(folder));
        singles.push_back(std::make_unique<CInfoDlg>(*sessions.back()));
        singles.back()->Create();
    }

    // The heap of an overview of no clients, then of all of them once loaded.
    const size_t before = HeapInUse();
    auto empty =
        std::make_unique<COverviewDlg>(std::vector<CString>{}, false, COverviewDlg::Options{});
    empty->Create();
    const size_t own = HeapInUse() - before;
    empty->DestroyWindow();
    empty.reset();
    const size_t beforeFull = HeapInUse();
    COverviewDlg overview(folders.folders(), false, COverviewDlg::Options{});
    overview.Create();
    Settle(overview);
    const double perClient =
        (static_cast<double>(HeapInUse() - beforeFull) - static_cast<double>(own)) / clients;

    double floorSeconds = 0;
    double overviewSeconds = 0;
    for (auto _ : state) {
        floorSeconds += TimeOnce([&] {
            for (const auto& single : singles) {
                Headless::PressButton(*single, IDC_REFRESH);
            }
        });
        const double seconds = TimeOnce([&] {
            Headless::PressButton(overview, IDC_REFRESH);
            Settle(overview);
        });
        overviewSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    if (Headless::ListRows(overview, IDC_CLIENTS).size() != static_cast<size_t>(clients) ||
        Headless::ListRows(overview, IDC_CLIENTS)[0][kProgressColumn].IsEmpty()) {
        state.SkipWithError("the overview did not show the clients");
    }
    overview.DestroyWindow();
    for (const auto& single : singles) {
        single->DestroyWindow();
    }

    const double iterations = static_cast<double>(state.iterations());
    if (iterations > 0) {
        state.counters["single_cycles_ms"] = floorSeconds / iterations * 1e3;
        state.counters["overview_ms"] = overviewSeconds / iterations * 1e3;
    }
    state.counters["per_client_kib"] = perClient / 1024;
    state.counters["window_own_kib"] = static_cast<double>(own) / 1024;
    state.counters["none"] = 0;
}

void BM_OverviewWithAHangingFolder(benchmark::State& state) {
    const int clients = static_cast<int>(state.range(0));
    ClientFolders folders(clients);
    const std::string hung = folders.folders()[static_cast<size_t>(clients / 2)].str();
    auto hanging = std::make_shared<std::atomic<bool>>(true);
    COverviewDlg::Options options;
    options.bound = std::chrono::milliseconds(200);
    options.reader = [hanging, hung](ClientMonitor& monitor, bool first) {
        while (*hanging && monitor.Directory().str() == hung) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return ClientSession::Read(monitor, first);
    };
    COverviewDlg overview(folders.folders(), false, options);
    folders.app().m_pMainWnd = &overview;

    // Every call the interface thread makes, timed: the longest is what a user could feel.
    double longest = 0;
    double calls = 0;
    double total = 0;
    const auto timed = [&](auto&& call) {
        const double seconds = TimeOnce(call);
        longest = std::max(longest, seconds);
        total += seconds;
        ++calls;
    };
    timed([&] { overview.Create(); });
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        timed([&] { Headless::PressButton(overview, IDC_REFRESH); });
        do {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            timed([&] { Headless::FireTimer(overview, kCollectTimer); });
        } while (overview.RefreshesPending());
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    const auto rows = Headless::ListRows(overview, IDC_CLIENTS);
    if (std::none_of(rows.begin(), rows.end(), [&](const std::vector<CString>& row) {
            return row[kFolderColumn] == hung.c_str() && row[kStatusColumn] == "応答なし";
        })) {
        state.SkipWithError("the hanging folder was not shown as not responding");
    }
    *hanging = false;
    overview.DestroyWindow();
    folders.app().m_pMainWnd = nullptr;
    state.counters["longest_call_ms"] = longest * 1e3;
    state.counters["mean_call_ms"] = calls > 0 ? total / calls * 1e3 : 0;
    state.counters["none"] = 0;
}

}  // namespace

BENCHMARK(BM_OverviewRefresh)
    ->Arg(256)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverviewWithAHangingFolder)
    ->Arg(256)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
