// Where the telescope was looking when it recorded a unit. Arecibo's feed stays at one
// declination for days at a time while the sky drifts through its beam, so a unit's right
// ascension is the local sidereal time of its recording, and its declination the pointing of
// those days. A user's units, recorded on many days, fall in strips of constant declination
// across every right ascension of the telescope's band.
#pragma once

struct SkyStrip {
    double startRa;   // hours
    double startDec;  // degrees
    double endRa;
    double endDec;
    double angleRange;  // degrees of sky that drifted through the beam
};

// Arecibo's longitude (east positive) and the declinations its feed reaches.
inline constexpr double kAreciboLongitude = -66.7528;
inline constexpr double kAreciboDecMin = -1.2;
inline constexpr double kAreciboDecMax = 37.9;
// The feed keeps its declination for this many days.
inline constexpr double kPointingDays = 3.0;

// The recording of seconds of data from julianDate on.
SkyStrip DriftScanStrip(double julianDate, double seconds);

// The local sidereal time at Arecibo, in hours.
double AreciboSiderealTime(double julianDate);
