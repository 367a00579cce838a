// Self-drawn controls painting through CPaintDC, and the painter's pixels.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include "platform/ui/cdc.h"
#include "platform/ui/controls.h"
#include "platform/wx/wx_painter.h"
#include "wx_test_support.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels of a 20 x 12 bitmap that a drawing turned red.
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

TEST(WxPainting, LinesStopBeforeTheirEndPointAndStaySharp) {
    EXPECT_EQ(RedPixels([](WxPainter& p) {
                  p.MoveTo(1, 1);
                  p.LineTo(5, 1);
              }),
              (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(RedPixels([](WxPainter& p) {
                  p.MoveTo(3, 6);
                  p.LineTo(3, 3);
              }),
              (Pixels{{3, 6}, {3, 5}, {3, 4}}));
    EXPECT_EQ(RedPixels([](WxPainter& p) {
                  p.MoveTo(8, 3);
                  p.LineTo(13, 8);
              }),
              (Pixels{{8, 3}, {9, 4}, {10, 5}, {11, 6}, {12, 7}}));
    // Two columns per row: a slope of one half, drawn right to left.
    EXPECT_EQ(RedPixels([](WxPainter& p) {
                  p.MoveTo(7, 2);
                  p.LineTo(3, 0);
              }),
              (Pixels{{7, 2}, {6, 2}, {5, 1}, {4, 1}}));
    EXPECT_TRUE(RedPixels([](WxPainter& p) {
                    p.MoveTo(4, 4);
                    p.LineTo(4, 4);
                }).empty());
    // Lines continue from where the last one ended.
    EXPECT_EQ(RedPixels([](WxPainter& p) {
                  p.MoveTo(0, 0);
                  p.LineTo(2, 0);
                  p.LineTo(2, 2);
              }),
              (Pixels{{0, 0}, {1, 0}, {2, 0}, {2, 1}}));
}

TEST(WxPainting, PolylineAndFillCoverExactlyTheirPixels) {
    const CPoint steps[] = {{1, 5}, {3, 5}, {3, 3}, {5, 3}};
    EXPECT_EQ(RedPixels([&](WxPainter& p) {
                  p.MoveTo(10, 10);
                  p.Polyline(steps, 4);
                  p.LineTo(12, 10);  // from the position before the polyline
              }),
              (Pixels{{1, 5}, {2, 5}, {3, 5}, {3, 4}, {3, 3}, {4, 3}, {10, 10}, {11, 10}}));
    EXPECT_EQ(RedPixels([](WxPainter& p) {
                  p.FillSolidRect(CRect{2, 3, 4, 5}, RGB(255, 0, 0));
              }),
              (Pixels{{2, 3}, {3, 3}, {2, 4}, {3, 4}}));
    EXPECT_TRUE(RedPixels([](WxPainter& p) {
                    p.FillSolidRect(CRect{5, 5, 3, 8}, RGB(255, 0, 0));
                    p.Polyline(nullptr, 3);
                }).empty());
}

// Paints its client area blue with a red line, as the graph control paints itself.
class BlueWithRedLine : public CStatic {
public:
    int paints = 0;
    CRect clientAtPaint;

    static const MessageMap* GetThisMessageMap() {
        static const MessageMap map{CWnd::GetThisMessageMap(),
                                    {MapPaint(&BlueWithRedLine::OnPaint)}};
        return &map;
    }

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnPaint() {
        CPaintDC dc(this);
        GetClientRect(&clientAtPaint);
        dc.FillSolidRect(clientAtPaint, RGB(0, 0, 255));
        CPen red(PS_SOLID, 1, RGB(255, 0, 0));
        CPen* old = dc.SelectObject(&red);
        dc.MoveTo(2, 3);
        dc.LineTo(12, 3);
        dc.SelectObject(old);
        ++paints;
    }
};

const DialogTemplate kGraph{
    930,
    "Graph",
    {120, 60},
    "ＭＳ Ｐゴシック",
    9,
    kCaption,
    {
        {1040, ControlKind::Static, "", DialogRect(10, 10, 100, 40), kSunken | kBlackFrame},
    }};

bool IsColour(const wxImage& image, int x, int y, int r, int g, int b) {
    return image.GetRed(x, y) == r && image.GetGreen(x, y) == g && image.GetBlue(x, y) == b;
}

TEST(WxPainting, SelfDrawnControlPaintsThroughCPaintDCInsideItsEdge) {
    RecordingDialog dialog(kGraph);
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(SW_SHOW);
    wxWindow* graphWindow = WxOf(dialog, 1040);
    ASSERT_TRUE(PumpUntil([&] { return graphWindow->IsShownOnScreen(); }));
    PumpFor(200);

    // Nobody paints it yet: black inside the edge.
    wxImage image = CaptureScreen(graphWindow->GetScreenRect());
    EXPECT_TRUE(IsColour(image, 5, 5, 0, 0, 0));

    BlueWithRedLine graph;
    graph.Attach(dialog.GetDlgItem(1040)->GetNative());
    graph.RedrawWindow(RDW_UPDATENOW);
    ASSERT_TRUE(PumpUntil([&] { return graph.paints > 0; }));
    PumpFor(100);
    image = CaptureScreen(graphWindow->GetScreenRect());
    const int w = image.GetWidth();
    const int h = image.GetHeight();
    EXPECT_EQ(graph.clientAtPaint, (CRect{0, 0, w - 2, h - 2}));
    // Client (x, y) is window (x + 1, y + 1).
    EXPECT_TRUE(IsColour(image, 1, 1, 0, 0, 255));
    EXPECT_TRUE(IsColour(image, w - 2, h - 2, 0, 0, 255));
    EXPECT_TRUE(IsColour(image, 3, 4, 255, 0, 0));
    EXPECT_TRUE(IsColour(image, 12, 4, 255, 0, 0));
    EXPECT_TRUE(IsColour(image, 13, 4, 0, 0, 255)) << "the end point stays unpainted";
    EXPECT_TRUE(IsColour(image, w - 1, h - 1, 255, 255, 255)) << "the edge's highlight";
    EXPECT_FALSE(IsColour(image, 0, 0, 0, 0, 255)) << "the edge's shadow";

    // Outside a paint there is nothing to draw on.
    EXPECT_EQ(dialog.GetDlgItem(1040)->GetNative()->BeginPaint(), nullptr);
}

}  // namespace
