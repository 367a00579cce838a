// CreateNativeDialog: a wx dialog and its controls from a template.
#include <algorithm>

#include "platform/wx/wx_control_factory.h"
#include "platform/wx/wx_dialog.h"
#include "platform/wx/wx_fonts.h"
#include "platform/wx/wx_icon.h"
#include "platform/wx/wx_text.h"

namespace {

long FrameStyle(unsigned style) {
    // Never resizable or maximisable, as the templates lay out fixed pages.
    long frame = 0;
    if (style & kCaption) {
        frame |= wxCAPTION;
    }
    if (style & kSystemMenu) {
        frame |= wxSYSTEM_MENU | wxCLOSE_BOX;
    }
    if (style & kMinimizeBox) {
        frame |= wxMINIMIZE_BOX;
    }
    return frame;
}

}  // namespace

std::unique_ptr<NativeDialog> CreateNativeDialog(const DialogTemplate& dialogTemplate,
                                                 NativeDialog* owner, MessageTarget& target) {
    wxWindow* parent = owner ? GetWxWindowOf(owner) : nullptr;
    auto* window = new DialogWindow(parent, ToWx(CString(dialogTemplate.caption)),
                                    FrameStyle(dialogTemplate.style));
    auto dialog = std::make_unique<WxDialog>(window);
    window->SetFont(MakeDialogFont(dialogTemplate.fontFace, dialogTemplate.fontPoints));
    const wxSize clientSize = window->ConvertDialogToPixels(
        wxSize(std::max(0, dialogTemplate.size.cx), std::max(0, dialogTemplate.size.cy)));
    window->SetClientSize(clientSize);

    bool haveDefault = false;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        std::unique_ptr<WxControl> wrapper =
            CreateWxControl(window, control, DialogUnitsToPixels(*window, control.rect));
        if (!wrapper) {
            continue;  // a kind this backend doesn't know
        }
        if (control.kind == ControlKind::Button) {
            if ((control.style & kDefaultButton) && !haveDefault) {
                window->SetDefaultId(control.id);
                haveDefault = true;
            }
            if (control.style & kSendsDoubleClicks) {
                window->ReportDoubleClicks(wrapper->GetWxWindow());
            }
        }
        dialog->AddControl(control.id, std::move(wrapper));
    }
    if (dialogTemplate.style & kCentered) {
        window->CentreOnScreen();
    } else if (parent) {
        window->CentreOnParent();
    }
    if (HICON icon = GetApplicationIcon()) {
        dialog->SetIcon(icon, true);
    }
    dialog->SetTarget(&target);
    return dialog;
}
