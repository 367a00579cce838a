// CChartView: a self-drawn control that shows a picture of its own size (a history chart).
#pragma once

#include "platform/base/rgba_image.h"
#include "platform/ui/controls.h"

class CChartView : public CStatic {
public:
    // The size a picture needs to fill the control.
    CSize GetPictureSize() const;
    // Keeps the picture and repaints now.
    void SetPicture(RgbaImage picture);
    const RgbaImage& GetPicture() const { return m_picture; }

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void OnPaint();

private:
    RgbaImage m_picture;
};
