#include "platform/base/cstring.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace {

bool IsWhiteSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

__attribute__((format(printf, 2, 0))) void AppendFormatted(std::string& out, const char* format,
                                                           va_list args) {
    char small[256];
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (needed < 0) {
        return;
    }
    if (static_cast<size_t>(needed) < sizeof small) {
        out.append(small, static_cast<size_t>(needed));
        return;
    }
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(needed) + 1);
    std::vsnprintf(&out[start], static_cast<size_t>(needed) + 1, format, args);
    out.resize(start + static_cast<size_t>(needed));
}

}  // namespace

CString::CString(const char* text) : m_text(text ? text : "") {}

CString::CString(const char* text, int length)
    : m_text(text && length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string()) {}

void CString::Format(const char* format, ...) {
    std::string result;
    va_list args;
    va_start(args, format);
    AppendFormatted(result, format, args);
    va_end(args);
    m_text.swap(result);
}

void CString::AppendFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatted(m_text, format, args);
    va_end(args);
}

void CString::AppendFormatV(const char* format, va_list args) {
    AppendFormatted(m_text, format, args);
}

CString& CString::TrimLeft() {
    size_t first = 0;
    while (first < m_text.size() && IsWhiteSpace(m_text[first])) {
        ++first;
    }
    m_text.erase(0, first);
    return *this;
}

CString& CString::TrimRight() {
    size_t end = m_text.size();
    while (end > 0 && IsWhiteSpace(m_text[end - 1])) {
        --end;
    }
    m_text.resize(end);
    return *this;
}

int CString::Find(char ch, int start) const {
    if (start < 0 || static_cast<size_t>(start) > m_text.size()) {
        return -1;
    }
    const size_t at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* text, int start) const {
    if (!text || start < 0 || static_cast<size_t>(start) > m_text.size()) {
        return -1;
    }
    const size_t at = m_text.find(text, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const {
    const size_t at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
    if (count <= 0) {
        return CString();
    }
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const {
    if (first < 0) {
        first = 0;
    }
    if (static_cast<size_t>(first) >= m_text.size()) {
        return CString();
    }
    return CString(m_text.substr(static_cast<size_t>(first)));
}

CString CString::Mid(int first, int count) const {
    if (first < 0) {
        first = 0;
    }
    if (count <= 0 || static_cast<size_t>(first) >= m_text.size()) {
        return CString();
    }
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    if (count <= 0) {
        return CString();
    }
    const size_t n = static_cast<size_t>(count);
    return n >= m_text.size() ? *this : CString(m_text.substr(m_text.size() - n));
}

CString& CString::operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(const char* other) {
    if (other) {
        m_text += other;
    }
    return *this;
}

CString& CString::operator+=(char ch) {
    m_text += ch;
    return *this;
}

int ByteCompare(const char* a, const char* b) {
    return std::strcmp(a ? a : "", b ? b : "");
}

void PrintTo(const CString& text, std::ostream* os) {
    *os << '"' << text.str() << '"';
}
