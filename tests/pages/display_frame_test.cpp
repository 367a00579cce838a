#include "pages/display_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <utility>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "clientfiles/work_unit_info.h"
#include "pages/duration.h"
#include "pages/page_format.h"
#include "pages/page_test_support.h"

using namespace page_test;

TEST(DisplayFrame, LastUpdateLineShowsLocalTimeAndTimeSinceTheWorkUnitArrived) {
    TokyoTime tokyo;
    const CTime update(Jst(2000, 10, 14, 21, 5, 0));
    const CString updateText("2000/10/14 21:05:00");  // the local time kLocalSecondsPattern writes
    WorkUnitInfo wu;
    wu.found = true;
    const std::pair<std::int64_t, const char*> cases[] = {
        {18900, " (5.250 hr 経過)"},
        {86400, " (24.000 hr 経過)"},
        {86401, " (1.000 day 経過)"},
        {-36, " (-0.010 hr 経過)"},  // written after the load
    };
    for (const auto& [age, suffix] : cases) {
        wu.file_time = update.GetTime() - age;
        EXPECT_EQ(CString("最終更新時刻： 2000/10/14 21:05:00") + suffix,
                  BuildLastUpdateLine(update, updateText, wu));
    }
    wu.file_time = 0;
    EXPECT_EQ("最終更新時刻： 2000/10/14 21:05:00", BuildLastUpdateLine(update, updateText, wu));
    wu.file_time = update.GetTime() - 18900;
    wu.found = false;
    EXPECT_EQ("最終更新時刻： 2000/10/14 21:05:00", BuildLastUpdateLine(update, updateText, wu));
}

TEST(UserTabCaption, NamesOverTwentyFiveCodePage932BytesAreCutBetweenCharacters) {
    EXPECT_EQ("ユーザ情報", BuildUserTabCaption(UserInfo()));
    const std::pair<const char*, const char*> cases[] = {
        // Exactly 25 bytes.
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRSTUVWXY"},
        // Up to the last blank among the first 26 bytes, blanks before it dropped.
        {"Alexander Maximilian Schmidt-Wolff", "Alexander Maximilian"},
        // No blank there: 22 bytes and "...".
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUV..."},
        // The two-byte characters take bytes 2-3, 4-5 ...: the 11th would end at byte 23 and
        // the 13th at byte 27, so both cuts fall one character earlier.
        {"Aあああああああああああああああ", "Aああああああああああ..."},
    };
    for (const auto& [name, shown] : cases) {
        UserInfo user;
        user.found = true;
        user.name = name;
        EXPECT_EQ(CString("ユーザ情報 (") + shown + ")", BuildUserTabCaption(user)) << name;
    }
}

TEST(DisplayFrame, HeaderAndTitle) {
    WorkUnitInfo wu;
    AnalysisState state;
    EXPECT_EQ("Vantrel", BuildTitle(wu, state));
    wu.found = true;
    wu.directory = "/home/taro/seti";
    EXPECT_EQ("/home/taro/seti - Vantrel", BuildTitle(wu, state));
    EXPECT_EQ("Client Ver. 3.x :  ", BuildHeader("3.x", state));
    state.found = true;
    state.prog = 0.45123;
    state.cpu = 18723.25;
    EXPECT_EQ("/home/taro/seti (45.123%) - Vantrel", BuildTitle(wu, state));
    EXPECT_EQ("Progress = 45.123 % , CPU Time = 18723.250 sec", BuildHeader("", state));
}

// A duration reads as printf writes "%d hr %02d min %02.3lf sec" of its split, whatever the
// seconds: minutes under ten padded (ten and over not), negative parts, NaN and counts beyond
// 32 bits.
TEST(PageFormat, DurationsReadAsPrintfWritesThem) {
    for (const double seconds :
         {0.0, 3.25, 599.9996, 600.0, 659.5, 3600.0, 18723.25, 86399.5, -65.5, -600.0, -3723.0,
          1e12, -1e12, std::nan(""), -std::nan(""), HUGE_VAL}) {
        const DurationFields d = SplitDuration(seconds);
        char expected[128];
        std::snprintf(expected, sizeof expected, "%d hr %02d min %02.3lf sec", d.hours, d.minutes,
                      d.seconds);
        CString text = "x";
        AppendDuration(text, seconds);
        EXPECT_EQ(text, CString("x") + expected) << seconds;
    }
}
