#pragma once
// Angle comparison for the ephemeris tests.

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

}  // namespace orv::test
