// Icons are resources: PNG images the program carries; windows refer to them by handle.
#pragma once

#include <cstddef>

struct IconResource {
    int id;
    const unsigned char* png;  // the PNG file's bytes
    std::size_t size;
};

using HICON = const IconResource*;
