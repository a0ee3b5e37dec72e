#include <gtest/gtest.h>

#include <cmath>

#include "core/Angles.h"

namespace orv {
namespace {

// Values worked by hand from the defining formulas.
constexpr double kExact = 1e-12;
// Pi to ten decimals is 9e-11 short; each use shifts an angle by up to 5.1e-9
// degrees, and a round trip may use it twice.
constexpr double kTruncatedPiDeg = 1.1e-8;

TEST(Angles, ConvertWithPiToTenDecimals) {
  // Pi's last digits are missing, so sin(180 deg) is 8.979e-11, not 1.2e-16.
  EXPECT_NEAR(SinDeg(180), 8.97932e-11, 1e-15);
  EXPECT_NEAR(CosDeg(60), 0.5, 1e-10);
  EXPECT_DOUBLE_EQ(Int(-1.3), -2);
  EXPECT_NEAR(HourMinuteToDecimal(12.30), 12.5, kExact);
  EXPECT_NEAR(HourMinuteToDecimal(-1.30), -2 + 0.7 * 100 / 60, kExact);
  EXPECT_DOUBLE_EQ(Round2(0.125), 0.13);
  EXPECT_DOUBLE_EQ(Round2(-0.125), -0.12);
}

TEST(Angles, ReduceToACircleAndNeverReturn360) {
  EXPECT_DOUBLE_EQ(Mod360(-30), 330);
  EXPECT_DOUBLE_EQ(Norm360(-30), 330);
  EXPECT_DOUBLE_EQ(Mod360(720), 0);
  EXPECT_DOUBLE_EQ(Norm360(359.5), 359.5);
  EXPECT_DOUBLE_EQ(Norm360(-720.25), 359.75);
  // A tiny negative angle reduces to 360 - 1e-15, which rounds to 360.
  EXPECT_EQ(Mod360(-1e-15), 0);
  EXPECT_EQ(Norm360(-1e-15), 0);
  EXPECT_DOUBLE_EQ(Mod360(-1e-9), 360 - 1e-9);  // representable: kept
  EXPECT_EQ(Mod360(360), 0);
  // An angle in the circle comes back to the bit, the last one below 360
  // and the least above 0 too.
  for (double x : {0.0, 5e-324, 1e-300, 123.456, std::nextafter(360.0, 0.0)})
    EXPECT_EQ(Mod360(x), x) << x;
  for (double x : {-1e-300, -5e-324, 720 - 1e-13, -360 - 1e-14, 360 * 1e6 - 1e-7, -999.7, 999.7})
    for (double r : {Mod360(x), Norm360(x)}) {
      EXPECT_GE(r, 0) << x;
      EXPECT_LT(r, 360) << x;
    }
}

TEST(Angles, QuadrantRuleDividesNothingAtXZero) {
  EXPECT_DOUBLE_EQ(QuadrantAngle(1, 0), M_PI / 2);
  EXPECT_NEAR(QuadrantAngle(-1, 0), 3 * M_PI / 2, 2e-10);  // via two ten-decimal pis
  EXPECT_DOUBLE_EQ(QuadrantAngle(0, 0), 0);
  EXPECT_DOUBLE_EQ(QuadrantAngle(-0.0, -1), Pi);  // the negative x axis, not 0
  // Elsewhere: the two-argument arc tangent within the ten-decimal pi.
  for (double deg = 0.5; deg < 360; deg += 5) {
    const double a = deg * M_PI / 180;
    EXPECT_NEAR(QuadrantAngle(std::sin(a), std::cos(a)), a, 2e-10) << deg;
  }
}

TEST(Angles, InverseTrigonometryKeepsItsQuirksAndStaysFinite) {
  EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), kExact);
  EXPECT_NEAR(ArcCos(-0.5), std::acos(-0.5) - M_PI, kExact);
  EXPECT_NEAR(ArcSin(-0.25), std::asin(-0.25), kExact);
  // The edges give the true limits, not a division by zero; beyond them the
  // argument is clamped.
  EXPECT_NEAR(ArcCos(0.0), M_PI / 2, kExact);
  EXPECT_NEAR(ArcCos(-1.0), 0, kExact);  // the arc cosine (pi) less pi
  EXPECT_NEAR(ArcSin(1.0), M_PI / 2, kExact);
  for (const double outside : {1.0000001, 1e9, -1.0000001, -1e9}) {
    const double edge = outside > 0 ? 1 : -1;
    EXPECT_EQ(ArcCos(outside), ArcCos(edge)) << outside;
    EXPECT_EQ(ArcSin(outside), ArcSin(edge)) << outside;
  }
}

TEST(Angles, SplitLongitudesForListings) {
  const struct {
    double longitude;
    int sign, degrees, minutes;
  } dm[] = {{45.7, 2, 15, 42},
            {59.995, 2, 29, 59},  // 60 rounded minutes are capped, not carried
            {29.9999, 1, 29, 59},
            {359.99, 12, 29, 59}};
  for (const auto& c : dm) {
    const auto p = SplitLongitudeDM(c.longitude);
    EXPECT_EQ(std::tie(p.sign, p.degrees, p.minutes), std::tie(c.sign, c.degrees, c.minutes))
        << c.longitude;
  }
  // A value off the circle never becomes an index outside the signs: NaN
  // and infinity read as 0, anything else is taken modulo 360.
  for (double odd : {std::nan(""), HUGE_VAL, -HUGE_VAL, -5.4e148, 2.6912505040e10, -0.5, 720.25}) {
    const auto p = SplitLongitudeDM(odd), q = SplitLongitudeDMS(odd);
    EXPECT_TRUE(p.sign >= 1 && p.sign <= 12 && q.sign >= 1 && q.sign <= 12) << odd;
    EXPECT_TRUE(p.degrees >= 0 && p.degrees < 30 && p.minutes >= 0 && p.minutes < 60) << odd;
  }
  EXPECT_EQ(SplitLongitudeDM(720.25).degrees, 0);
  EXPECT_EQ(SplitLongitudeDM(-0.5).sign, 12);
  const auto dms = SplitLongitudeDMS(100.50833);
  EXPECT_EQ(std::tie(dms.sign, dms.degrees, dms.minutes, dms.seconds),
            std::make_tuple(4, 10, 30, 29));
  // Every whole degree lands in its own sign and degree despite W / 30.
  for (int w = 0; w < 360; ++w) {
    const auto p = SplitLongitudeDM(w + 0.25);
    EXPECT_EQ(std::tie(p.sign, p.degrees, p.minutes), std::make_tuple(w / 30 + 1, w % 30, 15)) << w;
  }
}

TEST(Angles, PolarRectangularAndSphericalRoundTrip) {
  const Polar2 p = RectToPolar({-1, 0});  // y taken as 1.74533E-09: just under pi
  EXPECT_LT(p.angle, Pi);
  EXPECT_NEAR(p.angle, Pi, 1e-8);
  EXPECT_NEAR(PolarToRect({0, 3}).y, 3 * 1.74533E-09, 1e-20);
  for (double deg = 1; deg < 360; deg += 7) {
    const Polar2 back = RectToPolar(PolarToRect({DegToRad(deg), 2.5}));
    EXPECT_NEAR(RadToDeg(back.angle), deg, kTruncatedPiDeg) << deg;
    EXPECT_NEAR(back.radius, 2.5, 1e-12) << deg;
    EXPECT_NEAR(RectToSpherical(CosDeg(deg), SinDeg(deg), 0.1).longitude, deg, kTruncatedPiDeg);
  }
  Spherical s = RectToSpherical(-1, 0, 0);
  EXPECT_DOUBLE_EQ(s.longitude, 180);
  EXPECT_DOUBLE_EQ(s.latitude, 0);
  s = RectToSpherical(0, 0, 2);
  EXPECT_EQ(std::tie(s.latitude, s.longitude, s.radius), std::make_tuple(90.0, 0.0, 2.0));
  s = RectToSpherical(1, 1, std::sqrt(2.0));
  EXPECT_NEAR(s.latitude, 45, kTruncatedPiDeg);
  EXPECT_NEAR(s.radius, 2, 1e-12);
  EXPECT_LT(RectToSpherical(1, -1e-300, 0).longitude, 360);  // just below the x axis
}

}  // namespace
}  // namespace orv
