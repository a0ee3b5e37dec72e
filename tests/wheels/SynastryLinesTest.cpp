// The synastry diagram: glyph placement on a scale, the aspect test, which
// pairs get lines in each view, and the paint on the recording surface.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "RecordingCanvas.h"
#include "wheels/GlyphCodes.h"
#include "wheels/SynastryLines.h"

namespace orv {
namespace {

// SYNASTRY.ORB as shipped: conjunction 8, sextile 5, square 7, trine 7,
// opposition 8.
OrbTable ShippedOrbs() {
  OrbTable orbs{};
  orbs[1] = 8, orbs[2] = 5, orbs[3] = 7, orbs[4] = 7, orbs[5] = 8;
  return orbs;
}

// Sixteen slots sorted by longitude, every glyph `g` wide; the points not
// named in `at` (point, longitude) sit at 0 in point order.
std::vector<SynastrySlot> Slots(std::vector<std::pair<int, double>> at, double g) {
  PointArray<double> longitudes{};
  for (auto [p, lon] : at) longitudes[std::size_t(p)] = lon;
  auto slots = SortSynastryPoints(longitudes);
  for (auto& s : slots) s.glyphWidth = g;
  return slots;
}

double PlaceOf(const std::vector<SynastrySlot>& slots,
               const std::vector<std::optional<double>>& placed, int point) {
  for (std::size_t k = 0; k < slots.size(); ++k)
    if (slots[k].point == point) return placed[k].value_or(-1);
  return -1;
}

TEST(SynastryPlacement, EdgesAlongTheScale) {
  constexpr double L = 140, R = 21320, w = 140;
  // Everything else at 0 degrees: the Sun at 0 Aries has its left edge at 0,
  // left of the axis start; the next drawn points are pushed right by one
  // glyph width each.
  {
    const auto slots = Slots({{1, 0}}, w);
    const auto placed = PlaceSynastryGlyphs(slots, L, R, w);
    EXPECT_EQ(PlaceOf(slots, placed, 1), 0);
    EXPECT_EQ(PlaceOf(slots, placed, 2), w);
    // The nodes, the Part of Fortune and the MC get no place.
    for (int p : {11, 12, 13, 15}) EXPECT_EQ(PlaceOf(slots, placed, p), -1) << p;
  }
  // Three planets within a degree of 100 stand side by side, each one glyph
  // width right of the one before: (R - L) x 100 / 360 = 5883.33.
  {
    const auto slots = Slots({{4, 100.6}, {3, 100.3}, {2, 100}}, w);
    const auto placed = PlaceSynastryGlyphs(slots, L, R, w);
    const double first = (R - L) * 100 / 360;
    EXPECT_NEAR(PlaceOf(slots, placed, 2), first, 1e-9);
    EXPECT_NEAR(PlaceOf(slots, placed, 3), first + w, 1e-9);
    EXPECT_NEAR(PlaceOf(slots, placed, 4), first + 2 * w, 1e-9);
  }
  // The entry sorted last, beyond R - w - w / 1.4, goes to exactly
  // R - w / 1.4; one that sorted 15th would go one width further left.
  {
    const auto slots = Slots({{16, 359.9}, {14, 359.8}}, w);
    ASSERT_EQ(slots.back().point, 16);
    const auto placed = PlaceSynastryGlyphs(slots, L, R, w);
    EXPECT_NEAR(PlaceOf(slots, placed, 16), R - w / 1.4, 1e-9);
    EXPECT_NEAR(PlaceOf(slots, placed, 14), R - w - w / 1.4, 1e-9);
    // A chart without Chiron leaves it out.
    EXPECT_EQ(PlaceOf(slots, PlaceSynastryGlyphs(slots, L, R, w, false), 16), -1);
  }
  // Just inside the limit the last entry keeps its own place.
  {
    const double lon = (R - w - w / 1.4 - 1) * 360 / (R - L);
    const auto slots = Slots({{16, lon}}, w);
    const auto placed = PlaceSynastryGlyphs(slots, L, R, w);
    EXPECT_NEAR(PlaceOf(slots, placed, 16), (R - L) * lon / 360, 1e-9);
  }
}

TEST(SynastryPlacement, ExchangeSortIsAscending) {
  PointArray<double> lon{};
  for (int p = 1; p <= NumPoints; ++p) lon[std::size_t(p)] = std::fmod(p * 137.5, 360);
  const auto slots = SortSynastryPoints(lon);
  ASSERT_EQ(slots.size(), 16u);
  EXPECT_TRUE(std::is_sorted(slots.begin(), slots.end(),
                             [](auto& a, auto& b) { return a.longitude < b.longitude; }));
  for (const auto& s : slots) EXPECT_EQ(s.longitude, lon[std::size_t(s.point)]);
}

TEST(SynastryAspects, ClassifierOrderAndLimits) {
  const OrbTable shipped = ShippedOrbs();
  OrbTable wide{};
  for (int k = 1; k <= 5; ++k) wide[std::size_t(k)] = 16;
  const struct {
    double s;
    const OrbTable& orbs;
    int code;
  } cases[] = {
      {65, shipped, 3},   {65.01, shipped, 1}, {55, shipped, 3},    // sextile, inclusive
      {83, shipped, 4},   {97, shipped, 4},    {113, shipped, 5},   // square, trine
      {112.9, shipped, 1}, {172, shipped, 6}, {180, shipped, 6}, {171.9, shipped, 1},  // opposition
      {8, shipped, 2},    {0, shipped, 2},     {8.01, shipped, 1},  // conjunction
      {75, wide, 4},      // inside the sextile and the square windows: a square
      {16, wide, 2},      // a wide conjunction is tested last
      {30, shipped, 1},   // the minor aspects are not drawn
  };
  for (const auto& c : cases) EXPECT_EQ(SynastryAspectCode(c.s, c.orbs), c.code) << c.s;
}

TEST(SynastryAspects, LinesOfEachView) {
  PointArray<double> natal{}, second{};
  for (int p = 1; p <= NumPoints; ++p) natal[std::size_t(p)] = second[std::size_t(p)] = 200 + p;
  // Chart 1: Uranus at 10. Chart 2: Neptune and the Sun square it, Mars
  // opposite, the MC at 100 (not drawn), Venus trine.
  natal[7] = 10;
  second[8] = 100, second[1] = 280, second[4] = 190, second[15] = 100, second[3] = 130;
  const auto lines = SynastryLinesOf(natal, second, ShippedOrbs(), SynastryView::HardAspects);
  const auto has = [&](int i, int j, int code) {
    return std::any_of(lines.begin(), lines.end(), [&](const SynastryLine& l) {
      return l.natalPoint == i && l.secondPoint == j && l.aspectCode == code;
    });
  };
  EXPECT_FALSE(has(7, 8, 4));  // Uranus square Neptune: a generation pair
  EXPECT_TRUE(has(7, 1, 4));   // Uranus square the Sun
  EXPECT_TRUE(has(7, 4, 6));   // Uranus opposite Mars
  EXPECT_FALSE(has(7, 15, 4));
  for (const auto& l : lines) EXPECT_TRUE(l.aspectCode == 4 || l.aspectCode == 6);
  natal[16] = 100;  // Chiron square chart 2's Mars at 190, when it is there
  const auto withChiron = SynastryLinesOf(natal, second, ShippedOrbs(), SynastryView::HardAspects);
  const auto withoutChiron =
      SynastryLinesOf(natal, second, ShippedOrbs(), SynastryView::HardAspects, false, true);
  EXPECT_GT(std::count_if(withChiron.begin(), withChiron.end(),
                          [](auto& l) { return l.natalPoint == 16; }),
            0);
  EXPECT_EQ(std::count_if(withoutChiron.begin(), withoutChiron.end(),
                          [](auto& l) { return l.natalPoint == 16; }),
            0);
  const auto soft = SynastryLinesOf(natal, second, ShippedOrbs(), SynastryView::SoftAspects);
  ASSERT_FALSE(soft.empty());
  for (const auto& l : soft) EXPECT_TRUE(l.aspectCode == 3 || l.aspectCode == 5);
  // Conjunctions: every drawn pair near 200 in both charts, in point order.
  const auto conj = SynastryLinesOf(natal, second, ShippedOrbs(), SynastryView::Conjunctions);
  ASSERT_FALSE(conj.empty());
  EXPECT_EQ(conj.front().natalPoint, 1);
  EXPECT_EQ(conj.front().secondPoint, 2);
  for (const auto& l : conj) {
    EXPECT_EQ(l.aspectCode, 2);
    EXPECT_FALSE(IsGenerationPair(l.natalPoint, l.secondPoint));
  }
}

TEST(SynastryAspects, ThreeClicksComeBackToSquares) {
  SynastryView v = SynastryView::HardAspects;
  const char* captions[] = {"Synastry - sextiles (blue) and trines (green)",
                            "Synastry - conjunctions",
                            "Synastry - squares (red) and oppositions (blue)"};
  for (const char* caption : captions) {
    v = NextSynastryView(v);
    EXPECT_EQ(SynastryViewCaption(v), caption);
  }
  EXPECT_EQ(v, SynastryView::HardAspects);
}

TEST(SynastryPaint, ScalesGlyphsNamesAndLines) {
  OptionValues options{};
  options[151] = 9, options[153] = 14, options[154] = 16, options[155] = 1, options[157] = 0;
  options[158] = 4, options[159] = 15, options[160] = 0, options[161] = 8, options[162] = 7;
  options[164] = 12, options[165] = 5;
  SynastryPaintInputs in;
  in.options = &options;
  // Chart 1 all at 0 Aries but Mercury at 40; chart 2 all at 0.5 but the
  // Moon at 130, square chart 1's Mercury: the only square.
  for (int p = 1; p <= NumPoints; ++p) in.secondLongitudes[std::size_t(p)] = 0.5;
  in.natalLongitudes[2] = 40;
  in.secondLongitudes[10] = 130;
  in.natalRetroFlags = std::string(16, ' ');
  in.natalRetroFlags[1] = 'R';  // Mercury
  in.secondRetroFlags = std::string(16, ' ');
  in.natalName = "Renée Doe";
  in.secondName = "John Roe";
  in.orbs = ShippedOrbs();
  RecordingCanvas canvas(1440, 267, 96);  // 21600 by 4005 twips
  PaintSynastryLines(canvas, in);

  ASSERT_EQ(canvas.Records().front().kind, CanvasRecord::Kind::Clear);
  EXPECT_EQ(canvas.Records().front().color, QBColor(15));
  const auto lines = canvas.Lines();
  // Both axes span the same x range in the base size: 14 pt digits are 140
  // twips wide.
  const double L = 140, R = 21600 - 280;
  const auto axis = [&](double y) {
    return std::count_if(lines.begin(), lines.end(), [&](const CanvasRecord& l) {
      return l.a == UserPoint{L, y} && l.b == UserPoint{R, y} && l.color == QBColor(0);
    });
  };
  EXPECT_EQ(axis(600), 1);
  EXPECT_EQ(axis(3000), 1);
  // Per scale: 73 five-degree ticks, 37 ten-degree ticks and 13 sign
  // boundaries, the last at R closed by Aries again.
  const auto ticks = [&](double halfHeight) {
    return std::count_if(lines.begin(), lines.end(), [&](const CanvasRecord& l) {
      return l.a.x == l.b.x && l.b.y - l.a.y == 2 * halfHeight;
    });
  };
  EXPECT_EQ(ticks(40), 2 * 73);
  EXPECT_EQ(ticks(60), 2 * 37);
  EXPECT_EQ(ticks(120), 2 * 13);
  const auto texts = canvas.Texts();
  const auto first = [&](std::string_view text) {
    return std::find_if(texts.begin(), texts.end(),
                        [&](const CanvasRecord& t) { return t.text == text; });
  };
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](auto& t) { return t.text == GlyphText(GlyphCode::ScaleEnd); }),
            2);
  // The Sun's glyph at 0 Aries: left edge at 0, below chart 1's axis.
  const auto sun = first(GlyphText(GlyphCode::PointBase + 1));
  ASSERT_NE(sun, texts.end());
  EXPECT_EQ(sun->a, (UserPoint{0, 720}));
  // Retrograde Mercury in its own size and colour.
  const auto mercury = first(GlyphText(GlyphCode::PointBase + 2));
  EXPECT_EQ(mercury->font.points, 16);
  EXPECT_EQ(mercury->color, QBColor(4));
  // The names: top left and 550 twips above the bottom.
  EXPECT_EQ(first("Renée Doe")->a, (UserPoint{10, 0}));
  EXPECT_NEAR(first("John Roe")->a.y, 4005 - 550, 1e-9);
  // The square from chart 1's Mercury (16 pt glyph) to chart 2's Moon: red,
  // from glyph centre to glyph centre.
  const auto red = std::find_if(lines.begin(), lines.end(),
                                [](const CanvasRecord& l) { return l.color == QBColor(12); });
  ASSERT_NE(red, lines.end());
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const CanvasRecord& l) { return l.a.y == 900; }),
            1);
  EXPECT_NEAR(red->a.x, (R - L) * 40 / 360 + 160 / 2.0, 1e-9);
  EXPECT_NEAR(red->b.x, (R - L) * 130 / 360 + 140 / 2.0, 1e-9);
  EXPECT_EQ(red->a.y, 900);
  EXPECT_EQ(red->b.y, 2600);

  // Without orbs no line joins the scales.
  in.orbs.reset();
  RecordingCanvas bare(1440, 267, 96);
  PaintSynastryLines(bare, in);
  for (const auto& l : bare.Lines()) EXPECT_FALSE(l.a.y == 900 && l.b.y == 2600);
}

}  // namespace
}  // namespace orv
