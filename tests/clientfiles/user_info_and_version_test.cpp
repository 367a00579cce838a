#include <gtest/gtest.h>

#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "support/temp_dir.h"

TEST(UserInfoTest, ReadsARealFileInBothKinds) {
    for (const auto& [data, name, kind] : {std::tuple{"sah/user_info.sah", "user_info.sah", 2},
                                           std::tuple{"txt/user_info.txt", "user_info.txt", 1}}) {
        SCOPED_TRACE(name);
        TempDir dir;
        dir.CopyFromData(data, name);
        UserInfo user(dir.path().c_str());
        user.Read(kind);
        ASSERT_TRUE(user.found);
        EXPECT_EQ(user.name, "Hoshino Taro");
        EXPECT_DOUBLE_EQ(user.register_time, 2451200.5);
        EXPECT_DOUBLE_EQ(user.last_wu_time, 2451830.84375);
        EXPECT_DOUBLE_EQ(user.last_result_time, 2451830.84);
        EXPECT_EQ(user.nwus, 152);
        EXPECT_EQ(user.nresults, 149);
        EXPECT_DOUBLE_EQ(user.total_cpu, 4762666.08);
    }
}

TEST(UserInfoTest, TheLastOfTheNameKeysWins) {
    TempDir dir;
    dir.Write("user_info.sah", "id=1\nname=Taro\n");
    UserInfo user(dir.path().c_str());
    user.Read(2);
    EXPECT_EQ(user.GetName(), "Taro");
    dir.Write("user_info.sah", "name=Taro\nemail_addr=taro@example.jp\nnwus=many\n");
    user.Read(2);
    EXPECT_EQ(user.GetName(), "taro@example.jp");
    EXPECT_EQ(user.nwus, 0);
}

TEST(ClientVersionTest, KindAndVersionText) {
    TempDir dir;
    ClientVersion version(dir.path().c_str());
    version.Read(2);
    EXPECT_FALSE(version.found);
    EXPECT_EQ(version.kind, 2);
    EXPECT_EQ(version.GetKind(), -1);

    dir.CopyFromData("txt/version.txt", "version.txt");
    version.Read(1);
    ASSERT_TRUE(version.found);
    EXPECT_EQ(version.GetKind(), 1);
    EXPECT_EQ(version.major_version, "1");
    EXPECT_EQ(version.minor_version, "05");

    dir.Write("version.sah", "major_version=3\n");
    version.Read(2);
    EXPECT_EQ(version.GetKind(), 2);
    EXPECT_EQ(version.major_version, "3");
    EXPECT_EQ(version.minor_version, "05");

    // An empty file is found and changes nothing; Reset keeps the kind of the last read.
    dir.Write("version.sah", "");
    version.Read(2);
    EXPECT_TRUE(version.found);
    EXPECT_EQ(version.major_version, "3");
    version.Reset(nullptr);
    EXPECT_EQ(version.major_version, "");
    EXPECT_EQ(version.directory, ".");
    EXPECT_EQ(version.kind, 2);
}
