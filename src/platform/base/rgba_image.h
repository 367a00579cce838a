// A picture in memory: rows of red, green, blue and alpha bytes, top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // 4 bytes a pixel

    RgbaImage() = default;
    RgbaImage(int w, int h, std::uint8_t grey = 255)
        : width(w > 0 ? w : 0),
          height(h > 0 ? h : 0),
          pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, grey) {}

    bool IsEmpty() const { return pixels.empty(); }
    const std::uint8_t* At(int x, int y) const {
        return &pixels[(static_cast<size_t>(y) * static_cast<size_t>(width) +
                        static_cast<size_t>(x)) *
                       4];
    }
};
