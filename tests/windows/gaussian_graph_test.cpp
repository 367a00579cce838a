#include "windows/gaussian_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/headless/headless.h"
#include "platform/ui/cdialog.h"
#include "res/resource.h"
#include "res/templates.h"
#include "windows/window_test_support.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(160, 160, 160);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The main dialog's template, its graph bound to the sunken static control as the main window
// binds it.
class GraphHost : public CDialog {
public:
    GraphHost() : CDialog(LoadDialogTemplate(IDD_VANTREL_DIALOG)) {}
    CGaussianGraph graph;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_GRAPH, graph); }
};

// Rows top..bottom of column x: all of them the colour, or (is false) none of them.
struct Span {
    int x, top, bottom;
    COLORREF color;
    bool is = true;
};

class GaussianGraphTest : public WindowTest {
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

// The client area is the window less its 1-pixel edge on each side. Without a sigma it is all
// background; handing data over does not repaint, Redraw does.
TEST_F(GaussianGraphTest, OnlyBackgroundWithoutASigma) {
    std::fill(std::begin(pot), std::end(pot), 1.0);
    Headless::PixelGrid grid = PaintAt(131, 38);
    ASSERT_EQ(129, grid.width);
    ASSERT_EQ(36, grid.height);
    EXPECT_EQ(129 * 36, Count(grid, kBlack));
    host.graph.SetData(pot, 0.5, 3.0, 0.0, 32);
    EXPECT_EQ(129 * 36, Count(PaintAt(131, 38), kBlack));

    const int paintsBefore = Headless::PaintCount(host.graph);
    host.graph.SetData(pot, 0.5, 3.0, 4.0, 32);
    EXPECT_EQ(paintsBefore, Headless::PaintCount(host.graph));
    host.graph.Redraw();
    EXPECT_EQ(paintsBefore + 1, Headless::PaintCount(host.graph));
    grid = PaintAt(131, 38);
    EXPECT_GT(Count(grid, kRed), 0);
    EXPECT_GT(Count(grid, kGrey), 0);
}

// Client 129 x 36: 2 pixels per bin, 6 pixels per unit of power, power 0 on row 35, the plot
// spanning columns 1..129 (the last one just outside). Bin k's step covers columns 1 + 2k and
// 2 + 2k. Rows are 35 - trunc(6 v): bins 0, 10, 20, 30, 40, 50 and 63 land on rows 29, 20, -1
// (above the area: the rise to it fills column 41), 30 (5.94 pixels; rounding would give 29),
// 41 (below), 32 and 0. The baseline at 0.5 is row 32, under the red steps. The curve
// g = 0.5 + 3 exp(-((x - 32) / 4)^2) at x = (column - 1) / 2 peaks at column 65, row 14; at
// columns 57 and 73 g = 0.5 + 3 / e = 1.6036 (9.62 pixels, row 26); at column 62
// g = 3.1064 (18.64 pixels: row 17, where rounding would give 16).
TEST_F(GaussianGraphTest, StepsCurveAndBaselineAtHandComputedPixels) {
    pot[0] = 1.0;
    pot[10] = 2.5;
    pot[20] = 6.0;
    pot[30] = 0.99;
    pot[40] = -1.0;
    pot[50] = 0.5;
    pot[63] = 5.99;
    host.graph.SetData(pot, 0.5, 3.0, 4.0, 32);
    ExpectSpans(PaintAt(131, 38),
                {
                    {0, 0, 35, kBlack},       {1, 29, 29, kRed},         {3, 29, 35, kRed},
                    {22, 20, 20, kRed},       {41, 0, 35, kRed},         {42, 0, 35, kRed, false},
                    {62, 30, 30, kRed},       {62, 29, 29, kRed, false}, {81, 35, 35, kRed},
                    {82, 0, 35, kRed, false}, {128, 0, 0, kRed},         {128, 32, 32, kGrey},
                    {42, 32, 32, kGrey},      {104, 32, 32, kGrey},      {101, 32, 32, kRed},
                    {65, 14, 14, kGrey},      {65, 13, 13, kBlack},      {57, 26, 26, kGrey},
                    {73, 26, 26, kGrey},      {62, 17, 17, kGrey},       {62, 16, 16, kBlack},
                });
}

// Client width 64 leaves no whole pixel per bin: the steps become one vertical run in column 1
// (bins alternate between rows 32 and 35), the baseline has no length and no curve is drawn.
// One pixel more gives each bin a column: baseline at 1.0 on row 29 to the right edge, curve
// peak 4.0 at column 33, row 11. Client height 5 gives 0 pixels per unit: every line, the
// infinite value's too, on row -1. Height 6: 1 pixel per unit, the baseline at 3.0 on row 2.
TEST_F(GaussianGraphTest, SmallWindowsCollapseTheScale) {
    for (int k = 0; k < 64; ++k) {
        pot[k] = (k % 2) ? 0.5 : 0.0;
    }
    host.graph.SetData(pot, 1.0, 3.0, 4.0, 32);
    Headless::PixelGrid grid = PaintAt(66, 38);
    EXPECT_EQ(64 * 36 - 4, Count(grid, kBlack));
    ExpectSpans(grid, {{1, 32, 35, kRed}});
    ExpectSpans(PaintAt(67, 38), {{64, 29, 29, kGrey}, {33, 11, 11, kGrey}});

    for (int k = 0; k < 64; ++k) {
        pot[k] = k;
    }
    pot[3] = std::numeric_limits<double>::infinity();
    host.graph.SetData(pot, 3.0, 2.0, 4.0, 32);
    EXPECT_EQ(129 * 5, Count(PaintAt(131, 7), kBlack));
    ExpectSpans(PaintAt(131, 8), {{100, 2, 2, kGrey}});
}

// Huge, infinite and NaN values lie outside the area, NaN below like -inf (nothing joins bins 6
// and 7); only the rises between above and below cross it. NaN curve and baseline stay outside.
TEST_F(GaussianGraphTest, ValuesBeyondAnyScaleStayOutsideTheArea) {
    const double inf = std::numeric_limits<double>::infinity();
    pot[5] = 1e300;
    pot[6] = -inf;
    pot[7] = std::nan("");
    pot[8] = inf;
    host.graph.SetData(pot, std::nan(""), std::nan(""), 4.0, 32);
    const Headless::PixelGrid grid = PaintAt(131, 38);
    EXPECT_EQ(0, Count(grid, kGrey));
    for (int x = 11; x <= 19; ++x) {
        ExpectSpans(grid, {{x, 0, 35, kRed, x == 11 || x == 13 || x == 17 || x == 19}});
    }
    ExpectSpans(grid, {{20, 35, 35, kRed}});
}

}  // namespace
