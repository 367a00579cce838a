// A row of the clients overview from a client's load, and the order of rows by a column.
#include <gtest/gtest.h>

#include <cmath>
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
    const OverviewRow row = BuildOverviewRow("/srv/a", &in, ClientStatus::Running);
    EXPECT_EQ(row.texts,
              (std::vector<CString>{"/srv/a", "実行中", "unit", "25.000 %", "2 hr 00 min 0.000 sec",
                                    "2001/09/09 07:46", "66.7 %"}));
    EXPECT_EQ(row.progressPercent, 25);
    EXPECT_EQ(row.predictedEnd, 1000000000 + 6 * 3600);

    // No progress yet and no baseline: the page's NaN (its tests), no end to sort by.
    const Load start = Running(0.0, 0.0);
    const ProgressInputs fresh = start.Inputs(1000000000, 0, 0.0, false);
    EXPECT_FALSE(BuildOverviewRow("/srv/b", &fresh, ClientStatus::Running).predictedEnd);

    // A hostile state file: the bar stays inside 0..100 and NaN shows no bar above 0.
    for (const double prog : {-3.0, 7.5, std::numeric_limits<double>::quiet_NaN()}) {
        const Load odd = Running(prog, 10.0);
        const ProgressInputs inputs = odd.Inputs(1000000000, 0, 0.0, false);
        const OverviewRow shown = BuildOverviewRow("/x", &inputs, ClientStatus::Running);
        EXPECT_TRUE(shown.progressPercent >= 0 && shown.progressPercent <= 100) << prog;
        EXPECT_EQ(shown.progress.has_value(), !std::isnan(prog)) << "NaN has no place in an order";
    }
    // Before the first load only the folder and the status.
    const OverviewRow none = BuildOverviewRow("/srv/c", nullptr, ClientStatus::Loading);
    EXPECT_EQ(none.texts, (std::vector<CString>{"/srv/c", "読み込み中...", "", "", "", "", ""}));
    EXPECT_EQ(none.progressPercent, -1);
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
    low.texts[kFolderColumn] = low.texts[kWorkUnitColumn] = "/a";
    high.texts[kFolderColumn] = high.texts[kWorkUnitColumn] = "/b";
    EXPECT_TRUE(OverviewRowLess(low, high, kFolderColumn, true));
    EXPECT_TRUE(OverviewRowLess(high, low, kFolderColumn, false));
    EXPECT_FALSE(OverviewRowLess(low, low, kFolderColumn, false));
    // A client without a work unit has no name to sort by.
    for (const bool ascending : {true, false}) {
        EXPECT_TRUE(OverviewRowLess(low, none, kWorkUnitColumn, ascending));
        EXPECT_FALSE(OverviewRowLess(none, high, kWorkUnitColumn, ascending));
    }
}

}  // namespace
