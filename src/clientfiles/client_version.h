// ClientVersion: the client's version, whose file also decides between the ".sah" and ".txt"
// file names.
#pragma once

#include <cstdint>

#include "platform/base/cstring.h"

class ClientVersion {
public:
    // A null directory means the working directory.
    explicit ClientVersion(const char* dir = nullptr) : directory(dir ? dir : ".") {}

    void Reset(const char* dir);
    // Stores kind, then reads "version.sah" ("version.txt" for kind 1).
    void Read(int kind);
    void Parse(char* text);
    // kind when found, else -1.
    int GetKind() const { return found ? kind : -1; }

    bool found = false;
    CString directory;
    CString major_version;
    CString minor_version;
    std::int32_t kind = 0;
};
