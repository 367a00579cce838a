// The whole sky on one flat map (the Hammer-Aitoff projection), and what a sky map draws besides
// the units: the right ascension and declination grid, the Galactic plane and the band of
// declinations the telescope could observe.
#pragma once

#include <vector>

struct SkyPoint {
    double x = 0.0;
    double y = 0.0;
};

// The map's half width and half height: x lies in -2√2..2√2, y in -√2..√2.
inline constexpr double kSkyMapHalfWidth = 2.8284271247461903;
inline constexpr double kSkyMapHalfHeight = 1.4142135623730951;

// Right ascension 0 h at the centre, growing to the left (east is left on a map of the sky seen
// from the ground), 12 h at both edges; north up.
SkyPoint ProjectSky(double raHours, double decDegrees);

// Arecibo, whose drift scans the units were recorded from: its latitude and the largest zenith
// angle its feed reaches give the declinations it could observe.
inline constexpr double kTelescopeLatitude = 18.344;
inline constexpr double kTelescopeZenithLimit = 19.7;
inline constexpr double kObservableDecMin = kTelescopeLatitude - kTelescopeZenithLimit;
inline constexpr double kObservableDecMax = kTelescopeLatitude + kTelescopeZenithLimit;

using SkyLine = std::vector<SkyPoint>;

// Meridians every 2 h of right ascension and parallels every 30 degrees of declination.
std::vector<SkyLine> SkyGrid();
// Galactic latitude 0, in pieces that each stay on one side of the map's edge.
std::vector<SkyLine> GalacticPlane();
// The outline of the observable band, closed.
SkyLine ObservableBand();

// A right ascension (hours) and declination (degrees) of Galactic longitude and latitude
// (degrees), J2000.
void GalacticToEquatorial(double l, double b, double& raHours, double& decDegrees);

// Whether the shorter way between two right ascensions (hours) crosses the map's edge (12 h), so
// that a line between their points would run across the whole map instead.
bool CrossesMapEdge(double raHoursA, double raHoursB);
