#include "charts/plot_stream.h"

#include <plplot.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Rgb {
    int r;
    int g;
    int b;
};

constexpr Rgb kPalette[kChartColourCount] = {
    {255, 255, 255},  // background
    {40, 40, 40},     // ink
    {200, 200, 200},  // grid
    {255, 236, 170},  // band
    {150, 60, 190},   // Galactic plane
    {30, 90, 200},    // units
    {230, 20, 20},    // highlight
};

// PLplot reports what it can't draw through this, instead of printing to stderr; the stream's
// result is then refused.
bool g_aborted = false;

void OnAbort(PLCHAR_VECTOR) {
    g_aborted = true;
}

}  // namespace

bool ChartDriversAvailable() {
    static const bool available = [] {
        int count = 64;
        std::vector<const char*> menus(static_cast<size_t>(count));
        std::vector<const char*> names(static_cast<size_t>(count));
        const char** menu = menus.data();
        const char** name = names.data();
        plgDevs(&menu, &name, &count);
        int found = 0;
        for (int i = 0; i < count; ++i) {
            for (const char* wanted : {"memcairo", "pngcairo", "svgcairo"}) {
                found += std::strcmp(names[static_cast<size_t>(i)], wanted) == 0;
            }
        }
        return found == 3;
    }();
    return available;
}

PlotStream::PlotStream(RgbaImage& image, double textPixels)
    : m_width(image.width), m_height(image.height) {
    if (image.IsEmpty() || !ChartDriversAvailable()) {
        return;
    }
    plmkstrm(&m_stream);
    if (m_stream < 0) {
        return;
    }
    plsmema(image.width, image.height, image.pixels.data());
    Begin("memcairo", textPixels);
}

PlotStream::PlotStream(ChartFormat format, int width, int height)
    : m_width(width), m_height(height) {
    if (width <= 0 || height <= 0 || !ChartDriversAvailable()) {
        return;
    }
    m_file = open_memstream(&m_bytes, &m_size);
    if (!m_file) {
        return;
    }
    plmkstrm(&m_stream);
    if (m_stream < 0) {
        std::fclose(m_file);
        m_file = nullptr;
        return;
    }
    // PLplot writes into the stream and closes it when the stream ends; a file of its own would
    // make it ask on the terminal for another name, or end the program, when it can't be opened.
    plsfile(m_file);
    plspage(0, 0, width, height, 0, 0);
    Begin(format == ChartFormat::kPng ? "pngcairo" : "svgcairo");
}

void PlotStream::Begin(const char* device, double textPixels) {
    plsabort(OnAbort);
    g_aborted = false;
    plsdev(device);
    plsfam(0, 0, 0);
    plspause(0);
    plscmap0n(kChartColourCount);
    for (int i = 0; i < kChartColourCount; ++i) {
        plscol0(i, kPalette[i].r, kPalette[i].g, kPalette[i].b);
    }
    plinit();
    pladv(0);
    if (textPixels > 0) {
        // PLplot sizes texts in millimetres of a page as wide as the picture.
        PLFLT left = 0;
        PLFLT right = 0;
        PLFLT bottom = 0;
        PLFLT top = 0;
        plgspa(&left, &right, &bottom, &top);
        if (right > left) {
            plschr(textPixels * (right - left) / m_width, 1.0);
        }
    }
    m_open = !g_aborted;
}

std::string PlotStream::Finish() {
    if (m_stream < 0) {
        return std::string();
    }
    plsstrm(m_stream);
    plend1();
    plsstrm(0);
    m_stream = -1;
    std::string bytes;
    if (m_file) {
        m_file = nullptr;  // closed by PLplot
        if (m_open && !g_aborted && m_bytes) {
            bytes.assign(m_bytes, m_size);
        }
        std::free(m_bytes);
        m_bytes = nullptr;
    }
    m_open = false;
    return bytes;
}

PlotStream::~PlotStream() {
    Finish();
}
