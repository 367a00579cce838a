// WorkUnitInfo: the header of the work unit the client is analysing, or the result file read in
// its place once the unit is finished.
#pragma once

#include <cstdint>
#include <vector>

#include "clientfiles/client_file_reader.h"
#include "platform/base/cstring.h"

template <typename Record>
class ParseMemo;
class ResultSettling;

class WorkUnitInfo {
public:
    // A null directory means the working directory.
    explicit WorkUnitInfo(const char* dir = nullptr) : directory(dir ? dir : ".") {}

    void Reset(const char* dir);
    // Reads "work_unit.sah" ("work_unit.txt" for the 1.x clients), falling back to "result.sah"
    // ("result.txt"). The outcome is found. settling: the looks at a result read without the
    // end of its header, kept between loads (without it every look is the first).
    void Read(ClientFileSet files, ParseMemo<WorkUnitInfo>* memo = nullptr,
              ResultSettling* settling = nullptr);
    void Parse(char* text);
    void CopyFrom(const WorkUnitInfo& other) { *this = other; }
    // Read, and the result of a finished unit rather than a unit in analysis.
    bool IsResult() const { return found && type == "result"; }

    bool found = false;
    CString directory;
    std::int64_t file_time = 0;  // last write of the work-unit file; 0 until first known
    CString name;
    CString type;
    std::int32_t version = 0;
    std::uint32_t splitter_version = 0;
    double start_ra = 0.0;
    double end_ra = 0.0;
    double start_dec = 0.0;
    double end_dec = 0.0;
    double time_recorded = 0.0;  // Julian date (UT)
    std::int32_t nsamples = 0;
    double subband_sample_rate = 0.0;
    double subband_base = 0.0;
    double subband_center = 0.0;
    double cpu_time = 0.0;
    double angle_range = 0.0;

    // Only the header is wanted; the data part after it is large.
    static constexpr int kMaxWorkUnitBytes = 3072;
};
