#include "platform/base/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace {

// Length of the UTF-8 sequence that starts at text[at], or 0 when none starts there.
size_t Utf8SequenceLength(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) {
        return 1;
    }
    size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

// The code point of a valid sequence of the given length.
std::uint32_t DecodeUtf8(std::string_view text, size_t at, size_t length) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    std::uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (size_t i = 1; i < length; ++i) {
        code = (code << 6) | (static_cast<std::uint8_t>(text[at + i]) & 0x3F);
    }
    return code;
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(m_cd);
        }
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// Calls visit(end of the character, its code page 932 width) for each character, in order, until
// visit returns false. A stray byte counts as one character of width 2.
template <typename Visit>
void ForEachCp932Width(std::string_view utf8, Visit visit) {
    for (size_t at = 0; at < utf8.size();) {
        const size_t length = Utf8SequenceLength(utf8, at);
        if (length == 0) {
            if (!visit(at + 1, 2)) {
                return;
            }
            ++at;
            continue;
        }
        const std::uint32_t code = DecodeUtf8(utf8, at, length);
        const bool singleByte = code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F);
        if (!visit(at + length, singleByte ? 1 : 2)) {
            return;
        }
        at += length;
    }
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8SequenceLength(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string Cp932ToUtf8(std::string_view text) {
    std::string out;
    Iconv cd("UTF-8", "CP932");
    if (!cd.ok()) {
        // No converter: keep the ASCII, mark the rest.
        for (char ch : text) {
            if (static_cast<std::uint8_t>(ch) < 0x80) {
                out += ch;
            } else {
                out += kReplacement;
            }
        }
        return out;
    }
    std::string input(text);
    char* in = input.data();
    size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // Not code page 932 (EILSEQ) or a lead byte cut off at the end (EINVAL).
            out += kReplacement;
            ++in;
            --inLeft;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::string ToUtf8(std::string_view text) {
    return IsValidUtf8(text) ? std::string(text) : Cp932ToUtf8(text);
}

int Cp932Length(std::string_view utf8) {
    int total = 0;
    ForEachCp932Width(utf8, [&](size_t, int width) {
        total += width;
        return true;
    });
    return total;
}

std::string Cp932Prefix(std::string_view utf8, int maxLength) {
    int total = 0;
    size_t end = 0;
    ForEachCp932Width(utf8, [&](size_t next, int width) {
        if (total + width > maxLength) {
            return false;
        }
        total += width;
        end = next;
        return true;
    });
    return std::string(utf8.substr(0, end));
}
