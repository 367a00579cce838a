#include "clientfiles/client_file_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "clientfiles/value_conversions.h"
#include "support/temp_dir.h"

TEST(ClientFileReaderTest, LineSyntax) {
    TempDir dir;
    // Blanks, CR LF, leading "=", no "=", other letter case, repeated key, "=" in the value; a
    // zero byte ends the text.
    dir.Write("user_info.sah", std::string("  nwus \t=\t 12  \r\n"
                                           "=nresults=5\n"
                                           "nresults 7\n"
                                           "NRESULTS=8\n"
                                           "\n\n\n"
                                           "total_cpu=1\n"
                                           "total_cpu=2.5\n"
                                           "name= a=b \n") +
                                   '\0' + "nwus=3\n");
    UserInfo user(dir.path().c_str());
    user.Read(ClientFileSet::Sah);
    ASSERT_TRUE(user.found);
    EXPECT_EQ(user.nwus, 12);
    EXPECT_EQ(user.nresults, 0);
    EXPECT_DOUBLE_EQ(user.total_cpu, 2.5);
    EXPECT_EQ(user.name, "a=b");
    // A missing file changes nothing.
    dir.Remove("user_info.sah");
    user.Read(ClientFileSet::Sah);
    EXPECT_FALSE(user.found);
    EXPECT_EQ(user.nwus, 12);
    EXPECT_EQ(user.directory, dir.path().c_str());
}

TEST(ClientFileReaderTest, TheWorkingDirectoryBecomesAbsolute) {
    TempDir dir;
    dir.Write("version.sah", "major_version=3\n");
    ScopedWorkingDirectory cwd(dir.path());
    ClientVersion version;
    EXPECT_EQ(version.directory, ".");
    version.Read(ClientFileSet::Sah);
    ASSERT_TRUE(version.found);
    char here[PATH_MAX];
    ASSERT_NE(::getcwd(here, sizeof here), nullptr);
    EXPECT_EQ(version.directory, here);
}

// Blanks, signs and text around a number, exponents without digits, the edges of int and long,
// and hexadecimal with and without its prefix. (Decimal numbers of every size and precision, bit
// for bit: the decimal conversion's test.)
TEST(ClientFileReaderTest, ConversionsMatchTheCLibrary) {
    // strtod reads more than the client files' decimal numbers: names and hexadecimal.
    const std::map<std::string, double> kNotDecimal = {
        {"0x1A", 0.0},  {"nan", 0.0},    {"inf", 0.0},  {"-Infinity", 0.0}, {"NAN(123)", 0.0},
        {"0x1p3", 0.0}, {"-0x10", -0.0}, {"+inf", 0.0}, {"infinity", 0.0}};
    const auto expectAsTheCLibrary = [&kNotDecimal](const char* input) {
        SCOPED_TRACE(input);
        EXPECT_EQ(ConvertAtoi(input), std::atoi(input));
        EXPECT_EQ(ConvertAtoi(input), static_cast<std::int32_t>(std::atol(input)));
        if (kNotDecimal.count(input) == 0) {
            // The tests run in the "C" locale.
            EXPECT_EQ(ConvertAtof(input), std::strtod(input, nullptr));
        }
        unsigned int hex = 0xDEADBEEF;
        const int matched = std::sscanf(input, "%x", &hex);
        std::uint32_t member = 0xDEADBEEF;
        ConvertHex(input, member);
        EXPECT_EQ(member, matched == 1 ? hex : 0xDEADBEEFu);
    };
    for (const char* input :
         {"",      "42",         "  -17",      "+8 units",    "3.75",        "1e3",   "0x1A",
          "abc",   "2147483647", "2147483648", "-2147483649", "99999999999", "nan",   " \t12",
          "12abc", "0x",         "-1",         "ffffffff",    "100000000",   "  a3",  "G1",
          "1,5",   "+.25",       "-",          "2e+",         "3E-2x",       "1.5.5", "\v7"}) {
        expectAsTheCLibrary(input);
    }
    for (const char* input :
         {"-9223372036854775808", "-9223372036854775809", "18446744073709551617"}) {
        expectAsTheCLibrary(input);
    }
    for (const auto& [input, expected] : kNotDecimal) {
        EXPECT_EQ(ConvertAtof(input.c_str()), expected) << input;
    }
}
