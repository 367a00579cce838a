#include "clientfiles/client_file_reader.h"

#include <locale.h>
#include <string.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
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
    const size_t wanted =
        static_cast<size_t>(std::clamp<std::int64_t>(length, 0, kMaxClientFileBytes));
    std::vector<char> text;
    try {
        text.assign(wanted + 1, '\0');
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
    // A file the client is shortening meanwhile gives fewer bytes.
    text.resize(file.Read(text.data(), wanted) + 1);
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

std::string_view TrimWhiteSpace(std::string_view text) {
    // The white space CString's Trim functions remove.
    const auto isWhiteSpace = [](char ch) {
        return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
    };
    while (!text.empty() && isWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

namespace {

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
        const std::string_view line = TrimWhiteSpace(token);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            if (bareLine(ToCString(line))) {
                return;
            }
            continue;
        }
        store(ToCString(TrimWhiteSpace(line.substr(0, equals))),
              ToCString(TrimWhiteSpace(line.substr(equals + 1))));
    }
}

std::int32_t ConvertAtoi(const CString& value) {
    return std::atoi(value.GetString());
}

std::int32_t ConvertAtol(const CString& value) {
    // atol is as wide as long; the member keeps the low 32 bits, as the C conversion does.
    return static_cast<std::int32_t>(std::atol(value.GetString()));
}

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

size_t SkipDigits(std::string_view text, size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// The number that starts the text in the client files' syntax: white space, an optional sign,
// digits with an optional decimal point (at least one digit), an optional exponent. Empty when
// no number starts the text. strtod reads more ("inf", "nan", hexadecimal), which no client
// writes and which must not become a value here.
std::string_view LeadingDecimal(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) {
        ++at;
    }
    const size_t start = at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const size_t integerEnd = SkipDigits(text, at);
    size_t end = integerEnd;
    bool digits = integerEnd > at;
    if (end < text.size() && text[end] == '.') {
        const size_t fractionEnd = SkipDigits(text, end + 1);
        digits = digits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!digits) {
        return {};
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    return text.substr(start, end - start);
}

}  // namespace

double ConvertAtof(const CString& value) {
    std::string_view number = LeadingDecimal(value.str());
    if (number.empty()) {
        return 0.0;
    }
    // from_chars gives the same correctly rounded double as strtod, several times faster (the
    // analysis state holds some eighty values), but takes no "+".
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    double parsed = 0.0;
    const std::from_chars_result result =
        std::from_chars(number.data(), number.data() + number.size(), parsed);
    if (result.ec == std::errc()) {
        return parsed;
    }
    // Out of range: strtod's answer (an infinity, or a value that underflows towards 0), in the
    // "C" locale whatever locale the user interface runs under.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(std::string(number).c_str(), nullptr, cLocale);
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
