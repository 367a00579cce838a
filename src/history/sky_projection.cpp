#include "history/sky_projection.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadiansPerDegree = kPi / 180.0;
// Points along each edge of the observable band, where it follows the map's outline.
constexpr int kEdgeSteps = 20;

// The north Galactic pole and the Galactic longitude of the north celestial pole (J2000).
constexpr double kPoleRa = 192.85948;
constexpr double kPoleDec = 27.12825;
constexpr double kCelestialPoleLongitude = 122.93192;

// Longitude on the map, in degrees: right ascension turned so that it grows to the left, in
// -180..180.
double MapLongitude(double raHours) {
    double longitude = std::fmod(-raHours * 15.0, 360.0);
    if (longitude > 180.0) {
        longitude -= 360.0;
    } else if (longitude < -180.0) {
        longitude += 360.0;
    }
    return longitude;
}

SkyPoint ProjectLongitude(double longitude, double decDegrees) {
    const double l = longitude * kRadiansPerDegree;
    const double phi = decDegrees * kRadiansPerDegree;
    const double d = std::sqrt(1.0 + std::cos(phi) * std::cos(l / 2));
    return SkyPoint{2.0 * kSkyMapHalfHeight * std::cos(phi) * std::sin(l / 2) / d,
                    kSkyMapHalfHeight * std::sin(phi) / d};
}

SkyLine Parallel(double decDegrees, double fromLongitude, double toLongitude) {
    SkyLine line;
    const double step = fromLongitude < toLongitude ? 2.0 : -2.0;
    for (double l = fromLongitude; step > 0 ? l <= toLongitude : l >= toLongitude; l += step) {
        line.push_back(ProjectLongitude(l, decDegrees));
    }
    return line;
}

}  // namespace

SkyPoint ProjectSky(double raHours, double decDegrees) {
    return ProjectLongitude(MapLongitude(raHours), decDegrees);
}

std::vector<SkyLine> SkyGrid() {
    std::vector<SkyLine> grid;
    const auto meridian = [&grid](double longitude) {
        SkyLine line;
        for (int dec = -90; dec <= 90; dec += 2) {
            line.push_back(ProjectLongitude(longitude, dec));
        }
        grid.push_back(std::move(line));
    };
    for (int hours = 0; hours < 24; hours += 2) {
        meridian(MapLongitude(hours));
    }
    meridian(180.0);  // 12 h is both edges of the map
    for (int dec = -60; dec <= 60; dec += 30) {
        grid.push_back(Parallel(dec, -180.0, 180.0));
    }
    return grid;
}

void GalacticToEquatorial(double l, double b, double& raHours, double& decDegrees) {
    const double sinPole = std::sin(kPoleDec * kRadiansPerDegree);
    const double cosPole = std::cos(kPoleDec * kRadiansPerDegree);
    const double dl = (kCelestialPoleLongitude - l) * kRadiansPerDegree;
    const double br = b * kRadiansPerDegree;
    const double sinDec = sinPole * std::sin(br) + cosPole * std::cos(br) * std::cos(dl);
    const double y = std::cos(br) * std::sin(dl);
    const double x = cosPole * std::sin(br) - sinPole * std::cos(br) * std::cos(dl);
    double ra = kPoleRa + std::atan2(y, x) / kRadiansPerDegree;
    ra = std::fmod(ra + 360.0, 360.0);
    raHours = ra / 15.0;
    decDegrees = std::asin(sinDec) / kRadiansPerDegree;
}

bool CrossesMapEdge(double raHoursA, double raHoursB) {
    return std::fabs(MapLongitude(raHoursA) - MapLongitude(raHoursB)) > 180.0;
}

std::vector<SkyLine> GalacticPlane() {
    std::vector<SkyLine> pieces(1);
    double previousRa = 0.0;
    for (int l = 0; l <= 360; ++l) {
        double ra = 0.0;
        double dec = 0.0;
        GalacticToEquatorial(l, 0.0, ra, dec);
        if (l > 0 && CrossesMapEdge(previousRa, ra)) {
            pieces.emplace_back();
        }
        pieces.back().push_back(ProjectSky(ra, dec));
        previousRa = ra;
    }
    return pieces;
}

SkyLine ObservableBand() {
    // Along the upper declination, down the map's right edge, back along the lower declination
    // and up the left edge.
    SkyLine band = Parallel(kObservableDecMax, -180.0, 180.0);
    for (const double edge : {180.0, -180.0}) {
        const bool down = edge > 0;
        for (int i = 1; i < kEdgeSteps; ++i) {
            const double t = static_cast<double>(i) / kEdgeSteps;
            band.push_back(ProjectLongitude(
                edge, down ? kObservableDecMax + t * (kObservableDecMin - kObservableDecMax)
                           : kObservableDecMin + t * (kObservableDecMax - kObservableDecMin)));
        }
        if (down) {
            const SkyLine lower = Parallel(kObservableDecMin, 180.0, -180.0);
            band.insert(band.end(), lower.begin(), lower.end());
        }
    }
    band.push_back(band.front());
    return band;
}
