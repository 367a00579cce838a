#include "client_dir_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>
#include <thread>

namespace {

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Writes and closes; on failure errno tells the first thing that went wrong.
bool WriteAndClose(int fd, const char* data, size_t size) {
    const bool written = WriteAll(fd, data, size);
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written) {
        errno = writeErrno;
    }
    return written && closed;
}

}  // namespace

ClientDirWriter::ClientDirWriter(std::string dir, std::chrono::milliseconds pause)
    : m_dir(std::move(dir)), m_pause(pause) {}

std::string ClientDirWriter::PathOf(const std::string& name) const {
    // Only the client's own plain file names: nothing may land outside the directory.
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
        return {};
    }
    return m_dir + "/" + name;
}

bool ClientDirWriter::Fail(const std::string& what, const std::string& path) {
    m_error = what + " " + path + ": " + std::error_code(errno, std::generic_category()).message();
    return false;
}

bool ClientDirWriter::Write(const std::string& name, const std::string& contents, WriteStyle style,
                            size_t cutAt) {
    const std::string path = PathOf(name);
    if (path.empty()) {
        m_error = "not a file name of the client directory: " + name;
        return false;
    }
    m_cutFiles.erase(name);
    cutAt = std::min(cutAt, contents.size());
    switch (style) {
        case WriteStyle::Whole:
            return WriteWhole(name, contents);
        case WriteStyle::Cut:
            m_cutFiles[name] = contents;
            return WriteWhole(name, contents.substr(0, cutAt));
        case WriteStyle::HalfWritten:
            return WriteInTwoParts(name, contents, cutAt);
        case WriteStyle::BrieflyMissing:
            if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
                return Fail("cannot remove", path);
            }
            std::this_thread::sleep_for(m_pause);
            return WriteWhole(name, contents);
    }
    return false;
}

bool ClientDirWriter::WriteWhole(const std::string& name, const std::string& contents) {
    const std::string path = PathOf(name);
    const std::string temp = m_dir + "/." + name + ".sim-tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return Fail("cannot create", temp);
    }
    if (!WriteAndClose(fd, contents.data(), contents.size())) {
        Fail("cannot write", temp);
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        Fail("cannot rename onto", path);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool ClientDirWriter::WriteInTwoParts(const std::string& name, const std::string& contents,
                                      size_t cutAt) {
    const std::string path = PathOf(name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return Fail("cannot open", path);
    }
    if (!WriteAll(fd, contents.data(), cutAt)) {
        const int writeErrno = errno;
        ::close(fd);
        errno = writeErrno;
        return Fail("cannot write", path);
    }
    std::this_thread::sleep_for(m_pause);
    if (!WriteAndClose(fd, contents.data() + cutAt, contents.size() - cutAt)) {
        return Fail("cannot write", path);
    }
    return true;
}

bool ClientDirWriter::Remove(const std::string& name) {
    const std::string path = PathOf(name);
    if (path.empty()) {
        m_error = "not a file name of the client directory: " + name;
        return false;
    }
    m_cutFiles.erase(name);
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        return Fail("cannot remove", path);
    }
    return true;
}

bool ClientDirWriter::RepairCutFiles() {
    std::map<std::string, std::string> cut;
    cut.swap(m_cutFiles);
    for (const auto& [name, contents] : cut) {
        if (!WriteWhole(name, contents)) {
            return false;
        }
    }
    return true;
}

bool ClientDirWriter::Exists(const std::string& name) const {
    const std::string path = PathOf(name);
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ClientDirWriter::Read(const std::string& name) const {
    const std::string path = PathOf(name);
    if (path.empty()) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
