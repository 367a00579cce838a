// The text-encoding helpers on any bytes. The first two input bytes are a signed byte limit for
// Cp932Prefix; the rest is the text. The C library's iconv is the reference for what is UTF-8 and
// for how many bytes code page 932 needs.
#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "platform/base/text_encoding.h"

namespace {

// The text converted by iconv, or nothing when iconv refuses any part of it.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
    static iconv_t toUtf32 = iconv_open("UTF-32LE", "UTF-8");
    static iconv_t toCp932 = iconv_open("CP932", "UTF-8");
    iconv_t cd = std::strcmp(to, "CP932") == 0 ? toCp932 : toUtf32;
    fuzz::Check(cd != reinterpret_cast<iconv_t>(-1) && std::strcmp(from, "UTF-8") == 0,
                "no iconv converter");
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string input(text);
    std::string out(input.size() * 4 + 16, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

bool ReferenceUtf8(std::string_view text) {
    return Convert("UTF-32", "UTF-8", text).has_value();
}

void CheckPrefix(std::string_view text, int limit) {
    const std::string prefix = Cp932Prefix(text, limit);
    const int used = Cp932Length(prefix);
    fuzz::Check(text.substr(0, prefix.size()) == prefix, "Cp932Prefix is not a prefix");
    fuzz::Check(used <= (limit < 0 ? 0 : limit), "Cp932Prefix exceeds its limit");
    // Cut on a character boundary: the rest counts as it counted inside the whole text.
    fuzz::Check(used + Cp932Length(text.substr(prefix.size())) == Cp932Length(text),
                "Cp932Prefix cut inside a character");
    if (!IsValidUtf8(text)) {
        return;
    }
    fuzz::Check(IsValidUtf8(prefix), "Cp932Prefix of UTF-8 is not UTF-8");
    if (prefix.size() < text.size()) {
        // The longest such prefix: one more character would not fit.
        std::size_t next = prefix.size() + 1;
        while (next < text.size() && (static_cast<std::uint8_t>(text[next]) & 0xC0) == 0x80) {
            ++next;
        }
        fuzz::Check(Cp932Length(text.substr(0, next)) > limit, "Cp932Prefix stopped too early");
    }
    // Never fewer bytes than code page 932 really takes, so a cut text always fits.
    if (const auto cp932 = Convert("CP932", "UTF-8", prefix)) {
        fuzz::Check(cp932->size() <= static_cast<std::size_t>(used),
                    "Cp932Length counts fewer bytes than code page 932 takes");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const auto limit = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

    const bool valid = IsValidUtf8(text);
    fuzz::Check(valid == ReferenceUtf8(text), "IsValidUtf8 disagrees with iconv");
    fuzz::Check(IsValidUtf8(Cp932ToUtf8(text)), "Cp932ToUtf8 gave invalid UTF-8");
    const std::string converted = ToUtf8(text);
    fuzz::Check(IsValidUtf8(converted), "ToUtf8 gave invalid UTF-8");
    fuzz::Check(!valid || converted == text, "ToUtf8 changed valid UTF-8");
    fuzz::Check(Cp932Length(text) >= 0, "negative Cp932Length");
    CheckPrefix(text, limit);
    CheckPrefix(converted, limit);
    return 0;
}
