#pragma once
// The Moon's geocentric ecliptic longitude and latitude and its mean and true
// ascending node, from the principal terms of Brown's lunar theory: cubic
// mean elements, nutation in longitude, 71 periodic terms in longitude and 8
// in latitude.

namespace orv {

struct MoonPosition {
  double longitudeDeg = 0;  // apparent; not reduced to 0..360
  double latitudeDeg = 0;
  double meanNodeDeg = 0;  // 0..360
  double trueNodeDeg = 0;  // not reduced: a large negative number for T near 1
  double nutationDeg = 0;  // nutation in longitude, included in the longitude
};

// The Moon at t1900 Julian centuries from JD 2415020.0.
// With `memo`, the sines and cosines are kept, or taken from an evaluation
// a day earlier (SinCosMemo).
class SinCosMemo;
MoonPosition CalcMoon(double t1900, SinCosMemo* memo = nullptr);

}  // namespace orv
