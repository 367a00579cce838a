#include "pages/duration.h"

#include <cmath>
#include <cstdint>
#include <limits>

DurationFields SplitDuration(double seconds) {
    std::int32_t n = 0;
    double fraction = 0.0;
    if (seconds >= 2147483647.0) {
        n = std::numeric_limits<std::int32_t>::max();
    } else if (seconds <= -2147483648.0) {
        n = std::numeric_limits<std::int32_t>::min();
    } else if (!std::isnan(seconds)) {
        n = static_cast<std::int32_t>(seconds);
        fraction = seconds - n;
    }
    return DurationFields{n / 3600, (n % 3600) / 60, (n % 60) + fraction};
}
