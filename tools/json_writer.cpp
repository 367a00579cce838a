#include "json_writer.h"

#include <cstdio>

void JsonWriter::Separate() {
    if (m_needComma) {
        m_out += ',';
    }
    m_needComma = true;
}

JsonWriter& JsonWriter::BeginObject() {
    Separate();
    m_out += '{';
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    m_out += '}';
    m_needComma = true;
    return *this;
}

JsonWriter& JsonWriter::BeginArray(std::string_view key) {
    if (!key.empty()) {
        Key(key);
    } else {
        Separate();
    }
    m_out += '[';
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    m_out += ']';
    m_needComma = true;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    String(key);
    m_out += ':';
    m_needComma = false;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
    Separate();
    m_out += '"';
    for (const char ch : value) {
        switch (ch) {
            case '"':
                m_out += "\\\"";
                break;
            case '\\':
                m_out += "\\\\";
                break;
            case '\n':
                m_out += "\\n";
                break;
            case '\r':
                m_out += "\\r";
                break;
            case '\t':
                m_out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
                    m_out += escaped;
                } else {
                    m_out += ch;
                }
        }
    }
    m_out += '"';
    return *this;
}

JsonWriter& JsonWriter::Int(long long value) {
    Separate();
    m_out += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    m_out += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    Separate();
    m_out += "null";
    return *this;
}
