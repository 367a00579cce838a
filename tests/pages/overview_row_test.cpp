// A row of the clients overview from a client's load, and the order of rows by a column.
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/work_unit_info.h"
#include "export/export_test_support.h"
#include "pages/overview_row.h"

namespace {

struct Load {
    WorkUnitInfo wu;
    AnalysisState state;
    ClientVersion version;
    ProgressInputs Inputs(std::int64_t now, std::int64_t base, double cpuBase, bool set) const {
        return ProgressInputs{wu, state, version, CTime(now), CTime(base), cpuBase, set};
    }
};

ClientCondition Condition(ClientStatus status, ReadProblem problem = {},
                          std::optional<CTime> lastGoodRead = std::nullopt) {
    ClientCondition condition;
    condition.status = status;
    condition.problem = std::move(problem);
    condition.lastGoodRead = lastGoodRead;
    return condition;
}

const ClientCondition kRunning = Condition(ClientStatus::Running);

Load Running(double prog, double cpu) {
    Load load;
    load.wu.found = true;
    load.wu.name = "unit";
    load.state.found = true;
    load.state.prog = prog;
    load.state.cpu = cpu;
    return load;
}

TEST(OverviewRow, TextsAreTheProgressPagesValuesInOneLine) {
    const export_test::ScopedTimeZone utc("UTC0");
    // 2 h of CPU at a quarter: 8 h in all, 6 h to go from 2001-09-09 01:46:40; 1200 CPU s in the
    // last 1800 s.
    const Load load = Running(0.25, 7200.0);
    const ProgressInputs in = load.Inputs(1000000000, 1000000000 - 1800, 6000.0, true);
    const OverviewRow row = BuildOverviewRow("/srv/a", in, kRunning);
    EXPECT_EQ(row.texts,
              (std::vector<CString>{"/srv/a", "実行中", "unit", "25.000 %", "2 hr 00 min 0.000 sec",
                                    "2001/09/09 07:46", "66.7 %"}));
    EXPECT_EQ(row.progressPercent, 25);
    EXPECT_EQ(row.predictedEnd, 1000000000 + 6 * 3600);

    // No progress yet and no baseline: no utilisation or end to show ("--") or sort by.
    const Load start = Running(0.0, 0.0);
    const ProgressInputs fresh = start.Inputs(1000000000, 0, 0.0, false);
    EXPECT_FALSE(BuildOverviewRow("/srv/b", fresh, kRunning).predictedEnd);
    EXPECT_EQ(BuildOverviewRow("/srv/b", fresh, kRunning).texts[kUtilisationColumn], "--");

    // A hostile state file: the bar stays inside 0..100 and NaN shows no bar above 0.
    for (const double prog : {-3.0, 7.5, std::numeric_limits<double>::quiet_NaN()}) {
        const Load odd = Running(prog, 10.0);
        const ProgressInputs inputs = odd.Inputs(1000000000, 0, 0.0, false);
        const OverviewRow shown = BuildOverviewRow("/x", inputs, kRunning);
        EXPECT_TRUE(shown.progressPercent >= 0 && shown.progressPercent <= 100) << prog;
        EXPECT_EQ(shown.progress.has_value(), !std::isnan(prog)) << "NaN has no place in an order";
    }
}

// A client the last refresh could not read shows why and since when, and none of its old
// values: they would pass for the client's state now.
TEST(OverviewRow, AClientNotReadShowsWhyAndSinceWhenButNoOldValues) {
    const export_test::ScopedTimeZone utc("UTC0");
    const Load load = Running(0.25, 7200.0);
    const ProgressInputs old = load.Inputs(1000000000, 1000000000 - 1800, 6000.0, true);
    const CTime lastRead(1000000000);  // 2001-09-09 01:46:40 UT
    const struct {
        ClientCondition condition;
        std::string status;
    } kCases[] = {
        {Condition(ClientStatus::Loading), "読み込み中..."},
        {Condition(ClientStatus::NotResponding, {}, lastRead),
         "応答なし、最終読み込み 2001/09/09 01:46"},
        {Condition(ClientStatus::FolderMissing, {ReadFault::FolderMissing, "", 0}, lastRead),
         "フォルダがありません、最終読み込み 2001/09/09 01:46"},
        {Condition(ClientStatus::Unreadable, {ReadFault::NoPermission, "", 0}, lastRead),
         "読み取れません (フォルダに入る権限がありません)、最終読み込み 2001/09/09 01:46"},
        {Condition(ClientStatus::Unreadable, {ReadFault::NoFile, "state.txt", 0}),
         "読み取れません (state.txt がありません)"},
        {Condition(ClientStatus::Unreadable, {ReadFault::NotWhole, "result.sah", 0}),
         "読み取れません (result.sah: 内容が不完全です)"},
        {Condition(ClientStatus::Unreadable, {ReadFault::SystemError, "work_unit.sah", EIO}),
         std::string("読み取れません (work_unit.sah: ") + std::strerror(EIO) + ")"},
    };
    for (const auto& [condition, status] : kCases) {
        const OverviewRow row = BuildOverviewRow("/srv/a", old, condition);
        EXPECT_EQ(row.texts, (std::vector<CString>{"/srv/a", status.c_str(), "", "", "", "", ""}));
        EXPECT_EQ(row.progressPercent, -1) << status;
        EXPECT_FALSE(row.progress || row.cpu || row.predictedEnd || row.utilisation) << status;
        EXPECT_EQ(row.status, condition.status);
    }
    // A finished unit is live: its values stand.
    EXPECT_EQ(BuildOverviewRow("/srv/a", old, Condition(ClientStatus::Finished)).texts[3],
              "25.000 %");
}

TEST(OverviewRow, RowsWithoutAValueComeLastWhicheverTheOrder) {
    OverviewRow low, high, none;
    low.texts = high.texts = none.texts = std::vector<CString>(kOverviewColumnCount);
    low.progress = 0.1;
    high.progress = 0.9;
    for (const bool ascending : {true, false}) {
        EXPECT_EQ(OverviewRowLess(low, high, kProgressColumn, ascending), ascending);
        EXPECT_TRUE(OverviewRowLess(high, none, kProgressColumn, ascending));
        EXPECT_FALSE(OverviewRowLess(none, low, kProgressColumn, ascending));
    }
    low.status = ClientStatus::NoClientFiles;
    high.status = ClientStatus::Running;
    EXPECT_TRUE(OverviewRowLess(high, low, kStatusColumn, true));
    low.folder = low.texts[kWorkUnitColumn] = "/a";
    high.folder = high.texts[kWorkUnitColumn] = "/b";
    EXPECT_TRUE(OverviewRowLess(low, high, kFolderColumn, true));
    EXPECT_TRUE(OverviewRowLess(high, low, kFolderColumn, false));
    EXPECT_FALSE(OverviewRowLess(low, low, kFolderColumn, false));
    // A client without a work unit has no name to sort by.
    for (const bool ascending : {true, false}) {
        EXPECT_TRUE(OverviewRowLess(low, none, kWorkUnitColumn, ascending));
        EXPECT_FALSE(OverviewRowLess(none, high, kWorkUnitColumn, ascending));
    }
}

// A long folder keeps its first 20 characters and its last 39 around "…", counted in characters,
// not bytes; its row still sorts by the whole folder.
TEST(OverviewRow, ALongFolderIsShortenedInTheMiddle) {
    const std::string sixty(60, 'a');
    EXPECT_EQ(FolderText(sixty.c_str()), sixty.c_str());
    const std::string digits = "0123456789";
    std::string long61;
    for (int i = 0; i < 6; ++i) {
        long61 += digits;
    }
    long61 += "X";
    EXPECT_EQ(FolderText(long61.c_str()),
              "01234567890123456789…23456789012345678901234567890123456789X");
    std::string kanji;
    for (int i = 0; i < 61; ++i) {
        kanji += i < 20 ? "前" : (i < 22 ? "中" : "後");
    }
    std::string expected;
    for (int i = 0; i < 20; ++i) {
        expected += "前";
    }
    expected += "…";
    for (int i = 0; i < 39; ++i) {
        expected += "後";
    }
    EXPECT_EQ(FolderText(kanji.c_str()), expected.c_str());
    const std::string huge = "/" + std::string(1 << 20, 'x') + "/client";
    EXPECT_EQ(FolderText(huge.c_str()).GetLength(), 20 + 3 + 39);

    // Shortened, a's folder sorts first ("...client0"); whole, b's does ("/" before "x").
    const Load load = Running(0.0, 0.0);
    const ProgressInputs in = load.Inputs(1000000000, 0, 0.0, false);
    const OverviewRow a = BuildOverviewRow((huge + "0").c_str(), in, kRunning);
    const OverviewRow b =
        BuildOverviewRow((huge.substr(0, 100) + huge + "1").c_str(), in, kRunning);
    EXPECT_EQ(a.folder, (huge + "0").c_str());
    EXPECT_TRUE(OverviewRowLess(b, a, kFolderColumn, true)) << "by the whole folders";
}

}  // namespace
