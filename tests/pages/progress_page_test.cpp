#include "pages/progress_page.h"

#include <gtest/gtest.h>

#include <cmath>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/work_unit_info.h"
#include "pages/page_test_support.h"

using namespace page_test;

namespace {

// Last load at 2000/10/14 21:05:00 in Tokyo, 50000 s after the work unit file was written;
// 39 CPU seconds gained in the 40 s since the unit was first seen (u = 0.975).
struct ProgressCase {
    ProgressCase() {
        wu.angle_range = 0.5;
        wu.file_time = update - 50000;
        state.found = true;
        state.prog = 0.45123;
        state.cpu = 18723.25;
        state.fl = 8192;
        version.found = true;
        version.kind = ClientFileSet::Sah;
        version.major_version = "3";
    }
    PageText Build() const {
        return BuildProgressPage(
            {wu, state, version, CTime(update), CTime(timeBase), cpuBase, baselineSet});
    }
    std::vector<std::string> Values() const { return Lines(Build().values); }

    TokyoTime tokyo;
    std::int64_t update = Jst(2000, 10, 14, 21, 5, 0);
    WorkUnitInfo wu;
    AnalysisState state;
    ClientVersion version;
    std::int64_t timeBase = update - 40;
    double cpuBase = 18723.25 - 39;
    bool baselineSet = true;
};

}  // namespace

TEST(ProgressPage, WorkedExample) {
    ProgressCase c;
    const PageText page = c.Build();
    EXPECT_EQ(
        "進捗：\nCPU Time：\n解析項目：\n稼働率：\n\n終了時 CPU Time：\n予想終了時刻1：\n"
        "予想終了時刻2：",
        page.labels);
    // total 18723.25 / 0.45123 = 41493.806; remaining 22770 s = 6:19:30; remaining2
    // 22770 / 0.975 = 23353 s = 6:29:13; after receipt 72770 s and 73353 s.
    EXPECT_EQ(
        "45.123 %\n"
        "5 hr 12 min 3.250 sec (18723.250 sec)\n"
        "Gaussians/Pulses/Triplets\n"
        "97.5 %\n"
        "\n"
        "11 hr 31 min 33.806 sec (41493.806 sec)\n"
        "2000/10/15 03:24 (受信から 20.214 hr 経過後)\n"
        "2000/10/15 03:34 (受信から 20.376 hr 経過後)\n",
        page.values);
    // The analysis items are named only by the newer file set, from major version 3 on.
    c.version.major_version = "2";
    EXPECT_EQ("--", c.Values()[2]);
    c.state.found = false;
    EXPECT_EQ(page.labels, c.Build().labels);
    EXPECT_EQ("", c.Build().values);
}

TEST(ProgressPage, UtilisationAndPredictionTwo) {
    ProgressCase c;
    c.timeBase = c.update - 30;
    const std::pair<double, const char*> gains[] = {
        {31.5, "100.0 %"}, {29.9, "96.7 %"}, {-10.5, "-33.3 %"}};
    for (const auto& [gained, shown] : gains) {
        c.cpuBase = c.state.cpu - gained;
        EXPECT_EQ(shown, c.Values()[3]) << gained;
    }
    EXPECT_EQ("NaN", c.Values()[7]);  // a share below zero predicts nothing

    // The load that set the baseline, no baseline yet, and a clock set back.
    c.cpuBase = c.state.cpu - 30;
    for (auto [base, set] :
         {std::pair{c.update, true}, {c.update - 30, false}, {c.update + 60, true}}) {
        c.timeBase = base;
        c.baselineSet = set;
        const std::vector<std::string> lines = c.Values();
        EXPECT_EQ("NaN", lines[3]);
        EXPECT_EQ("2000/10/15 03:24 (受信から 20.214 hr 経過後)", lines[6]);
        EXPECT_EQ("NaN", lines[7]);
    }
}

TEST(ProgressPage, WhatCannotBeCountedIn32BitsShowsNaN) {
    ProgressCase c;
    const auto expectNaNFrom = [&](size_t first, size_t last) {
        const std::vector<std::string> lines = c.Values();
        ASSERT_EQ(8u, lines.size());
        for (size_t i = first; i <= last; ++i) {
            EXPECT_EQ("NaN", lines[i]) << i;
        }
    };
    c.state.prog = 0.0;
    expectNaNFrom(5, 7);
    c.state.prog = 1e-6;  // total 3600 / 1e-6 = 3.6e9 s
    c.state.cpu = 3600.0;
    c.cpuBase = 3600.0 - 39;
    expectNaNFrom(5, 7);
}
