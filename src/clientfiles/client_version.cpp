#include "clientfiles/client_version.h"

#include "clientfiles/client_file_reader.h"
#include "clientfiles/key_table.h"

namespace {

using V = ClientVersion;

constexpr KeyField<V> kKeys[] = {
    {"major_version", &AsText<&V::major_version>},
    {"minor_version", &AsText<&V::minor_version>},
};

const KeyLookup<V>& Keys() {
    static const KeyLookup<V> lookup(kKeys);
    return lookup;
}

}  // namespace

void ClientVersion::Reset(const char* dir) {
    const ClientFileSet lastKind = kind;  // only Read sets the kind
    *this = ClientVersion(dir);
    kind = lastKind;
}

void ClientVersion::Read(ClientFileSet files, ParseMemo<ClientVersion>* memo) {
    kind = files;
    found = false;
    found = ReadWholeClientFile(directory, ClientFileName(files, "version.txt", "version.sah"),
                                [this, memo](const ClientText& text) {
                                    ParseThroughMemo(*this, text.view(), memo, Keys());
                                });
}

void ClientVersion::Parse(char* text) {
    ParseKeyLines(text, *this, Keys());
}

CString ClientVersionText(const ClientVersion& version) {
    if (version.found) {
        return version.major_version.IsEmpty() ? CString("?") : version.major_version + ".x";
    }
    CString text;
    text.Format("%d.x", static_cast<int>(version.kind));
    return text;
}
