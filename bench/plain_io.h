// The floors: what the same work costs with nothing but the C library's calls.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// open, fstat, read the file (at most limit bytes) into a buffer of that size, close. Returns
// the bytes read.
std::size_t ReadFilePlain(const std::string& path, std::size_t limit = SIZE_MAX);
// The same into the caller's buffer, which ends as large as the file.
std::size_t ReadFilePlainInto(const std::string& path, std::vector<char>& buffer);

// open with O_APPEND (creating the file), one write, close.
void AppendPlain(const std::string& path, const std::string& bytes);

// What any append must do when another process may append too and the path may name something
// else than a file: open with O_APPEND, lock (flock), check that it is a regular file and learn
// its length (fstat, for the title line and to cut back a failed write), one write, close.
void AppendPlainSafely(const std::string& path, const std::string& bytes);

// Seconds spent in one call of work.
template <typename Work>
double TimeOnce(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
