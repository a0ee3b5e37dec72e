// The shortcuts the series take to sines and cosines, each against the
// library's std::sin and std::cos of the same angle (through SinCosDeg,
// with Pi to ten decimals as everywhere in the chart core).

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "core/Angles.h"
#include "core/SinCosMultiples.h"
#include "core/ephemeris/OrbitalElements.h"

namespace orv {
namespace {

// A couple of units in the last place of a number near 1: what two
// correctly rounded routines may differ by.
constexpr double kLastPlaces = 4 * std::numeric_limits<double>::epsilon();

// The recurrences over 8 multiples add a unit or two in the last place per
// step. 4e-15 in a sine is 2e-13 degrees of angle, over three orders below
// the 1e-9 degrees the refactoring of the ephemeris is held to.
constexpr double kRecurrenceNoise = 4e-15;

// The library's own sine of a large angle is no better than the rounding of
// that angle in radians: half a unit in its last place.
double ArgumentRounding(double deg) {
  return std::fabs(deg) * Pi / 180 * std::numeric_limits<double>::epsilon();
}

double Worst(SinCos got, SinCos want) {
  return std::fmax(std::fabs(got.sin - want.sin), std::fabs(got.cos - want.cos));
}

TEST(SinCosMultiples, ConstantSinCosMatchesTheLibrary) {
  double worst = 0;
  for (double x = -725; x <= 725; x += 0.173) {
    worst = std::fmax(worst, Worst(ConstantSinCosDeg(x), {SinDeg(x), CosDeg(x)}));
  }
  // The quarter turns themselves and the phases of the Sun's terms.
  for (double x : {0.0, 90.0, 180.0, 270.0, 360.0, 299.102, 148.313, 343.888, 179.532, 87.145}) {
    worst = std::fmax(worst, Worst(ConstantSinCosDeg(x), {SinDeg(x), CosDeg(x)}));
  }
  EXPECT_LE(worst, kLastPlaces);
  // Evaluated by the compiler, as the series use it.
  constexpr SinCos kThirty = ConstantSinCosDeg(30);
  EXPECT_NEAR(kThirty.sin, 0.5, 1e-10);  // Pi to ten decimals: not exactly a half
  EXPECT_NEAR(kThirty.sin, SinDeg(30), kLastPlaces);
}

TEST(SinCosMultiples, SmallAnglesMatchTheLibrary) {
  double worst = 0;
  for (double x = -kNear0LimitDeg; x <= kNear0LimitDeg; x += 0.00731) {
    worst = std::fmax(worst, Worst(SinCosDegNear0(x), SinCosDeg(x)));
  }
  // The short series for tiny steps, and its edge.
  for (double x : {0.0, 1e-12, -3e-8, 2.5e-5, 0.001, -0.2291, 0.2292, 0.2293, 19.9999, -20.0}) {
    worst = std::fmax(worst, Worst(SinCosDegNear0(x), SinCosDeg(x)));
  }
  EXPECT_LE(worst, kLastPlaces);
  // Farther out, and for NaN, SinCosDeg itself.
  for (double x : {20.001, -37.5, 359.0, 1e6}) {
    EXPECT_EQ(SinCosDegNear0(x).sin, SinCosDeg(x).sin) << x;
    EXPECT_EQ(SinCosDegNear0(x).cos, SinCosDeg(x).cos) << x;
  }
  EXPECT_TRUE(std::isnan(SinCosDegNear0(NAN).sin));
  // In radians.
  for (double r : {0.0, -1e-9, 0.003, 0.0041, -0.2, 0.349, 0.36, -2.0}) {
    EXPECT_NEAR(SinCosNear0(r).sin, std::sin(r), kLastPlaces) << r;
    EXPECT_NEAR(SinCosNear0(r).cos, std::cos(r), kLastPlaces) << r;
  }
}

TEST(SinCosMultiples, MultiplesMatchTheLibraryForEveryAngle) {
  // Beyond the rounding of each multiple's argument (which a direct sine
  // of that multiple has too).
  double worst = 0;
  const auto check = [&worst](SinCos got, double deg) {
    worst = std::fmax(worst, Worst(got, SinCosDeg(deg)) - ArgumentRounding(deg));
  };
  // Reduced arguments as the series take them, and an unreduced one.
  for (double x = 0; x < 360; x += 0.917) {
    const SinCosMultiples<8> m(SinCosDeg(x));
    for (int n = -8; n <= 8; ++n) check(m[n], n * x);
  }
  const double zeta = -1784.35125;  // at T = 1
  const SinCosMultiples<5> far(SinCosDeg(zeta));
  for (int n = -5; n <= 5; ++n) check(far[n], n * zeta);
  EXPECT_LE(worst, kRecurrenceNoise);
  const SinCosMultiples<3> m(SinCosDeg(40));
  EXPECT_EQ(m[0].sin, 0);
  EXPECT_EQ(m[0].cos, 1);
  EXPECT_EQ(m[-2].sin, -m[2].sin);
  EXPECT_EQ(m[-2].cos, m[2].cos);
  const SinCos a = SinCosDeg(123.4);
  const SinCos b = SinCosDeg(-77.7);
  const SinCos c = SinCosDeg(301.05);
  EXPECT_LE(Worst(AngleSum(a, b), SinCosDeg(123.4 - 77.7)), kLastPlaces);
  EXPECT_LE(Worst(AngleSum(a, b, c), SinCosDeg(123.4 - 77.7 + 301.05)), kLastPlaces);
  EXPECT_LE(Worst(AngleDifference(a, c), SinCosDeg(123.4 - 301.05)), kLastPlaces);
  EXPECT_LE(Worst(Negated(a), SinCosDeg(-123.4)), kLastPlaces);
}

TEST(SinCosMemo, ReplayGivesTheSinesAndCosinesOfTheNewAngles) {
  // A day's motion of a few arguments, one of them reduced across 0 (the
  // difference is then nearly a turn, and the memo takes the library's).
  constexpr double kFirst[] = {123.25, 359.5, 55600.0, -12.0, 7.0};
  constexpr double kSecond[] = {124.236, 0.3, 55601.6, -12.2, 7.0};
  SinCosMemo memo;
  for (double x : kFirst) {
    const SinCos kept = memo(x);
    EXPECT_EQ(kept.sin, SinCosDeg(x).sin);
    EXPECT_EQ(kept.cos, SinCosDeg(x).cos);
  }
  memo.Replay();
  double worst = 0;
  for (double x : kSecond) {
    worst = std::fmax(worst, Worst(memo(x), SinCosDeg(x)) - ArgumentRounding(x));
  }
  EXPECT_LE(worst, kLastPlaces);
  // More requests than were kept: the library again.
  EXPECT_EQ(memo(200.0).sin, SinCosDeg(200.0).sin);

  // Requests out of the kept order stay right, only the saving is lost.
  SinCosMemo shuffled;
  shuffled(10.0);
  shuffled(250.0);
  shuffled.Replay();
  EXPECT_LE(Worst(shuffled(250.5), SinCosDeg(250.5)), kLastPlaces);
  EXPECT_LE(Worst(shuffled(10.5), SinCosDeg(10.5)), kLastPlaces);

  // Without a memo, SinCosDeg itself.
  EXPECT_EQ(SinCosDeg(33.3, nullptr).sin, SinCosDeg(33.3).sin);
}

TEST(SinCosMemo, ReplayKeepsTheTurnOfAReduction) {
  // With Pi to ten decimals, 360 degrees is 1.8e-10 short of a turn, so the
  // sine of a reduced angle differs from that of the unreduced one; the
  // memo must reproduce the reduced one's.
  SinCosMemo memo;
  memo(3600.25);
  memo.Replay();
  const SinCos got = memo(0.75);
  EXPECT_LE(Worst(got, SinCosDeg(0.75)), kLastPlaces);
  EXPECT_GT(std::fabs(SinDeg(3600.75) - SinDeg(0.75)), 1e-9);
}

TEST(SinCosMultiples, OrbitsSolvedSideBySideAsOnTheirOwn) {
  // Mercury to Mars and the Earth at three dates, ten orbits in one call,
  // so that two groups are formed.
  std::array<OrbitalElements, 10> elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    elements[i] = CalcInnerPlanetElements(1 + int(i % 4), -0.9 + 0.17 * double(i));
  }
  std::array<SinCosMemo*, 10> memos{};
  std::array<KeplerSolution, 10> together;
  SolveKeplerEach(elements, memos, together);
  std::array<HelioPosition, 10> positions;
  HelioFromElementsEach(elements, memos, positions);
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const KeplerSolution alone = SolveKepler(elements[i]);
    EXPECT_EQ(together[i].eccentricAnomalyDeg, alone.eccentricAnomalyDeg) << i;
    EXPECT_EQ(together[i].trueAnomalyDeg, alone.trueAnomalyDeg) << i;
    EXPECT_EQ(together[i].radiusKm, alone.radiusKm) << i;
    const HelioPosition p = HelioFromElements(elements[i]);
    EXPECT_EQ(positions[i].longitudeDeg, p.longitudeDeg) << i;
    EXPECT_EQ(positions[i].latitudeDeg, p.latitudeDeg) << i;
  }
}

}  // namespace
}  // namespace orv
