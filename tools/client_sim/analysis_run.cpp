#include "analysis_run.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The client tries every FFT length, 8 to 131072, at each of the chirp rates in turn.
constexpr int kFftLengths = 15;
constexpr int kChirpSteps = 40;
constexpr double kChirpStep = 0.078125;
// About this many new best signals of each kind per unit.
constexpr double kFindsPerUnit = 25.0;

// key=value with the value to the given number of decimals.
void AppendLine(std::string& text, const char* key, double value, int decimals) {
    char line[128];
    std::snprintf(line, sizeof line, "%s=%.*f\n", key, decimals, value);
    text += line;
}

}  // namespace

AnalysisRun AnalysisRun::Adopt(const KeyValueLines& state, double fallbackTotalCpu) {
    const double prog = std::clamp(state.GetNumber("prog"), 0.0, 1.0);
    const double cpu = state.GetNumber("cpu");
    AnalysisRun run(prog > 0.01 && cpu > 0.0 ? cpu / prog : fallbackTotalCpu);
    run.m_prog = prog;
    for (long long fl = state.GetWhole("fl", 8, 131072); fl > 8; fl /= 2) {
        ++run.m_fftIndex;
    }
    run.m_bsPower = state.GetNumber("bs_power");
    run.m_bsScore = state.GetNumber("bs_score");
    run.m_bsChirpRate = state.GetNumber("bs_chirp_rate");
    run.m_bsBin = static_cast<int>(state.GetWhole("bs_bin", 0, 1 << 20));
    run.m_bsFftLen = static_cast<int>(state.GetWhole("bs_fft_len", 0, 1 << 20));
    run.m_bgScore = state.GetNumber("bg_score");
    run.m_bgPower = state.GetNumber("bg_power");
    run.m_bgChisq = state.GetNumber("bg_chisq");
    run.m_bgChirpRate = state.GetNumber("bg_chirp_rate");
    run.m_bgSigma = state.GetNumber("bg_sigma");
    run.m_bgTrueMean = state.GetNumber("bg_true_mean");
    run.m_bgBin = static_cast<int>(state.GetWhole("bg_bin", 0, 1 << 20));
    run.m_bgT0 = static_cast<int>(state.GetWhole("bg_fft_ind", 0, kBgPotCount - 1));
    for (int i = 0; i < kBgPotCount; ++i) {
        run.m_bgPot[i] = state.GetNumber("bg_pot " + std::to_string(i));
    }
    return run;
}

void AnalysisRun::Advance(double fraction, SimRandom& random) {
    m_prog = std::min(1.0, m_prog + fraction);
    // One FFT length further on each rewrite, so every length shows up whatever the speed.
    m_fftIndex = (m_fftIndex + 1) % kFftLengths;
    const double findChance = std::min(1.0, fraction * kFindsPerUnit);
    if (m_bsScore == 0.0 || random.Chance(findChance)) {
        FindSpike(random);
    }
    // The first Gaussian turns up a little way into the unit; until then the record is zeros.
    if (m_prog > 0.02 && (m_bgScore == 0.0 || random.Chance(findChance))) {
        FindGaussian(random);
    }
}

void AnalysisRun::FindSpike(SimRandom& random) {
    m_bsPower += random.Uniform(0.5, 3.0) + (m_bsPower == 0.0 ? 12.0 : 0.0);
    m_bsScore = m_bsPower / 20.0;
    m_bsChirpRate = ChirpRate();
    m_bsBin = static_cast<int>(random.Int(0, 65535));
    m_bsFftLen = FftLength();
}

void AnalysisRun::FindGaussian(SimRandom& random) {
    m_bgPower += random.Uniform(0.1, 0.6) + (m_bgPower == 0.0 ? 1.5 : 0.0);
    m_bgScore += random.Uniform(0.02, 0.1);
    m_bgChisq = random.Uniform(0.6, 2.5);
    m_bgChirpRate = ChirpRate();
    m_bgSigma = random.Uniform(2.0, 8.0);
    m_bgTrueMean = random.Normal(1.0, 0.02);
    m_bgBin = static_cast<int>(random.Int(0, 65535));
    m_bgT0 = static_cast<int>(random.Int(0, kBgPotCount - 1));
    for (int i = 0; i < kBgPotCount; ++i) {
        const double d = (i - m_bgT0) / m_bgSigma;
        const double shape = m_bgPower * std::exp(-0.5 * d * d);
        m_bgPot[i] = std::max(0.01, m_bgTrueMean + shape + random.Normal(0.0, 0.12));
    }
}

double AnalysisRun::ChirpRate() const {
    // 0, +1, -1, +2, -2, ... steps: the search widens from zero drift.
    const int step = std::min(kChirpSteps - 1, static_cast<int>(m_prog * kChirpSteps));
    const int magnitude = (step + 1) / 2;
    return (step % 2 == 1 ? 1 : -1) * magnitude * kChirpStep;
}

int AnalysisRun::FftLength() const {
    return 8 << m_fftIndex;
}

std::string AnalysisRun::StateText() const {
    std::string text;
    AppendLine(text, "ncfft", std::floor(m_prog * 120000.0), 0);
    char chirp[48];
    std::snprintf(chirp, sizeof chirp, "cr=%.4e\n", ChirpRate());
    text += chirp;
    AppendLine(text, "fl", FftLength(), 0);
    AppendLine(text, "cpu", cpu(), 6);
    AppendLine(text, "prog", m_prog, 8);
    AppendLine(text, "bs_power", m_bsPower, 6);
    AppendLine(text, "bs_score", m_bsScore, 6);
    AppendLine(text, "bs_bin", m_bsBin, 0);
    AppendLine(text, "bs_fft_ind", m_bsBin % 64, 0);
    AppendLine(text, "bs_chirp_rate", m_bsChirpRate, 6);
    AppendLine(text, "bs_fft_len", m_bsFftLen, 0);
    AppendLine(text, "bg_score", m_bgScore, 6);
    AppendLine(text, "bg_power", m_bgPower, 6);
    AppendLine(text, "bg_chisq", m_bgChisq, 6);
    AppendLine(text, "bg_bin", m_bgBin, 0);
    AppendLine(text, "bg_fft_ind", m_bgT0, 0);
    AppendLine(text, "bg_chirp_rate", m_bgChirpRate, 6);
    AppendLine(text, "bg_fft_len", kBgPotCount, 0);
    AppendLine(text, "bg_sigma", m_bgSigma, 6);
    AppendLine(text, "bg_true_mean", m_bgTrueMean, 6);
    for (int i = 0; i < kBgPotCount; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "bg_pot %d", i);
        AppendLine(text, key, m_bgPot[i], 6);
    }
    return text;
}
