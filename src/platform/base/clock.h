// The program's one source of "now". Tests and the scenario runner set it; otherwise it is the
// system clock.
#pragma once

#include <cstdint>

namespace Clock {

// Seconds since 1970-01-01 00:00 UTC.
std::int64_t Now();

// Seconds on a clock that only ever moves forward, from an arbitrary start: what lengths of time
// are judged by, so that setting the wall clock never makes or hides one.
std::int64_t Monotonic();

// Fixes the clock at the given second until UseSystemClock is called. Set is a jump of the wall
// clock only; Advance moves the monotonic clock with it, as time passing does.
void Set(std::int64_t secondsSince1970);
void Advance(std::int64_t seconds);
void UseSystemClock();

}  // namespace Clock
