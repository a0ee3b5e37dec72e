// The sine and cosine kernel against the library's std::sin and std::cos,
// swept over every range the chart core gives it.

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <limits>
#include <random>

#include "core/SinCosKernel.h"

namespace orv {
namespace {

TEST(SinCosKernel, MatchesTheLibraryToAUnitOrTwoOfTheLastPlace) {
  // Two correctly rounded values near 1 may differ by a unit; the reduction's
  // two-part quarter turn adds at most 2.4e-16 at the limit.
  constexpr double kAllowed = 4 * std::numeric_limits<double>::epsilon();
  struct Range {
    double from;
    double to;
  };
  // Near 0 and the quarter turns, a few turns (reduced angles), and the
  // unreduced mean anomalies of the inner planets out to the limit.
  constexpr Range kRanges[] = {{-1e-6, 1e-6}, {-0.8, 0.8},   {1.5, 1.65},   {-7, 7},
                               {-700, 700},   {-1e5, 1e5},   {3.14, 3.143}, {99990, 1e5}};
  std::mt19937_64 rng(7);
  double worst = 0;
  for (const Range& range : kRanges) {
    std::uniform_real_distribution<double> rad(range.from, range.to);
    for (int i = 0; i < 200000; ++i) {
      const double x = rad(rng);
      const detail::SinCosPair got = detail::SinCosKernel(x);
      worst = std::fmax(worst, std::fmax(std::fabs(got.sin - std::sin(x)),
                                         std::fabs(got.cos - std::cos(x))));
    }
  }
  std::cout << "sine and cosine kernel: largest difference " << worst << "\n";
  EXPECT_LE(worst, kAllowed);
  // Exact where the library is exact; beyond the limit, NaN and infinity the
  // library itself.
  EXPECT_EQ(detail::SinCosKernel(0).sin, 0);
  EXPECT_EQ(detail::SinCosKernel(0).cos, 1);
  for (double x : {1e5, -3e7}) EXPECT_EQ(detail::SinCosKernel(x).sin, std::sin(x)) << x;
  EXPECT_TRUE(std::isnan(detail::SinCosKernel(NAN).cos));
  EXPECT_TRUE(std::isnan(detail::SinCosKernel(std::numeric_limits<double>::infinity()).sin));
  static_assert(detail::SinCosKernel(0).cos == 1);
}

}  // namespace
}  // namespace orv
