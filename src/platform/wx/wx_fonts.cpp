#include "platform/wx/wx_fonts.h"

#include <wx/fontenum.h>
#include <wx/settings.h>

namespace {

// Installed stand-ins for the Windows Japanese gothic faces the templates name, best first.
constexpr const char* kGothicFaces[] = {"IPAPGothic", "Noto Sans CJK JP", "IPAGothic"};

}  // namespace

wxFont MakeDialogFont(const char* face, int points) {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    if (points > 0) {
        font.SetPointSize(points);
    }
    const wxString requested = face ? wxString::FromUTF8(face) : wxString();
    if (!requested.empty() && wxFontEnumerator::IsValidFacename(requested)) {
        font.SetFaceName(requested);
        return font;
    }
    for (const char* gothic : kGothicFaces) {
        if (wxFontEnumerator::IsValidFacename(gothic)) {
            font.SetFaceName(gothic);
            break;
        }
    }
    return font;
}
