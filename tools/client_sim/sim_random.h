// The simulator's one source of chance: seeded, so a run with the same seed and tick count
// writes the same files.
#pragma once

#include <cstdint>
#include <random>

class SimRandom {
public:
    explicit SimRandom(std::uint64_t seed) : m_engine(seed) {}

    double Uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(m_engine);
    }
    // low..high, both included.
    std::int64_t Int(std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(m_engine);
    }
    double Normal(double mean, double sd) {
        return std::normal_distribution<double>(mean, sd)(m_engine);
    }
    bool Chance(double probability) { return Uniform(0.0, 1.0) < probability; }

private:
    std::mt19937_64 m_engine;
};
