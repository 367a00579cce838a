// CFile: a regular file opened with POSIX calls and closed by its destructor. Failures raise
// CFileException; a FIFO, socket, device or directory fails to open.
#pragma once

#include <cstdint>

#include "platform/base/cstring.h"

struct CFileStatus {
    std::int64_t m_mtime = 0;  // last write, seconds since 1970
    std::int64_t m_size = 0;
};

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareDenyNone = 0x0040,   // other processes may read and write meanwhile (the default)
        shareExclusive = 0x0010,  // an exclusive lock; waits kLockWait for another holder
        modeCreate = 0x1000,      // create, truncating an existing file...
        modeNoTruncate = 0x2000,  // ...unless this is given too
        modeAppend = 0x4000,      // every write goes to the end of the file
    };

    CFile() = default;
    CFile(const char* fileName, unsigned openFlags);
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    void Open(const char* fileName, unsigned openFlags);
    // The same, keeping fileName as the file's path where it is already the full one.
    void Open(CString&& fileName, unsigned openFlags);
    void Close();

    // Absolute path of the opened file.
    const CString& GetFilePath() const { return m_strFilePath; }
    // The file's status and length as they were when it was opened (every user reads or appends
    // right after opening); false when no file is open.
    bool GetStatus(CFileStatus& status) const;
    std::int64_t GetLength() const;

    // Reads up to count bytes; returns how many were read (less only at the end of the file).
    std::size_t Read(void* buffer, std::size_t count);
    // Writes all bytes or raises.
    void Write(const void* buffer, std::size_t count);
    // Moves to offset bytes from the beginning.
    void Seek(std::int64_t offset);
    void SetLength(std::int64_t length);

private:
    // Opens m_strFilePath, a full path.
    void OpenFullPath(unsigned openFlags);
    [[noreturn]] void Fail(int osError) const;

    int m_fd = -1;
    CString m_strFilePath;
    CFileStatus m_status;
};

// A write past the file-size limit (RLIMIT_FSIZE) ends the process by SIGXFSZ before the write
// can fail. Ignoring the signal makes it fail with EFBIG like a full disk, so an append is rolled
// back and reported instead of leaving half a line behind. Called once at start-up.
void ReportFileSizeLimitAsWriteError();
