#include "platform/base/cstring.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

TEST(CStringTest, TrimCutsOnlySingleByteWhiteSpace) {
    CString s(" \t\r\n\v\fkey \xE3\x80\x80\r\n");
    s.TrimLeft();
    s.TrimRight();
    // A full-width space is not white space.
    EXPECT_EQ(s, "key \xE3\x80\x80");
    CString blank("   ");
    EXPECT_TRUE(blank.TrimRight().IsEmpty());
}

TEST(CStringTest, PositionsAndCutsCountBytes) {
    const CString s("/home/taro/seti");
    EXPECT_EQ(s.ReverseFind('/'), 10);
    EXPECT_EQ(s.Find('/'), 0);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.Find("taro"), 6);
    EXPECT_EQ(s.Left(10), "/home/taro");
    EXPECT_EQ(s.Mid(11), "seti");
    EXPECT_EQ(s.Mid(6, 4), "taro");
    EXPECT_EQ(s.Right(4), "seti");
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Mid(100), "");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(CString(nullptr), "");
    EXPECT_LT(ByteCompare("10", "3"), 0);
    EXPECT_GT(ByteCompare("\xE3", "3"), 0);
}

TEST(CStringTest, FormatWritesWhatPrintfWritesAtAnyLength) {
    CString text;
    text.Format("%04X|%s|%.1f|%f", 300u, "x", 2.25, -std::numeric_limits<double>::quiet_NaN());
    text.AppendFormat("|%e", 1.0);
    EXPECT_EQ("012C|x|2.2|-nan|1.000000e+00", text.str());
    const std::string a(600, 'a');
    text.Format("%s%s", a.c_str(), a.c_str());
    EXPECT_EQ(a + a, text.str());
}
