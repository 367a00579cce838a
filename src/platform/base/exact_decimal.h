// The fast path of reading a decimal number, in one place: the client files' values and the CSV
// log's numbers are mostly a few digits with a point among them. Written as its digits (one whole
// number) and a power of ten, such a number needs no general conversion when the whole number is
// at most 2^53 and the power lies within 10^-22..10^22: both are then exact doubles, and one
// multiplication or division gives the correctly rounded value strtod gives
// (fuzz/exact_decimal_fuzzer.cpp compares the two).
#pragma once

#include <cstdint>
#include <optional>

// digits x 10^exponent, negated when negative; nothing outside the exact range.
inline std::optional<double> ExactDecimal(std::uint64_t digits, int exponent, bool negative) {
    static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (digits > (std::uint64_t{1} << 53) || exponent < -22 || exponent > 22) {
        return std::nullopt;
    }
    const double whole = static_cast<double>(digits);
    const double value =
        exponent < 0 ? whole / kPowersOfTen[-exponent] : whole * kPowersOfTen[exponent];
    return negative ? -value : value;
}
