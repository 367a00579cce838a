#include "clientfiles/client_version.h"

#include "clientfiles/client_file_reader.h"
#include "clientfiles/key_table.h"

namespace {

using V = ClientVersion;

constexpr KeyField<V> kKeys[] = {
    {"major_version", Text<&V::major_version>},
    {"minor_version", Text<&V::minor_version>},
};

const KeyLookup<V>& Keys() {
    static const KeyLookup<V> lookup(kKeys);
    return lookup;
}

}  // namespace

void ClientVersion::Reset(const char* dir) {
    const std::int32_t lastKind = kind;  // only Read sets the kind
    *this = ClientVersion(dir);
    kind = lastKind;
}

void ClientVersion::Read(int fileKind) {
    kind = fileKind;
    found = false;
    found = ReadWholeClientFile(directory, ClientFileName(fileKind, "version.txt", "version.sah"),
                                [this](char* text) { Parse(text); });
}

void ClientVersion::Parse(char* text) {
    ParseKeyLines(text, *this, Keys());
}
