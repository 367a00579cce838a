// The two columns of a page: labels and values, "\n"-separated lines read side by side.
#pragma once

#include "platform/base/cstring.h"

struct PageText {
    CString labels;
    CString values;
};
