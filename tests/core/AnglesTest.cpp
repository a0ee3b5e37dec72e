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
  EXPECT_DOUBLE_EQ(Pi, 3.1415926535);
  EXPECT_DOUBLE_EQ(DegToRad(180), 3.1415926535);
  EXPECT_DOUBLE_EQ(RadToDeg(3.1415926535), 180);
  // Pi's last digits are missing, so sin(180 deg) is 8.979e-11, not 1.2e-16.
  EXPECT_NEAR(SinDeg(180), 8.97932e-11, 1e-15);
  EXPECT_NEAR(CosDeg(60), 0.5, 1e-10);
  EXPECT_NEAR(SinDeg(30), 0.5, 1e-10);
}

TEST(Angles, ReduceToACircle) {
  EXPECT_DOUBLE_EQ(Mod360(-30), 330);
  EXPECT_DOUBLE_EQ(Norm360(-30), 330);
  EXPECT_DOUBLE_EQ(Mod360(720), 0);
  EXPECT_DOUBLE_EQ(Norm360(720), 0);
  EXPECT_DOUBLE_EQ(Norm360(359.5), 359.5);
  EXPECT_DOUBLE_EQ(Norm360(-360), 0);
  EXPECT_DOUBLE_EQ(Norm360(-720.25), 359.75);
  EXPECT_DOUBLE_EQ(Int(-1.3), -2);
  for (double x = -1000; x < 1000; x += 0.37) {
    const double r = Norm360(x);
    EXPECT_GE(r, 0) << x;
    EXPECT_LT(r, 360) << x;
  }
}

TEST(Angles, ReductionsNeverReturn360) {
  // A tiny negative angle reduces to 360 - 1e-15, which rounds to 360.
  for (double x : {-1e-15, -1e-300, -5e-324, 720 - 1e-13, -360 - 1e-14, 360 * 1e6 - 1e-7}) {
    for (double r : {Mod360(x), Norm360(x)}) {
      EXPECT_GE(r, 0) << x;
      EXPECT_LT(r, 360) << x;
    }
  }
  EXPECT_EQ(Mod360(-1e-15), 0);
  EXPECT_EQ(Norm360(-1e-15), 0);
  EXPECT_DOUBLE_EQ(Mod360(-1e-9), 360 - 1e-9);  // representable: kept
}

TEST(Angles, QuadrantRuleDividesNothingAtXZero) {
  EXPECT_DOUBLE_EQ(QuadrantAngle(1, 0), M_PI / 2);
  EXPECT_NEAR(QuadrantAngle(-1, 0), 3 * M_PI / 2, 2e-10);  // via two ten-decimal pis
  EXPECT_DOUBLE_EQ(QuadrantAngle(0, 0), 0);
  EXPECT_DOUBLE_EQ(QuadrantAngle(0, 1), 0);
  EXPECT_DOUBLE_EQ(QuadrantAngle(0, -1), Pi);  // the negative x axis, not 0
  EXPECT_DOUBLE_EQ(QuadrantAngle(-0.0, -1), Pi);
  // Elsewhere: the two-argument arc tangent within the ten-decimal pi.
  for (double deg = 0.5; deg < 360; deg += 5) {
    const double a = deg * M_PI / 180;
    EXPECT_NEAR(QuadrantAngle(std::sin(a), std::cos(a)), a, 2e-10) << deg;
  }
  const Polar2 up = RectToPolar({0, 2});
  EXPECT_DOUBLE_EQ(up.angle, M_PI / 2);
  EXPECT_DOUBLE_EQ(up.radius, 2);
  const Polar2 down = RectToPolar({-0.0, -2});
  EXPECT_NEAR(down.angle, 3 * M_PI / 2, 2e-10);
}

TEST(Angles, ConvertHourMinuteNotation) {
  EXPECT_NEAR(HourMinuteToDecimal(12.30), 12.5, kExact);
  EXPECT_NEAR(DecimalToHourMinute(12.5), 12.3, kExact);
  EXPECT_NEAR(HourMinuteToDecimal(-1.30), -2 + 0.7 * 100 / 60, kExact);
  EXPECT_NEAR(HourMinuteToDecimal(9.45), 9.75, kExact);
  EXPECT_NEAR(DecimalToHourMinute(HourMinuteToDecimal(23.59)), 23.59, kExact);
}

TEST(Angles, RoundTwoDecimalsHalvesUp) {
  EXPECT_DOUBLE_EQ(Round2(0.125), 0.13);
  EXPECT_DOUBLE_EQ(Round2(-0.125), -0.12);
  EXPECT_DOUBLE_EQ(Round2(1.234), 1.23);
}

TEST(Angles, InverseTrigonometryKeepsItsQuirksAndStaysFinite) {
  EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), kExact);
  EXPECT_NEAR(ArcCos(-0.5), std::acos(-0.5) - M_PI, kExact);
  EXPECT_NEAR(ArcSin(0.5), std::asin(0.5), kExact);
  EXPECT_NEAR(ArcSin(-0.25), std::asin(-0.25), kExact);
  // The edges of the domain give the true limits, not a division by zero.
  EXPECT_NEAR(ArcCos(0.0), M_PI / 2, kExact);
  EXPECT_NEAR(ArcCos(1.0), 0, kExact);
  EXPECT_NEAR(ArcCos(-1.0), 0, kExact);  // the arc cosine (pi) less pi
  EXPECT_NEAR(ArcSin(1.0), M_PI / 2, kExact);
  EXPECT_NEAR(ArcSin(-1.0), -M_PI / 2, kExact);
}

TEST(Angles, InverseTrigonometryClampsArgumentsOutsideTheDomain) {
  struct Case {
    double outside;
    double edge;
  };
  for (const Case c : {Case{1.0000001, 1}, Case{1.5, 1}, Case{1e9, 1}, Case{-1.0000001, -1},
                       Case{-1.5, -1}, Case{-1e9, -1}}) {
    EXPECT_FALSE(std::isnan(ArcCos(c.outside))) << c.outside;
    EXPECT_FALSE(std::isnan(ArcSin(c.outside))) << c.outside;
    EXPECT_EQ(ArcCos(c.outside), ArcCos(c.edge)) << c.outside;
    EXPECT_EQ(ArcSin(c.outside), ArcSin(c.edge)) << c.outside;
  }
}

TEST(Angles, SplitLongitudesForListings) {
  auto dm = SplitLongitudeDM(45.7);
  EXPECT_EQ(dm.sign, 2);
  EXPECT_EQ(dm.degrees, 15);
  EXPECT_EQ(dm.minutes, 42);
  dm = SplitLongitudeDM(59.995);  // 60 rounded minutes are capped, not carried
  EXPECT_EQ(dm.sign, 2);
  EXPECT_EQ(dm.degrees, 29);
  EXPECT_EQ(dm.minutes, 59);
  dm = SplitLongitudeDM(29.9999);
  EXPECT_EQ(dm.sign, 1);
  EXPECT_EQ(dm.degrees, 29);
  EXPECT_EQ(dm.minutes, 59);
  dm = SplitLongitudeDM(359.99);
  EXPECT_EQ(dm.sign, 12);
  EXPECT_EQ(dm.degrees, 29);
  dm = SplitLongitudeDM(0);
  EXPECT_EQ(dm.sign, 1);
  EXPECT_EQ(dm.degrees, 0);
  EXPECT_EQ(dm.minutes, 0);

  const auto dms = SplitLongitudeDMS(100.50833);
  EXPECT_EQ(dms.sign, 4);
  EXPECT_EQ(dms.degrees, 10);
  EXPECT_EQ(dms.minutes, 30);
  EXPECT_EQ(dms.seconds, 29);

  // Every whole degree lands in its own sign and degree despite W / 30.
  for (int w = 0; w < 360; ++w) {
    const auto p = SplitLongitudeDM(w + 0.25);
    EXPECT_EQ(p.sign, w / 30 + 1) << w;
    EXPECT_EQ(p.degrees, w % 30) << w;
    EXPECT_EQ(p.minutes, 15) << w;
  }
}

TEST(Angles, PolarAndRectangularRoundTrip) {
  const Polar2 p = RectToPolar({-1, 0});
  EXPECT_LT(p.angle, Pi);
  EXPECT_NEAR(p.angle, Pi, 1e-8);
  EXPECT_NEAR(p.radius, 1, kExact);
  for (double deg = 1; deg < 360; deg += 7) {
    const Rect2 r = PolarToRect({DegToRad(deg), 2.5});
    const Polar2 back = RectToPolar(r);
    EXPECT_NEAR(RadToDeg(back.angle), deg, kTruncatedPiDeg) << deg;
    EXPECT_NEAR(back.radius, 2.5, 1e-12) << deg;
  }
  const Rect2 zero = PolarToRect({0, 3});
  EXPECT_NEAR(zero.x, 3, kExact);
  EXPECT_NEAR(zero.y, 3 * 1.74533E-09, 1e-20);
}

TEST(Angles, RectangularToSpherical) {
  Spherical s = RectToSpherical(-1, 0, 0);
  EXPECT_DOUBLE_EQ(s.longitude, 180);
  EXPECT_DOUBLE_EQ(s.latitude, 0);
  s = RectToSpherical(0, 0, 2);
  EXPECT_DOUBLE_EQ(s.latitude, 90);
  EXPECT_DOUBLE_EQ(s.longitude, 0);
  EXPECT_DOUBLE_EQ(s.radius, 2);
  s = RectToSpherical(0, 0, -1);
  EXPECT_DOUBLE_EQ(s.latitude, -90);
  s = RectToSpherical(1, 1, std::sqrt(2.0));
  EXPECT_NEAR(s.longitude, 45, kTruncatedPiDeg);
  EXPECT_NEAR(s.latitude, 45, kTruncatedPiDeg);
  EXPECT_NEAR(s.radius, 2, 1e-12);
  s = RectToSpherical(1, -1e-300, 0);  // just below the x axis: not 360
  EXPECT_GE(s.longitude, 0);
  EXPECT_LT(s.longitude, 360);
  for (double deg = 0.5; deg < 360; deg += 11) {
    s = RectToSpherical(CosDeg(deg), SinDeg(deg), 0.1);
    EXPECT_NEAR(s.longitude, deg, kTruncatedPiDeg) << deg;
  }
}

}  // namespace
}  // namespace orv
