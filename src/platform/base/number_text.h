// Numbers as printf writes them with "%.Nf" and "%d", without printf's cost: a page or a CSV line
// holds a few dozen numbers and is rebuilt on every refresh. The text is the same, byte for byte
// (both are exact: the decimal rounding of the double's own binary value).
#pragma once

#include "platform/base/cstring.h"

// Appends value with the given number of decimals, as "%.<decimals>f" (0 to 17).
void AppendFixed(CString& text, double value, int decimals);

// Appends value in decimal, as "%d" or "%lld".
void AppendInteger(CString& text, long long value);
