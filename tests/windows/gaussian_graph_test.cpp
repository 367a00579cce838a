#include "windows/gaussian_graph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/headless/headless.h"
#include "platform/ui/cdialog.h"
#include "res/resource.h"
#include "windows/window_test_support.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(160, 160, 160);
constexpr COLORREF kRed = RGB(255, 0, 0);

const DialogTemplate& HostTemplate() {
    static const DialogTemplate host{
        9001,
        "graph host",
        CSize{200, 100},
        "ＭＳ Ｐゴシック",
        9,
        kCaption,
        {{IDC_GRAPH, ControlKind::Static, "", DialogRect(0, 0, 100, 30), kSunken | kBlackFrame}},
    };
    return host;
}

// A dialog that binds the graph to its sunken static control, as the main window does.
class GraphHost : public CDialog {
public:
    GraphHost() : CDialog(HostTemplate()) {}
    CGaussianGraph m_wndGraph;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_GRAPH, m_wndGraph); }
};

class GaussianGraphTest : public WindowTest {
protected:
    GaussianGraphTest() { host.Create(); }

    // Paints the graph at a window size in pixels (the sunken edge included).
    Headless::PixelGrid PaintAt(int width, int height) {
        host.m_wndGraph.SetWindowPos(ZOrder::Top, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        return Headless::Paint(host.m_wndGraph);
    }

    static int Count(const Headless::PixelGrid& grid, COLORREF color) {
        int n = 0;
        for (COLORREF pixel : grid.pixels) {
            n += pixel == color ? 1 : 0;
        }
        return n;
    }

    // Columns other than the one given hold nothing but background.
    static bool OnlyColumnDrawn(const Headless::PixelGrid& grid, int column) {
        for (int y = 0; y < grid.height; ++y) {
            for (int x = 0; x < grid.width; ++x) {
                if (x != column && grid.At(x, y) != kBlack) {
                    return false;
                }
            }
        }
        return true;
    }

    GraphHost host;
    double pot[64] = {};
};

TEST_F(GaussianGraphTest, OnlyBackgroundWithoutASigma) {
    for (double& v : pot) {
        v = 1.0;
    }
    // The client area is the window less its 1-pixel edge on each side, all of it black.
    Headless::PixelGrid grid = PaintAt(131, 38);
    ASSERT_EQ(129, grid.width);
    ASSERT_EQ(36, grid.height);
    EXPECT_EQ(129 * 36, Count(grid, kBlack));

    host.m_wndGraph.SetData(pot, 0.5, 3.0, 0.0, 32);
    EXPECT_EQ(129 * 36, Count(PaintAt(131, 38), kBlack));

    // The same data with a non-zero sigma draws; handing it over alone does not repaint.
    const int paintsBefore = Headless::PaintCount(host.m_wndGraph);
    host.m_wndGraph.SetData(pot, 0.5, 3.0, 4.0, 32);
    EXPECT_EQ(paintsBefore, Headless::PaintCount(host.m_wndGraph));
    host.m_wndGraph.Redraw();
    EXPECT_EQ(paintsBefore + 1, Headless::PaintCount(host.m_wndGraph));
    grid = PaintAt(131, 38);
    EXPECT_GT(Count(grid, kRed), 0);
    EXPECT_GT(Count(grid, kGrey), 0);
}

// Client 129 x 36: 2 pixels per bin, 6 pixels per unit of power, power 0 on row 35, the plot
// spanning columns 1..129 (the last one just outside). Bin k's step covers columns 1 + 2k and
// 2 + 2k.
TEST_F(GaussianGraphTest, StepsCurveAndBaselineAtHandComputedPixels) {
    pot[0] = 1.0;    // row 35 - 6 = 29
    pot[10] = 2.5;   // row 35 - 15 = 20
    pot[20] = 6.0;   // row -1: just above the area
    pot[30] = 0.99;  // 5.94 pixels, truncated: row 30
    pot[40] = -1.0;  // row 41: below the area
    pot[50] = 0.5;   // row 32, on the baseline
    pot[63] = 5.99;  // 35.94 pixels: row 0
    host.m_wndGraph.SetData(pot, 0.5, 3.0, 4.0, 32);
    const Headless::PixelGrid grid = PaintAt(131, 38);

    for (int y = 0; y < 36; ++y) {
        EXPECT_EQ(kBlack, grid.At(0, y)) << "row " << y;
    }
    // The first step, and the rise down to the zeros after it.
    EXPECT_EQ(kRed, grid.At(1, 29));
    EXPECT_EQ(kRed, grid.At(2, 29));
    for (int y = 29; y <= 35; ++y) {
        EXPECT_EQ(kRed, grid.At(3, y)) << "row " << y;
    }
    EXPECT_EQ(kRed, grid.At(4, 35));
    EXPECT_EQ(kRed, grid.At(22, 20));

    // Power 6 is clipped, not drawn on the top row; the rise to it fills its left column.
    for (int y = 0; y < 36; ++y) {
        EXPECT_NE(kRed, grid.At(42, y)) << "row " << y;
        EXPECT_EQ(kRed, grid.At(41, y)) << "row " << y;
    }
    // Truncation, not rounding: 0.99 lands 5 rows above power 0.
    EXPECT_EQ(kRed, grid.At(62, 30));
    EXPECT_NE(kRed, grid.At(62, 29));
    // A negative value lies below the area.
    for (int y = 0; y < 36; ++y) {
        EXPECT_NE(kRed, grid.At(82, y)) << "row " << y;
    }
    EXPECT_EQ(kRed, grid.At(81, 35));
    // The last step runs to the right edge of the area.
    EXPECT_EQ(kRed, grid.At(127, 0));
    EXPECT_EQ(kRed, grid.At(128, 0));
    EXPECT_EQ(kBlack, grid.At(128, 1));

    // Baseline at 0.5: row 35 - 3 = 32, across the area; red lies on top of it.
    EXPECT_EQ(kGrey, grid.At(128, 32));
    EXPECT_EQ(kGrey, grid.At(42, 32));
    EXPECT_EQ(kGrey, grid.At(104, 32));
    EXPECT_EQ(kRed, grid.At(104, 35));
    EXPECT_EQ(kRed, grid.At(101, 32));
    EXPECT_EQ(kRed, grid.At(102, 32));
    EXPECT_EQ(kRed, grid.At(41, 32));

    // Curve g = 0.5 + 3 exp(-((x - 32) / 4)^2) at x = (column - 1) / 2, row 35 - trunc(6 g):
    // peak at column 65, g = 3.5, row 14.
    EXPECT_EQ(kGrey, grid.At(65, 14));
    EXPECT_EQ(kBlack, grid.At(65, 13));
    // Column 57 (x = 28) and 73 (x = 36): g = 0.5 + 3 / e = 1.6036, 9.62 pixels, row 26.
    EXPECT_EQ(kGrey, grid.At(57, 26));
    EXPECT_EQ(kGrey, grid.At(73, 26));
    // Column 62 (x = 30.5): g = 0.5 + 3 exp(-0.140625) = 3.1064, 18.64 pixels: row 17 (rounding
    // would give 16).
    EXPECT_EQ(kGrey, grid.At(62, 17));
    EXPECT_EQ(kBlack, grid.At(62, 16));
}

TEST_F(GaussianGraphTest, NarrowWindowCollapsesOntoColumnOne) {
    for (int k = 0; k < 64; ++k) {
        pot[k] = (k % 2) ? 0.5 : 0.0;  // rows 32 and 35
    }
    host.m_wndGraph.SetData(pot, 1.0, 3.0, 4.0, 32);

    // Client width 64: no whole pixel per bin. The steps become one vertical run in column 1;
    // the baseline has no length and no curve is drawn.
    Headless::PixelGrid grid = PaintAt(66, 38);
    EXPECT_TRUE(OnlyColumnDrawn(grid, 1));
    for (int y = 32; y <= 35; ++y) {
        EXPECT_EQ(kRed, grid.At(1, y)) << "row " << y;
    }
    EXPECT_EQ(0, Count(grid, kGrey));

    // One pixel more gives each bin a column: baseline at 1.0 (row 29) to the right edge, curve
    // peak 4.0 at column 33 (x = 32), row 35 - 24 = 11.
    grid = PaintAt(67, 38);
    EXPECT_EQ(kGrey, grid.At(64, 29));
    EXPECT_EQ(kGrey, grid.At(33, 11));
}

TEST_F(GaussianGraphTest, LowWindowShowsOnlyBackground) {
    for (int k = 0; k < 64; ++k) {
        pot[k] = k;
    }
    pot[3] = std::numeric_limits<double>::infinity();
    host.m_wndGraph.SetData(pot, 3.0, 2.0, 4.0, 32);

    // Client height 5: 0 pixels per unit, every line on row -1, the infinite value's too.
    Headless::PixelGrid grid = PaintAt(131, 7);
    EXPECT_EQ(129 * 5, Count(grid, kBlack));

    // Height 6: 1 pixel per unit, power 0 on row 5, the baseline at 3.0 on row 2.
    grid = PaintAt(131, 8);
    EXPECT_EQ(kGrey, grid.At(100, 2));
}

TEST_F(GaussianGraphTest, ValuesBeyondAnyScaleStayOutsideTheArea) {
    const double inf = std::numeric_limits<double>::infinity();
    pot[5] = 1e300;
    pot[6] = -inf;
    pot[7] = std::nan("");
    pot[8] = inf;
    // A curve and baseline of NaN have no row inside the area.
    host.m_wndGraph.SetData(pot, std::nan(""), std::nan(""), 4.0, 32);
    const Headless::PixelGrid grid = PaintAt(131, 38);

    EXPECT_EQ(0, Count(grid, kGrey));
    for (int y = 0; y < 36; ++y) {
        // The steps of bins 5 to 8 lie outside (NaN below, like -inf, so nothing joins bins 6 and
        // 7); the runs between above and below cross the whole height.
        for (int column : {12, 14, 15, 16, 18}) {
            EXPECT_NE(kRed, grid.At(column, y)) << "column " << column << " row " << y;
        }
        for (int column : {11, 13, 17, 19}) {
            EXPECT_EQ(kRed, grid.At(column, y)) << "column " << column << " row " << y;
        }
    }
    EXPECT_EQ(kRed, grid.At(20, 35));
}

}  // namespace
