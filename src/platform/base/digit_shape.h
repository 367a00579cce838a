// Texts by their shape: the same characters in the same places, any digit standing for any other.
// A column of dates or numbers in one format has a handful of shapes however many rows it has,
// and no text of a shape is wider than the shape with every digit drawn as the font's widest.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

inline bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text with each of its digits replaced by digit.
std::string WithDigitsAs(std::string_view text, char digit);

// The shapes of the texts added, each kept once.
class DigitShapes {
public:
    // True when no text of this shape was added before.
    bool Add(std::string_view text);
    std::size_t Count() const { return m_count; }

private:
    static std::uint64_t Hash(std::string_view text);
    static bool SameShape(std::string_view text, const std::string& shape);

    // Shapes (digits as '0') by their hash, and the one added or found last: texts of one shape
    // tend to come in runs.
    std::unordered_map<std::uint64_t, std::vector<std::string>> m_shapes;
    const std::string* m_last = nullptr;
    std::size_t m_count = 0;
};
