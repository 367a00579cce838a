#include "clientfiles/client_file_reader.h"

#include <locale.h>
#include <string.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "platform/base/paths.h"
#include "platform/base/text_encoding.h"

void OpenClientFile(CFile& file, CString& directory, const char* name) {
    file.Open(JoinPath(directory, name).GetString(), CFile::modeRead | CFile::shareDenyNone);
    const CString path = file.GetFilePath();
    const int slash = path.ReverseFind(kPathSeparator);
    directory = slash > 0 ? path.Left(slash) : CString();
}

std::vector<char> ReadClientFile(CFile& file, std::int64_t length) {
    std::vector<char> text;
    try {
        text.assign(static_cast<size_t>(length) + 1, '\0');
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    } catch (const std::length_error&) {
        throw CMemoryException();
    }
    file.Read(text.data(), static_cast<size_t>(length));
    file.Close();
    return text;
}

KeyTable::KeyTable(const char* const* keys, int count) : m_count(count) {
    m_positions.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        // emplace keeps the first of equal keys.
        m_positions.emplace(keys[i], i);
    }
}

int KeyTable::Position(std::string_view key) const {
    const auto it = m_positions.find(key);
    return it != m_positions.end() ? it->second : m_count;
}

namespace {

// The white space CString's Trim functions remove.
bool IsTrimmed(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

CString ToCString(std::string_view text) {
    return CString(std::string(text));
}

}  // namespace

void ParseKeyLines(char* text, const std::function<void(const CString&, const CString&)>& store,
                   const std::function<bool(const CString&)>& bareLine) {
    char* save = nullptr;
    for (char* token = strtok_r(text, "\n", &save); token; token = strtok_r(nullptr, "\n", &save)) {
        // Cut in place: a load parses every line of four files, and copying each line before
        // cutting it into key and value was a large share of a refresh's work.
        const std::string_view line = TrimRight(TrimLeft(token));
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            if (bareLine(ToCString(line))) {
                return;
            }
            continue;
        }
        store(ToCString(TrimRight(line.substr(0, equals))),
              ToCString(TrimLeft(line.substr(equals + 1))));
    }
}

std::int32_t ConvertAtoi(const CString& value) {
    return std::atoi(value.GetString());
}

std::int32_t ConvertAtol(const CString& value) {
    // atol is as wide as long; the member keeps the low 32 bits, as the C conversion does.
    return static_cast<std::int32_t>(std::atol(value.GetString()));
}

double ConvertAtof(const CString& value) {
    // A plain decimal number (digits, sign, point, exponent) that from_chars reads whole gets the
    // same correctly rounded double strtod gives, several times faster; the analysis state holds
    // some eighty of them. Everything else (a "+" sign, white space, hexadecimal, inf and nan,
    // trailing text, a value out of range) is left to strtod.
    const std::string& text = value.str();
    const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) {
        return (ch >= '0' && ch <= '9') || ch == '-' || ch == '.' || ch == 'e' || ch == 'E';
    });
    if (plain) {
        double parsed = 0.0;
        const char* end = text.data() + text.size();
        const std::from_chars_result result = std::from_chars(text.data(), end, parsed);
        if (result.ec == std::errc() && result.ptr == end) {
            return parsed;
        }
    }
    // The user interface may run under a locale whose decimal point is not ".".
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(value.GetString(), nullptr, cLocale);
}

void ConvertHex(const CString& value, std::uint32_t& member) {
    unsigned int parsed = 0;
    if (std::sscanf(value.GetString(), "%x", &parsed) == 1) {
        member = parsed;
    }
}

CString ConvertText(const CString& value) {
    return CString(ToUtf8(value.str()));
}
