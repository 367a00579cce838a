#include "plain_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace {

// open, fstat, read up to limit bytes into the buffer that bufferOfSize gives for the size,
// close. Returns the bytes read.
template <typename BufferOfSize>
std::size_t ReadWith(const std::string& path, std::size_t limit, BufferOfSize bufferOfSize) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    struct stat st {};
    ::fstat(fd, &st);
    const auto size = std::min(static_cast<std::size_t>(st.st_size), limit);
    char* buffer = bufferOfSize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size - done);
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    benchmark::DoNotOptimize(buffer);
    benchmark::ClobberMemory();
    ::close(fd);
    return done;
}

}  // namespace

std::size_t ReadFilePlain(const std::string& path, std::size_t limit) {
    std::unique_ptr<char[]> buffer;
    return ReadWith(path, limit, [&buffer](std::size_t size) {
        buffer.reset(new char[size + 1]);
        return buffer.get();
    });
}

std::size_t ReadFilePlainInto(const std::string& path, std::vector<char>& buffer) {
    return ReadWith(path, SIZE_MAX, [&buffer](std::size_t size) {
        buffer.resize(size);
        return buffer.data();
    });
}

void AppendPlain(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    ::close(fd);
    if (written != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("short write to " + path);
    }
}

void AppendPlainSafely(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    struct stat st {};
    if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw std::runtime_error("cannot lock " + path);
    }
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    ::close(fd);
    if (written != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("short write to " + path);
    }
}
