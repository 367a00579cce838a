// The soak: the main window refreshes on its timer thousands of times while a simulated client
// rewrites its files every few milliseconds from a second thread, some of them torn, and exports
// a CSV line each time the work unit changes. Built with the address and undefined-behaviour
// sanitizers, so a memory or UB fault anywhere on the way stops the run.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <thread>

#include "app/main_window_fixture.h"
#include "client_sim/client_simulator.h"
#include "client_sim/sim_run.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "soak/csv_log_check.h"
#include "soak/window_check.h"

namespace {

// `make test` runs the bounded soak; `make soak` sets these for a long one.
long long FromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    const long long value = text ? std::atoll(text) : 0;
    return value > 0 ? value : fallback;
}

// The client at work on its own thread, stopped and joined however the test ends.
class ClientThread {
public:
    ClientThread(ClientSimulator& client, const SimConfig& config)
        : m_thread(
              [this, &client, &config] { m_ok = RunClientSimulator(client, config, m_stop); }) {}
    ~ClientThread() { Join(); }

    // Stops the client; false when one of its writes failed.
    bool Join() {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_ok;
    }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_ok{true};
    std::thread m_thread;
};

// Units the client finished and moved on from that have no line in the log.
int UnitsNeverLogged(const std::vector<std::string>& units, const CsvLogReport& log) {
    std::set<std::string> logged;
    for (const CsvUnitLine& line : log.lines) {
        logged.insert(line.name);
    }
    int lost = 0;
    // The last unit is still in hand; the one before may not have been seen replaced yet.
    for (size_t i = 0; i + 2 < units.size(); ++i) {
        lost += logged.count(units[i]) == 0;
    }
    return lost;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

class SoakTest : public MainWindowTest {
protected:
    // A refresh every minute, with export on each change of unit and the plot files.
    void WriteSettings() {
        m_app->WriteProfileInt("Timer", "Interval", 1);
        m_app->WriteProfileInt("Timer", "Export", 1);
        m_app->WriteProfileString("Export", "Path", m_export.File("export.csv").c_str());
        m_app->WriteProfileInt("Export", "Plot", 1);
        m_app->WriteProfileInt("Simple", "Enable", 1);
    }

    // A rewrite every 2 ms, nearly a third of them torn, and a unit in about fifty rewrites.
    SimConfig ClientConfig(std::int64_t now) const {
        SimConfig config;
        config.dir = m_client.path();
        config.unitsPerMinute = 600;
        config.intervalMs = 2;
        config.seed = 20020402;
        config.glitches = true;
        config.glitchRate = 0.3;
        config.startTime = now;
        return config;
    }

    TempDir m_export;
};

}  // namespace

TEST_F(SoakTest, TimerRefreshesStayConsistentWhileTheClientTearsItsFiles) {
    const long long maxTicks = FromEnvironment("VANTREL_SOAK_TICKS", 5000);
    const auto maxTime = std::chrono::seconds(FromEnvironment("VANTREL_SOAK_SECONDS", 60));
    WriteSettings();
    const std::int64_t now = std::time(nullptr);
    Clock::Set(now);  // the client's files carry today's times
    const SimConfig config = ClientConfig(now);
    ClientSimulator client(config);
    ASSERT_TRUE(client.Start()) << client.error();

    WindowExpectations expect;
    expect.clientDir = std::filesystem::canonical(m_client.path()).string();  // as getcwd says
    expect.maxUnitCpu = ClientSimulator::kMaxUnitCpu;
    std::vector<std::string> problems;
    long long ticks = 0;
    // What the torn files did to the window, for the summary.
    std::map<std::string, int> messagesSeen;
    int tornNamesSeen = 0;
    RunMainWindow([&](CInfoDlg& dlg) {
        ClientThread thread(client, config);
        const auto deadline = std::chrono::steady_clock::now() + maxTime;
        // On a fast machine the ticks alone may pass before the client has changed units often
        // enough to test the export; the time limit still holds.
        const auto enough = [&] { return ticks >= maxTicks && client.UnitsFinished() >= 5; };
        for (; !enough() && std::chrono::steady_clock::now() < deadline; ++ticks) {
            if (ticks % 7 == 6) {
                Headless::SelectTab(dlg, IDC_TAB, (dlg.m_tab.GetCurSel() + 1) % 5);
            }
            Clock::Advance(60);
            if (!Headless::FireTimer(dlg, 1)) {
                problems.push_back("the refresh timer stopped");
                break;
            }
            // Names are listed before the client writes them, so this list holds every name the
            // window can have read.
            const std::vector<std::string> names = client.UsedNames();
            expect.unitNames = std::set<std::string>(names.begin(), names.end());
            ++messagesSeen[dlg.m_strMessage.str()];
            tornNamesSeen += expect.unitNames.count(dlg.m_wu.name.str()) == 0;
            const std::string problem = CheckWindow(dlg, expect);
            if (!problem.empty() && problems.size() < 20) {
                problems.push_back("tick " + std::to_string(ticks) + ": " + problem);
            }
        }
        EXPECT_TRUE(thread.Join()) << client.error();
        // FIXME: the close box, not the exit button: ending through OnOK deletes the simple view
        // with its window still open, and ~CDialog then touches its destroyed controls.
        EXPECT_TRUE(Headless::Close(dlg));
    });

    EXPECT_TRUE(problems.empty()) << Joined(problems);
    EXPECT_TRUE(Headless::MessageBoxes().empty()) << "a timer refresh opened a message box";
    EXPECT_GE(client.UnitsFinished(), 3) << "too few work units changed to test the export";

    const CsvLogReport log = CheckCsvLog(m_export.Read("export.csv"), client.UsedNames());
    EXPECT_TRUE(log.problems.empty()) << Joined(log.problems);
    EXPECT_FALSE(log.lines.empty()) << "no unit change was exported";
    for (const CsvUnitLine& line : log.lines) {
        // Before the client has fitted a Gaussian there is nothing to plot.
        if (line.gaussianFit != 0.0) {
            EXPECT_TRUE(m_export.Exists(line.name + ".dat") && m_export.Exists(line.name + ".plt"))
                << "no plot files for " << line.name;
        }
    }
    std::cout << "soak: " << ticks << " timer refreshes, " << client.UnitsFinished()
              << " units finished, " << log.lines.size() << " CSV lines, " << tornNamesSeen
              << " refreshes with a torn unit name\n";
    // FIXME: known faults, reported rather than failed until the program is fixed.
    std::cout << "soak: " << UnitsNeverLogged(client.UsedNames(), log)
              << " finished units without a CSV line, " << log.tornNameLines
              << " CSV lines under a cut unit name\n";
    for (const auto& [message, count] : messagesSeen) {
        std::cout << "soak: message \"" << message << "\" after " << count << " refreshes\n";
    }
}
