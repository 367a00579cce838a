#include "windows/gaussian_graph.h"

#include <cmath>

#include "platform/ui/cdc.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 0);
constexpr COLORREF kCurveColor = RGB(160, 160, 160);
constexpr COLORREF kStepColor = RGB(255, 0, 0);

// Offsets from the row of power 0 are kept within this many pixels: far outside any client
// area, yet small enough that the row can't overflow and a line to it stays cheap to draw.
constexpr double kMaxOffset = 65536.0;

// The pixel scale of one paint. All pixel arithmetic is 32-bit and truncates toward zero.
struct Scale {
    int unit;  // pixels per unit of power
    int y0;    // the row of power 0

    // y0 - trunc(v * unit). A damaged state file can hold huge, infinite or NaN values; their
    // offset is clamped before the conversion, which would otherwise be undefined. NaN has no
    // place on the scale and goes below the area, as if it were a large negative power.
    int Row(double v) const {
        if (unit == 0) {
            return y0;  // no vertical scale: every value, infinite ones too, on one row
        }
        double offset = v * unit;
        if (std::isnan(offset) || offset < -kMaxOffset) {
            offset = -kMaxOffset;
        } else if (offset > kMaxOffset) {
            offset = kMaxOffset;
        }
        return y0 - static_cast<int>(offset);
    }
};

}  // namespace

CGaussianGraph::CGaussianGraph() = default;

CGaussianGraph::~CGaussianGraph() = default;

void CGaussianGraph::SetData(const double pot[kBins], double trueMean, double power, double sigma,
                             int t0) {
    for (int k = 0; k < kBins; ++k) {
        m_pot[k] = pot[k];
    }
    m_trueMean = trueMean;
    m_power = power;
    m_sigma = sigma;
    m_t0 = t0;
    m_bValid = sigma != 0.0;
}

void CGaussianGraph::Redraw() {
    RedrawWindow(RDW_UPDATENOW);
}

const MessageMap* CGaussianGraph::GetThisMessageMap() {
    static const MessageMap map{CStatic::GetThisMessageMap(),
                                {
                                    MapPaint(&CGaussianGraph::OnPaint),
                                }};
    return &map;
}

void CGaussianGraph::OnPaint() {
    CPaintDC dc(this);

    // The window rectangle includes the 1-pixel sunken edge on each side.
    CRect window;
    GetWindowRect(&window);
    const int width = window.Width() - 2;
    const int height = window.Height() - 2;
    dc.FillSolidRect(CRect{0, 0, width, height}, kBackground);
    if (!m_bValid) {
        return;
    }

    const int dx = (width - 1) / kBins;  // pixels per bin
    const int unit = height / 6;
    const Scale scale{unit, 6 * unit - 1};
    const int xmax = kBins * dx + 1;

    CPen grey(PS_SOLID, 1, kCurveColor);
    CPen* oldPen = dc.SelectObject(&grey);

    const int baseline = scale.Row(m_trueMean);
    dc.MoveTo(xmax, baseline);
    dc.LineTo(1, baseline);

    // Bin positions 0..64 span the columns 1..xmax; with dx 0 there is no column to draw. One
    // point a column, joined as MoveTo and LineTo would join them; the points are worked out
    // again only when the Gaussian or the size has changed (a refresh repaints the same curve).
    const CurveKey key{m_trueMean, m_power, m_sigma, m_t0, dx, unit};
    if (!(key == m_curveKey) || m_curve.empty()) {
        const auto gauss = [this](double x) {
            return m_trueMean + m_power * std::exp(-std::pow((x - m_t0) / m_sigma, 2.0));
        };
        m_curve.clear();
        m_curve.push_back(CPoint{1, scale.Row(gauss(0.0))});
        for (int i = 2; i <= xmax; ++i) {
            m_curve.push_back(CPoint{i, scale.Row(gauss((i - 1) / static_cast<double>(dx)))});
        }
        m_curveKey = key;
    }
    dc.Polyline(m_curve.data(), static_cast<int>(m_curve.size()));

    for (int k = 0; k < kBins; ++k) {
        const int row = scale.Row(m_pot[k]);
        m_points[2 * k] = CPoint{1 + k * dx, row};
        m_points[2 * k + 1] = CPoint{1 + (k + 1) * dx, row};
    }
    CPen red(PS_SOLID, 1, kStepColor);
    dc.SelectObject(&red);
    dc.Polyline(m_points, 2 * kBins);

    dc.SelectObject(oldPen);
}
