#include "platform/base/quick_format.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "platform/base/number_text.h"

namespace {

struct Conversion {
    bool left = false;   // '-'
    bool plus = false;   // '+'
    bool space = false;  // ' '
    bool zero = false;   // '0'
    int width = 0;
    int precision = -1;
    int longs = 0;  // 'l' or "ll"
    char kind = 0;
};

// Reads the conversion after a '%'; false for what this writer leaves to printf.
bool ReadConversion(const char*& p, Conversion& c) {
    for (;; ++p) {
        if (*p == '-') {
            c.left = true;
        } else if (*p == '+') {
            c.plus = true;
        } else if (*p == ' ') {
            c.space = true;
        } else if (*p == '0') {
            c.zero = true;
        } else {
            break;
        }
    }
    for (; *p >= '0' && *p <= '9'; ++p) {
        c.width = c.width * 10 + (*p - '0');
        if (c.width > 1000) {
            return false;
        }
    }
    if (*p == '.') {
        c.precision = 0;
        for (++p; *p >= '0' && *p <= '9'; ++p) {
            c.precision = c.precision * 10 + (*p - '0');
            if (c.precision > 17) {
                return false;
            }
        }
    }
    for (; *p == 'l' && c.longs < 2; ++p) {
        ++c.longs;
    }
    c.kind = *p;
    switch (c.kind) {
        case 'd':
        case 'i':
        case 'u':
        case 'x':
        case 'X':
        case 's':
            return c.precision < 0;
        case 'f':
            return c.longs <= 1;
        case '%':
            return c.longs == 0 && c.width == 0 && c.precision < 0;
        default:
            return false;
    }
}

// The text being written, in a buffer on the stack: a page line or a CSV field is short, and
// printf takes over (nothing written here is kept) when one is not.
class Output {
public:
    bool Put(const char* text, size_t length) {
        if (length > sizeof m_buffer - m_length) {
            return false;
        }
        std::memcpy(m_buffer + m_length, text, length);
        m_length += length;
        return true;
    }
    bool Repeat(char ch, size_t count) {
        if (count > sizeof m_buffer - m_length) {
            return false;
        }
        std::memset(m_buffer + m_length, ch, count);
        m_length += count;
        return true;
    }
    // The converted text with its sign (if any), padded to the width as printf pads it: spaces
    // on the left, or on the right with '-', or zeros after the sign with '0' (numbers only).
    bool PutPadded(const Conversion& c, const char* text, int length, bool number) {
        const size_t count = static_cast<size_t>(length);
        const size_t padding = c.width > length ? static_cast<size_t>(c.width - length) : 0;
        if (c.left) {
            return Put(text, count) && Repeat(' ', padding);
        }
        if (c.zero && number) {
            const size_t sign = count > 0 && (*text == '-' || *text == '+' || *text == ' ') ? 1 : 0;
            return Put(text, sign) && Repeat('0', padding) && Put(text + sign, count - sign);
        }
        return Repeat(' ', padding) && Put(text, count);
    }
    const char* data() const { return m_buffer; }
    size_t size() const { return m_length; }

private:
    // Not zeroed: only the bytes written are ever read.
    // cppcheck-suppress uninitMemberVarPrivate
    char m_buffer[1024];
    size_t m_length = 0;
};

// A sign the flags ask for before a number printf writes without one.
int WithSign(const Conversion& c, char* buffer, int length) {
    if (*buffer == '-' || (!c.plus && !c.space)) {
        return length;
    }
    std::memmove(buffer + 1, buffer, static_cast<size_t>(length));
    *buffer = c.plus ? '+' : ' ';
    return length + 1;
}

}  // namespace

bool AppendFormatQuickly(std::string& out, const char* format, va_list args) {
    Output text;
    va_list rest;
    va_copy(rest, args);
    bool written = true;
    for (const char* p = format; *p && written; ++p) {
        if (*p != '%') {
            const char* next = std::strchr(p, '%');
            const size_t length = next ? static_cast<size_t>(next - p) : std::strlen(p);
            written = text.Put(p, length);
            p += length - 1;
            continue;
        }
        ++p;
        Conversion c;
        if (!ReadConversion(p, c)) {
            written = false;
            break;
        }
        char buffer[kNumberTextMax + 2];
        int length = 0;
        switch (c.kind) {
            case '%':
                written = text.Put("%", 1);
                continue;
            case 's': {
                const char* string = va_arg(rest, const char*);
                if (!string) {
                    written = false;  // printf's "(null)" is printf's business
                    break;
                }
                written = text.PutPadded(c, string, static_cast<int>(std::strlen(string)), false);
                continue;
            }
            case 'd':
            case 'i': {
                const long long value = c.longs == 0   ? va_arg(rest, int)
                                        : c.longs == 1 ? va_arg(rest, long)
                                                       : va_arg(rest, long long);
                length = WithSign(c, buffer, WriteInteger(buffer, value));
                break;
            }
            case 'u':
            case 'x':
            case 'X': {
                const unsigned long long value = c.longs == 0   ? va_arg(rest, unsigned)
                                                 : c.longs == 1 ? va_arg(rest, unsigned long)
                                                                : va_arg(rest, unsigned long long);
                length = WriteUnsigned(buffer, value, c.kind != 'u');
                if (c.kind == 'x') {
                    for (int i = 0; i < length; ++i) {
                        buffer[i] = static_cast<char>(std::tolower(buffer[i]));
                    }
                }
                break;
            }
            case 'f': {
                const double value = va_arg(rest, double);
                if (!std::isfinite(value)) {
                    written = false;  // "inf" and "nan" pad with blanks even under '0'
                    break;
                }
                length = WithSign(c, buffer,
                                  WriteFixed(buffer, value, c.precision < 0 ? 6 : c.precision));
                break;
            }
        }
        if (written) {
            written = text.PutPadded(c, buffer, length, true);
        }
    }
    va_end(rest);
    if (written) {
        // cppcheck-suppress uninitvar ; text.size() bytes were written by Put and Repeat
        out.append(text.data(), text.size());
    }
    return written;
}
