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
    // Where a conversion of at most count bytes is written in place, or nothing when it would
    // not fit; Commit then takes it.
    char* Room(size_t count) {
        return count <= sizeof m_buffer - m_length ? m_buffer + m_length : nullptr;
    }
    // Takes the length bytes written at Room(), with their sign (if any), padded to the width as
    // printf pads: spaces on the left, or on the right with '-', or zeros after the sign with
    // '0' (numbers only).
    bool Commit(const Conversion& c, size_t length, bool number) {
        char* const text = m_buffer + m_length;
        const size_t padding = c.width > static_cast<int>(length) ? c.width - length : 0;
        if (padding > sizeof m_buffer - m_length - length) {
            return false;
        }
        if (padding > 0) {
            if (c.left) {
                std::memset(text + length, ' ', padding);
            } else {
                const bool zeros = c.zero && number;
                const size_t sign =
                    zeros && length > 0 && (*text == '-' || *text == '+' || *text == ' ') ? 1 : 0;
                std::memmove(text + sign + padding, text + sign, length - sign);
                std::memset(text + sign, zeros ? '0' : ' ', padding);
            }
        }
        m_length += length + padding;
        return true;
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
            // The literal run up to the next conversion: short, so copied without a search.
            const char* const start = p;
            while (p[1] != '\0' && p[1] != '%') {
                ++p;
            }
            written = text.Put(start, static_cast<size_t>(p - start + 1));
            continue;
        }
        ++p;
        Conversion c;
        if (!ReadConversion(p, c)) {
            written = false;
            break;
        }
        if (c.kind == '%') {
            written = text.Put("%", 1);
            continue;
        }
        if (c.kind == 's') {
            const char* string = va_arg(rest, const char*);
            const size_t length = string ? std::strlen(string) : 0;
            // printf's "(null)" is printf's business.
            char* const slot = string ? text.Room(length) : nullptr;
            if (!slot) {
                written = false;
                break;
            }
            std::memcpy(slot, string, length);
            written = text.Commit(c, length, false);
            continue;
        }
        // A number is written where it ends up; the sign a flag adds takes one byte more.
        char* const slot = text.Room(kNumberTextMax + 1);
        if (!slot) {
            written = false;
            break;
        }
        int length = 0;
        switch (c.kind) {
            case 'd':
            case 'i': {
                const long long value = c.longs == 0   ? va_arg(rest, int)
                                        : c.longs == 1 ? va_arg(rest, long)
                                                       : va_arg(rest, long long);
                length = WithSign(c, slot, WriteInteger(slot, value));
                break;
            }
            case 'u':
            case 'x':
            case 'X': {
                const unsigned long long value = c.longs == 0   ? va_arg(rest, unsigned)
                                                 : c.longs == 1 ? va_arg(rest, unsigned long)
                                                                : va_arg(rest, unsigned long long);
                length = WriteUnsigned(slot, value, c.kind != 'u');
                if (c.kind == 'x') {
                    for (int i = 0; i < length; ++i) {
                        slot[i] = static_cast<char>(std::tolower(slot[i]));
                    }
                }
                break;
            }
            default: {  // 'f'
                const double value = va_arg(rest, double);
                if (!std::isfinite(value)) {
                    written = false;  // "inf" and "nan" pad with blanks even under '0'
                    break;
                }
                length =
                    WithSign(c, slot, WriteFixed(slot, value, c.precision < 0 ? 6 : c.precision));
                break;
            }
        }
        if (written) {
            written = text.Commit(c, static_cast<size_t>(length), true);
        }
    }
    va_end(rest);
    if (written) {
        // cppcheck-suppress uninitvar ; text.size() bytes were written by Put and Repeat
        out.append(text.data(), text.size());
    }
    return written;
}
