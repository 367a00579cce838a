#include "x11_process.h"

#include <X11/Xatom.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

using SteadyClock = std::chrono::steady_clock;

double SecondsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double>(SteadyClock::now() - start).count();
}

// A window can go between its map notification and a look at its properties.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

long StatusField(const std::string& path, const char* field) {
    std::ifstream in(path);
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(in, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
            return std::atol(line.c_str() + length + 1);
        }
    }
    return -1;
}

// Context switches of each thread of the process, by thread id.
std::map<long, long> ThreadSwitches(pid_t pid) {
    std::map<long, long> threads;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* tasks = ::opendir(dir.c_str())) {
        while (const dirent* entry = ::readdir(tasks)) {
            if (entry->d_name[0] == '.') {
                continue;
            }
            const std::string status = dir + "/" + entry->d_name + "/status";
            const long voluntary = StatusField(status, "voluntary_ctxt_switches");
            const long involuntary = StatusField(status, "nonvoluntary_ctxt_switches");
            if (voluntary >= 0 && involuntary >= 0) {
                threads[std::atol(entry->d_name)] = voluntary + involuntary;
            }
        }
        ::closedir(tasks);
    }
    return threads;
}

}  // namespace

ProcessCounts ReadProcessCounts(pid_t pid) {
    ProcessCounts counts;
    counts.rssKiB = StatusField("/proc/" + std::to_string(pid) + "/status", "VmRSS");
    counts.alive = counts.rssKiB >= 0;
    for (const auto& [thread, switches] : ThreadSwitches(pid)) {
        counts.switches += switches;
    }
    return counts;
}

SwitchCounter::SwitchCounter(pid_t pid) : m_pid(pid) {
    for (const auto& [thread, switches] : ThreadSwitches(pid)) {
        m_threads[thread] = {switches, switches};
    }
}

void SwitchCounter::Sample() {
    for (const auto& [thread, switches] : ThreadSwitches(m_pid)) {
        const auto known = m_threads.find(thread);
        if (known == m_threads.end()) {
            m_threads[thread] = {0, switches};
        } else {
            known->second.second = switches;
        }
    }
}

long SwitchCounter::Total() const {
    long total = 0;
    for (const auto& [thread, counts] : m_threads) {
        total += counts.second - counts.first;
    }
    return total;
}

X11Launcher::X11Launcher() {
    m_display = XOpenDisplay(nullptr);
    if (!m_display) {
        throw std::runtime_error("no X display: run under xvfb-run");
    }
    XSetErrorHandler(IgnoreXErrors);
    m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    m_protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
    m_deleteWindow = XInternAtom(m_display, "WM_DELETE_WINDOW", False);
    // Without a window manager, top-level windows are children of the root: their maps are
    // reported to whoever watches the root's substructure.
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
    // Drawing into any window is drawing onto the root: one damage object there sees a window's
    // every paint from its first, with no window to learn first.
    int damageError = 0;
    if (XDamageQueryExtension(m_display, &m_damageEvent, &damageError)) {
        XDamageCreate(m_display, DefaultRootWindow(m_display), XDamageReportRawRectangles);
    } else {
        m_damageEvent = -1;
    }
    XSync(m_display, False);
}

X11Launcher::~X11Launcher() {
    XCloseDisplay(m_display);
}

pid_t X11Launcher::WindowPid(Window window) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    pid_t pid = -1;
    if (XGetWindowProperty(m_display, window, m_pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &remaining, &data) == Success &&
        data && format == 32 && items == 1) {
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data) {
        XFree(data);
    }
    return pid;
}

X11Launcher::Started X11Launcher::Launch(const LaunchRequest& request, double timeoutSeconds) {
    // Everything the child needs is prepared before the clock starts.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        env.emplace_back(*e);
    }
    env.insert(env.end(), request.extraEnv.begin(), request.extraEnv.end());
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> args{request.program};
    args.insert(args.end(), request.args.begin(), request.args.end());
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    while (XPending(m_display)) {
        XEvent stale;
        XNextEvent(m_display, &stale);
    }

    Started started;
    const auto start = SteadyClock::now();
    started.launched = start;
    started.pid = ::fork();
    if (started.pid == 0) {
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        if (::chdir(request.workingDir.c_str()) == 0) {
            ::execve(argv[0], argv.data(), envp.data());
        }
        ::_exit(127);
    }
    ::close(devNull);
    if (started.pid < 0) {
        throw std::runtime_error("fork failed");
    }

    pollfd display{ConnectionNumber(m_display), POLLIN, 0};
    while (SecondsSince(start) < timeoutSeconds) {
        if (!XPending(m_display)) {
            const int waitMs = 10;
            ::poll(&display, 1, waitMs);
            int status = 0;
            if (::waitpid(started.pid, &status, WNOHANG) == started.pid) {
                started.pid = -1;  // ended before showing a window
                return started;
            }
            continue;
        }
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type != MapNotify || event.xmap.override_redirect) {
            continue;
        }
        const double seconds = SecondsSince(start);
        if (WindowPid(event.xmap.window) == started.pid) {
            started.window = event.xmap.window;
            started.secondsToMap = seconds;
            return started;
        }
    }
    return started;
}

double X11Launcher::SecondsToDrawn(const Started& started, double quietSeconds,
                                   double timeoutSeconds) {
    if (!started.window || m_damageEvent < 0) {
        return -1;
    }
    const auto mapped = started.launched + std::chrono::duration_cast<SteadyClock::duration>(
                                               std::chrono::duration<double>(started.secondsToMap));
    auto lastDrawn = mapped;
    pollfd display{ConnectionNumber(m_display), POLLIN, 0};
    while (SecondsSince(lastDrawn) < quietSeconds) {
        if (SecondsSince(mapped) > timeoutSeconds) {
            return -1;
        }
        if (!XPending(m_display)) {
            ::poll(&display, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == m_damageEvent + XDamageNotify) {
            lastDrawn = SteadyClock::now();
        }
    }
    return std::chrono::duration<double>(lastDrawn - started.launched).count();
}

bool X11Launcher::Close(const Started& started, double timeoutSeconds) {
    if (started.pid <= 0) {
        return false;
    }
    if (started.window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = started.window;
        event.xclient.message_type = m_protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(m_deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(m_display, started.window, False, NoEventMask, &event);
        XFlush(m_display);
    }
    const auto start = SteadyClock::now();
    while (SecondsSince(start) < timeoutSeconds) {
        int status = 0;
        if (::waitpid(started.pid, &status, WNOHANG) == started.pid) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(started.pid, SIGKILL);
    int status = 0;
    ::waitpid(started.pid, &status, 0);
    return false;
}

void WaitUntilQuiet(pid_t pid, double quietSeconds, double maxSeconds) {
    const auto start = SteadyClock::now();
    long last = ReadProcessCounts(pid).switches;
    auto quietSince = SteadyClock::now();
    while (SecondsSince(start) < maxSeconds && SecondsSince(quietSince) < quietSeconds) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const long now = ReadProcessCounts(pid).switches;
        if (now != last) {
            last = now;
            quietSince = SteadyClock::now();
        }
    }
}
