// The charts as pictures: where a unit lands on the sky map, bars and points in proportion, the
// same picture whether a pixel is reached once or a thousand times, and the saved files.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "chart_pixels.h"
#include "charts/history_charts.h"
#include "history/log_calendar.h"
#include "history/sky_projection.h"

namespace {

using chart_test::Find;

LogUnit UnitAt(double ra, double dec, const char* logged = "2024/01/10 12:00:00",
               double cpuHours = 5) {
    LogUnit unit;
    unit.start_ra = unit.end_ra = ra;
    unit.start_dec = unit.end_dec = dec;
    unit.logged = *ParseLogTime(logged);
    unit.cpu = cpuHours * 3600;
    return unit;
}

// Keeps a picture in the build folder for people to look at.
void Keep(const RgbaImage& image, const std::string& name) {
    std::ofstream out(std::string(VANTREL_CHART_PICTURE_DIR) + "/vantrel_chart_" + name + ".ppm",
                      std::ios::binary);
    out << "P6 " << image.width << " " << image.height << " 255\n";
    for (size_t i = 0; i < image.pixels.size(); i += 4) {
        out.write(reinterpret_cast<const char*>(&image.pixels[i]), 3);
    }
}

TEST(HistoryCharts, TheSelectedUnitIsRingedWhereTheProjectionPutsIt) {
    ASSERT_TRUE(ChartDriversAvailable());
    const std::vector<LogUnit> units = {UnitAt(0, 0), UnitAt(6, 0), UnitAt(20, 30)};
    HistoryCharts charts;
    charts.SetUnits(units);
    RgbaImage centre(600, 330);
    ASSERT_TRUE(charts.Render(HistoryChart::kSkyMap, centre, &units[0]));
    Keep(centre, "sky_map");
    const chart_test::Found atCentre = Find(centre, chart_test::IsHighlight);
    ASSERT_GT(atCentre.count, 10);
    // The map's outline (the 12 h meridian) crosses the centre's row at x = ±2√2.
    const int row = static_cast<int>(std::lround(atCentre.y));
    int left = 0;
    while (left < centre.width && chart_test::IsColour(centre.At(left, row), 255, 255, 255)) {
        ++left;
    }
    int right = centre.width - 1;
    while (right > 0 && chart_test::IsColour(centre.At(right, row), 255, 255, 255)) {
        --right;
    }
    EXPECT_NEAR(atCentre.x, (left + right) / 2.0, 1.5);
    const double halfWidth = (right - left) / 2.0;

    // 6 h lies at x = -1.5307 of 2.8284: left of the centre.
    RgbaImage six(600, 330);
    ASSERT_TRUE(charts.Render(HistoryChart::kSkyMap, six, &units[1]));
    const chart_test::Found atSix = Find(six, chart_test::IsHighlight);
    EXPECT_NEAR(atSix.x, atCentre.x - 1.5307337 / kSkyMapHalfWidth * halfWidth, 2.0);
    EXPECT_NEAR(atSix.y, atCentre.y, 1.5);
    // Without a selection nothing is ringed, and the base map is the same picture.
    RgbaImage none(600, 330);
    ASSERT_TRUE(charts.Render(HistoryChart::kSkyMap, none, nullptr));
    EXPECT_EQ(Find(none, chart_test::IsHighlight).count, 0);
    EXPECT_GT(Find(none, chart_test::IsUnitColour).count, 0);
}

TEST(HistoryCharts, BarsAndPointsStandInProportion) {
    // Three units in the week of 2024-01-08, one in the week after; 2 and 8 CPU hours.
    const std::vector<LogUnit> units = {
        UnitAt(1, 1, "2024/01/08 00:00:00", 2), UnitAt(1, 1, "2024/01/10 00:00:00", 2),
        UnitAt(1, 1, "2024/01/14 23:59:59", 2), UnitAt(1, 1, "2024/01/15 00:00:00", 8)};
    HistoryCharts charts;
    charts.SetUnits(units);
    RgbaImage weekly(500, 300);
    ASSERT_TRUE(charts.Render(HistoryChart::kWeeklyUnits, weekly, nullptr));
    Keep(weekly, "weekly");
    // Two bars with a gap between them: split at the gap.
    int gap = weekly.width / 2;
    while (gap < weekly.width && Find(weekly, chart_test::IsUnitColour, gap, gap + 1).count > 0) {
        ++gap;
    }
    const chart_test::Found first = Find(weekly, chart_test::IsUnitColour, 0, gap);
    const chart_test::Found second = Find(weekly, chart_test::IsUnitColour, gap);
    ASSERT_GT(second.count, 0);
    // Both stand on the same axis; the first is three times as tall.
    EXPECT_NEAR(first.bottom, second.bottom, 1);
    EXPECT_NEAR(first.bottom - first.top + 1, 3.0 * (second.bottom - second.top + 1), 3.0);

    RgbaImage cpu(500, 300);
    ASSERT_TRUE(charts.Render(HistoryChart::kCpuHours, cpu, nullptr));
    Keep(cpu, "cpu_hours");
    const chart_test::Found points = Find(cpu, chart_test::IsUnitColour);
    ASSERT_GT(points.count, 0);
    // The 8-hour unit, logged last, stands alone in the top half, at the right.
    RgbaImage top = cpu;
    top.height /= 2;
    const chart_test::Found high = Find(top, chart_test::IsUnitColour);
    EXPECT_GT(high.count, 0);
    EXPECT_GT(high.x, cpu.width * 0.75);
    EXPECT_GT(points.bottom - high.bottom, 100);
}

TEST(HistoryCharts, APixelReachedManyTimesLooksAsReachedOnce) {
    std::vector<LogUnit> once = {UnitAt(3, 10), UnitAt(9, 20, "2024/02/01 00:00:00", 7)};
    std::vector<LogUnit> often;
    for (int i = 0; i < 1000; ++i) {
        often.insert(often.end(), once.begin(), once.end());
    }
    // (Not the weekly bars: they stand 1000 times as tall.)
    for (const HistoryChart chart : {HistoryChart::kCpuHours, HistoryChart::kSkyMap}) {
        HistoryCharts a;
        a.SetUnits(once);
        HistoryCharts b;
        b.SetUnits(often);
        RgbaImage imageA(400, 250);
        RgbaImage imageB(400, 250);
        ASSERT_TRUE(a.Render(chart, imageA, nullptr));
        ASSERT_TRUE(b.Render(chart, imageB, nullptr));
        EXPECT_EQ(imageA.pixels, imageB.pixels) << static_cast<int>(chart);
    }
}

TEST(HistoryCharts, ChartsSaveAsPngAndSvgAndAnEmptyLogSaysSo) {
    const std::vector<LogUnit> units = {UnitAt(3, 10)};
    HistoryCharts charts;
    charts.SetUnits(units);
    for (const HistoryChart chart :
         {HistoryChart::kCpuHours, HistoryChart::kWeeklyUnits, HistoryChart::kSkyMap}) {
        const std::string png = charts.Export(chart, ChartFormat::kPng, 640, 360, &units[0]);
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
        // IHDR: the width and height, big-endian, at bytes 16 and 20: 640 = 0x280, 360 = 0x168.
        EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\x68", 8));
        const std::string svg = charts.Export(chart, ChartFormat::kSvg, 640, 360, nullptr);
        EXPECT_EQ(svg.substr(0, 5), "<?xml");
        EXPECT_NE(svg.find("<svg"), std::string::npos);
        EXPECT_NE(svg.find("</svg>"), std::string::npos);
    }

    const std::vector<LogUnit> none;
    charts.SetUnits(none);
    RgbaImage empty(400, 250);
    ASSERT_TRUE(charts.Render(HistoryChart::kCpuHours, empty, nullptr));
    EXPECT_EQ(Find(empty, chart_test::IsUnitColour).count, 0);
    EXPECT_GT(Find(empty, [](const std::uint8_t* p) { return p[0] < 128; }).count, 20);  // text
}

}  // namespace
