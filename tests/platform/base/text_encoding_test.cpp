#include "platform/base/text_encoding.h"

#include <gtest/gtest.h>

TEST(TextEncodingTest, RecognisesUtf8) {
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xE8\xA6\xB3\xE6\xB8\xAC"));  // 観測
    EXPECT_FALSE(IsValidUtf8("\x8A\xCF\x91\xAA"));         // 観測 in Shift-JIS
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                 // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));             // surrogate
    EXPECT_FALSE(IsValidUtf8("\xE8\xA6"));                 // cut short
}

TEST(TextEncodingTest, ConvertsCodePage932) {
    EXPECT_EQ(Cp932ToUtf8("\x8A\xCF\x91\xAA"), "\xE8\xA6\xB3\xE6\xB8\xAC");
    // Half-width katakana ﾊﾞ and the full-width space.
    EXPECT_EQ(Cp932ToUtf8("\xCA\xDE\x81\x40"), "\xEF\xBE\x8A\xEF\xBE\x9E\xE3\x80\x80");
    // A lead byte with nothing after it becomes U+FFFD; the ASCII around it survives.
    EXPECT_EQ(Cp932ToUtf8("ab\x8A"), "ab\xEF\xBF\xBD");
    EXPECT_EQ(ToUtf8("already \xE8\xA6\xB3"), "already \xE8\xA6\xB3");
    EXPECT_TRUE(IsValidUtf8(Cp932ToUtf8("\xFF\xFE\x80\xA0\xFD")));
}

TEST(TextEncodingTest, CodePage932LengthAndCuts) {
    const std::string name = "Taro \xE5\xA4\xAA\xE9\x83\x8E \xEF\xBE\x8A";  // Taro 太郎 ﾊ
    EXPECT_EQ(Cp932Length(name), 5 + 4 + 1 + 1);
    EXPECT_EQ(Cp932Prefix(name, 7), "Taro \xE5\xA4\xAA");
    // Never inside a character: 8 bytes would cut 郎 in half.
    EXPECT_EQ(Cp932Prefix(name, 8), "Taro \xE5\xA4\xAA");
    EXPECT_EQ(Cp932Prefix(name, 100), name);
    EXPECT_EQ(Cp932Prefix(name, 0), "");
}
