#include "platform/base/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

bool WriteAll(int fd, std::string_view contents) {
    size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// The temporary file of "<dir>/<name>" is "<dir>/.<name>.vantrel-new.XXXXXX": hidden, and
// named so that no file of the user's ("settings.backup", say) looks like one.
constexpr char kTemporaryMark[] = ".vantrel-new.";
constexpr size_t kUniqueLength = 6;  // mkostemp's XXXXXX

struct SplitPath {
    std::string dir;  // with its trailing separator; empty for the working directory
    std::string name;
};

SplitPath Split(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {"", path};
    }
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string TemporaryPrefix(const std::string& name) {
    return "." + name + kTemporaryMark;
}

bool IsUniquePart(const std::string& text) {
    return text.size() == kUniqueLength && std::all_of(text.begin(), text.end(), [](char ch) {
               return std::isalnum(static_cast<unsigned char>(ch)) != 0;
           });
}

// A process killed between creating its temporary file and renaming it leaves the file behind.
// Such leftovers of this path, ours and old enough that no writer can still be busy with them,
// go; nothing else in the directory is touched.
void RemoveStaleTemporaries(const std::string& path) {
    const SplitPath split = Split(path);
    const std::string prefix = TemporaryPrefix(split.name);
    DIR* d = ::opendir(split.dir.empty() ? "." : split.dir.c_str());
    if (!d) {
        return;
    }
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(d)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0 ||
            !IsUniquePart(name.substr(prefix.size()))) {
            continue;
        }
        const std::string stale = split.dir + name;
        struct stat st {};
        if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            now - st.st_mtime > 60) {
            ::unlink(stale.c_str());
        }
    }
    ::closedir(d);
}

}  // namespace

bool ReplaceFileAtomically(const CString& path, std::string_view contents) {
    const SplitPath split = Split(path.str());
    std::string temp = split.dir + TemporaryPrefix(split.name) + std::string(kUniqueLength, 'X');
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    // mkostemp creates the file private; give it the mode a plain create would.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    bool ok = WriteAll(fd, contents) && ::fchmod(fd, 0666 & ~mask) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), path.GetString()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    RemoveStaleTemporaries(path.str());
    return true;
}
