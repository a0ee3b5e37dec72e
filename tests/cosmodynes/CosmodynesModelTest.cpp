// The cosmodynes model and driver: point filter, cusp distances, house
// sizes, house-position power, cusps per sign and the summary.

#include <gtest/gtest.h>

#include <numeric>

#include "CosmoTestCharts.h"
#include "cosmodynes/Cosmodynes.h"

namespace orv {
namespace {

using test::CuspsFromHouses;
using test::EqualHouseChart;
using test::HouseRecords;

TEST(CosmodynePoint, AdmitsPointsByAngleChoice) {
  struct Row {
    int choice;
    bool planets, asc, mc;
  };
  const Row rows[] = {
      {0, true, false, false}, {1, true, true, false}, {2, true, true, true},
      {3, true, false, true},  {7, true, true, true},  {-1, true, true, true},
  };
  for (const Row& r : rows) {
    const auto angles = static_cast<CosmoAngleChoice>(r.choice);
    SCOPED_TRACE(r.choice);
    for (int p = 1; p <= 10; ++p) EXPECT_EQ(IsCosmodynePoint(p, angles), r.planets) << p;
    EXPECT_EQ(IsCosmodynePoint(ChartPoint::Ascendant, angles), r.asc);
    EXPECT_EQ(IsCosmodynePoint(ChartPoint::MC, angles), r.mc);
    for (int p : {11, 12, 13}) EXPECT_FALSE(IsCosmodynePoint(p, angles)) << p;
  }
  // Chiron follows the rule column: below 14 refuses it, "Asc only" too.
  EXPECT_FALSE(IsCosmodynePoint(ChartPoint::Chiron, CosmoAngleChoice::None));
  EXPECT_TRUE(IsCosmodynePoint(ChartPoint::Chiron, CosmoAngleChoice::MCOnly));
}

TEST(CosmodynesSteps, HouseSizesAndCuspDistancesAcrossAries) {
  Cosmodynes c;
  // Cusp 3 at 350 and cusp 4 at 20; cusp 12 at 340 and the Ascendant at 10.
  const std::array<double, 13> byHouse = {0,   10,  330, 350, 20,  50, 80,
                                          110, 140, 170, 200, 230, 340};
  SetHouseCuspsByHouse(c, CuspsFromHouses(byHouse));
  for (int h = 1; h <= 12; ++h) EXPECT_EQ(c.HouseCuspsByHouse[size_t(h)], byHouse[size_t(h)]);
  CalcHouseSizes(c);
  EXPECT_EQ(c.HouseSize[3], 30);
  EXPECT_EQ(c.HouseSize[12], 30);
  EXPECT_EQ(c.HouseSize[1], 320);  // Ascendant at 10 to cusp 2 at 330

  ChartArrays chart;
  chart.Longitudes[ChartPoint::Sun] = 5;    // house 12, past 0 Aries
  chart.Longitudes[ChartPoint::Moon] = 10;  // on the Ascendant
  std::array<int, 17> houses{};
  houses.fill(1);
  houses[ChartPoint::Sun] = 12;
  chart.HousePositions = HouseRecords(houses);
  CalcCuspDistances(c, chart);
  EXPECT_EQ(c.CuspDistance[ChartPoint::Sun], 25);  // 5 - 340 + 360
  EXPECT_EQ(c.CuspDistance[ChartPoint::Moon], 0);
  EXPECT_EQ(c.CuspDistance[ChartPoint::Ascendant], 0);  // angles get none
}

TEST(CosmodynesSteps, HousePositionPowerFallsAcrossTheHouse) {
  // Equal houses: Ascendant at 0 Aries, house h begins at 30 (h - 1).
  // Single-precision table values (10.9f, 0.9f) differ from the decimals.
  constexpr double kSingleTableTolerance = 1e-6;
  struct Row {
    double lonDeg;
    int house;
    double power;
  };
  const Row rows[] = {
      {0, 1, 15},            // on the Ascendant: the full base
      {15, 1, 14},           // half-way through house 1: 15 - 2 x 0.5
      {225, 8, 10.45},       // 15 degrees into house 8: 10.9 - 0.9 x 15 / 30
      {285, 10, 14},         // 15 degrees into house 10
      {180 - 1e-7, 6, 6.5},  // the end of house 6, the least a planet can get
  };
  for (const Row& r : rows) {
    ChartArrays chart = EqualHouseChart();
    chart.Longitudes[ChartPoint::Venus] = r.lonDeg;
    std::array<int, 17> houses{};
    houses.fill(1);
    houses[ChartPoint::Venus] = r.house;
    chart.HousePositions = HouseRecords(houses);
    Cosmodynes c;
    SetHouseCuspsByHouse(c, chart.Cusps);
    CalcCuspDistances(c, chart);
    CalcHouseSizes(c);
    CalcHousePositionPower(c, chart.HousePositions);
    EXPECT_NEAR(c.HousePositionPower[ChartPoint::Venus], r.power, kSingleTableTolerance)
        << r.lonDeg;
  }
}

TEST(CosmodynesSteps, ZeroSizedHouseGivesTheBaseNotADivisionByZero) {
  ChartArrays chart = EqualHouseChart();
  std::array<double, 13> byHouse = {0, 0, 30, 30, 90, 120, 150, 180, 210, 240, 270, 300, 330};
  chart.Cusps = CuspsFromHouses(byHouse);  // house 2 has no width
  chart.Longitudes[ChartPoint::Mars] = 30;
  std::array<int, 17> houses{};
  houses.fill(1);
  houses[ChartPoint::Mars] = 2;
  chart.HousePositions = HouseRecords(houses);
  const Cosmodynes c = CalcCosmodynes(chart, CosmoAngleChoice::None, {});
  EXPECT_EQ(c.HousePositionPower[ChartPoint::Mars], double(8.5f));
}

TEST(CosmodynesSteps, CuspsPerSignCountsInterceptions) {
  Cosmodynes c;
  // Taurus and Scorpio intercepted; Gemini and Sagittarius hold two cusps.
  c.HouseCuspsByHouse = {0, 25, 65, 85, 100, 130, 165, 205, 245, 265, 280, 310, 345, 0};
  CountCuspsPerSign(c);
  const std::array<std::int16_t, 13> expected = {0, 1, 0, 2, 1, 1, 1, 1, 0, 2, 1, 1, 1};
  EXPECT_EQ(c.CuspsPerSign, expected);
  EXPECT_EQ(std::accumulate(c.CuspsPerSign.begin(), c.CuspsPerSign.end(), 0), 12);
}

TEST(CosmodynesDriver, AnglesAndUnscoredPointsInTheSummary) {
  // Rows 11 to 15 depend only on the angles' preset and the unscored points,
  // whatever aspects the planets make.
  ChartArrays chart = EqualHouseChart();
  for (int k = 1; k <= 16; ++k) chart.Longitudes[size_t(k)] = 7.0 * k;
  const Cosmodynes c = CalcCosmodynes(chart, CosmoAngleChoice::None, {true, true});
  for (int k : {14, 15}) {
    EXPECT_EQ(c.CosmoSummary[size_t(k)][1], 15) << k;
    EXPECT_EQ(c.CosmoSummary[size_t(k)][2], 0) << k;
  }
  for (int k : {11, 12, 13}) {
    EXPECT_EQ(c.Power[size_t(k)], 0) << k;
    EXPECT_EQ(c.Harmony[size_t(k)], 0) << k;
    EXPECT_EQ(c.Discord[size_t(k)], 0) << k;
    EXPECT_EQ(c.CosmoSummary[size_t(k)][1], 0) << k;
    EXPECT_EQ(c.CosmoSummary[size_t(k)][2], 0) << k;
  }
  for (int k = 1; k <= 10; ++k) EXPECT_GT(c.Power[size_t(k)], 0) << k;
}

}  // namespace
}  // namespace orv
