// TextWriter against the same pieces joined with std::string and snprintf: across its buffer's
// edge, with pieces longer than the buffer, and appended after what the text already held; its
// numbers as printf writes them, the ones printf spells out and rounds to "-0" included.
#include "platform/base/text_writer.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

TEST(TextWriter, WritesWhatTheJoinedPiecesSay) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double special[] = {nan,   -nan,     HUGE_VAL, -HUGE_VAL, -0.0,    -0.0000004,
                              0.125, 9765.625, -2.5,     1e308,     -DBL_MAX};
    CString text("before|");
    std::string expected = "before|";
    {
        TextWriter writer(text);
        for (int i = 0; i < 400; ++i) {
            const std::string piece(static_cast<size_t>(i % 7 == 6 ? 1500 + i : i % 5),
                                    'a' + i % 26);
            const double value = i % 3 == 0 ? special[i / 3 % 11] : i * 1.25;
            // Now and then more decimals than the writer's buffer holds.
            const int decimals = i % 50 == 49 ? 1100 : i % 18;
            const long long integer = i % 5 == 0 ? std::numeric_limits<long long>::min() : -i;
            writer.Put(std::string_view(piece));
            writer.Put(',');
            writer.Fixed(value, decimals);
            writer.Integer(integer);
            char number[2000];
            std::snprintf(number, sizeof number, ",%.*f%lld", decimals, value, integer);
            expected += piece + number;
        }
    }
    EXPECT_EQ(expected, text.str());
}
