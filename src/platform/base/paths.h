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

// The user's home folder: $HOME when it is an absolute path, else the password database's entry
// for the real user. Empty when neither knows one; per-user files then have no place.
CString HomeDirectory();

// An XDG base folder: the variable (XDG_CONFIG_HOME, XDG_DATA_HOME) when it holds an absolute
// path, else the home folder followed by fallback (".config", ".local/share"). Empty when there
// is no home folder.
CString XdgBaseDirectory(const char* variable, const char* fallback);

// Creates the folder and each missing folder above it, readable by the user alone. True when
// every one of them was made or was there already.
bool MakeDirectories(const CString& directory);
