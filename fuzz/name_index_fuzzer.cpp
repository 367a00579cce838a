// NameIndex against std::unordered_map on random names, some repeated: the same item found or
// added for each. Under NameIndex's own hash and under weak ones, so that names share slots and
// whole hashes, and with room made at random.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/base/name_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // 0: the real hash; 1: 256 hashes over 16 slots at first; 2: four hashes.
    const std::uint32_t mask[] = {0xFFFFFFFFu, 0xF000000Fu, 3u};
    const std::uint32_t weak = mask[data[0] % 3];
    std::vector<std::string> names;
    std::unordered_map<std::string, std::size_t> reference;
    NameIndex index;
    for (std::size_t at = 1; at < size;) {
        const std::size_t length = data[at++] % 9;
        if (length == 8) {  // room for up to 4096 names
            index.Reserve(at < size ? std::size_t{data[at++]} << 4 : 0);
            continue;
        }
        const std::string name(reinterpret_cast<const char*>(data) + at,
                               std::min(length, size - at));
        at += name.size();
        const auto [found, added] =
            index.FindOrAdd(name, NameIndex::Hash(name) & weak, names.size(),
                            [&names](std::size_t k) { return std::string_view(names[k]); });
        const auto [expected, isNew] = reference.try_emplace(name, names.size());
        if (found != expected->second || added != isNew) {
            std::fprintf(stderr, "\"%s\": NameIndex %zu %d, std::unordered_map %zu %d\n",
                         name.c_str(), found, added, expected->second, isNew);
            std::abort();
        }
        if (added) {
            names.push_back(name);
        }
    }
    return 0;
}
