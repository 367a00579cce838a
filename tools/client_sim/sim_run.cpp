#include "sim_run.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Sleeps until the deadline, waking now and then to look at stop.
void SleepUntil(Clock::time_point deadline, const std::atomic<bool>& stop) {
    constexpr auto kSlice = std::chrono::milliseconds(20);
    while (!stop) {
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            return;
        }
        std::this_thread::sleep_for(std::min<Clock::duration>(deadline - now, kSlice));
    }
}

}  // namespace

bool RunClientSimulator(ClientSimulator& simulator, const SimConfig& config,
                        const std::atomic<bool>& stop) {
    const Clock::time_point start = Clock::now();
    const auto interval = std::chrono::milliseconds(config.intervalMs);
    const bool timed = config.durationSeconds > 0;
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(
                    std::chrono::duration<double>(timed ? config.durationSeconds : 0.0));
    bool ok = true;
    for (std::int64_t done = 0; ok && !stop; ++done) {
        if (config.ticks > 0 && done >= config.ticks) {
            break;
        }
        const Clock::time_point next = Clock::now() + interval;
        SleepUntil(timed ? std::min(next, end) : next, stop);
        if (stop || (timed && Clock::now() >= end)) {
            break;
        }
        ok = simulator.Step();
    }
    return simulator.Settle() && ok;
}
