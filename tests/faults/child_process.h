// Faults that change the process (limits, signals, user, mounts, root directory) run in a forked
// child, so nothing leaks into the other tests.
#pragma once

#include <sys/resource.h>

#include <functional>
#include <string>

// Runs body in a forked child: its failed EXPECTs fail the test, and SkipChild skips it. With
// a time limit, a child still running then is killed, and the test fails: a hang shows as a
// failure, not as a test run that never ends.
void RunInChild(const std::function<void()>& body, unsigned timeLimitSeconds = 0);

// Ends the child, skipping the test; the reason goes to the output.
[[noreturn]] void SkipChild(const std::string& why);

// Sets the soft file size limit; RLIM_INFINITY sets it back to the hard one. A write past it
// fails with EFBIG where SIGXFSZ is ignored; elsewhere the signal ends the process.
void SetFileSizeLimit(unsigned long long bytes);
