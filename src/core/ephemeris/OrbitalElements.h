#pragma once
// The planetary kernel: orbital elements at a moment, Kepler's equation, and
// the change from an orbit to heliocentric and geocentric ecliptic
// coordinates (ecliptic and mean equinox of date).
//
// Two element theories serve side by side: elements linear in time from
// J2000.0 for the Earth, Mercury, Venus and Mars, and mean elements cubic in
// time from 1900 January 0.5 for Jupiter to Neptune (and the Earth that goes
// with them), corrected by perturbation series before the Kepler solution.
// The tables are compile-time constants, so start-up has nothing to fill.

#include <array>
#include <cstddef>
#include <span>

namespace orv {

// Kilometres per astronomical unit; orbital radii and semi-major axes are
// carried in kilometres.
inline constexpr double KmPerAU = 149597870;

// `HelioBody`: the heliocentric numbering, with the Earth in place of the Sun.
namespace HelioBody {
inline constexpr int Earth = 1;
inline constexpr int Mercury = 2;
inline constexpr int Venus = 3;
inline constexpr int Mars = 4;
inline constexpr int Jupiter = 5;
inline constexpr int Saturn = 6;
inline constexpr int Uranus = 7;
inline constexpr int Neptune = 8;
inline constexpr int Pluto = 9;
}  // namespace HelioBody

// Linear element table, slots 1..11 (slot 0 unused); an element at time T
// (Julian centuries from JD 2451545.0) is c0 + c1 T. Units: semi-major axis
// in AU, angles in degrees, rates per Julian century.
//   1 a | 2, 3 e | 4, 5 i | 6, 7 node | 8, 9 longitude of perihelion |
//   10, 11 mean anomaly
using LinearElementTable = std::array<double, 12>;

// clang-format off
inline constexpr LinearElementTable EarthElements = {0,
    1.000000031,                                              // a
    0.016709, -0.000042,                                      // e
    0, 0,                                                     // i
    0, 0,                                                     // node
    102.94, 1.7192,                                           // longitude of perihelion
    357.5256, 35999.0498                                      // mean anomaly
};
inline constexpr LinearElementTable MercuryElements = {0,
    0.387099,                                                 // a
    0.205634, 0.00002,                                        // e
    7.0048, 0.0019,                                           // i
    48.331, 1.185,                                            // node
    77.4552, 1.5555,                                          // longitude of perihelion
    174.7947, 149472.5153                                     // mean anomaly
};
inline constexpr LinearElementTable VenusElements = {0,
    0.723332,                                                 // a
    0.006773, -0.000048,                                      // e
    3.3946, 0.001,                                            // i
    76.68, 0.9,                                               // node
    131.5718, 1.408,                                          // longitude of perihelion
    50.4071, 58517.8039                                       // mean anomaly
};
inline constexpr LinearElementTable MarsElements = {0,
    1.523692,                                                 // a
    0.093405, 0.000092,                                       // e
    1.8496, -0.0007,                                          // i
    49.557, 0.771,                                            // node
    336.059, 1.8408,                                          // longitude of perihelion
    19.3879, 19139.8585                                       // mean anomaly
};
// clang-format on

// Cubic element table, slots 1..21 (slot 0 unused); an element at time T
// (Julian centuries from JD 2415020.0) is c0 + c1 T + c2 T^2 + c3 T^3, the
// semi-major axis a constant. Units: a in AU, angles in degrees.
//   1-4 mean longitude | 5 a | 6-9 e | 10-13 i | 14-17 argument of
//   perihelion | 18-21 node
// The Sun row places the Earth: its mean longitude is the Sun's geocentric
// one, and its slots 14-17 hold the Earth's longitude of perihelion (node and
// inclination are zero).
using CubicElementTable = std::array<double, 22>;

// clang-format off
inline constexpr CubicElementTable SunElements = {0,
    279.696678, 36000.768925, 0.0003025, 0,                   // mean longitude
    1.0000002,                                                // a
    0.01675104, -0.0000418, -0.000000126, 0,                  // e
    0, 0, 0, 0,                                               // i
    101.22085, 1.71917, 0.0004525, 0.0000033,                 // argument of perihelion
    0, 0, 0, 0                                                // node
};
inline constexpr CubicElementTable JupiterElements = {0,
    238.049257, 3036.301986, 0.0003347, -0.00000165,          // mean longitude
    5.202561,                                                 // a
    0.04833475, 0.00016418, -0.0000004676, -0.0000000017,     // e
    1.308736, -0.0056961, 0.0000039, 0,                       // i
    273.277558, 0.5994317, 0.00070405, 0.00000508,            // argument of perihelion
    99.443414, 1.01053, 0.00035222, -0.00000851               // node
};
inline constexpr CubicElementTable SaturnElements = {0,
    266.564377, 1223.509884, 0.0003245, -0.0000058,           // mean longitude
    9.554747,                                                 // a
    0.05589232, -0.0003455, -0.000000728, 0.00000000074,      // e
    2.492519, -0.0039189, -0.00001549, 0.00000004,            // i
    338.3078, 1.0852207, 0.00097854, 0.00000992,              // argument of perihelion
    112.790414, 0.8731951, -0.00015218, -0.00000531           // node
};
inline constexpr CubicElementTable UranusElements = {0,
    244.19747, 429.863546, 0.000316, -0.0000006,              // mean longitude
    19.21814,                                                 // a
    0.0463444, -0.00002658, 0.000000077, 0,                   // e
    0.772464, 0.0006253, 0.0000395, 0,                        // i
    98.071581, 0.985765, -0.0010745, -0.00000061,             // argument of perihelion
    73.477111, 0.4986678, 0.0013117, 0                        // node
};
inline constexpr CubicElementTable NeptuneElements = {0,
    84.457994, 219.885914, 0.0003205, -0.0000006,             // mean longitude
    30.10957,                                                 // a
    0.00899704, 0.00000633, -0.000000002, 0,                  // e
    1.779242, -0.0095436, -0.0000091, 0,                      // i
    276.045975, 0.3256394, 0.00014095, 0.000004113,           // argument of perihelion
    130.681389, 1.098935, 0.00024987, -0.000004718            // node
};
// clang-format on

class SinCosMemo;

// The routines below that take a `SinCosMemo` keep their sines and cosines
// in it, or take them from an evaluation for the same body a day earlier.

// The working orbital elements of one body at one moment. Angles in degrees,
// not reduced unless a step says so.
struct OrbitalElements {
  double meanLongitudeDeg = 0;
  double semiMajorAxisKm = 0;
  double eccentricity = 0;
  double inclinationDeg = 0;
  double nodeDeg = 0;  // longitude of the ascending node
  double argumentOfPerihelionDeg = 0;
  double longitudeOfPerihelionDeg = 0;
  double meanAnomalyDeg = 0;
};

// The Kepler solution of one orbit.
struct KeplerSolution {
  double eccentricAnomalyDeg = 0;
  double trueAnomalyDeg = 0;         // 0..360
  double argumentOfLatitudeDeg = 0;  // argument of perihelion + true anomaly, not reduced
  double radiusKm = 0;
};

// A heliocentric ecliptic position. The longitude may lie outside 0..360.
struct HelioPosition {
  double longitudeDeg = 0;
  double latitudeDeg = 0;
  double radiusKm = 0;
};

// A geocentric ecliptic position, longitude in 0..360.
struct EclipticPosition {
  double longitudeDeg = 0;
  double latitudeDeg = 0;
};

// The linear elements of the Earth, Mercury, Venus or Mars (`HelioBody` 1..4)
// at t2000 Julian centuries from JD 2451545.0. The mean anomaly is left
// unreduced (thousands of degrees away from 2000).
OrbitalElements CalcInnerPlanetElements(int body, double t2000);

// The cubic mean elements of the Earth or of Jupiter..Neptune (`HelioBody` 1,
// 5..8) at t1900 Julian centuries from JD 2415020.0, without perturbations.
// For the Earth the mean anomaly is turned by 180 degrees from the Sun's.
OrbitalElements CalcMeanOuterElements(int body, double t1900);

// The elements of the Earth or of Jupiter..Neptune (`HelioBody` 1, 5..8) at
// t1900, with the planet's perturbations applied. Uranus and Neptune also
// leave a correction (degrees) that the caller adds to their longitudes.
struct OuterPlanetElements {
  OrbitalElements elements;
  double longitudePerturbationDeg = 0;
};
OuterPlanetElements CalcOuterPlanetElements(int body, double t1900);
// The same with the sums of all four planets at t1900 computed beforehand
// (CalcOuterPerturbations), for callers that place them all at one moment.
struct OuterPerturbations;
OuterPlanetElements CalcOuterPlanetElements(int body, double t1900,
                                            const OuterPerturbations& perturbations);

// Kepler's equation by Newton's method on degrees, from the mean anomaly as
// given (reduced or not), stopping when a step is below 1e-7 degrees or after
// 100 steps. Requires 0 <= e < 1.
KeplerSolution SolveKepler(const OrbitalElements& elements, SinCosMemo* memo = nullptr);

// The heliocentric longitude and latitude of a point at argument of latitude
// u on an orbit of inclination i and node (degrees). The longitude is the
// node plus an angle in 0..360, not reduced.
HelioPosition OrbitToEcliptic(double argumentOfLatitudeDeg, double inclinationDeg, double nodeDeg,
                              SinCosMemo* memo = nullptr);

// The heliocentric position from a set of elements: Kepler's equation, then
// the orbit to the ecliptic; the radius is the Kepler radius.
HelioPosition HelioFromElements(const OrbitalElements& elements, SinCosMemo* memo = nullptr);

// SolveKepler and HelioFromElements for several orbits, kMaxOrbitsSideBySide
// at a time (more go in groups), element i of each span for orbit i (a memo
// may be null). One orbit's Newton steps wait on each other; several orbits'
// interleave, which keeps the processor busy. Each orbit's result is the one
// it gets on its own.
inline constexpr std::size_t kMaxOrbitsSideBySide = 8;
void SolveKeplerEach(std::span<const OrbitalElements> elements, std::span<SinCosMemo* const> memos,
                     std::span<KeplerSolution> solutions);
void HelioFromElementsEach(std::span<const OrbitalElements> elements,
                           std::span<SinCosMemo* const> memos, std::span<HelioPosition> positions);

// The geocentric ecliptic longitude and latitude of a body from its and the
// Earth's heliocentric positions (both radii in kilometres).
EclipticPosition HelioToGeo(const HelioPosition& body, const HelioPosition& earth);

// A heliocentric position as rectangular ecliptic coordinates (kilometres),
// for callers that place several bodies against one Earth.
struct EclipticVector {
  double x = 0;
  double y = 0;
  double z = 0;
};
EclipticVector HelioToVector(const HelioPosition& p, SinCosMemo* memo = nullptr);
EclipticPosition HelioToGeo(const HelioPosition& body, const EclipticVector& earth,
                            SinCosMemo* memo = nullptr);
// The longitude of HelioToGeo alone.
double GeocentricLongitude(const HelioPosition& body, const EclipticVector& earth,
                           SinCosMemo* memo = nullptr);

}  // namespace orv
