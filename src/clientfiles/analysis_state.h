// AnalysisState: how far the client has got with the work unit and the best signals so far.
#pragma once

#include <cstdint>
#include <vector>

#include "clientfiles/client_file_reader.h"
#include "platform/base/cstring.h"

class WorkUnitInfo;

template <typename Record>
class ParseMemo;

class AnalysisState {
public:
    static constexpr int kBgPotCount = 64;

    // A null directory means the working directory.
    explicit AnalysisState(const char* dir = nullptr) : directory(dir ? dir : ".") {}

    void Reset(const char* dir);
    // Reads "state.sah" ("state.txt" for the 1.x clients). An empty file clears the record.
    void Read(ClientFileSet files, ParseMemo<AnalysisState>* memo = nullptr);
    static const char* FileName(ClientFileSet files) {
        return ClientFileName(files, "state.txt", "state.sah");
    }
    void Parse(char* text);
    void CopyFrom(const AnalysisState& other) { *this = other; }

    // Element index of bg_pot, or 0.0 outside 0..63.
    double GetBgPot(int index) const;
    // A finished unit (work unit read from the result file): progress 1.0 and the result's
    // CPU time.
    void ApplyResult(const WorkUnitInfo& wu);

    bool found = false;
    CString directory;
    double cpu = 0.0;
    double prog = 0.0;
    std::int32_t fl = 0;
    double bs_score = 0.0;
    double bs_power = 0.0;
    double bs_chirp_rate = 0.0;
    double bg_score = 0.0;
    double bg_power = 0.0;
    double bg_chisq = 0.0;
    double bg_sigma = 0.0;
    double bg_pot[kBgPotCount] = {};
    double bg_true_mean = 0.0;
    std::int32_t bg_fft_ind = 0;
    double bg_chirp_rate = 0.0;
};
