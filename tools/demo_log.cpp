// vantrel-demo-log: the CSV log a user of Vantrel has after a few years. The client simulator
// makes each unit and analyses it; the program's own readers take its files as Vantrel takes a
// client's, and the program's own writer logs each finished unit as the refresh timer does.
//
// Usage: vantrel-demo-log FILE [UNITS] [SEED]      (default 3000 units, seed 13)
//
// The user's machines get faster twice, so a unit takes about 11, then 7, then 4.5 CPU hours;
// now and then the computer is off for days. Most units come from the tape of the unit before,
// so their sky positions run along the telescope's drift. A unit is exported by hand now and then
// while it is still being analysed, and logged again when it is finished. Four tenths of the way
// through, the user switches the log to the 28-column layout. The "Update" column is local time:
// run it with the TZ the log should have (the demo's is Asia/Tokyo).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "client_sim/analysis_run.h"
#include "client_sim/julian.h"
#include "client_sim/sim_random.h"
#include "client_sim/work_unit_file.h"
#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"
#include "export/csv_line.h"

namespace {

constexpr std::int64_t kFirstDay = 1684713600;  // 2023-05-22 00:00 UTC, a Monday
constexpr double kHour = 3600.0;
constexpr double kDay = 86400.0;
constexpr double kNewLayoutShare = 0.4;
constexpr double kUnitSeconds = 1048576 / 9765.625;  // the recording time of a unit

// The CPU hours a unit takes on the machine of that part of the log.
double CpuHours(SimRandom& random, double share) {
    if (share < 0.35) {
        return random.Normal(11.0, 1.2);
    }
    if (share < 0.7) {
        return random.Normal(7.0, 0.8);
    }
    return random.Normal(4.5, 0.5);
}

struct LoggedUnit {
    WorkUnitInfo wu;
    AnalysisState state;
};

// The unit as the program reads it from the client's files.
LoggedUnit ReadUnit(const WorkUnitFile& unit, const AnalysisRun& run, std::int64_t received) {
    LoggedUnit logged;
    std::string header = unit.header.Text() + kEndOfHeader + "\n";
    logged.wu.Parse(header.data());
    logged.wu.found = true;
    logged.wu.file_time = received;
    std::string state = run.StateText();
    logged.state.Parse(state.data());
    logged.state.found = true;
    return logged;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fputs("usage: vantrel-demo-log FILE [UNITS] [SEED]\n", stderr);
        return 2;
    }
    const long units = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 3000;
    const unsigned long long seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 13;
    if (units <= 0 || units > 10000000) {
        std::fputs("vantrel-demo-log: UNITS is 1 to 10000000\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    SimRandom random(seed);
    std::string text = FormatCsvTitle(false, "\n").str();
    double now = static_cast<double>(kFirstDay) + 9 * kHour;
    double tapeTime = 0.0;  // Julian date of the last unit's recording
    for (long i = 0; i < units; ++i) {
        const double share = static_cast<double>(i) / static_cast<double>(units);
        const bool newLayout = share >= kNewLayoutShare;
        // Off for a few days now and then; otherwise busy most of the day.
        if (random.Chance(0.01)) {
            now += random.Uniform(2.0, 12.0) * kDay;
        }
        const double cpu = std::max(1.0, CpuHours(random, share)) * kHour;
        const double received = now;
        now += cpu / random.Uniform(0.75, 0.95);
        // The tapes were split months to years after they were recorded, and the server hands
        // out a tape's units in order: most of the time the next unit comes from the same tape,
        // a little later in the same drift across the sky.
        if (tapeTime == 0.0 || random.Chance(0.3)) {
            tapeTime =
                JulianDateOf(static_cast<std::int64_t>(received)) - random.Uniform(60.0, 1500.0);
        } else {
            tapeTime += static_cast<double>(random.Int(1, 40)) * kUnitSeconds / kDay;
        }
        const double timeRecorded = tapeTime;
        const WorkUnitFile unit =
            MakeWorkUnit(random, MakeWorkUnitName(random, timeRecorded), timeRecorded);
        AnalysisRun run(cpu);
        if (random.Chance(0.02)) {
            // Exported by hand half way.
            run.Advance(random.Uniform(0.2, 0.8), random);
            const LoggedUnit half = ReadUnit(unit, run, static_cast<std::int64_t>(received));
            const double at = received + (now - received) * run.prog();
            text += FormatCsvLine(CTime(static_cast<std::int64_t>(at)), half.wu, half.state,
                                  newLayout, "\n")
                        .str();
        }
        run.Advance(1.0, random);
        const LoggedUnit done = ReadUnit(unit, run, static_cast<std::int64_t>(received));
        // The timer logs the unit at its next refresh after the client moved on.
        const double logged = now + random.Uniform(60.0, 600.0);
        text += FormatCsvLine(CTime(static_cast<std::int64_t>(logged)), done.wu, done.state,
                              newLayout, "\n")
                    .str();
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
