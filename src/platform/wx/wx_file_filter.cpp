#include "platform/wx/wx_file_filter.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// GTK's "*.*" needs a dot in the name; Windows' matches every name.
std::string PatternsForWx(const std::string& patterns) {
    std::string converted;
    for (const std::string& pattern : Split(patterns, ';')) {
        if (!converted.empty()) {
            converted += ';';
        }
        converted += pattern == "*.*" ? "*" : pattern;
    }
    return converted;
}

}  // namespace

CString ToWxWildcard(const CString& filter) {
    std::vector<std::string> entries;
    for (const std::string& entry : Split(filter.str(), '|')) {
        if (entry.empty()) {
            break;
        }
        entries.push_back(entry);
    }
    std::string wildcard;
    for (size_t i = 0; i + 1 < entries.size(); i += 2) {
        if (!wildcard.empty()) {
            wildcard += '|';
        }
        wildcard += entries[i] + '|' + PatternsForWx(entries[i + 1]);
    }
    return CString(wildcard);
}
