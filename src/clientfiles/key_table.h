// A record's key table: each key of its file, with the conversion of its value and the member
// the value goes into. Text is cut into key=value lines and looked up here, over views of the
// file's buffer: no line or value is copied before it is converted.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "clientfiles/value_conversions.h"
#include "platform/base/cstring.h"

template <typename Record>
struct KeyField {
    std::string_view key;
    // Stores the value in the record; null for a key of the file the program does not use.
    void (*store)(Record& record, std::string_view value);
};

namespace key_table_detail {

template <typename Pointer>
struct MemberOf;
template <typename Class, typename Type>
struct MemberOf<Type Class::*> {
    using Record = Class;
};

template <auto Member>
using RecordOf = typename MemberOf<decltype(Member)>::Record;

}  // namespace key_table_detail

// The conversions, each into the member it names.
template <auto Member>
void Text(key_table_detail::RecordOf<Member>& record, std::string_view value) {
    record.*Member = ConvertText(value);
}

// atoi and atol read alike: both members are 32 bits wide.
template <auto Member>
void Integer(key_table_detail::RecordOf<Member>& record, std::string_view value) {
    record.*Member = ConvertAtoi(value);
}

template <auto Member>
void Hexadecimal(key_table_detail::RecordOf<Member>& record, std::string_view value) {
    ConvertHex(value, record.*Member);
}

template <auto Member>
void Decimal(key_table_detail::RecordOf<Member>& record, std::string_view value) {
    record.*Member = ConvertAtof(value);
}

// One element of an array member.
template <auto Array, int Index>
void DecimalElement(key_table_detail::RecordOf<Array>& record, std::string_view value) {
    (record.*Array)[Index] = ConvertAtof(value);
}

// Finds a key's field: the first equal entry of the table (exact and case-sensitive), or none.
template <typename Record>
class KeyLookup {
public:
    // The tables in order, as one.
    template <typename... Tables>
    explicit KeyLookup(const Tables&... tables) {
        (Add(tables), ...);
    }
    const KeyField<Record>* Find(std::string_view key) const {
        const auto it = m_fields.find(key);
        return it != m_fields.end() ? it->second : nullptr;
    }

private:
    template <typename Table>
    void Add(const Table& fields) {
        for (const KeyField<Record>& field : fields) {
            m_fields.emplace(field.key, &field);  // emplace keeps the first of equal keys
        }
    }

    std::unordered_map<std::string_view, const KeyField<Record>*> m_fields;
};

// Cuts the text (up to its first zero byte) into lines at line feeds, runs of them acting as one,
// and trims each. A line with "=" after its first character stores its trimmed value under its
// trimmed key; any other line is passed over, except that one equal to endMarker (when given)
// ends the text there. Keys the table lacks are passed over.
template <typename Record>
void ParseKeyLines(const char* text, Record& record, const KeyLookup<Record>& keys,
                   std::string_view endMarker = {}) {
    std::string_view rest(text);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = TrimWhiteSpace(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            if (!endMarker.empty() && line == endMarker) {
                return;
            }
            continue;
        }
        const KeyField<Record>* field = keys.Find(TrimWhiteSpace(line.substr(0, equals)));
        if (field && field->store) {
            field->store(record, TrimWhiteSpace(line.substr(equals + 1)));
        }
    }
}
