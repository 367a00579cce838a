// CreateNativeDialog: a wx dialog and its controls from a template.
#include <algorithm>
#include <climits>

#include "platform/wx/wx_control_factory.h"
#include "platform/wx/wx_control_windows.h"
#include "platform/wx/wx_dialog.h"
#include "platform/wx/wx_fonts.h"
#include "platform/wx/wx_icon.h"
#include "platform/wx/wx_text.h"

namespace {

// Space between the tab heads and the first line of a page.
constexpr int kPagePadding = 2;

struct PlacedControl {
    const ControlTemplate* control;
    wxWindow* window;
};

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

bool Contains(const CRect& outer, const CRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// GTK draws taller tab heads than Windows: the controls that a template lays over a tab
// control's page area move down together, below the heads, and end above the lower edge.
void FitIntoTabPage(TabNotebook& notebook, const CRect& tabUnits,
                    const std::vector<PlacedControl>& later) {
    std::vector<wxWindow*> onPage;
    int highest = INT_MAX;
    for (const PlacedControl& placed : later) {
        if (Contains(tabUnits, placed.control->rect)) {
            onPage.push_back(placed.window);
            highest = std::min(highest, placed.window->GetPosition().y);
        }
    }
    const wxRect tab = notebook.GetRect();
    const int pageTop = tab.y + notebook.GetPageTop() + kPagePadding;
    const int pageBottom = tab.y + tab.height - notebook.GetBottomEdge();
    const int shift = pageTop - highest;
    if (onPage.empty() || shift <= 0) {
        return;
    }
    for (wxWindow* window : onPage) {
        wxRect rect = window->GetRect();
        rect.y += shift;
        rect.height = std::max(0, std::min(rect.height, pageBottom - rect.y));
        window->SetSize(rect, wxSIZE_ALLOW_MINUS_ONE);
    }
}

void FitIntoTabPages(const std::vector<PlacedControl>& placed) {
    for (size_t i = 0; i < placed.size(); ++i) {
        if (placed[i].control->kind == ControlKind::Tab) {
            const std::vector<PlacedControl> later(placed.begin() + static_cast<long>(i) + 1,
                                                   placed.end());
            FitIntoTabPage(static_cast<TabNotebook&>(*placed[i].window), placed[i].control->rect,
                           later);
        }
    }
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

    std::vector<PlacedControl> placed;
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
        placed.push_back(PlacedControl{&control, wrapper->GetWxWindow()});
        dialog->AddControl(control.id, std::move(wrapper));
    }
    FitIntoTabPages(placed);

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
