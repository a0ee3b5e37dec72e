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

void Place(ChartArrays& c, int point, double lon, int house, double dec) {
  c.Longitudes[size_t(point)] = lon;
  c.Declinations[size_t(point)] = dec;
  std::array<int, 17> houses{};
  for (int k = 1; k <= 16; ++k) houses[size_t(k)] = std::stoi(c.HousePositions.substr(size_t(10 * (k - 1)), 2));
  houses[size_t(point)] = house;
  c.HousePositions = test::HouseRecords(houses);
}

TEST(ComparativeScoring, PairCellsByAspectKindAndRule) {
  struct Case {
    const char* what;
    int a;
    double lonA;
    int houseA;
    double decA;
    int b;
    double lonB;
    int houseB;
    double decB;
    bool benefics;
    float mode238;
    bool noon1;
    double power;
    double harmony;
  };
  const Case cases[] = {
      {"Sun/Moon conjunct, s = 15 - 10", Sun, 10, 1, 0, Moon, 20, 4, 30, false, 0, false, 5, 5},
      {"trine at exactly 130", Mercury, 0, 1, 0, Mars, 130, 1, 30, false, 0, false, 2, 2},
      {"130.5: sesquisquare, band 5", Mercury, 0, 1, 0, Mars, 130.5, 1, 30, false, 0, false, 1.5,
       -1.5},
      {"130.5: nothing, band 4", Mercury, 0, 2, 0, Mars, 130.5, 2, 30, false, 0, false, 0, 0},
      {"Mercury/Mars square 99: s = 12 - 9", Mercury, 0, 1, 0, Mars, 99, 1, 30, false, 0, false,
       3, -3},
      {"quincunx: power only", Venus, 0, 1, 0, Jupiter, 150, 1, 30, false, 0, false, 3, 0},
      {"Mars opp Saturn, 238 = 0", Mars, 0, 1, 0, Saturn, 180, 1, 30, false, 0, false, 12, 0},
      {"Mars opp Saturn, 238 = 1", Mars, 0, 1, 0, Saturn, 180, 1, 30, false, 1, false, 12, -12},
      {"Mars opp Saturn, 238 = 2, once", Mars, 0, 1, 0, Saturn, 180, 1, 30, false, 2, false, 12,
       -12},
      {"Saturn opp Saturn, 238 = 2", Saturn, 0, 1, 0, Saturn, 180, 1, 30, false, 2, false, 12, 0},
      {"Sun opp Moon, 238 = 2: half", Sun, 0, 1, 0, Moon, 180, 1, 30, false, 2, false, 15, 7.5},
      {"Uranus/Pluto skipped", Uranus, 0, 1, 0, Pluto, 0, 1, 0, false, 0, false, 0, 0},
      {"parallel +10.3 / -9.8", Venus, 0, 3, 10.3, Mars, 20, 3, -9.8, false, 0, false, 4, 0},
      {"no parallel at D = 1", Venus, 0, 3, 10, Mars, 20, 3, 9, false, 0, false, 0, 0},
      {"Jupiter trine Saturn, benefics", Jupiter, 0, 1, 0, Saturn, 120, 1, 30, true, 0, false,
       10, 10},
      {"Venus conj Pluto, benefics, 238 = 0", Venus, 0, 1, 0, Pluto, 0, 1, 30, true, 0, false,
       12, 0},
      {"Venus conj Pluto, benefics, 238 = 1", Venus, 0, 1, 0, Pluto, 0, 1, 30, true, 1, false,
       12, 3},
      {"Jupiter conj Jupiter + parallel", Jupiter, 0, 1, 0, Jupiter, 0, 1, 0, true, 0, false,
       24, 0},
      {"noon chart 1: its Asc takes no part", Ascendant, 0, 10, 0, Sun, 0, 3, 30, false, 0, true,
       0, 0},
      {"noon chart 1: chart 2's Asc does", Sun, 0, 3, 0, Ascendant, 0, 10, 30, false, 0, true, 12,
       0},
  };
  for (const Case& c : cases) {
    ChartArrays one = Cluster(0, 0), two = Cluster(20, 30);
    Place(one, c.a, c.lonA, c.houseA, c.decA);
    Place(two, c.b, c.lonB, c.houseB, c.decB);
    ComparativeSettings settings;
    settings.Angles = CosmoAngleChoice::Both;
    settings.BeneficsMalefics = c.benefics;
    settings.OppositionMode = c.mode238;
    const ComparativeScores s =
        ScoreComparativeCosmodynes({one, c.noon1}, {two, false}, settings);
    EXPECT_NEAR(s.CrossPowerGrid[size_t(c.a)][size_t(c.b)], c.power, kTolerance) << c.what;
    EXPECT_NEAR(s.CrossHarmonyGrid[size_t(c.a)][size_t(c.b)], c.harmony, kTolerance) << c.what;
    const auto pair = std::ranges::find_if(
        s.Pairs, [&](const ScoredPair& p) { return p.a == c.a && p.b == c.b; });
    EXPECT_EQ(pair != s.Pairs.end(), c.power > 0) << c.what;
    if (pair != s.Pairs.end()) {
      EXPECT_NEAR(pair->harmony, c.harmony, kTolerance) << c.what;
    }
  }
}

TEST(ComparativeScoring, PointTotalsAreTheSumsOfTheirCells) {
  const ChartModel m = test::FixedCharts();
  for (const CosmoAngleChoice angles : {CosmoAngleChoice::None, CosmoAngleChoice::AscendantOnly,
                                        CosmoAngleChoice::Both, CosmoAngleChoice::MCOnly}) {
    ComparativeSettings settings{angles, true, false, 2, false};
    const ComparativeScores s = ScoreComparativeCosmodynes({m.Natal}, {m.Diurnal}, settings);
    for (int k = 1; k <= CosmoPointCount; ++k) {
      double row = 0, column = 0, rowHarmony = 0, columnHarmony = 0;
      for (int o = 1; o <= CosmoPointCount; ++o) {
        row += s.CrossPowerGrid[size_t(k)][size_t(o)];
        column += s.CrossPowerGrid[size_t(o)][size_t(k)];
        rowHarmony += s.CrossHarmonyGrid[size_t(k)][size_t(o)];
        columnHarmony += s.CrossHarmonyGrid[size_t(o)][size_t(k)];
      }
      EXPECT_NEAR(s.AspectPower[size_t(k)], row, 1e-3) << k;
      EXPECT_NEAR(s.SecondChartPower[size_t(k)], column, 1e-3) << k;
      EXPECT_NEAR(s.Harmony[size_t(k)] - s.Discord[size_t(k)], rowHarmony, 1e-3) << k;
      EXPECT_NEAR(s.SecondChartHarmony[size_t(k)] - s.SecondChartDiscord[size_t(k)],
                  columnHarmony, 1e-3)
          << k;
      if (!IsComparativePoint(k, angles)) {
        EXPECT_EQ(row + column, 0) << k;
      }
    }
  }
}

TEST(ComparativeScoring, CrossReceptions) {
  // Signs by longitude: Aries 15, Taurus 45, Cancer 105, Leo 135.
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
    ChartArrays one = Cluster(165, 0), two = Cluster(165, 0);  // Virgo: only Mercury receives there
    one.Longitudes[size_t(c.p)] = c.lonP;
    two.Longitudes[size_t(c.q)] = c.lonQ;
    EXPECT_EQ(IsCrossReception(c.p, c.q, one.Longitudes, two.Longitudes), c.reception) << c.what;
    ComparativeSettings settings;
    settings.IncludeMR = true;
    const auto without = ScoreComparativeCosmodynes({one}, {two}, {});
    const auto with = ScoreComparativeCosmodynes({one}, {two}, settings);
    const double added = c.reception ? 5 : 0;
    EXPECT_NEAR(with.Harmony[size_t(c.p)] - without.Harmony[size_t(c.p)], added, kTolerance);
    EXPECT_NEAR(with.SecondChartHarmony[size_t(c.q)] - without.SecondChartHarmony[size_t(c.q)],
                added, kTolerance);
    EXPECT_NEAR(with.CrossHarmonyGrid[size_t(c.p)][size_t(c.q)] -
                    without.CrossHarmonyGrid[size_t(c.p)][size_t(c.q)],
                added, kTolerance);
    EXPECT_EQ(with.AspectPower, without.AspectPower);
  }
  // A contrived pair with 24 receptions (found by a search over sign
  // placements): more than a store of 21 would hold.
  constexpr std::array<int, 11> signs1 = {0, 8, 12, 11, 5, 11, 12, 12, 11, 1, 7};
  constexpr std::array<int, 11> signs2 = {0, 8, 12, 11, 5, 11, 12, 12, 11, 1, 3};
  ChartArrays one = Cluster(0, 0), two = Cluster(0, 0);
  for (int p = Sun; p <= Moon; ++p) {
    one.Longitudes[size_t(p)] = 30.0 * (signs1[size_t(p)] - 1) + 15;
    two.Longitudes[size_t(p)] = 30.0 * (signs2[size_t(p)] - 1) + 15;
  }
  EXPECT_EQ(FindInterchartReceptions(one.Longitudes, two.Longitudes).size(), 24u);
}

}  // namespace
}  // namespace orv
