#include "client_simulator.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "julian.h"

namespace {

constexpr char kVersionFile[] = "version.sah";
constexpr char kWorkUnitFile[] = "work_unit.sah";
constexpr char kResultFile[] = "result.sah";
constexpr char kStateFile[] = "state.sah";
constexpr char kUserFile[] = "user_info.sah";
constexpr char kVersionText[] = "major_version=3\nminor_version=08\n";

// The result waits for its upload this share of a unit's time before the next unit comes.
constexpr double kReportShare = 0.1;

std::chrono::milliseconds GlitchPause(int intervalMs) {
    return std::chrono::milliseconds(std::max(1, intervalMs / 2));
}

}  // namespace

ClientSimulator::ClientSimulator(const SimConfig& config)
    : m_config(config),
      m_random(config.seed),
      m_writer(config.dir, GlitchPause(config.intervalMs)) {}

bool ClientSimulator::Failed() {
    m_error = m_writer.error();
    return false;
}

double ClientSimulator::JulianNow() const {
    const std::int64_t elapsedMs = m_ticks * m_config.intervalMs;
    return JulianDateOf(m_config.startTime + elapsedMs / 1000);
}

void ClientSimulator::Log(const std::string& line) {
    if (m_log) {
        m_log(line);
    }
}

std::vector<std::string> ClientSimulator::UsedNames() const {
    std::lock_guard<std::mutex> lock(m_namesMutex);
    return m_usedNames;
}

std::string ClientSimulator::NewUnitName(double timeRecorded) {
    std::lock_guard<std::mutex> lock(m_namesMutex);
    std::string name;
    do {
        name = MakeWorkUnitName(m_random, timeRecorded);
    } while (std::find(m_usedNames.begin(), m_usedNames.end(), name) != m_usedNames.end());
    // Known before the file shows it, so a reader never sees a name that isn't listed.
    m_usedNames.push_back(name);
    return name;
}

WriteStyle ClientSimulator::ChooseStyle() {
    if (!m_config.glitches || !m_random.Chance(m_config.glitchRate)) {
        return WriteStyle::Whole;
    }
    switch (m_random.Int(0, 2)) {
        case 0:
            return WriteStyle::Cut;
        case 1:
            return WriteStyle::HalfWritten;
        default:
            return WriteStyle::BrieflyMissing;
    }
}

size_t ClientSimulator::ChooseCut(size_t size, size_t headerBytes) {
    if (size == 0) {
        return 0;
    }
    // In a work unit a cut anywhere would almost always miss the header, the part a reader
    // uses; half of the cuts land in it.
    if (headerBytes > 0 && headerBytes < size && m_random.Chance(0.5)) {
        return static_cast<size_t>(m_random.Int(0, static_cast<std::int64_t>(headerBytes)));
    }
    return static_cast<size_t>(m_random.Int(0, static_cast<std::int64_t>(size) - 1));
}

bool ClientSimulator::WriteFile(const std::string& name, const std::string& contents,
                                size_t headerBytes) {
    const WriteStyle style = ChooseStyle();
    const size_t cut = style == WriteStyle::Whole ? 0 : ChooseCut(contents.size(), headerBytes);
    return m_writer.Write(name, contents, style, cut) || Failed();
}

bool ClientSimulator::Start() {
    struct stat st {};
    if (::stat(m_config.dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        m_error = "no such directory: " + m_config.dir;
        return false;
    }
    if (!m_writer.Write(kVersionFile, kVersionText, WriteStyle::Whole, 0)) {
        return Failed();
    }
    const KeyValueLines userLines = KeyValueLines::Parse(m_writer.Read(kUserFile));
    m_user = userLines.Has("nwus") ? UserAccount::Adopt(userLines)
                                   : UserAccount::Make(m_random, JulianNow());

    m_unit =
        m_writer.Exists(kWorkUnitFile) ? AdoptWorkUnit(m_writer.Read(kWorkUnitFile)) : std::nullopt;
    if (!m_unit) {
        return BeginUnit(true);
    }
    {
        std::lock_guard<std::mutex> lock(m_namesMutex);
        m_usedNames.push_back(m_unit->Name());
    }
    m_run = AnalysisRun::Adopt(KeyValueLines::Parse(m_writer.Read(kStateFile)),
                               m_random.Uniform(kMinUnitCpu, kMaxUnitCpu));
    Log("taking over work unit " + m_unit->Name());
    // A result beside a work unit in analysis is left over from an earlier unit.
    return (m_writer.Remove(kResultFile) || Failed()) &&
           (m_writer.Write(kStateFile, m_run.StateText(), WriteStyle::Whole, 0) || Failed()) &&
           (m_writer.Write(kUserFile, m_user->Text(), WriteStyle::Whole, 0) || Failed());
}

bool ClientSimulator::BeginUnit(bool firstUnit) {
    const double now = JulianNow();
    if (!firstUnit) {
        m_user->SendResult(m_run.cpu(), now);
        m_user->ReceiveUnit(now);
    }
    const double timeRecorded = m_random.Uniform(kJulianDate1999, kJulianDate2050 - 1.0);
    const std::string name = NewUnitName(timeRecorded);
    m_unit = MakeWorkUnit(m_random, name, timeRecorded);
    m_run = AnalysisRun(m_random.Uniform(kMinUnitCpu, kMaxUnitCpu));
    m_phase = Phase::Analysing;
    Log("work unit " + name + " received");
    // The new unit's state starts empty, until the first rewrite.
    return WriteFile(kUserFile, m_user->Text(), 0) &&
           WriteFile(kWorkUnitFile, m_unit->Text(), m_unit->HeaderBytes()) &&
           (m_writer.Remove(kResultFile) || Failed()) && WriteFile(kStateFile, "", 0);
}

bool ClientSimulator::FinishUnit() {
    const double cpu = m_run.cpu();
    ++m_unitsFinished;
    const double unitTicks = m_config.unitsPerMinute > 0
                                 ? 60000.0 / (m_config.unitsPerMinute * m_config.intervalMs)
                                 : 1.0;
    m_reportTicksLeft = std::max<std::int64_t>(1, std::llround(unitTicks * kReportShare));
    m_phase = Phase::Reporting;
    char line[160];
    std::snprintf(line, sizeof line, "work unit %s finished, %.3f CPU seconds",
                  m_unit->Name().c_str(), cpu);
    Log(line);
    // The result is in place before the work unit goes, so a reader always finds one of them;
    // the finished unit's state goes with the work unit.
    return WriteFile(kStateFile, m_run.StateText(), 0) &&
           WriteFile(kResultFile, m_unit->ResultText(cpu), 0) &&
           (m_writer.Remove(kWorkUnitFile) || Failed()) &&
           (m_writer.Remove(kStateFile) || Failed());
}

bool ClientSimulator::Step() {
    if (!m_writer.RepairCutFiles()) {
        return Failed();
    }
    ++m_ticks;
    if (m_phase == Phase::Reporting) {
        return --m_reportTicksLeft > 0 || BeginUnit(false);
    }
    m_run.Advance(m_config.unitsPerMinute * m_config.intervalMs / 60000.0, m_random);
    if (m_run.done()) {
        return FinishUnit();
    }
    return WriteFile(kStateFile, m_run.StateText(), 0);
}

bool ClientSimulator::Settle() {
    return m_writer.RepairCutFiles() || Failed();
}
