// How the controls of a resizable window follow its size: each edge of a control stays where the
// template puts it, follows the splitter, or follows the window's far edge (right or bottom).
#pragma once

#include <vector>

#include "platform/ui/types.h"

enum class Follow : unsigned char {
    kNone,      // stays where the template puts it
    kSplitter,  // moves as far as the splitter has moved (up and down: the splitter is a row)
    kFar,       // moves as far as the window's right or bottom edge has
};

struct Anchor {
    Follow left = Follow::kNone;
    Follow top = Follow::kNone;
    Follow right = Follow::kNone;
    Follow bottom = Follow::kNone;
};

// How far the window has grown beyond its template's size, and the splitter moved down from its
// template place, in pixels (negative: smaller, up).
struct LayoutDelta {
    int width = 0;
    int height = 0;
    int splitter = 0;
};

// Where a control goes: its place in the template (pixels) moved by the delta as its anchor says.
CRect PlaceControl(const CRect& templateRect, const Anchor& anchor, const LayoutDelta& delta);

struct AnchoredRect {
    CRect rect;  // pixels, as the template places it
    Anchor anchor;
};

// Where the splitter may go at this window height: far enough that no control it sizes becomes
// shorter than half its template height. wanted is where the user put it.
int ClampSplitter(const std::vector<AnchoredRect>& controls, int heightDelta, int wanted);

// Where the splitter sits before the user moves it: the table and the charts share the height
// the window gained; the user's move adds to that.
int SplitterFor(int heightDelta, int userOffset);

// The anchors the templates use most.
inline constexpr Anchor kAnchorFill{Follow::kNone, Follow::kNone, Follow::kFar, Follow::kFar};
inline constexpr Anchor kAnchorBottomLeft{Follow::kNone, Follow::kFar, Follow::kNone, Follow::kFar};
inline constexpr Anchor kAnchorBottomRight{Follow::kFar, Follow::kFar, Follow::kFar, Follow::kFar};
inline constexpr Anchor kAnchorBottomWide{Follow::kNone, Follow::kFar, Follow::kFar, Follow::kFar};
