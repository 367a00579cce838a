// The demo's CSV log, which `make run` opens in the history: every line reads, both layouts are
// in it, and the units lie where the telescope could look.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "history/csv_log.h"
#include "history/sky_projection.h"

TEST(DemoLog, EveryLineReadsAndEveryUnitLiesInTheTelescopesBand) {
    const std::string path = std::string(VANTREL_DEMO_DIR) + "/history.csv";
    CsvLog log(path.c_str());
    ASSERT_EQ(log.Read(), CsvLog::ReadResult::kReloaded);
    EXPECT_GE(log.Units().size(), 2000u);
    EXPECT_EQ(log.UnreadableLines(), 0);
    EXPECT_FALSE(log.HasPartialLine());
    EXPECT_GT(log.RepeatedLines(), 0);  // exported by hand once in a while
    for (const LogUnit& unit : log.Units()) {
        EXPECT_GE(unit.start_dec, kObservableDecMin);
        EXPECT_LE(unit.start_dec, kObservableDecMax);
        EXPECT_GT(unit.cpu, 3600.0);
    }
    // 23 columns first, 28 later: 22 and 27 commas.
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);  // the title
    bool basic = false;
    bool newer = false;
    while (std::getline(in, line)) {
        const auto commas = std::count(line.begin(), line.end(), ',');
        basic |= commas == 22;
        newer |= commas == 27;
    }
    EXPECT_TRUE(basic);
    EXPECT_TRUE(newer);
}
