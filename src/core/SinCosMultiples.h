#pragma once
// Sines and cosines of integer combinations of a few angles, as the periodic
// series of the ephemeris need them, and of angles that move by small steps. A series term is the
// sine or cosine of j x + k y + ... with small whole j, k; rather than one library call per term,
// each base angle's sine and cosine is taken once (SinCosDeg) and the multiples and sums follow
// from the angle-addition formulas. In exact arithmetic that is the same function of the same
// degree values; in double precision the recurrences add a few units of the last place.
//
// The degree values must be the ones the direct formula would have used,
// reductions included: with Pi to ten decimals, 360 degrees is not exactly
// a turn, so sin(x) and sin(x - 360) differ by 1.8e-10.

#include <array>
#include <cmath>
#include <cstddef>

#include "core/Angles.h"

namespace orv {

// The sine and cosine of a + b.
constexpr SinCos AngleSum(SinCos a, SinCos b) {
  return {a.sin * b.cos + a.cos * b.sin, a.cos * b.cos - a.sin * b.sin};
}
template <class... More>
constexpr SinCos AngleSum(SinCos a, SinCos b, More... more) {
  return AngleSum(AngleSum(a, b), more...);
}

// The sine and cosine of -a.
constexpr SinCos Negated(SinCos a) { return {-a.sin, a.cos}; }

// The sine and cosine of a - b.
constexpr SinCos AngleDifference(SinCos a, SinCos b) { return AngleSum(a, Negated(b)); }

// n x for every whole n with |n| <= MaxMultiple, from the sine and cosine of
// x: x, 2x, 3x ... by adding x once more each time.
template <int MaxMultiple>
class SinCosMultiples {
 public:
  static_assert(MaxMultiple >= 1);

  constexpr explicit SinCosMultiples(SinCos x) {
    SinCos* zero = &multiples_[MaxMultiple];
    zero[1] = x;
    zero[-1] = Negated(x);
    for (int n = 2; n <= MaxMultiple; ++n) {
      zero[n] = AngleSum(zero[n - 1], x);
      zero[-n] = Negated(zero[n]);
    }
  }

  // n x, -MaxMultiple <= n <= MaxMultiple.
  constexpr SinCos operator[](int n) const { return multiples_[std::size_t(n + MaxMultiple)]; }

 private:
  // -MaxMultiple x .. MaxMultiple x; the middle element is sin 0, cos 0.
  std::array<SinCos, 2 * MaxMultiple + 1> multiples_{};
};

// The largest |row.*field| of a series table, so that a table checks at
// compile time that its multiples stay within the SinCosMultiples it is
// evaluated with.
template <class Row, std::size_t N>
constexpr int MaxMultipleIn(const Row (&rows)[N], int Row::*field) {
  int largest = 0;
  for (const Row& row : rows) {
    const int n = row.*field < 0 ? -(row.*field) : row.*field;
    if (n > largest) largest = n;
  }
  return largest;
}

namespace detail {
// 1 / n! for n = 0..14 (every n! here is exact in a double).
inline constexpr auto kInverseFactorials = [] {
  std::array<double, 15> inverse{};
  double factorial = 1;
  for (int n = 0; n < 15; ++n) {
    if (n > 1) factorial *= n;
    inverse[std::size_t(n)] = 1 / factorial;
  }
  return inverse;
}();
}  // namespace detail

// Up to this many degrees from 0, SinCosDegNear0 sums its series.
inline constexpr double kNear0LimitDeg = 20;

namespace detail {
// The sine and cosine of r radians, |r| <= 0.35, by their Taylor series.
// Below 0.004 the 5th and 4th powers leave less than 6e-18; farther out the
// 13th and 14th powers leave less than 1e-19.
inline SinCos SinCosSeries(double r) {
  constexpr const auto& f = kInverseFactorials;
  const double r2 = r * r;
  if (std::fabs(r) < 0.004) return {r - r * r2 * (f[3] - r2 * f[5]), 1 - r2 * (f[2] - r2 * f[4])};
  // Estrin's scheme: pairs of terms side by side, for a short dependency
  // chain.
  const double r4 = r2 * r2;
  const double r8 = r4 * r4;
  const double sinTail =
      (-f[3] + r2 * f[5]) + r4 * (-f[7] + r2 * f[9]) + r8 * (-f[11] + r2 * f[13]);
  const double cosTail =
      (-f[2] + r2 * f[4]) + r4 * (-f[6] + r2 * f[8]) + r8 * ((-f[10] + r2 * f[12]) - r4 * f[14]);
  return {r + r * r2 * sinTail, 1 + r2 * cosTail};
}
}  // namespace detail

// SinCosDeg for angles near 0 (Kepler steps, inclinations, latitudes, the
// moves of an angle from one evaluation to the next) without a library
// call; it agrees with SinCosDeg to a unit or two of the last place
// (SinCosMultiplesTest). Beyond 20 degrees, and for NaN, it is SinCosDeg.
inline SinCos SinCosDegNear0(double x) {
  if (!(std::fabs(x) <= kNear0LimitDeg)) return SinCosDeg(x);
  return detail::SinCosSeries(x * (Pi / 180));
}

// The same for an angle in radians: std::sin and std::cos of it.
inline SinCos SinCosNear0(double rad) {
  if (!(std::fabs(rad) <= kNear0LimitDeg * (Pi / 180))) return {std::sin(rad), std::cos(rad)};
  return detail::SinCosSeries(rad);
}

// The sines and cosines one evaluation of a formula takes, kept in the order
// it takes them. A chart evaluates each theory twice, at the moment and a
// day later, and the second evaluation asks for the same angles in the same
// order, each moved a little: it gets them as the kept ones turned by the
// difference (SinCosDegNear0), without a library call. The difference is
// taken of the degree values themselves, so a reduction to 0..360 that
// differs between the two (a whole 360 with Pi to ten decimals is not quite
// a turn) comes out as in a direct SinCosDeg. Should the second evaluation
// ask for angles in another order, or for more, the results stay right (to
// the rounding a direct SinCosDeg of angles that size has); only the saving
// is lost.
class SinCosMemo {
 public:
  // The sine and cosine of x degrees: SinCosDeg(x), kept while recording; the
  // kept angle in the same place, turned, while replaying.
  SinCos operator()(double x) {
    if (replaying_) {
      if (next_ < count_) {
        const std::size_t i = next_++;
        return AngleSum({sines_[i], cosines_[i]}, SinCosDegNear0(x - angles_[i]));
      }
      return SinCosDeg(x);
    }
    const SinCos sc = SinCosDeg(x);
    if (count_ < kCapacity) {
      angles_[count_] = x;
      sines_[count_] = sc.sin;
      cosines_[count_] = sc.cos;
      ++count_;
    }
    return sc;
  }

  // Ends the recording: the next requests replay from the first kept angle.
  void Replay() {
    replaying_ = true;
    next_ = 0;
  }

 private:
  static constexpr std::size_t kCapacity = 24;
  // Elements count_ and beyond are never read; leaving them unset spares a
  // chart clearing a dozen memos.
  std::array<double, kCapacity> angles_;
  std::array<double, kCapacity> sines_;
  std::array<double, kCapacity> cosines_;
  std::size_t count_ = 0;
  std::size_t next_ = 0;
  bool replaying_ = false;
};

// SinCosDeg(x), through `memo` when there is one.
inline SinCos SinCosDeg(double x, SinCosMemo* memo) { return memo ? (*memo)(x) : SinCosDeg(x); }

// SinCosDeg at compile time, for the constant phases of series terms.
constexpr SinCos ConstantSinCosDeg(double x) { return SinCosDeg(x); }

}  // namespace orv
