#include "core/Angles.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {
// Stands in for an exact zero where a quotient would otherwise divide by it.
constexpr double kTinyAngle = 1.74533E-09;
}  // namespace

double DegToRad(double x) { return (x * Pi) / 180; }
double RadToDeg(double x) { return (x * 180) / Pi; }

double HourMinuteToDecimal(double x) { return Int(x) + ((x - Int(x)) * 100) / 60; }
double Round2(double x) { return Int(x * 100 + 0.5) / 100; }

namespace {
double ClampUnit(double x) { return std::clamp(x, -1.0, 1.0); }
// Pi/2 at full precision: the limit the arc tangent of an infinite quotient
// reaches.
constexpr double kQuarterTurn = 1.5707963267948966;
}  // namespace

double ArcCos(double x) {
  x = ClampUnit(x);
  if (x == 0) return kQuarterTurn;
  if (x == -1) return 0;  // the arc cosine (pi) less pi
  return std::atan(std::sqrt(1 - x * x) / x);
}

double ArcSin(double x) {
  x = ClampUnit(x);
  if (x == 1 || x == -1) return x * kQuarterTurn;
  return std::atan(x / std::sqrt(1 - x * x));
}

double QuadrantAngle(double y, double x) {
  double angle;
  if (x == 0) {
    angle = y > 0 ? kQuarterTurn : y < 0 ? -kQuarterTurn : 0;
  } else {
    angle = std::atan(y / x);
  }
  // atan(0 / negative) is -0, which the sign test alone would leave at 0.
  if (angle < 0 || (angle == 0 && x < 0)) angle += Pi;
  if (y < 0) angle += Pi;
  return angle;
}

namespace {
// A longitude outside 0..360 is brought into it, and a non-finite one reads
// as 0: the sign found here indexes tables, and a float-to-int conversion
// of a value out of range is undefined.
double IntoSplitRange(double longitude) {
  if (!std::isfinite(longitude)) return 0;
  if (longitude >= 0 && longitude < 360) return longitude;
  // fmod is exact at any magnitude, where x - 360 Int(x / 360) is not.
  const double r = std::fmod(longitude, 360.0) + (longitude < 0 ? 360.0 : 0.0);
  return r >= 0 && r < 360 ? r : 0;
}

void SplitSignAndDegrees(double longitude, LongitudeParts& parts, double& whole) {
  whole = Int(longitude);
  parts.sign = int(Int(whole / 30)) + 1;
  parts.degrees = int(Int(Round2((whole / 30 - Int(whole / 30)) * 30)));
}
}  // namespace

LongitudeParts SplitLongitudeDM(double longitude) {
  longitude = IntoSplitRange(longitude);
  LongitudeParts parts;
  double whole;
  SplitSignAndDegrees(longitude, parts, whole);
  parts.minutes = int(Int((longitude - whole) * 60 + 0.5));
  if (parts.minutes >= 60) parts.minutes = 59;
  return parts;
}

LongitudeParts SplitLongitudeDMS(double longitude) {
  longitude = IntoSplitRange(longitude);
  LongitudeParts parts;
  double whole;
  SplitSignAndDegrees(longitude, parts, whole);
  const double m = (longitude - whole) * 60;
  parts.minutes = int(Int(m));
  parts.seconds = int(Int((m - Int(m)) * 60));
  return parts;
}

Rect2 PolarToRect(Polar2 polar) {
  if (polar.angle == 0) polar.angle = kTinyAngle;
  return {polar.radius * std::cos(polar.angle), polar.radius * std::sin(polar.angle)};
}

Polar2 RectToPolar(Rect2 rect) {
  if (rect.y == 0) rect.y = kTinyAngle;
  Polar2 polar;
  polar.radius = std::pow(rect.x * rect.x + rect.y * rect.y, 0.5);
  polar.angle = QuadrantAngle(rect.y, rect.x);
  return polar;
}

double SphericalLatitude(double x, double y, double z) {
  const double rho = std::sqrt(x * x + y * y);
  if (rho == 0) return z > 0 ? 90 : z < 0 ? -90 : 0;
  return RadToDeg(std::atan(z / rho));
}

double SphericalLongitude(double x, double y) {
  if (x == 0 && y == 0) return 0;
  const double rho = std::sqrt(x * x + y * y);
  const double a = 2 * RadToDeg(std::atan(y / (std::fabs(x) + rho)));
  if (x >= 0 && y >= 0) return a;
  if (x >= 0) return a + 360 >= 360 ? 0 : a + 360;  // a tiny negative a would give 360
  return 180 - a;
}

Spherical RectToSpherical(double x, double y, double z) {
  Spherical s;
  s.radius = std::sqrt(x * x + y * y + z * z);
  s.latitude = SphericalLatitude(x, y, z);
  s.longitude = SphericalLongitude(x, y);
  return s;
}

}  // namespace orv
