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

// A damaged image decodes to an invalid one rather than to wx's error log and assertions.
wxImage Decoded(const IconImage& image) {
    if (!image.png || image.size == 0) {
        return wxImage();
    }
    wxLogNull quiet;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
        wxImage::AddHandler(new wxPNGHandler);  // wx owns its image handlers
    }
    wxMemoryInputStream stream(image.png, image.size);
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}

wxIcon IconFromImage(const IconImage& image) {
    const wxImage decoded = Decoded(image);
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

wxImage ImageFromResource(HICON icon, int size) {
    wxImage largest;
    for (std::size_t k = 0; icon && k < icon->count; ++k) {
        wxImage image = Decoded(icon->images[k]);
        if (!image.IsOk()) {
            continue;
        }
        if (image.GetWidth() >= size) {
            return image;
        }
        largest = image;
    }
    return largest;
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
