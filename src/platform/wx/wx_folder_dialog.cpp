#include <wx/dirdlg.h>
#include <wx/toplevel.h>

#include "platform/wx/wx_controls.h"
#include "platform/wx/wx_text.h"

bool ShowNativeFolderDialog(NativeWindow* owner, const CString& title, const CString& initialDir,
                            CString& path) {
    wxWindow* parent = owner ? GetWxWindowOf(owner) : nullptr;
    if (parent) {
        parent = wxGetTopLevelParent(parent);
    }
    wxDirDialog dialog(parent, ToWx(title), ToWx(initialDir),
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK || dialog.GetPath().empty()) {
        return false;
    }
    path = FromWx(dialog.GetPath());
    return true;
}
