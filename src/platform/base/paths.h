// Paths: the separator that stands between a directory and a file name, absolute paths and the
// program's own location.
#pragma once

#include "platform/base/cstring.h"

inline constexpr char kPathSeparator = '/';

// directory + separator + name.
CString JoinPath(const CString& directory, const char* name);

// The path made absolute against the working directory, with "." and ".." parts and repeated
// separators folded away (lexically; symbolic links are left as they are).
CString AbsolutePath(const char* path);

// Full path of the running executable; empty when it can't be obtained.
CString ModuleFilePath();
