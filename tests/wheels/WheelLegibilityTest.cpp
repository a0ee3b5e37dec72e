// The painted single wheel read as a user reads it: for the fixed charts no
// label touches another, crosses a circle or a spoke, stands outside its
// house or goes missing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "WheelDump.h"
#include "WheelLegibility.h"
#include "WheelTestCharts.h"
#include "commands/WheelCommands.h"

namespace orv {
namespace {

// `count` points from the Sun on packed `step` degrees apart into the house
// beginning at cusp entry `cusp`, `from` degrees past that cusp.
void Pack(Workbench& wb, int count, int cusp, double from, double step) {
  ChartArrays& n = wb.Charts.Natal;
  for (int p = 1; p <= count; ++p)
    if (p != ChartPoint::Ascendant && p != ChartPoint::MC)
      n.Longitudes[std::size_t(p)] = Mod360(n.Cusps[std::size_t(cusp)] + from + step * p);
  n.HousePositions = PlacePlanetsInHouses(n.HousePositions, n.Longitudes, n.Cusps, HouseLabels);
}

std::string Counts(const test::LegibilityCounts& c) {
  return "overlaps " + std::to_string(c.overlaps) + ", circles " +
         std::to_string(c.circleCrossings) + ", spokes " + std::to_string(c.spokeCrossings) +
         ", outside " + std::to_string(c.outsideHouse) + ", missing " + std::to_string(c.notDrawn);
}

TEST(WheelLegibility, FixedChartsReadCleanlyInBothStyles) {
  using test::WheelChart;
  // Packed: that many points from the Sun on crowded into the 1st house,
  // more than its seven slots (the Ascendant is there too); the European
  // 1st house, 22.7 degrees here, holds fewer at the smallest label size.
  const std::tuple<const char*, WheelChart, int, std::vector<int>> charts[] = {
      {"ordinary", WheelChart::Ordinary, 0, {0, 1}},
      {"crowded 1st house", WheelChart::Crowded, 0, {0, 1}},
      {"polar", WheelChart::Polar, 0, {0, 1}},
      {"66 North", WheelChart::Unequal, 0, {0, 1}},
      {"before Chiron", WheelChart::BeforeChiron, 0, {0, 1}},
      {"stellium", WheelChart::Ordinary, 8, {0}},
      {"stellium", WheelChart::Ordinary, 6, {1}},
  };
  for (const auto& [what, chart, packed, styles] : charts)
    for (int style : styles) {
      Workbench wb;
      test::ComputeWheelChart(wb, chart);
      if (packed > 0) Pack(wb, packed, 4, 0.5, 1.9);
      test::RecordingHost host;
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
      const test::LegibilityCounts c = test::CountIllegible(test::PaintInputsOf(wb, style));
      EXPECT_EQ(c.Total(), 0) << what << " style " << style << ": " << Counts(c);
    }
}

// Over random charts; run by hand with ORVANTA_LEGIBILITY_CHARTS=1000.
TEST(WheelLegibility, RandomChartCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int charts = env ? std::atoi(env) : 0;
  if (charts == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  std::mt19937 random(1962);
  std::uniform_real_distribution<double> degree(0, 360);
  for (int style : {0, 1}) {
    test::LegibilityCounts sum;
    int clean = 0;
    for (int k = 0; k < charts; ++k) {
      Workbench wb;
      test::ComputeWheelChart(wb, k % 2 ? test::WheelChart::Unequal : test::WheelChart::Ordinary);
      ChartArrays& n = wb.Charts.Natal;
      const double turn = degree(random);
      for (std::size_t c = 1; c <= 12; ++c) n.Cusps[c] = Mod360(n.Cusps[c] + turn);
      for (int p = 1; p <= NumPoints; ++p)
        if (p != ChartPoint::Ascendant && p != ChartPoint::MC)
          n.Longitudes[std::size_t(p)] = degree(random);
      n.Longitudes[std::size_t(ChartPoint::Ascendant)] = n.Cusps[4];
      n.Longitudes[std::size_t(ChartPoint::MC)] = n.Cusps[1];
      n.HousePositions = PlacePlanetsInHouses("", n.Longitudes, n.Cusps, HouseLabels);
      test::RecordingHost host;
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
      const test::LegibilityCounts c = test::CountIllegible(test::PaintInputsOf(wb, style));
      sum.overlaps += c.overlaps;
      sum.circleCrossings += c.circleCrossings;
      sum.spokeCrossings += c.spokeCrossings;
      sum.outsideHouse += c.outsideHouse;
      sum.notDrawn += c.notDrawn;
      clean += c.Total() == 0;
    }
    std::printf("style %d: %d of %d clean; %s\n", style, clean, charts, Counts(sum).c_str());
  }
}

// One dump per single wheel command for two fixed charts, the natal wheels
// in both styles: any change to what the user sees (a digit order, a
// spacing, a band edge) shows here. ORVANTA_UPDATE_GOLDEN=1 rewrites them.
TEST(WheelLegibility, EveryWheelCommandDrawsItsPinnedCalls) {
  const std::pair<const char*, test::WheelChart> charts[] = {
      {"ordinary", test::WheelChart::Ordinary}, {"crowded", test::WheelChart::Crowded}};
  const std::pair<const char*, SingleWheelKind> kinds[] = {
      {"natal", SingleWheelKind::Natal},          {"declinations", SingleWheelKind::Declinations},
      {"helio", SingleWheelKind::Helio},          {"helio_latitudes", SingleWheelKind::HelioLatitudes},
      {"transits", SingleWheelKind::Transits},    {"composite", SingleWheelKind::Composite}};
  for (const auto& [chartName, chart] : charts)
    for (const auto& [kindName, kind] : kinds)
      for (int style : {0, 1}) {
        if (style == 1 && kind != SingleWheelKind::Natal) continue;
        Workbench wb;
        test::ComputeWheelChart(wb, chart);
        test::RecordingHost host;
        PrepareSingleWheel(wb, kind, {}, host);
        ASSERT_TRUE(wb.Wheel) << kindName;
        RecordingCanvas canvas(800, 600, 96);
        PaintWheelWindow(canvas, test::PaintInputsOf(wb, style), 320);
        const std::string name = std::string("wheel_") + chartName + "_" + kindName +
                                 (style == 1 ? "_european" : "") + ".txt";
        const std::string dump = test::DrawCallDump(canvas);
        EXPECT_EQ(dump, test::PinnedDump(name, dump)) << name;
      }
}

}  // namespace
}  // namespace orv
