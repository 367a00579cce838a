// What the fuzz targets share: turning the input into the text a reader hands to Parse, checks
// that stop the run, and record members as bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/base/cstring.h"

namespace fuzz {

// Stops the run; libFuzzer keeps the input that got here as a crash artifact.
inline void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// The input as a writable text ending in a zero byte, as the readers hand it to Parse.
inline std::vector<char> ZeroTerminated(const std::uint8_t* data, std::size_t size) {
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    return text;
}

// One value member of a record, as bytes (numbers bitwise, so that a NaN equals itself).
struct Member {
    std::string bytes;
    bool text;
};

template <typename T>
Member Number(const T& value) {
    return {std::string(reinterpret_cast<const char*>(&value), sizeof value), false};
}

inline Member Text(const CString& value) {
    return {value.str(), true};
}

}  // namespace fuzz
