#include "platform/base/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

bool LockExclusively(int fd) {
    // Nearly always free: the clock is read only once someone else holds it.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return true;
    }
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            errno = EWOULDBLOCK;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
    }
}

ScopedFileLock::ScopedFileLock(const std::string& path) {
    // Not through a link, and never blocking on what someone put in its place.
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
        return;
    }
    if (!LockExclusively(fd)) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return;
    }
    m_fd = fd;
}

ScopedFileLock::~ScopedFileLock() {
    if (m_fd >= 0) {
        ::close(m_fd);  // releases the lock
    }
}
