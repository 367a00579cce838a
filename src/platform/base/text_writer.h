// TextWriter: a text put together field by field in a buffer on the stack and appended to a
// CString in large pieces. The progress page and the CSV line are built on every refresh or
// export, and growing a string one field at a time cost more than writing the fields.
#pragma once

#include <charconv>
#include <cstdarg>
#include <cstring>
#include <string_view>

#include "platform/base/cstring.h"

class TextWriter {
public:
    // What is written ends up appended to text, at the latest when the writer goes. The buffer is
    // not zeroed: only the bytes written are ever read.
    // cppcheck-suppress uninitMemberVar
    explicit TextWriter(CString& text) : m_text(text) {}
    ~TextWriter() { Flush(); }
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    void Put(char ch) {
        Reserve(1);
        *m_at++ = ch;
    }
    void Put(std::string_view text) {
        if (text.size() > kSize) {
            Flush();
            m_text.Append(text.data(), static_cast<int>(text.size()));
            return;
        }
        Reserve(static_cast<int>(text.size()));
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
    }
    void Put(const char* text) { Put(std::string_view(text)); }
    void Put(const CString& text) { Put(std::string_view(text.str())); }
    // What printf writes for "%.<decimals>f" (0 to 17 decimals) and "%lld": to_chars gives the
    // same digits, "nan", "-nan", "inf" and "-0.000" included.
    void Fixed(double value, int decimals) {
        Reserve(kNumberMax);
        const std::to_chars_result written =
            std::to_chars(m_at, m_buffer + kSize, value, std::chars_format::fixed, decimals);
        if (written.ec == std::errc()) {
            m_at = written.ptr;
        } else {  // more decimals than the buffer holds: printf itself
            Format("%.*f", decimals, value);
        }
    }
    void Integer(long long value) {
        Reserve(kNumberMax);
        m_at = std::to_chars(m_at, m_buffer + kSize, value).ptr;
    }
    // "%..." as printf writes it, after what is written so far.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        Flush();
        va_list args;
        va_start(args, format);
        m_text.AppendFormatV(format, args);
        va_end(args);
    }
    // Room for up to bytes (at most 1024) that the caller writes itself, then tells how many.
    char* Room(int bytes) {
        Reserve(bytes);
        return m_at;
    }
    void Advance(int written) { m_at += written; }

    // Appends what is in the buffer to the text now.
    void Flush() {
        m_text.Append(m_buffer, static_cast<int>(m_at - m_buffer));
        m_at = m_buffer;
    }

private:
    static constexpr int kSize = 1024;
    // The longest number: a sign, the 309 digits of the largest double, the point, 17 decimals.
    static constexpr int kNumberMax = 328;

    void Reserve(int bytes) {
        if (m_buffer + kSize - m_at < bytes) {
            Flush();
        }
    }

    CString& m_text;
    char m_buffer[kSize];
    char* m_at = m_buffer;
};
