// DigitShapes against a plain set of the texts' shapes, their digits made '0' one byte at a time
// through the C library's isdigit: the same texts found new. Texts of up to 40 bytes, so that
// they end at every place of the eight-byte words the shapes are read in.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "platform/base/digit_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DigitShapes shapes;
    std::set<std::string> reference;
    for (std::size_t at = 0; at < size;) {
        const std::size_t length = data[at++] % 41;
        const std::string text(reinterpret_cast<const char*>(data) + at,
                               std::min(length, size - at));
        at += text.size();
        std::string shape = text;
        for (char& c : shape) {
            c = std::isdigit(static_cast<unsigned char>(c)) ? '0' : c;
        }
        const bool isNew = reference.insert(shape).second;
        if (shapes.Add(text) != isNew || WithDigitsAs(text, '0') != shape) {
            std::fprintf(stderr, "a text of %zu bytes: DigitShapes says %s\n", text.size(),
                         isNew ? "seen" : "new");
            std::abort();
        }
    }
    if (shapes.Count() != reference.size()) {
        std::abort();
    }
    return 0;
}
