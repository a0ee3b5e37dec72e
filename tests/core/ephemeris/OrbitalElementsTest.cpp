#include <gtest/gtest.h>

#include <cmath>

#include "EphemerisTestSupport.h"
#include "core/Angles.h"
#include "core/ephemeris/OrbitalElements.h"

namespace orv {
namespace {

using test::AngleDifference;
using test::QuotedPrecision;

// Kepler's equation is solved until a step is below 1e-7 degrees; the last
// step of Newton's method is far smaller than the one before, so the solution
// is good to well inside that.
constexpr double kKeplerDeg = 1e-7;
// Pi to ten decimals is short by 2.9e-11 of itself: an angle of x degrees
// taken through it is off by up to x * 2.9e-11, and a single sine or
// cosine with a reduction by 360 by about 1e-8 degrees.
constexpr double kTruncatedPiRelative = 2.9e-11;
constexpr double kTruncatedPiDeg = 2e-8;

TEST(OrbitalElements, BothEarthTheoriesAgreeOnNewYear1990) {
  // JD 2447892.5, 1990 January 1, 0h; the theory's own check values.
  const double jd = 2447892.5;
  const HelioPosition linear =
      HelioFromElements(CalcInnerPlanetElements(HelioBody::Earth, (jd - 2451545) / 36525));
  const HelioPosition cubic =
      HelioFromElements(CalcOuterPlanetElements(HelioBody::Earth, (jd - 2415020) / 36525).elements);
  EXPECT_NEAR(AngleDifference(linear.longitudeDeg, 100.3075), 0, QuotedPrecision(4));
  EXPECT_NEAR(AngleDifference(cubic.longitudeDeg, 100.3077), 0, QuotedPrecision(4));
  EXPECT_NEAR(linear.radiusKm / KmPerAU, 0.983302, QuotedPrecision(6));
  EXPECT_NEAR(cubic.radiusKm / KmPerAU, 0.983302, QuotedPrecision(6));
  // Both Earth rows have zero inclination.
  EXPECT_EQ(linear.latitudeDeg, 0);
  EXPECT_EQ(cubic.latitudeDeg, 0);
}

// An orbit of 1 AU (or `au`) with eccentricity `e`, at mean anomaly `m`.
OrbitalElements Orbit(double e, double m, double au = 1) {
  OrbitalElements el;
  el.eccentricity = e;
  el.meanAnomalyDeg = m;
  el.semiMajorAxisKm = au * KmPerAU;
  return el;
}

TEST(OrbitalElements, KeplerMatchesPublishedSolutions) {
  // Meeus, Astronomical Algorithms, 2nd ed., chapter 30: e = 0.1, M = 5
  // degrees gives E = 5.554589; e = 0.99, M = 2 degrees gives E = 32.361007.
  EXPECT_NEAR(SolveKepler(Orbit(0.1, 5)).eccentricAnomalyDeg, 5.554589, QuotedPrecision(6));
  EXPECT_NEAR(SolveKepler(Orbit(0.99, 2)).eccentricAnomalyDeg, 32.361007, QuotedPrecision(6));
  // e = 1 makes Newton's step 0/0; without a cap on the steps the solver would
  // spin for ever.
  EXPECT_TRUE(std::isnan(SolveKepler(Orbit(1, 0)).eccentricAnomalyDeg));
}

TEST(OrbitalElements, KeplerTakesUnreducedMeanAnomalies) {
  // The linear theory hands over mean anomalies of thousands of degrees.
  OrbitalElements el = Orbit(0.2, 0);
  for (double m : {5.0, 123.4, 300.0}) {
    el.meanAnomalyDeg = m;
    const KeplerSolution reduced = SolveKepler(el);
    for (int turns : {-40, -3, 7, 150}) {
      el.meanAnomalyDeg = m + 360 * turns;
      const KeplerSolution k = SolveKepler(el);
      EXPECT_NEAR(AngleDifference(k.eccentricAnomalyDeg, reduced.eccentricAnomalyDeg), 0,
                  10 * kKeplerDeg)
          << m << " " << turns;
      // The half-angle tangent of v takes E itself, many turns away from the
      // reduced one; at most 1.3 (the slope of v in E) times its shift.
      const double piShift = 1.3 * std::fabs(k.eccentricAnomalyDeg) * kTruncatedPiRelative;
      EXPECT_NEAR(AngleDifference(k.trueAnomalyDeg, reduced.trueAnomalyDeg), 0,
                  10 * kKeplerDeg + piShift);
      EXPECT_GE(k.trueAnomalyDeg, 0);
      EXPECT_LT(k.trueAnomalyDeg, 360);
    }
  }
}

TEST(OrbitalElements, CircularOrbitHasNoEquationOfTheCentre) {
  for (double m : {-30.0, 45.0, 400.0}) {
    const KeplerSolution k = SolveKepler(Orbit(0, m, 2));
    EXPECT_EQ(k.eccentricAnomalyDeg, m);
    EXPECT_NEAR(k.trueAnomalyDeg, Norm360(m), kTruncatedPiDeg);
    EXPECT_EQ(k.radiusKm, 2 * KmPerAU);
  }
}

TEST(OrbitalElements, OrbitToEclipticLeavesTheLongitudeUnreduced) {
  // In the plane of the ecliptic the longitude is node + u, u taken into 0..360.
  const HelioPosition p = OrbitToEcliptic(350, 0, 20);
  EXPECT_NEAR(p.longitudeDeg, 370, kTruncatedPiDeg);
  EXPECT_EQ(p.latitudeDeg, 0);
  // 90 degrees past the node the point stands at the full inclination.
  const HelioPosition top = OrbitToEcliptic(90, 7, 48);
  EXPECT_NEAR(top.latitudeDeg, 7, 1e-8);
  EXPECT_NEAR(AngleDifference(top.longitudeDeg, 48 + 90), 0, 1e-8);
}

TEST(OrbitalElements, HelioToGeoIsTheDifferenceOfTwoVectors) {
  // Body at 2 AU on the y axis, Earth at 1 AU on the x axis: the body is seen
  // along (-1, 2, 0), at 180 - atan(2) = 116.5650512 degrees.
  const HelioPosition body{90, 0, 2 * KmPerAU};
  const HelioPosition earth{0, 0, KmPerAU};
  const EclipticPosition geo = HelioToGeo(body, earth);
  EXPECT_NEAR(geo.longitudeDeg, 116.5650512, 1e-6);
  EXPECT_NEAR(geo.latitudeDeg, 0, 1e-9);
  // Lifted 1 AU above the ecliptic: latitude atan(1 / sqrt(5)) = 24.0948426.
  const HelioPosition lifted{90, 26.5650512, std::sqrt(5.0) * KmPerAU};
  EXPECT_NEAR(HelioToGeo(lifted, earth).latitudeDeg, 24.0948426, 1e-6);
}

}  // namespace
}  // namespace orv
