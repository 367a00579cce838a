// The sky map's geometry against positions worked out by hand and the Galactic poles' catalogue
// positions.
#include <gtest/gtest.h>

#include <cmath>

#include "history/sky_projection.h"

namespace {

void ExpectAt(double ra, double dec, double x, double y) {
    const SkyPoint p = ProjectSky(ra, dec);
    EXPECT_NEAR(p.x, x, 1e-7) << ra << " h, " << dec << " deg";
    EXPECT_NEAR(p.y, y, 1e-7) << ra << " h, " << dec << " deg";
}

TEST(SkyProjection, KnownPositionsOnTheMap) {
    ExpectAt(0, 0, 0, 0);
    // 6 h: longitude -90 deg, x = 2√2 sin(-45°) / √(1 + cos 45°) = -2 / 1.3065630
    ExpectAt(6, 0, -1.5307337, 0);
    ExpectAt(18, 0, 1.5307337, 0);
    ExpectAt(-6, 0, 1.5307337, 0);  // the same hour as 18 h
    ExpectAt(0, 90, 0, std::sqrt(2.0));
    ExpectAt(7, -90, 0, -std::sqrt(2.0));
    // 45 deg on the central meridian: y = √2 sin 45° / √(1 + cos 45°) = 1 / 1.3065630
    ExpectAt(0, 45, 0, 0.7653669);
    // 12 h is the map's edge: just below it on the left, just above it on the right.
    EXPECT_NEAR(ProjectSky(11.9999, 0).x, -kSkyMapHalfWidth, 1e-3);
    EXPECT_NEAR(ProjectSky(12.0001, 0).x, kSkyMapHalfWidth, 1e-3);
    EXPECT_TRUE(CrossesMapEdge(11.9, 12.1));
    EXPECT_FALSE(CrossesMapEdge(23.9, 0.1));
    EXPECT_FALSE(CrossesMapEdge(11.0, 11.9));
}

TEST(SkyProjection, GalacticPlaneGridAndBand) {
    double ra = 0;
    double dec = 0;
    // The Galactic centre: 17 h 45 m 37.2 s, -28° 56′ 10″ (J2000).
    GalacticToEquatorial(0, 0, ra, dec);
    EXPECT_NEAR(ra, 17.7603, 1e-3);
    EXPECT_NEAR(dec, -28.9361, 1e-3);
    // The north Galactic pole: 12 h 51 m 26.3 s, +27° 07′ 42″.
    GalacticToEquatorial(123, 90, ra, dec);
    EXPECT_NEAR(ra, 12.8573, 1e-3);
    EXPECT_NEAR(dec, 27.1283, 1e-3);

    // The plane crosses the map's edge once: two pieces, neither with a long jump inside.
    const std::vector<SkyLine> plane = GalacticPlane();
    ASSERT_EQ(plane.size(), 2u);
    for (const SkyLine& piece : plane) {
        for (size_t i = 1; i < piece.size(); ++i) {
            EXPECT_LT(std::hypot(piece[i].x - piece[i - 1].x, piece[i].y - piece[i - 1].y), 0.1);
        }
    }
    // 13 meridians (12 h twice, as both edges) and 5 parallels, all on the map.
    const std::vector<SkyLine> grid = SkyGrid();
    EXPECT_EQ(grid.size(), 18u);
    for (const SkyLine& line : grid) {
        for (const SkyPoint& p : line) {
            EXPECT_LE(std::fabs(p.x), kSkyMapHalfWidth + 1e-9);
            EXPECT_LE(std::fabs(p.y), kSkyMapHalfHeight + 1e-9);
        }
    }
    // The band: closed, between its two declinations.
    const SkyLine band = ObservableBand();
    EXPECT_EQ(band.front().x, band.back().x);
    EXPECT_EQ(band.front().y, band.back().y);
    // Along the upper declination, down the right edge, back along the lower one, up the left
    // edge: the middle of each declination at 0 h, every edge point on the map's outline.
    ASSERT_EQ(band.size(), 2 * 181 + 2 * 19 + 1u);
    EXPECT_NEAR(band[90].y, ProjectSky(0, kObservableDecMax).y, 1e-12);
    EXPECT_NEAR(band[181 + 19 + 90].y, ProjectSky(0, kObservableDecMin).y, 1e-12);
    for (const SkyPoint& p : band) {
        const double outline = (p.x / kSkyMapHalfWidth) * (p.x / kSkyMapHalfWidth) +
                               (p.y / kSkyMapHalfHeight) * (p.y / kSkyMapHalfHeight);
        EXPECT_LE(outline, 1 + 1e-9);
    }
}

}  // namespace
