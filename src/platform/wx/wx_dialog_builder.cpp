// CreateNativeDialog: a wx dialog and its controls from a template.
#include <algorithm>

#include "platform/wx/wx_control_factory.h"
#include "platform/wx/wx_dialog.h"
#include "platform/wx/wx_fonts.h"
#include "platform/wx/wx_icon.h"
#include "platform/wx/wx_splitter_bar.h"
#include "platform/wx/wx_text.h"

namespace {

long FrameStyle(unsigned style) {
    // Resizable and maximisable only where the template lays its controls out for any size.
    long frame = (style & kResizable) ? wxRESIZE_BORDER | wxMAXIMIZE_BOX : 0;
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

std::unique_ptr<WxControl> CreateSplitterBar(DialogWindow* window, const wxRect& rect) {
    AnchoredLayout* layout = window->Anchors();
    if (!layout) {
        return nullptr;  // nothing to share in a dialog of fixed size
    }
    return std::make_unique<WxControl>(new SplitterBar(
        window, rect, [layout] { layout->BeginSplitterDrag(); },
        [layout](int dy) { layout->DragSplitter(dy); }));
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
    AnchoredLayout* layout = nullptr;
    if (dialogTemplate.style & kResizable) {
        layout = &window->UseAnchoredLayout(clientSize);
        window->SetMinClientSize(window->ConvertDialogToPixels(wxSize(
            std::max(0, dialogTemplate.minSize.cx), std::max(0, dialogTemplate.minSize.cy))));
    }

    bool haveDefault = false;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        const wxRect rect = DialogUnitsToPixels(*window, control.rect);
        std::unique_ptr<WxControl> wrapper = control.kind == ControlKind::Splitter
                                                 ? CreateSplitterBar(window, rect)
                                                 : CreateWxControl(window, control, rect);
        if (!wrapper) {
            continue;  // a kind this backend doesn't know
        }
        if (layout) {
            layout->Add(wrapper->GetWxWindow(), rect, control.anchor);
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
