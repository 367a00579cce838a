// printf for the conversions the program's texts use, without printf's cost. Page texts and CSV
// lines keep their printf format strings as they are written in the program; this writes the
// common conversions itself and leaves the rest to vsnprintf.
#pragma once

#include <cstdarg>
#include <string>

// Appends what vsnprintf would write for format and args, when every conversion in format is one
// of %d %i %u %x %X (with l or ll), %f (with l), %s and %%, with the flags - + space 0, a width
// and, for %f, a precision. Returns false, appending nothing, for any other format or for a
// value it leaves to printf (a NaN or infinity); args is then as it was.
bool AppendFormatQuickly(std::string& out, const char* format, va_list args);
