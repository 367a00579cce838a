// The table's rows and cells: newest first, sorting by any column, texts as the other windows
// write them.
#include <gtest/gtest.h>

#include <limits>

#include "history/history_table.h"
#include "history/log_calendar.h"

namespace {

LogUnit Unit(const char* name, const char* logged, double cpu, int line) {
    LogUnit unit;
    unit.name = name;
    unit.logged = *ParseLogTime(logged);
    unit.cpu = cpu;
    unit.line = line;
    return unit;
}

std::vector<CString> Names(const HistoryTable& table) {
    std::vector<CString> names;
    for (int row = 0; row < table.RowCount(); ++row) {
        names.push_back(table.CellText(row, HistoryColumn::kName));
    }
    return names;
}

TEST(HistoryTable, NewestFirstThenAnyColumnBothWays) {
    const std::vector<LogUnit> units = {
        Unit("b", "2024/01/01 00:00:00", 100, 1), Unit("a", "2024/01/03 00:00:00", 300, 2),
        Unit("c", "2024/01/02 00:00:00", 200, 3), Unit("d", "2024/01/03 00:00:00", 200, 4)};
    HistoryTable table;
    table.SetUnits(units);
    // Logged at the same second: the later line first.
    EXPECT_EQ(Names(table), (std::vector<CString>{"d", "a", "c", "b"}));
    EXPECT_EQ(table.SortColumn(), HistoryColumn::kLogged);
    EXPECT_TRUE(table.Descending());
    table.SortBy(HistoryColumn::kName);
    EXPECT_EQ(Names(table), (std::vector<CString>{"a", "b", "c", "d"}));
    table.SortBy(HistoryColumn::kName);
    EXPECT_EQ(Names(table), (std::vector<CString>{"d", "c", "b", "a"}));
    table.SortBy(HistoryColumn::kCpu);  // largest first; ties newest first
    EXPECT_EQ(Names(table), (std::vector<CString>{"a", "d", "c", "b"}));
    EXPECT_EQ(table.UnitOf(0), 1u);
    EXPECT_EQ(table.RowOf(0), 3);
    table.SortBy(HistoryColumn::kCpu);
    EXPECT_EQ(Names(table), (std::vector<CString>{"b", "d", "c", "a"}));
}

TEST(HistoryTable, LogsJoinedTogetherOrShuffledComeOutNewestFirst) {
    // Five logs of 300 units one after the other, the third written newest last; unit k of log
    // c logged at minute 5 k + c, so that the newest first is minute 1499 down to 0. Then the
    // same units in an order of no stretches at all.
    std::vector<LogUnit> units;
    for (int c = 0; c < 5; ++c) {
        for (int i = 0; i < 300; ++i) {
            const int k = c == 2 ? 299 - i : i;
            const int minute = 5 * k + c;
            units.push_back(
                Unit("u", "1970/01/01 00:00:00", minute, 1 + static_cast<int>(units.size())));
            units.back().logged = 60 * minute;
        }
    }
    for (const bool shuffled : {false, true}) {
        SCOPED_TRACE(shuffled);
        if (shuffled) {
            for (size_t i = 0; i < units.size(); ++i) {
                std::swap(units[i], units[i * 7919 % units.size()]);
            }
        }
        HistoryTable table;
        table.SetUnits(units);
        ASSERT_EQ(table.RowCount(), 1500);
        for (int row = 0; row < 1500; ++row) {
            ASSERT_EQ(units[table.UnitOf(row)].logged, 60 * (1499 - row));
        }
    }
}

TEST(HistoryTable, NumbersOrderAsNumbersWithNaNBelowThemAll) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<const char*, double> values[] = {
        {"nan", nan},       {"-inf", -inf}, {"-2", -2.0},         {"0", 0.0}, {"-0", -0.0},
        {"1e-300", 1e-300}, {"inf", inf},   {"-1e-300", -1e-300}, {"3", 3.0}};
    std::vector<LogUnit> units;
    for (const auto& [name, cpu] : values) {
        units.push_back(Unit(name, "2024/01/01 00:00:00", cpu, static_cast<int>(units.size()) + 1));
    }
    HistoryTable table;
    table.SetUnits(units);
    table.SortBy(HistoryColumn::kCpu);
    // -0 and 0 are one number: the later line first either way.
    EXPECT_EQ(Names(table), (std::vector<CString>{"inf", "3", "1e-300", "-0", "0", "-1e-300", "-2",
                                                  "-inf", "nan"}));
    table.SortBy(HistoryColumn::kCpu);
    EXPECT_EQ(Names(table), (std::vector<CString>{"nan", "-inf", "-2", "-1e-300", "-0", "0",
                                                  "1e-300", "3", "inf"}));
}

TEST(HistoryTable, CellsAreWrittenAsTheObservationPageAndTheLogWriteThem) {
    LogUnit unit = Unit("02ap02aa.1", "2024/03/04 05:06:07", 9000, 1);
    unit.recorded = 1017758151;
    unit.start_ra = 12.5;
    unit.start_dec = 5.25;
    unit.bg_score = 3.25;
    unit.bg_power = 0.1234567;
    LogUnit unknown = unit;
    unknown.recorded = kNoTime;
    unknown.logged -= 1;
    HistoryTable table;
    const std::vector<LogUnit> units = {unit, unknown};
    table.SetUnits(units);
    EXPECT_EQ(table.CellText(0, HistoryColumn::kLogged), "2024/03/04 05:06:07");
    EXPECT_EQ(table.CellText(0, HistoryColumn::kRecorded), "2002/04/02 14:35:51");
    EXPECT_EQ(table.CellText(0, HistoryColumn::kPosition),
              "12 hr 30 min 00 sec R.A., +5 deg 15 min 00 sec Dec.");
    EXPECT_EQ(table.CellText(0, HistoryColumn::kCpu), "2.50 hr");
    EXPECT_EQ(table.CellText(0, HistoryColumn::kScore), "3.250000");
    EXPECT_EQ(table.CellText(0, HistoryColumn::kPower), "0.123457");
    EXPECT_EQ(table.CellText(1, HistoryColumn::kRecorded), "----/--/-- --:--:--");
}

}  // namespace
