#include "pages/display_frame.h"

#include <gtest/gtest.h>

#include <utility>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "clientfiles/work_unit_info.h"
#include "pages/page_test_support.h"

using namespace page_test;

TEST(DisplayFrame, LastUpdateLineShowsLocalTimeAndTimeSinceTheWorkUnitArrived) {
    TokyoTime tokyo;
    const CTime update(Jst(2000, 10, 14, 21, 5, 0));
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
                  BuildLastUpdateLine(update, wu));
    }
    wu.file_time = 0;
    EXPECT_EQ("最終更新時刻： 2000/10/14 21:05:00", BuildLastUpdateLine(update, wu));
    wu.file_time = update.GetTime() - 18900;
    wu.found = false;
    EXPECT_EQ("最終更新時刻： 2000/10/14 21:05:00", BuildLastUpdateLine(update, wu));
}

TEST(DisplayFrame, HeaderTitleMessageAndVersionFollowWhatWasRead) {
    AnalysisState state;
    state.found = true;
    state.prog = 0.45123;
    state.cpu = 18723.25;
    AnalysisState missing = state;
    missing.found = false;
    WorkUnitInfo wu;
    wu.found = true;
    wu.directory = "D:\\client";

    EXPECT_EQ("Client Ver. 3.x :  Progress = 45.123 % , CPU Time = 18723.250 sec",
              BuildHeader("3.x", state));
    EXPECT_EQ("Progress = 45.123 % , CPU Time = 18723.250 sec", BuildHeader("", state));
    EXPECT_EQ("Client Ver. 1.x :  ", BuildHeader("1.x", missing));
    EXPECT_EQ("D:\\client (45.123%) - Vantrel", BuildTitle(wu, state));
    EXPECT_EQ("D:\\client - Vantrel", BuildTitle(wu, missing));
    EXPECT_EQ("", BuildFrameMessage(wu, state));
    EXPECT_EQ("解析情報を取得できませんでした", BuildFrameMessage(wu, missing));
    wu.found = false;
    EXPECT_EQ("Vantrel", BuildTitle(wu, state));
    EXPECT_EQ("ワークユニット情報を取得できませんでした", BuildFrameMessage(wu, state));

    ClientVersion version;
    version.found = true;
    version.kind = 2;
    version.major_version = "3";
    EXPECT_EQ("3.x", ClientVersionText(version));
    version.major_version = "";
    EXPECT_EQ("?", ClientVersionText(version));
    version.found = false;
    version.kind = 1;
    EXPECT_EQ("1.x", ClientVersionText(version));
}

TEST(UserTabCaption, NamesOverTwentyFiveCodePage932BytesAreCutBetweenCharacters) {
    EXPECT_EQ("ユーザ情報", BuildUserTabCaption(UserInfo()));
    const std::pair<const char*, const char*> cases[] = {
        {" \tTaro Yamada  ", "Taro Yamada"},
        // 25 bytes each; the second is 37 bytes of UTF-8.
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", "ABCDEFGHIJKLMNOPQRSTUVWXY"},
        {"ああああああああああああA", "ああああああああああああA"},
        // Up to the last blank among the first 26 bytes, blanks before it dropped.
        {"Alexander Maximilian Schmidt-Wolff", "Alexander Maximilian"},
        {"Alexander Maximilian  Schmidt", "Alexander Maximilian"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY Z", "ABCDEFGHIJKLMNOPQRSTUVWXY"},
        {"山田太郎 ＳＥＴＩ観測チーム代表です", "山田太郎"},
        // No blank there: 22 bytes and "...".
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUV..."},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ Q", "ABCDEFGHIJKLMNOPQRSTUV..."},
        // The two-byte characters take bytes 2-3, 4-5 ...: the 11th would end at byte 23 and
        // the 13th at byte 27, so both cuts fall one character earlier.
        {"Aあああああああああああああああ", "Aああああああああああ..."},
        {"山田太郎　ＳＥＴＩ観測チーム代表です", "山田太郎　ＳＥＴＩ観測..."},  // not a blank
    };
    for (const auto& [name, shown] : cases) {
        UserInfo user;
        user.found = true;
        user.name = name;
        EXPECT_EQ(CString("ユーザ情報 (") + shown + ")", BuildUserTabCaption(user)) << name;
    }
}
