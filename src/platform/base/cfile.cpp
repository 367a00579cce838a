#include "platform/base/cfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <utility>

#include "platform/base/exceptions.h"
#include "platform/base/file_lock.h"
#include "platform/base/paths.h"

CFile::CFile(const char* fileName, unsigned openFlags) {
    Open(fileName, openFlags);
}

CFile::~CFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

namespace {

// What a CFile refuses to open: only regular files are read or appended. Opening a FIFO would
// wait for a writer for ever; a device or socket is no client file and no log.
int NotRegularFileError(mode_t mode) {
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

}  // namespace

void CFile::Open(const char* fileName, unsigned openFlags) {
    Close();
    if (fileName && IsPlainAbsolutePath(fileName)) {
        m_strFilePath = fileName;  // what FullPath would give, without its copies
    } else if (std::optional<CString> full = FullPath(fileName)) {
        m_strFilePath = std::move(*full);
    } else {
        m_strFilePath = fileName ? fileName : "";
        Fail(errno);
    }
    OpenFullPath(openFlags);
}

void CFile::Open(CString&& fileName, unsigned openFlags) {
    if (!IsPlainAbsolutePath(fileName.str())) {
        Open(fileName.GetString(), openFlags);
        return;
    }
    Close();
    m_strFilePath = std::move(fileName);
    OpenFullPath(openFlags);
}

void CFile::OpenFullPath(unsigned openFlags) {
    // Non-blocking, so that a FIFO in place of the file cannot hold the open (or a later read);
    // on a regular file the flag changes nothing.
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (openFlags & modeReadWrite) {
        flags |= O_RDWR;
    } else if (openFlags & modeWrite) {
        flags |= O_WRONLY;
    } else {
        flags |= O_RDONLY;
    }
    if (openFlags & modeAppend) {
        flags |= O_APPEND;
    }
    if (openFlags & modeCreate) {
        flags |= O_CREAT;
        if (!(openFlags & modeNoTruncate)) {
            flags |= O_TRUNC;
        }
    }
    const int fd = ::open(m_strFilePath.GetString(), flags, 0666);
    if (fd < 0) {
        Fail(errno);
    }
    m_fd = fd;
    if ((openFlags & shareExclusive) && !LockExclusively(m_fd)) {
        const int error = errno;
        Close();
        Fail(error);
    }
    // Taken once the lock is held, so the length is the one a writer appends to.
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = S_ISREG(st.st_mode) ? errno : NotRegularFileError(st.st_mode);
        Close();
        Fail(error);
    }
    m_status.m_mtime = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    m_status.m_size = static_cast<std::int64_t>(st.st_size);
}

void CFile::Close() {
    if (m_fd < 0) {
        return;
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR) {
        Fail(errno);
    }
}

bool CFile::GetStatus(CFileStatus& status) const {
    if (m_fd < 0) {
        return false;
    }
    status = m_status;
    return true;
}

std::int64_t CFile::GetLength() const {
    return m_status.m_size;
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
        }
        if (n == 0) {
            Fail(ENOSPC);
        }
        done += static_cast<std::size_t>(n);
    }
}

void CFile::Seek(std::int64_t offset) {
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0) {
        Fail(errno);
    }
}

void CFile::SetLength(std::int64_t length) {
    if (::ftruncate(m_fd, static_cast<off_t>(length)) != 0) {
        Fail(errno);
    }
}

void CFile::Fail(int osError) const {
    throw CFileException(osError, m_strFilePath);
}

void ReportFileSizeLimitAsWriteError() {
    std::signal(SIGXFSZ, SIG_IGN);
}
