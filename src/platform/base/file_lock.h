// Exclusive locks that two Vantrel processes (two clients watched by one user) take around the
// short writes they share: an append to the CSV log, a change of the settings file.
#pragma once

#include <chrono>
#include <string>

// Long enough for any other holder to finish an append or a settings change; short enough
// that the window never stalls on a holder that keeps its lock.
inline constexpr std::chrono::milliseconds kLockWait{2000};

// Takes an exclusive flock on fd, waiting up to kLockWait while another holder has it. False,
// with errno set, when it could not be taken.
bool LockExclusively(int fd);

// The exclusive lock of a lock file, created when missing and held for the object's life. The
// file itself stays: removing it would let a waiting process lock a file nobody else opens.
class ScopedFileLock {
public:
    explicit ScopedFileLock(const std::string& path);
    ~ScopedFileLock();
    ScopedFileLock(const ScopedFileLock&) = delete;
    ScopedFileLock& operator=(const ScopedFileLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
