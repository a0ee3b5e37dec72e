// The comparative scoring on two hand-made charts: every point of chart 1 at
// 0 degrees, every point of chart 2 at 20 (no aspect between the clusters),
// declinations 30 degrees apart (no parallel), every point in a cadent
// house; each case moves one point of each chart and reads their cell.

#include <gtest/gtest.h>

#include <algorithm>

#include "../cosmodynes/CosmoTestCharts.h"
#include "../listings/FixedCharts.h"
#include "relationship/comparative/ComparativeScoring.h"

namespace orv {
namespace {

using namespace ChartPoint;

constexpr double kTolerance = 1e-5;  // grid cells are single precision

ChartArrays Cluster(double lonDeg, double decDeg) {
  ChartArrays c = test::EqualHouseChart();
  c.Longitudes.fill(lonDeg);
  c.Declinations.fill(decDeg);
  return c;
}

// A point at `lon` and `dec`, its house record naming house `house` (1..9).
struct Spot {
  int point;
  double lon;
  int house;
  double dec;
  void PlaceIn(ChartArrays& c) const {
    c.Longitudes[size_t(point)] = lon;
    c.Declinations[size_t(point)] = dec;
    c.HousePositions[size_t(10 * (point - 1) + 1)] = char('0' + house);
  }
};

TEST(ComparativeScoring, PairCellsByAspectKindAndRule) {
  struct Case {
    const char* what;
    Spot a, b;
    bool benefics, noon1;
    float mode238;
    double power, harmony;
  };
  const Case cases[] = {
      {"Sun/Moon conj, 15 - 10", {Sun, 10, 1, 0}, {Moon, 20, 4, 30}, 0, 0, 0, 5, 5},
      {"trine at 130", {Mercury, 0, 1, 0}, {Mars, 130, 1, 30}, 0, 0, 0, 2, 2},
      {"130.5, band 5: sesquisq.", {Mercury, 0, 1, 0}, {Mars, 130.5, 1, 30}, 0, 0, 0, 1.5, -1.5},
      {"130.5, band 4: nothing", {Mercury, 0, 2, 0}, {Mars, 130.5, 2, 30}, 0, 0, 0, 0, 0},
      {"Mer/Mars square 99", {Mercury, 0, 1, 0}, {Mars, 99, 1, 30}, 0, 0, 0, 3, -3},
      {"quincunx: power only", {Venus, 0, 1, 0}, {Jupiter, 150, 1, 30}, 0, 0, 0, 3, 0},
      {"Mars opp Sat, 238 = 0", {Mars, 0, 1, 0}, {Saturn, 180, 1, 30}, 0, 0, 0, 12, 0},
      {"Mars opp Sat, 238 = 1", {Mars, 0, 1, 0}, {Saturn, 180, 1, 30}, 0, 0, 1, 12, -12},
      {"Mars opp Sat, 238 = 2", {Mars, 0, 1, 0}, {Saturn, 180, 1, 30}, 0, 0, 2, 12, -12},
      {"Sat opp Sat, 238 = 2", {Saturn, 0, 1, 0}, {Saturn, 180, 1, 30}, 0, 0, 2, 12, 0},
      {"Sun opp Moon, 238 = 2", {Sun, 0, 1, 0}, {Moon, 180, 1, 30}, 0, 0, 2, 15, 7.5},
      {"Uranus/Pluto skipped", {Uranus, 0, 1, 0}, {Pluto, 0, 1, 0}, 0, 0, 0, 0, 0},
      {"parallel 10.3 / -9.8", {Venus, 0, 3, 10.3}, {Mars, 20, 3, -9.8}, 0, 0, 0, 4, 0},
      {"no parallel at D = 1", {Venus, 0, 3, 10}, {Mars, 20, 3, 9}, 0, 0, 0, 0, 0},
      {"Jup trine Sat, benefics", {Jupiter, 0, 1, 0}, {Saturn, 120, 1, 30}, 1, 0, 0, 10, 10},
      {"Ven conj Plu, benefics", {Venus, 0, 1, 0}, {Pluto, 0, 1, 30}, 1, 0, 0, 12, 0},
      {"the same, 238 = 1", {Venus, 0, 1, 0}, {Pluto, 0, 1, 30}, 1, 0, 1, 12, 3},
      {"Jup conj + par. Jup", {Jupiter, 0, 1, 0}, {Jupiter, 0, 1, 0}, 1, 0, 0, 24, 0},
      {"noon: chart 1's Asc out", {Ascendant, 0, 1, 0}, {Sun, 0, 3, 30}, 0, 1, 0, 0, 0},
      {"noon: chart 2's Asc in", {Sun, 0, 3, 0}, {Ascendant, 0, 1, 30}, 0, 1, 0, 12, 0},
  };
  for (const Case& c : cases) {
    ChartArrays one = Cluster(0, 0), two = Cluster(20, 30);
    c.a.PlaceIn(one);
    c.b.PlaceIn(two);
    const ComparativeSettings settings{CosmoAngleChoice::Both, c.benefics, false, c.mode238};
    const ComparativeScores s = ScoreComparativeCosmodynes({one, c.noon1}, {two}, settings);
    const size_t a = size_t(c.a.point), b = size_t(c.b.point);
    EXPECT_NEAR(s.CrossPowerGrid[a][b], c.power, kTolerance) << c.what;
    EXPECT_NEAR(s.CrossHarmonyGrid[a][b], c.harmony, kTolerance) << c.what;
    const auto pair = std::find_if(s.Pairs.begin(), s.Pairs.end(),
                                   [&](const ScoredPair& p) { return p.a == int(a) && p.b == int(b); });
    EXPECT_EQ(pair != s.Pairs.end(), c.power > 0) << c.what;
  }
}

TEST(ComparativeScoring, PointTotalsAreTheSumsOfTheirCells) {
  const ChartModel m = test::FixedCharts();
  for (const CosmoAngleChoice angles : {CosmoAngleChoice::None, CosmoAngleChoice::Both}) {
    const ComparativeSettings settings{angles, true, false, 2, false};
    const ComparativeScores s = ScoreComparativeCosmodynes({m.Natal}, {m.Diurnal}, settings);
    for (size_t k = 1; k <= CosmoPointCount; ++k) {
      double row = 0, column = 0, harmony = 0;
      for (size_t o = 1; o <= CosmoPointCount; ++o) {
        row += s.CrossPowerGrid[k][o];
        column += s.CrossPowerGrid[o][k];
        harmony += s.CrossHarmonyGrid[o][k];
      }
      EXPECT_NEAR(s.AspectPower[k], row, 1e-3) << k;
      EXPECT_NEAR(s.SecondChartPower[k], column, 1e-3) << k;
      EXPECT_NEAR(s.SecondChartHarmony[k] - s.SecondChartDiscord[k], harmony, 1e-3) << k;
      EXPECT_TRUE(IsComparativePoint(int(k), angles) || row + column == 0) << k;
    }
  }
}

TEST(ComparativeScoring, CrossReceptions) {
  struct Case {
    const char* what;
    int p;
    double lonP;
    int q;
    double lonQ;
    bool reception;
  };
  const Case cases[] = {
      {"Sun in Cancer, Moon in Leo", Sun, 105, Moon, 135, true},
      {"Sun in Taurus, Moon in Aries (exaltations)", Sun, 45, Moon, 15, true},
      {"Moon in Leo, Sun in Cancer", Moon, 135, Sun, 105, true},
      {"Venus in Taurus with itself", Venus, 45, Venus, 45, false},
      {"Sun in Leo, Moon in Cancer: own signs", Sun, 135, Moon, 105, false},
  };
  for (const Case& c : cases) {
    PointArray<double> one{}, two{};
    one[size_t(c.p)] = c.lonP;
    two[size_t(c.q)] = c.lonQ;
    EXPECT_EQ(IsCrossReception(c.p, c.q, one, two), c.reception) << c.what;
  }
  // A contrived pair with 24 receptions (found by a search over sign
  // placements): more than a store of 21 would hold.
  constexpr std::array<int, 11> signs1 = {0, 8, 12, 11, 5, 11, 12, 12, 11, 1, 7};
  constexpr std::array<int, 11> signs2 = {0, 8, 12, 11, 5, 11, 12, 12, 11, 1, 3};
  PointArray<double> one{}, two{};
  for (size_t p = Sun; p <= Moon; ++p) {
    one[p] = 30.0 * (signs1[p] - 1) + 15;
    two[p] = 30.0 * (signs2[p] - 1) + 15;
  }
  EXPECT_EQ(FindInterchartReceptions(one, two).size(), 24u);
}

}  // namespace
}  // namespace orv
