#include "platform/wx/wx_icon.h"

#include <wx/bitmap.h>
#include <wx/log.h>
#include <wx/xpmdecod.h>

namespace {

HICON& ApplicationIcon() {
    static HICON icon = nullptr;
    return icon;
}

}  // namespace

wxIcon IconFromResource(HICON icon) {
    if (!icon || !icon->xpm || !icon->xpm[0]) {
        return wxIcon();
    }
    // A damaged XPM gives no icon rather than wx's error log and assertions.
    wxLogNull quiet;
    const wxImage image = wxXPMDecoder().ReadData(icon->xpm);
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
