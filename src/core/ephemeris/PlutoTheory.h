#pragma once
// Pluto's heliocentric position from a periodic series in the mean longitudes
// of Jupiter, Saturn and Pluto, referred to the ecliptic and equinox of
// 1950.0; the caller brings the longitude to the equinox of date.

namespace orv {

struct PlutoPosition {
  double longitudeDeg = 0;  // not reduced: above 360 from about 2084
  double latitudeDeg = 0;
  double radiusAU = 0;
};

// Pluto at t1900 Julian centuries from JD 2415020.0.
// With `memo`, the sines and cosines are kept, or taken from an evaluation
// a day earlier (SinCosMemo).
class SinCosMemo;
PlutoPosition CalcPluto(double t1900, SinCosMemo* memo = nullptr);

}  // namespace orv
