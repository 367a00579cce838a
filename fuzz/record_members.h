// The four client records as lists of members, and records filled with values no file gives, so
// that the fuzz targets can see which members a read or parse changed.
#pragma once

#include <vector>

#include "clientfiles/analysis_state.h"
#include "clientfiles/client_version.h"
#include "clientfiles/user_info.h"
#include "clientfiles/work_unit_info.h"
#include "fuzz_support.h"

namespace fuzz {

// Every value member except found and directory, in declaration order.
inline std::vector<Member> Members(const WorkUnitInfo& wu) {
    return {Number(wu.file_time),
            Text(wu.name),
            Text(wu.type),
            Number(wu.version),
            Number(wu.splitter_version),
            Number(wu.start_ra),
            Number(wu.end_ra),
            Number(wu.start_dec),
            Number(wu.end_dec),
            Number(wu.time_recorded),
            Number(wu.nsamples),
            Number(wu.subband_sample_rate),
            Number(wu.subband_base),
            Number(wu.subband_center),
            Number(wu.cpu_time),
            Number(wu.angle_range)};
}

inline std::vector<Member> Members(const AnalysisState& state) {
    std::vector<Member> members = {
        Number(state.cpu),          Number(state.prog),         Number(state.fl),
        Number(state.bs_score),     Number(state.bs_power),     Number(state.bs_chirp_rate),
        Number(state.bg_score),     Number(state.bg_power),     Number(state.bg_chisq),
        Number(state.bg_sigma),     Number(state.bg_true_mean), Number(state.bg_fft_ind),
        Number(state.bg_chirp_rate)};
    for (int i = 0; i < AnalysisState::kBgPotCount; ++i) {
        members.push_back(Number(state.bg_pot[i]));
    }
    return members;
}

inline std::vector<Member> Members(const UserInfo& user) {
    return {Text(user.name),           Number(user.register_time),
            Number(user.last_wu_time), Number(user.last_result_time),
            Number(user.total_cpu),    Number(user.nwus),
            Number(user.nresults)};
}

inline std::vector<Member> Members(const ClientVersion& version) {
    return {Text(version.major_version), Text(version.minor_version),
            Number(static_cast<int>(version.kind))};
}

inline bool SameMembers(const std::vector<Member>& a, const std::vector<Member>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].bytes != b[i].bytes) {
            return false;
        }
    }
    return true;
}

// A found record in dir whose every member differs between seeds 1 and 2 and from the defaults.
template <typename Record>
Record Filled(int seed, const char* dir = "/prefilled");

template <>
inline WorkUnitInfo Filled<WorkUnitInfo>(int seed, const char* dir) {
    WorkUnitInfo wu(dir);
    wu.found = true;
    wu.file_time = 1000000000 + seed;
    wu.name = seed == 1 ? "unit-a" : "unit-b";
    wu.type = seed == 1 ? "type-a" : "type-b";
    wu.version = 700 + seed;
    wu.splitter_version = 0xabc0u + static_cast<unsigned>(seed);
    wu.start_ra = 1.5 + seed;
    wu.end_ra = 2.5 + seed;
    wu.start_dec = 3.5 + seed;
    wu.end_dec = 4.5 + seed;
    wu.time_recorded = 2451545.5 + seed;
    wu.nsamples = 1048576 + seed;
    wu.subband_sample_rate = 9765.5 + seed;
    wu.subband_base = 1.42e9 + seed;
    wu.subband_center = 1.43e9 + seed;
    wu.cpu_time = 3600.5 + seed;
    wu.angle_range = 0.25 + seed;
    return wu;
}

template <>
inline AnalysisState Filled<AnalysisState>(int seed, const char* dir) {
    AnalysisState state(dir);
    state.found = true;
    state.cpu = 100.5 + seed;
    state.prog = 0.125 * seed;
    state.fl = 8192 + seed;
    state.bs_score = 1.5 + seed;
    state.bs_power = 2.5 + seed;
    state.bs_chirp_rate = 3.5 + seed;
    state.bg_score = 4.5 + seed;
    state.bg_power = 5.5 + seed;
    state.bg_chisq = 6.5 + seed;
    state.bg_sigma = 7.5 + seed;
    for (int i = 0; i < AnalysisState::kBgPotCount; ++i) {
        state.bg_pot[i] = 1000.0 * seed + i;
    }
    state.bg_true_mean = 8.5 + seed;
    state.bg_fft_ind = 30 + seed;
    state.bg_chirp_rate = 9.5 + seed;
    return state;
}

template <>
inline UserInfo Filled<UserInfo>(int seed, const char* dir) {
    UserInfo user(dir);
    user.found = true;
    user.name = seed == 1 ? "user-a" : "user-b";
    user.register_time = 2451000.5 + seed;
    user.last_wu_time = 2452000.5 + seed;
    user.last_result_time = 2453000.5 + seed;
    user.total_cpu = 123456.5 + seed;
    user.nwus = 40 + seed;
    user.nresults = 30 + seed;
    return user;
}

template <>
inline ClientVersion Filled<ClientVersion>(int seed, const char* dir) {
    ClientVersion version(dir);
    version.found = true;
    version.major_version = seed == 1 ? "major-a" : "major-b";
    version.minor_version = seed == 1 ? "minor-a" : "minor-b";
    version.kind = seed % 2 == 0 ? ClientFileSet::Sah : ClientFileSet::Txt;
    return version;
}

}  // namespace fuzz
