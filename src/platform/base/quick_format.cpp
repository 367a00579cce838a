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

// The converted text with its sign (if any), padded to the width as printf pads it: spaces on
// the left, or on the right with '-', or zeros after the sign with '0' (numbers only).
void AppendPadded(std::string& out, const Conversion& c, const char* text, int length,
                  bool number) {
    const int padding = c.width > length ? c.width - length : 0;
    if (c.left) {
        out.append(text, static_cast<size_t>(length));
        out.append(static_cast<size_t>(padding), ' ');
    } else if (c.zero && number) {
        const int sign = length > 0 && (*text == '-' || *text == '+' || *text == ' ') ? 1 : 0;
        out.append(text, static_cast<size_t>(sign));
        out.append(static_cast<size_t>(padding), '0');
        out.append(text + sign, static_cast<size_t>(length - sign));
    } else {
        out.append(static_cast<size_t>(padding), ' ');
        out.append(text, static_cast<size_t>(length));
    }
}

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
    std::string text;
    va_list rest;
    va_copy(rest, args);
    bool written = true;
    for (const char* p = format; *p && written; ++p) {
        if (*p != '%') {
            const char* literal = p;
            while (p[1] && p[1] != '%') {
                ++p;
            }
            text.append(literal, static_cast<size_t>(p - literal + 1));
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
                text += '%';
                continue;
            case 's': {
                const char* string = va_arg(rest, const char*);
                if (!string) {
                    written = false;  // printf's "(null)" is printf's business
                    break;
                }
                AppendPadded(text, c, string, static_cast<int>(std::strlen(string)), false);
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
            AppendPadded(text, c, buffer, length, true);
        }
    }
    va_end(rest);
    if (written) {
        out += text;
    }
    return written;
}
