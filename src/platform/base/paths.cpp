#include "platform/base/paths.h"

#include <unistd.h>

#include <cerrno>

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
