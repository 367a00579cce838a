#include "clientfiles/user_info.h"

#include "clientfiles/client_file_reader.h"
#include "clientfiles/key_table.h"

namespace {

using U = UserInfo;

// Whichever of the first five comes last in the file names the user.
constexpr KeyField<U> kKeys[] = {
    {"type", Text<&U::name>},
    {"id", Text<&U::name>},
    {"key", Text<&U::name>},
    {"email_addr", Text<&U::name>},
    {"name", Text<&U::name>},
    {"url", nullptr},
    {"country", nullptr},
    {"postal_code", nullptr},
    {"show_name", nullptr},
    {"show_email", nullptr},
    {"venue", nullptr},
    {"register_time", Decimal<&U::register_time>},
    {"last_wu_time", Decimal<&U::last_wu_time>},
    {"last_result_time", Decimal<&U::last_result_time>},
    {"nwus", Integer<&U::nwus>},
    {"nresults", Integer<&U::nresults>},
    {"total_cpu", Decimal<&U::total_cpu>},
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

void UserInfo::Read(ClientFileSet files) {
    found = false;
    found = ReadWholeClientFile(directory, ClientFileName(files, "user_info.txt", "user_info.sah"),
                                [this](char* text) { Parse(text); });
}

void UserInfo::Parse(char* text) {
    ParseKeyLines(text, *this, Keys());
}
