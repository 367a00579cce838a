#include "platform/wx/wx_icon.h"

#include <map>

#include <wx/bitmap.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

namespace {

// An icon control shows the icon at the size a dialog's icon has always had.
constexpr int kControlIconSize = 32;

HICON& ApplicationIcon() {
    static HICON icon = nullptr;
    return icon;
}

// A damaged image gives no icon rather than wx's error log and assertions.
wxIcon IconFromImage(const IconImage& image) {
    if (!image.png || image.size == 0) {
        return wxIcon();
    }
    wxLogNull quiet;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxImage::AddHandler(new wxPNGHandler);  // wx owns its image handlers
    }
    wxMemoryInputStream stream(image.png, image.size);
    const wxImage decoded(stream, wxBITMAP_TYPE_PNG);
    if (!decoded.IsOk()) {
        return wxIcon();
    }
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(decoded));
    return icon;
}

}  // namespace

const wxIconBundle& IconBundleFromResource(HICON icon) {
    // Decoded once per resource: every window sets its icon twice, and the dialogs the
    // framework makes take the application's too.
    static std::map<HICON, wxIconBundle> decoded;
    const auto [at, added] = decoded.try_emplace(icon);
    for (std::size_t k = 0; added && icon && k < icon->count; ++k) {
        const wxIcon image = IconFromImage(icon->images[k]);
        if (image.IsOk()) {
            at->second.AddIcon(image);
        }
    }
    return at->second;
}

wxIcon IconFromResource(HICON icon) {
    const wxIconBundle& bundle = IconBundleFromResource(icon);
    if (bundle.IsEmpty()) {
        return wxIcon();
    }
    const wxSize size(kControlIconSize, kControlIconSize);
    const wxIcon exact = bundle.GetIconOfExactSize(size);
    return exact.IsOk() ? exact : bundle.GetIconByIndex(0);
}

void SetApplicationIcon(HICON icon) {
    ApplicationIcon() = icon;
}

HICON GetApplicationIcon() {
    return ApplicationIcon();
}
