// TextWriter against the same pieces joined with std::string and snprintf: across its buffer's
// edge, with pieces longer than the buffer, and appended after what the text already held.
#include "platform/base/text_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(TextWriter, WritesWhatTheJoinedPiecesSay) {
    CString text("before|");
    std::string expected = "before|";
    {
        TextWriter writer(text);
        for (int i = 0; i < 400; ++i) {
            const std::string piece(static_cast<size_t>(i % 7 == 6 ? 1500 + i : i % 5),
                                    'a' + i % 26);
            writer.Put(std::string_view(piece));
            writer.Put(',');
            writer.Fixed(i * 1.25, 3);
            writer.Integer(-i);
            char number[64];
            std::snprintf(number, sizeof number, ",%.3f%d", i * 1.25, -i);
            expected += piece + number;
        }
    }
    EXPECT_EQ(expected, text.str());
}
