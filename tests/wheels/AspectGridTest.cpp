// The printed aspect grid on the recording surface, in the printed page's
// coordinates: the staircase of a single wheel and the square of two
// charts, where each cell and label goes, the aspect found in a cell and
// its colour, the options that move the grid, and how it stands lower to
// keep clear of the wheel and the page's labels.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "RecordingCanvas.h"
#include "wheels/AspectGrid.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv {
namespace {

// A letter page at 300 dots per inch in the printed wheel's coordinates
// (`StartScale` 265). At 7 points the recording surface makes a character
// 7/144 inch wide and a line 1.25 em high, in each direction's units.
constexpr double kLeft = -255.0625, kTop = 264.928125, kBottom = -372.728125;
constexpr double kChar7 = 7.0 / 144 * 300 * (2 * 255.0625 / 2550);
constexpr double kLine7 = 1.25 * 7.0 / 72 * 300 * ((kTop - kBottom) / 3300);

struct Page {
  OptionValues options{};
  AspectGridInputs in;
  Page() {
    options[179] = 10, options[180] = 7, options[188] = 13, options[189] = 14, options[190] = 7;
    for (int k = 181; k <= 187; ++k) options[std::size_t(k)] = float(k - 180);
    in.options = &options;
    // Every separation at least 1.8 degrees from every aspect's angle.
    for (int p = 1; p <= NumPoints; ++p)
      in.wheelAngles[std::size_t(p)] = std::fmod(3.1 + 31.8 * p, 360);
    in.outerAngles = in.wheelAngles;
    for (double& a : in.outerAngles) a = std::fmod(a + 1.7, 360);
    in.orbs = OrbTable{};
  }
  RecordingCanvas Print() const {
    RecordingCanvas canvas(2550, 3300, 300);
    canvas.SetScale(kLeft, kTop, -kLeft, kBottom);
    PrintAspectGrid(canvas, in);
    return canvas;
  }
};

// The grid's reference lines: the right edge xR and the bottom yB.
struct Edges {
  double xR, yB, cw, ch;
};
Edges EdgesOf(const Page& p, bool twoCharts) {
  const double tw = 4 * kChar7, th = kLine7;
  const double y0 = (kBottom - kTop) / 2 + 1.25 * th * (twoCharts ? p.options[189] : p.options[188]);
  return {-kLeft - p.options[179] - tw, y0 - 17 * 1.25 * th, 1.25 * tw, 1.25 * th};
}

// Cell glyphs by (column position, row position), found from where they
// stand.
std::map<std::pair<int, int>, CanvasRecord> Cells(const RecordingCanvas& canvas, const Edges& e) {
  const double xL = e.xR - 16 * e.cw;
  std::map<std::pair<int, int>, CanvasRecord> cells;
  for (const CanvasRecord& t : canvas.Texts()) {
    bool aspect = false;
    for (int code = 2; code <= 18; ++code) aspect |= t.text == GlyphText(GlyphCode::AspectBase + code);
    if (!aspect) continue;
    const double i = (t.a.x - xL - 4 * kChar7 / 3) / e.cw + 1;
    const double k = (t.a.y - e.yB + kLine7 / 4) / e.ch;
    EXPECT_NEAR(i, std::round(i), 1e-9);
    EXPECT_NEAR(k, std::round(k), 1e-9);
    cells[{int(std::round(i)), int(std::round(k))}] = t;
  }
  return cells;
}

TEST(AspectGrid, StaircaseOfASingleWheel) {
  Page p;
  (*p.in.orbs)[1] = 180;  // every pair conjunct: every cell filled
  const RecordingCanvas canvas = p.Print();
  const Edges e = EdgesOf(p, false);
  const auto lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 16u + 1 + 15);
  // The bottom line runs under 15 cells, the top one over one.
  EXPECT_NEAR(lines[15].a.x, e.xR - 15 * e.cw, 1e-9);
  EXPECT_NEAR(lines[15].a.y, e.yB, 1e-9);
  EXPECT_NEAR(lines[0].a.x, e.xR - e.cw, 1e-9);
  EXPECT_NEAR(lines[0].b.x, e.xR, 1e-9);
  // 15 rows: row k (position k from the Sun at the bottom) holds columns
  // k + 1 to 16.
  const auto cells = Cells(canvas, e);
  EXPECT_EQ(cells.size(), 120u);
  for (int k = 1; k <= 15; ++k)
    for (int i = 1; i <= 16; ++i) EXPECT_EQ(cells.count({i, k}), i > k ? 1u : 0u) << i << " " << k;
  EXPECT_EQ(cells.begin()->second.color, QBColor(1));  // conjunction: option 181
  // A chart outside Chiron's table: Chiron's column stays empty.
  Page early = p;
  early.in.options = &early.options;
  early.in.columnsHaveChiron = early.in.rowsHaveChiron = false;
  const auto without = Cells(early.Print(), e);
  EXPECT_EQ(without.size(), 105u);
  for (const auto& [at, cell] : without) EXPECT_NE(at.first, 16);
  // Column labels from the Moon to Chiron under the grid, row labels from
  // the Sun to the MC on its right.
  // Each label stands level with its row, or under its column, as the
  // cells do.
  std::vector<std::string> below, right;
  for (const CanvasRecord& t : canvas.Texts()) {
    if (std::fabs(t.a.y - (e.yB - 5)) < 1e-9) {
      below.push_back(t.text);
      const double column = 2.0 + double(below.size() - 1);
      EXPECT_NEAR(t.a.x, cells.at({int(column), 1}).a.x, 1e-9) << column;
    }
    if (std::fabs(t.a.x - (e.xR + 5)) < 1e-9) {
      right.push_back(t.text);
      const int row = 16 - int(right.size());
      EXPECT_NEAR(t.a.y, cells.at({16, row}).a.y, 1e-9) << row;
    }
  }
  ASSERT_EQ(below.size(), 15u);
  EXPECT_EQ(below.front(), GlyphText(GlyphCode::PointBase + ChartPoint::Moon));
  EXPECT_EQ(below.back(), GlyphText(GlyphCode::PointBase + ChartPoint::Chiron));
  ASSERT_EQ(right.size(), 15u);
  EXPECT_EQ(right.front(), GlyphText(GlyphCode::PointBase + ChartPoint::MC));  // drawn top down
  EXPECT_EQ(right.back(), GlyphText(GlyphCode::PointBase + ChartPoint::Sun));
}

TEST(AspectGrid, AspectAndColourOfACell) {
  const struct {
    double moon;
    int kind;
    float orb;
    int code;
    int colorOption;
  } cases[] = {
      {51.5, 16, 1, 17, 187},    // septile
      {52.5, 16, 1, 1, 0},       // just outside it
      {150, 10, 0, 11, 184},     // quincunx, exact with no orb
      {44.2, 8, 1, 9, 185},      // semi-square
      {288, 13, 1, 14, 186},     // quintile the other way round
      {181, 5, 1, 6, 183},       // opposition
      {118.5, 4, 1.6f, 5, 182},  // trine
  };
  for (const auto& c : cases) {
    Page p;
    p.in.wheelAngles[ChartPoint::Sun] = 0;
    p.in.wheelAngles[ChartPoint::Moon] = c.moon;
    (*p.in.orbs)[std::size_t(c.kind)] = c.orb;
    const auto cells = Cells(p.Print(), EdgesOf(p, false));
    const auto cell = cells.find({2, 1});  // the Moon's column, the Sun's row
    if (c.code == 1) {
      EXPECT_EQ(cell, cells.end()) << c.moon;
      continue;
    }
    ASSERT_NE(cell, cells.end()) << c.moon;
    EXPECT_EQ(cell->second.text, GlyphText(GlyphCode::AspectBase + c.code)) << c.moon;
    EXPECT_EQ(cell->second.color, QBColor(p.options[std::size_t(c.colorOption)])) << c.moon;
  }
  // Inside a wide conjunction orb and a semi-sextile orb: the conjunction,
  // tested last.
  Page p;
  p.in.wheelAngles[ChartPoint::Sun] = 0;
  p.in.wheelAngles[ChartPoint::Moon] = 29;
  (*p.in.orbs)[1] = 30, (*p.in.orbs)[7] = 2;
  const auto cells = Cells(p.Print(), EdgesOf(p, false));
  EXPECT_EQ(cells.at({2, 1}).text, GlyphText(GlyphCode::AspectBase + 2));
}

TEST(AspectGrid, OptionsMoveTheWholeGrid) {
  Page p;
  (*p.in.orbs)[1] = 180;
  for (bool twoCharts : {false, true}) {
    p.in.twoCharts = twoCharts;
    const auto before = p.Print().Records();
    const double th = kLine7;
    for (int option : {twoCharts ? 189 : 188, 179}) {
      Page moved = p;
      moved.in.options = &moved.options;
      moved.options[std::size_t(option)] += 1;
      const auto after = moved.Print().Records();
      ASSERT_EQ(after.size(), before.size());
      const UserPoint shift = option == 179 ? UserPoint{-1, 0} : UserPoint{0, 1.25 * th};
      for (std::size_t n = 0; n < after.size(); ++n) {
        EXPECT_NEAR(after[n].a.x - before[n].a.x, shift.x, 1e-9) << option << " " << n;
        EXPECT_NEAR(after[n].a.y - before[n].a.y, shift.y, 1e-9) << option << " " << n;
      }
    }
  }
}

// Where its place would bring the grid within a unit of a kept box or of
// the wheel, the whole grid stands lower, as little as clears them (in
// steps of a quarter unit), and never below the page.
TEST(AspectGrid, AGridMeetingTheWheelOrALabelStandsLower) {
  struct Case {
    const char* name;
    std::vector<std::array<UserPoint, 2>> kept;
    double reach;
    std::optional<double> drop;  // the least; none: down to the page's bottom
  };
  Page p;
  (*p.in.orbs)[1] = 180;
  RecordingCanvas shape(2550, 3300, 300);
  shape.SetScale(kLeft, kTop, -kLeft, kBottom);
  const double squash = 1 / SurfaceVerticalFactor(shape);  // down the page, units are shorter
  for (bool twoCharts : {false, true}) {
    p.in.twoCharts = twoCharts;
    const auto placed = p.Print().Records();
    const Edges e = EdgesOf(p, twoCharts);
    // The top rule: the square's, or the staircase's first cell's.
    const double top = e.yB + (twoCharts ? 16 : 15) * e.ch, xL = e.xR - 16 * e.cw;
    const double labelLeft = twoCharts ? xL + 5 : e.xR - 10;
    std::vector<Case> cases{
        {"nothing in the way", {}, 0, 0},
        {"a label 3.1 units into it",
         {{{{labelLeft, top + 8}, {labelLeft + 20, top - 3.1}}}},
         0,
         4.1},
        {"a label beside it", {{{{xL - 30, top + 8}, {xL - 1.5, top - 3}}}}, 0, 0},
        {"the whole page", {{{{kLeft, kTop}, {-kLeft, kBottom}}}}, 0, std::nullopt}};
    if (twoCharts) {
      // A wheel reaching 5 units past the square's top rule, its nearest
      // part, which begins a hair right of the centre.
      const double reach = std::hypot(xL, squash * top) + 5;
      cases.push_back(
          {"the wheel", {}, reach, std::sqrt((reach + 1) * (reach + 1) - xL * xL) / squash + top});
    }
    for (const Case& c : cases) {
      const std::string name = std::string(c.name) + (twoCharts ? ", square" : ", staircase");
      Page lowered = p;
      lowered.in.options = &lowered.options;
      lowered.in.keepClear = c.kept;
      lowered.in.wheelReach = c.reach;
      const auto records = lowered.Print().Records();
      ASSERT_EQ(records.size(), placed.size()) << name;
      const double drop = placed.front().a.y - records.front().a.y;
      double bottom = 0;
      for (std::size_t n = 0; n < records.size(); ++n) {
        EXPECT_NEAR(records[n].a.x, placed[n].a.x, 1e-9) << name << " " << n;
        EXPECT_NEAR(placed[n].a.y - records[n].a.y, drop, 1e-9) << name << " " << n;
        bottom = std::min(bottom, records[n].kind == CanvasRecord::Kind::Text
                                      ? records[n].a.y - kLine7
                                      : std::min(records[n].a.y, records[n].b.y));
      }
      if (c.drop) {
        EXPECT_GE(drop, *c.drop - 1e-9) << name;
        EXPECT_LT(drop, *c.drop + 0.25) << name;
      } else {
        EXPECT_GE(bottom, kBottom - 1e-9) << name;
        EXPECT_LT(bottom, kBottom + 0.25) << name;
      }
    }
  }
}

TEST(AspectGrid, SquareOfTwoCharts) {
  Page p;
  p.in.twoCharts = true;
  p.in.caption = "John Roe";
  p.in.outerAngles = p.in.wheelAngles;
  (*p.in.orbs)[1] = 0.5f;  // each point conjunct its own place in the other chart
  const RecordingCanvas canvas = p.Print();
  const Edges e = EdgesOf(p, true);
  EXPECT_EQ(canvas.Lines().size(), 17u + 17);
  const auto cells = Cells(canvas, e);
  ASSERT_EQ(cells.size(), 16u);
  for (int i = 1; i <= 16; ++i) EXPECT_EQ(cells.count({i, i}), 1u) << i;
  // The caption ends where the column labels begin.
  const auto texts = canvas.Texts();
  const auto caption = std::find_if(texts.begin(), texts.end(),
                                    [](const CanvasRecord& t) { return t.text == "John Roe: "; });
  ASSERT_NE(caption, texts.end());
  EXPECT_NEAR(caption->a.x + 10 * kChar7, e.xR - 16 * e.cw, 1e-9);
}

TEST(AspectGrid, InputsOfAPreparedWheel) {
  WheelRequest r;
  r.WheelKind = 2;
  r.HelioWheel = 1;
  r.Longitudes[1] = 10, r.DualOuterLongitudes[1] = 20;
  r.InnerWheelHeader[1] = "Renée Doe";
  OptionValues options{};
  const OrbTable orbs{};
  WheelPaintInputs in;
  in.request = &r;
  in.options = &options;
  in.orbs = &orbs;
  const AspectGridInputs grid = WheelGridInputs(in);
  EXPECT_TRUE(grid.twoCharts);
  EXPECT_TRUE(grid.helio);
  EXPECT_FALSE(grid.swapped);
  EXPECT_EQ(grid.wheelAngles[1], 10);
  EXPECT_EQ(grid.outerAngles[1], 20);
  EXPECT_EQ(grid.caption, "Renée Doe");
  EXPECT_TRUE(grid.orbs.has_value());
  in.orbs = nullptr;
  EXPECT_FALSE(WheelGridInputs(in).orbs.has_value());
}

TEST(AspectGrid, ExchangedChartsKeepTheirColumns) {
  // The first chart's Sun at 0, the second chart's Moon at 90: a square in
  // the Sun's column and the Moon's row, whichever arrays hold the charts.
  Page p;
  p.in.twoCharts = true;
  p.in.wheelAngles[ChartPoint::Sun] = 0;
  p.in.outerAngles[ChartPoint::Moon] = 90;
  (*p.in.orbs)[3] = 1;
  EXPECT_EQ(Cells(p.Print(), EdgesOf(p, true)).count({1, 2}), 1u);
  std::swap(p.in.wheelAngles, p.in.outerAngles);
  EXPECT_EQ(Cells(p.Print(), EdgesOf(p, true)).count({2, 1}), 1u);  // read as it stands
  p.in.swapped = true;
  const auto cells = Cells(p.Print(), EdgesOf(p, true));
  EXPECT_EQ(cells.count({1, 2}), 1u);
  EXPECT_EQ(cells.count({2, 1}), 0u);
}

TEST(AspectGrid, HeliocentricGridLeavesOutTheMoonNodesAndAngles) {
  Page p;
  p.in.helio = true;
  (*p.in.orbs)[1] = 180;
  const RecordingCanvas canvas = p.Print();
  const auto cells = Cells(canvas, EdgesOf(p, false));
  EXPECT_EQ(cells.size(), 45u);  // the pairs of ten positions
  for (const auto& [at, cell] : cells)
    for (int skipped : {2, 11, 12, 13, 14, 15})
      EXPECT_TRUE(at.first != skipped && at.second != skipped) << at.first << " " << at.second;
  // The Earth's glyph labels the first row (and, sharing its code, the
  // Part of Fortune's row and column); the left-out rows keep their labels.
  const auto texts = canvas.Texts();
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](auto& t) { return t.text == GlyphText(GlyphCode::Earth); }),
            3);
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](auto& t) {
                            return t.text == GlyphText(GlyphCode::PointBase + ChartPoint::Sun);
                          }),
            0);
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](auto& t) {
                            return t.text == GlyphText(GlyphCode::PointBase + ChartPoint::Moon);
                          }),
            2);
}

}  // namespace
}  // namespace orv
