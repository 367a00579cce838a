#include "clientfiles/user_info.h"

#include "clientfiles/client_file_reader.h"
#include "clientfiles/key_table.h"

namespace {

using U = UserInfo;

// Whichever of the first five comes last in the file names the user.
constexpr KeyField<U> kKeys[] = {
    {"type", &AsText<&U::name>},
    {"id", &AsText<&U::name>},
    {"key", &AsText<&U::name>},
    {"email_addr", &AsText<&U::name>},
    {"name", &AsText<&U::name>},
    {"url", nullptr},
    {"country", nullptr},
    {"postal_code", nullptr},
    {"show_name", nullptr},
    {"show_email", nullptr},
    {"venue", nullptr},
    {"register_time", &AsDecimal<&U::register_time>},
    {"last_wu_time", &AsDecimal<&U::last_wu_time>},
    {"last_result_time", &AsDecimal<&U::last_result_time>},
    {"nwus", &AsInteger<&U::nwus>},
    {"nresults", &AsInteger<&U::nresults>},
    {"total_cpu", &AsDecimal<&U::total_cpu>},
    {"params_index", nullptr},
};

const KeyLookup<U>& Keys() {
    static const KeyLookup<U> lookup(kKeys);
    return lookup;
}

}  // namespace

void UserInfo::Reset(const char* dir) {
    *this = UserInfo(dir);
}

void UserInfo::Read(ClientFileSet files, ParseMemo<UserInfo>* memo) {
    found = false;
    found = ReadWholeClientFile(directory, ClientFileName(files, "user_info.txt", "user_info.sah"),
                                [this, memo](const ClientText& text) {
                                    ParseThroughMemo(*this, text.view(), memo, Keys());
                                });
}

void UserInfo::Parse(char* text) {
    ParseKeyLines(text, *this, Keys());
}
