// Icons are resources: PNG images the program carries, one per size; windows refer to them by
// handle.
#pragma once

#include <cstddef>

struct IconImage {
    const unsigned char* png;  // the PNG file's bytes
    std::size_t size;
};

struct IconResource {
    int id;
    const IconImage* images;  // smallest first
    std::size_t count;
};

using HICON = const IconResource*;
