// The painted two-chart wheels read as a user reads them: in both
// arrangements, for fixed pairs of charts, no label of either chart touches
// another, leaves its band, crosses a spoke, stands outside its house or the
// window, or goes missing; and every two-chart command's draw calls pinned.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "DualWheelLegibility.h"
#include "WheelDump.h"
#include "WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

using test::WheelChart;
using enum DualWheelKind;

// A second person: the Aquarius stellium of 5 Feb 1962, 15:30 at Delhi.
const ChartInputFields kStellium{"2",  "5",  "1962", "3", "30", "-5.5", "77",
                                 "13", "28", "39",   "",  true, true,  false};
// And an ordinary one: 14 Jul 1976, 8:30 at Chicago.
const ChartInputFields kChicago{"7",  "14", "1976", "8", "30", "5", "87",
                                "39", "41", "51",   "",  false, false, false};

const SecondPersonBox kTransits{false, "2nd Person"};
const SecondPersonBox kPerson{true, "John Roe"};

// Chart 1 and chart 2 (transits, or `person`), the wheel `kind` prepared
// with every point toggle checked, so that the rings hold all 32 points.
void Prepare(Workbench& wb, WheelChart chart, const ChartInputFields* person, DualWheelKind kind,
             bool allPoints = true) {
  test::ComputeWheelChart(wb, chart, person);
  if (allPoints) wb.DualChoices.PointShown.fill(true);
  PrepareDualWheelCommand(wb, kind, person ? kPerson : kTransits);
}

std::string Counts(const test::DualLegibilityCounts& d) { return test::DualCountsText(d); }

// The paint inputs with the wheel's own orb file read, so that its aspect
// lines are drawn.
WheelPaintInputs WithLines(const Workbench& wb, std::optional<OrbTable>& orbs) {
  WheelPaintInputs in = test::PaintInputsOf(wb);
  orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
  in.orbs = orbs ? &*orbs : nullptr;
  return in;
}

// The counts' measure of one label's character standing between two
// successive ones of another: along a row or down a column, anywhere in the
// box spanning them; where they step across both, as a slanting column
// does, on the slant between them, not in its empty corners (the last case
// as a character of the random pair 854 stands, printed on A4, beside the
// Uranus and the MC of its transits).
TEST(DualWheelLegibility, ACharacterBetweenTwoOthersIsOnTheirRowColumnOrSlant) {
  struct Case {
    const char* what;
    test::TextBox u, v, z;
    bool between;
  };
  // Boxes as left, top, right, bottom, y up.
  const Case cases[] = {
      {"on a row", {0, 10, 10, 0}, {12, 10, 22, 0}, {10, 8, 12, 2}, true},
      {"down a column", {0, 10, 10, 0}, {0, -2, 10, -12}, {2, 1, 8, -1}, true},
      {"off a row", {0, 10, 10, 0}, {12, 10, 22, 0}, {10, 16, 12, 10.4}, false},
      {"on a slant", {0, 10, 10, 0}, {12, 25, 22, 15}, {9, 14, 13, 10}, true},
      {"in a slant's empty corner", {0, 10, 10, 0}, {12, 25, 22, 15}, {17, 5, 21, 1}, false},
      {"falling, on it", {0, 25, 10, 15}, {12, 10, 22, 0}, {9, 15, 13, 11}, true},
      {"falling, in its corner", {0, 25, 10, 15}, {12, 10, 22, 0}, {1, 5, 5, 1}, false},
      {"pair 854 on A4",
       {132.06, -146.69, 142.21, -159.82},
       {120.08, -133.38, 123.99, -140.77},
       {111.14, -158.25, 121.29, -171.38},
       false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(test::dual_detail::Between(c.z, c.u, c.v, 0.05 * (c.z.top - c.z.bottom)), c.between)
        << c.what;
}

TEST(DualWheelLegibility, FixedPairsReadCleanlyInBothArrangements) {
  const std::pair<const char*, WheelChart> charts[] = {
      {"ordinary", WheelChart::Ordinary}, {"crowded", WheelChart::Crowded},
      {"polar", WheelChart::Polar},       {"66 North", WheelChart::Unequal},
      {"before Chiron", WheelChart::BeforeChiron}};
  const std::pair<const char*, const ChartInputFields*> seconds[] = {
      {"transits", nullptr}, {"stellium", &kStellium}, {"Chicago", &kChicago}};
  const std::pair<const char*, DualWheelKind> kinds[] = {
      {"combined", TransitsVsNatal},          {"two-ring", Display},
      {"declinations", DisplayDeclinations},  {"helio", DisplayHelio},
      {"helio latitudes", DisplayHelioLatitudes}};
  for (const auto& [chartName, chart] : charts)
    for (const auto& [secondName, second] : seconds)
      for (const auto& [kindName, kind] : kinds)
        for (bool allPoints : {true, false}) {
          Workbench wb;
          Prepare(wb, chart, second, kind, allPoints);
          ASSERT_TRUE(wb.Wheel);
          const auto c = test::CountIllegibleTwoChart(test::PaintInputsOf(wb));
          EXPECT_EQ(c.Total(), 0) << chartName << " with " << secondName << ", " << kindName
                                  << (allPoints ? ", all points" : "") << ": " << Counts(c);
        }
}

// The same on a larger font (120 dpi, also at the default 800 by 600) and
// on a window as tall as wide.
TEST(DualWheelLegibility, FixedPairsReadCleanlyOnOtherSurfaces) {
  const struct {
    double width, height, dpi;
  } surfaces[] = {{1000, 750, 120}, {1000, 725, 120}, {800, 578, 96}, {700, 700, 96}, {1200, 700, 96}};
  for (const auto& s : surfaces)
    for (DualWheelKind kind : {TransitsVsNatal, Display})
      for (const ChartInputFields* second : {(const ChartInputFields*)nullptr, &kStellium}) {
        Workbench wb;
        Prepare(wb, WheelChart::Crowded, second, kind);
        const auto c = test::CountIllegibleTwoChart(test::PaintInputsOf(wb), s.width, s.height,
                                                    s.dpi);
        EXPECT_EQ(c.Total(), 0) << s.width << "x" << s.height << " at " << s.dpi << " dpi, kind "
                                << int(kind) << (second ? ", stellium" : "") << ": "
                                << Counts(c);
      }
}

// Transit pair 175 of the counts: Sagittarius holds seven labels at the top
// of the two-ring wheel, between a crowded Capricorn and Scorpio, and with
// these measures has room for two; they read, at 800x600 and 1600x1000,
// only when it lends the other five to the sectors before it.
TEST(DualWheelLegibility, ACrowdedTwoRingSectorBesideACrowdedOneLendsFiveTheOtherWay) {
  const int pairs[] = {175};
  test::ForRandomTransitPairs(Display, pairs, [](int k, const WheelPaintInputs& in) {
    for (const auto& [width, height] : {std::pair{800.0, 600.0}, std::pair{1600.0, 1000.0}}) {
      const auto c = test::CountIllegibleTwoChart(in, width, height, 96, false);
      EXPECT_EQ(c.Total() + c.counts.unreadable, 0)
          << "transit pair " << k << " at " << width << "x" << height << ": " << Counts(c);
    }
  });
}

// The combined wheel with its charts exchanged: by Switch, and by option
// 216 (transits in the outer band).
TEST(DualWheelLegibility, ExchangedCombinedWheelsReadCleanly) {
  for (WheelChart chart : {WheelChart::Ordinary, WheelChart::Crowded, WheelChart::Polar})
    for (const ChartInputFields* second : {(const ChartInputFields*)nullptr, &kStellium})
      for (const bool switched : {false, true}) {
        Workbench wb;
        test::ComputeWheelChart(wb, chart, second);
        wb.Options[216] = switched ? 0.0f : 1.0f;
        wb.DualChoices.WheelsSwitched = switched ? 1 : 0;
        PrepareDualWheelCommand(wb, TransitsVsNatal, second ? kPerson : kTransits);
        const auto c = test::CountIllegibleTwoChart(test::PaintInputsOf(wb));
        EXPECT_EQ(c.Total(), 0) << "chart " << int(chart) << (second ? ", stellium" : "")
                                << (switched ? ", switched" : ", option 216") << ": "
                                << Counts(c);
      }
}

// The printed page, Letter and A4, both arrangements.
TEST(DualWheelLegibility, FixedPairsReadCleanlyOnThePrintedPage) {
  const std::pair<double, double> pages[] = {{816, 1056}, {794, 1123}};
  for (const auto& [width, height] : pages)
    for (DualWheelKind kind : {TransitsVsNatal, Display, DisplayDeclinations})
      for (WheelChart chart : {WheelChart::Ordinary, WheelChart::Crowded, WheelChart::Unequal})
        for (const ChartInputFields* second : {(const ChartInputFields*)nullptr, &kStellium}) {
          Workbench wb;
          Prepare(wb, chart, second, kind);
          const auto c =
              test::CountIllegibleTwoChart(test::PaintInputsOf(wb), width, height, 96, true);
          EXPECT_EQ(c.Total(), 0) << width << "x" << height << ", kind " << int(kind)
                                  << ", chart " << int(chart) << (second ? ", stellium" : "")
                                  << ": " << Counts(c);
        }
}

// The combined wheel of a noon chart of 10 September 1960 in New York with
// a second person (born 3 February 1904 in London) or with the transits of
// a December noon: its lines cross the inner band's crowded 1st to 3rd
// houses. No line or aspect mark may touch a planet glyph, no mark a label,
// and no two labels' characters may run together; in the window at three
// sizes and on paper.
TEST(DualWheelLegibility, CombinedWheelLinesKeepOffTheLabels) {
  const ChartInputFields natal{"9",  "10", "1960", "12", "0",  "4",   "73",
                               "59", "40", "43",   "",   true, false, false};
  const ChartInputFields person{"2",  "3",  "1904", "6", "15",  "0",   "0",
                                "07", "51", "30",   "",  false, false, false};
  const ChartInputFields transits{"12", "7",  "2026", "12", "0",  "4",   "73",
                                  "59", "40", "43",   "",   true, false, false};
  const struct {
    double width, height, dpi;
    bool printing;
  } surfaces[] = {{800, 578, 96, false},
                  {1000, 725, 120, false},
                  {1600, 950, 96, false},
                  {816, 1056, 96, true}};
  for (const bool withPerson : {true, false})
    for (const auto& s : surfaces) {
      Workbench wb;
      test::ComputeWheelChart(wb, WheelChart::Ordinary);
      test::RecordingHost host;
      ChartDriverHooks hooks;
      ChartRequest r;
      r.natal = natal;
      r.diurnal = withPerson ? person : transits;
      r.secondPerson = withPerson;
      ASSERT_EQ(CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true), 0);
      PrepareDualWheelCommand(wb, TransitsVsNatal,
                              withPerson ? SecondPersonBox{true, "Arthur Pendleton"} : kTransits);
      std::optional<OrbTable> orbs;
      const WheelPaintInputs in = WithLines(wb, orbs);
      ASSERT_TRUE(in.orbs);
      const auto c = test::CountIllegibleTwoChart(in, s.width, s.height, s.dpi, s.printing);
      EXPECT_EQ(c.Total(), 0) << (withPerson ? "second person" : "transits") << " at " << s.width
                              << "x" << s.height << (s.printing ? " on paper" : "") << ": "
                              << Counts(c);
    }
}

TEST(DualWheelLegibility, CrowdedPairsWithASecondPersonReadAtEverySizeAndOnPaper) {
  for (const std::string& failure : test::IllegibleSecondPersonPairs(
           [](const WheelPaintInputs& in, const test::PairSurface& s) {
             return test::CountIllegibleTwoChart(in, s.width, s.height, s.dpi, s.printing);
           }))
    ADD_FAILURE() << failure;
}

// Over random pairs; run by hand with ORVANTA_LEGIBILITY_CHARTS=1000.
TEST(DualWheelLegibility, RandomPairCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int pairs = env ? std::atoi(env) : 0;
  if (pairs == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  // The default window's wheel at 96 and at 120 dpi, below its menu bar;
  // Letter and A4 paper.
  test::PrintRandomPairCounts(
      pairs,
      {{800, 578, 96, false}, {1000, 725, 120, false}, {816, 1056, 96, true}, {794, 1123, 96, true}},
      [](const WheelPaintInputs& in, const test::PairSurface& s) {
        return test::CountIllegibleTwoChart(in, s.width, s.height, s.dpi, s.printing);
      });
}

// A one-chart wheel drawn as a ring: the natal declinations, or the helio
// latitudes, of `chart`; with `packed`, nine points' values packed within
// two degrees (a crowded sector).
void PrepareRing(Workbench& wb, WheelChart chart, SingleWheelKind kind, bool packed = false) {
  test::ComputeWheelChart(wb, chart);
  if (packed)
    for (int p = 1; p <= 9; ++p) {
      wb.Charts.Natal.Declinations[std::size_t(p)] = 21.1 + 0.22 * p;
      wb.Charts.Natal.HelioLatitudes[std::size_t(p)] = -0.3 + 0.22 * p;
    }
  test::RecordingHost host;
  PrepareSingleWheel(wb, kind, {}, host);
}

const std::pair<const char*, SingleWheelKind> kRingKinds[] = {
    {"declinations", SingleWheelKind::Declinations},
    {"helio latitudes", SingleWheelKind::HelioLatitudes}};

// The declination and helio-latitude wheels of the fixed charts, in the
// window at several sizes and dpi and on Letter and A4 paper.
TEST(DualWheelLegibility, OneChartRingsReadCleanlyInTheWindowAndOnPaper) {
  const std::pair<const char*, WheelChart> charts[] = {
      {"ordinary", WheelChart::Ordinary},
      {"crowded", WheelChart::Crowded},
      {"polar", WheelChart::Polar},
      {"66 North", WheelChart::Unequal},
      {"before Chiron", WheelChart::BeforeChiron},
      {"Aquarius stellium", WheelChart::Stellium},
      {"four signs intercepted", WheelChart::Intercepting}};
  const DeviceSize least = LegibleWheelArea(96);
  const struct {
    double width, height, dpi;
    bool printing;
  } surfaces[] = {{800, 600, 96, false},
                  {800, 600, 120, false},
                  {double(least.width), double(least.height), 96, false},
                  {double(least.width), 900, 96, false},
                  {1600, double(least.height), 96, false},
                  {1600, 1000, 96, false},
                  {816, 1056, 96, true},
                  {794, 1123, 96, true}};
  for (const auto& [chartName, chart] : charts)
    for (const bool packed : {false, true})
      for (const auto& [kindName, kind] : kRingKinds)
        for (const auto& s : surfaces) {
          Workbench wb;
          PrepareRing(wb, chart, kind, packed);
          const auto c = test::CountIllegibleTwoChart(test::PaintInputsOf(wb), s.width,
                                                      s.height, s.dpi, s.printing);
          EXPECT_EQ(c.Total() + c.counts.unreadable, 0)
              << chartName << (packed ? " packed" : "") << ", " << kindName
              << (s.printing ? " on the page " : " at ") << s.width << "x" << s.height << ", "
              << s.dpi << " dpi: " << Counts(c);
        }
}

// Over random charts (declinations within 27 degrees, latitudes within 8);
// run by hand with ORVANTA_LEGIBILITY_CHARTS=1000.
TEST(DualWheelLegibility, RandomOneChartRingCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int charts = env ? std::atoi(env) : 0;
  if (charts == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomOneChartRingCounts(
      charts, [](const WheelPaintInputs& in, const test::PairSurface& s) {
        return test::CountIllegibleTwoChart(in, s.width, s.height, s.dpi, s.printing);
      });
}

// The ring of one chart pinned where its labels crowd: nine declinations
// within two degrees, and the helio latitudes of the Aquarius stellium
// (most within a few degrees of the ecliptic; the Moon to the MC, never
// drawn there, do not shrink the texts of the house they fall in).
// ORVANTA_UPDATE_GOLDEN=1 rewrites them.
TEST(DualWheelLegibility, CrowdedOneChartRingsDrawTheirPinnedCalls) {
  const struct {
    const char* name;
    WheelChart chart;
    SingleWheelKind kind;
    bool packed;
  } rings[] = {{"ring_packed_declinations.txt", WheelChart::Ordinary,
                SingleWheelKind::Declinations, true},
               {"ring_stellium_helio_latitudes.txt", WheelChart::Stellium,
                SingleWheelKind::HelioLatitudes, false}};
  for (const auto& ring : rings) {
    Workbench wb;
    PrepareRing(wb, ring.chart, ring.kind, ring.packed);
    RecordingCanvas canvas(800, 600, 96);
    PaintWheelWindow(canvas, test::PaintInputsOf(wb), 320);
    const std::string dump = test::DrawCallDump(canvas);
    EXPECT_EQ(dump, test::PinnedDump(ring.name, dump)) << ring.name;
  }
}

// One dump per two-chart wheel command for two fixed pairs (a chart with a
// transit moment, the crowded chart with a second person), all points
// shown. ORVANTA_UPDATE_GOLDEN=1 rewrites them.
TEST(DualWheelLegibility, EveryTwoChartCommandDrawsItsPinnedCalls) {
  const struct {
    const char* name;
    WheelChart chart;
    const ChartInputFields* person;
  } pairs[] = {{"ordinary_transits", WheelChart::Ordinary, nullptr},
               {"crowded_person", WheelChart::Crowded, &kChicago}};
  const std::pair<const char*, DualWheelKind> kinds[] = {
      {"combined", TransitsVsNatal},          {"two_ring", Display},
      {"declinations", DisplayDeclinations},  {"helio", DisplayHelio},
      {"helio_latitudes", DisplayHelioLatitudes}};
  for (const auto& pair : pairs)
    for (const auto& [kindName, kind] : kinds) {
      Workbench wb;
      Prepare(wb, pair.chart, pair.person, kind);
      RecordingCanvas canvas(800, 600, 96);
      PaintWheelWindow(canvas, test::PaintInputsOf(wb), 320);
      const std::string name = std::string("dual_") + pair.name + "_" + kindName + ".txt";
      const std::string dump = test::DrawCallDump(canvas);
      EXPECT_EQ(dump, test::PinnedDump(name, dump)) << name;
    }
}

// Crowded bands dealt out to houses further away, each as pinned: the
// combined wheel of random pair 123, where dealings that move the labels as
// little differ only in the sizes their labels keep, and that of natal
// chart 87 against transits (its inner band ten points in one house), where
// a house's first labels must fit for more to be dealt to it.
// ORVANTA_UPDATE_GOLDEN=1 rewrites them.
TEST(DualWheelLegibility, CrowdedBandsAreDealtAsPinned) {
  const auto check = [](const std::string& name, const WheelPaintInputs& in) {
    RecordingCanvas canvas(800, 600, 96);
    PaintWheelWindow(canvas, in, 320);
    const std::string dump = test::DrawCallDump(canvas);
    EXPECT_EQ(dump, test::PinnedDump(name, dump)) << name;
  };
  std::mt19937 random(1976);
  for (int k = 0; k <= 123; ++k) {
    Workbench wb;
    std::optional<OrbTable> orbs;
    const WheelPaintInputs in = test::RandomWheelPair(wb, random, k, TransitsVsNatal, orbs);
    if (k == 123) check("dual_random_pair_123_combined.txt", in);
  }
  test::ForRandomTransitPairs(
      TransitsVsNatal, std::array{87},
      [&](int, const WheelPaintInputs& in) { check("dual_transit_pair_87_combined.txt", in); });
}

}  // namespace
}  // namespace orv
