// CString: the program's text type. UTF-8 bytes over std::string; lengths, positions and cuts
// count bytes. Format follows printf, so format strings are used as they stand.
#pragma once

#include <cstdarg>
#include <iosfwd>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    // Texts mix freely, as literals and std::strings.
    // cppcheck-suppress noExplicitConstructor
    CString(const char* text);  // NOLINT(google-explicit-constructor)
    CString(const char* text, int length);
    // cppcheck-suppress noExplicitConstructor
    CString(std::string text) : m_text(std::move(text)) {}  // NOLINT(google-explicit-constructor)

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    char operator[](int index) const { return m_text[static_cast<size_t>(index)]; }

    // Replaces the text with the printf-formatted result.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Appends the printf-formatted result.
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormatV(const char* format, va_list args) __attribute__((format(printf, 2, 0)));

    // White space is the single-byte set space, tab, LF, VT, FF and CR.
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim() { return TrimRight().TrimLeft(); }

    // Positions are byte offsets; -1 when not found.
    int Find(char ch, int start = 0) const;
    int Find(const char* text, int start = 0) const;
    int ReverseFind(char ch) const;

    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    CString& operator+=(const CString& other);
    CString& operator+=(const char* other);
    CString& operator+=(char ch);
    // Makes room for a text of length bytes, so that appending up to it allocates nothing.
    void Preallocate(int length) { m_text.reserve(static_cast<size_t>(length)); }
    // Appends length bytes from text.
    CString& Append(const char* text, int length) {
        m_text.append(text, static_cast<size_t>(length));
        return *this;
    }

    friend CString operator+(CString left, const CString& right) { return left += right; }
    friend CString operator+(CString left, const char* right) { return left += right; }
    friend CString operator+(const char* left, const CString& right) {
        return CString(left) += right;
    }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
    std::string m_text;
};

// Lets test frameworks print the text.
void PrintTo(const CString& text, std::ostream* os);

// Byte-wise comparison of two zero-terminated texts, as _mbscmp orders them: <0, 0 or >0.
int ByteCompare(const char* a, const char* b);
