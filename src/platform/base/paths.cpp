#include "platform/base/paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include <string>
#include <vector>

CString JoinPath(const CString& directory, const char* name) {
    CString path = directory;
    path += kPathSeparator;
    path += name;
    return path;
}

CString AbsolutePath(const char* path) {
    std::string full;
    if (!path || path[0] != kPathSeparator) {
        std::string cwd(256, '\0');
        while (!::getcwd(&cwd[0], cwd.size())) {
            if (errno != ERANGE) {
                cwd = ".";
                break;
            }
            cwd.resize(cwd.size() * 2);
        }
        full = cwd.c_str();
        full += kPathSeparator;
    }
    full += path ? path : "";

    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= full.size()) {
        size_t end = full.find(kPathSeparator, start);
        if (end == std::string::npos) {
            end = full.size();
        }
        const std::string part = full.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts) {
        result += kPathSeparator;
        result += part;
    }
    if (result.empty()) {
        result += kPathSeparator;
    }
    return CString(std::move(result));
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
