#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/toplevel.h>

#include "platform/wx/wx_controls.h"
#include "platform/wx/wx_file_filter.h"
#include "platform/wx/wx_text.h"

bool ShowNativeFileDialog(NativeWindow* owner, const FileDialogRequest& request, CString& path) {
    wxWindow* parent = owner ? GetWxWindowOf(owner) : nullptr;
    if (parent) {
        parent = wxGetTopLevelParent(parent);
    }
    // An open dialog that need not find an existing file accepts a new name, as the user
    // expects when naming a log that is not there yet; GTK's open chooser can't, its save chooser
    // can. Nothing is overwritten by choosing (the log is appended to), so no prompt then.
    const bool mayBeNew = request.openFileDialog && !(request.flags & OFN_FILEMUSTEXIST);
    long style = (request.openFileDialog && !mayBeNew) ? wxFD_OPEN : wxFD_SAVE;
    // Only a save dialog can overwrite; there is no read-only check box to hide on GTK.
    if (!request.openFileDialog && (request.flags & OFN_OVERWRITEPROMPT)) {
        style |= wxFD_OVERWRITE_PROMPT;
    }
    wxFileDialog dialog(parent, ToWx(request.title), ToWx(request.initialDir),
                        ToWx(request.fileName), ToWx(ToWxWildcard(request.filter)), style);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    wxString chosen = dialog.GetPath();
    if (chosen.empty() && !dialog.GetFilename().empty()) {
        // GTK's dialog can report its choice only as folder and name.
        chosen = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
    }
    if (chosen.empty()) {
        return false;
    }
    path = FromWx(chosen);  // CFileDialog adds the default extension
    return true;
}
