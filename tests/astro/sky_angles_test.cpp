#include "astro/sky_angles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

std::string Hms(double hours) {
    std::int8_t h = 99;
    std::int8_t m = 99;
    std::int8_t s = 99;
    HoursToHms(h, m, s, hours);
    return std::to_string(h) + " " + std::to_string(m) + " " + std::to_string(s);
}

std::string Dms(double degrees) {
    std::int8_t d = 99;
    std::int8_t m = 99;
    std::int8_t s = 99;
    DegreesToDms(d, m, s, degrees);
    return std::to_string(d) + " " + std::to_string(m) + " " + std::to_string(s);
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kMax = std::numeric_limits<double>::max();

TEST(SkyAnglesHms, SplitsRightAscension) {
    EXPECT_EQ(Hms(0.0), "0 0 0");
    EXPECT_EQ(Hms(12.5), "12 30 0");
    EXPECT_EQ(Hms(17.7611), "17 45 40");  // 2739.96 s
    EXPECT_EQ(Hms(10 + 59.6 / 3600), "10 1 0");
    EXPECT_EQ(Hms(10 + 59.4 / 3600), "10 0 59");
    EXPECT_EQ(Hms(23 + 3599.4 / 3600), "23 59 59");
}

TEST(SkyAnglesHms, CarriesAFullHourAndWrapsTheDay) {
    EXPECT_EQ(Hms(1.99999999), "2 0 0");
    EXPECT_EQ(Hms(23.9999999), "0 0 0");
    EXPECT_EQ(Hms(24.0), "0 0 0");
    EXPECT_EQ(Hms(25.25), "1 15 0");
    EXPECT_EQ(Hms(48.5), "0 30 0");
    EXPECT_EQ(Hms(24000006.75), "6 45 0");
    EXPECT_EQ(Hms(-1.5), "22 30 0");
    EXPECT_EQ(Hms(-0.25), "23 45 0");
    EXPECT_EQ(Hms(-24.5), "23 30 0");
    EXPECT_EQ(Hms(-0.0), "0 0 0");
}

TEST(SkyAnglesHms, UnusableValuesGiveZeroAndHugeOnesStayInRange) {
    for (double v : {kNan, -kNan, kInf, -kInf}) {
        EXPECT_EQ(Hms(v), "0 0 0") << v;
    }
    for (double v : {kMax, -kMax, 1e300, -1e300, 1e20, -3e9, 2147483648.0}) {
        std::int8_t h = -1;
        std::int8_t m = -1;
        std::int8_t s = -1;
        HoursToHms(h, m, s, v);
        EXPECT_TRUE(h >= 0 && h <= 23 && m >= 0 && m <= 59 && s >= 0 && s <= 59) << v;
    }
}

TEST(SkyAnglesDms, SplitsDeclinationWithTheSignOnTheDegrees) {
    EXPECT_EQ(Dms(0.0), "0 0 0");
    EXPECT_EQ(Dms(12.5), "12 30 0");
    EXPECT_EQ(Dms(-12.5), "-12 30 0");
    EXPECT_EQ(Dms(38.123456), "38 7 24");  // 444.44 s
    EXPECT_EQ(Dms(-38.123456), "-38 7 24");
    EXPECT_EQ(Dms(-1.0), "-1 0 0");
    EXPECT_EQ(Dms(5 + 59.6 / 3600), "5 1 0");
    EXPECT_EQ(Dms(-5 - 59.6 / 3600), "-5 1 0");
}

TEST(SkyAnglesDms, BetweenMinusOneAndZeroMinutesAndSecondsCarryTheSign) {
    EXPECT_EQ(Dms(-0.5), "0 -30 0");
    EXPECT_EQ(Dms(-0.123), "0 -7 -22");
    // Truncated toward zero, never rounded up to a degree.
    EXPECT_EQ(Dms(-0.9999999), "0 -59 -59");
    EXPECT_EQ(Dms(-59.9 / 3600), "0 0 -59");
}

TEST(SkyAnglesDms, CarriesAFullDegreeAwayFromZero) {
    EXPECT_EQ(Dms(12.9999999), "13 0 0");
    EXPECT_EQ(Dms(-12.9999999), "-13 0 0");
    EXPECT_EQ(Dms(0.9999999), "1 0 0");
    EXPECT_EQ(Dms(-1.9999999), "-2 0 0");
}

TEST(SkyAnglesDms, UnusableValuesGiveZeroAndHugeOnesStayInRange) {
    for (double v : {kNan, -kNan, kInf, -kInf}) {
        EXPECT_EQ(Dms(v), "0 0 0") << v;
    }
    // Whole turns drop out: 372 and 360000012 degrees both leave 12 after the modulo 90.
    EXPECT_EQ(Dms(372.5), "12 30 0");
    EXPECT_EQ(Dms(360000012.5), "12 30 0");
    EXPECT_EQ(Dms(-360000012.5), "-12 30 0");
    for (double v : {kMax, -kMax, 1e300, -1e300, 1e20, -3e9, 2147483648.0}) {
        std::int8_t d = 0;
        std::int8_t m = 0;
        std::int8_t s = 0;
        DegreesToDms(d, m, s, v);
        EXPECT_TRUE(d > -90 && d < 90 && m > -60 && m < 60 && s > -60 && s < 60) << v;
    }
}

}  // namespace
