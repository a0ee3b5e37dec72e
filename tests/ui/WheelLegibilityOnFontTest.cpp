// The legibility counts of the painted single wheel with the glyph font's own
// measures (the recording surface's are a fixed share of an em): what the
// window and the printed page really show, for the fixed charts at every
// window size and on paper.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <cstdio>
#include <cstdlib>

#include "../wheels/DualWheelLegibility.h"
#include "../wheels/WheelLegibility.h"
#include "FontMeasuredCanvas.h"
#include "commands/DualWheelCommands.h"
#include "shell/Startup.h"

namespace orv {
namespace {

// A second person: 14 Jul 1976, 8:30 at Chicago.
const ChartInputFields kChicago{"7",  "14", "1976", "8", "30", "5", "87",
                                "39", "41", "51",   "",  false, false, false};

using test::FontMeasuredCanvas;

class WheelLegibilityOnFont : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = QFontDatabase::addApplicationFont(
        QString::fromStdString(GlyphFontPath(ORVANTA_DATA_DIR).string()));
    ASSERT_GE(font_, 0);
  }
  void TearDown() override { QFontDatabase::removeApplicationFont(font_); }

  static test::LegibilityCounts Count(const WheelPaintInputs& in, DeviceSize surface) {
    FontMeasuredCanvas canvas(surface.width, surface.height);
    return test::CountIllegible(in, canvas);
  }
  static test::LegibilityCounts CountOnPage(const WheelPaintInputs& in, DeviceSize page) {
    FontMeasuredCanvas canvas(page.width, page.height);
    return test::CountIllegibleOnPage(in, canvas);
  }

 private:
  int font_ = -1;
};

TEST_F(WheelLegibilityOnFont, FixedChartsReadCleanlyAtEveryWindowSizeAndOnPaper) {
  for (const std::string& failure : test::IllegibleFixedCharts(Count, CountOnPage))
    ADD_FAILURE() << failure;
}

// Seven labels in the 10th house of a 30-degree or a narrower sector: from
// the size the window opens at up, in both styles, every label at least as
// large as a glyph reads on a screen, those the house cannot hold lent to
// its neighbours with leader lines, and nothing else amiss.
TEST_F(WheelLegibilityOnFont, ACrowdedHouseReadsFromTheOpeningSizeUp) {
  const DeviceSize opening = WheelOpeningArea(96);
  const DeviceSize surfaces[] = {
      opening, {opening.width * 5 / 4, opening.height * 5 / 4}, {1400, 950}, {1600, 1000}};
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::NoonStellium);
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
  int inTenth = 0;
  for (int p = 1; p <= NumPoints; ++p)
    inTenth +=
        HouseNumberOfRecord(
            std::string_view(wb.Wheel->HousePositions).substr(std::size_t(p * 10 - 10), 10)) == 10;
  ASSERT_EQ(inTenth, 7);
  for (int style : {0, 1})
    for (const DeviceSize surface : surfaces) {
      const test::LegibilityCounts c = Count(test::PaintInputsOf(wb, style), surface);
      EXPECT_EQ(c.Total() + c.misordered + c.unreadable, 0)
          << "style " << style << " at " << surface.width << "x" << surface.height << ": "
          << c.Text();
    }
}

// Over random charts, on the window and on paper; run by hand with
// ORVANTA_LEGIBILITY_CHARTS=1000.
TEST_F(WheelLegibilityOnFont, RandomChartCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int charts = env ? std::atoi(env) : 0;
  if (charts == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomChartCounts(charts, Count, CountOnPage);
}

// The rings on the glyph font's own measures: the two-ring wheel of two
// charts and the one-chart rings of declinations and helio latitudes, in
// the default window's wheel at 96 and 120 dpi (a few pixels clear of its
// edges) and on Letter and A4 paper.
TEST_F(WheelLegibilityOnFont, RingsReadCleanlyInTheDefaultWindowAndOnPaper) {
  const struct {
    double width, height, dpi;
    bool printing;
  } surfaces[] = {
      {800, 578, 96, false}, {1000, 725, 120, false}, {768, 1008, 96, true}, {746, 1074, 96, true}};
  enum Ring { TwoCharts, Declinations, HelioLatitudes };
  const test::WheelChart charts[] = {test::WheelChart::Ordinary, test::WheelChart::Crowded,
                                     test::WheelChart::Stellium, test::WheelChart::Unequal};
  for (const test::WheelChart chart : charts)
    for (const Ring ring : {TwoCharts, Declinations, HelioLatitudes})
      for (const auto& s : surfaces) {
        Workbench wb;
        test::ComputeWheelChart(wb, chart, ring == TwoCharts ? &kChicago : nullptr);
        test::RecordingHost host;
        if (ring == TwoCharts) {
          wb.DualChoices.PointShown.fill(true);
          PrepareDualWheelCommand(wb, DualWheelKind::Display, {true, "John Roe"});
        } else {
          PrepareSingleWheel(wb,
                             ring == Declinations ? SingleWheelKind::Declinations
                                                  : SingleWheelKind::HelioLatitudes,
                             {}, host);
        }
        FontMeasuredCanvas canvas(s.width, s.height, s.dpi);
        const test::DualLegibilityCounts c =
            test::CountIllegibleTwoChart(test::PaintInputsOf(wb), canvas, s.printing);
        EXPECT_EQ(c.Total(), 0) << "chart " << int(chart) << ", ring " << int(ring) << " "
                                << s.width << "x" << s.height << " at " << s.dpi
                                << " dpi: " << c.counts.Text() << ", window " << c.outsideWindow;
      }
}

}  // namespace
}  // namespace orv
