#include "platform/wx/wx_fonts.h"

#include <wx/fontutil.h>
#include <wx/settings.h>

namespace {

// Installed stand-ins for the Windows Japanese gothic face the templates name, best first.
constexpr const char* kGothicFaces[] = {"IPAPGothic", "Noto Sans CJK JP"};

}  // namespace

wxFont MakeDialogFont(const char* face, int points) {
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    if (points > 0) {
        font.SetPointSize(points);
    }
    // The faces go to Pango as one list, best first; fontconfig takes the first installed one,
    // knowing each face by its names in every language. wx's face list can't choose: it knows a
    // face only by its name in the current locale ("IPA Pゴシック" in a Japanese one), and so
    // does wxFont::SetFaceName, which checks the name against it.
    wxString families = face ? wxString::FromUTF8(face) : wxString();
    for (const char* gothic : kGothicFaces) {
        if (!families.empty()) {
            families += ',';
        }
        families += gothic;
    }
    wxNativeFontInfo info(*font.GetNativeFontInfo());
    info.SetFaceName(families);
    return wxFont(info);
}
