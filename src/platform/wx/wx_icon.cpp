#include "platform/wx/wx_icon.h"

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

wxIcon IconFromResource(HICON icon) {
    if (!icon || icon->count == 0) {
        return wxIcon();
    }
    wxIcon first;
    for (std::size_t k = 0; k < icon->count; ++k) {
        const wxIcon image = IconFromImage(icon->images[k]);
        if (image.IsOk() && image.GetWidth() == kControlIconSize) {
            return image;
        }
        if (!first.IsOk()) {
            first = image;
        }
    }
    return first;
}

wxIconBundle IconBundleFromResource(HICON icon) {
    wxIconBundle bundle;
    for (std::size_t k = 0; icon && k < icon->count; ++k) {
        const wxIcon image = IconFromImage(icon->images[k]);
        if (image.IsOk()) {
            bundle.AddIcon(image);
        }
    }
    return bundle;
}

void SetApplicationIcon(HICON icon) {
    ApplicationIcon() = icon;
}

HICON GetApplicationIcon() {
    return ApplicationIcon();
}
