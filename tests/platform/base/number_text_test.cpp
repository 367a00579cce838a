// Numbers written as the C library's printf writes them, checked against printf itself.
#include "platform/base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Printf(double value, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

// Ties (0.125 to two decimals rounds to even), negative zero, values that round to zero from
// below, the edges of the exact path (2^53) and beyond it, infinities and NaN, and a spread of
// random values of every magnitude: the same text as "%.*f" for 0 to 3, 6 and 17 decimals.
// (Integers, extremes included: the quick-format test.)
TEST(NumberText, FixedDecimalsAsPrintfWritesThem) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values = {0.0,  -0.0,  0.125,     0.375,  2.5,    -2.5,       9765.625,
                                  1e-7, -1e-7, 0.0000005, 2.675,  1234.5, 0x1p53 - 1, 0x1p53,
                                  1e22, 1e308, -1e308,    5e-324, inf,    -inf,       nan};
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        double value = 0.0;
        if (i % 3 == 0) {
            std::memcpy(&value, &bits, sizeof value);  // any double at all
        } else {
            value = std::ldexp(static_cast<double>(bits % 100000000), -static_cast<int>(i % 40));
            value = i % 2 ? -value : value;
        }
        values.push_back(value);
    }
    for (const double value : values) {
        for (const int decimals : {0, 1, 2, 3, 6, 17}) {
            char text[kNumberTextMax];
            const int length = WriteFixed(text, value, decimals);
            ASSERT_EQ(Printf(value, decimals), std::string(text, length)) << decimals;
        }
    }
}
