// CString's formatting against the C library's vsnprintf, for the conversions it writes itself
// and for those it leaves to printf.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <string>

#include "platform/base/cstring.h"
#include "platform/base/quick_format.h"

namespace {

int quick = 0;  // how many formats the quick writer took

__attribute__((format(printf, 1, 2))) void ExpectAsPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list forPrintf;
    va_copy(forPrintf, args);
    char expected[8192];
    std::vsnprintf(expected, sizeof expected, format, forPrintf);
    va_end(forPrintf);
    std::string written;
    const bool taken = AppendFormatQuickly(written, format, args);
    va_end(args);
    quick += taken ? 1 : 0;
    if (taken) {
        EXPECT_EQ(std::string(expected), written) << format;
    } else {
        EXPECT_EQ("", written) << format;
    }
}

}  // namespace

// Every flag, width and length the page texts use, with negative, zero and extreme values; and
// formats the quick writer leaves to printf, which then still write the same.
TEST(QuickFormat, WritesWhatPrintfWrites) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const int v : {0, 7, -7, 42, -42, 123456, -2147483647 - 1, 2147483647}) {
        ExpectAsPrintf("%d|%i|%5d|%-5d|%05d|%+d|%+02d|% d|%02d|%+05d", v, v, v, v, v, v, v, v, v,
                       v);
        ExpectAsPrintf("%u|%x|%X|%04X|%08x|%-6X|", static_cast<unsigned>(v),
                       static_cast<unsigned>(v), static_cast<unsigned>(v), static_cast<unsigned>(v),
                       static_cast<unsigned>(v), static_cast<unsigned>(v));
    }
    ExpectAsPrintf("%ld %lld %lu %llX", -9223372036854775807L - 1, 9223372036854775807LL,
                   18446744073709551615UL, 18446744073709551615ULL);
    for (const double v : {0.0, -0.0, 0.5, -0.5, 1.25, -3.75, 59.9996, 9765.625, 1e20, -1e300}) {
        ExpectAsPrintf("%f|%.3lf|%.6lf|%02.3lf|%+.2f|% .1f|%010.3f|%-10.1f|%.0f|%5.0f", v, v, v, v,
                       v, v, v, v, v, v);
    }
    ExpectAsPrintf("%s|%10s|%-10s|%%|100%%", "abc", "日本", "x");
    // Past the quick writer's 1 KiB, in the padding or in the text: printf's.
    ExpectAsPrintf("%900d|%200.1f", 1, 2.5);
    ExpectAsPrintf("%s%s", std::string(600, 'a').c_str(), std::string(600, 'b').c_str());
    EXPECT_GE(quick, 25) << "the quick writer took too few of these";
    // Left to printf: infinities and NaN, %e and %g, %c, a precision for integers or strings.
    quick = 0;
    ExpectAsPrintf("%f %e %g %c %.3d %.2s %05f", inf, 1.5, 2.5, 'x', 7, "abc", -inf);
    EXPECT_EQ(quick, 0);
    // Through CString, either way.
    CString text;
    text.Format("%04X|%s|%.1f", 300u, "x", 2.25);
    text.AppendFormat("|%e", 1.0);
    EXPECT_EQ("012C|x|2.2|1.000000e+00", text.str());
    text.Format("%s%s", std::string(600, 'a').c_str(), std::string(600, 'b').c_str());
    EXPECT_EQ(std::string(600, 'a') + std::string(600, 'b'), text.str());
}
