#include "platform/base/paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

CString JoinPath(const CString& directory, const char* name) {
    std::string path;
    path.reserve(directory.str().size() + 1 + std::strlen(name));
    path += directory.str();
    path += kPathSeparator;
    path += name;
    return CString(std::move(path));
}

bool IsPlainAbsolutePath(std::string_view path) {
    if (path.empty() || path[0] != kPathSeparator) {
        return false;
    }
    // A "." or ".." part begins with "/.", and ends at the next separator or the end. Dots are
    // few in a path (a file's extension), separators many: look for the dots.
    const size_t size = path.size();
    for (size_t dot = path.find('.', 1); dot != std::string_view::npos;
         dot = path.find('.', dot + 1)) {
        if (path[dot - 1] != kPathSeparator) {
            continue;
        }
        const size_t after = dot + 1 < size && path[dot + 1] == '.' ? dot + 2 : dot + 1;
        if (after == size || path[after] == kPathSeparator) {
            return false;
        }
    }
    return true;
}

std::optional<CString> FullPath(const char* path) {
    // Resolving costs a system call per part, and every refresh opens four files by their
    // absolute paths: those need none.
    if (path && IsPlainAbsolutePath(path)) {
        return CString(path);
    }
    const std::string text = path ? path : "";
    const size_t slash = text.rfind(kPathSeparator);
    // "name" lies in ".", "/name" in "/", "dir/name" in "dir".
    const std::string dir =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : text.substr(0, slash));
    const std::string name = slash == std::string::npos ? text : text.substr(slash + 1);
    char* resolved = ::realpath(dir.c_str(), nullptr);
    if (!resolved) {
        return std::nullopt;
    }
    std::string full = resolved;
    std::free(resolved);
    if (full.back() != kPathSeparator) {
        full += kPathSeparator;
    }
    return CString(full + name);
}

CString FinalLinkTarget(const CString& path) {
    std::string current = path.str();
    // As many links as the system itself follows before it gives up on a loop.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            break;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), &target[0], target.size());
        if (n <= 0 || static_cast<size_t>(n) >= target.size()) {
            break;
        }
        target.resize(static_cast<size_t>(n));
        if (target[0] != kPathSeparator) {
            const size_t slash = current.rfind(kPathSeparator);
            target = (slash == std::string::npos ? "" : current.substr(0, slash + 1)) + target;
        }
        current = std::move(target);
    }
    return CString(std::move(current));
}

std::optional<CString> ResolvedDirectory(const CString& path) {
    char* resolved = ::realpath(path.GetString(), nullptr);
    if (!resolved) {
        return std::nullopt;
    }
    CString directory(resolved);
    std::free(resolved);
    struct stat st {};
    if (::stat(directory.GetString(), &st) != 0) {
        return std::nullopt;
    }
    if (!S_ISDIR(st.st_mode)) {
        errno = ENOTDIR;
        return std::nullopt;
    }
    return directory;
}

CString LexicallyNormalPath(const CString& path) {
    std::filesystem::path normal(path.str());
    if (normal.is_relative()) {
        normal = std::filesystem::path(CurrentDirectory().str()) / normal;
    }
    std::string text = normal.lexically_normal().string();
    while (text.size() > 1 && text.back() == kPathSeparator) {
        text.pop_back();
    }
    return CString(text);
}

CString CurrentDirectory() {
    char* path = ::getcwd(nullptr, 0);
    if (!path) {
        return CString(".");
    }
    CString directory(path);
    std::free(path);
    return directory;
}

CString ModuleFilePath() {
    std::string buffer(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", &buffer[0], buffer.size());
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size()) {
        return CString();
    }
    buffer.resize(static_cast<size_t>(n));
    return CString(std::move(buffer));
}

CString HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home && home[0] == kPathSeparator) {
        return CString(home);
    }
    // Without HOME, the password database still knows the user's home. A folder any user could
    // have planted (somewhere under /tmp) is no substitute for it.
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<size_t>(size) : 16384, '\0');
    struct passwd entry {};
    struct passwd* found = nullptr;
    while (::getpwuid_r(::getuid(), &entry, &buffer[0], buffer.size(), &found) == ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (!found || !found->pw_dir || found->pw_dir[0] != kPathSeparator) {
        return CString();
    }
    return CString(found->pw_dir);
}

CString XdgBaseDirectory(const char* variable, const char* fallback) {
    if (const char* base = std::getenv(variable); base && base[0] == kPathSeparator) {
        return CString(base);
    }
    const CString home = HomeDirectory();
    return home.IsEmpty() ? CString() : JoinPath(home, fallback);
}

bool MakeDirectories(const CString& directory) {
    const std::string& path = directory.str();
    for (size_t at = path.find(kPathSeparator, 1);; at = path.find(kPathSeparator, at + 1)) {
        const std::string dir = path.substr(0, at);
        if (!dir.empty() && ::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (at == std::string::npos) {
            return true;
        }
    }
}
