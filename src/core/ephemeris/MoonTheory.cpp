#include "core/ephemeris/MoonTheory.h"

#include "core/Angles.h"
#include "core/SinCosMultiples.h"

namespace orv {

namespace {

constexpr double kArcsecPerDeg = 3600;

// A longitude term: c sin(d D + m M + mp M' + f F), c in arcseconds; D the
// mean elongation, M the Sun's mean anomaly, M' the Moon's, F the argument of
// latitude.
struct LongitudeTerm {
  double c;
  int d;
  int m;
  int mp;
  int f;
};

// In the theory's order; -4D + M' appears three times (17, 47 and 64) and is
// summed three times.
constexpr LongitudeTerm kLongitudeTerms[] = {
    {22639.55, 0, 0, 1, 0},  // 1: M'
    {769.02, 0, 0, 2, 0},    // 2: 2M'
    {-125.15, 1, 0, 0, 0},   // 3: D
    {2369.912, 2, 0, 0, 0},  // 4: 2D
    {-668.15, 0, 1, 0, 0},   // 5: M
    {-411.61, 0, 0, 0, 2},   // 6: 2F
    {211.66, 2, 0, -2, 0},   // 7: 2D - 2M'
    {4586.47, 2, 0, -1, 0},  // 8: 2D - M'
    {191.95, 2, 0, 1, 0},    // 9: 2D + M'
    {165.15, 2, -1, 0, 0},   // 10: 2D - M
    {205.96, 2, -1, -1, 0},  // 11: 2D - M - M'
    {-109.67, 0, 1, 1, 0},   // 12: M + M'
    {147.69, 0, -1, 1, 0},   // 13: -M + M'
    {-55.17, -2, 0, 0, 2},   // 14: -2D + 2F
    {-45.099, 0, 0, 1, 2},   // 15: M' + 2F
    {39.53, 0, 0, 1, -2},    // 16: M' - 2F
    {-38.43, -4, 0, 1, 0},   // 17: -4D + M'
    {36.12, 0, 0, 3, 0},     // 18: 3M'
    {-30.77, -4, 0, 2, 0},   // 19: -4D + 2M'
    {28.48, -2, -1, 1, 0},   // 20: -2D - M + M'
    {-24.42, 2, 1, 0, 0},    // 21: 2D + M
    {18.61, -1, 0, 1, 0},    // 22: -D + M'
    {18.02, 1, 1, 0, 0},     // 23: D + M
    {14.58, 2, -1, 1, 0},    // 24: 2D - M + M'
    {14.39, 2, 0, 2, 0},     // 25: 2D + 2M'
    {13.9, 4, 0, 0, 0},      // 26: 4D
    {-13.19, -2, 0, 3, 0},   // 27: -2D + 3M'
    {9.7, 0, -1, 2, 0},      // 28: -M + 2M'
    {9.37, -2, 0, 1, -2},    // 29: -2D + M' - 2F
    {-8.63, -2, 1, 2, 0},    // 30: -2D + M + 2M'
    {-8.47, 1, 0, 1, 0},     // 31: D + M'
    {-8.096, -2, 2, 0, 0},   // 32: -2D + 2M
    {-7.65, 0, 1, 2, 0},     // 33: M + 2M'
    {-7.49, 0, 2, 0, 0},     // 34: 2M
    {-7.41, -2, 2, 1, 0},    // 35: -2D + 2M + M'
    {-6.38, 2, 0, 1, -2},    // 36: 2D + M' - 2F
    {-5.74, 2, 0, 0, 2},     // 37: 2D + 2F
    {-4.39, -4, 1, 1, 0},    // 38: -4D + M + M'
    {-3.99, 0, 0, 2, 2},     // 39: 2M' + 2F
    {3.22, -3, 0, 1, 0},     // 40: -3D + M'
    {-2.92, 2, 1, 1, 0},     // 41: 2D + M + M'
    {-2.74, -4, 1, 2, 0},    // 42: -4D + M + 2M'
    {-2.49, -2, -1, 2, 0},   // 43: -2D - M + 2M'
    {2.58, 0, -2, 1, 0},     // 44: -2M + M'
    {2.53, -2, -2, 1, 0},    // 45: -2D - 2M + M'
    {-2.15, -2, 1, 0, 2},    // 46: -2D + M + 2F
    {1.98, -4, 0, 1, 0},     // 47: -4D + M'
    {1.94, 0, 0, 4, 0},      // 48: 4M'
    {-1.88, -4, 1, 0, 0},    // 49: -4D + M
    {1.75, -1, 0, 2, 0},     // 50: -D + 2M'
    {-1.44, 2, 1, 0, -2},    // 51: 2D + M - 2F
    {-1.298, 0, 0, 2, -2},   // 52: 2M' - 2F
    {1.27, 1, 1, 1, 0},      // 53: D + M + M'
    {1.23, -3, 0, 2, 0},     // 54: -3D + 2M'
    {-1.19, -4, 0, 3, 0},    // 55: -4D + 3M'
    {1.18, 2, -1, 2, 0},     // 56: 2D - M + 2M'
    {-1.17, 0, 2, 1, 0},     // 57: 2M + M'
    {-1.09, -1, -1, 1, 0},   // 58: -D - M + M'
    {1.06, 2, 0, 3, 0},      // 59: 2D + 3M'
    {-0.59, 1, 0, 2, 0},     // 60: D + 2M'
    {-0.99, 2, 0, 1, 2},     // 61: 2D + M' + 2F
    {-0.95, -2, 0, 4, 0},    // 62: -2D + 4M'
    {-0.57, -6, 0, 2, 0},    // 63: -6D + 2M'
    {0.64, -4, 0, 1, 0},     // 64: -4D + M'
    {0.56, -1, 1, 0, 0},     // 65: -D + M
    {0.76, 2, -2, 1, 0},     // 66: 2D - 2M + M'
    {0.58, -1, 0, 0, 2},     // 67: -D + 2F
    {-0.55, 0, 1, 3, 0},     // 68: M + 3M'
    {0.68, 0, -1, 3, 0},     // 69: -M + 3M'
    {0.557, -2, 0, 2, 2},    // 70: -2D + 2M' + 2F
    {0.538, -2, 0, 2, -2},   // 71: -2D + 2M' - 2F
};

// A latitude term: c sin(s S + h H + mp M' + m M + f F), c in arcseconds,
// with S the Moon's longitude from the node (corrected) and H = F - 2D.
struct LatitudeTerm {
  double c;
  int s;
  int h;
  int mp;
  int m;
  int f;
};

constexpr LatitudeTerm kLatitudeTerms[] = {
    {18519.7, 1, 0, 0, 0, 0},  // S
    {-526.1, 0, 1, 0, 0, 0},   // H
    {44.3, 0, 1, 1, 0, 0},     // H + M'
    {-30.6, 0, 1, -1, 0, 0},   // H - M'
    {-22.6, 0, 1, 0, 1, 0},    // H + M
    {11.0, 0, 1, 0, -1, 0},    // H - M
    {-24.6, 0, 0, -2, 0, 1},   // F - 2M'
    {20.6, 0, 0, -1, 0, 1},    // F - M'
};

// The multiples each table reaches, for the recurrences below.
constexpr int kMaxD = 6;
constexpr int kMaxM = 2;
constexpr int kMaxMp = 4;
constexpr int kMaxF = 2;
static_assert(MaxMultipleIn(kLongitudeTerms, &LongitudeTerm::d) <= kMaxD);
static_assert(MaxMultipleIn(kLongitudeTerms, &LongitudeTerm::m) <= kMaxM);
static_assert(MaxMultipleIn(kLongitudeTerms, &LongitudeTerm::mp) <= kMaxMp);
static_assert(MaxMultipleIn(kLongitudeTerms, &LongitudeTerm::f) <= kMaxF);
static_assert(MaxMultipleIn(kLatitudeTerms, &LatitudeTerm::s) <= 1);
static_assert(MaxMultipleIn(kLatitudeTerms, &LatitudeTerm::h) <= 1);
static_assert(MaxMultipleIn(kLatitudeTerms, &LatitudeTerm::mp) <= kMaxMp);
static_assert(MaxMultipleIn(kLatitudeTerms, &LatitudeTerm::m) <= kMaxM);
static_assert(MaxMultipleIn(kLatitudeTerms, &LatitudeTerm::f) <= kMaxF);

// n x for n = -1, 0, 1.
SinCos Once(SinCos x, int n) { return n == 0 ? SinCos{} : n > 0 ? x : Negated(x); }

}  // namespace

MoonPosition CalcMoon(double t, SinCosMemo* memo) {
  const auto sinDeg = [memo](double x) { return SinCosDeg(x, memo).sin; };
  const double t2 = t * t;
  const double t3 = t2 * t;
  double lp = 270.434164 + 481267.883142 * t - 0.001133 * t2 + 0.0000019 * t3;
  double mp = 296.104608 + 477198.849108 * t + 0.009192 * t2 + 0.0000144 * t3;
  double node = 259.183275 - 1934.142008 * t + 0.002078 * t2 + 0.0000022 * t3;
  double l = 279.696678 + 36000.768925 * t + 0.000303 * t2;
  double m = 358.475833 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t3;

  MoonPosition moon;
  // The true node comes from the unreduced elements.
  const double trueNodeArcsec = 3600 * node + 5392 * sinDeg(2 * (l - node)) - 541 * sinDeg(m) -
                                442 * sinDeg(2 * (lp - l)) + 423 * sinDeg(2 * (lp - node)) -
                                291 * sinDeg(2 * mp - 2 * (lp - node));
  moon.trueNodeDeg = trueNodeArcsec / kArcsecPerDeg;

  lp = Norm360(lp);
  mp = Norm360(mp);
  l = Norm360(l);
  m = Norm360(m);
  node = Norm360(node);

  // Every other argument is a whole combination of these five.
  const SinCos lpSc = SinCosDeg(lp, memo);
  const SinCos lSc = SinCosDeg(l, memo);
  const SinCos nodeSc = SinCosDeg(node, memo);
  const SinCosMultiples<kMaxM> mMul(SinCosDeg(m, memo));
  const SinCosMultiples<kMaxMp> mpMul(SinCosDeg(mp, memo));

  moon.nutationDeg =
      (-17.2 * nodeSc.sin + 0.206 * AngleSum(nodeSc, nodeSc).sin - 1.319 * AngleSum(lSc, lSc).sin +
       0.143 * mMul[1].sin - 0.227 * AngleSum(lpSc, lpSc).sin + 0.071 * mpMul[1].sin) /
      kArcsecPerDeg;

  // D = L' - L and F = L' - node, of the reduced elements.
  const SinCosMultiples<kMaxD> dMul(AngleDifference(lpSc, lSc));
  const SinCosMultiples<kMaxF> fMul(AngleDifference(lpSc, nodeSc));
  double sumLongitude = 0;
  for (const LongitudeTerm& term : kLongitudeTerms) {
    const SinCos arg = AngleSum(dMul[term.d], mMul[term.m], mpMul[term.mp], fMul[term.f]);
    sumLongitude += term.c * arg.sin / kArcsecPerDeg;
  }
  moon.longitudeDeg = sumLongitude + moon.nutationDeg + lp;

  // The two corrections of S are in degrees.
  const double s = Norm360(moon.longitudeDeg) - node + 0.114 * fMul[2].sin + 0.15 * mMul[1].sin;
  const SinCos sSc = SinCosDeg(s, memo);
  // H = 2L - L' - node.
  const SinCos hSc = AngleDifference(AngleDifference(AngleSum(lSc, lSc), lpSc), nodeSc);
  double sumLatitude = 0;
  for (const LatitudeTerm& term : kLatitudeTerms) {
    const SinCos arg =
        AngleSum(Once(sSc, term.s), Once(hSc, term.h), mpMul[term.mp], mMul[term.m], fMul[term.f]);
    sumLatitude += term.c * arg.sin;
  }
  moon.latitudeDeg = sumLatitude / kArcsecPerDeg;
  moon.meanNodeDeg = Norm360(node);
  return moon;
}

}  // namespace orv
