#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "vantrel-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        ADD_FAILURE() << "mkdtemp failed";
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

std::string TempDir::File(const std::string& name) const {
    return m_path + "/" + name;
}

void TempDir::Write(const std::string& name, const std::string& contents) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out << contents;
    if (!out) {
        ADD_FAILURE() << "cannot write " << File(name);
    }
}

void TempDir::CopyFromData(const std::string& dataName, const std::string& asName) const {
    Write(asName, ReadDataFile(dataName));
}

void TempDir::CopyClientFiles(const std::string& set) const {
    for (const char* name : {"version", "work_unit", "state", "user_info"}) {
        const std::string file = std::string(name) + "." + set;
        CopyFromData(set + "/" + file, file);
    }
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

bool TempDir::Exists(const std::string& name) const {
    return fs::exists(File(name));
}

void TempDir::Remove(const std::string& name) const {
    std::error_code ignored;
    fs::remove(File(name), ignored);
}

int TempDir::Run(const std::vector<std::string>& argv, std::string& output,
                 const std::function<void()>& setup) const {
    output.clear();
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], 1);
        dup2(pipeFds[1], 2);
        close(pipeFds[0]);
        if (chdir(m_path.c_str()) != 0) {
            _exit(127);
        }
        if (setup) {
            setup();
        }
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string ReadDataFile(const std::string& name) {
    const std::string path = std::string(VANTREL_TEST_DATA_DIR) + "/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "missing test data " << path;
        return {};
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::string& dir)
    : m_previous(fs::current_path().string()) {
    fs::current_path(dir);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    std::error_code ignored;
    fs::current_path(m_previous, ignored);
}
