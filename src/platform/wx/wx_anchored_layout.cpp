#include "platform/wx/wx_anchored_layout.h"

#include <algorithm>

void AnchoredLayout::Add(wxWindow* control, const wxRect& rect, const Anchor& anchor) {
    m_windows.emplace_back(control);
    m_places.push_back(AnchoredRect{
        CRect{rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1, rect.GetBottom() + 1}, anchor});
}

void AnchoredLayout::Apply(wxSize client) {
    m_client = client;
    LayoutDelta delta;
    delta.width = client.x - m_templateClient.x;
    delta.height = client.y - m_templateClient.y;
    delta.splitter = Splitter(SplitterFor(delta.height, m_userOffset));
    for (size_t i = 0; i < m_places.size(); ++i) {
        wxWindow* window = m_windows[i].get();
        if (!window) {
            continue;
        }
        const CRect rect = PlaceControl(m_places[i].rect, m_places[i].anchor, delta);
        window->SetSize(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()));
    }
}

int AnchoredLayout::Splitter(int wanted) const {
    return ClampSplitter(m_places, HeightDelta(), wanted);
}

void AnchoredLayout::BeginSplitterDrag() {
    m_dragStart = Splitter(SplitterFor(HeightDelta(), m_userOffset));
}

void AnchoredLayout::DragSplitter(int dy) {
    SetUserOffset(Splitter(m_dragStart + dy) - SplitterFor(HeightDelta(), 0));
}

int AnchoredLayout::UserOffset() const {
    // As far as the splitter could go at this size.
    return Splitter(SplitterFor(HeightDelta(), m_userOffset)) - SplitterFor(HeightDelta(), 0);
}

void AnchoredLayout::SetUserOffset(int offset) {
    m_userOffset = offset;
    if (m_client != wxSize()) {
        Apply(m_client);
    }
}
