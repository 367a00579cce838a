// Reading the charts' pictures back in the chart tests.
#pragma once

#include <cstdint>

#include "charts/plot_stream.h"
#include "platform/base/rgba_image.h"

namespace chart_test {

inline bool IsColour(const std::uint8_t* p, int r, int g, int b) {
    return p[0] == r && p[1] == g && p[2] == b;
}
// The highlight's red and the units' blue, near enough: the edges of a stroke are blended into
// what lies below.
inline bool IsHighlight(const std::uint8_t* p) {
    return p[0] > 180 && p[1] < 110 && p[2] < 110;
}
inline bool IsUnitColour(const std::uint8_t* p) {
    return p[2] > 150 && p[0] < 140 && p[1] < 170 && p[2] - p[0] > 60;
}

struct Found {
    int count = 0;
    double x = 0;  // the centre of what was found
    double y = 0;
    int top = 1 << 30;
    int bottom = -1;
};

template <typename Test>
Found Find(const RgbaImage& image, Test test, int left = 0, int right = -1) {
    Found found;
    if (right < 0) {
        right = image.width;
    }
    for (int y = 0; y < image.height; ++y) {
        for (int x = left; x < right; ++x) {
            if (test(image.At(x, y))) {
                ++found.count;
                found.x += x;
                found.y += y;
                found.top = y < found.top ? y : found.top;
                found.bottom = y > found.bottom ? y : found.bottom;
            }
        }
    }
    if (found.count > 0) {
        found.x /= found.count;
        found.y /= found.count;
    }
    return found;
}

}  // namespace chart_test
