// A record's key table: each key of its file, with the conversion of its value and the member
// the value goes into. Text is cut into key=value lines and looked up here, over views of the
// file's buffer: no line or value is copied before it is converted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "clientfiles/value_conversions.h"
#include "platform/base/cstring.h"

// What a key's value becomes: converted and stored into its member, or copied from the same
// member of another record (which replays an earlier parse).
template <typename Record>
struct KeyRule {
    void (*store)(Record& record, std::string_view value);
    void (*copy)(Record& to, const Record& from);
};

template <typename Record>
struct KeyField {
    std::string_view key;
    // Null for a key of the file the program does not use.
    const KeyRule<Record>* rule;
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

template <auto Member>
void CopyMember(key_table_detail::RecordOf<Member>& to,
                const key_table_detail::RecordOf<Member>& from) {
    to.*Member = from.*Member;
}

template <auto Member>
void StoreText(key_table_detail::RecordOf<Member>& record, std::string_view value) {
    record.*Member = ConvertText(value);
}

template <auto Member>
void StoreInteger(key_table_detail::RecordOf<Member>& record, std::string_view value) {
    record.*Member = ConvertAtoi(value);
}

template <auto Member>
void StoreHexadecimal(key_table_detail::RecordOf<Member>& record, std::string_view value) {
    ConvertHex(value, record.*Member);
}

template <auto Member>
void StoreDecimal(key_table_detail::RecordOf<Member>& record, std::string_view value) {
    record.*Member = ConvertAtof(value);
}

template <auto Array, int Index>
void StoreDecimalElement(key_table_detail::RecordOf<Array>& record, std::string_view value) {
    (record.*Array)[Index] = ConvertAtof(value);
}

template <auto Array, int Index>
void CopyElement(key_table_detail::RecordOf<Array>& to,
                 const key_table_detail::RecordOf<Array>& from) {
    (to.*Array)[Index] = (from.*Array)[Index];
}

// The conversions, each into the member it names: the value as text; atoi (and atol, as wide for
// the 32-bit members); sscanf "%x"; atof; atof into one element of an array member.
template <auto Member>
inline constexpr KeyRule<key_table_detail::RecordOf<Member>> AsText{&StoreText<Member>,
                                                                    &CopyMember<Member>};
template <auto Member>
inline constexpr KeyRule<key_table_detail::RecordOf<Member>> AsInteger{&StoreInteger<Member>,
                                                                       &CopyMember<Member>};
template <auto Member>
inline constexpr KeyRule<key_table_detail::RecordOf<Member>> AsHexadecimal{
    &StoreHexadecimal<Member>, &CopyMember<Member>};
template <auto Member>
inline constexpr KeyRule<key_table_detail::RecordOf<Member>> AsDecimal{&StoreDecimal<Member>,
                                                                       &CopyMember<Member>};
template <auto Array, int Index>
inline constexpr KeyRule<key_table_detail::RecordOf<Array>> AsDecimalElement{
    &StoreDecimalElement<Array, Index>, &CopyElement<Array, Index>};

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
// ends the text there. Keys the table lacks are passed over. Each field stored is added to
// stored, when given.
template <typename Record>
void ParseKeyLines(const char* text, Record& record, const KeyLookup<Record>& keys,
                   std::string_view endMarker = {},
                   std::vector<const KeyField<Record>*>* stored = nullptr) {
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
        if (field && field->rule) {
            field->rule->store(record, TrimWhiteSpace(line.substr(equals + 1)));
            if (stored) {
                stored->push_back(field);
            }
        }
    }
}

// A record's last parse: the text it read and the values it stored. The client rewrites three of
// its four files seldom, so most loads read a text again; its values are then copied rather than
// converted once more. The outcome is what parsing gives, whatever the record holds before.
template <typename Record>
class ParseMemo {
public:
    // Parses text (its bytes, zero-terminated after them) into record as ParseKeyLines does.
    void Parse(std::string_view text, Record& record, const KeyLookup<Record>& keys,
               std::string_view endMarker = {}) {
        if (m_valid && text == m_text) {
            for (const CopyValue copy : m_copies) {
                copy(record, m_values);
            }
            return;
        }
        m_valid = false;  // until this parse is complete (a conversion may fail)
        ++m_parses;
        m_stored.clear();
        ParseKeyLines(text.data(), record, keys, endMarker, &m_stored);
        m_copies.clear();
        for (const KeyField<Record>* field : m_stored) {
            field->rule->copy(m_values, record);
            m_copies.push_back(field->rule->copy);
        }
        m_text.assign(text.data(), text.size());
        m_valid = true;
    }

    // The record was given values some other way: the next text is parsed, whatever it is.
    void Forget() {
        m_valid = false;
        ++m_parses;
    }
    // Texts parsed anew (and Forget calls): unchanged while every text read is the last one.
    std::uint64_t Parses() const { return m_parses; }

private:
    bool m_valid = false;
    std::uint64_t m_parses = 0;
    std::string m_text;
    using CopyValue = void (*)(Record& to, const Record& from);

    std::vector<const KeyField<Record>*> m_stored;
    // The stored fields' copies, in order: a text read again runs these alone.
    std::vector<CopyValue> m_copies;
    Record m_values;
};

// A record's text parsed through its memo when it has one, else as it stands.
template <typename Record>
void ParseThroughMemo(Record& record, std::string_view text, ParseMemo<Record>* memo,
                      const KeyLookup<Record>& keys, std::string_view endMarker = {}) {
    if (memo) {
        memo->Parse(text, record, keys, endMarker);
    } else {
        ParseKeyLines(text.data(), record, keys, endMarker);
    }
}
