// The painted single wheel read as a user reads it: for the fixed charts no
// label touches another, crosses a circle or a spoke, stands outside its
// house or goes missing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

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

// Nine and eleven labels packed into a 1st house too narrow for them, in both
// styles: at every window size, below the opening size and above it, each of
// their glyphs stays as large as reads in the window as it opens, grown or
// shrunk with the window as their neighbours are.
TEST(WheelLegibility, APackedHouseKeepsTheLeastReadableSizeAtEveryWindowSize) {
  const double leastPoints = test::kLeastReadableGlyphPx / test::kInkShareOfEm * 72 / 96;
  for (const int packed : {8, 10})
    for (const int style : {0, 1}) {
      Workbench wb;
      test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
      test::PackHouse(wb, packed, 4, 0.5, 1.9);
      test::RecordingHost host;
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
      // The Sun on, and the Ascendant at the house's cusp.
      std::vector<int> packedPoints{ChartPoint::Ascendant};
      for (int p = 1; p <= packed; ++p) packedPoints.push_back(p);
      for (const DeviceSize s : std::vector<DeviceSize>{
               LegibleWheelArea(96), WheelOpeningArea(96), {1100, 800}, {1600, 1000}}) {
        RecordingCanvas canvas(s.width, s.height, 96);
        test::CountIllegible(test::PaintInputsOf(wb, style), canvas);
        const double scale = WindowFontScale(canvas.DeviceUnitsPerUserX(), 96);
        std::vector<double> glyphs;
        for (const CanvasRecord& t : canvas.Texts())
          for (const int p : packedPoints)
            if (t.text == GlyphText(GlyphCode::PointBase + p)) glyphs.push_back(t.font.points);
        ASSERT_EQ(glyphs.size(), packedPoints.size()) << s.width << "x" << s.height;
        EXPECT_GE(*std::min_element(glyphs.begin(), glyphs.end()), leastPoints * scale - 1e-6)
            << packedPoints.size() << " labels, style " << style << " at " << s.width << "x"
            << s.height;
      }
    }
}

// Over random charts at every window size and on paper; run by hand with
// ORVANTA_LEGIBILITY_CHARTS=1000.
TEST(WheelLegibility, RandomChartCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int charts = env ? std::atoi(env) : 0;
  if (charts == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomChartCounts(charts, Count, CountOnPage);
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
