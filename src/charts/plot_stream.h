// A PLplot stream of its own for one chart: drawn into a picture in memory, or into the bytes of
// a PNG or SVG file, and ended when destroyed. PLplot keeps one current stream for the whole
// process, so charts are drawn one at a time, on the user-interface thread.
#pragma once

#include <cstdio>
#include <string>

#include "platform/base/rgba_image.h"

enum class ChartFormat { kPng, kSvg };

// The colours of the charts, as indices of the stream's first colour map.
enum ChartColour : int {
    kChartBackground = 0,
    kChartInk,  // axes and texts
    kChartGrid,
    kChartBand,       // the declinations the telescope could observe
    kChartGalactic,   // the Galactic plane
    kChartUnits,      // the units' points, segments and bars
    kChartHighlight,  // the selected unit
    kChartColourCount
};

// Whether PLplot's cairo drivers (memory, PNG, SVG) are installed.
bool ChartDriversAvailable();

class PlotStream {
public:
    // Draws over the image's pixels, which stay where nothing is drawn. textPixels: how tall
    // the texts' capitals are, in the image's pixels (a window's text size); 0 leaves PLplot's
    // own, which grows with the picture.
    explicit PlotStream(RgbaImage& image, double textPixels = 0);
    // A width x height picture in the format; Finish gives its bytes.
    PlotStream(ChartFormat format, int width, int height);
    ~PlotStream();
    PlotStream(const PlotStream&) = delete;
    PlotStream& operator=(const PlotStream&) = delete;

    // False when PLplot could not start the stream: nothing is drawn.
    bool IsOpen() const { return m_open; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Ends the stream. For a file, its bytes; empty when anything failed on the way.
    std::string Finish();

private:
    void Begin(const char* device, double textPixels = 0);

    int m_stream = -1;
    bool m_open = false;
    int m_width = 0;
    int m_height = 0;
    char* m_bytes = nullptr;  // the file's bytes, in memory: open_memstream's buffer
    size_t m_size = 0;
    std::FILE* m_file = nullptr;
};
