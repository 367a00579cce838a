// Starts wx once for the whole test run, on the display that xvfb-run provides (or a Wayland
// session's), in the locale the environment asks for, set up as the program sets it up.
#include <gtest/gtest.h>

#include <cstdlib>

#include <wx/app.h>
#include <wx/imagpng.h>
#include <wx/init.h>
#include <wx/log.h>

#include "platform/wx/gdk_backend.h"
#include "platform/wx/wx_locale.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    UseSessionGdkBackend();
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "no display: run these tests under xvfb-run -a\n");
        return 1;
    }
    // A failed wx assertion fails the running test instead of opening a dialog no one answers.
    wxSetAssertHandler([](const wxString& file, int line, const wxString&,
                          const wxString& condition, const wxString& message) {
        ADD_FAILURE_AT(file.utf8_str().data(), line)
            << "wx assertion " << condition.utf8_str().data() << ": " << message.utf8_str().data();
    });
    delete wxLog::SetActiveTarget(new wxLogStderr());
    if (!UseUserLocale()) {
        // The program would run in "C"; these runs are about the locale they ask for.
        const char* asked = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : std::getenv("LANG");
        fprintf(stderr,
                "the locale %s is not installed (add it to /etc/locale.gen, run locale-gen)\n",
                asked ? asked : "(unset)");
        return 1;
    }
    wxImage::AddHandler(new wxPNGHandler());
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
