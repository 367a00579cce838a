// CGaussianGraph: the self-drawn control that pictures the best Gaussian found so far: its 64
// power values as a red step line over the fitted curve and its baseline in grey, on black.
#pragma once

#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/types.h"

class CGaussianGraph : public CStatic {
public:
    static constexpr int kBins = 64;

    CGaussianGraph();
    ~CGaussianGraph() override;

    // Keeps a copy of the data, so the control can repaint at any time. A sigma of 0 leaves
    // nothing to draw but the background. Does not repaint.
    void SetData(const double pot[kBins], double trueMean, double power, double sigma, int t0);
    // Repaints now.
    void Redraw();

    static const MessageMap* GetThisMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    void OnPaint();

private:
    double m_pot[kBins] = {};
    double m_trueMean = 0.0;
    double m_power = 0.0;
    double m_sigma = 0.0;
    int m_t0 = 0;
    bool m_bValid = false;
    CPoint m_points[2 * kBins];  // the step line, rebuilt on every paint

    // The curve's points and what they were worked out for.
    struct CurveKey {
        double trueMean = 0.0;
        double power = 0.0;
        double sigma = 0.0;
        int t0 = 0;
        int dx = 0;
        int unit = 0;
        bool operator==(const CurveKey& other) const {
            return trueMean == other.trueMean && power == other.power && sigma == other.sigma &&
                   t0 == other.t0 && dx == other.dx && unit == other.unit;
        }
    };
    CurveKey m_curveKey;
    std::vector<CPoint> m_curve;
};
