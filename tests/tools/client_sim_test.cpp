#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "client_sim/client_dir_writer.h"
#include "client_sim/client_simulator.h"
#include "client_sim/drift_scan.h"
#include "client_sim/julian.h"
#include "client_sim/sim_options.h"
#include "support/temp_dir.h"

namespace {

// The file's key=value lines up to "end_seti_header", read without the simulator's code.
std::map<std::string, std::string> ReadKeys(const TempDir& dir, const std::string& name) {
    std::map<std::string, std::string> keys;
    std::istringstream in(dir.Read(name));
    std::string line;
    while (std::getline(in, line) && line != "end_seti_header") {
        const size_t equals = line.find('=');
        keys[line.substr(0, equals)] = equals == std::string::npos ? "" : line.substr(equals + 1);
    }
    return keys;
}

double Number(const std::map<std::string, std::string>& keys, const std::string& key) {
    return keys.count(key) ? std::atof(keys.at(key).c_str()) : NAN;
}

SimConfig FastConfig(const std::string& dir) {
    SimConfig config;
    config.dir = dir;
    config.unitsPerMinute = 600;  // a unit in 100 steps of 1 ms
    config.intervalMs = 1;
    config.seed = 7;
    config.startTime = 1000000000;  // 2001-09-09 01:46:40 UT
    return config;
}

// Steps until the predicate holds; false after too many steps.
template <typename Done>
bool StepUntil(ClientSimulator& client, Done done) {
    for (int i = 0; i < 1000 && !done(); ++i) {
        if (!client.Step()) {
            return false;
        }
    }
    return done();
}

}  // namespace

TEST(ClientSimulatorTest, JulianDatesMatchTheCalendar) {
    EXPECT_DOUBLE_EQ(JulianDateOf(946684800), 2451544.5);  // 2000-01-01 00:00 UT
    EXPECT_EQ(UnixSecondsOf(2440587.5), 0);
    EXPECT_EQ(JulianDateText(2452367.10823), "2452367.10823 (Tue Apr 02 14:35:51 2002)");
    EXPECT_EQ(JulianDateText(kJulianDate2050), "2469807.50000 (Sat Jan 01 00:00:00 2050)");
}

// A unit from arrival through its analysis to its result, and the next unit.
TEST(ClientSimulatorTest, AUnitIsAnalysedThenBecomesAResultAndTheNextArrives) {
    TempDir dir;
    ClientSimulator client(FastConfig(dir.path()));
    ASSERT_TRUE(client.Start()) << client.error();
    EXPECT_EQ(ReadKeys(dir, "version.sah")["major_version"], "3");
    auto unit = ReadKeys(dir, "work_unit.sah");
    EXPECT_EQ(unit["type"], "seti_wu");
    EXPECT_EQ(client.UsedNames(), std::vector<std::string>{unit["name"]});
    EXPECT_TRUE(Number(unit, "start_ra") >= 0 && Number(unit, "end_dec") <= 38);
    EXPECT_DOUBLE_EQ(Number(unit, "subband_center") - Number(unit, "subband_base"), 97656.25);
    const size_t dataStart = dir.Read("work_unit.sah").find("end_seti_header\n");
    EXPECT_LT(dataStart, 3072u) << "the header fits what a reader reads";
    EXPECT_GT(dir.Read("work_unit.sah").size() - dataStart, 200000u);
    const auto userBefore = ReadKeys(dir, "user_info.sah");
    EXPECT_EQ(std::atol(userBefore.at("nwus").c_str()),
              std::atol(userBefore.at("nresults").c_str()) + 1);

    std::map<std::string, std::string> state;
    std::set<long> lengths;
    ASSERT_TRUE(client.Step());
    while (client.UnitsFinished() == 0) {
        const auto last = state;
        state = ReadKeys(dir, "state.sah");
        ASSERT_TRUE(last.empty() || (Number(state, "prog") > Number(last, "prog") &&
                                     Number(state, "cpu") > Number(last, "cpu") &&
                                     Number(state, "bg_power") >= Number(last, "bg_power")));
        lengths.insert(std::atol(state["fl"].c_str()));
        ASSERT_TRUE(client.Step()) << client.error();
    }
    EXPECT_GT(Number(state, "prog"), 0.98);
    EXPECT_EQ(lengths.size(), 15u) << "every FFT length from 8 to 131072";
    // The best Gaussian: 64 values near the true mean, peaking at t0.
    const int t0 = std::atoi(state["bg_fft_ind"].c_str());
    EXPECT_NEAR(Number(state, "bg_true_mean"), 1.0, 0.1);
    const auto pot = [&state](int i) { return Number(state, "bg_pot " + std::to_string(i)); };
    int peak = 0;
    for (int i = 1; i < 64; ++i) {
        peak = pot(i) > pot(peak) ? i : peak;
    }
    EXPECT_LE(std::abs(peak - t0), Number(state, "bg_sigma"));

    EXPECT_FALSE(dir.Exists("work_unit.sah") || dir.Exists("state.sah"));
    const auto result = ReadKeys(dir, "result.sah");
    EXPECT_EQ(result.at("type"), "result");
    EXPECT_EQ(result.at("name"), client.UsedNames().front());
    const double cpu = Number(result, "cpu_time");
    EXPECT_TRUE(cpu >= ClientSimulator::kMinUnitCpu && cpu <= ClientSimulator::kMaxUnitCpu);

    ASSERT_TRUE(StepUntil(client, [&] { return dir.Exists("work_unit.sah"); }));
    EXPECT_FALSE(dir.Exists("result.sah"));
    EXPECT_EQ(dir.Read("state.sah"), "") << "the state starts again empty";
    unit = ReadKeys(dir, "work_unit.sah");
    EXPECT_EQ(client.UsedNames(), (std::vector<std::string>{result.at("name"), unit["name"]}));
    const auto user = ReadKeys(dir, "user_info.sah");
    EXPECT_EQ(std::atol(user.at("nresults").c_str()),
              std::atol(userBefore.at("nresults").c_str()) + 1);
    EXPECT_NEAR(Number(user, "total_cpu"), Number(userBefore, "total_cpu") + cpu, 1e-3);
}

TEST(ClientSimulatorTest, CopiedAndDamagedClientDirectoriesAreCarriedOn) {
    TempDir dir;
    for (const char* name : {"work_unit.sah", "state.sah", "user_info.sah", "result.sah"}) {
        dir.CopyFromData(std::string("sah/") + name, name);  // a stale result beside the unit
    }
    ClientSimulator client(FastConfig(dir.path()));
    ASSERT_TRUE(client.Start()) << client.error();
    EXPECT_EQ(client.UsedNames(), std::vector<std::string>{"12fe99aa.2345.7890.438086.75"});
    EXPECT_FALSE(dir.Exists("result.sah"));
    ASSERT_TRUE(client.Step());
    auto state = ReadKeys(dir, "state.sah");
    // The unit's CPU time keeps the pace it had: 18723.25 s at 45.123456 %.
    EXPECT_NEAR(Number(state, "cpu") / Number(state, "prog"), 18723.25 / 0.45123456, 1e-3);
    ASSERT_TRUE(StepUntil(client, [&] { return client.UsedNames().size() == 2; }));
    EXPECT_EQ(ReadKeys(dir, "user_info.sah")["nwus"], "153");  // the file said 152
    EXPECT_EQ(ReadKeys(dir, "user_info.sah")["email_addr"], "hoshino@example.jp");

    TempDir damaged;
    damaged.Write("work_unit.sah", "name=odd.unit\nend_seti_header\n");
    damaged.Write("state.sah", "prog=nan\ncpu=inf\nfl=1e300\nbg_fft_ind=-5\nbg_bin=1e99\n");
    damaged.Write("user_info.sah", "name=x\nnwus=1e30\nnresults=-4\ntotal_cpu=abc\n");
    ClientSimulator odd(FastConfig(damaged.path()));
    ASSERT_TRUE(odd.Start() && odd.Step()) << odd.error();
    state = ReadKeys(damaged, "state.sah");
    EXPECT_TRUE(Number(state, "prog") > 0 && Number(state, "prog") < 0.1);
    EXPECT_TRUE(Number(state, "cpu") >= 0 && Number(state, "cpu") < ClientSimulator::kMaxUnitCpu);
    const long fl = std::atol(state["fl"].c_str());
    EXPECT_TRUE(fl >= 8 && fl <= 131072 && (fl & (fl - 1)) == 0) << fl;
    ASSERT_TRUE(StepUntil(odd, [&] { return odd.UsedNames().size() == 2; }));
    EXPECT_EQ(ReadKeys(damaged, "user_info.sah")["nwus"], "2147483648") << "held at 2^31 - 1, +1";
}

TEST(ClientSimulatorTest, TornRunsEndWholeAndTheSameSeedWritesTheSameFiles) {
    TempDir a;
    TempDir b;
    SimConfig config = FastConfig(a.path());
    config.glitches = true;
    config.glitchRate = 0.5;
    ClientSimulator clientA(config);
    config.dir = b.path();
    ClientSimulator clientB(config);
    ASSERT_TRUE(clientA.Start() && clientB.Start());
    for (int i = 0; i < 350; ++i) {
        ASSERT_TRUE(clientA.Step() && clientB.Step()) << clientA.error() << clientB.error();
    }
    ASSERT_TRUE(clientA.Settle() && clientB.Settle());
    EXPECT_GE(clientA.UnitsFinished(), 2);
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(a.path())) {
        files.insert(entry.path().filename().string());
        EXPECT_EQ(a.Read(entry.path().filename()), b.Read(entry.path().filename()));
    }
    EXPECT_EQ(files,
              (std::set<std::string>{"version.sah", "state.sah", "user_info.sah",
                                     a.Exists("result.sah") ? "result.sah" : "work_unit.sah"}));
    const std::string state = a.Read("state.sah");
    EXPECT_TRUE(state.empty() || state.find("\nbg_pot 63=") != std::string::npos);

    // A cut file reads as its start until the repair; nothing goes outside the directory.
    ClientDirWriter writer(b.path(), std::chrono::milliseconds(1));
    ASSERT_TRUE(writer.Write("x.sah", "prog=0.25\n", WriteStyle::Cut, 7));
    EXPECT_EQ(b.Read("x.sah"), "prog=0.");
    ASSERT_TRUE(writer.RepairCutFiles());
    EXPECT_EQ(b.Read("x.sah"), "prog=0.25\n");
    for (const char* name : {"../escape.sah", "..", "", "sub/state.sah", "/tmp/x.sah"}) {
        EXPECT_FALSE(writer.Write(name, "x=1\n", WriteStyle::Whole, 0) || writer.Remove(name));
    }
    EXPECT_FALSE(std::filesystem::exists(b.path() + "/../escape.sah"));
}

TEST(ClientSimulatorTest, TheCommandLineIsCheckedBeforeAnythingRuns) {
    const auto parse = [](std::vector<const char*> args) {
        args.insert(args.begin(), "vantrel-client-sim");
        return ParseSimOptions(static_cast<int>(args.size()), args.data());
    };
    const SimOptions good = parse({"--dir", "/tmp/x", "--speed", "2.5", "--seed", "42", "--ticks",
                                   "10", "--interval-ms", "50", "--glitches"});
    EXPECT_EQ(good.error, "");
    EXPECT_TRUE(good.config.dir == "/tmp/x" && good.config.unitsPerMinute == 2.5 &&
                good.config.seed == 42u && good.config.ticks == 10 &&
                good.config.intervalMs == 50 && good.config.glitches);
    for (const auto& bad :
         std::vector<std::vector<const char*>>{{},
                                               {"--dir"},
                                               {"--dir", "/x", "--speed", "fast"},
                                               {"--dir", "/x", "--ticks", "1e3"},
                                               {"--dir", "/x", "--interval-ms", "-5"},
                                               {"--dir", "/x", "--glitch-rate", "1.5"}}) {
        EXPECT_NE(parse(bad).error, "") << bad.size();
    }
    ClientSimulator nowhere(parse({"--dir", "/nonexistent/vantrel-client"}).config);
    EXPECT_FALSE(nowhere.Start());
    EXPECT_NE(nowhere.error().find("/nonexistent/vantrel-client"), std::string::npos);
}

// A unit's sky position follows the drift of the sky through a fixed beam: its right ascension
// is Arecibo's sidereal time, its declination that of the days' pointing.
TEST(DriftScanTest, UnitsLieAlongTheSkysDriftThroughTheBeam) {
    // At J2000.0 Greenwich mean sidereal time is 18.697375 h; Arecibo lies 4.450187 h west.
    EXPECT_NEAR(AreciboSiderealTime(2451545.0), 14.247188, 1e-5);
    // A sidereal day is 23 h 56 min 4 s: the sky comes back 3 min 56 s earlier each day.
    EXPECT_NEAR(AreciboSiderealTime(2451546.0) - AreciboSiderealTime(2451545.0), 0.065710, 1e-5);
    const double seconds = 1048576 / 9765.625;
    const SkyStrip a = DriftScanStrip(2451545.0, seconds);
    // 107.374 s of drift: 107.668 sidereal seconds of right ascension.
    EXPECT_NEAR(a.endRa - a.startRa, 107.668 / 3600, 1e-5);
    EXPECT_NEAR(a.angleRange, 107.668 / 240 * std::cos(a.startDec * std::acos(-1.0) / 180), 1e-4);
    EXPECT_EQ(a.startDec, a.endDec);
    // The same pointing for the days of a block, another one after it; always within the band.
    const double block = std::floor(2451545.0 / kPointingDays) * kPointingDays;
    EXPECT_EQ(DriftScanStrip(block + 0.1, seconds).startDec,
              DriftScanStrip(block + kPointingDays - 0.1, seconds).startDec);
    std::set<double> declinations;
    for (int day = 0; day < 300; day += 3) {
        const SkyStrip strip = DriftScanStrip(2451545.0 + day, seconds);
        EXPECT_GE(strip.startDec, kAreciboDecMin);
        EXPECT_LE(strip.startDec, kAreciboDecMax);
        EXPECT_GE(strip.startRa, 0.0);
        EXPECT_LT(strip.startRa, 24.0);
        declinations.insert(strip.startDec);
    }
    EXPECT_GT(declinations.size(), 90u);
}
