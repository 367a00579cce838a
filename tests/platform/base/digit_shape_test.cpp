// Texts by their shape: the shapes kept against a plain set of texts with their digits made '0'
// one byte at a time through the C library's isdigit.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <set>
#include <string>

#include "platform/base/digit_shape.h"

namespace {

std::string PlainShape(const std::string& text) {
    std::string shape = text;
    for (char& c : shape) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            c = '0';
        }
    }
    return shape;
}

TEST(DigitShape, DigitsOnlyStandForDigits) {
    EXPECT_EQ(WithDigitsAs("2026/12/02 03:07:44", '8'), "8888/88/88 88:88:88");
    EXPECT_EQ(WithDigitsAs("-0.50 hr", '4'), "-4.44 hr");
    EXPECT_EQ(WithDigitsAs("/:９\xB0\xB9", '0'), "/:９\xB0\xB9");  // neighbours and UTF-8 bytes

    DigitShapes shapes;
    EXPECT_TRUE(shapes.Add("25ja22aa.52450.1181"));
    EXPECT_FALSE(shapes.Add("01ja99aa.00000.9999"));
    EXPECT_TRUE(shapes.Add("01jb99aa.00000.9999"));
    EXPECT_TRUE(shapes.Add("01ja99aa.00000.99999"));
    EXPECT_TRUE(shapes.Add(""));
    EXPECT_FALSE(shapes.Add(""));
    EXPECT_EQ(shapes.Count(), 4u);
}

// Texts of every length around the eight bytes the shapes are read in, from an alphabet of the
// digits, their neighbours '/' and ':', letters and UTF-8 bytes whose low seven bits are digits.
TEST(DigitShape, TheShapesKeptAreTheDistinctShapesOfTheTexts) {
    const std::string alphabet = std::string("0123456789/:ab.") + "\xB0\xB5\xB9\xBA\xAF\x80\xFF";
    std::mt19937 random(20261208);
    for (int round = 0; round < 20; ++round) {
        DigitShapes shapes;
        std::set<std::string> expected;
        // A small alphabet for some rounds, so that shapes repeat often.
        const size_t letters = round % 2 == 0 ? alphabet.size() : 4 + round % 5;
        for (int i = 0; i < 2000; ++i) {
            std::string text(random() % 20, ' ');
            for (char& c : text) {
                c = alphabet[random() % letters];
            }
            const bool isNew = expected.insert(PlainShape(text)).second;
            ASSERT_EQ(shapes.Add(text), isNew) << "round " << round << ": " << text;
        }
        EXPECT_EQ(shapes.Count(), expected.size());
    }
}

}  // namespace
