#include "clientfiles/analysis_state.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>
#include <utility>

#include "clientfiles/work_unit_info.h"
#include "support/temp_dir.h"

// A real file, then a partial one (what it lacks stays), an empty one (all cleared), odd
// bg_pot keys, and none (the last values stay).
TEST(AnalysisStateTest, RealPartialEmptyAndMissingFiles) {
    TempDir dir;
    dir.CopyFromData("sah/state.sah", "state.sah");
    AnalysisState state(dir.path().c_str());
    state.Read(ClientFileSet::Sah);
    ASSERT_TRUE(state.found);
    char shown[512];
    std::snprintf(shown, sizeof shown,
                  "%d %.10g %.10g %.10g %.10g %.10g %.10g %.10g %.10g %d %.10g %.10g %.10g",
                  state.fl, state.cpu, state.prog, state.bs_power, state.bs_score,
                  state.bs_chirp_rate, state.bg_score, state.bg_power, state.bg_chisq,
                  state.bg_fft_ind, state.bg_chirp_rate, state.bg_sigma, state.bg_true_mean);
    EXPECT_STREQ(shown,
                 "8192 18723.25 0.45123456 23.456789 1.234567 1.5 0.512345 3.141593 "
                 "1.414214 27 -0.75 4 1");
    EXPECT_NEAR(state.GetBgPot(27), 4.141593, 0.11);  // the Gaussian's peak
    const double pot10 = state.GetBgPot(10);

    dir.Write("state.sah", "prog=0.5\ncpu=100\n");
    state.Read(ClientFileSet::Sah);
    ASSERT_TRUE(state.found);
    EXPECT_DOUBLE_EQ(state.prog, 0.5);
    EXPECT_DOUBLE_EQ(state.cpu, 100.0);
    EXPECT_DOUBLE_EQ(state.GetBgPot(10), pot10);
    EXPECT_EQ(state.fl, 8192);

    dir.Write("state.sah", "");
    state.Read(ClientFileSet::Sah);
    EXPECT_TRUE(state.found);
    EXPECT_DOUBLE_EQ(state.prog, 0.0);
    EXPECT_DOUBLE_EQ(state.GetBgPot(10), 0.0);
    EXPECT_EQ(state.fl, 0);

    dir.Write("state.sah", "bg_pot 63=6.5\nbg_pot 64=9\nbg_pot 07=9\nbg_pot  5=9\nprog=0.75\n");
    state.Read(ClientFileSet::Sah);
    EXPECT_DOUBLE_EQ(state.GetBgPot(63), 6.5);
    for (int index : {-1, 5, 7, 64}) {
        EXPECT_DOUBLE_EQ(state.GetBgPot(index), 0.0) << index;
    }
    dir.Remove("state.sah");
    state.Read(ClientFileSet::Sah);
    EXPECT_FALSE(state.found);
    EXPECT_DOUBLE_EQ(state.prog, 0.75);
}

// (A found result completing a found state, and no state to complete: the client monitor's tests.)
TEST(AnalysisStateTest, ApplyResultCompletesOnlyAFoundResult) {
    const struct {
        bool stateFound, resultFound;
        const char* type;
        double prog, cpu;
    } kCases[] = {{true, true, "Result", 0.9, 100.0},  // the type's case counts
                  {true, false, "result", 0.9, 100.0}};
    for (const auto& c : kCases) {
        AnalysisState state;
        std::tie(state.found, state.prog, state.cpu) = std::make_tuple(c.stateFound, 0.9, 100.0);
        WorkUnitInfo wu;
        std::tie(wu.found, wu.cpu_time) = std::make_tuple(c.resultFound, 12345.6);
        wu.type = c.type;
        state.ApplyResult(wu);
        EXPECT_EQ(std::make_pair(c.prog, c.cpu), std::make_pair(state.prog, state.cpu))
            << c.stateFound << c.resultFound << c.type;
    }
}
