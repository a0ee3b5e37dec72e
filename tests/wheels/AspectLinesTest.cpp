// The wheel's aspect lines: the tests that classify a pair, the points that
// take part, the colours, and what is drawn on each surface.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "RecordingCanvas.h"
#include "RecordingHost.h"
#include "WheelTestCharts.h"
#include "commands/WheelCommands.h"
#include "wheels/AspectLines.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv {
namespace {

using namespace WheelAspect;

OrbTable Orbs(std::initializer_list<std::pair<int, float>> set) {
  OrbTable orbs{};
  for (auto [kind, orb] : set) orbs[static_cast<std::size_t>(kind)] = orb;
  return orbs;
}

TEST(AspectLines, TheWheelTestsClassifyEachPair) {
  const OrbTable natal = Orbs({{1, 10}, {2, 6}, {3, 8}, {4, 8}, {5, 10}, {6, 1}, {10, 3}});
  const OrbTable wide = Orbs({{1, 40}, {2, 25}});
  const OrbTable exact{};
  const OrbTable quincunx10 = Orbs({{10, 10}});
  // 7.7 is 7.69999981 in single precision: 97.7 falls inside only when the
  // separation and the bound are both rounded to single precision.
  const OrbTable square77 = Orbs({{3, 7.7f}});
  const AspectLineTests orbsTable, fixed{true}, fixedNoSextiles{true, false},
      noSextiles{false, false}, declination{false, true, true};
  const struct {
    double d;
    const OrbTable& orbs;
    AspectLineTests tests;
    int code;
  } cases[] = {
      {200, quincunx10, orbsTable, Quincunx},  // folded to 160
      {3.0, exact, fixed, Conjunction},
      {63.0, exact, fixed, Sextile},
      {63.0, exact, fixedNoSextiles, None},
      {63.5, exact, fixed, None},
      {177.0, exact, fixed, Opposition},
      {153.0, exact, fixed, Quincunx},
      {87.0, exact, fixed, Square},
      {123.0, exact, fixed, Trine},
      {60.0, natal, noSextiles, None},
      {38, wide, orbsTable, Conjunction},  // the conjunction is tested last
      {90.0, exact, orbsTable, Square},
      {90.0001, exact, orbsTable, None},
      {97.7, square77, orbsTable, Square},
      {170, natal, orbsTable, Opposition},
      {169.9, natal, orbsTable, None},
      {147, natal, orbsTable, Quincunx},
      // Declination wheel, parallel orb 1 (six wheel degrees).
      {5, natal, declination, Conjunction},
      {175, natal, declination, Opposition},
      {90, natal, declination, None},  // a square, not drawn here
      {120, natal, declination, None},
  };
  for (const auto& c : cases) EXPECT_EQ(WheelAspectCode(c.d, c.orbs, c.tests), c.code) << c.d;
}

TEST(AspectLines, TheDualFilterAdmitsItsAspectsOnly) {
  const OrbTable natal = Orbs({{1, 10}, {2, 6}, {3, 8}, {4, 8}, {5, 10}, {6, 1}, {10, 3}});
  const struct {
    int filter;
    bool sextiles, declination;
    double d;
    int code;
  } cases[] = {
      {1, true, false, 150, Quincunx},  {1, true, false, 90, None},
      {1, true, false, 0, None},        {1, true, true, 3, Conjunction},
      {1, true, true, 176, Opposition}, {2, false, false, 60, None},
      {2, false, false, 120, Trine},    {2, true, false, 60, Sextile},
      {3, true, false, 0, None},        {3, true, false, 180, Opposition},
      {3, true, false, 120, None},      {0, true, false, 0, Conjunction},
  };
  for (const auto& c : cases) {
    AspectLineTests t;
    t.filter = c.filter;
    t.sextiles = c.sextiles;
    t.declination = c.declination;
    EXPECT_EQ(WheelAspectCode(c.d, natal, t), c.code) << c.filter << " " << c.d;
  }
}

TEST(AspectLines, OnlyTheBodiesAndChironGetLines) {
  const PointArray<bool> all = SingleWheelLinePoints("1111111111111111", false);
  const PointArray<bool> helio = SingleWheelLinePoints("1111111111111111", true);
  const PointArray<bool> noMars = SingleWheelLinePoints("1110111111111111", false);
  const PointArray<bool> noChiron = SingleWheelLinePoints("1111111111111111", false, false);
  for (int p = 1; p <= NumPoints; ++p) {
    const std::size_t i = static_cast<std::size_t>(p);
    const bool body = p <= 10 || p == 16;
    EXPECT_EQ(all[i], body) << p;
    EXPECT_EQ(helio[i], body && p != ChartPoint::Moon) << p;
    EXPECT_EQ(noMars[i], body && p != ChartPoint::Mars) << p;
    EXPECT_EQ(noChiron[i], body && p != ChartPoint::Chiron) << p;  // outside its table
  }
}

TEST(AspectLines, PairsOfOneChartOnceAndOfTwoChartsAll) {
  AspectLineChart chart;
  chart.takesPart = SingleWheelLinePoints("1111111111111111", true);
  for (int p = 1; p <= NumPoints; ++p) chart.angles[std::size_t(p)] = 100;  // all conjunct
  for (int p = 1; p <= NumPoints; ++p) chart.glyphAngles[std::size_t(p)] = 90 + p;
  const OrbTable orbs = Orbs({{1, 1}});
  const auto same = FindAspectLines(chart, chart, AspectPairs::OneChart, orbs, {});
  ASSERT_EQ(same.size(), 10u * 9 / 2);  // the Sun .. Pluto and Chiron, no Moon
  const auto ofTwo = FindAspectLines(chart, chart, AspectPairs::WithinOneOfTwo, orbs, {});
  ASSERT_EQ(ofTwo.size(), same.size());
  EXPECT_TRUE(ofTwo[0].sameChart);
  for (const AspectLine& l : same) {
    EXPECT_FALSE(l.sameChart);
    EXPECT_LT(l.pointA, l.pointB);
    EXPECT_NE(l.pointA, ChartPoint::Moon);
    EXPECT_NE(l.pointB, ChartPoint::Moon);
    EXPECT_DOUBLE_EQ(l.angleB, 90 + l.pointB);
  }
  const auto cross = FindAspectLines(chart, chart, AspectPairs::AcrossTwo, orbs, {});
  EXPECT_EQ(cross.size(), 10u * 10);  // a point against its own place too
  EXPECT_FALSE(cross[0].sameChart);
}

TEST(AspectLines, ColoursOfEachSurface) {
  OptionValues o{};
  o[97] = 2, o[98] = 4, o[99] = 3, o[112] = 1, o[113] = 5, o[114] = 6;
  EXPECT_EQ(AspectLineColor(Trine, o, false, false, false), QBColor(2));
  EXPECT_EQ(AspectLineColor(Sextile, o, false, true, false), QBColor(0));
  EXPECT_EQ(AspectLineColor(Square, o, false, true, false), QBColor(4));
  EXPECT_EQ(AspectLineColor(Trine, o, true, true, false), QBColor(1));
  EXPECT_EQ(AspectLineColor(Opposition, o, true, false, true), QBColor(5));
  EXPECT_EQ(AspectLineColor(Quincunx, o, true, false, false), QBColor(6));
  EXPECT_EQ(AspectLineColor(Conjunction, o, false, false, false), std::nullopt);
  // Same-chart pairs are lighter on the window: + 8, + 1, + 10.
  EXPECT_EQ(AspectLineColor(Trine, o, false, false, true), QBColor(10));
  EXPECT_EQ(AspectLineColor(Square, o, false, false, true), QBColor(5));
  EXPECT_EQ(AspectLineColor(Quincunx, o, false, false, true), QBColor(13));
  // Past the palette: the cross colour; a number beyond 0..15 is held at the end.
  o[97] = 9, o[99] = 22;
  EXPECT_EQ(AspectLineColor(Trine, o, false, false, true), QBColor(9));
  EXPECT_EQ(AspectLineColor(Quincunx, o, false, false, false), QBColor(15));
}

TEST(AspectLines, ConjunctionArcsTakeTheShortWay) {
  const struct {
    double a, b, from, to;
  } cases[] = {{350, 10, 350, 10}, {10, 350, 350, 10}, {30, 100, 30, 100},
               {100, 30, 30, 100}, {10, 190, 190, 10},  // half a circle apart: from B to A
               {190, 10, 10, 190}};
  for (const auto& c : cases)
    EXPECT_EQ(ConjunctionArcAngles(c.a, c.b), (std::array<double, 2>{c.from, c.to})) << c.a;
}

TEST(AspectLines, ChordsCarryTheirGlyphAtTheMiddle) {
  OptionValues o{};
  o[77] = 8, o[87] = 9, o[98] = 4;
  const std::vector<AspectLine> lines = {{Square, 1, 2, 0, 90, 120, 120, false},
                                         {Conjunction, 3, 4, 350, 10, 120, 120, false}};
  // On paper the chords end on the page's round circles: true distances,
  // on a square window of 800 by 600 and on Letter and A4 pages.
  const struct {
    bool printing;
    double width, height;
  } surfaces[] = {{false, 800, 600}, {true, 768, 1008}, {true, 746, 1074}};
  for (const auto& [printing, width, height] : surfaces) {
    RecordingCanvas canvas(width, height, 96);
    const ScaleEdges e = printing ? PrinterScaleEdges(265) : ScaleEdges{-300, 225, 300, -225};
    canvas.SetScale(e.left, e.top, e.right, e.bottom);
    // How much taller a unit is than wide on this surface.
    const double squash = (height / (e.top - e.bottom)) / (width / (e.right - e.left));
    AspectLineStyle style;
    style.printing = printing;
    style.options = &o;
    style.conjunctionArc = printing ? 220 : 218;
    DrawAspectLines(canvas, lines, style);
    // The end at 90 degrees lies on the circle (its true height 120), on
    // the window and on paper of any shape.
    const double k = 1 / squash;
    const auto chords = canvas.Lines();
    ASSERT_EQ(chords.size(), 1u);
    EXPECT_EQ(chords[0].a, (UserPoint{120, 0}));
    EXPECT_NEAR(chords[0].b.x, 0, 1e-9);
    EXPECT_NEAR(chords[0].b.y, k * 120, 1e-9) << height;
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, GlyphText(163));
    EXPECT_EQ(texts[0].font.points, printing ? 9 : 8);
    EXPECT_EQ(texts[0].font.family, "Orvanta8");
    const double w = canvas.TextWidth(texts[0].text), h = canvas.TextHeight(texts[0].text);
    EXPECT_NEAR(texts[0].a.x, 60 - w / 2, 1e-9);
    EXPECT_NEAR(texts[0].a.y, k * 60 + h / 2, 1e-9);
    const CanvasRecord& arc = canvas.Records().back();
    ASSERT_EQ(arc.kind, CanvasRecord::Kind::Circle);
    EXPECT_EQ(arc.radius, printing ? 220 : 218);
    EXPECT_EQ(arc.widthPx, printing ? 4 : 2);
    EXPECT_EQ(arc.color, QBColor(10));
    EXPECT_NEAR(*arc.startRad, 350 * 3.1415926535 / 180, 1e-9);
    EXPECT_NEAR(*arc.endRad, 10 * 3.1415926535 / 180, 1e-9);
    EXPECT_EQ(canvas.DrawWidth(), 1);
  }
}

// A line kept clear of characters: what it draws misses every box by the
// margin (its own two ends, which stay on their circle, miss every box),
// it loses no more than the boxes hide, and its glyph stands clear of them
// wherever the line leaves room, nearest the middle.
TEST(AspectLines, LinesPassBehindCharactersAndTheirGlyphsStandClear) {
  const UserPoint p{-100, 0}, q{100, 0};
  const double margin = 1.5, w = 6, h = 10;
  using Boxes = std::vector<AspectClearBox>;
  const struct {
    const char* what;
    Boxes boxes;
    double hiddenLength;  // of the 200 units, boxes widened by the margin
    double markX;         // where the glyph's centre goes
  } cases[] = {
      {"nothing in the way", {}, 0, 0},
      {"a box off the line", {{{{-10, 20}, {10, 12}}}}, 0, 0},
      {"a box across the middle", {{{{-5, 5}, {5, -5}}}}, 13, -9.5},
      {"two overlapping boxes", {{{{-20, 4}, {0, -4}}}, {{{-5, 4}, {15, -4}}}}, 38, 19.5},
      {"a box at one end", {{{{-110, 3}, {-95, -3}}}}, 6.5, 0},
      {"a box just beyond one end", {{{{-110, 3}, {-100.5, -3}}}}, 0, 0},
      {"a box just beyond the other", {{{{100.5, 3}, {110, -3}}}}, 0, 0},
      {"boxes just beyond both ends",
       {{{{-110, 3}, {-100.5, -3}}}, {{{100.5, 3}, {110, -3}}}},
       0,
       0},
      {"one beyond an end and one across",
       {{{{-110, 3}, {-100.5, -3}}}, {{{-99, 3}, {-97, -3}}}},
       4.5,
       0},
      {"boxes all along", {{{{-101, 3}, {101, -3}}}}, 200, 0},
  };
  for (const auto& c : cases) {
    double shown = 0, last = 0;
    for (const auto& [from, to] : StretchesClearOf(p, q, c.boxes, margin)) {
      EXPECT_LT(from, to) << c.what;
      EXPECT_GE(from, last) << c.what;
      last = to;
      shown += 200 * (to - from);
      // Its middle and ends miss every box by the margin.
      for (const double t : {from, (from + to) / 2, to})
        for (const AspectClearBox& b : c.boxes) {
          const double x = -100 + 200 * t;
          const double room = t == 0 || t == 1 ? 0 : margin;
          EXPECT_FALSE(x > b[0].x - room + 1e-9 && x < b[1].x + room - 1e-9 && b[1].y - room < 0 &&
                       b[0].y + room > 0)
              << c.what << " at " << x;
        }
    }
    EXPECT_NEAR(shown, 200 - c.hiddenLength, 1e-9) << c.what;
    const double x = -100 + 200 * AspectMarkSpot(p, q, w, h, c.boxes, margin);
    EXPECT_NEAR(x, c.markX, 0.11) << c.what;
  }
}

// A leader line passes through a label's box where it loses some of its
// length to it, touching it at an end only is passing by: as
// `StretchesClearOf` with no margin says, on grid points that make corners
// and edges meet exactly.
TEST(AspectLines, ASegmentCrossesABoxWhereItLosesSomeOfItsLengthToIt) {
  const AspectClearBox box{{{0, 10}, {10, 0}}};
  const struct {
    const char* what;
    UserPoint p, q;
    bool crosses;
  } cases[] = {
      {"straight through", {-5, 5}, {15, 5}, true},
      {"from inside", {5, 5}, {20, 20}, true},
      {"wholly inside", {2, 2}, {8, 8}, true},
      {"a point inside", {5, 5}, {5, 5}, true},
      {"along an edge", {-5, 0}, {15, 0}, true},
      {"through a corner alone", {-5, 5}, {5, 15}, true},
      {"ending on an edge", {-5, 5}, {0, 5}, false},
      {"starting at a corner", {10, 10}, {20, 30}, false},
      {"a point on an edge", {0, 5}, {0, 5}, true},
      {"beside it", {-5, 11}, {15, 11}, false},
      {"across a corner", {5, 14}, {14, 5}, true},
      {"short of a corner", {5, 16}, {16, 5}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SegmentCrossesBox(c.p, c.q, box), c.crosses) << c.what;
    const auto clear = StretchesClearOf(c.p, c.q, {box}, 0);
    EXPECT_EQ(c.crosses, clear.size() != 1 || clear.front()[0] > 0 || clear.front()[1] < 1)
        << c.what;
  }
  std::mt19937 random(5);
  std::uniform_int_distribution<int> grid(-4, 14);
  for (int k = 0; k < 20000; ++k) {
    const UserPoint p{double(grid(random)), double(grid(random))},
        q{double(grid(random)), double(grid(random))};
    const auto clear = StretchesClearOf(p, q, {box}, 0);
    EXPECT_EQ(SegmentCrossesBox(p, q, box),
              clear.size() != 1 || clear.front()[0] > 0 || clear.front()[1] < 1)
        << p.x << " " << p.y << " to " << q.x << " " << q.y;
  }
}

// Where glyphs placed before cover all of a line but a character's box,
// its glyph stands beside the character, over another glyph, not on it.
TEST(AspectLines, AGlyphWithNoClearPlaceCoversAnotherGlyphRatherThanACharacter) {
  const UserPoint p{-100, 0}, q{100, 0};
  const std::vector<AspectClearBox> boxes{{{{-5, 5}, {5, -5}}},       // the character
                                          {{{-101, 3}, {-5.5, -3}}},  // glyphs before
                                          {{{5.5, 3}, {101, -3}}}};
  EXPECT_NEAR(-100 + 200 * AspectMarkSpot(p, q, 6, 10, boxes, 1.5, 1), -8, 0.11);
  EXPECT_NEAR(-100 + 200 * AspectMarkSpot(p, q, 6, 10, boxes, 1.5, 3), 0, 1e-9);
}

// The paint draws the lines only for option 47 = 1 and an orb file read.
TEST(AspectLines, TheWheelPaintDrawsThemForOption47) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
  const OrbTable orbs = Orbs({{1, 10}, {2, 6}, {3, 8}, {4, 8}, {5, 10}, {6, 1}, {10, 3}});
  WheelPaintInputs in = test::PaintInputsOf(wb);
  const auto chords = [&](float option47, const OrbTable* table) {
    wb.Options[47] = option47;
    in.orbs = table;
    RecordingCanvas canvas(800, 600, 96);
    PaintWheelWindow(canvas, in, 300);
    std::size_t inside = 0;
    for (const CanvasRecord& l : canvas.Lines())
      inside += std::hypot(l.a.x, l.a.y) < 120.5 && std::hypot(l.b.x, l.b.y) < 120.5;
    return inside;
  };
  AspectLineChart chart;
  chart.angles = wb.Wheel->Longitudes;
  chart.takesPart = SingleWheelLinePoints(wb.Wheel->EnabledPoints, false);
  std::size_t expected = 0;
  for (const AspectLine& l : FindAspectLines(chart, chart, AspectPairs::OneChart, orbs, {}))
    expected += l.code != Conjunction;
  ASSERT_GT(expected, 3u);
  EXPECT_EQ(chords(1, &orbs), expected);
  EXPECT_EQ(chords(2, &orbs), 0u);
  EXPECT_EQ(chords(1, nullptr), 0u);
}

}  // namespace
}  // namespace orv
