// Shows desktop notifications as the program does (its name, texts and icon, through the wx
// backend), for notification_test.sh.
//   notification_probe [--repeat N] [--go FILE] [--click-within SECONDS] SUMMARY BODY
// Prints "shown" or "unavailable" for each notification. With --go, each after the first waits
// until FILE is there (and takes it away). With --click-within, each has a click and the probe
// waits that long after the last for one: "clicked K" for the K-th notification's, when it came
// on the interface thread.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/init.h>
#include <wx/thread.h>
#include <wx/timer.h>

#include "platform/ui/cwinapp.h"
#include "platform/ui/notification.h"
#include "platform/wx/gdk_backend.h"
#include "platform/wx/wx_icon.h"
#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"

namespace {

constexpr int kGoWaitSeconds = 30;

// Runs the event loop (clicks come through it) until FILE is there; false when it never came.
bool WaitForGo(const wxString& file) {
    wxGUIEventLoop loop;
    int polls = kGoWaitSeconds * 10;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (wxFileExists(file) || --polls == 0) {
            loop.ScheduleExit();
        }
    });
    timer.Start(100);
    loop.Run();
    return wxRemoveFile(file);
}

}  // namespace

int main(int argc, char** argv) {
    int repeat = 1;
    const char* go = nullptr;
    int clickWithinSeconds = 0;
    int at = 1;
    for (; at + 1 < argc && std::strncmp(argv[at], "--", 2) == 0; at += 2) {
        if (std::strcmp(argv[at], "--repeat") == 0) {
            repeat = std::atoi(argv[at + 1]);
        } else if (std::strcmp(argv[at], "--go") == 0) {
            go = argv[at + 1];
        } else if (std::strcmp(argv[at], "--click-within") == 0) {
            clickWithinSeconds = std::atoi(argv[at + 1]);
        } else {
            break;
        }
    }
    if (argc - at != 2) {
        std::fputs(
            "usage: notification_probe [--repeat N] [--go FILE] [--click-within SECONDS] "
            "SUMMARY BODY\n",
            stderr);
        return 2;
    }

    CWinApp app(Text::kAppName);
    app.m_frameworkTexts = LoadFrameworkTexts();
    UseSessionGdkBackend();
    wxApp::SetInstance(new wxApp());
    int toolkitArgc = 1;
    if (!wxEntryStart(toolkitArgc, argv)) {
        std::fputs("notification_probe: no display\n", stderr);
        return 1;
    }
    // What the program's first window does.
    SetApplicationIcon(LoadIconResource(IDR_MAINFRAME));

    wxGUIEventLoop clickLoop;
    std::string click = "not clicked";
    for (int k = 1; k <= repeat; ++k) {
        if (k > 1 && go && !WaitForGo(go)) {
            std::fprintf(stderr, "notification_probe: no %s within %d seconds\n", go,
                         kGoWaitSeconds);
            return 1;
        }
        DesktopNotification notification{argv[at], argv[at + 1], nullptr};
        if (clickWithinSeconds > 0) {
            notification.onClick = [&click, &clickLoop, k] {
                click = "clicked " + std::to_string(k);
                if (!wxThread::IsMain()) {
                    click += " off the interface thread";
                }
                if (clickLoop.IsRunning()) {
                    clickLoop.ScheduleExit();
                }
            };
        }
        std::puts(ShowDesktopNotification(notification) ? "shown" : "unavailable");
        std::fflush(stdout);
    }
    if (clickWithinSeconds > 0) {
        wxTimer timer;
        timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { clickLoop.ScheduleExit(); });
        timer.StartOnce(clickWithinSeconds * 1000);
        clickLoop.Run();
        std::puts(click.c_str());
    }
    wxEntryCleanup();
    return 0;
}
