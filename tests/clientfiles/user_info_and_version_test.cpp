#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "support/temp_dir.h"

// The real files in both kinds, then texts read into the same object: the last of the name keys
// wins. Each row: name|register_time|last_wu_time|last_result_time|nwus|nresults|total_cpu.
TEST(UserInfoTest, RealFilesInBothKindsAndTheNameKeys) {
    TempDir dir;
    dir.CopyFromData("sah/user_info.sah", "user_info.sah");
    dir.CopyFromData("txt/user_info.txt", "user_info.txt");
    UserInfo user(dir.path().c_str());
    std::string shown;
    const auto read = [&](int kind) {
        user.Read(kind);
        char row[200];
        std::snprintf(row, sizeof row, "%s|%.15g|%.15g|%.15g|%d|%d|%.15g%s\n",
                      user.GetName().GetString(), user.register_time, user.last_wu_time,
                      user.last_result_time, user.nwus, user.nresults, user.total_cpu,
                      user.found ? "" : " missing");
        shown += row;
    };
    read(2);
    read(1);
    dir.Write("user_info.sah", "id=1\nname=Taro\n");
    read(2);
    dir.Write("user_info.sah", "name=Taro\nemail_addr=taro@example.jp\nnwus=many\n");
    read(2);
    EXPECT_EQ(
        "Hoshino Taro|2451200.5|2451830.84375|2451830.84|152|149|4762666.08\n"
        "Hoshino Taro|2451200.5|2451830.84375|2451830.84|152|149|4762666.08\n"
        "Taro|2451200.5|2451830.84375|2451830.84|152|149|4762666.08\n"
        "taro@example.jp|2451200.5|2451830.84375|2451830.84|0|149|4762666.08\n",
        shown);
}

// Each read keeps what its file lacks, and an empty file is found and changes nothing; Reset keeps
// the kind of the last read. Each row: found|kind|GetKind()|major|minor.
TEST(ClientVersionTest, KindAndVersionText) {
    TempDir dir;
    ClientVersion version(dir.path().c_str());
    std::string shown;
    const auto show = [&] {
        shown += std::to_string(version.found) + '|' + std::to_string(version.kind) + '|' +
                 std::to_string(version.GetKind()) + '|' + version.major_version.GetString() + '|' +
                 version.minor_version.GetString() + '\n';
    };
    version.Read(2);
    show();
    dir.CopyFromData("txt/version.txt", "version.txt");
    version.Read(1);
    show();
    dir.Write("version.sah", "major_version=3\n");
    version.Read(2);
    show();
    dir.Write("version.sah", "");
    version.Read(2);
    show();
    version.Reset(nullptr);
    show();
    EXPECT_EQ("0|2|-1||\n1|1|1|1|05\n1|2|2|3|05\n1|2|2|3|05\n0|2|-1||\n", shown);
    EXPECT_EQ(version.directory, ".");
}
