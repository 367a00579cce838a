#include "platform/wx/wx_icon.h"

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

namespace {

HICON& ApplicationIcon() {
    static HICON icon = nullptr;
    return icon;
}

}  // namespace

wxIcon IconFromResource(HICON icon) {
    if (!icon || !icon->png || icon->size == 0) {
        return wxIcon();
    }
    // A damaged image gives no icon rather than wx's error log and assertions.
    wxLogNull quiet;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxImage::AddHandler(new wxPNGHandler);  // wx owns its image handlers
    }
    wxMemoryInputStream stream(icon->png, icon->size);
    const wxImage image(stream, wxBITMAP_TYPE_PNG);
    if (!image.IsOk()) {
        return wxIcon();
    }
    wxIcon decoded;
    decoded.CopyFromBitmap(wxBitmap(image));
    return decoded;
}

void SetApplicationIcon(HICON icon) {
    ApplicationIcon() = icon;
}

HICON GetApplicationIcon() {
    return ApplicationIcon();
}
