// The two-ring wheel: where the points of both charts go in their sectors,
// their degree texts, the sign glyphs of the ring and its spokes, and the
// label colours and sizes the paint gives them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "RecordingCanvas.h"
#include "WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "wheels/DualPlacement.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv {
namespace {

// A ring holding only `entries` (entry number, display value); every other
// entry's record names no house, so it takes no part.
DualWheelInputs Ring(const std::map<int, double>& entries) {
  DualWheelInputs in;
  in.cusps = EqualFrameCusps();
  in.housePositions = std::string(DualEntries * 10, ' ');
  for (const auto& [k, v] : entries) {
    in.values[std::size_t(k)] = v;
    PointArray<double> one{};
    one[1] = v;
    const std::string record =
        PlacePlanetsInHouses(std::string(10, ' '), one, in.cusps, HouseLabels).substr(0, 10);
    in.housePositions.replace(std::size_t(k - 1) * 10, 10, record);
  }
  return in;
}

std::map<int, double> AnglesOf(const DualPlacement& placed) {
  std::map<int, double> angles;
  for (const DualLabel& l : placed.labels) angles[l.entry] = l.angle;
  return angles;
}

TEST(DualPlacement, PositionsWithinTheSectors) {
  using Angles = std::map<int, double>;
  const double seventh = 30.0 / 7;
  const struct {
    const char* name;
    std::map<int, double> entries;
    Angles angles;
  } cases[] = {
      // Three entries in Aries: four positions 7.5 apart from 182.
      {"three", {{1, 1}, {2, 10}, {3, 20}}, {{1, 182}, {2, 189.5}, {3, 197}}},
      // Two whose offsets both give position 0: the lower takes it.
      {"coinciding", {{1, 1}, {17, 2}}, {{1, 182}, {17, 189.5}}},
      // Seven: one position each, 30/7 apart; chart 2's entries mixed in.
      {"seven",
       {{1, 1}, {18, 5}, {2, 9}, {19, 13}, {3, 17}, {20, 21}, {4, 25}},
       {{1, 182},
        {18, 182 + seventh},
        {2, 182 + 2 * seventh},
        {19, 182 + 3 * seventh},
        {3, 182 + 4 * seventh},
        {20, 182 + 5 * seventh},
        {4, 182 + 6 * seventh}}},
      // Twelve: nine positions 3.33 apart, the last three walk on into
      // Taurus's positions, and Taurus's own entry after them.
      {"twelve",
       {{1, 1},
        {2, 3},
        {3, 5},
        {4, 7},
        {5, 9},
        {6, 11},
        {7, 13},
        {8, 15},
        {9, 17},
        {16, 19},
        {17, 21},
        {18, 23},
        {19, 31}},
       {{1, 182},
        {2, 185.33},
        {3, 188.66},
        {9, 182 + 8 * 3.33},
        {16, 182 + 9 * 3.33},
        {17, 182 + 10 * 3.33},
        {18, 182 + 11 * 3.33},
        {19, 212 + 3 * 7.5}}},
      // Proportional positions at the end of Pisces, Aries from 182 again.
      {"pisces", {{1, 359}, {2, 1}, {17, 350}}, {{17, 152 + 15}, {1, 152 + 22.5}, {2, 182}}},
  };
  for (const auto& c : cases) {
    const DualPlacement placed = PlaceDualWheel(Ring(c.entries));
    const Angles angles = AnglesOf(placed);
    EXPECT_EQ(angles.size(), c.entries.size()) << c.name;
    for (const auto& [k, a] : c.angles) EXPECT_NEAR(angles.at(k), a, 1e-9) << c.name << " " << k;
  }
  EXPECT_EQ(DualHouseSlotsFor(3).positions, 4);
  EXPECT_EQ(DualHouseSlotsFor(7).positions, 7);
  EXPECT_EQ(DualHouseSlotsFor(12).positions, 9);
  EXPECT_EQ(DualHouseSlotsFor(12).spacingDeg, 3.33);
}

TEST(DualPlacement, AValueAHairShortOfTheCuspStartsTheHouse) {
  DualWheelInputs in = Ring({{1, 15}, {2, 20}});
  in.values[2] = 359.99999;  // its record still names Aries
  const auto angles = AnglesOf(PlaceDualWheel(in));
  EXPECT_NEAR(angles.at(2), 182, 1e-9);
  EXPECT_NEAR(angles.at(1), 197, 1e-9);
}

TEST(DualPlacement, TogglesEnabledPointsAndHeliocentricWheels) {
  // The Sun, Mercury and Venus and the Moon of chart 1 in Aries, the Moon of
  // chart 2 in Taurus.
  const std::map<int, double> entries{{1, 2}, {2, 9}, {3, 16}, {10, 23}, {26, 40}};
  const struct {
    bool moonShown, helio;
    const char* enabledNatal;
    std::vector<int> drawn;
    int ariesCount;
  } cases[] = {
      {false, false, "1111111111111111", {1, 2, 3}, 3},
      {true, false, "1111111111111111", {1, 2, 3, 10, 26}, 4},
      {true, false, "0111111111111111", {2, 3, 10, 26}, 4},  // disabled: counted, not drawn
      {true, true, "1111111111111111", {1, 2, 3}, 4},        // helio: the Moons take room only
  };
  for (const auto& c : cases) {
    DualWheelInputs in = Ring(entries);
    in.pointShown[0] = c.moonShown;
    in.helio = c.helio;
    in.enabledNatal = c.enabledNatal;
    const DualPlacement placed = PlaceDualWheel(in);
    std::vector<int> drawn;
    for (const DualLabel& l : placed.labels) drawn.push_back(l.entry);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, c.drawn) << c.enabledNatal << c.moonShown << c.helio;
    EXPECT_EQ(placed.houseCounts[1], c.ariesCount);
  }
}

// A chart outside Chiron's table: its Chiron takes no room and is not
// drawn, while the other chart's is.
TEST(DualPlacement, AChironTheTableDoesNotReach) {
  DualWheelInputs in = Ring({{1, 2}, {16, 9}, {17, 5}, {32, 12}});
  in.hasChiron = {true, false};
  const DualPlacement placed = PlaceDualWheel(in);
  std::vector<int> drawn;
  for (const DualLabel& l : placed.labels) drawn.push_back(l.entry);
  std::sort(drawn.begin(), drawn.end());
  EXPECT_EQ(drawn, (std::vector<int>{1, 16, 17}));
  EXPECT_EQ(placed.houseCounts[1], 3);
}

// Records that do not match the values (every entry named in Aries while
// the values go round the circle): every entry still gets a position of
// its own inside the table.
TEST(DualPlacement, PositionsStayInsideTheTableWhateverTheRecords) {
  std::map<int, double> entries;
  for (int k = 1; k <= DualEntries; ++k) entries[k] = 2;
  DualWheelInputs in = Ring(entries);
  in.pointShown.fill(true);
  for (int k = 1; k <= DualEntries; ++k) in.values[std::size_t(k)] = 11.1 * k;
  const DualPlacement placed = PlaceDualWheel(in);
  ASSERT_EQ(placed.labels.size(), std::size_t(DualEntries));
  std::vector<double> angles;
  for (const DualLabel& l : placed.labels) {
    EXPECT_GE(l.angle, 0);
    EXPECT_LT(l.angle, 360);
    angles.push_back(std::round(l.angle * 1000));
  }
  std::sort(angles.begin(), angles.end());
  EXPECT_EQ(std::adjacent_find(angles.begin(), angles.end()), angles.end());
}

TEST(DualPlacement, DegreeTextsAndSignGlyphs) {
  const struct {
    double value;
    bool retro, declination;
    const char* text;
  } texts[] = {{12.345, true, false, "12.3R"}, {12.345, false, false, "12.3"},
               {42.345, false, false, "12.3"}, {59.97, false, false, "29.9"},
               {75, false, true, "12.5"},      {255, true, true, "12.5"},
               {180, false, true, "0.0"}};
  for (const auto& t : texts)
    EXPECT_EQ(DualDegreeText(t.value, t.retro, t.declination), t.text) << t.value;

  // Anchored at 195 + 30 (h - 1), shifted left on the left half, then
  // nudged by sign.
  const auto at = DualSignGlyphPositions(EqualFrameCusps());
  const double r = 248 * 0.91984662;
  const auto x = [&](double a) { return r * std::cos(a * 3.1415926535 / 180) + 4; };
  const auto y = [&](double a) { return r * std::sin(a * 3.1415926535 / 180) + 4; };
  const struct {
    int sign;
    double x, y;
  } signs[] = {{1, -242.35, -55.04},      {1, x(195) - 26, y(195)},  {4, x(285) - 5, y(285)},
               {7, x(15) + 14, y(15)},    {8, x(45) + 6, y(45) + 6}, {9, x(75) - 5, y(75) + 1},
               {10, x(105) - 20, y(105)}, {12, x(165) - 26, y(165)}};
  for (const auto& s : signs) {
    EXPECT_NEAR(at[std::size_t(s.sign)].x, s.x, 0.01) << s.sign;
    EXPECT_NEAR(at[std::size_t(s.sign)].y, s.y, 0.01) << s.sign;
  }
}

// The ring from radius 200 to 230 and both charts' labels, painted.
TEST(DualPlacement, PaintedRingColoursAndCrowdedSizes) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  wb.DualChoices.PointShown.fill(true);
  PrepareDualWheelCommand(wb, DualWheelKind::Display, {});
  WheelRequest& r = *wb.Wheel;
  // Chart 1's Sun to the Moon crowd Aries; the rest stay apart.
  for (std::size_t p = 1; p <= 10; ++p) r.Longitudes[p] = 0.5 + 2.9 * double(p - 1);
  for (std::size_t p = 11; p <= 16; ++p) r.Longitudes[p] = 30.0 * double(p - 9) + 5;
  for (std::size_t p = 1; p <= 16; ++p) r.DualOuterLongitudes[p] = 60 + 18.0 * double(p);
  r.HousePositions =
      PlacePlanetsInHouses(std::string(160, ' '), r.Longitudes, r.Cusps, HouseLabels) +
      PlacePlanetsInHouses(std::string(160, ' '), r.DualOuterLongitudes, r.Cusps, HouseLabels);
  wb.Options[73] = 9;
  wb.Options[83] = 9;
  const WheelPaintInputs in = test::PaintInputsOf(wb);
  for (const bool printing : {false, true}) {
    RecordingCanvas canvas(800, printing ? 1060 : 600, 96);
    if (printing)
      PaintWheelPrinter(canvas, in, {});
    else
      PaintWheelWindow(canvas, in, 320);  // the option sizes drawn as they are
    const auto lines = canvas.Lines();
    ASSERT_GE(lines.size(), 12u);
    // The spokes start on the round circle, on the window and on a page of
    // any shape, whose units are this much taller than wide.
    const double squash = std::fabs(canvas.DeviceUnitsPerUserY() / canvas.DeviceUnitsPerUserX());
    EXPECT_NEAR(lines[0].a.x, 200, 1e-4);
    EXPECT_NEAR(lines[0].b.x, 230, 1e-4);
    EXPECT_NEAR(lines[3].a.y, 200 / squash, 1e-4);
    EXPECT_NEAR(lines[3].b.y, 230 / squash, 1e-4);
    // Degree texts: light blue or light red; Aries's ten in 9 - 4 points,
    // no smaller than 8 (before the sector's fit; on paper too, where 5
    // points would be hard to read), the rest in 9.
    int blue = 0, red = 0, crowded = 0, spacious = 0;
    for (const CanvasRecord& t : canvas.Texts()) {
      if (t.text.find('.') == std::string::npos || t.text.size() > 6) continue;
      blue += t.color == QBColor(9);
      red += t.color == QBColor(12);
      // Fitting the crowded sector may shrink them further, never grow them.
      if (t.color == QBColor(9) && t.a.x < -150 && t.a.y < 0 && t.a.y > -120)
        crowded += t.font.points <= 8 && t.font.points >= 4;
      spacious += t.font.points == 9;
    }
    EXPECT_EQ(blue, 16) << printing;
    EXPECT_EQ(red, 16) << printing;
    EXPECT_EQ(crowded, 10) << printing;
    EXPECT_EQ(spacious, 22) << printing;
  }
}

}  // namespace
}  // namespace orv
