// The window's icon: the program's drawing (vantrel.svg) rendered at 32 x 32 as PNG when the
// program is built (cmake/icons.cmake).
#pragma once

#include <cstddef>

extern const unsigned char kWindowIconPng[];
extern const std::size_t kWindowIconPngSize;
