// The two columns of a page: labels and values, "\n"-separated lines read side by side.
#pragma once

#include "platform/base/cstring.h"

struct PageText {
    // Room for the longest page's values (the observation page's ten lines), so that building
    // them line by line allocates once.
    PageText() { values.Preallocate(320); }

    CString labels;
    CString values;
};
