// The texts the framework shows by itself, in the application's language. The application gives
// them once (CWinApp::m_frameworkTexts); until then they are empty.
#pragma once

#include "platform/base/cstring.h"

struct FrameworkTexts {
    CString tooLongFormat;  // an entry longer than it may be; "%1" takes the most characters
    CString openFileTitle;  // a file dialog's title when its owner gives none
    CString saveFileTitle;
    // A window asked to stay above the others where the windowing system cannot keep it there
    CString topMostUnavailable;
    // There is no desktop notification service to show notifications (said once, on stderr)
    CString notificationsUnavailable;
    // There is no display to open the windows on (said on stderr, and the program ends)
    CString noDisplay;
};

// The application's texts, or empty ones when there is no application object.
const FrameworkTexts& GetFrameworkTexts();

// The text with each "%1" in it replaced by value.
CString FormatString1(const CString& text, const CString& value);
