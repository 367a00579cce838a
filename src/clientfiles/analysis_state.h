// AnalysisState: how far the client has got with the work unit and the best signals so far.
#pragma once

#include <cstdint>

#include "platform/base/cstring.h"

class WorkUnitInfo;

class AnalysisState {
public:
    static constexpr int kBgPotCount = 64;

    explicit AnalysisState(const char* dir = nullptr) { Reset(dir); }

    void Reset(const char* dir);
    // Reads "state.sah" ("state.txt" for kind 1). An empty file clears the record.
    void Read(int kind);
    void Parse(char* text);
    void CopyFrom(const AnalysisState& other) { *this = other; }

    // Element index of bg_pot, or 0.0 outside 0..63.
    double GetBgPot(int index) const;
    // A finished unit (work unit read from the result file): progress 1.0 and the result's
    // CPU time.
    void ApplyResult(const WorkUnitInfo& wu);

    bool found;
    CString directory;
    double cpu;
    double prog;
    std::int32_t fl;
    double bs_score;
    double bs_power;
    double bs_chirp_rate;
    double bg_score;
    double bg_power;
    double bg_chisq;
    double bg_sigma;
    double bg_pot[kBgPotCount];
    double bg_true_mean;
    std::int32_t bg_fft_ind;
    double bg_chirp_rate;
};
