// A damaged or hostile catalog: refused whole, or every text it hands out lies inside it and ends
// with its NUL. The sanitizers catch a read past the data.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/base/message_catalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly size bytes, so that any read past the end is one.
    const std::vector<unsigned char> bytes(data, data + size);
    const auto catalog = MessageCatalog::Read(bytes.data(), bytes.size());
    if (!catalog) {
        return 0;
    }
    // Look up every NUL-ended piece of the data: some of them are the originals.
    const char* text = reinterpret_cast<const char*>(bytes.data());
    const char* end = text + bytes.size();
    for (const char* p = text; p < end;) {
        const void* nul = std::memchr(p, '\0', static_cast<size_t>(end - p));
        if (!nul) {
            break;
        }
        if (const char* translation = catalog->Find(p)) {
            if (translation < text || translation >= end ||
                !std::memchr(translation, '\0', static_cast<size_t>(end - translation))) {
                __builtin_trap();
            }
        }
        p = static_cast<const char*>(nul) + 1;
    }
    return 0;
}
