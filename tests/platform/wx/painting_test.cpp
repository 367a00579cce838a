// Self-drawn controls painting through CPaintDC, and the painter's pixels.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include "platform/ui/cdc.h"
#include "platform/ui/controls.h"
#include "platform/wx/wx_painter.h"
#include "wx_test_support.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels of a black 20 x 12 bitmap that a drawing with a red pen turned red.
Pixels RedPixels(const std::function<void(WxPainter&)>& draw) {
    wxBitmap bitmap(20, 12, 24);
    {
        wxMemoryDC dc(bitmap);
        WxPainter painter(dc);
        painter.FillSolidRect(CRect{0, 0, 20, 12}, RGB(0, 0, 0));
        painter.SelectPen(PenSpec{0, 1, RGB(255, 0, 0)});
        draw(painter);
    }
    const wxImage image = bitmap.ConvertToImage();
    Pixels red;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (image.GetRed(x, y) == 255 && image.GetGreen(x, y) == 0) {
                red.insert({x, y});
            }
        }
    }
    return red;
}

TEST(WxPainting, LinesStopBeforeTheirEndPointAndFillsCoverExactlyTheirPixels) {
    // Moves to the first point and draws lines to the others.
    const std::pair<std::vector<CPoint>, Pixels> lines[] = {
        {{{1, 1}, {5, 1}}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {{{3, 6}, {3, 3}}, {{3, 6}, {3, 5}, {3, 4}}},
        {{{8, 3}, {13, 8}}, {{8, 3}, {9, 4}, {10, 5}, {11, 6}, {12, 7}}},
        {{{7, 2}, {3, 0}}, {{7, 2}, {6, 2}, {5, 1}, {4, 1}}},
        {{{0, 0}, {2, 0}, {2, 2}}, {{0, 0}, {1, 0}, {2, 0}, {2, 1}}},
        {{{4, 4}, {4, 4}}, {}},
    };
    for (const auto& line : lines) {
        const std::vector<CPoint>& path = line.first;
        EXPECT_EQ(RedPixels([&](WxPainter& p) {
                      p.MoveTo(path[0].x, path[0].y);
                      for (size_t i = 1; i < path.size(); ++i) {
                          p.LineTo(path[i].x, path[i].y);
                      }
                  }),
                  line.second)
            << path[0].x << "," << path[0].y;
    }
    // The line after a polyline starts where the position was before it.
    const CPoint steps[] = {{1, 5}, {3, 5}, {3, 3}, {5, 3}};
    EXPECT_EQ(RedPixels([&](WxPainter& p) {
                  p.MoveTo(10, 10), p.Polyline(steps, 4), p.LineTo(12, 10), p.Polyline(nullptr, 3);
              }),
              (Pixels{{1, 5}, {2, 5}, {3, 5}, {3, 4}, {3, 3}, {4, 3}, {10, 10}, {11, 10}}));
    EXPECT_EQ(RedPixels([](WxPainter& p) {
                  p.FillSolidRect(CRect{2, 3, 4, 5}, RGB(255, 0, 0));
                  p.FillSolidRect(CRect{5, 5, 3, 8}, RGB(255, 0, 0));  // inverted: nothing
              }),
              (Pixels{{2, 3}, {3, 3}, {2, 4}, {3, 4}}));
}

TEST(WxPainting, SelfDrawnControlPaintsThroughCPaintDCInsideItsEdge) {
    RecordingDialog dialog(kTestDialog);
    ASSERT_TRUE(dialog.Create());
    ShowAndSettle(dialog);
    wxWindow* graphWindow = WxOf(dialog, 1040);
    const auto colourAt = [](const wxImage& image, int x, int y) {
        return RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    };
    // Nobody paints it yet: black inside the edge.
    EXPECT_EQ(colourAt(CaptureScreen(graphWindow->GetScreenRect()), 5, 5), RGB(0, 0, 0));

    // Paints its client area blue with a red line, as the graph control paints itself.
    struct : CStatic {
        LRESULT SendMessage(const Message& message) override {
            if (message.message != WM_PAINT) {
                return CStatic::SendMessage(message);
            }
            CPen red(PS_SOLID, 1, RGB(255, 0, 0));
            CPaintDC dc(this);
            GetClientRect(&clientAtPaint);
            dc.FillSolidRect(clientAtPaint, RGB(0, 0, 255));
            dc.SelectObject(&red);
            dc.MoveTo(2, 3);
            dc.LineTo(12, 3);
            ++paints;
            return 0;
        }
        int paints = 0;
        CRect clientAtPaint;
    } graph;
    graph.Attach(dialog.GetDlgItem(1040)->GetNative());
    graph.RedrawWindow(RDW_UPDATENOW);
    ASSERT_TRUE(PumpUntil([&] { return graph.paints > 0; }));
    PumpFor(100);
    const wxImage image = CaptureScreen(graphWindow->GetScreenRect());
    const int w = image.GetWidth();
    const int h = image.GetHeight();
    EXPECT_EQ(graph.clientAtPaint, (CRect{0, 0, w - 2, h - 2}));
    // Client (x, y) is window (x + 1, y + 1); the line's end point stays unpainted, and the
    // edge is a white highlight at the bottom right and a shadow at the top left.
    const struct {
        int x, y;
        COLORREF colour;
    } pixels[] = {{1, 1, RGB(0, 0, 255)},  {w - 2, h - 2, RGB(0, 0, 255)},
                  {3, 4, RGB(255, 0, 0)},  {12, 4, RGB(255, 0, 0)},
                  {13, 4, RGB(0, 0, 255)}, {w - 1, h - 1, RGB(255, 255, 255)}};
    for (const auto& p : pixels) {
        EXPECT_EQ(colourAt(image, p.x, p.y), p.colour) << p.x << "," << p.y;
    }
    EXPECT_NE(colourAt(image, 0, 0), RGB(0, 0, 255));

    // Outside a paint there is nothing to draw on.
    EXPECT_EQ(dialog.GetDlgItem(1040)->GetNative()->BeginPaint(), nullptr);
}

}  // namespace
