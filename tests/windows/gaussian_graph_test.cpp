#include "windows/gaussian_graph.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/headless.h"
#include "platform/ui/cdialog.h"
#include "res/resource.h"
#include "res/templates.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(160, 160, 160);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The main dialog's template, its graph bound to the sunken static control.
class GraphHost : public CDialog {
public:
    GraphHost() : CDialog(LoadDialogTemplate(IDD_VANTREL_DIALOG)) {}
    CGaussianGraph graph;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_GRAPH, graph); }
};

// Rows top..bottom of column x: all the colour, or (is false) none.
struct Span {
    int x, top, bottom;
    COLORREF color;
    bool is = true;
};

class GaussianGraphTest : public testing::Test {
protected:
    GaussianGraphTest() { host.Create(); }

    // Paints the graph at a window size in pixels (the sunken edge included).
    Headless::PixelGrid PaintAt(int width, int height) {
        host.graph.SetWindowPos(ZOrder::Top, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        return Headless::Paint(host.graph);
    }
    static int Count(const Headless::PixelGrid& grid, COLORREF color) {
        return static_cast<int>(std::count(grid.pixels.begin(), grid.pixels.end(), color));
    }
    static void ExpectSpans(const Headless::PixelGrid& grid, std::initializer_list<Span> spans) {
        for (const Span& s : spans) {
            for (int y = s.top; y <= s.bottom; ++y) {
                EXPECT_EQ(s.is, grid.At(s.x, y) == s.color) << s.x << "," << y << " " << s.color;
            }
        }
    }

    GraphHost host;
    double pot[64] = {};
};

// Client 129 x 36: 2 pixels per bin, 6 per unit of power, power 0 on row 35. Bin k covers
// columns 1 + 2k and 2 + 2k at row 35 - trunc(6 v): bins 0, 10, 20, 30, 50 land on rows 29, 20,
// -1 (clipped: the rise fills column 41), 30 (5.94 pixels; rounding would give 29) and 32. The
// baseline at 0.5 is row 32, under the red steps. The curve 0.5 + 3 exp(-((x - 32) / 4)^2) at
// x = (column - 1) / 2 peaks at column 65, row 14; at column 62 it is 3.1064 (18.64 pixels: row
// 17, where rounding would give 16). Before data and with sigma 0 all is background.
TEST_F(GaussianGraphTest, StepsCurveAndBaselineAtHandComputedPixels) {
    EXPECT_EQ(129 * 36, Count(PaintAt(131, 38), kBlack));
    host.graph.SetData(pot, 0.5, 3.0, 0.0, 32);
    EXPECT_EQ(129 * 36, Count(PaintAt(131, 38), kBlack));
    pot[0] = 1.0;
    pot[10] = 2.5;
    pot[20] = 6.0;
    pot[30] = 0.99;
    pot[50] = 0.5;
    host.graph.SetData(pot, 0.5, 3.0, 4.0, 32);
    ExpectSpans(PaintAt(131, 38), {{0, 0, 35, kBlack},
                                   {1, 29, 29, kRed},
                                   {3, 29, 35, kRed},
                                   {22, 20, 20, kRed},
                                   {41, 0, 35, kRed},
                                   {42, 0, 35, kRed, false},
                                   {62, 30, 30, kRed},
                                   {62, 29, 29, kRed, false},
                                   {42, 32, 32, kGrey},
                                   {101, 32, 32, kRed},
                                   {65, 14, 14, kGrey},
                                   {65, 13, 13, kBlack},
                                   {62, 17, 17, kGrey},
                                   {62, 16, 16, kBlack}});
}

// Client width 64 leaves no whole pixel per bin: the steps become one vertical run in column 1
// (bins alternate between rows 32 and 35), with no baseline or curve. Client height 5 gives 0
// pixels per unit, so nothing is drawn.
TEST_F(GaussianGraphTest, SmallWindowsCollapseTheScale) {
    for (int k = 0; k < 64; ++k) {
        pot[k] = (k % 2) ? 0.5 : 0.0;
    }
    host.graph.SetData(pot, 1.0, 3.0, 4.0, 32);
    const Headless::PixelGrid grid = PaintAt(66, 38);
    EXPECT_EQ(64 * 36 - 4, Count(grid, kBlack));
    ExpectSpans(grid, {{1, 32, 35, kRed}});
    EXPECT_EQ(129 * 5, Count(PaintAt(131, 7), kBlack));
}

}  // namespace
