#include "platform/ui/dialog_layout.h"

#include <algorithm>
#include <climits>

namespace {

int Shift(Follow follow, int far, int splitter) {
    switch (follow) {
        case Follow::kNone:
            return 0;
        case Follow::kSplitter:
            return splitter;
        case Follow::kFar:
            return far;
    }
    return 0;
}

}  // namespace

CRect PlaceControl(const CRect& templateRect, const Anchor& anchor, const LayoutDelta& delta) {
    // The splitter is a row: it moves nothing sideways.
    return CRect{templateRect.left + Shift(anchor.left, delta.width, 0),
                 templateRect.top + Shift(anchor.top, delta.height, delta.splitter),
                 templateRect.right + Shift(anchor.right, delta.width, 0),
                 templateRect.bottom + Shift(anchor.bottom, delta.height, delta.splitter)};
}

int ClampSplitter(const std::vector<AnchoredRect>& controls, int heightDelta, int wanted) {
    int lowest = INT_MIN;
    int highest = INT_MAX;
    for (const AnchoredRect& control : controls) {
        const int height = control.rect.Height();
        const int keep = height / 2;
        const Anchor& anchor = control.anchor;
        if (anchor.top != Follow::kSplitter && anchor.bottom == Follow::kSplitter) {
            // Above the splitter: its height grows by the splitter's move.
            const int topMove = anchor.top == Follow::kFar ? heightDelta : 0;
            lowest = std::max(lowest, keep - height + topMove);
        } else if (anchor.top == Follow::kSplitter && anchor.bottom == Follow::kFar) {
            // Below it: its height grows by what the splitter leaves of the window's growth.
            highest = std::min(highest, heightDelta + height - keep);
        }
    }
    if (lowest > highest) {
        return SplitterFor(heightDelta, 0);
    }
    return std::clamp(wanted, lowest, highest);
}

int SplitterFor(int heightDelta, int userOffset) {
    return heightDelta / 2 + userOffset;
}
