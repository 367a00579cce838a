#include <wx/msgdlg.h>
#include <wx/toplevel.h>

#include "platform/wx/wx_controls.h"
#include "platform/wx/wx_text.h"

int ShowNativeMessageBox(NativeWindow* owner, const CString& text, const CString& caption,
                         UINT type) {
    wxWindow* parent = owner ? GetWxWindowOf(owner) : nullptr;
    if (parent) {
        parent = wxGetTopLevelParent(parent);
    }
    const bool okCancel = (type & 0x0F) == MB_OKCANCEL;
    long style = okCancel ? (wxOK | wxCANCEL) : wxOK;
    // Without an icon flag Windows shows none, where wx would pick one.
    style |= (type & 0xF0) == MB_ICONEXCLAMATION ? wxICON_WARNING : wxICON_NONE;
    wxMessageDialog box(parent, ToWx(text), ToWx(caption), style | wxCENTRE);
    const int answer = box.ShowModal();
    // A box with only OK gives OK however it is closed.
    return (!okCancel || answer == wxID_OK) ? IDOK : IDCANCEL;
}
