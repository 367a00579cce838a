// Decimal values convert to the very double strtod gives, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "clientfiles/value_conversions.h"

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
TEST(DecimalConversionTest, MatchesStrtodBitForBit) {
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
    ExpectSameAsStrtod("0." + std::string(400, '9') + "e1");
    ExpectSameAsStrtod("1." + std::string(800, '0') + "1");

    // Random doubles printed in full, and cut shorter so the text falls between two doubles.
    std::mt19937_64 random(20020402);
    for (int i = 0; i < 2000; ++i) {
        double value = 0;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (value != value || value - value != 0.0) {
            continue;  // NaN and infinities: not decimal numbers
        }
        char text[512];
        std::snprintf(text, sizeof text, "%.*e", i % 17 + 1, value);
        ExpectSameAsStrtod(text);
        // As the client writes its values: fixed point, a few to many decimals.
        std::snprintf(text, sizeof text, "%.*f", i % 12, std::ldexp(value, -1000) * 1e10);
        ExpectSameAsStrtod(text);
        std::snprintf(text, sizeof text, "%.*f", i % 20, static_cast<double>(bits % 100000000000));
        ExpectSameAsStrtod(text);
    }
}
