// UserInfo: the user's account totals.
#pragma once

#include <cstdint>

#include "platform/base/cstring.h"

class UserInfo {
public:
    explicit UserInfo(const char* dir = nullptr) { Reset(dir); }

    void Reset(const char* dir);
    // Reads "user_info.sah" ("user_info.txt" for kind 1).
    void Read(int kind);
    void Parse(char* text);
    CString GetName() const { return name; }

    bool found;
    CString directory;
    CString name;  // the last of the keys type, id, key, email_addr and name wins
    double register_time;     // Julian dates (UT)
    double last_wu_time;
    double last_result_time;
    double total_cpu;
    std::int32_t nwus;
    std::int32_t nresults;
};
