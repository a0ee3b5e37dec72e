#include <gtest/gtest.h>

#include <cmath>

#include "EphemerisTestSupport.h"
#include "core/Angles.h"
#include "core/ephemeris/OrbitalElements.h"
#include "core/ephemeris/PlanetPositions.h"
#include "core/ephemeris/PlutoTheory.h"

namespace orv {
namespace {

using test::AngleDifference;
using test::NewcombObliquityRad;
using test::QuotedPrecision;

namespace P = ChartPoint;

// A chart moment from a Julian date, with the obliquity of that moment.
PlanetPositionInput MomentAt(double jd, bool trueNode = false) {
  PlanetPositionInput in;
  in.julianDayNumber = std::floor(jd + 0.5);
  in.dayFraction = jd + 0.5 - in.julianDayNumber;
  in.obliquityRad = NewcombObliquityRad((jd - 2415020) / 36525);
  in.ascendantDeg = 123.25;
  in.midheavenDeg = 31.5;
  in.trueNode = trueNode;
  return in;
}

TEST(PlanetPositions, NodesFollowTheOption) {
  // The Moon theory's check values at JD 2448724.5: mean node 274.39958, true
  // node 273.73693.
  const PlanetPositions mean = CalcPlanetPositions(MomentAt(2448724.5, false));
  const PlanetPositions trueNode = CalcPlanetPositions(MomentAt(2448724.5, true));
  EXPECT_NEAR(mean.longitudes[P::NorthNode], 274.39958, QuotedPrecision(5));
  EXPECT_NEAR(mean.longitudes[P::SouthNode], 94.39958, QuotedPrecision(5));
  EXPECT_NEAR(trueNode.longitudes[P::NorthNode], 273.73693, QuotedPrecision(5));
  EXPECT_NEAR(trueNode.longitudes[P::SouthNode], 93.73693, QuotedPrecision(5));
  // Both nodes are reported whichever the chart shows.
  for (const PlanetPositions* p : {&mean, &trueNode}) {
    EXPECT_NEAR(p->meanNodeDeg, 274.39958, QuotedPrecision(5));
    EXPECT_NEAR(p->trueNodeDeg, 273.73693, QuotedPrecision(5));
  }
}

TEST(PlanetPositions, VenusAgreesWithPublishedApparentPosition) {
  // Meeus, Astronomical Algorithms, 2nd ed., example 33.a: 1992 December 20,
  // 0h TD, apparent longitude 313.08102, latitude -2.08474. The elements of
  // the linear theory place Venus to 0.025 degrees (ReferenceEphemerisTest).
  constexpr double kVenusTheoryDeg = 0.025;
  const PlanetPositions p = CalcPlanetPositions(MomentAt(2448976.5));
  EXPECT_NEAR(AngleDifference(p.longitudes[P::Venus], 313.08102), 0, kVenusTheoryDeg);
  EXPECT_NEAR(p.latitudes[P::Venus], -2.08474, kVenusTheoryDeg);
}

TEST(PlanetPositions, PlutoIsBroughtToTheEquinoxOfDate) {
  // Meeus, Astronomical Algorithms, 2nd ed., example 37.a: 1992 October 13,
  // 0h TD, heliocentric l = 232.74071, b = 14.58782 for the equinox J2000.0.
  // Back to the equinox of date, 7.22 years earlier, by the general
  // precession in longitude 5029.0966" per century (IAU 1976): 0.10086
  // degrees.
  const double jd = 2448908.5;
  const double precession = 5029.0966 / 3600 * (2451545 - jd) / 36525;
  const PlanetPositions p = CalcPlanetPositions(MomentAt(jd));
  // The series' own error (ReferenceEphemerisTest: 0.007 at most).
  constexpr double kPlutoSeriesDeg = 0.005;
  EXPECT_NEAR(AngleDifference(p.helioLongitudes[HelioBody::Pluto], 232.74071 - precession), 0,
              kPlutoSeriesDeg);
  // The latitude stays on the ecliptic of 1950, which has tilted by 47" a
  // century since (ReferenceEphemerisTest: 0.0084 at most).
  constexpr double kPlutoLatitudeDeg = 0.009;
  EXPECT_NEAR(p.helioLatitudes[HelioBody::Pluto], 14.58782, kPlutoLatitudeDeg);
}

TEST(PlanetPositions, PlutoEquinoxCorrectionGrowsFromNineteenFifty) {
  // The series refers to the equinox of 1950.0 (day number 2433283); a
  // century later its longitudes are turned by the general precession of a
  // century, 1.3967 degrees. The day number counts, not the time of day.
  struct Case {
    double dayNumber;
    double dayFraction;
    double correctionDeg;
  };
  for (const Case& c : {Case{2433283, 0.5, 0}, Case{2433283, 0.9, 0}, Case{2469808, 0.5, 1.3967}}) {
    PlanetPositionInput in;
    in.julianDayNumber = c.dayNumber;
    in.dayFraction = c.dayFraction;
    in.obliquityRad = 0.409;
    const double t1900 = (c.dayNumber - 2415020 + c.dayFraction - 0.5) / 36525;
    const double series = CalcPluto(t1900).longitudeDeg;
    const PlanetPositions p = CalcPlanetPositions(in);
    EXPECT_NEAR(AngleDifference(p.helioLongitudes[HelioBody::Pluto], series + c.correctionDeg), 0,
                1e-9)
        << c.dayNumber;
  }
}

TEST(PlanetPositions, RetrogradeIsTheShorterWayBack) {
  struct Case {
    double lon;
    double next;
    bool retrograde;
  };
  const Case cases[] = {
      {359.9, 0.2, false},                  // across 0 forwards: 0.2 is taken as 360.2
      {0.2, 359.9, true},                   // across 0 backwards
      {10, 10, false},                      // stationary
      {10, 9.99, true},    {0, 180, true},  // half a turn: the smaller one gains a turn
      {180, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsRetrograde(c.lon, c.next), c.retrograde) << c.lon << " -> " << c.next;
  }
}

TEST(PlanetPositions, EveryMomentGivesAWholeChart) {
  // Dates spread over 1900-2060, each a different time of day.
  for (double jd = 2415020.5; jd < 2473460; jd += 731.37) {
    const PlanetPositionInput in = MomentAt(jd);
    const PlanetPositions p = CalcPlanetPositions(in);
    const double eps = in.obliquityRad * 180 / M_PI;

    for (int i = P::Sun; i <= P::MC; ++i) {
      EXPECT_GE(p.longitudes[i], 0) << i;  // NaN fails both
      EXPECT_LT(p.longitudes[i], 360) << i;
    }
    for (int i = HelioBody::Earth; i <= HelioBody::Pluto; ++i) {
      EXPECT_GE(p.helioLongitudes[i], 0) << i;
      EXPECT_LT(p.helioLongitudes[i], 360) << i;
    }
    for (int i = P::Sun; i <= P::Moon; ++i) {
      EXPECT_LE(std::fabs(p.declinations[i]), eps + std::fabs(p.latitudes[i]) + 1e-9) << i;
    }
    EXPECT_EQ(p.latitudes[P::Sun], 0);
    EXPECT_EQ(p.helioLatitudes[HelioBody::Earth], 0);
    // The Earth seen from the Sun stands opposite the Sun seen from the Earth:
    // apart by the Sun's aberration (0.0057) and nutation (up to 0.0048),
    // which only the Sun's longitude has, and the linear theory's error for
    // the Earth (up to 0.0085, ReferenceEphemerisTest).
    EXPECT_NEAR(AngleDifference(p.helioLongitudes[HelioBody::Earth], p.longitudes[P::Sun] + 180), 0,
                0.0057 + 0.0048 + 0.0085);

    EXPECT_NEAR(AngleDifference(p.longitudes[P::SouthNode], p.longitudes[P::NorthNode] + 180), 0,
                1e-9);
    EXPECT_NEAR(AngleDifference(p.longitudes[P::PartOfFortune],
                                in.ascendantDeg + p.longitudes[P::Moon] - p.longitudes[P::Sun]),
                0, 1e-9);
    EXPECT_EQ(p.longitudes[P::Ascendant], in.ascendantDeg);
    EXPECT_EQ(p.longitudes[P::MC], in.midheavenDeg);
    // Chiron's slot is left for its own routine.
    EXPECT_EQ(p.longitudes[P::Chiron], 0);

    // The daily motion of points 11 to 15 is 0.
    for (int i = P::NorthNode; i <= P::MC; ++i) EXPECT_EQ(p.nextDayLongitudes[i], p.longitudes[i]);

    // One flag per point: "R" exactly where a planet's next-day longitude lies
    // behind, the short way round; never for the Sun, the Moon or 11 to 16.
    ASSERT_EQ(p.retroFlags.size(), 16u);
    for (int i = P::Sun; i <= P::Chiron; ++i) {
      const bool planet = i >= P::Mercury && i <= P::Pluto;
      const bool behind = AngleDifference(p.nextDayLongitudes[i], p.longitudes[i]) < 0;
      EXPECT_EQ(p.retroFlags[i - 1], planet && behind ? 'R' : ' ') << i << " at " << jd;
    }
    // The Sun and the Moon always move forwards, at their known rates.
    EXPECT_NEAR(AngleDifference(p.nextDayLongitudes[P::Sun], p.longitudes[P::Sun]), 0.9856, 0.035);
    EXPECT_NEAR(AngleDifference(p.nextDayLongitudes[P::Moon], p.longitudes[P::Moon]), 13.2, 2.3);
  }
}

TEST(PlanetPositions, DeclinationOfEclipticPoints) {
  const double eps = NewcombObliquityRad(1);
  const double epsDeg = eps * 180 / M_PI;
  // Worked from the geometry: the equinoxes lie on the equator, the solstices
  // at +-eps, the ecliptic pole at 90 - eps.
  constexpr double kGeometryDeg = 1e-7;
  EXPECT_NEAR(DeclinationOf(0, 0, eps), 0, kGeometryDeg);
  EXPECT_NEAR(DeclinationOf(180, 0, eps), 0, kGeometryDeg);
  EXPECT_NEAR(DeclinationOf(90, 0, eps), epsDeg, kGeometryDeg);
  EXPECT_NEAR(DeclinationOf(270, 0, eps), -epsDeg, kGeometryDeg);
  EXPECT_NEAR(DeclinationOf(0, 90, eps), 90 - epsDeg, kGeometryDeg);
  // 30 degrees along the ecliptic: sin d = sin eps sin 30.
  EXPECT_NEAR(DeclinationOf(30, 0, eps), std::asin(std::sin(eps) * 0.5) * 180 / M_PI, kGeometryDeg);
}

}  // namespace
}  // namespace orv
