#include "platform/base/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A process killed between creating its temporary file and renaming it leaves the file behind.
// Such leftovers of this path, old enough that no writer can still be busy with them, go.
void RemoveStaleTemporaries(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".";
    DIR* d = ::opendir(dir.c_str());
    if (!d) {
        return;
    }
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(d)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        const std::string stale = (slash == std::string::npos ? "" : dir) + name;
        struct stat st {};
        if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > 60) {
            ::unlink(stale.c_str());
        }
    }
    ::closedir(d);
}

}  // namespace

bool ReplaceFileAtomically(const CString& path, std::string_view contents) {
    // The temporary name starts with the final one so a stray file is easy to recognise.
    std::string temp = path.str() + ".XXXXXX";
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
