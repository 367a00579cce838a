// Writes the client's files inside one directory, and nowhere else: whole, by a temporary file
// and a rename, or in the torn ways a reader may catch a real client's writes.
#pragma once

#include <chrono>
#include <map>
#include <string>

enum class WriteStyle {
    Whole,           // temporary file, then rename: readers see the old or the new file
    Cut,             // the file cut at a byte and left so until the next RepairCutFiles
    HalfWritten,     // opened with truncation, written in two parts with a pause between
    BrieflyMissing,  // removed, a pause, then written whole
};

class ClientDirWriter {
public:
    ClientDirWriter(std::string dir, std::chrono::milliseconds pause);

    // Writes contents as the file name; cutAt is where Cut and HalfWritten split it. False with
    // error() set when a system call failed.
    bool Write(const std::string& name, const std::string& contents, WriteStyle style,
               size_t cutAt);
    // Removes the file; a file already gone is no failure.
    bool Remove(const std::string& name);
    // Writes whole every file that a Cut write left cut.
    bool RepairCutFiles();

    bool Exists(const std::string& name) const;
    // The file's contents, or empty text when it can't be read.
    std::string Read(const std::string& name) const;
    const std::string& error() const { return m_error; }

private:
    std::string PathOf(const std::string& name) const;
    bool WriteWhole(const std::string& name, const std::string& contents);
    bool WriteInTwoParts(const std::string& name, const std::string& contents, size_t cutAt);
    bool Fail(const std::string& what, const std::string& path);

    std::string m_dir;
    std::chrono::milliseconds m_pause;
    std::map<std::string, std::string> m_cutFiles;  // name -> the whole contents
    std::string m_error;
};
