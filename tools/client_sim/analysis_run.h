// The client's analysis of one work unit as its state file shows it: progress and CPU time
// rising, the FFT length cycling through 8..131072, and the best spike and best Gaussian so far.
#pragma once

#include <string>

#include "key_value_lines.h"
#include "sim_random.h"

class AnalysisRun {
public:
    static constexpr int kBgPotCount = 64;

    // A run from the start of a unit that takes totalCpu CPU seconds.
    explicit AnalysisRun(double totalCpu) : m_totalCpu(totalCpu) {}
    // A run already under way, from the values of a state file.
    static AnalysisRun Adopt(const KeyValueLines& state, double fallbackTotalCpu);

    // Moves progress on by fraction (capped at 1), with the CPU time, the FFT length and now and
    // then a stronger best signal.
    void Advance(double fraction, SimRandom& random);

    double prog() const { return m_prog; }
    double cpu() const { return m_prog * m_totalCpu; }
    bool done() const { return m_prog >= 1.0; }
    // The whole state.sah.
    std::string StateText() const;

private:
    void FindSpike(SimRandom& random);
    void FindGaussian(SimRandom& random);
    double ChirpRate() const;
    int FftLength() const;

    double m_totalCpu;
    double m_prog = 0.0;
    int m_fftIndex = 0;  // fl = 8 << m_fftIndex
    double m_bsPower = 0.0;
    double m_bsScore = 0.0;
    double m_bsChirpRate = 0.0;
    int m_bsBin = 0;
    int m_bsFftLen = 0;
    double m_bgScore = 0.0;
    double m_bgPower = 0.0;
    double m_bgChisq = 0.0;
    double m_bgChirpRate = 0.0;
    double m_bgSigma = 0.0;
    double m_bgTrueMean = 0.0;
    int m_bgBin = 0;
    int m_bgT0 = 0;
    double m_bgPot[kBgPotCount] = {};
};
