#pragma once
// Angle and coordinate helpers used by every calculation. Their exact
// arithmetic (pi to ten decimals, floor semantics, the order of operations,
// the rounding of minutes) shows in the listings, so it is kept as it is.

#include <cmath>

#include "core/SinCosKernel.h"

namespace orv {

// Pi as the chart core uses it everywhere: ten decimals, not full precision.
inline constexpr double Pi = 3.1415926535;

double DegToRad(double x);  // (x * Pi) / 180
double RadToDeg(double x);  // (x * 180) / Pi

// The trigonometry and the reductions below run thousands of times per
// chart, so they are inline.
inline double SinDeg(double x) { return std::sin((x * Pi) / 180); }
inline double CosDeg(double x) { return std::cos((x * Pi) / 180); }

// The sine and cosine of one angle.
struct SinCos {
  double sin = 0;
  double cos = 1;
};
// Both at once, each SinDeg(x) and CosDeg(x) to a unit or two of the last
// place.
constexpr SinCos SinCosDeg(double x) {
  const detail::SinCosPair p = detail::SinCosKernel((x * Pi) / 180);
  return {p.sin, p.cos};
}

// The floor ("Int" of the formulas): Int(-1.3) is -2.
inline double Int(double x) { return std::floor(x); }

namespace detail {
// The formulas below can land a hair outside [0, 360) by rounding: -1e-15
// reduces to 360 - 1e-15, which is 360 in double.
inline double IntoCircle(double r) {
  if (r < 0) r += 360;
  return r >= 360 ? 0 : r;
}
}  // namespace detail

// x reduced to 0 <= r < 360. A reduction that rounds to 360 (a tiny
// negative x) gives 0, one that rounds below 0 gives r + 360: never 360.
inline double Mod360(double x) {
  // Most angles are in the circle already; x / 360 is below 1 for them all,
  // so the reduction would give x back. The wheel fit reduces some hundred
  // thousand angles a paint.
  if (x >= 0 && x < 360) return x;
  return detail::IntoCircle(x - 360 * Int(x / 360));
}
// The same reduction under the name the ephemeris and most callers use; one
// rule, so the two can never disagree on a cusp and a body at one longitude.
inline double Norm360(double x) { return Mod360(x); }

// H.MM notation (whole part, minutes as two decimals) to a decimal number.
// The floor applies to the whole number, so callers with signed values
// convert the absolute value and put the sign back.
double HourMinuteToDecimal(double x);

// x to two decimals, halves up: Int(x * 100 + 0.5) / 100.
double Round2(double x);

// Arc cosine in radians, exact for x > 0; for x < 0 it gives the arc cosine
// minus pi (-pi/2 < value <= 0), and callers add pi when x is negative.
// x is clamped to [-1, 1] first, and x = 0 gives pi/2: never NaN, never a
// division by zero.
double ArcCos(double x);
// Arc sine in radians, x clamped to [-1, 1] first (+-1 give +-pi/2).
double ArcSin(double x);

// The quadrant rule: the direction of the point (x, y) in radians,
// 0 <= angle < 2 pi, from the arc tangent of y / x turned into the right
// quadrant by adding pi. x = 0 divides nothing: it gives pi/2 or 3 pi/2 by
// the sign of y (0 when y is 0 too), and a point on the negative x axis gives
// pi.
double QuadrantAngle(double y, double x);

// A longitude split for listings: sign 1 (Aries) .. 12 (Pisces), degrees
// 0..29 within the sign, minutes 0..59, seconds 0..59.
struct LongitudeParts {
  int sign = 1;
  int degrees = 0;
  int minutes = 0;
  int seconds = 0;
};

// Degrees and minutes, minutes rounded but capped at 59 (the degree is never
// carried: 29.9999 is 29 degrees 59 minutes of the same sign). A longitude
// outside 0..360 is taken modulo 360; a non-finite one as 0.
LongitudeParts SplitLongitudeDM(double longitude);
// Degrees, minutes and seconds, minutes and seconds truncated.
LongitudeParts SplitLongitudeDMS(double longitude);

struct Rect2 {
  double x = 0;
  double y = 0;
};
struct Polar2 {
  double angle = 0;  // radians
  double radius = 0;
};

// Polar to rectangular; an angle of exactly 0 is taken as 1.74533E-09.
Rect2 PolarToRect(Polar2 polar);
// Rectangular to polar, angle in 0 <= a < 2 pi by the quadrant rule; a y of
// exactly 0 is taken as 1.74533E-09.
Polar2 RectToPolar(Rect2 rect);

struct Spherical {
  double longitude = 0;  // degrees, 0 <= value < 360
  double latitude = 0;   // degrees, -90..90
  double radius = 0;
};
Spherical RectToSpherical(double x, double y, double z);
// The latitude and the longitude RectToSpherical gives, each alone.
double SphericalLatitude(double x, double y, double z);
double SphericalLongitude(double x, double y);

}  // namespace orv
