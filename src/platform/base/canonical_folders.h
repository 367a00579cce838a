// One spelling for each folder a list of paths names, so that "/x", "/x/", "/x/../x" and a link
// to /x are one folder. Resolving a path asks the file system, and a folder on a mount whose
// server has gone can keep that asking waiting for ever: it is bounded here.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "platform/base/cstring.h"

// Each path's ResolvedDirectory where the folder is there, else its LexicallyNormalPath, so that
// a folder missing for now still has one name; in order, waiting at most bound in all: the paths
// not resolved by then (a mount that does not answer holds up those after it) keep their
// lexically normal form, and are left to a thread that ends alone. resolve: how a path is
// resolved (tests make one hang).
using FolderResolver = std::function<std::optional<CString>(const CString& path)>;
std::vector<CString> CanonicalFolderPaths(const std::vector<CString>& paths,
                                          std::chrono::milliseconds bound,
                                          FolderResolver resolve = nullptr);
