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
    const UINT buttons = type & 0x0F;
    long style = wxOK;
    if (buttons == MB_OKCANCEL) {
        style = wxOK | wxCANCEL;
    } else if (buttons == MB_YESNO) {
        style = wxYES_NO | ((type & MB_DEFBUTTON2) != 0 ? wxNO_DEFAULT : 0);
    }
    // Without an icon flag Windows shows none, where wx would pick one.
    style |= (type & 0xF0) == MB_ICONEXCLAMATION ? wxICON_WARNING : wxICON_NONE;
    wxMessageDialog box(parent, ToWx(text), ToWx(caption), style | wxCENTRE);
    const int answer = box.ShowModal();
    // A box with only OK gives OK however it is closed; a Yes/No box closed otherwise, No.
    if (buttons == MB_YESNO) {
        return answer == wxID_YES ? IDYES : IDNO;
    }
    return (buttons != MB_OKCANCEL || answer == wxID_OK) ? IDOK : IDCANCEL;
}
