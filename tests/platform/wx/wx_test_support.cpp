#include "wx_test_support.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

#include "platform/wx/wx_controls.h"

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    wxStopWatch watch;
    while (!done()) {
        if (watch.Time() > timeoutMs) {
            return false;
        }
        wxTheApp->Yield(true);
        wxMilliSleep(2);
    }
    return true;
}

void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

wxWindow* WxOf(CWnd& window) {
    return GetWxWindowOf(window.GetNative());
}

wxWindow* WxOf(CWnd& dialog, int controlId) {
    CWnd* item = dialog.GetDlgItem(controlId);
    return item ? GetWxWindowOf(item->GetNative()) : nullptr;
}

LRESULT RecordingDialog::SendMessage(const Message& message) {
    received.push_back(message);
    return CDialog::SendMessage(message);
}

int RecordingDialog::Count(UINT message, int id, UINT code) const {
    int count = 0;
    for (const Message& m : received) {
        const bool commandLike = message == WM_COMMAND || message == WM_NOTIFY;
        if (m.message == message && (id == kAnyId || m.id == id) &&
            (!commandLike || m.code == code)) {
            ++count;
        }
    }
    return count;
}

const MessageMap* RecordingDialog::GetThisMessageMap() {
    static const MessageMap map{CDialog::GetThisMessageMap(),
                                {MapClose(&RecordingDialog::OnCloseBox)}};
    return &map;
}

wxImage CaptureScreen(const wxRect& rect) {
    // GTK 3 can't read the screen back through wx, so ImageMagick's import takes the picture.
    const wxString file = wxString::Format("%s/vantrel_wx_capture_%lu.png",
                                           wxFileName::GetTempDir(), wxGetProcessId());
    const wxString command = "import -window root " + file;
    if (std::system(command.utf8_str().data()) != 0) {
        ADD_FAILURE() << "could not run: " << command.utf8_str().data();
        return wxImage();
    }
    wxImage screen(file, wxBITMAP_TYPE_PNG);
    wxRemoveFile(file);
    if (!screen.IsOk()) {
        return wxImage();
    }
    const wxRect inside = rect.Intersect(wxRect(0, 0, screen.GetWidth(), screen.GetHeight()));
    return screen.GetSubImage(inside);
}
