// The wheel's geometry against the worked values of its layout rules.

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

#include "core/ephemeris/DataTables.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/WheelLayout.h"

namespace orv {
namespace {

double Cos(double deg) { return std::cos(deg * 3.1415926535 / 180); }

TEST(WheelLayout, WindowAndPageScales) {
  const std::tuple<double, double, std::optional<int>> resizes[] = {
      {800, 600, 320}, {1000, 700, 343}, {500, 500, 276}, {300, 600, 276}, {0, 600, std::nullopt}};
  for (const auto& [w, h, scale] : resizes) EXPECT_EQ(StartScaleFor(w, h), scale) << w << "x" << h;
  EXPECT_EQ(PrinterStartScale(1, 1), 272);
  EXPECT_EQ(PrinterStartScale(1, 2), 265);
  const std::tuple<int, double, double, double> pages[] = {{265, 255.0625, 264.928125, -372.728125},
                                                           {272, 261.8, 273.35, -381.15}};
  for (const auto& [s, half, top, bottom] : pages) {
    const ScaleEdges e = PrinterScaleEdges(s);
    EXPECT_NEAR(e.left, -half, 1e-9);
    EXPECT_NEAR(e.right, half, 1e-9);
    EXPECT_NEAR(e.top, top, 1e-9);
    EXPECT_NEAR(e.bottom, bottom, 1e-9);
  }
}

TEST(WheelLayout, WindowFontScaleFollowsTheRoomPerUnit) {
  // Surfaces of a given size at `StartScale` from the resize rule.
  const struct {
    double width, height, dpi, scale;
  } surfaces[] = {
      {800, 600, 96, 1},          // the option sizes as they are
      {1000, 750, 120, 1},        // the same window at 120 dpi: the same points
      {1600, 1200, 96, 2},        // twice as large every way
      {1600, 1000, 96, 1000.0 / 480 / 1.25},  // wide: the height counts
      {604, 900, 96, 604.0 / 552 / 1.25},     // tall: the width counts
      {400, 300, 96, SmallestFontScale},      // below the least: held there
  };
  for (const auto& s : surfaces) {
    const double unitsAcross = 2 * *StartScaleFor(s.width, s.height);
    EXPECT_NEAR(WindowFontScale(s.width / unitsAcross, s.dpi), s.scale, 0.002)
        << s.width << "x" << s.height << " at " << s.dpi;
  }
  EXPECT_EQ(WindowFontScale(0, 96), 1);
  // The smallest wheel area has the least scale, whichever side limits it.
  for (const double dpi : {96.0, 120.0, 144.0}) {
    const DeviceSize least = LegibleWheelArea(dpi);
    const double unitsAcross = 2 * *StartScaleFor(least.width, least.height);
    EXPECT_NEAR(WindowFontScale(least.width / unitsAcross, dpi), SmallestFontScale, 0.005) << dpi;
    EXPECT_NEAR(double(least.width) / least.height, 276.0 / 240, 0.005) << dpi;
  }
  EXPECT_EQ(LegibleWheelArea(96).width, 604);
  EXPECT_EQ(LegibleWheelArea(96).height, 525);
}

TEST(WheelLayout, SpokesAndHouseWidths) {
  const auto equal = EqualSpokeAngles();
  HouseCusps c{};
  for (int h = 1; h <= 12; ++h) c[std::size_t(CuspIndexOfHouse(h))] = 30.0 * (h - 1) + 7;
  const auto european = SingleFrameSpokeAngles(1, c);  // equal houses: the same spokes
  for (std::size_t k = 0; k < 12; ++k) {
    EXPECT_NEAR(equal[k], 30.0 * double(k), 1e-6) << k;
    EXPECT_NEAR(european[k], std::fmod(180 + 30.0 * double(k), 360), 1e-9) << k;
  }
  c[4] = 350;  // Ascendant 350, 2nd cusp 20: that spoke at 210
  c[5] = 20;
  EXPECT_NEAR(SingleFrameSpokeAngles(1, c)[1], 210, 1e-9);
  EXPECT_EQ(SingleFrameSpokeAngles(0, c), equal);
  EXPECT_NEAR(SpokeEnds(90, 120, 217, 0.9825)[1].y, 213.2025, 1e-9);
  c[1] = 10;  // the 10th house, 277.5 wide, reads 7.5; the 9th, the last entry, keeps it
  c[2] = 287.5;
  c[12] = 92.5;
  EXPECT_DOUBLE_EQ(HouseSectorWidths(c)[1], 7.5);
  EXPECT_DOUBLE_EQ(HouseSectorWidths(c)[12], 277.5);
}

TEST(WheelLayout, CuspLabelsHouseNumbersAndSteps) {
  const DataTables shipped = ReadDataTables(ORVANTA_DATA_DIR).tables;
  // American labels stand at their table places whatever the cusp; 0 Leo 0
  // reads "00", the sign, "00". A missing table falls back on the derived
  // places, not the centre.
  const CuspLabel mc = TableCuspLabel(1, 120.0, shipped.HcDataTable, false);
  const int codes[] = {'0', '0', 196, '0', '0'};
  for (std::size_t c = 0; c < 5; ++c) {
    EXPECT_EQ(mc[c].code, codes[c]);
    EXPECT_EQ(mc[c].at, (UserPoint{double(shipped.HcDataTable[2 * c]),
                                   double(shipped.HcDataTable[2 * c + 1])}));
  }
  const CuspLabel seven = TableCuspLabel(1, 127 + 29.0 / 60, shipped.HcDataTable, false);
  EXPECT_EQ((std::array{seven[0].code, seven[1].code, seven[3].code, seven[4].code}),
            (std::array{int('0'), int('7'), int('2'), int('9')}));  // 7 Leo 29: "07", "29"
  EXPECT_EQ(TableCuspLabel(4, 0, {}, false)[0].at,
            TableCuspLabel(4, 0, shipped.HcDataTable, false)[0].at);
  EXPECT_TRUE(CuspLabelFromTable(4, 1, 1) && CuspLabelFromTable(10, 1, 1) &&
              CuspLabelFromTable(2, 1, 2));
  EXPECT_FALSE(CuspLabelFromTable(2, 1, 1));
  // Polar labels: the left shift by band, at the band edges; from there a
  // label only moves straight out along its ray, clear of the rim.
  const std::tuple<double, bool, double> bands[] = {{80, false, 0},    {280, false, 0},
                                                    {90, false, -23},  {90, true, -21},
                                                    {100, false, -49}, {260, true, -39}};
  for (const auto& [a, printing, shift] : bands) {
    const UserPoint at = PolarCuspLabel(a, 0, printing)[0].at;
    const double dx = at.x - (4 + OutsideRimRadius * Cos(a) + shift - 2);
    const double dy = at.y - (4 + OutsideRimRadius * Cos(90 - a));
    EXPECT_NEAR(dx * Cos(90 - a) - dy * Cos(a), 0, 1e-6) << a;
    EXPECT_GE(dx * Cos(a) + dy * Cos(90 - a), 0) << a;
  }
  const auto numbers = HouseNumberCharacters();
  EXPECT_EQ(numbers[0].at, (UserPoint{-52, -6}));
  EXPECT_EQ(numbers[14].at, (UserPoint{-48, 18}));
  // One cell toward the centre: left at 0 degrees, down 0.75 (paper 0.8) of
  // the cell at 90.
  EXPECT_EQ(StepTowardCentre({0, 0}, 0, 10, 20, false), (UserPoint{-10, 0}));
  EXPECT_NEAR(StepTowardCentre({0, 0}, 90, 10, 20, false).y, -15, 1e-9);
  EXPECT_NEAR(StepTowardCentre({0, 0}, 90, 10, 20, true).y, -16, 1e-9);
  // A diagonal step stays on its ray: a full cell across, less up or down.
  const UserPoint diagonal = StepTowardCentre({0, 0}, 45, 10, 20, false);
  EXPECT_NEAR(diagonal.x, -10, 1e-6);
  EXPECT_NEAR(diagonal.y, -10, 1e-6);
  EXPECT_NEAR(StepTowardCentre({0, 0}, 60, 10, 20, false).x, -15 / std::sqrt(3.0), 1e-6);
  // The printer tightens the minute step only right of the centre.
  for (const auto& [angle, step] : {std::pair{75.0, 10}, {310.0, 10}, {75.5, 12}})
    EXPECT_EQ(ShrunkDigitStep(12, 10, 10, 2, angle, true), step) << angle;
  EXPECT_EQ(ShrunkDigitStep(12, 8, 10, 2, 0, false), 12);
}

TEST(WheelLayout, InterceptedSignsAndTheDeclinationMap) {
  const auto houses = [](std::initializer_list<std::pair<int, double>> set) {
    HouseCusps c{};
    for (int h = 1; h <= 12; ++h) c[std::size_t(CuspIndexOfHouse(h))] = 30.0 * (h - 1) + 5;
    for (auto [h, v] : set) c[std::size_t(CuspIndexOfHouse(h))] = v;
    return c;
  };
  const std::tuple<HouseCusps, int, std::vector<int>> cases[] = {
      {houses({}), 1, {}},
      {houses({{11, 298}, {12, 332}}), 11, {11}},  // 28 Capricorn to 2 Pisces: Aquarius
      {houses({{12, 325}, {1, 3}}), 12, {12}},     // 25 Aquarius to 3 Aries: Pisces
      {houses({{12, 350}, {1, 35}}), 12, {1}},     // 20 Pisces to 5 Taurus: Aries
      {houses({{1, 5}, {2, 95}}), 1, {2, 3}},      // two whole signs: both
  };
  for (const auto& [cusps, house, signs] : cases) EXPECT_EQ(InterceptedSigns(cusps, house), signs);
  EXPECT_DOUBLE_EQ(InterceptionAngle(houses({}), 1, 0, 1), 195);
  EXPECT_DOUBLE_EQ(InterceptionAngle(houses({}), 10, 0, 1), 105);
  EXPECT_NEAR(InterceptionPosition(195).x, 4 + OutsideRimRadius * Cos(195) - 20, 1e-6);
  EXPECT_DOUBLE_EQ(DeclinationDisplayAngle(-23.5), 141);
  EXPECT_DOUBLE_EQ(DeclinationDisplayAngle(0), 180);
  EXPECT_DOUBLE_EQ(DeclinationDisplayAngle(23.5), 321);
}

// No cusp label's box, on the window or the page, at a fixed place or at its
// true angle, reaches into the rim: the circle would strike it through.
TEST(WheelLayout, CuspLabelsClearTheRim) {
  for (bool printing : {false, true}) {
    const double width =
        printing ? derived::kPrinterCuspLabelWidth : derived::kWindowCuspLabelWidth;
    const auto clears = [&](const CuspLabel& label) {
      const UserPoint at = label[0].at;
      const double nx = std::clamp(0.0, at.x, at.x + width);
      const double ny = std::clamp(0.0, at.y - derived::kCuspLabelHeight, at.y);
      return std::hypot(nx, ny) >= 217 + 1;
    };
    for (int i = 1; i <= 12; ++i)
      EXPECT_TRUE(clears(TableCuspLabel(i, 0, {}, printing))) << i << " " << printing;
    for (int a = 0; a < 360; a += 5)
      EXPECT_TRUE(clears(PolarCuspLabel(a, 0, printing))) << a << " " << printing;
  }
}

// The shipped tables are the derived ones, so the fallback draws the same
// wheel as the files.
TEST(WheelLayout, ShippedTablesAreTheDerivedOnes) {
  const DataTables shipped = ReadDataTables(ORVANTA_DATA_DIR).tables;
  for (int d = 0; d <= 360; ++d)
    EXPECT_EQ(shipped.RadiusTable[std::size_t(d)], derived::GlyphRadius(d));
  for (int i = 1; i <= 12; ++i)
    for (std::size_t e = 0; e < 10; ++e)
      EXPECT_EQ(shipped.HcDataTable[std::size_t(10 * (i - 1)) + e],
                derived::CuspLabelRecord(i, false)[e]);
}

}  // namespace
}  // namespace orv
