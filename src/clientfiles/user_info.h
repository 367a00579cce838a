// UserInfo: the user's account totals.
#pragma once

#include <cstdint>
#include <vector>

#include "clientfiles/client_file_reader.h"
#include "platform/base/cstring.h"

template <typename Record>
class ParseMemo;

class UserInfo {
public:
    // A null directory means the working directory.
    explicit UserInfo(const char* dir = nullptr) : directory(dir ? dir : ".") {}

    void Reset(const char* dir);
    // Reads "user_info.sah" ("user_info.txt" for the 1.x clients).
    void Read(ClientFileSet files, ParseMemo<UserInfo>* memo = nullptr);
    void Parse(char* text);
    CString GetName() const { return name; }

    bool found = false;
    CString directory;
    CString name;                // the last of the keys type, id, key, email_addr and name wins
    double register_time = 0.0;  // Julian dates (UT)
    double last_wu_time = 0.0;
    double last_result_time = 0.0;
    double total_cpu = 0.0;
    std::int32_t nwus = 0;
    std::int32_t nresults = 0;
};
