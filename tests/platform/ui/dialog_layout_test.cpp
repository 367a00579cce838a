// A resizable window's controls by their anchors, with hand-worked places: a table above a
// splitter, a chart below it and a button in the bottom right corner, as the history lays out.
#include <gtest/gtest.h>

#include "platform/ui/dialog_layout.h"

namespace {

constexpr Anchor kAbove{Follow::kNone, Follow::kNone, Follow::kFar, Follow::kSplitter};
constexpr Anchor kBelow{Follow::kNone, Follow::kSplitter, Follow::kFar, Follow::kFar};

const CRect kTable{0, 0, 100, 50};
const CRect kChart{0, 60, 100, 160};
const CRect kButton{80, 170, 100, 180};

TEST(DialogLayout, EdgesFollowTheWindowAndTheSplitterAsAnchored) {
    const LayoutDelta grown{40, 60, 30};
    EXPECT_EQ(PlaceControl(kTable, kAbove, grown), (CRect{0, 0, 140, 80}));
    EXPECT_EQ(PlaceControl(kChart, kBelow, grown), (CRect{0, 90, 140, 220}));
    EXPECT_EQ(PlaceControl(kButton, kAnchorBottomRight, grown), (CRect{120, 230, 140, 240}));
    EXPECT_EQ(PlaceControl(kButton, kAnchorBottomLeft, grown), (CRect{80, 230, 100, 240}));
    EXPECT_EQ(PlaceControl(kTable, Anchor{}, grown), kTable);
    // Smaller than the template: everything that follows moves the other way.
    EXPECT_EQ(PlaceControl(kTable, kAnchorFill, LayoutDelta{-30, -20, 0}), (CRect{0, 0, 70, 30}));
}

TEST(DialogLayout, TheSplitterStopsWhereAPaneWouldLoseHalfItsHeight) {
    const std::vector<AnchoredRect> controls{
        {kTable, kAbove}, {kChart, kBelow}, {kButton, kAnchorBottomRight}};
    // The table (50 high) keeps 25 at least, the chart (100 high) 50.
    EXPECT_EQ(ClampSplitter(controls, 0, -100), -25);
    EXPECT_EQ(ClampSplitter(controls, 0, 100), 50);
    EXPECT_EQ(ClampSplitter(controls, 0, 10), 10);
    // 200 pixels taller: the chart may give up 50 of its own and all 200.
    EXPECT_EQ(ClampSplitter(controls, 200, 400), 250);
    // The window's growth is shared until the user moves the splitter.
    EXPECT_EQ(SplitterFor(200, 0), 100);
    EXPECT_EQ(SplitterFor(200, -30), 70);
    EXPECT_EQ(SplitterFor(-60, 0), -30);
}

}  // namespace
