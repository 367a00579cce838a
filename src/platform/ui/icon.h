// Icons are resources drawn as XPM source; windows refer to them by handle.
#pragma once

struct IconResource {
    int id;
    const char* const* xpm;  // XPM image lines
};

using HICON = const IconResource*;
