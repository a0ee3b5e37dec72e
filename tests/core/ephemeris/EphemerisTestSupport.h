#pragma once
// Helpers of the ephemeris tests: angle comparison and the obliquity.

#include <cmath>

namespace orv::test {

// a - b in degrees brought into -180..180, the sign kept; NaN stays NaN, so a
// comparison with a tolerance fails.
inline double AngleDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

// Half a unit of the last digit of a value quoted with `decimals` decimals:
// the most a correct value can differ from its rounded quotation.
inline double QuotedPrecision(int decimals) { return 0.5 * std::pow(10.0, -decimals) * 1.0001; }

// The mean obliquity of the ecliptic in radians at t1900 Julian centuries
// from JD 2415020.0, by Newcomb's formula 23 deg 27' 08.26" - 46.845" T -
// 0.0059" T^2 + 0.00181" T^3 (Explanatory Supplement to the Astronomical
// Ephemeris, 1961; Meeus, Astronomical Formulae for Calculators, ch. 18).
inline double NewcombObliquityRad(double t1900) {
  const double arcsec = 84428.26 - 46.845 * t1900 - 0.0059 * t1900 * t1900 +
                        0.00181 * t1900 * t1900 * t1900;
  return arcsec / 3600 * M_PI / 180;
}

}  // namespace orv::test
