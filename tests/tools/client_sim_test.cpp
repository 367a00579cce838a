#include "client_sim/client_simulator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "client_sim/julian.h"
#include "client_sim/sim_options.h"
#include "support/temp_dir.h"

namespace {

using Keys = std::map<std::string, std::string>;

// The file's key=value lines up to "end_seti_header", read here without the simulator's code.
Keys ReadKeys(const std::string& text) {
    Keys keys;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line) && line != "end_seti_header") {
        const size_t equals = line.find('=');
        if (equals != std::string::npos) {
            keys[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return keys;
}

double Number(const Keys& keys, const std::string& key) {
    const auto it = keys.find(key);
    return it == keys.end() ? NAN : std::atof(it->second.c_str());
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
    for (int i = 0; i < 1000; ++i) {
        if (done()) {
            return true;
        }
        if (!client.Step()) {
            return false;
        }
    }
    return done();
}

}  // namespace

TEST(ClientSimulatorTest, JulianDatesMatchTheCalendar) {
    EXPECT_DOUBLE_EQ(JulianDateOf(0), 2440587.5);
    EXPECT_DOUBLE_EQ(JulianDateOf(946684800), 2451544.5);  // 2000-01-01 00:00 UT
    EXPECT_EQ(UnixSecondsOf(2451544.5), 946684800);
    EXPECT_EQ(JulianDateText(2452367.10823), "2452367.10823 (Tue Apr 02 14:35:51 2002)");
    EXPECT_EQ(JulianDateText(kJulianDate2050), "2469807.50000 (Sat Jan 01 00:00:00 2050)");
}

TEST(ClientSimulatorTest, AFreshClientWritesEveryFileWithPlausibleValues) {
    TempDir dir;
    ClientSimulator client(FastConfig(dir.path()));
    ASSERT_TRUE(client.Start()) << client.error();

    EXPECT_EQ(ReadKeys(dir.Read("version.sah"))["major_version"], "3");
    const std::string unitText = dir.Read("work_unit.sah");
    const Keys unit = ReadKeys(unitText);
    for (const char* key :
         {"type",          "task",           "version",          "name",
          "data_type",     "data_class",     "splitter_version", "start_ra",
          "start_dec",     "end_ra",         "end_dec",          "angle_range",
          "time_recorded", "subband_center", "subband_base",     "subband_sample_rate",
          "fft_len",       "ifft_len",       "subband_number",   "receiver",
          "nsamples",      "tape_version",   "num_positions"}) {
        EXPECT_EQ(unit.count(key), 1u) << key;
    }
    EXPECT_EQ(unit.at("type"), "seti_wu");
    EXPECT_EQ(client.UsedNames(), std::vector<std::string>{unit.at("name")});
    for (const char* ra : {"start_ra", "end_ra"}) {
        EXPECT_TRUE(Number(unit, ra) >= 0 && Number(unit, ra) < 24) << ra;
    }
    for (const char* dec : {"start_dec", "end_dec"}) {
        EXPECT_TRUE(Number(unit, dec) >= -1.5 && Number(unit, dec) <= 38) << dec;
    }
    EXPECT_TRUE(Number(unit, "angle_range") >= 0.1 && Number(unit, "angle_range") <= 2.5);
    EXPECT_TRUE(Number(unit, "time_recorded") >= 2451179.5 &&
                Number(unit, "time_recorded") < 2469807.5);
    EXPECT_NE(unit.at("time_recorded").find(" ("), std::string::npos);
    EXPECT_DOUBLE_EQ(Number(unit, "subband_center") - Number(unit, "subband_base"), 97656.25);
    const size_t dataStart = unitText.find("end_seti_header\n");
    ASSERT_NE(dataStart, std::string::npos);
    EXPECT_LT(dataStart, 3072u) << "the header fits what a reader reads";
    EXPECT_GT(unitText.size() - dataStart, 200000u);

    const Keys user = ReadKeys(dir.Read("user_info.sah"));
    EXPECT_EQ(std::atol(user.at("nwus").c_str()), std::atol(user.at("nresults").c_str()) + 1);
    EXPECT_FALSE(user.at("name").empty());
    EXPECT_FALSE(dir.Exists("result.sah"));
}

TEST(ClientSimulatorTest, TheAnalysisAdvancesThroughTheFftLengthsToAGaussian) {
    TempDir dir;
    ClientSimulator client(FastConfig(dir.path()));
    ASSERT_TRUE(client.Start()) << client.error();
    double lastProg = 0.0;
    double lastCpu = 0.0;
    double lastPower = 0.0;
    std::set<long> lengths;
    Keys state;
    for (;;) {
        ASSERT_TRUE(client.Step()) << client.error();
        if (client.UnitsFinished() > 0) {
            break;
        }
        state = ReadKeys(dir.Read("state.sah"));
        ASSERT_GT(Number(state, "prog"), lastProg);
        ASSERT_GT(Number(state, "cpu"), lastCpu);
        ASSERT_GE(Number(state, "bg_power"), lastPower);
        lastProg = Number(state, "prog");
        lastCpu = Number(state, "cpu");
        lastPower = Number(state, "bg_power");
        lengths.insert(std::atol(state.at("fl").c_str()));
    }
    EXPECT_GT(lastProg, 0.98);
    EXPECT_TRUE(lastCpu >= ClientSimulator::kMinUnitCpu && lastCpu <= ClientSimulator::kMaxUnitCpu);
    std::set<long> powersOfTwo;
    for (long fl = 8; fl <= 131072; fl *= 2) {
        powersOfTwo.insert(fl);
    }
    EXPECT_EQ(lengths, powersOfTwo);

    // The last best Gaussian: 64 values near the true mean, peaking at t0.
    const int t0 = std::atoi(state.at("bg_fft_ind").c_str());
    const double sigma = Number(state, "bg_sigma");
    const double mean = Number(state, "bg_true_mean");
    EXPECT_TRUE(t0 >= 0 && t0 <= 63);
    EXPECT_TRUE(sigma >= 2 && sigma <= 8);
    EXPECT_NEAR(mean, 1.0, 0.1);
    EXPECT_GT(lastPower, 2.0);
    int peak = 0;
    for (int i = 0; i < 64; ++i) {
        ASSERT_EQ(state.count("bg_pot " + std::to_string(i)), 1u) << i;
        if (Number(state, "bg_pot " + std::to_string(i)) >
            Number(state, "bg_pot " + std::to_string(peak))) {
            peak = i;
        }
    }
    EXPECT_LE(std::abs(peak - t0), sigma);
}

TEST(ClientSimulatorTest, AFinishedUnitBecomesAResultThenTheNextUnitArrives) {
    TempDir dir;
    ClientSimulator client(FastConfig(dir.path()));
    ASSERT_TRUE(client.Start()) << client.error();
    const std::string first = client.UsedNames().front();
    const Keys userBefore = ReadKeys(dir.Read("user_info.sah"));

    ASSERT_TRUE(StepUntil(client, [&] { return client.UnitsFinished() == 1; }));
    EXPECT_FALSE(dir.Exists("work_unit.sah"));
    const Keys result = ReadKeys(dir.Read("result.sah"));
    EXPECT_EQ(result.at("type"), "result");
    EXPECT_EQ(result.at("name"), first);
    const double cpuTime = Number(result, "cpu_time");
    EXPECT_TRUE(cpuTime >= ClientSimulator::kMinUnitCpu && cpuTime <= ClientSimulator::kMaxUnitCpu);
    EXPECT_FALSE(dir.Exists("state.sah")) << "the state goes with the work unit";

    ASSERT_TRUE(StepUntil(client, [&] { return dir.Exists("work_unit.sah"); }));
    EXPECT_FALSE(dir.Exists("result.sah"));
    EXPECT_TRUE(dir.Exists("state.sah"));
    EXPECT_EQ(dir.Read("state.sah"), "") << "the state starts again empty";
    const std::string second = ReadKeys(dir.Read("work_unit.sah")).at("name");
    EXPECT_NE(second, first);
    EXPECT_EQ(client.UsedNames(), (std::vector<std::string>{first, second}));

    const Keys user = ReadKeys(dir.Read("user_info.sah"));
    EXPECT_EQ(std::atol(user.at("nwus").c_str()), std::atol(userBefore.at("nwus").c_str()) + 1);
    EXPECT_EQ(std::atol(user.at("nresults").c_str()),
              std::atol(userBefore.at("nresults").c_str()) + 1);
    EXPECT_NEAR(Number(user, "total_cpu"), Number(userBefore, "total_cpu") + cpuTime, 1e-3);
    EXPECT_GE(Number(user, "last_result_time"), Number(userBefore, "last_result_time"));
    EXPECT_GE(Number(user, "last_wu_time"), 2452161.574) << "the simulated start, 2001-09-09";
}

TEST(ClientSimulatorTest, ACopiedClientDirectoryIsCarriedOn) {
    TempDir dir;
    for (const char* name : {"work_unit.sah", "state.sah", "user_info.sah", "version.sah"}) {
        dir.CopyFromData(std::string("sah/") + name, name);
    }
    dir.CopyFromData("sah/result.sah", "result.sah");  // stale beside a unit in analysis
    const std::string unitText = dir.Read("work_unit.sah");
    ClientSimulator client(FastConfig(dir.path()));
    ASSERT_TRUE(client.Start()) << client.error();

    EXPECT_EQ(client.UsedNames(), std::vector<std::string>{"12fe99aa.2345.7890.438086.75"});
    EXPECT_FALSE(dir.Exists("result.sah"));
    ASSERT_TRUE(client.Step());
    EXPECT_EQ(dir.Read("work_unit.sah"), unitText);
    const Keys state = ReadKeys(dir.Read("state.sah"));
    EXPECT_GT(Number(state, "prog"), 0.45123456);
    // The unit's CPU time keeps the pace it had: 18723.25 s at 45.123456 %.
    EXPECT_NEAR(Number(state, "cpu") / Number(state, "prog"), 18723.25 / 0.45123456, 1e-3);

    ASSERT_TRUE(StepUntil(client, [&] { return client.UsedNames().size() == 2; }));
    // The totals go on from the file's ("nwus=152 units"), and the other lines stay.
    const Keys user = ReadKeys(dir.Read("user_info.sah"));
    EXPECT_EQ(user.at("nwus"), "153");
    EXPECT_EQ(user.at("nresults"), "150");
    EXPECT_EQ(user.at("email_addr"), "hoshino@example.jp");
}

TEST(ClientSimulatorTest, DamagedFilesAreTakenOverWithSaneValues) {
    TempDir dir;
    dir.Write("work_unit.sah", "name=odd.unit\nend_seti_header\n");
    dir.Write("state.sah", "prog=nan\ncpu=inf\nfl=1e300\nbg_fft_ind=-5\nbg_bin=1e99\n");
    dir.Write("user_info.sah", "name=x\nnwus=1e30\nnresults=-4\ntotal_cpu=abc\n");
    ClientSimulator client(FastConfig(dir.path()));
    ASSERT_TRUE(client.Start()) << client.error();
    ASSERT_TRUE(client.Step());
    const Keys state = ReadKeys(dir.Read("state.sah"));
    EXPECT_TRUE(Number(state, "prog") > 0 && Number(state, "prog") < 0.1);
    EXPECT_TRUE(Number(state, "cpu") >= 0 && Number(state, "cpu") < ClientSimulator::kMaxUnitCpu);
    const long fl = std::atol(state.at("fl").c_str());
    EXPECT_TRUE(fl >= 8 && fl <= 131072 && (fl & (fl - 1)) == 0) << fl;
    EXPECT_TRUE(Number(state, "bg_fft_ind") >= 0 && Number(state, "bg_fft_ind") <= 63);

    ASSERT_TRUE(StepUntil(client, [&] { return client.UsedNames().size() == 2; }));
    const Keys user = ReadKeys(dir.Read("user_info.sah"));
    EXPECT_EQ(user.at("nwus"), "2147483648") << "held at the 32-bit limit, then one more";
    EXPECT_EQ(user.at("nresults"), "1");
    EXPECT_EQ(user.at("name"), "x");
}

TEST(ClientSimulatorTest, TornRunsEndWholeAndTheSameSeedWritesTheSameFiles) {
    TempDir a;
    TempDir b;
    SimConfig configA = FastConfig(a.path());
    configA.glitches = true;
    configA.glitchRate = 0.5;
    SimConfig configB = configA;
    configB.dir = b.path();
    ClientSimulator clientA(configA);
    ClientSimulator clientB(configB);
    ASSERT_TRUE(clientA.Start() && clientB.Start());
    for (int i = 0; i < 350; ++i) {
        ASSERT_TRUE(clientA.Step() && clientB.Step()) << clientA.error() << clientB.error();
    }
    ASSERT_TRUE(clientA.Settle() && clientB.Settle());
    EXPECT_GE(clientA.UnitsFinished(), 2);
    EXPECT_EQ(clientA.UsedNames(), clientB.UsedNames());

    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(a.path())) {
        files.insert(entry.path().filename().string());
        EXPECT_EQ(a.Read(entry.path().filename()), b.Read(entry.path().filename()));
    }
    const std::set<std::string> client = {"version.sah", "state.sah", "user_info.sah",
                                          a.Exists("result.sah") ? "result.sah" : "work_unit.sah"};
    EXPECT_EQ(files, client) << "no temporary or stray files";
    const std::string state = a.Read("state.sah");
    if (!state.empty()) {
        EXPECT_NE(state.find("\nbg_pot 63="), std::string::npos) << "settled state is whole";
    }
}

TEST(ClientSimulatorTest, TheCommandLineIsCheckedBeforeAnythingRuns) {
    const auto parse = [](std::vector<const char*> args) {
        args.insert(args.begin(), "vantrel-client-sim");
        return ParseSimOptions(static_cast<int>(args.size()), args.data());
    };
    const SimOptions good = parse({"--dir", "/tmp/x", "--speed", "2.5", "--seed", "42", "--ticks",
                                   "10", "--interval-ms", "50", "--glitches"});
    EXPECT_EQ(good.error, "");
    EXPECT_EQ(good.config.dir, "/tmp/x");
    EXPECT_DOUBLE_EQ(good.config.unitsPerMinute, 2.5);
    EXPECT_EQ(good.config.seed, 42u);
    EXPECT_EQ(good.config.ticks, 10);
    EXPECT_EQ(good.config.intervalMs, 50);
    EXPECT_TRUE(good.config.glitches);
    EXPECT_TRUE(parse({"--help"}).help);

    for (const auto& bad :
         std::vector<std::vector<const char*>>{{},
                                               {"--dir"},
                                               {"--dir", "/tmp/x", "--speed", "0"},
                                               {"--dir", "/tmp/x", "--speed", "fast"},
                                               {"--dir", "/tmp/x", "--interval-ms", "-5"},
                                               {"--dir", "/tmp/x", "--ticks", "1e3"},
                                               {"--dir", "/tmp/x", "--glitch-rate", "1.5"},
                                               {"--dir", "/tmp/x", "--colour"}}) {
        EXPECT_NE(parse(bad).error, "") << (bad.empty() ? "(none)" : bad.back());
    }

    ClientSimulator nowhere(parse({"--dir", "/nonexistent/vantrel-client"}).config);
    EXPECT_FALSE(nowhere.Start());
    EXPECT_NE(nowhere.error().find("/nonexistent/vantrel-client"), std::string::npos);
}
