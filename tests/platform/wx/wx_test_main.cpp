// Starts wx once for the whole test run, on the display that xvfb-run provides.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/imagpng.h>
#include <wx/init.h>
#include <wx/log.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
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
    wxImage::AddHandler(new wxPNGHandler());
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
