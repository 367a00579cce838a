// Fault tests change what a process can do (file size limits, signal dispositions, its user, its
// mount namespace). They do it in a forked child so that nothing leaks into other tests.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

enum class ChildOutcome { Passed, Failed, Skipped };

// Runs body in a forked child and waits for it. The child's failed EXPECTs print as usual and
// make the outcome Failed; body calls SkipChild() when the machine does not allow the test.
ChildOutcome RunInChild(const std::function<void()>& body);
[[noreturn]] void SkipChild(const std::string& why);

// Sets the soft limit on the size of files this process writes; RLIM_INFINITY lifts it back to
// the hard limit. SIGXFSZ must be ignored first, so an oversized write fails with EFBIG.
void SetFileSizeLimit(unsigned long long bytes);

// The whole contents of a file, or "<missing>" when it does not exist.
std::string Contents(const std::string& path);
