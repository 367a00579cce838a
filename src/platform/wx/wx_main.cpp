// The real program's entry point: wx started around the application object's InitInstance.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include "platform/ui/cwinapp.h"
#include "platform/ui/framework_texts.h"
#include "platform/wx/gdk_backend.h"
#include "platform/wx/wx_locale.h"

namespace {

// wx's assertion dialog and error log windows would stop the program in front of the user
// for wx's own bookkeeping; such reports go to stderr instead.
void ReportAssertion(const wxString& file, int line, const wxString& function,
                     const wxString& condition, const wxString& message) {
    std::fprintf(stderr, "%s:%d: %s: wx assertion \"%s\" failed: %s\n", file.utf8_str().data(),
                 line, function.utf8_str().data(), condition.utf8_str().data(),
                 message.utf8_str().data());
}

}  // namespace

int main(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    if (app) {
        if (const std::optional<int> status =
                app->ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
            return *status;
        }
    }
    UseSessionGdkBackend();
    wxApp::SetInstance(new wxApp());
    wxSetAssertHandler(ReportAssertion);
    // The program's own arguments are taken; the toolkit gets none of them.
    int toolkitArgc = 1;
    if (!wxEntryStart(toolkitArgc, argv)) {
        const CString& noDisplay = GetFrameworkTexts().noDisplay;
        std::fprintf(stderr, "Vantrel: %s\n",
                     noDisplay.IsEmpty() ? "cannot open the display" : noDisplay.GetString());
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr());
    // A locale that is not installed leaves the program in "C": English GTK texts, nothing worse.
    UseUserLocale();
    // The application runs its main dialog modally and returns once it has ended: there is no
    // message loop after it.
    if (app) {
        app->InitInstance();
    }
    wxEntryCleanup();
    return 0;
}
