#include "clientfiles/client_version.h"

#include <iterator>

#include "clientfiles/client_file_reader.h"

namespace {

const char* const kKeys[] = {"major_version", "minor_version"};

const KeyTable& Keys() {
    static const KeyTable table(kKeys, static_cast<int>(std::size(kKeys)));
    return table;
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
    ParseKeyLines(
        text,
        [this](const CString& key, const CString& value) {
            switch (Keys().Position(key.str())) {
                case 0:
                    major_version = ConvertText(value);
                    break;
                case 1:
                    minor_version = ConvertText(value);
                    break;
                default:
                    break;
            }
        },
        [](const CString&) { return false; });
}
