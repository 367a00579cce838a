// A small JSON writer for the tools' one-object-per-line output.
#pragma once

#include <string>
#include <string_view>

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray(std::string_view key = {});
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view value);
    JsonWriter& Int(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // key: value shorthands inside an object
    JsonWriter& Field(std::string_view key, std::string_view value) {
        return Key(key).String(value);
    }
    JsonWriter& Field(std::string_view key, const char* value) { return Key(key).String(value); }
    JsonWriter& Field(std::string_view key, long long value) { return Key(key).Int(value); }
    JsonWriter& Field(std::string_view key, int value) { return Key(key).Int(value); }
    JsonWriter& Field(std::string_view key, bool value) { return Key(key).Bool(value); }

    const std::string& str() const { return m_out; }

private:
    void Separate();

    std::string m_out;
    bool m_needComma = false;
};
