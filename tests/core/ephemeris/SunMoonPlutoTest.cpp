#include <gtest/gtest.h>

#include "EphemerisTestSupport.h"
#include "core/Angles.h"
#include "core/ephemeris/MoonTheory.h"
#include "core/ephemeris/PlutoTheory.h"
#include "core/ephemeris/SunTheory.h"

namespace orv {
namespace {

using test::AngleDifference;
using test::QuotedPrecision;

double CenturiesFrom1900(double jd) { return (jd - 2415020) / 36525; }

// The theories' own accuracy against modern ephemerides (measured over
// 1900-2060 in ReferenceEphemerisTest): the Sun to 0.001 degrees, the Moon's
// longitude and latitude to 0.01.
constexpr double kSunTheoryDeg = 0.001;
constexpr double kMoonTheoryDeg = 0.01;

TEST(SunTheory, CheckValuesAndPublishedApparentLongitude) {
  // The theory's check values at T = 0.9 (JD 2447892.5, 1990 January 1, 0h).
  const SunLongitudes sun = CalcSun(0.9);
  EXPECT_NEAR(sun.longitudeDeg, 280.30355, QuotedPrecision(5));
  EXPECT_NEAR(sun.trueLongitudeDeg, 280.30606, QuotedPrecision(5));
  // Meeus, Astronomical Algorithms, 2nd ed., example 25.b: 1992 October 13,
  // 0h TD (JD 2448908.5), apparent longitude 199 deg 54' 21.818".
  const double published = 199 + 54.0 / 60 + 21.818 / 3600;
  EXPECT_NEAR(AngleDifference(CalcSun(CenturiesFrom1900(2448908.5)).longitudeDeg, published), 0,
              kSunTheoryDeg);
}

TEST(MoonTheory, April1992) {
  // The theory's check values at JD 2448724.5 (1992 April 12, 0h).
  const MoonPosition moon = CalcMoon(CenturiesFrom1900(2448724.5));
  EXPECT_NEAR(Norm360(moon.longitudeDeg), 133.16273, QuotedPrecision(5));
  EXPECT_NEAR(moon.latitudeDeg, -3.22708, QuotedPrecision(5));
  EXPECT_NEAR(moon.meanNodeDeg, 274.39958, QuotedPrecision(5));
  EXPECT_NEAR(moon.trueNodeDeg, -1526.26307, QuotedPrecision(5));
  EXPECT_NEAR(Norm360(moon.trueNodeDeg), 273.73693, QuotedPrecision(5));
  EXPECT_NEAR(moon.nutationDeg, 0.0046193, QuotedPrecision(7));

  // Meeus, Astronomical Algorithms, 2nd ed., example 47.a, the same moment:
  // apparent longitude 133.167265 (133.162655 plus nutation 0.004610),
  // latitude -3.229126, mean node 274.400656.
  EXPECT_NEAR(AngleDifference(moon.longitudeDeg, 133.167265), 0, kMoonTheoryDeg);
  EXPECT_NEAR(moon.latitudeDeg, -3.229126, kMoonTheoryDeg);
  EXPECT_NEAR(moon.meanNodeDeg, 274.400656, kMoonTheoryDeg);
  EXPECT_NEAR(moon.nutationDeg, 0.004610, 0.0001);  // 1.319" and smaller terms left out
}

TEST(MoonTheory, MeanNodeIsReducedAndTheTrueNodeIsNot) {
  for (double t = -0.2; t <= 1.7; t += 0.137) {
    const MoonPosition moon = CalcMoon(t);
    EXPECT_GE(moon.meanNodeDeg, 0) << t;
    EXPECT_LT(moon.meanNodeDeg, 360) << t;
    // The true node swings about the mean one by at most 1.5 + 0.15 + 0.12 +
    // 0.12 + 0.08 degrees.
    EXPECT_NEAR(AngleDifference(moon.trueNodeDeg, moon.meanNodeDeg), 0, 2.0) << t;
  }
  // A century after 1900 the node has gone back more than five turns.
  EXPECT_LT(CalcMoon(1).trueNodeDeg, -1500);
}

TEST(PlutoTheory, October1992) {
  // The theory's check values at JD 2448908.5 (1992 October 13, 0h), equinox
  // of 1950.0.
  const PlutoPosition pluto = CalcPluto(CenturiesFrom1900(2448908.5));
  EXPECT_NEAR(pluto.longitudeDeg, 232.04079, QuotedPrecision(5));
  EXPECT_NEAR(pluto.latitudeDeg, 14.59322, QuotedPrecision(5));
  EXPECT_NEAR(pluto.radiusAU, 29.711394, QuotedPrecision(6));
  // Meeus, Astronomical Algorithms, 2nd ed., example 37.a: r = 29.711111 AU
  // (the distance does not depend on the equinox).
  constexpr double kPlutoRadiusAU = 0.001;  // the series' own accuracy
  EXPECT_NEAR(pluto.radiusAU, 29.711111, kPlutoRadiusAU);
}

TEST(SunAndPlutoTheory, LongitudesAreLeftUnreduced) {
  // 2000 March 21, 0h: the Sun's mean longitude is just below 360 and the
  // equation of the centre positive, so the sum passes 360.
  const double sun = CalcSun(CenturiesFrom1900(2451624.5)).longitudeDeg;
  EXPECT_GT(sun, 360);
  EXPECT_LT(sun, 362);
  // Pluto passes 0 degrees (equinox of 1950) about 2069, T = 1.69.
  EXPECT_LT(CalcPluto(1.60).longitudeDeg, 360);
  EXPECT_GT(CalcPluto(1.75).longitudeDeg, 360);
}

}  // namespace
}  // namespace orv
