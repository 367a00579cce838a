// The pages of the records: work unit, observation, analysis and user.
#include <gtest/gtest.h>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "clientfiles/work_unit_info.h"
#include "pages/analysis_page.h"
#include "pages/observation_page.h"
#include "pages/page_test_support.h"
#include "pages/user_page.h"
#include "pages/work_unit_page.h"

using namespace page_test;

TEST(WorkUnitPage, ShowsKindNameLocalReceiptTimeAndHexVersions) {
    TokyoTime tokyo;
    WorkUnitInfo wu;
    wu.type = "data";
    wu.name = "01mr03aa.1234.5678.9.10";
    wu.file_time = Jst(2000, 10, 14, 15, 50, 0);
    wu.version = 300;
    wu.splitter_version = 0xabc;
    EXPECT_EQ("データ種別：\n\nWU名：\n受信時刻：\nSETI Ver.：\nSplitter Ver.：",
              BuildWorkUnitPage(wu).labels);
    EXPECT_EQ("data\n\n01mr03aa.1234.5678.9.10\n2000/10/14 15:50:00\n012C\n0ABC\n",
              BuildWorkUnitPage(wu).values);
    wu.file_time = 0;
    wu.version = 10;
    EXPECT_EQ("data\n\n01mr03aa.1234.5678.9.10\n\n000A\n0ABC\n", BuildWorkUnitPage(wu).values);
}

TEST(ObservationPage, UtTimeSexagesimalDirectionsAndRecordingLength) {
    WorkUnitInfo wu;
    wu.time_recorded = 2451545.0;  // 2000-01-01 12:00:00 UT
    wu.start_dec = -12.5;
    wu.end_ra = 12.5;
    wu.end_dec = -0.5;
    wu.angle_range = 0.4567;
    wu.subband_base = 1420078125.0;
    wu.subband_center = 1420087890.6;
    wu.subband_sample_rate = 9765.625;
    wu.nsamples = 1048576;
    const PageText page = BuildObservationPage(wu);
    EXPECT_EQ(
        "観測時刻：\n観測方向 (From)：\n観測方向 (To)：\n角度幅：\n\nBase Freq.：\n"
        "Center Freq.：\nRate：\nSamples：\nSamples/Rate：",
        page.labels);
    EXPECT_EQ(
        "2000/01/01 12:00:00 UT (2451545.00000 JD)\n"
        "00 hr 00 min 00 sec R.A., -12 deg 30 min 00 sec Dec.\n"
        "12 hr 30 min 00 sec R.A., +0 deg -30 min 00 sec Dec.\n"
        "0.457\n\n1420078125.00 Hz\n1420087890.60 Hz\n"
        "9765.62 Hz\n"  // an exact tie, which printf rounds to even
        "1048576\n107.374 sec\n",
        page.values);

    // A date never read shows dashes; a rate of 0 gives no recording length.
    wu.time_recorded = 0.0;
    wu.subband_sample_rate = 0.0;
    std::vector<std::string> lines = Lines(BuildObservationPage(wu).values);
    EXPECT_EQ("----/--/-- --:--:-- UT (0.00000 JD)", lines[0]);
    EXPECT_EQ("0.00 Hz", lines[7]);
    EXPECT_EQ("NaN", lines[9]);
}

TEST(AnalysisPage, NewerFileSetAddsTheGaussianFitOnASecondLine) {
    AnalysisState state;
    state.found = true;
    state.bs_score = 1.234567;
    state.bs_power = 23.456789;
    state.bg_score = 0.512345;
    state.bg_power = 3.141593;
    state.bg_chisq = 1.414214;
    state.bg_true_mean = 1.0;
    state.bg_sigma = 4.0;
    state.bg_fft_ind = 27;
    // Only the ".sah" files, named by a version file, have the Gaussian's fit parameters.
    for (const auto& [found, kind] : {std::pair{true, ClientFileSet::Sah},
                                      {true, ClientFileSet::Txt},
                                      {false, ClientFileSet::Sah}}) {
        ClientVersion version;
        version.found = found;
        version.kind = kind;
        const bool newer = found && kind == ClientFileSet::Sah;
        EXPECT_EQ(newer, IsNewerFileSet(version));
        const PageText page = BuildAnalysisPage(state, version);
        EXPECT_EQ(newer ? "Spike：\nGaussians：\n" : "Spike：\nGaussians：", page.labels);
        EXPECT_EQ(std::string("Score=1.234567 , Power=23.456789\n"
                              "Score=0.512345 , Power=3.141593 , Fit=1.414214") +
                      (newer ? " ,\nTrue Mean=1.000000 , Sigma=4.000000 , t0=27" : ""),
                  page.values);
        if (newer) {
            state.found = false;
            EXPECT_EQ(page.labels, BuildAnalysisPage(state, version).labels);
            EXPECT_EQ("", BuildAnalysisPage(state, version).values);
            state.found = true;
        }
    }
}

namespace {

UserInfo SampleUser() {
    UserInfo user;
    user.found = true;
    user.register_time = 2451545.0;  // 2000-01-01 12:00:00 UT
    user.nwus = 152;
    user.last_wu_time = 2451830.5 + 29702 / 86400.0;  // 2000-10-13 (day 287) + 08:15:02
    user.nresults = 3;
    user.last_result_time = 2451545.0 + 2.0;
    user.total_cpu = 172799.5;
    return user;
}

}  // namespace

TEST(UserPage, WholePage) {
    UserInfo user = SampleUser();
    const PageText page = BuildUserPage(user);
    EXPECT_EQ(
        "登録日：\nWU受信総数：\n結果送信総数：\nTotal CPU Time：\n\n結果送信数/日：\n"
        "CPU Time/WU：\nCPU Time/日：",
        page.labels);
    // Per result 172799.5 / 3 = 57599.833 s; per day 172799.5 / 2 = 86399.75 s.
    EXPECT_EQ(
        "2000/01/01 12:00:00 UT\n"
        "152 WUs (2000/10/13 08:15:02 UT 時点)\n"
        "3 WUs (2000/01/03 12:00:00 UT 時点)\n"
        "47 hr 59 min 59.500 sec (172799.500 sec)\n"
        "\n"
        "1.50 WUs\n"
        "15 hr 59 min 59.833 sec (0.66666 day)\n"
        "23 hr 59 min 59.750 sec (1.00000 day)\n",
        page.values);

    user.found = false;
    EXPECT_EQ(page.labels, BuildUserPage(user).labels);
    EXPECT_EQ("", BuildUserPage(user).values);
}

// A date past 2049 is refused without hiding the valid date of the line before; a last result
// never read (0) lies before the registration, so no average.
TEST(UserPage, RefusedDatesShowDashesAndAveragesNaN) {
    UserInfo user = SampleUser();
    user.last_result_time = 0.0;
    user.last_wu_time = 2469807.5;  // 2050-01-01 00:00 UT
    const std::vector<std::string> lines = Lines(BuildUserPage(user).values);
    EXPECT_EQ("2000/01/01 12:00:00 UT", lines[0]);
    EXPECT_EQ("152 WUs (----/--/-- --:--:-- UT 時点)", lines[1]);
    EXPECT_EQ("NaN", lines[5]);
    EXPECT_EQ("NaN", lines[7]);
}
