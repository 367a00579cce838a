// Decimal values of the client files: every text gives the very double the C library's strtod
// gives, bit for bit, including the values where a fast reader is most likely to round wrongly.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "clientfiles/client_file_reader.h"

namespace {

std::uint64_t Bits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void ExpectSameAsStrtod(const std::string& text) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Bits(ConvertAtof(text.c_str())), Bits(std::strtod(text.c_str(), nullptr)));
}

}  // namespace

// Ties to even at 2^53 + 1, the normal and subnormal limits, the largest double and past it.
TEST(DecimalConversionTest, HardCasesMatchStrtod) {
    // Texts without blanks, one after another.
    std::istringstream texts(
        "0 -0 -0.0 .5 5. -.5e-3 1e e5 - . --1 1-2 1e+5 1e-5 1E5 0.1 0.3 123456.789 18723.250000 "
        "-3.1250e-01 0.45123123 9007199254740993 9007199254740995 9007199254740993.0000000001 "
        "2.2250738585072014e-308 2.2250738585072011e-308 4.9406564584124654e-324 "
        "2.4703282292062327e-324 2.4703282292062328e-324 1e-320 1.7976931348623157e308 "
        "1.7976931348623158e308 1.7976931348623159e308 1e309 "
        "0.1000000000000000055511151231257827021181583404541015625 7.2057594037927933e16 "
        "3.0517578125e-05 1.00000000000000011102230246251565404 "
        "0000000000000000000000000000000001.5 1.5e0000000000000000000000000000000001 ");
    for (std::string text; texts >> text;) {
        ExpectSameAsStrtod(text);
    }
    // Far more digits than a double holds, rounding up only at the last one.
    ExpectSameAsStrtod("0." + std::string(400, '9') + "e1");
    ExpectSameAsStrtod("1." + std::string(800, '0') + "1");
}

TEST(DecimalConversionTest, RandomValuesInEveryNotationMatchStrtod) {
    std::mt19937_64 random(20020402);
    // Each notation, as printf's %.17g, %.6f, %.3e, %g, %.0f and %.20e write it.
    const struct {
        std::ios_base::fmtflags notation;
        int precision;
    } kNotations[] = {{std::ios_base::fmtflags(), 17}, {std::ios_base::fixed, 6},
                      {std::ios_base::scientific, 3},  {std::ios_base::fmtflags(), 6},
                      {std::ios_base::fixed, 0},       {std::ios_base::scientific, 20}};
    for (int i = 0; i < 5000; ++i) {
        double value = 0;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (value != value || value - value != 0.0) {
            continue;  // NaN and infinities: not decimal numbers
        }
        std::ostringstream printed;
        printed.setf(kNotations[i % 6].notation, std::ios_base::floatfield);
        printed << std::setprecision(kNotations[i % 6].precision) << value;
        ExpectSameAsStrtod(printed.str());
        char text[512];
        // A shorter cut of the same digits falls between two doubles.
        std::snprintf(text, sizeof text, "%.*e", static_cast<int>(i % 17) + 1, value);
        ExpectSameAsStrtod(text);
    }
}
