// The painted single wheel read as a user reads it: for the fixed charts no
// label touches another, crosses a circle or a spoke, stands outside its
// house or goes missing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>

#include "DualWheelLegibility.h"
#include "WheelDump.h"
#include "WheelLegibility.h"
#include "WheelTestCharts.h"
#include "commands/WheelCommands.h"

namespace orv {
namespace {

test::LegibilityCounts Count(const WheelPaintInputs& in, DeviceSize surface) {
  return test::CountIllegible(in, surface);
}
test::LegibilityCounts CountOnPage(const WheelPaintInputs& in, DeviceSize page) {
  RecordingCanvas canvas(page.width, page.height, 96);
  return test::CountIllegibleOnPage(in, canvas);
}

TEST(WheelLegibility, FixedChartsReadCleanlyInBothStylesAtEveryWindowSizeAndOnPaper) {
  for (const std::string& failure : test::IllegibleFixedCharts(Count, CountOnPage))
    ADD_FAILURE() << failure;
}

// A packed house's glyphs keep the size that reads at every window size.
TEST(WheelLegibility, APackedHouseKeepsTheLeastReadableSizeAtEveryWindowSize) {
  for (const std::string& failure : test::SmallPackedLabels([](DeviceSize s) {
         return std::make_unique<RecordingCanvas>(s.width, s.height, 96);
       }))
    ADD_FAILURE() << failure;
}

// Over random charts at every window size and on paper; run by hand with
// ORVANTA_LEGIBILITY_CHARTS=1000.
TEST(WheelLegibility, RandomChartCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int charts = env ? std::atoi(env) : 0;
  if (charts == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomChartCounts(charts, Count, CountOnPage);
}

// The combined and two-ring wheels of random pairs on the same surfaces.
TEST(WheelLegibility, RandomPairCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int pairs = env ? std::atoi(env) : 0;
  if (pairs == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomPairCounts(pairs, test::PairSurfaces(),
                              [](const WheelPaintInputs& in, const test::PairSurface& s) {
                                return test::CountIllegibleTwoChart(in, s.width, s.height, s.dpi,
                                                                    s.printing);
                              });
}

// One dump per single wheel command for two fixed charts, the natal wheels
// in both styles: any change to what the user sees (a digit order, a
// spacing, a band edge) shows here. ORVANTA_UPDATE_GOLDEN=1 rewrites them.
TEST(WheelLegibility, EveryWheelCommandDrawsItsPinnedCalls) {
  const std::pair<const char*, test::WheelChart> charts[] = {
      {"ordinary", test::WheelChart::Ordinary}, {"crowded", test::WheelChart::Crowded}};
  const std::pair<const char*, SingleWheelKind> kinds[] = {
      {"natal", SingleWheelKind::Natal},       {"declinations", SingleWheelKind::Declinations},
      {"helio", SingleWheelKind::Helio},       {"helio_latitudes", SingleWheelKind::HelioLatitudes},
      {"transits", SingleWheelKind::Transits}, {"composite", SingleWheelKind::Composite}};
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
