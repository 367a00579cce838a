// The soak: the main window refreshes on its timer thousands of times while a simulated client
// rewrites its files every few milliseconds from a second thread, a third of them torn, and
// exports a CSV line each time the work unit changes. Built with the address and undefined-
// behaviour sanitizers, so a memory or UB fault anywhere on the way stops the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "app/info_dlg.h"
#include "app/main_window_fixture.h"
#include "client_sim/client_simulator.h"
#include "client_sim/sim_run.h"
#include "platform/base/clock.h"
#include "platform/headless/headless.h"
#include "res/resource.h"
#include "res/strings.h"
#include "support/temp_dir.h"

namespace {

// `make test` runs the bounded soak; `make soak` sets these for a long one.
long long FromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    const long long value = text ? std::atoll(text) : 0;
    return value > 0 ? value : fallback;
}

// The messages a refresh may leave while the CSV file can be written. kNothingToExport only when
// no load of a finished unit ever found its state file whole.
bool IsKnownMessage(const std::string& message) {
    const std::string known[] = {"",
                                 Text::kInfoNotObtained,
                                 Text::kWorkUnitNotObtained,
                                 Text::kAnalysisNotObtained,
                                 Text::kUserNotObtained,
                                 Text::kNothingToExport};
    return std::find(std::begin(known), std::end(known), message) != std::end(known);
}

// Empty when the window shows texts built from one consistent load of records the client
// wrote; else what is wrong.
std::string CheckWindow(CInfoDlg& dlg, const ClientMonitor& monitor, const std::string& clientDir,
                        const std::vector<std::string>& names) {
    const WorkUnitInfo& wu = monitor.WorkUnit();
    const AnalysisState& state = monitor.State();
    // A torn work unit or result is not read at all: every name shown is one the client wrote.
    if (!wu.found || wu.directory.str() != clientDir ||
        std::find(names.begin(), names.end(), wu.name.str()) == names.end() ||
        !(wu.type == "seti_wu" || wu.type == "result")) {
        return "work unit \"" + wu.name.str() + "\" of type \"" + wu.type.str() + "\" in " +
               wu.directory.str();
    }
    char values[160] = "";
    char progress[64] = "";
    if (state.found) {
        std::snprintf(values, sizeof values, "Progress = %.3f %% , CPU Time = %.3f sec",
                      state.prog * 100, state.cpu);
        std::snprintf(progress, sizeof progress, " (%.3f%%)", state.prog * 100);
    }
    if (state.found && !(state.prog >= 0.0 && state.prog <= 1.0 && state.cpu >= 0.0 &&
                         state.cpu <= ClientSimulator::kMaxUnitCpu)) {
        return std::string("out of range: ") + values;
    }
    const std::string title = clientDir + progress + " - Vantrel";
    if (dlg.GetWindowText().str() != title) {
        return "title \"" + dlg.GetWindowText().str() + "\" for \"" + title + "\"";
    }
    const std::string header = Headless::TextOf(dlg, IDC_HEADER).str();
    if (header != std::string("Client Ver. 3.x :  ") + values) {
        return "header \"" + header + "\" beside \"" + values + "\"";
    }
    const std::string message = Headless::TextOf(dlg, IDC_MESSAGE).str();
    if (!IsKnownMessage(message)) {
        return "message \"" + message + "\"";
    }
    const int tab = Headless::SelectedTab(dlg, IDC_TAB);
    // Each tab's first label.
    const char* labels[] = {"データ種別：", "観測時刻：", "Spike：", "進捗：", "登録日："};
    const std::string shownLabels = Headless::TextOf(dlg, IDC_LABELS).str();
    if (tab < 0 || tab > 4 || shownLabels.rfind(labels[tab], 0) != 0) {
        return "tab " + std::to_string(tab) + " shows the labels \"" + shownLabels + "\"";
    }
    // The third line of the work unit page is the unit's name.
    const std::string page = Headless::TextOf(dlg, IDC_VALUES).str() + "\n";
    const size_t third = page.find('\n', page.find('\n') + 1) + 1;
    if (tab == 0 && page.substr(third, page.find('\n', third) - third) != wu.name.str()) {
        return "the work unit page does not name \"" + wu.name.str() + "\": " + page;
    }
    return {};
}

// Problems in the LF log of the basic layout: every line whole with its 23 fields and line end
// after the title; each naming one of the client's units, later than the line before, so none
// twice; progress within 0..1, CPU time not negative; plot files beside each line with a
// Gaussian fit. Collects the logged names.
std::string CheckCsvLog(const TempDir& dir, const std::vector<std::string>& names,
                        std::set<std::string>& logged) {
    const std::string log = dir.Read("export.csv");
    std::string problems = log.empty() || log.back() == '\n' ? "" : "the log ends inside a line\n";
    size_t next = 0;  // index in names of the earliest unit the next line may name
    std::istringstream lines(log);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        // The simulator's unit names hold no comma.
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, ',');) {
            fields.push_back(field);
        }
        const std::string where = "line " + std::to_string(number) + ": ";
        if (fields.size() != 23 || line.find('\r') != std::string::npos) {
            problems += where + line + "\n";
            continue;
        }
        if (number == 1) {
            problems += fields[0] == "\"Update\"" ? "" : "no title line\n";
            continue;
        }
        const std::string name = fields[1].substr(1, fields[1].size() - 2);
        logged.insert(name);
        const size_t index =
            static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin());
        if (index == names.size()) {
            problems += where + "unit \"" + name + "\" never existed\n";
        } else if (index < next) {
            problems += where + "unit \"" + name + "\" logged again or out of order\n";
        }
        next = index < names.size() ? std::max(next, index + 1) : next;
        const double progress = std::atof(fields[15].c_str());
        if (!(progress >= 0.0 && progress <= 1.0) || std::atof(fields[16].c_str()) < 0.0) {
            problems += where + "progress " + fields[15] + ", CPU time " + fields[16] + "\n";
        }
        // Before the client has fitted a Gaussian there is nothing to plot.
        if (std::atof(fields[22].c_str()) != 0.0 &&
            !(dir.Exists(name + ".dat") && dir.Exists(name + ".plt"))) {
            problems += where + "no plot files\n";
        }
    }
    return problems;
}

// The client at work on its own thread, stopped and joined however the test ends.
class ClientThread {
public:
    ClientThread(ClientSimulator& client, const SimConfig& config)
        : m_thread(
              [this, &client, &config] { m_ok = RunClientSimulator(client, config, m_stop); }) {}
    ~ClientThread() { Join(); }
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

}  // namespace

TEST_F(MainWindowTest, SoakTimerRefreshesStayConsistentWhileTheClientTearsItsFiles) {
    const long long maxTicks = FromEnvironment("VANTREL_SOAK_TICKS", 5000);
    const auto maxTime = std::chrono::seconds(FromEnvironment("VANTREL_SOAK_SECONDS", 60));
    TempDir exportDir;
    // A refresh every minute, with export on each change of unit and the plot files.
    m_app->WriteProfileInt("Timer", "Interval", 1);
    m_app->WriteProfileInt("Timer", "Export", 1);
    m_app->WriteProfileString("Export", "Path", exportDir.File("export.csv").c_str());
    m_app->WriteProfileInt("Export", "Plot", 1);
    m_app->WriteProfileInt("Simple", "Enable", 1);
    const std::int64_t now = std::time(nullptr);
    Clock::Set(now);  // the client's files carry today's times
    // A rewrite every 2 ms, nearly a third of them torn, and a unit in about fifty rewrites.
    SimConfig config;
    config.dir = m_client.path();
    config.unitsPerMinute = 600;
    config.intervalMs = 2;
    config.seed = 20020402;
    config.glitches = true;
    config.glitchRate = 0.3;
    config.startTime = now;
    ClientSimulator client(config);
    ASSERT_TRUE(client.Start()) << client.error();

    const std::string clientDir = std::filesystem::canonical(m_client.path()).string();
    std::string problems;
    long long ticks = 0;
    std::map<std::string, int> messagesSeen;
    RunMainWindow([&](CInfoDlg& dlg) {
        ClientThread thread(client, config);
        const auto deadline = std::chrono::steady_clock::now() + maxTime;
        // The ticks alone may pass before the client has changed units often enough to test the
        // export; the time limit still holds.
        for (; (ticks < maxTicks || client.UnitsFinished() < 20) &&
               std::chrono::steady_clock::now() < deadline;
             ++ticks) {
            if (ticks % 7 == 6) {
                Headless::SelectTab(dlg, IDC_TAB, (Headless::SelectedTab(dlg, IDC_TAB) + 1) % 5);
            }
            // The load's clock is the one the client's files are written by: a result read
            // without the end of its header is judged by the age of its last write.
            Clock::Set(std::time(nullptr));
            if (!Headless::FireTimer(dlg, IDT_REFRESH)) {
                problems += "the refresh timer stopped\n";
                break;
            }
            ++messagesSeen[Headless::TextOf(dlg, IDC_MESSAGE).str()];
            // Names are listed before the client writes them: this holds every name read.
            const std::string problem = CheckWindow(dlg, monitor(), clientDir, client.UsedNames());
            if (!problem.empty() && problems.size() < 4000) {
                problems += "tick " + std::to_string(ticks) + ": " + problem + "\n";
            }
        }
        EXPECT_TRUE(thread.Join()) << client.error();
        // The exit button: the window ends with its simple view still open.
        EXPECT_TRUE(Headless::PressButton(dlg, IDOK));
    });
    EXPECT_EQ("", problems);
    EXPECT_TRUE(Headless::MessageBoxes().empty()) << "a timer refresh opened a message box";
    EXPECT_GE(client.UnitsFinished(), 10) << "too few work units changed to test the export";

    std::set<std::string> logged;
    const std::vector<std::string> names = client.UsedNames();
    EXPECT_EQ("", CheckCsvLog(exportDir, names, logged));
    // Exactly one line per finished unit: none twice (above), none missing. The last two units
    // may not have been seen replaced yet.
    std::string missing;
    for (size_t i = 0; i + 2 < names.size(); ++i) {
        missing += logged.count(names[i]) == 0 ? names[i] + " " : "";
    }
    EXPECT_EQ("", missing) << "finished units without a CSV line";
    std::cout << "soak: " << ticks << " refreshes, " << client.UnitsFinished() << " units, "
              << logged.size() << " logged\n";
    for (const auto& [message, count] : messagesSeen) {
        std::cout << "soak: message \"" << message << "\" after " << count << " refreshes\n";
    }
}
