#include "clientfiles/user_info.h"

#include <iterator>

#include "clientfiles/client_file_reader.h"

namespace {

const char* const kKeys[] = {
    "type",         "id",
    "key",          "email_addr",
    "name",         "url",
    "country",      "postal_code",
    "show_name",    "show_email",
    "venue",        "register_time",
    "last_wu_time", "last_result_time",
    "nwus",         "nresults",
    "total_cpu",    "params_index",
};

const KeyTable& Keys() {
    static const KeyTable table(kKeys, static_cast<int>(std::size(kKeys)));
    return table;
}

}  // namespace

void UserInfo::Reset(const char* dir) {
    *this = UserInfo(dir);
}

void UserInfo::Read(int kind) {
    found = false;
    found = ReadWholeClientFile(directory, ClientFileName(kind, "user_info.txt", "user_info.sah"),
                                [this](char* text) { Parse(text); });
}

void UserInfo::Parse(char* text) {
    ParseKeyLines(
        text,
        [this](const CString& key, const CString& value) {
            switch (Keys().Position(key.str())) {
                // Whichever of these comes last names the user.
                case 0:
                case 1:
                case 2:
                case 3:
                case 4:
                    name = ConvertText(value);
                    break;
                case 11:
                    register_time = ConvertAtof(value);
                    break;
                case 12:
                    last_wu_time = ConvertAtof(value);
                    break;
                case 13:
                    last_result_time = ConvertAtof(value);
                    break;
                case 14:
                    nwus = ConvertAtol(value);
                    break;
                case 15:
                    nresults = ConvertAtol(value);
                    break;
                case 16:
                    total_cpu = ConvertAtof(value);
                    break;
                default:
                    break;
            }
        },
        [](const CString&) { return false; });
}
