// A temporary directory for one test, removed with everything in it at the end.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // path + "/" + name
    std::string File(const std::string& name) const;

    // Writes bytes exactly as given (no line-end translation).
    void Write(const std::string& name, const std::string& contents) const;
    // Copies a file from tests/data.
    void CopyFromData(const std::string& dataName, const std::string& asName) const;
    // Copies the version, work unit, state and user files of tests/data/<set> ("sah" or "txt").
    void CopyClientFiles(const std::string& set) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    void Remove(const std::string& name) const;
    // Runs argv[0] without a shell in this folder, after setup() in the child; its exit status
    // (128 + the signal that ended it) and all it wrote to both output streams.
    int Run(const std::vector<std::string>& argv, std::string& output,
            const std::function<void()>& setup = {}) const;

private:
    std::string m_path;
};

// Contents of a file under tests/data.
std::string ReadDataFile(const std::string& name);

// Runs a function with the working directory set to dir, then restores it.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string& dir);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::string m_previous;
};
