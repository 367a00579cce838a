// The texts a history column is sized from hold every cell's text: with digits taken as alike,
// each cell's text is one of them with characters left out.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "history/history_column_texts.h"
#include "history/log_calendar.h"

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string Shape(const CString& text) {
    std::string shape = text.str();
    for (char& c : shape) {
        c = c >= '0' && c <= '9' ? '0' : c;
    }
    return shape;
}

// Whether the cell's shape is the other's with characters left out.
bool Holds(const CString& text, const CString& cell) {
    const std::string outer = Shape(text);
    const std::string inner = Shape(cell);
    size_t at = 0;
    for (const char c : outer) {
        if (at < inner.size() && inner[at] == c) {
            ++at;
        }
    }
    return at == inner.size();
}

void ExpectEveryCellHeld(const std::vector<LogUnit>& units) {
    for (int column = 0; column < kHistoryColumnCount; ++column) {
        const auto which = static_cast<HistoryColumn>(column);
        const std::vector<CString> texts = TextsHoldingColumn(units, which);
        for (const LogUnit& unit : units) {
            const CString cell = HistoryTable::UnitText(unit, which);
            bool held = false;
            for (const CString& text : texts) {
                held = held || Holds(text, cell);
            }
            EXPECT_TRUE(held) << "column " << column << ": '" << cell.str() << "'";
        }
    }
}

LogUnit Unit(const char* name, double cpu, double score, double power) {
    LogUnit unit;
    unit.name = name;
    unit.logged = *ParseLogTime("2024/05/01 12:00:00");
    unit.recorded = unit.logged;
    unit.cpu = cpu;
    unit.bg_score = score;
    unit.bg_power = power;
    return unit;
}

TEST(HistoryColumnTexts, EveryCellOfEveryColumnIsHeld) {
    std::vector<LogUnit> units = {
        Unit("01ja03aa.1234.567.8.9", 35999.99, kNan, 12.25),  // 10.00 hr, rounded up
        Unit("01ja03aa.1234.567.8.99", 0.0, -0.0, 1e300),      // -0 is written "-0.000000"
        Unit("12de99zz.9.9.9.9", 3.6e9, -1e-9, 99.5),          // 1000000.00 hr; -0.000000
        Unit("観測所,\"x\"", kNan, -kNan, kInf),               // nan, -nan, inf
        Unit("", -7200.0, -kInf, -0.0),                        // the only negative power
        Unit("W", 1.0, 123456.5, 0.0),
    };
    // Times from before the year 1 to the year 9999, one recording date unknown.
    units[0].logged = *ParseLogTime("0001/01/01 00:00:00") - 86400LL * 366 * 300;
    units[1].logged = *ParseLogTime("9999/12/31 23:59:59");
    units[2].recorded = kNoTime;
    units[3].recorded = *ParseLogTime("0999/06/30 08:00:00");
    // Declinations about zero, where the sign moves onto the minutes and seconds, and beyond the
    // poles; right ascensions outside a day, and no numbers at all.
    const double decs[] = {-0.99999999, -1e-9, -0.5041, -1.0, -89.9999,
                           89.9999,     100.0, -400.0,  kNan, 0.0};
    const double ras[] = {-1.5, 23.99999, 48.25, kInf, 0.0, 12.0, 6.0, -kInf, kNan, 1e12};
    for (size_t i = 0; i < std::size(decs); ++i) {
        LogUnit unit = Unit("01ja03aa.1.1", 3600.0, 1.0, 1.0);
        unit.start_ra = ras[i];
        unit.start_dec = decs[i];
        units.push_back(unit);
    }
    ExpectEveryCellHeld(units);
}

TEST(HistoryColumnTexts, AColumnOfManyRowsHasAFewTexts) {
    // A farm's log: names of a few shapes, numbers of one sign.
    std::vector<LogUnit> units;
    for (int i = 0; i < 5000; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%02d%s%02d.%d.%d", i % 28 + 1, i % 2 ? "ja" : "fe",
                      i % 100, 1000 + i, i % 7);
        units.push_back(Unit(name, 3600.0 * (i % 13), i * 0.001, 1.0 + i));
        units.back().logged += i * 600;
    }
    ExpectEveryCellHeld(units);
    EXPECT_EQ(TextsHoldingColumn(units, HistoryColumn::kName).size(), 2u);  // "ja" and "fe"
    EXPECT_EQ(TextsHoldingColumn(units, HistoryColumn::kLogged).size(), 2u);
    EXPECT_EQ(TextsHoldingColumn(units, HistoryColumn::kCpu).size(), 1u);
    EXPECT_EQ(TextsHoldingColumn(units, HistoryColumn::kCpu)[0], "12.00 hr");
    EXPECT_TRUE(TextsHoldingColumn({}, HistoryColumn::kPosition).empty());
}

}  // namespace
