// A SETI@home client at work in a directory: it analyses a work unit, rewriting state.sah as
// progress rises, finishes it into result.sah, and after a short while receives the next one,
// keeping the user's totals in user_info.sah. Each Step is one interval of its work.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "analysis_run.h"
#include "client_dir_writer.h"
#include "sim_config.h"
#include "sim_random.h"
#include "user_account.h"
#include "work_unit_file.h"

class ClientSimulator {
public:
    // A fresh unit takes the client 6 to 14 hours of CPU time.
    static constexpr double kMinUnitCpu = 6 * 3600.0;
    static constexpr double kMaxUnitCpu = 14 * 3600.0;

    explicit ClientSimulator(const SimConfig& config);

    // Writes version.sah and the first files. A work unit, state and user file already in the
    // directory are taken over, so a copied client directory goes on from where it was.
    bool Start();
    // One interval: cut files are made whole, then the client works and rewrites.
    bool Step();
    // Leaves every file whole.
    bool Settle();

    // What failed, after a false return.
    const std::string& error() const { return m_error; }
    // Every work unit name written so far. Safe to call from any thread.
    std::vector<std::string> UsedNames() const;
    std::int64_t UnitsFinished() const { return m_unitsFinished; }
    // Called with a line on each unit that starts or finishes.
    void SetLog(std::function<void(const std::string&)> log) { m_log = std::move(log); }

private:
    enum class Phase { Analysing, Reporting };

    bool BeginUnit(bool firstUnit);
    bool FinishUnit();
    bool WriteFile(const std::string& name, const std::string& contents, size_t headerBytes);
    bool Failed();
    WriteStyle ChooseStyle();
    size_t ChooseCut(size_t size, size_t headerBytes);
    double JulianNow() const;
    std::string NewUnitName(double timeRecorded);
    void Log(const std::string& line);

    SimConfig m_config;
    SimRandom m_random;
    ClientDirWriter m_writer;
    std::optional<WorkUnitFile> m_unit;
    AnalysisRun m_run{0.0};
    std::optional<UserAccount> m_user;
    Phase m_phase = Phase::Analysing;
    std::int64_t m_reportTicksLeft = 0;
    std::int64_t m_ticks = 0;
    std::atomic<std::int64_t> m_unitsFinished{0};
    mutable std::mutex m_namesMutex;
    std::vector<std::string> m_usedNames;
    std::function<void(const std::string&)> m_log;
    std::string m_error;
};
