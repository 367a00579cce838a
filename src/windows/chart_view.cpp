#include "windows/chart_view.h"

#include "platform/ui/cdc.h"

const MessageMap* CChartView::GetThisMessageMap() {
    static const MessageMap map{CStatic::GetThisMessageMap(), {MapPaint(&CChartView::OnPaint)}};
    return &map;
}

namespace {

// A chart's texts by a line of the window's text: its labels (0.8 of this) come out about as tall
// as the window's own capitals.
constexpr double kChartTextPerLine = 0.85;

}  // namespace

CSize CChartView::GetPictureSize() const {
    CRect client;
    GetClientRect(&client);
    const double scale = GetContentScale();
    return CSize{static_cast<int>(client.Width() * scale + 0.5),
                 static_cast<int>(client.Height() * scale + 0.5)};
}

double CChartView::GetPictureTextPixels() const {
    return GetTextHeight() * kChartTextPerLine * GetContentScale();
}

void CChartView::SetPicture(RgbaImage picture) {
    m_picture = std::move(picture);
    RedrawWindow(RDW_INVALIDATE | RDW_UPDATENOW);
}

void CChartView::OnPaint() {
    CPaintDC dc(this);
    dc.DrawImage(0, 0, m_picture, GetContentScale());
}
