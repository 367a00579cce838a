#include "platform/base/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t kPowersOf10[] = {1,
                                         10,
                                         100,
                                         1000,
                                         10000,
                                         100000,
                                         1000000,
                                         10000000,
                                         100000000,
                                         1000000000,
                                         10000000000,
                                         100000000000,
                                         1000000000000,
                                         10000000000000,
                                         100000000000000,
                                         1000000000000000,
                                         10000000000000000,
                                         100000000000000000,
                                         1000000000000000000,
                                         10000000000000000000u};

// "00" to "99", so that digits are written two at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// The number of decimal digits of value: from its bit length (1233 / 4096 is just above log10 2),
// which gives the count or one more, and one comparison.
int DigitCount(std::uint64_t value) {
    value |= 1;  // 0 has one digit too; no power of 10 above 1 is odd
    const int bits = 64 - __builtin_clzll(value);
    const int guess = (bits * 1233) >> 12;  // 0 to 19
    return guess + (value >= kPowersOf10[guess] ? 1 : 0);
}

// Writes value in decimal so that its digits end at end; returns where they start.
char* WriteDigits(char* end, std::uint64_t value) {
    while (value >= 100) {
        const std::uint64_t pair = value % 100;
        value /= 100;
        end -= 2;
        end[0] = kDigitPairs[2 * pair];
        end[1] = kDigitPairs[2 * pair + 1];
    }
    if (value >= 10) {
        end -= 2;
        end[0] = kDigitPairs[2 * value];
        end[1] = kDigitPairs[2 * value + 1];
    } else {
        *--end = static_cast<char>('0' + value);
    }
    return end;
}

// Writes an optional minus and value's digits at buffer; returns the bytes written.
int WriteSignedDigits(char* buffer, bool negative, std::uint64_t value) {
    if (negative) {
        *buffer++ = '-';
    }
    const int digits = DigitCount(value);
    WriteDigits(buffer + digits, value);
    return digits + (negative ? 1 : 0);
}

// Writes the last count decimal digits of value (value < 10^count) so that they end at end,
// leading zeros included.
void WriteDigitsPadded(char* end, std::uint64_t value, int count) {
    for (; count >= 2; count -= 2) {
        const std::uint64_t pair = value % 100;
        value /= 100;
        end -= 2;
        end[0] = kDigitPairs[2 * pair];
        end[1] = kDigitPairs[2 * pair + 1];
    }
    if (count == 1) {
        end[-1] = static_cast<char>('0' + value);
    }
}

// The exact "%.<decimals>f" of a finite value below 2^53, printf's answer: the integer part is
// exact in a double, and the fraction's binary digits times 10^decimals are exact in 128 bits,
// rounded half to even as printf rounds. 0 for anything else, which to_chars writes.
int WriteFixedQuickly(char* buffer, double value, int decimals) {
    const double magnitude = std::fabs(value);
    if (!(magnitude < 9007199254740992.0) || decimals < 0 || decimals > 17) {
        return 0;  // NaN, infinite or from 2^53 on
    }
    auto integer = static_cast<std::uint64_t>(magnitude);
    // The fraction is exact (the integer part is); as mantissa * 2^-shift, from its bits.
    const double fraction = magnitude - static_cast<double>(integer);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &fraction, sizeof bits);
    const int biasedExponent = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biasedExponent != 0) {
        mantissa |= std::uint64_t{1} << 52;
    }
    // A fraction below 1 has a biased exponent below 1023: the shift is at least 53.
    const int shift = biasedExponent != 0 ? 1075 - biasedExponent : 1074;
    std::uint64_t decimalsPart = 0;
    if (mantissa != 0 && shift < 127) {
        // mantissa * 10^17 < 2^53 * 2^57: fits.
        const unsigned __int128 scaled =
            static_cast<unsigned __int128>(mantissa) * kPowersOf10[decimals];
        const unsigned __int128 rounded = scaled >> shift;
        const unsigned __int128 rest = scaled - (rounded << shift);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        decimalsPart = static_cast<std::uint64_t>(rounded);
        // A tie goes to the even last digit, the point's left neighbour when there are no decimals.
        const std::uint64_t lastDigit = decimals > 0 ? decimalsPart : integer;
        if (rest > half || (rest == half && (lastDigit & 1) != 0)) {
            ++decimalsPart;
        }
        if (decimalsPart == kPowersOf10[decimals]) {  // rounded up to the next whole number
            decimalsPart = 0;
            ++integer;
        }
    }
    int length = WriteSignedDigits(buffer, std::signbit(value), integer);
    if (decimals > 0) {
        buffer[length++] = '.';
        length += decimals;
        WriteDigitsPadded(buffer + length, decimalsPart, decimals);
    }
    return length;
}

}  // namespace

int WriteFixed(char* buffer, double value, int decimals) {
    if (const int length = WriteFixedQuickly(buffer, value, decimals)) {
        return length;
    }
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + kNumberTextMax, value, std::chars_format::fixed, decimals);
    return static_cast<int>(result.ptr - buffer);
}

int WriteInteger(char* buffer, long long value) {
    // The magnitude as unsigned, so that the most negative value has one too.
    const auto magnitude =
        value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    return WriteSignedDigits(buffer, value < 0, magnitude);
}

int WriteUnsigned(char* buffer, unsigned long long value, bool hexadecimal) {
    if (!hexadecimal) {
        return WriteSignedDigits(buffer, false, value);
    }
    int length = 0;
    for (unsigned long long rest = value;; rest >>= 4) {
        ++length;
        if (rest < 16) {
            break;
        }
    }
    for (int at = length - 1; at >= 0; --at, value >>= 4) {
        buffer[at] = "0123456789ABCDEF"[value & 15];
    }
    return length;
}
