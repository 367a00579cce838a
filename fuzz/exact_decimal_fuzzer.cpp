// ExactDecimal against strtod on random digits and powers of ten: where it gives a value, the
// same double, bit for bit.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/base/exact_decimal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 11) {
        return 0;
    }
    std::uint64_t digits = 0;
    std::memcpy(&digits, data, sizeof digits);
    digits >>= data[8] % 64;  // every magnitude, not mostly twenty-digit ones
    const int exponent = data[9] % 61 - 30;
    const bool negative = (data[10] & 1) != 0;
    const std::optional<double> exact = ExactDecimal(digits, exponent, negative);
    if (!exact) {
        return 0;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%s%llue%d", negative ? "-" : "",
                  static_cast<unsigned long long>(digits), exponent);
    const double reference = std::strtod(text, nullptr);
    if (std::memcmp(&reference, &*exact, sizeof reference) != 0) {
        std::fprintf(stderr, "%s: strtod %.17g, ExactDecimal %.17g\n", text, reference, *exact);
        std::abort();
    }
    return 0;
}
