// What a simulator run does: where, how fast, how long, and whether it tears its writes.
#pragma once

#include <cstdint>
#include <string>

struct SimConfig {
    std::string dir;              // the client directory; nothing is written outside it
    double unitsPerMinute = 0.4;  // 0.4: a work unit every 2.5 minutes
    std::uint64_t seed = 1;
    int intervalMs = 1000;         // between two rewrites
    std::int64_t ticks = 0;        // rewrites before stopping; 0 for no limit
    double durationSeconds = 0.0;  // seconds before stopping; 0 for no limit
    bool glitches = false;         // also cut, half-write and briefly remove files
    double glitchRate = 0.25;      // share of the writes that are torn when glitches is set
    std::int64_t startTime = 0;    // the simulated clock's start, seconds since 1970
};
