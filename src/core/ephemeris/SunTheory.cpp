#include "core/ephemeris/SunTheory.h"

#include <array>
#include <cstddef>

#include "core/Angles.h"
#include "core/SinCosMultiples.h"

namespace orv {

namespace {

constexpr double kArcsecPerDeg = 3600;

enum class Perturber { Venus, Mars, Jupiter, Saturn };

// A planetary term: c cos(k + p X + m M), with X the perturber's mean
// anomaly and M the Sun's; c in arcseconds, k in degrees.
struct SunTerm {
  Perturber body;
  double c;
  double k;
  int p;
  int m;
};

// clang-format off
constexpr SunTerm kSunTerms[] = {
    {Perturber::Venus, 4.838, 299.102, 1, -1},
    {Perturber::Venus, 0.116, 148.9, 2, -1},
    {Perturber::Venus, 5.526, 148.313, 2, -2},
    {Perturber::Venus, 2.497, 315.943, 2, -3},
    {Perturber::Venus, 0.666, 177.71, 3, -3},
    {Perturber::Venus, 1.559, 345.253, 3, -4},
    {Perturber::Venus, 1.024, 318.15, 3, -5},
    {Perturber::Venus, 0.21, 206.2, 4, -4},
    {Perturber::Venus, 0.144, 195.4, 4, -5},
    {Perturber::Venus, 0.152, 343.8, 4, -6},
    {Perturber::Venus, 0.123, 195.3, 5, -7},
    {Perturber::Venus, 0.154, 359.6, 5, -8},
    {Perturber::Mars, 0.273, 217.7, -1, 1},
    {Perturber::Mars, 2.043, 343.888, -2, 2},
    {Perturber::Mars, 1.77, 200.402, -2, 1},
    {Perturber::Mars, 0.129, 294.2, -3, 3},
    {Perturber::Mars, 0.425, 338.88, -3, 2},
    {Perturber::Mars, 0.5, 105.18, -4, 3},
    {Perturber::Mars, 0.585, 334.06, -4, 2},
    {Perturber::Mars, 0.204, 100.8, -5, 3},
    {Perturber::Mars, 0.154, 227.4, -6, 4},
    {Perturber::Mars, 0.101, 96.3, -6, 3},
    {Perturber::Mars, 0.106, 222.7, -7, 4},
    {Perturber::Jupiter, 0.163, 198.6, -1, 2},
    {Perturber::Jupiter, 7.208, 179.532, -1, 1},
    {Perturber::Jupiter, 2.6, 263.217, -1, 0},
    {Perturber::Jupiter, 2.731, 87.145, -2, 2},
    {Perturber::Jupiter, 1.61, 109.493, -2, 1},
    {Perturber::Jupiter, 0.164, 170.5, -3, 3},
    {Perturber::Jupiter, 0.556, 82.65, -3, 2},
    {Perturber::Jupiter, 0.21, 98.5, -3, 1},
    {Perturber::Saturn, 0.419, 100.58, -1, 1},
    {Perturber::Saturn, 0.32, 269.46, -1, 0},
    {Perturber::Saturn, 0.108, 290.6, -2, 2},
    {Perturber::Saturn, 0.112, 293.6, -2, 1},
};
// clang-format on

// The constant phase of each term, as its sine and cosine.
constexpr auto kSunTermPhases = [] {
  std::array<SinCos, std::size(kSunTerms)> phases{};
  for (std::size_t i = 0; i < phases.size(); ++i) phases[i] = ConstantSinCosDeg(kSunTerms[i].k);
  return phases;
}();

// The multiples the terms reach, for the recurrences below: up to 7 of a
// perturber's anomaly, up to 8 of the Sun's (3 in the equation of the centre).
constexpr int kMaxPerturber = 7;
constexpr int kMaxSun = 8;
static_assert(MaxMultipleIn(kSunTerms, &SunTerm::p) <= kMaxPerturber);
static_assert(MaxMultipleIn(kSunTerms, &SunTerm::m) <= kMaxSun);

}  // namespace

SunLongitudes CalcSun(double t, SinCosMemo* memo) {
  const auto sinDeg = [memo](double x) { return SinCosDeg(x, memo).sin; };
  const double longPeriod = ((1.882 - 0.016 * t) * sinDeg(57.24 + 150.27 * t) +
                             6.4 * sinDeg(231.19 + 20.2 * t) + 0.266 * sinDeg(31.8 + 119.0 * t)) /
                            kArcsecPerDeg;
  const double m = Norm360(358.4758333 + 35999.0 * t + 179.1 / kArcsecPerDeg * t -
                           0.54 / kArcsecPerDeg * t * t + longPeriod);
  const double l = Norm360(279.6966778 + 36000.0 * t + 2768.13 / kArcsecPerDeg * t +
                           1.089 / kArcsecPerDeg * t * t +
                           0.202 / kArcsecPerDeg * sinDeg(315.6 + 893.3 * t) + longPeriod);
  // The mean anomalies of Venus, Mars, Jupiter and Saturn.
  const double anomalies[] = {
      Norm360(212.45 + 58517.493 * t),
      Norm360(319.58 + 19139.977 * t),
      Norm360(225.28 + 3034.583 * t + 1300 / kArcsecPerDeg * sinDeg(133.775 + 39.804 * t)),
      Norm360(175.6 + 1221.794 * t),
  };
  const SinCosMultiples<kMaxPerturber> perturbers[] = {
      SinCosMultiples<kMaxPerturber>(SinCosDeg(anomalies[0], memo)),
      SinCosMultiples<kMaxPerturber>(SinCosDeg(anomalies[1], memo)),
      SinCosMultiples<kMaxPerturber>(SinCosDeg(anomalies[2], memo)),
      SinCosMultiples<kMaxPerturber>(SinCosDeg(anomalies[3], memo)),
  };
  const SinCosMultiples<kMaxSun> mMul(SinCosDeg(m, memo));
  // The Moon's mean elongation and mean anomaly.
  const SinCos d = SinCosDeg(Norm360(350.737486 + 445267.114217 * t), memo);
  const SinCos mm = SinCosDeg(Norm360(296.104608 + 477198.849108 * t), memo);
  const double node = 259.18 - 1934.142 * t;

  const double centre = (6910.057 - 17.24 * t) / kArcsecPerDeg * mMul[1].sin +
                        (72.338 - 0.361 * t) / kArcsecPerDeg * mMul[2].sin +
                        1.054 / kArcsecPerDeg * mMul[3].sin;
  double planets = 0;
  for (std::size_t i = 0; i < std::size(kSunTerms); ++i) {
    const SunTerm& term = kSunTerms[i];
    const SinCos x = AngleSum(perturbers[static_cast<int>(term.body)][term.p], mMul[term.m]);
    const SinCos phase = kSunTermPhases[i];
    // cos(k + x)
    planets += term.c / kArcsecPerDeg * (phase.cos * x.cos - phase.sin * x.sin);
  }
  const double moon = 6.454 / kArcsecPerDeg * d.sin + 0.177 / kArcsecPerDeg * AngleSum(mm, d).sin -
                      0.424 / kArcsecPerDeg * AngleDifference(d, mm).sin +
                      0.172 / kArcsecPerDeg * AngleDifference(d, mMul[1]).sin;

  SunLongitudes sun;
  sun.trueLongitudeDeg = l + centre + planets + moon;
  sun.longitudeDeg = sun.trueLongitudeDeg - 0.00569 - 0.00479 * sinDeg(node);
  return sun;
}

}  // namespace orv
