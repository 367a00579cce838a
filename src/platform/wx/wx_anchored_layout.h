// The controls of a resizable dialog, moved and sized by their anchors as the dialog's client
// area changes, and the splitter the user drags.
#pragma once

#include <vector>

#include <wx/weakref.h>
#include <wx/window.h>

#include "platform/ui/dialog_layout.h"

class AnchoredLayout {
public:
    // templateClient: the client size (pixels) at which the controls have their template places.
    explicit AnchoredLayout(wxSize templateClient) : m_templateClient(templateClient) {}

    // rect: the control's template place in pixels.
    void Add(wxWindow* control, const wxRect& rect, const Anchor& anchor);

    // Places every control for this client size.
    void Apply(wxSize client);
    // The user pressed the splitter, then dragged it dy pixels from there (down is positive).
    void BeginSplitterDrag();
    void DragSplitter(int dy);

    // How far the user has moved the splitter from where it would be, in pixels.
    int UserOffset() const;
    void SetUserOffset(int offset);

private:
    int HeightDelta() const { return m_client.y - m_templateClient.y; }
    int Splitter(int wanted) const;

    wxSize m_templateClient;
    wxSize m_client;
    // The controls, and beside each its place in the template and its anchor.
    std::vector<wxWeakRef<wxWindow>> m_windows;
    std::vector<AnchoredRect> m_places;
    int m_userOffset = 0;
    int m_dragStart = 0;  // where the splitter was when pressed
};
