// The two-ring wheel's aspect lines between the charts (and inside each with
// option 44), under the aspect filters and the point toggles; and what the
// aspect list of a two-chart wheel is made from.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RecordingCanvas.h"
#include "RecordingHost.h"
#include "WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "wheels/WheelPaint.h"
#include "wheels/DualWheelInputs.h"
#include "wheels/WheelLayout.h"

namespace orv {
namespace {

// Chart 1: the Sun at 0, Mercury at 90, the Moon at 120. Chart 2: the Sun at
// 0.5, Venus at 60, Mars at 180, the Moon at 150, Chiron at 240. Every
// other point is switched off.
DualWheelInputs TwoCharts() {
  DualWheelInputs in;
  in.cusps = EqualFrameCusps();
  const std::pair<int, double> values[] = {{1, 0},   {2, 90},   {10, 120}, {17, 0.5},
                                           {19, 60}, {20, 180}, {26, 150}, {32, 240}};
  for (const auto& [k, v] : values) in.values[std::size_t(k)] = v;
  PointArray<double> one{}, two{};
  for (std::size_t p = 1; p <= NumPoints; ++p) {
    one[p] = in.values[p];
    two[p] = in.values[p + NumPoints];
  }
  in.housePositions = PlacePlanetsInHouses(std::string(160, ' '), one, in.cusps, HouseLabels) +
                      PlacePlanetsInHouses(std::string(160, ' '), two, in.cusps, HouseLabels);
  in.enabledNatal = "1100000001000000";
  in.enabledTransit = "1011000001000001";
  in.pointShown.fill(true);
  return in;
}

OrbTable Orbs() {
  OrbTable orbs{};
  for (std::size_t k = 1; k < orbs.size(); ++k) orbs[k] = 3;
  return orbs;
}

// A line as (code, entry of one end, entry of the other), entries of chart
// 2 counted from 17.
using Line = std::tuple<int, int, int>;
std::set<Line> LinesOf(const DualWheelInputs& in, AspectLineTests tests, bool allPairs) {
  std::set<Line> lines;
  for (const AspectLine& l : TwoRingAspectLines(in, PlaceDualWheel(in), Orbs(), tests, allPairs)) {
    // A cross pair runs from chart 2 to chart 1; a same-chart pair is told
    // by its flag, chart 2's taken as such when neither end is in chart 1's
    // enabled set.
    int a = l.pointA, b = l.pointB;
    if (!l.sameChart)
      a += NumPoints;
    else if (in.enabledNatal[std::size_t(a - 1)] == '0' ||
             in.enabledNatal[std::size_t(b - 1)] == '0')
      a += NumPoints, b += NumPoints;
    lines.insert({l.code, a, b});
  }
  return lines;
}

TEST(DualAspectLines, FiltersTogglesAndPairs) {
  const DualWheelInputs all = TwoCharts();
  DualWheelInputs noMoon = all, helio = all;
  noMoon.pointShown[0] = false;
  helio.helio = true;
  AspectLineTests tests;
  const auto filtered = [&](int filter, bool sextiles = true) {
    AspectLineTests t = tests;
    t.filter = filter;
    t.sextiles = sextiles;
    return t;
  };
  const struct {
    const char* name;
    const DualWheelInputs& in;
    AspectLineTests tests;
    std::set<Line> lines;
  } cases[] = {
      {"all",
       all,
       tests,
       {{2, 17, 1},
        {4, 17, 2},
        {5, 17, 10},
        {3, 19, 1},
        {3, 19, 10},
        {6, 20, 1},
        {4, 20, 2},
        {3, 20, 10},
        {11, 26, 1},
        {3, 26, 2},
        {5, 32, 1},
        {11, 32, 2},
        {5, 32, 10}}},
      {"150 deg", all, filtered(1), {{11, 26, 1}, {11, 32, 2}}},
      {"60 and 120 without sextiles",
       all,
       filtered(2, false),
       {{5, 17, 10}, {5, 32, 1}, {5, 32, 10}}},
      {"90 and 180", all, filtered(3), {{4, 17, 2}, {6, 20, 1}, {4, 20, 2}}},
      {"no Moons",
       noMoon,
       tests,
       {{2, 17, 1}, {4, 17, 2}, {3, 19, 1}, {6, 20, 1}, {4, 20, 2}, {5, 32, 1}, {11, 32, 2}}},
      {"helio: Chiron yes, Moons no",
       helio,
       tests,
       {{2, 17, 1}, {4, 17, 2}, {3, 19, 1}, {6, 20, 1}, {4, 20, 2}, {5, 32, 1}, {11, 32, 2}}},
  };
  for (const auto& c : cases) EXPECT_EQ(LinesOf(c.in, c.tests, false), c.lines) << c.name;

  // Option 44: the pairs inside each chart join, flagged for their lighter
  // colours.
  const auto both = LinesOf(all, filtered(3), true);
  const std::set<Line> within{{4, 1, 2}, {6, 17, 20}, {4, 19, 26}, {6, 19, 32}, {4, 26, 32}};
  for (const Line& l : within)
    EXPECT_TRUE(both.count(l)) << std::get<1>(l) << "-" << std::get<2>(l);
  EXPECT_EQ(both.size(), 3 + within.size());

  // Chart 2 outside Chiron's table: no lines of its Chiron.
  DualWheelInputs noChiron = all;
  noChiron.hasChiron[1] = false;
  for (const Line& l : LinesOf(noChiron, tests, false)) EXPECT_NE(std::get<1>(l), 32);

  // A declination wheel keeps its parallels whatever the filter: chart 2's
  // Sun half a degree of display from chart 1's.
  AspectLineTests declination = filtered(1);
  declination.declination = true;
  EXPECT_TRUE(LinesOf(all, declination, false).count({2, 17, 1}));
}

TEST(DualAspectLines, ChordsEndBesideTheGlyphsOnTheCircle) {
  const DualWheelInputs in = TwoCharts();
  const DualPlacement placed = PlaceDualWheel(in);
  std::map<int, double> glyph;
  for (const DualLabel& l : placed.labels) glyph[l.entry] = l.angle;
  for (const AspectLine& l : TwoRingAspectLines(in, placed, Orbs(), {}, false)) {
    EXPECT_EQ(l.radiusA, WheelRadius);
    EXPECT_EQ(l.radiusB, WheelRadius);
    EXPECT_EQ(l.angleA, glyph.at(l.pointA + NumPoints));
    EXPECT_EQ(l.angleB, glyph.at(l.pointB));
  }
}

// On a printed Letter or A4 page the ring's spokes start on its circle and
// every chord ends on it, in true distances on the page (its units are
// taller than wide, its circles round): for the two-ring wheel and the
// one-chart declination ring.
TEST(DualAspectLines, OnPaperOfAnyShapeTheLinesEndOnTheCircle) {
  const std::pair<double, double> pages[] = {{768, 1008}, {746, 1074}};
  const OrbTable orbs = Orbs();
  for (const auto& [width, height] : pages)
    for (const bool oneChart : {false, true}) {
      Workbench wb;
      test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
      wb.Options[47] = 1;
      if (oneChart) {
        test::RecordingHost host;
        PrepareSingleWheel(wb, SingleWheelKind::Declinations, {}, host);
      } else {
        wb.DualChoices.PointShown.fill(true);
        PrepareDualWheelCommand(wb, DualWheelKind::Display, {});
      }
      WheelPaintInputs in = test::PaintInputsOf(wb);
      in.orbs = &orbs;
      RecordingCanvas page(width, height, 96);
      PaintWheelPrinter(page, in, {});
      const double squash = std::fabs(page.DeviceUnitsPerUserY() / page.DeviceUnitsPerUserX());
      const auto distance = [&](UserPoint p) { return std::hypot(p.x, squash * p.y); };
      int spokes = 0, chords = 0;
      for (const CanvasRecord& l : page.Lines()) {
        if (distance(l.a) > WheelRadius + 1) continue;  // the aspect grid's rules
        EXPECT_NEAR(distance(l.a), WheelRadius, 1e-6) << height;
        const bool spoke = std::fabs(distance(l.b) - (WheelRadius + 30)) < 1e-6;
        if (!spoke) {
          EXPECT_NEAR(distance(l.b), WheelRadius, 1e-6) << height;
        }
        (spoke ? spokes : chords) += 1;
      }
      EXPECT_EQ(spokes, 12) << height;
      EXPECT_GT(chords, 3) << height;
    }
}

TEST(DualAspectLines, TheAspectListOfATwoChartWheel) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  wb.Settings.EnabledTransitPlanets = "0111111111111111";
  const ChartArrays& natal = wb.Charts.Natal;
  const ChartArrays& second = wb.Charts.Diurnal;
  for (const int switched : {0, 1}) {
    wb.DualChoices.WheelsSwitched = switched;
    PrepareDualWheelCommand(wb, DualWheelKind::TransitsVsNatal, {});
    const AspectListInputs in = WheelAspectListInputs(*wb.Wheel, wb.Options);
    EXPECT_TRUE(in.twoCharts);
    // Rows: the outer chart with its own declinations and chart 2's enabled
    // points; columns: the inner chart.
    EXPECT_EQ(in.rowAngles, switched ? natal.Longitudes : second.Longitudes);
    EXPECT_EQ(in.rowDeclinations, switched ? natal.Declinations : second.Declinations);
    EXPECT_EQ(in.columnDeclinations, switched ? second.Declinations : natal.Declinations);
    EXPECT_EQ(in.rowEnabled, "0111111111111111");
  }
}

}  // namespace
}  // namespace orv
