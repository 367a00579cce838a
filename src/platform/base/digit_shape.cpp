#include "platform/base/digit_shape.h"

#include <cstring>

namespace {

// Eight bytes of a text at a time, each ASCII digit made '0'. In each byte of x below 0x80,
// adding 0x50 sets the top bit from '0' up and adding 0x46 from ':' up; neither carries into the
// next byte. Bytes from 0x80 (UTF-8) are never digits.
std::uint64_t ShapeWord(std::uint64_t x) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kTops = 0x80 * kOnes;
    const std::uint64_t low = x & ~kTops;
    const std::uint64_t digits = (low + 0x50 * kOnes) & ~(low + 0x46 * kOnes) & ~x & kTops;
    return x & ~((digits >> 7) * 0x0F);
}

// The word of up to eight bytes of text from at, zero beyond its end.
std::uint64_t WordAt(std::string_view text, std::size_t at) {
    std::uint64_t word = 0;
    if (text.size() - at >= sizeof word) {
        std::memcpy(&word, text.data() + at, sizeof word);  // one load
    } else {
        for (std::size_t i = text.size(); i-- > at;) {
            word = word << 8 | static_cast<unsigned char>(text[i]);
        }
    }
    return word;
}

}  // namespace

std::string WithDigitsAs(std::string_view text, char digit) {
    std::string shaped(text);
    for (char& c : shaped) {
        c = IsAsciiDigit(c) ? digit : c;
    }
    return shaped;
}

std::uint64_t DigitShapes::Hash(std::string_view text) {
    std::uint64_t hash = text.size();
    for (std::size_t at = 0; at < text.size(); at += 8) {
        hash = (hash ^ ShapeWord(WordAt(text, at))) * 0x9E3779B97F4A7C15u;
        hash ^= hash >> 29;
    }
    return hash;
}

bool DigitShapes::SameShape(std::string_view text, const std::string& shape) {
    if (text.size() != shape.size()) {
        return false;
    }
    for (std::size_t at = 0; at < text.size(); at += 8) {
        if (ShapeWord(WordAt(text, at)) != WordAt(shape, at)) {
            return false;
        }
    }
    return true;
}

bool DigitShapes::Add(std::string_view text) {
    if (m_last && SameShape(text, *m_last)) {
        return false;
    }
    std::vector<std::string>& shapes = m_shapes[Hash(text)];
    for (const std::string& shape : shapes) {
        if (SameShape(text, shape)) {
            m_last = &shape;
            return false;
        }
    }
    // The map's nodes stay put as it grows; only this bucket's vector moves, and m_last follows.
    shapes.push_back(WithDigitsAs(text, '0'));
    m_last = &shapes.back();
    ++m_count;
    return true;
}
