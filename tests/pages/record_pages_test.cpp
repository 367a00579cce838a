// The work unit, observation and analysis pages.
#include <gtest/gtest.h>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/work_unit_info.h"
#include "pages/analysis_page.h"
#include "pages/observation_page.h"
#include "pages/page_test_support.h"
#include "pages/work_unit_page.h"

using namespace page_test;

TEST(WorkUnitPage, ShowsKindNameLocalReceiptTimeAndHexVersions) {
    TokyoTime tokyo;
    WorkUnitInfo wu;
    wu.type = "data";
    wu.name = "01mr03aa.1234.5678.9.10";
    wu.file_time = Jst(2000, 10, 14, 15, 50, 0);
    wu.version = 300;
    wu.splitter_version = 0x123;
    EXPECT_EQ("データ種別：\n\nWU名：\n受信時刻：\nSETI Ver.：\nSplitter Ver.：",
              BuildWorkUnitPage(wu).labels);
    EXPECT_EQ("data\n\n01mr03aa.1234.5678.9.10\n2000/10/14 15:50:00\n012C\n0123\n",
              BuildWorkUnitPage(wu).values);
    wu.file_time = 0;
    wu.version = 10;
    EXPECT_EQ("data\n\n01mr03aa.1234.5678.9.10\n\n000A\n0123\n", BuildWorkUnitPage(wu).values);
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

    wu.end_dec = 5.25;
    EXPECT_EQ("12 hr 30 min 00 sec R.A., +5 deg 15 min 00 sec Dec.",
              Lines(BuildObservationPage(wu).values)[2]);
    // A date never read, and 2050-01-01 00:00 UT, past the last accepted year.
    wu.time_recorded = 0.0;
    wu.subband_sample_rate = 0.0;
    std::vector<std::string> lines = Lines(BuildObservationPage(wu).values);
    EXPECT_EQ("----/--/-- --:--:-- UT (0.00000 JD)", lines[0]);
    EXPECT_EQ("0.00 Hz", lines[7]);
    EXPECT_EQ("NaN", lines[9]);
    wu.time_recorded = 2469807.5;
    EXPECT_EQ("----/--/-- --:--:-- UT (2469807.50000 JD)",
              Lines(BuildObservationPage(wu).values)[0]);
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
    ClientVersion newer;
    newer.found = true;
    newer.kind = 2;
    ClientVersion txt = newer;
    txt.kind = 1;
    ClientVersion none = newer;
    none.found = false;

    EXPECT_TRUE(IsNewerFileSet(newer));
    PageText page = BuildAnalysisPage(state, newer);
    EXPECT_EQ("Spike：\nGaussians：\n", page.labels);
    EXPECT_EQ(
        "Score=1.234567 , Power=23.456789\n"
        "Score=0.512345 , Power=3.141593 , Fit=1.414214 ,\n"
        "True Mean=1.000000 , Sigma=4.000000 , t0=27",
        page.values);
    for (const ClientVersion* older : {&txt, &none}) {
        EXPECT_FALSE(IsNewerFileSet(*older));
        page = BuildAnalysisPage(state, *older);
        EXPECT_EQ("Spike：\nGaussians：", page.labels);
        EXPECT_EQ(
            "Score=1.234567 , Power=23.456789\nScore=0.512345 , Power=3.141593 , Fit=1.414214",
            page.values);
    }
    state.found = false;
    EXPECT_EQ("Spike：\nGaussians：\n", BuildAnalysisPage(state, newer).labels);
    EXPECT_EQ("", BuildAnalysisPage(state, newer).values);
}
