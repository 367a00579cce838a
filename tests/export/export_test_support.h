// Records with hand-chosen values and the texts they are exported as, shared by the export tests.
#pragma once

#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "clientfiles/analysis_state.h"
#include "clientfiles/work_unit_info.h"

namespace export_test {

// The title lines, without their line end.
inline const std::string kTitle23 =
    "\"Update\",\"Unit Name\",\"Received\",\"SETI Version\",\"Splitter Version\",\"Time(UT)\","
    "\"From(RA)\",\"From(Dec)\",\"To(RA)\",\"To(Dec)\",\"Base Freq\",\"Center Freq\",\"Rate\","
    "\" Samples\",\"Samples/Rate\",\"Progress\",\"CPU Time\",\"CPU Time at Completed\","
    "\"Score(Spike)\",\"Power(Spike)\",\"Score(Gaussians)\",\"Power(Gaussians)\","
    "\"Fit(Gaussians)\"";
inline const std::string kTitle28 =
    kTitle23 +
    ",\"True Mean(Gaussians)\",\"Sigma(Gaussians)\",\"t0(Gaussians)\",\"Chirp Rate(Spike)\","
    "\"Chirp Rate(Gaussians)\"";

inline constexpr std::int64_t kUpdateTime = 1700000000;  // 2023-11-14 22:13:20 UTC

inline WorkUnitInfo SampleWorkUnit(const char* name = "01mr03aa.1234.5678.9.10") {
    WorkUnitInfo wu;
    wu.found = true;
    wu.name = name;
    wu.file_time = 1000000000;  // 2001-09-09 01:46:40 UTC
    wu.version = 26;
    wu.splitter_version = 0x10;
    wu.time_recorded = 2451545.0;  // 2000-01-01 12:00:00 UT
    wu.start_ra = 5.12345;
    wu.start_dec = 17.8765;
    wu.end_ra = 5.25;
    wu.end_dec = 18.0;
    wu.subband_base = 1420078125.0;
    wu.subband_center = 1420087890.6;
    wu.subband_sample_rate = 2500.0;
    wu.nsamples = 1048576;
    return wu;
}

inline AnalysisState SampleState() {
    AnalysisState state;
    state.found = true;
    state.prog = 0.25;
    state.cpu = 1234.5;
    state.bs_score = 1.5;
    state.bs_power = 20.123456789;
    state.bg_score = 0.75;
    state.bg_power = 2.5;
    state.bg_chisq = 1.234567;
    state.bg_true_mean = 0.9;
    state.bg_sigma = 3.25;
    state.bg_fft_ind = 42;
    state.bs_chirp_rate = -0.5;
    state.bg_chirp_rate = 1.25;
    for (int i = 0; i < AnalysisState::kBgPotCount; ++i) {
        state.bg_pot[i] = i / 8.0;
    }
    return state;
}

// The sample records' line with TZ=UTC, without its line end; the new layout appends
// kSampleNewColumns.
inline const std::string kSampleLine23 =
    "2023/11/14 22:13:20,\"01mr03aa.1234.5678.9.10\",2001/09/09 01:46:40,26,16,"
    "2000/01/01 12:00:00,5.123,17.88,5.250,18.00,1420078125.00,1420087890.60,2500.00,1048576,"
    "419.430,0.250000,1234.500,4938.000,1.500000,20.123457,0.750000,2.500000,1.234567";
inline const std::string kSampleNewColumns = ",0.900000,3.250000,42,-0.500000,1.250000";

// Sets an environment variable for the life of the object and puts the previous value back.
class ScopedEnv {
public:
    // Sets the variable; a null value unsets it.
    ScopedEnv(const char* name, const char* value)
        : m_name(name), m_had(getenv(name) != nullptr), m_previous(m_had ? getenv(name) : "") {
        value ? setenv(name, value, 1) : unsetenv(name);
        tzset();
    }
    ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name, value.c_str()) {}
    ~ScopedEnv() {
        m_had ? setenv(m_name, m_previous.c_str(), 1) : unsetenv(m_name);
        tzset();
    }

private:
    const char* m_name;
    bool m_had;
    std::string m_previous;
};

struct ScopedTimeZone : ScopedEnv {
    explicit ScopedTimeZone(const char* zone) : ScopedEnv("TZ", zone) {}
};

// The names in a directory, sorted.
inline std::vector<std::string> ListDirectory(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace export_test
