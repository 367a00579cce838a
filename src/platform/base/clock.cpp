#include "platform/base/clock.h"

#include <atomic>
#include <chrono>
#include <climits>
#include <ctime>

namespace {

// The overview's refreshes read the clock on their own threads while a test may set it.
constexpr std::int64_t kSystemClock = INT64_MIN;

std::atomic<std::int64_t>& FixedNow() {
    static std::atomic<std::int64_t> fixed{kSystemClock};
    return fixed;
}

// While the clock is fixed, the monotonic clock moves only by Advance.
std::atomic<std::int64_t>& FixedMonotonic() {
    static std::atomic<std::int64_t> fixed{0};
    return fixed;
}

}  // namespace

namespace {

std::int64_t SteadySeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

std::int64_t Clock::Monotonic() {
    if (FixedNow().load(std::memory_order_relaxed) != kSystemClock) {
        return FixedMonotonic().load(std::memory_order_relaxed);
    }
    return SteadySeconds();
}

std::int64_t Clock::Now() {
    const std::int64_t fixed = FixedNow().load(std::memory_order_relaxed);
    if (fixed != kSystemClock) {
        return fixed;
    }
    return static_cast<std::int64_t>(std::time(nullptr));
}

void Clock::Set(std::int64_t secondsSince1970) {
    // From the system clock, the monotonic one carries on from where it was.
    if (FixedNow().load(std::memory_order_relaxed) == kSystemClock) {
        FixedMonotonic().store(SteadySeconds(), std::memory_order_relaxed);
    }
    FixedNow().store(secondsSince1970, std::memory_order_relaxed);
}

void Clock::Advance(std::int64_t seconds) {
    FixedNow().store(Now() + seconds, std::memory_order_relaxed);
    FixedMonotonic().fetch_add(seconds > 0 ? seconds : 0, std::memory_order_relaxed);
}

void Clock::UseSystemClock() {
    FixedNow().store(kSystemClock, std::memory_order_relaxed);
}
