// ClientVersion: the client's version, whose file also decides between the ".sah" and ".txt"
// file names.
#pragma once

#include <optional>
#include <vector>

#include "clientfiles/client_file_reader.h"
#include "platform/base/cstring.h"

template <typename Record>
class ParseMemo;

class ClientVersion {
public:
    // A null directory means the working directory.
    explicit ClientVersion(const char* dir = nullptr) : directory(dir ? dir : ".") {}

    void Reset(const char* dir);
    // Stores the file set as kind, then reads "version.sah" ("version.txt" for the 1.x clients).
    void Read(ClientFileSet files, ParseMemo<ClientVersion>* memo = nullptr);
    void Parse(char* text);
    // kind when found, else none.
    std::optional<ClientFileSet> GetKind() const {
        return found ? std::optional<ClientFileSet>(kind) : std::nullopt;
    }

    bool found = false;
    CString directory;
    CString major_version;
    CString minor_version;
    ClientFileSet kind = ClientFileSet::Sah;
};

// The client version as the header shows it: major_version and ".x", "?" when the file has none;
// without a version file, the file set the load fell back to, always "1.x".
CString ClientVersionText(const ClientVersion& version);
