#include "astro/analysis_items.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace {

// The published table: runs of equal angle-range rows (first row, last row) and their items,
// columns from FFT length 131072 down to 8.
const struct {
    int firstRow, lastRow;
    const char* items;
} kTable[] = {
    {0, 0, "- T T T PT PT PT PT PT PT PT PT PT T T"},
    {1, 1, "- - T T PT PT PT PT PT PT PT PT PT T T"},
    {2, 2, "- - - T PT PT PT PT PT PT PT PT PT PT T"},
    {3, 3, "- - - GT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT"},
    {4, 7, "- - - G GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT"},
    {8, 9, "- - - G G GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT"},
    {10, 14, "- - - - - PT PT PT PT PT PT PT PT PT PT"},
    {15, 19, "- - - - - - PT PT PT PT PT PT PT PT PT"},
};

// Lowest angle range of rows 1..19.
const double kRowStarts[19] = {0.107374, 0.214748, 0.322123, 0.429497, 0.536871, 0.644246, 0.75162,
                               0.858994, 0.966368, 1.181117, 1.288491, 1.395865, 1.50324,  1.610614,
                               1.717988, 1.825362, 1.932736, 2.040111, 2.147485};

// The table's abbreviation of one of the six texts, "?" for any other text.
std::string Abbreviation(const std::string& items) {
    const char* const names[] = {
        "-", "(none)",    "T",  "Triplets",           "PT",  "Pulses/Triplets",
        "G", "Gaussians", "GT", "Gaussians/Triplets", "GPT", "Gaussians/Pulses/Triplets"};
    for (int i = 0; i < 12; i += 2) {
        if (items == names[i + 1]) {
            return names[i];
        }
    }
    return "?";
}

// Each row at its lower bound, its middle and just below the next; each column at its power of
// two, one above the next lower power, and one below its own.
TEST(AnalysisItems, EveryRowAndColumnMatchesTheTableAtItsEdges) {
    for (const auto& rows : kTable) {
        for (int row = rows.firstRow; row <= rows.lastRow; ++row) {
            const double low = row == 0 ? 0.0 : kRowStarts[row - 1];
            const double high = row == 19 ? 3.0 : kRowStarts[row];
            for (double angle : {low, (low + high) / 2, std::nextafter(high, 0.0)}) {
                for (int edge = 0; edge < 3; ++edge) {
                    std::string shown;
                    for (int length = 131072; length >= 8; length /= 2) {
                        const int lowest =
                            length == 8 ? std::numeric_limits<int>::min() : length / 2 + 1;
                        const int fft = edge == 0   ? length
                                        : edge == 1 ? lowest
                                                    : std::max(lowest, length - 1);
                        shown +=
                            (shown.empty() ? "" : " ") + Abbreviation(GetAnalysisItems(angle, fft));
                    }
                    EXPECT_EQ(rows.items, shown) << "angle " << angle << " edge " << edge;
                }
            }
        }
    }
}

// A state file without "fl" gives length 0, the last column; anything above 65536 is the first.
// Angle ranges below 0 are row 0; from 2.147485 up, infinity included, row 19; NaN, below no bound,
// row 19 too.
TEST(AnalysisItems, ValuesOutsideTheTableUseTheOuterRowsAndColumns) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    const int intMax = std::numeric_limits<int>::max();
    const struct {
        double angle;
        int fft;
        const char* items;
    } cases[] = {
        {0.05, 0, "Triplets"},     {0.05, intMax, "(none)"},       {-1.0, 65536, "Triplets"},
        {-inf, 65536, "Triplets"}, {inf, 4096, "(none)"},          {1e300, 2048, "Pulses/Triplets"},
        {nan, 4096, "(none)"},     {nan, 2048, "Pulses/Triplets"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(GetAnalysisItems(c.angle, c.fft), c.items) << c.angle << " " << c.fft;
    }
}

}  // namespace
