// Paths: the separator that stands between a directory and a file name, absolute paths and the
// program's own location.
#pragma once

#include <optional>
#include <string_view>

#include "platform/base/cstring.h"

inline constexpr char kPathSeparator = '/';

// directory + separator + name.
CString JoinPath(const CString& directory, const char* name);

// The absolute path of the file the system would open for path: its directory as the file
// system resolves it (symbolic links and ".." followed, as open() follows them), then its last
// part unchanged. Nothing when the directory can't be resolved (errno says why), for instance a
// working directory that has been removed.
std::optional<CString> FullPath(const char* path);
// Whether path is absolute and has no "." or ".." parts: it names the same file whether the
// system or a reader follows it, so FullPath gives it back unchanged.
bool IsPlainAbsolutePath(std::string_view path);

// The absolute path of a folder, links and ".." resolved; nothing when path names no folder
// (errno says why: ENOENT, ENOTDIR, EACCES ...).
std::optional<CString> ResolvedDirectory(const CString& path);

// The path absolute and lexically normal ("." and ".." parts, doubled and trailing separators
// gone), without looking at the file system.
CString LexicallyNormalPath(const CString& path);

// Where writing through path lands: the end of the chain of symbolic links that starts at path
// (itself when it is no link). A link may dangle; its target is then where a file would go.
CString FinalLinkTarget(const CString& path);

// The working directory's absolute path, or "." when the system can't tell it (a folder that has
// been removed): whatever is then read from it fails.
CString CurrentDirectory();

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
