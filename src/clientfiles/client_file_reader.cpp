#include "clientfiles/client_file_reader.h"

#include <locale.h>
#include <string.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

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
    m_sorted.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        m_sorted.emplace_back(keys[i], i);
    }
    // Stable, so that of equal keys the first position comes first.
    std::stable_sort(m_sorted.begin(), m_sorted.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

int KeyTable::Position(std::string_view key) const {
    const auto it =
        std::lower_bound(m_sorted.begin(), m_sorted.end(), key,
                         [](const auto& entry, std::string_view k) { return entry.first < k; });
    return (it != m_sorted.end() && it->first == key) ? it->second : m_count;
}

void ParseKeyLines(char* text, const std::function<void(const CString&, const CString&)>& store,
                   const std::function<bool(const CString&)>& bareLine) {
    char* save = nullptr;
    for (char* token = strtok_r(text, "\n", &save); token; token = strtok_r(nullptr, "\n", &save)) {
        CString line(token);
        line.TrimLeft();
        line.TrimRight();
        const int equals = line.Find('=');
        if (equals <= 0) {
            if (bareLine(line)) {
                return;
            }
            continue;
        }
        CString key = line.Left(equals);
        key.TrimRight();
        CString value = line.Mid(equals + 1);
        value.TrimLeft();
        store(key, value);
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
