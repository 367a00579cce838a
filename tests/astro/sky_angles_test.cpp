#include "astro/sky_angles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace {

using Split = void (*)(std::int8_t&, std::int8_t&, std::int8_t&, double);

std::string Shown(Split split, double value) {
    std::int8_t a = 99;
    std::int8_t b = 99;
    std::int8_t c = 99;
    split(a, b, c, value);
    return std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c);
}

// Rounded to the nearest second (17.7611 h is 17 h 2739.96 s; the next three are 59.6, 59.4 and
// 30.55 s past the hour), a full hour carried, wrapped into one day.
TEST(SkyAnglesHms, SplitsRightAscension) {
    const std::pair<double, const char*> cases[] = {
        {0.0, "0 0 0"},        {12.5, "12 30 0"},       {17.7611, "17 45 40"},
        {10.016556, "10 1 0"}, {10.0165, "10 0 59"},    {10.008486, "10 0 31"},
        {1.99999999, "2 0 0"}, {23.9999999, "0 0 0"},   {24.0, "0 0 0"},
        {25.25, "1 15 0"},     {24000006.75, "6 45 0"}, {-1.5, "22 30 0"},
        {-24.5, "23 30 0"},    {-0.0, "0 0 0"},
    };
    for (const auto& [hours, shown] : cases) {
        EXPECT_EQ(Shown(HoursToHms, hours), shown) << hours;
    }
}

// The sign on the degrees from -1 down, on minutes and seconds (truncated, never carried to a
// degree) between -1 and 0; a full degree carried away from zero; whole turns dropped before the
// degrees are taken modulo 90. 38.123456 is 38 deg 444.44"; 5.016556 is 5 deg 59.6".
TEST(SkyAnglesDms, SplitsDeclination) {
    const std::pair<double, const char*> cases[] = {
        {38.123456, "38 7 24"},    {-38.123456, "-38 7 24"},  {-1.0, "-1 0 0"},
        {5.016556, "5 1 0"},       {-5.016556, "-5 1 0"},     {-0.123, "0 -7 -22"},
        {-0.9999999, "0 -59 -59"}, {-0.016639, "0 0 -59"},    {0.9999999, "1 0 0"},
        {-1.9999999, "-2 0 0"},    {3.6e8 + 12.5, "12 30 0"}, {-3.6e8 - 12.5, "-12 30 0"},
    };
    for (const auto& [degrees, shown] : cases) {
        EXPECT_EQ(Shown(DegreesToDms, degrees), shown) << degrees;
    }
}

// Damaged client text reaches here through atof: no number gives 0 0 0, a huge one stays within
// the fields' ranges.
TEST(SkyAngles, UnusableValuesGiveZeroAndHugeOnesStayInRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {nan, -nan, inf, -inf}) {
        EXPECT_EQ(Shown(HoursToHms, v), "0 0 0") << v;
        EXPECT_EQ(Shown(DegreesToDms, v), "0 0 0") << v;
    }
    const double max = std::numeric_limits<double>::max();
    for (double v : {max, -max, 1e300, -1e300, 1e20, -3e9, 2147483648.0}) {
        std::int8_t a = -1;
        std::int8_t b = -1;
        std::int8_t c = -1;
        HoursToHms(a, b, c, v);
        EXPECT_TRUE(a >= 0 && a <= 23 && b >= 0 && b <= 59 && c >= 0 && c <= 59) << v;
        DegreesToDms(a, b, c, v);
        EXPECT_TRUE(a > -90 && a < 90 && b > -60 && b < 60 && c > -60 && c < 60) << v;
    }
}

}  // namespace
