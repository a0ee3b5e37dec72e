#include "core/Angles.h"

#include <cmath>

namespace orv {

namespace {
// Stands in for an exact zero where a quotient would otherwise divide by it.
constexpr double kTinyAngle = 1.74533E-09;
}  // namespace

double DegToRad(double x) { return (x * Pi) / 180; }
double RadToDeg(double x) { return (x * 180) / Pi; }
double SinDeg(double x) { return std::sin((x * Pi) / 180); }
double CosDeg(double x) { return std::cos((x * Pi) / 180); }
double Int(double x) { return std::floor(x); }

double Mod360(double x) { return x - 360 * Int(x / 360); }

double Norm360(double x) {
  if (x >= 0) return x - 360 * Int(x / 360);
  return (x - 360 * (Int(x / 360) + 1)) + 360;
}

double HourMinuteToDecimal(double x) { return Int(x) + ((x - Int(x)) * 100) / 60; }
double DecimalToHourMinute(double x) { return Int(x) + ((x - Int(x)) * 60) / 100; }
double Round2(double x) { return Int(x * 100 + 0.5) / 100; }

double ArcCos(double x) {
  if (x == 0) return std::atan(HUGE_VAL);  // the limit, pi/2
  if (x >= 1) return 0;
  if (x <= -1) return -Pi;  // arc cosine of -1 (pi) less pi
  return std::atan(std::sqrt(1 - x * x) / x);
}

double ArcSin(double x) {
  if (x >= 1) return Pi / 2;
  if (x <= -1) return -Pi / 2;
  return std::atan(x / std::sqrt(1 - x * x));
}

namespace {
void SplitSignAndDegrees(double longitude, LongitudeParts& parts, double& whole) {
  whole = Int(longitude);
  parts.sign = int(Int(whole / 30)) + 1;
  parts.degrees = int(Int(Round2((whole / 30 - Int(whole / 30)) * 30)));
}
}  // namespace

LongitudeParts SplitLongitudeDM(double longitude) {
  LongitudeParts parts;
  double whole;
  SplitSignAndDegrees(longitude, parts, whole);
  parts.minutes = int(Int((longitude - whole) * 60 + 0.5));
  if (parts.minutes >= 60) parts.minutes = 59;
  return parts;
}

LongitudeParts SplitLongitudeDMS(double longitude) {
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
  polar.angle = std::atan(rect.y / rect.x);
  if (polar.angle < 0) polar.angle += Pi;
  if (rect.y < 0) polar.angle += Pi;
  return polar;
}

Spherical RectToSpherical(double x, double y, double z) {
  Spherical s;
  s.radius = std::sqrt(x * x + y * y + z * z);
  const double rho = std::sqrt(x * x + y * y);
  if (rho == 0) {
    s.latitude = z > 0 ? 90 : z < 0 ? -90 : 0;
  } else {
    s.latitude = RadToDeg(std::atan(z / rho));
  }
  if (x == 0 && y == 0) {
    s.longitude = 0;
    return s;
  }
  const double a = 2 * RadToDeg(std::atan(y / (std::fabs(x) + rho)));
  if (x >= 0 && y >= 0) s.longitude = a;
  else if (x >= 0) s.longitude = a + 360 >= 360 ? 0 : a + 360;  // a tiny negative a would give 360
  else s.longitude = 180 - a;
  return s;
}

}  // namespace orv
