#include "astro/analysis_items.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The published table, one line per angle-range row, columns from FFT length 131072 down to 8.
const char* const kTableRows[20] = {
    "- T T T PT PT PT PT PT PT PT PT PT T T",
    "- - T T PT PT PT PT PT PT PT PT PT T T",
    "- - - T PT PT PT PT PT PT PT PT PT PT T",
    "- - - GT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT",
    "- - - G GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT",
    "- - - G GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT",
    "- - - G GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT",
    "- - - G GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT",
    "- - - G G GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT",
    "- - - G G GPT GPT GPT GPT GPT GPT GPT GPT GPT GPT",
    "- - - - - PT PT PT PT PT PT PT PT PT PT",
    "- - - - - PT PT PT PT PT PT PT PT PT PT",
    "- - - - - PT PT PT PT PT PT PT PT PT PT",
    "- - - - - PT PT PT PT PT PT PT PT PT PT",
    "- - - - - PT PT PT PT PT PT PT PT PT PT",
    "- - - - - - PT PT PT PT PT PT PT PT PT",
    "- - - - - - PT PT PT PT PT PT PT PT PT",
    "- - - - - - PT PT PT PT PT PT PT PT PT",
    "- - - - - - PT PT PT PT PT PT PT PT PT",
    "- - - - - - PT PT PT PT PT PT PT PT PT",
};

// Lowest angle range of rows 1..19.
const double kRowStarts[19] = {0.107374, 0.214748, 0.322123, 0.429497, 0.536871, 0.644246, 0.75162,
                               0.858994, 0.966368, 1.181117, 1.288491, 1.395865, 1.50324,  1.610614,
                               1.717988, 1.825362, 1.932736, 2.040111, 2.147485};

// The FFT length named at the head of each column.
const int kColumnLengths[15] = {131072, 65536, 32768, 16384, 8192, 4096, 2048, 1024,
                                512,    256,   128,   64,    32,   16,   8};

std::string Text(const std::string& abbreviation) {
    if (abbreviation == "-")
        return "(none)";
    if (abbreviation == "T")
        return "Triplets";
    if (abbreviation == "PT")
        return "Pulses/Triplets";
    if (abbreviation == "G")
        return "Gaussians";
    if (abbreviation == "GT")
        return "Gaussians/Triplets";
    if (abbreviation == "GPT")
        return "Gaussians/Pulses/Triplets";
    ADD_FAILURE() << abbreviation;
    return "";
}

std::string Expected(int row, int column) {
    std::istringstream in(kTableRows[row]);
    std::string item;
    for (int c = 0; c <= column; ++c) {
        in >> item;
    }
    return Text(item);
}

// Angle ranges that must fall in each row: its lower bound, the middle and just below the next.
std::vector<double> SamplesOfRow(int row) {
    const double low = row == 0 ? 0.0 : kRowStarts[row - 1];
    const double high = row == 19 ? 3.0 : kRowStarts[row];
    return {low, (low + high) / 2, std::nextafter(high, 0.0)};
}

TEST(AnalysisItems, EveryRowAndColumnMatchesTheTableAtItsEdges) {
    for (int row = 0; row < 20; ++row) {
        for (double angle : SamplesOfRow(row)) {
            for (int column = 0; column < 15; ++column) {
                const int length = kColumnLengths[column];
                // The column holds its power of two and everything above it up to the next.
                const int lowest = column == 14 ? std::numeric_limits<int>::min() : length / 2 + 1;
                for (int fft : {length, lowest, length - 1 > lowest ? length - 1 : length}) {
                    EXPECT_EQ(GetAnalysisItems(angle, fft), Expected(row, column))
                        << "angle " << angle << " row " << row << " fft " << fft;
                }
            }
        }
    }
}

TEST(AnalysisItems, ValuesOutsideTheTableUseTheOuterRowsAndColumns) {
    // A state file without "fl" gives 0; lengths above 65536 all use the first column.
    EXPECT_STREQ(GetAnalysisItems(0.05, 0), "Triplets");
    EXPECT_STREQ(GetAnalysisItems(0.05, -5), "Triplets");
    EXPECT_STREQ(GetAnalysisItems(0.05, std::numeric_limits<int>::min()), "Triplets");
    EXPECT_STREQ(GetAnalysisItems(0.05, 100000), "(none)");
    EXPECT_STREQ(GetAnalysisItems(0.05, std::numeric_limits<int>::max()), "(none)");
    // Negative angle ranges are row 0; anything from 2.147485 up, infinity included, is row 19.
    EXPECT_STREQ(GetAnalysisItems(-1.0, 65536), "Triplets");
    EXPECT_STREQ(GetAnalysisItems(-std::numeric_limits<double>::infinity(), 65536), "Triplets");
    EXPECT_STREQ(GetAnalysisItems(std::numeric_limits<double>::infinity(), 4096), "(none)");
    EXPECT_STREQ(GetAnalysisItems(1e300, 2048), "Pulses/Triplets");
    // NaN is below no bound, so it takes the last row.
    EXPECT_STREQ(GetAnalysisItems(std::nan(""), 4096), "(none)");
    EXPECT_STREQ(GetAnalysisItems(std::nan(""), 2048), "Pulses/Triplets");
}

}  // namespace
