#include "windows/chart_view.h"

#include "platform/ui/cdc.h"

const MessageMap* CChartView::GetThisMessageMap() {
    static const MessageMap map{CStatic::GetThisMessageMap(), {MapPaint(&CChartView::OnPaint)}};
    return &map;
}

CSize CChartView::GetPictureSize() const {
    CRect client;
    GetClientRect(&client);
    return CSize{client.Width(), client.Height()};
}

void CChartView::SetPicture(RgbaImage picture) {
    m_picture = std::move(picture);
    RedrawWindow(RDW_INVALIDATE | RDW_UPDATENOW);
}

void CChartView::OnPaint() {
    CPaintDC dc(this);
    dc.DrawImage(0, 0, m_picture);
}
