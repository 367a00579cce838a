// The program's one source of "now". Tests and the scenario runner set it; otherwise it is the
// system clock.
#pragma once

#include <cstdint>

namespace Clock {

// Seconds since 1970-01-01 00:00 UTC.
std::int64_t Now();

// Fixes the clock at the given second until UseSystemClock is called.
void Set(std::int64_t secondsSince1970);
void Advance(std::int64_t seconds);
void UseSystemClock();

}  // namespace Clock
