#include "platform/base/clock.h"

#include <ctime>
#include <optional>

namespace {

std::optional<std::int64_t>& FixedNow() {
    static std::optional<std::int64_t> fixed;
    return fixed;
}

}  // namespace

std::int64_t Clock::Now() {
    if (FixedNow()) {
        return *FixedNow();
    }
    return static_cast<std::int64_t>(std::time(nullptr));
}

void Clock::Set(std::int64_t secondsSince1970) {
    FixedNow() = secondsSince1970;
}

void Clock::Advance(std::int64_t seconds) {
    FixedNow() = Now() + seconds;
}

void Clock::UseSystemClock() {
    FixedNow().reset();
}
