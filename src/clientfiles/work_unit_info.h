// WorkUnitInfo: the header of the work unit the client is analysing, or the result file read in
// its place once the unit is finished.
#pragma once

#include <cstdint>

#include "platform/base/cstring.h"

class WorkUnitInfo {
public:
    explicit WorkUnitInfo(const char* dir = nullptr) { Reset(dir); }

    void Reset(const char* dir);
    // Reads "work_unit.sah" ("work_unit.txt" for kind 1), falling back to "result.sah"
    // ("result.txt"). The outcome is found.
    void Read(int kind);
    void Parse(char* text);
    void CopyFrom(const WorkUnitInfo& other) { *this = other; }
    CString GetName() const { return name; }

    bool found;
    CString directory;
    std::int64_t file_time;  // last write of the work-unit file; 0 until first known
    CString name;
    CString type;
    std::int32_t version;
    std::uint32_t splitter_version;
    double start_ra;
    double end_ra;
    double start_dec;
    double end_dec;
    double time_recorded;  // Julian date (UT)
    std::int32_t nsamples;
    double subband_sample_rate;
    double subband_base;
    double subband_center;
    double cpu_time;
    double angle_range;

    // Only the header is wanted; the data part after it is large.
    static constexpr int kMaxWorkUnitBytes = 3072;
};
