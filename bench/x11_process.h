// Starts a program on the X display and watches for its window, for the benchmarks of the real
// program. Only processes started here are ever signalled.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct LaunchRequest {
    std::string program;
    std::string workingDir;
    std::vector<std::string> extraEnv;  // NAME=value, added to this process's environment
    std::vector<std::string> args;      // after the program's name
};

struct ProcessCounts {
    long rssKiB = 0;    // VmRSS
    long switches = 0;  // voluntary and involuntary context switches of all its threads
    bool alive = false;
};

// /proc/PID: resident memory and the context switches of every thread.
ProcessCounts ReadProcessCounts(pid_t pid);

class X11Launcher {
public:
    X11Launcher();  // throws when there is no display
    ~X11Launcher();
    X11Launcher(const X11Launcher&) = delete;
    X11Launcher& operator=(const X11Launcher&) = delete;

    struct Started {
        pid_t pid = -1;
        Window window = 0;  // its first top-level window mapped, 0 when none came in time
        double secondsToMap = 0;
        std::chrono::steady_clock::time_point launched;
    };
    // Starts the program and waits for a top-level window of its own (_NET_WM_PID) to be mapped.
    // The time runs from just before fork to the map notification.
    Started Launch(const LaunchRequest& request, double timeoutSeconds);

    // After the map: the seconds from the launch to the last drawing on the display before it
    // stayed still for quietSeconds (the window painted whole, whatever it drew after mapping),
    // or a negative number when it never did within timeoutSeconds of the map. Needs the X
    // DAMAGE extension (Xvfb has it).
    double SecondsToDrawn(const Started& started, double quietSeconds, double timeoutSeconds);

    // Closes the window as its close box would, and reaps the process; one that has not ended
    // after timeoutSeconds is killed. Returns whether it ended by itself.
    bool Close(const Started& started, double timeoutSeconds);

private:
    pid_t WindowPid(Window window);

    Display* m_display = nullptr;
    Atom m_pidAtom = 0;
    Atom m_protocols = 0;
    Atom m_deleteWindow = 0;
    int m_damageEvent = -1;  // the DAMAGE extension's first event, -1 without it
};

// Waits until the process has made no context switch for quietSeconds (at most maxSeconds).
void WaitUntilQuiet(pid_t pid, double quietSeconds, double maxSeconds);

// Counts the context switches of every thread of a process from now on. Threads come and go
// (GLib ends idle pool threads), and the count of one that has ended can no longer be read, so
// each thread's count is sampled and the last value seen of it is kept.
class SwitchCounter {
public:
    explicit SwitchCounter(pid_t pid);
    void Sample();
    // Switches since construction, up to the last sample.
    long Total() const;

private:
    pid_t m_pid;
    std::map<long, std::pair<long, long>> m_threads;  // id: count at start (0 if new), last
};
