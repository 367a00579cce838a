#include "faults/child_process.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr int kSkipped = 77;

}  // namespace

ChildOutcome RunInChild(const std::function<void()>& body) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        ADD_FAILURE() << "fork failed";
        return ChildOutcome::Failed;
    }
    if (pid == 0) {
        body();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) {
        ADD_FAILURE() << "the child ended with signal " << WTERMSIG(status);
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return ChildOutcome::Passed;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == kSkipped) {
        return ChildOutcome::Skipped;
    }
    return ChildOutcome::Failed;
}

void SkipChild(const std::string& why) {
    std::printf("skipped: %s\n", why.c_str());
    std::fflush(nullptr);
    _exit(kSkipped);
}

void SetFileSizeLimit(unsigned long long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes == RLIM_INFINITY ? limit.rlim_max : static_cast<rlim_t>(bytes);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        ADD_FAILURE() << "setrlimit failed";
    }
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "<missing>";
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
