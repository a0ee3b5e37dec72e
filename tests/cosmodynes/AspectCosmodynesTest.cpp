// The aspect cosmodynes: orbs of a pair, the band tests, and the scoring
// rules on charts where one pair is isolated from every other point.

#include <gtest/gtest.h>

#include "CosmoTestCharts.h"
#include "cosmodynes/AspectCosmodynes.h"
#include "cosmodynes/SignDignities.h"

namespace orv {
namespace {

using namespace ChartPoint;

// Grid cells are single precision.
constexpr double kGridTolerance = 1e-5;

TEST(CosmoAspectOrbs, PairTakesTheLargerOrbOfEachPoint) {
  // Mercury and Mars in succedent houses: test orbs of the planets,
  // Mercury's weight orbs those of the lights.
  const CosmoPairOrbs merMars = PairOrbs(Mercury, 2, Mars, 5);
  EXPECT_EQ(merMars.test, (std::array<double, 6>{0, 2, 4, 6, 8, 10}));
  EXPECT_EQ(merMars.weight, (std::array<double, 6>{0, 3, 5, 7, 10, 13}));
  EXPECT_EQ(merMars.parallel, 13);
  // The Sun angular with Saturn cadent.
  const CosmoPairOrbs sunSat = PairOrbs(Sun, 10, Saturn, 3);
  EXPECT_EQ(sunSat.test, (std::array<double, 6>{0, 4, 6, 8, 12, 15}));
  EXPECT_EQ(sunSat.parallel, 15);
  // The angles count as in house 10 whatever their record says.
  const CosmoPairOrbs ascPluto = PairOrbs(Ascendant, 3, Pluto, 6);
  EXPECT_EQ(ascPluto.test, (std::array<double, 6>{0, 3, 5, 7, 10, 12}));
  EXPECT_EQ(ascPluto.parallel, 12);
}

TEST(CosmoAspectBands, FirstMatchingBandInTestingOrder) {
  CosmoPairOrbs orbs;
  orbs.test = {0, 2, 5, 7, 10, 12};
  CosmoPairOrbs wideTrine;
  wideTrine.test = {0, 2, 6, 7, 12, 12};
  struct Row {
    const CosmoPairOrbs* orbs;
    double sep;
    int code;
    double deviation;
  };
  const Row rows[] = {
      {&orbs, 0, 2, 0},          {&orbs, 12, 2, 12},   {&orbs, 12.5, 1, 0},
      {&orbs, 28, 8, -2},        {&orbs, 50, 9, 5},    {&orbs, 67, 3, 7},  // band edge inside
      {&orbs, 80, 4, -10},       {&orbs, 130, 5, 10},  // both hold 130: the trine
      {&wideTrine, 131, 10, -4},                       // trine's band would hold it too
      {&orbs, 152, 11, 2},       {&orbs, 168, 6, -12}, {&orbs, 167.9, 1, 0},
  };
  for (const Row& r : rows) {
    const CosmoAspect a = FindCosmoAspect(r.sep, *r.orbs);
    EXPECT_EQ(a.code, r.code) << r.sep;
    if (r.code != 1) {
      EXPECT_DOUBLE_EQ(a.deviation, r.deviation) << r.sep;
    }
  }
  // Mercury and Mars, succedent: a square at 97.5, none at 98.5.
  const CosmoPairOrbs merMars = PairOrbs(Mercury, 2, Mars, 5);
  EXPECT_EQ(FindCosmoAspect(97.5, merMars).code, 4);
  EXPECT_EQ(merMars.weight[4] - FindCosmoAspect(97.5, merMars).deviation, 2.5);
  EXPECT_EQ(FindCosmoAspect(98.5, merMars).code, 1);
}

// Every point in house 3 (cadent); Jupiter at 45 (Taurus), Saturn at 285
// (Capricorn), 120 apart; the other planets all at 65, clear of both by 20
// and 140 degrees. Declinations keep every pair but the cluster's
// apart by more than a degree.
ChartArrays JupiterTrineSaturn() {
  ChartArrays chart = test::EqualHouseChart();
  for (int k = 1; k <= 16; ++k) chart.Longitudes[size_t(k)] = 65;
  chart.Longitudes[Jupiter] = 45;
  chart.Longitudes[Saturn] = 285;
  chart.Declinations[Jupiter] = 20;
  chart.Declinations[Saturn] = -10;
  return chart;
}

TEST(CosmoAspectScoring, JupiterTrineSaturnUnderTheTwoOptions) {
  // Exact trine, cadent orbs: w = 6. Jupiter in Taurus scores +1, Saturn in
  // Capricorn +5: with dignities t = 6 x 6 / 10 = 3.6.
  struct Row {
    CosmodyneOptions options;
    double jupHarmony, jupDiscord, satHarmony, satDiscord, gridBelow;
  };
  const Row rows[] = {
      {{false, false}, 6, 0, 6, 0, 6},
      {{false, true}, 9, 3, 9, 3, 6},          // Jupiter rule +3, Saturn rule -3
      {{true, true}, 12.6, 0, 12.6, 0, 12.6},  // Saturn in Capricorn: its rule skipped
      {{true, false}, 9.6, 0, 9.6, 0, 9.6},
  };
  for (const Row& r : rows) {
    const ChartArrays chart = JupiterTrineSaturn();
    Cosmodynes c;
    CalcEssentialDignities(c, chart.Longitudes);
    ASSERT_EQ(c.DignityScore[Jupiter], 1);
    ASSERT_EQ(c.DignityScore[Saturn], 5);
    CalcAspectCosmodynes(c, chart, CosmoAngleChoice::None, r.options);
    SCOPED_TRACE(testing::Message() << r.options.ConsiderDignities << r.options.BeneficsMalefics);
    EXPECT_DOUBLE_EQ(c.AspectPower[Jupiter], 6);
    EXPECT_DOUBLE_EQ(c.AspectPower[Saturn], 6);
    EXPECT_DOUBLE_EQ(c.Harmony[Jupiter], r.jupHarmony);
    EXPECT_DOUBLE_EQ(c.Discord[Jupiter], r.jupDiscord);
    EXPECT_DOUBLE_EQ(c.Harmony[Saturn], r.satHarmony);
    EXPECT_DOUBLE_EQ(c.Discord[Saturn], r.satDiscord);
    EXPECT_NEAR(c.AspectGrid[Jupiter][Saturn], 6, kGridTolerance);
    EXPECT_NEAR(c.AspectGrid[Saturn][Jupiter], r.gridBelow, kGridTolerance);
    EXPECT_EQ(c.AspectPower[Ascendant], 15);
    EXPECT_EQ(c.AspectPower[MC], 15);
  }
}

TEST(CosmodynesDriver, ReceptionsAndDignitiesFollowTheAspects) {
  // The aspect step sets harmony afresh; the dignity harmony comes after it:
  // Saturn rules Capricorn (+2), Jupiter in Taurus (+1).
  const ChartArrays chart = JupiterTrineSaturn();
  const Cosmodynes c = CalcCosmodynes(chart, CosmoAngleChoice::None, {});
  EXPECT_DOUBLE_EQ(c.Harmony[Jupiter], 7);
  EXPECT_DOUBLE_EQ(c.Harmony[Saturn], 8);
  EXPECT_DOUBLE_EQ(c.CosmoSummary[Saturn][2], 8);
  EXPECT_DOUBLE_EQ(c.CosmoSummary[Saturn][1], c.HousePositionPower[Saturn] + 6);
  // Mercury and Uranus share Gemini, in both their domains: 5 each, and
  // Mercury rules Gemini (+2), Uranus is exalted there (+3).
  EXPECT_DOUBLE_EQ(c.Harmony[Mercury] - c.Harmony[Venus], 7);
  const Cosmodynes again = CalcCosmodynes(chart, CosmoAngleChoice::None, {});
  EXPECT_EQ(again.Harmony, c.Harmony);
  EXPECT_EQ(again.HousePower, c.HousePower);
}

TEST(CosmoAspectScoring, ConjunctionAndParallelOfTheLights) {
  struct Row {
    double sunLon, moonLon, sunDecl, moonDecl;
    double gridPower;  // AspectGrid(Sun, Moon)
  };
  const Row rows[] = {
      {100, 100, 0, 5, 15},               // angular conjunction: w = 15
      {100, 120, 20.3, -20.0, 0.7 * 15},  // no aspect; parallel d = 0.3
      {100, 120, 20, -21, 0},             // a whole degree: no parallel
  };
  for (const Row& r : rows) {
    ChartArrays chart = test::EqualHouseChart();
    std::array<int, 17> houses{};
    houses.fill(3);
    houses[Sun] = houses[Moon] = 10;
    chart.HousePositions = test::HouseRecords(houses);
    chart.Longitudes[Sun] = r.sunLon;
    chart.Longitudes[Moon] = r.moonLon;
    chart.Declinations[Sun] = r.sunDecl;
    chart.Declinations[Moon] = r.moonDecl;
    Cosmodynes c;
    CalcAspectCosmodynes(c, chart, CosmoAngleChoice::None, {});
    EXPECT_NEAR(c.AspectGrid[Sun][Moon], r.gridPower, kGridTolerance) << r.moonLon;
    EXPECT_EQ(c.AspectGrid[Moon][Sun], 0) << r.moonLon;  // no tone, options off
  }
}

TEST(CosmoAspectScoring, AnglesTakePartByChoice) {
  ChartArrays chart = JupiterTrineSaturn();
  chart.Longitudes[Ascendant] = 65;  // conjunct the cluster
  chart.Longitudes[MC] = 65;
  struct Row {
    CosmoAngleChoice angles;
    bool ascScored, mcScored;
  };
  const Row rows[] = {{CosmoAngleChoice::None, false, false},
                      {CosmoAngleChoice::AscendantOnly, true, false},
                      {CosmoAngleChoice::Both, true, true},
                      {CosmoAngleChoice::MCOnly, false, true}};
  for (const Row& r : rows) {
    Cosmodynes c;
    CalcAspectCosmodynes(c, chart, r.angles, {});
    EXPECT_EQ(c.AspectPower[Ascendant] > 15, r.ascScored) << int(r.angles);
    EXPECT_EQ(c.AspectPower[MC] > 15, r.mcScored) << int(r.angles);
    EXPECT_EQ(c.AspectGrid[Sun][Ascendant] != 0, r.ascScored) << int(r.angles);
    EXPECT_EQ(c.AspectGrid[Sun][MC] != 0, r.mcScored) << int(r.angles);
  }
}

}  // namespace
}  // namespace orv
