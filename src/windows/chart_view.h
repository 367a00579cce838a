// CChartView: a self-drawn control that shows a picture of its own size (a history chart).
#pragma once

#include "platform/base/rgba_image.h"
#include "platform/ui/controls.h"

class CChartView : public CStatic {
public:
    // The size a picture needs to fill the control in the screen's own pixels.
    CSize GetPictureSize() const;
    // How tall a picture's capitals are to match the window's text, in the picture's pixels;
    // 0 where the window's text size is not known.
    double GetPictureTextPixels() const;
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
