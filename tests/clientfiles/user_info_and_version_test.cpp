#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "support/temp_dir.h"

// Real files of both kinds, then texts read into the same object; the last name key wins.
TEST(UserInfoTest, RealFilesInBothKindsAndTheNameKeys) {
    TempDir dir;
    dir.CopyFromData("sah/user_info.sah", "user_info.sah");
    dir.CopyFromData("txt/user_info.txt", "user_info.txt");
    UserInfo user(dir.path().c_str());
    std::string shown;
    const auto read = [&](ClientFileSet files) {
        user.Read(files);
        char row[200];
        std::snprintf(row, sizeof row, "%s|%.15g|%.15g|%.15g|%d|%d|%.15g%s\n",
                      user.GetName().GetString(), user.register_time, user.last_wu_time,
                      user.last_result_time, user.nwus, user.nresults, user.total_cpu,
                      user.found ? "" : " missing");
        shown += row;
    };
    read(ClientFileSet::Sah);
    read(ClientFileSet::Txt);
    dir.Write("user_info.sah", "id=1\nname=Taro\n");
    read(ClientFileSet::Sah);
    dir.Write("user_info.sah", "name=Taro\nemail_addr=taro@example.jp\nnwus=many\n");
    read(ClientFileSet::Sah);
    EXPECT_EQ(
        "Hoshino Taro|2451200.5|2451830.84375|2451830.84|152|149|4762666.08\n"
        "Hoshino Taro|2451200.5|2451830.84375|2451830.84|152|149|4762666.08\n"
        "Taro|2451200.5|2451830.84375|2451830.84|152|149|4762666.08\n"
        "taro@example.jp|2451200.5|2451830.84375|2451830.84|0|149|4762666.08\n",
        shown);
}

// Rows found|kind|GetKind()|major|minor: reads keep what a file lacks, Reset keeps the kind.
TEST(ClientVersionTest, KindAndVersionText) {
    TempDir dir;
    ClientVersion version(dir.path().c_str());
    std::string shown;
    const auto show = [&] {
        const std::optional<ClientFileSet> kind = version.GetKind();
        shown += std::to_string(version.found) + '|' +
                 std::to_string(static_cast<int>(version.kind)) + '|' +
                 std::to_string(kind ? static_cast<int>(*kind) : -1) + '|' +
                 version.major_version.GetString() + '|' + version.minor_version.GetString() + '\n';
    };
    version.Read(ClientFileSet::Sah);
    show();
    dir.CopyFromData("txt/version.txt", "version.txt");
    version.Read(ClientFileSet::Txt);
    show();
    dir.Write("version.sah", "major_version=3\n");
    version.Read(ClientFileSet::Sah);
    show();
    version.Reset(nullptr);
    show();
    EXPECT_EQ("0|2|-1||\n1|1|1|1|05\n1|2|2|3|05\n0|2|-1||\n", shown);
    // The header's version of a first file without major_version ("1.x" without a file and
    // "3.x": the client monitor's tests).
    TempDir other;
    other.Write("version.sah", "minor_version=2\n");
    ClientVersion fresh(other.path().c_str());
    fresh.Read(ClientFileSet::Sah);
    EXPECT_EQ("?", ClientVersionText(fresh));
}
