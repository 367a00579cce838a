#include "pages/user_page.h"

#include <gtest/gtest.h>

#include <utility>

#include "clientfiles/user_info.h"
#include "pages/page_test_support.h"

using namespace page_test;

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

    const std::pair<double, const char*> totals[] = {
        {0.0, "0 hr 00 min 0.000 sec (0.000 sec)"},
        {172800.0, "2.00000 day (172800.000 sec)"},
        {4762666.08, "55.12345 day (4762666.080 sec)"},
        {31557600.0, "1.00000 Yr (31557600.000 sec)"},
    };
    for (const auto& [seconds, shown] : totals) {
        user.total_cpu = seconds;
        EXPECT_EQ(shown, Lines(BuildUserPage(user).values)[3]);
    }
    user.found = false;
    EXPECT_EQ(page.labels, BuildUserPage(user).labels);
    EXPECT_EQ("", BuildUserPage(user).values);
}

TEST(UserPage, AbsentDatesShowDashesAndAveragesNaN) {
    UserInfo user;
    user.found = true;
    EXPECT_EQ(
        "----/--/-- --:--:-- UT\n"
        "0 WUs (----/--/-- --:--:-- UT 時点)\n"
        "0 WUs (----/--/-- --:--:-- UT 時点)\n"
        "0 hr 00 min 0.000 sec (0.000 sec)\n\nNaN\nNaN\nNaN\n",
        BuildUserPage(user).values);

    // A last result never read (0) lies before the registration; a date past 2049 is refused
    // without hiding the valid date of the line before.
    user = SampleUser();
    user.last_result_time = 0.0;
    user.last_wu_time = 2469807.5;  // 2050-01-01 00:00 UT
    const std::vector<std::string> lines = Lines(BuildUserPage(user).values);
    EXPECT_EQ("2000/01/01 12:00:00 UT", lines[0]);
    EXPECT_EQ("152 WUs (----/--/-- --:--:-- UT 時点)", lines[1]);
    EXPECT_EQ("NaN", lines[5]);
    EXPECT_EQ("15 hr 59 min 59.833 sec (0.66666 day)", lines[6]);
    EXPECT_EQ("NaN", lines[7]);
}
