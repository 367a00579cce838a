// The windows' icon: the program's drawing (vantrel.svg) rendered as PNG at every size the icon
// theme uses, 16 to 256 pixels, smallest first, when the program is built (cmake/icons.cmake).
#pragma once

#include <cstddef>

#include "platform/ui/icon.h"

extern const IconImage kWindowIconImages[];
extern const std::size_t kWindowIconImageCount;
