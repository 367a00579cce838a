// Replacing a whole file so that readers, and the disk after a crash, see either the old or the
// new contents, never a part.
#pragma once

#include <string_view>

#include "platform/base/cstring.h"

// Writes the contents to a temporary file in the same directory, flushes it to the disk and
// renames it over path (a symbolic link at path is replaced, not followed). On failure the
// temporary file is removed and path is untouched.
bool ReplaceFileAtomically(const CString& path, std::string_view contents);
