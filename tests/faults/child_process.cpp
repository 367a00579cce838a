#include "faults/child_process.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

constexpr int kSkipped = 77;

}  // namespace

void RunInChild(const std::function<void()>& body, unsigned timeLimitSeconds) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        if (timeLimitSeconds > 0) {
            std::signal(SIGALRM, SIG_DFL);
            alarm(timeLimitSeconds);
        }
        body();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    while (pid > 0 && waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (pid > 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) {
        ADD_FAILURE() << "the child was still at work after " << timeLimitSeconds << " s";
        return;
    }
    const int code = pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code == kSkipped) {
        GTEST_SKIP() << "the child could not set up its fault (its output says why)";
    }
    EXPECT_EQ(0, code) << "the child failed, fork failed or the child was killed";
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
    EXPECT_EQ(0, setrlimit(RLIMIT_FSIZE, &limit));
}
