// The wheel's geometry against the worked values of its layout rules.

#include <gtest/gtest.h>

#include <cmath>

#include "core/Angles.h"
#include "core/ephemeris/DataTables.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/WheelLayout.h"

namespace orv {
namespace {

constexpr double kTol = 1e-9;

TEST(WheelLayout, WindowAndPageScales) {
  const struct {
    double w, h;
    std::optional<int> scale;
  } resizes[] = {{800, 600, 300}, {1000, 700, 321}, {500, 500, 225}, {300, 600, 244},
                 {30, 6000, 244}, {0, 600, std::nullopt}, {800, 0, std::nullopt}};
  for (const auto& r : resizes) EXPECT_EQ(StartScaleFor(r.w, r.h), r.scale) << r.w << "x" << r.h;

  EXPECT_EQ(PrinterStartScale(1, 1), 272);
  EXPECT_EQ(PrinterStartScale(0, 1), 265);
  EXPECT_EQ(PrinterStartScale(1, 2), 265);
  const struct {
    int s;
    double half, top, bottom;
  } pages[] = {{265, 255.0625, 264.928125, -372.728125}, {272, 261.8, 273.35, -381.15}};
  for (const auto& p : pages) {
    const ScaleEdges e = PrinterScaleEdges(p.s);
    EXPECT_NEAR(e.left, -p.half, kTol);
    EXPECT_NEAR(e.right, p.half, kTol);
    EXPECT_NEAR(e.top, p.top, kTol);
    EXPECT_NEAR(e.bottom, p.bottom, kTol);
  }
}

TEST(WheelLayout, SpokesAndHouseWidths) {
  const auto equal = EqualSpokeAngles();
  for (std::size_t k = 0; k < 12; ++k) EXPECT_NEAR(equal[k], 30.0 * double(k), 1e-6) << k;
  HouseCusps equalHouses{};
  for (int h = 1; h <= 12; ++h) equalHouses[std::size_t(CuspIndexOfHouse(h))] = 30.0 * (h - 1) + 7;
  const auto european = SingleFrameSpokeAngles(1, equalHouses);
  for (std::size_t k = 0; k < 12; ++k)
    EXPECT_NEAR(european[k], std::fmod(180 + 30.0 * double(k), 360), 1e-9) << k;
  HouseCusps c = equalHouses;
  c[4] = 350;  // the Ascendant
  c[5] = 20;   // the 2nd cusp
  EXPECT_NEAR(SingleFrameSpokeAngles(1, c)[1], 210, kTol);
  EXPECT_EQ(SingleFrameSpokeAngles(0, c), equal);

  // A spoke's y carries the surface's vertical factor; its x does not.
  const auto spoke = SpokeEnds(90, 120, 217, WindowVerticalFactor);
  EXPECT_NEAR(spoke[0].y, 117.9, 1e-9);
  EXPECT_NEAR(spoke[1].y, 213.2025, 1e-9);

  HouseCusps w = equalHouses;
  w[1] = 10;     // the 10th house, 277.5 wide, reads 7.5
  w[2] = 287.5;
  w[12] = 92.5;  // the 9th house, the last entry, keeps 277.5
  const HouseCusps widths = HouseSectorWidths(w);
  EXPECT_DOUBLE_EQ(widths[1], 7.5);
  EXPECT_DOUBLE_EQ(widths[12], 277.5);
}

TEST(WheelLayout, CuspLabelsHouseNumbersAndSteps) {
  const DataTables shipped = ReadDataTables(ORVANTA_DATA_DIR).tables;
  // American labels stand at their table places whatever the cusp; a cusp at
  // 0 degrees 0 minutes reads "00", the sign, "00".
  const CuspLabel mc = TableCuspLabel(1, 120.0, shipped.HcDataTable, false);
  const int expected[] = {'0', '0', 196, '0', '0'};  // 0 Leo 00
  for (std::size_t c = 0; c < 5; ++c) {
    EXPECT_EQ(mc[c].code, expected[c]);
    EXPECT_EQ(mc[c].at.x, shipped.HcDataTable[c * 2]);
    EXPECT_EQ(mc[c].at.y, shipped.HcDataTable[c * 2 + 1]);
  }
  // A missing table falls back on the derived places, not the centre.
  const std::array<std::int16_t, 121> none{};
  EXPECT_EQ(TableCuspLabel(4, 0, none, false)[0].at,
            TableCuspLabel(4, 0, shipped.HcDataTable, false)[0].at);
  EXPECT_TRUE(CuspLabelFromTable(4, 1, 1) && CuspLabelFromTable(10, 1, 1));
  EXPECT_FALSE(CuspLabelFromTable(2, 1, 1));
  EXPECT_TRUE(CuspLabelFromTable(2, 1, 2) && CuspLabelFromTable(2, 0, 1));

  // Polar labels: the shift by band, at the band edges (Descendant at 0).
  const struct {
    double angle;
    bool printing;
    double shift;
  } bands[] = {{80, false, 0},   {280, false, 0},   {90, false, -23}, {90, true, -21},
               {100, false, -49}, {260, true, -39}, {99.9, false, -23}};
  for (const auto& b : bands) {
    const CuspLabel l = PolarCuspLabel(b.angle, 0, b.printing);
    const double anchor = 4 + OutsideRimRadius * std::cos(b.angle * 3.1415926535 / 180);
    EXPECT_NEAR(l[0].at.x, anchor + b.shift - 2, 1e-6) << b.angle;
  }

  const auto numbers = HouseNumberCharacters();
  EXPECT_EQ(numbers[0].code, '1');
  EXPECT_EQ(numbers[0].at, (UserPoint{-52, -6}));
  EXPECT_EQ(numbers[14].code, '2');
  EXPECT_EQ(numbers[14].at, (UserPoint{-48, 18}));

  // One cell toward the centre: left at 0 degrees, down 0.75 (paper 0.8) of
  // the cell at 90.
  const struct {
    double angle;
    bool printing;
    UserPoint to;
  } steps[] = {{0, false, {-10, 0}}, {90, false, {0, -15}}, {90, true, {0, -16}}};
  for (const auto& s : steps) {
    const UserPoint p = StepTowardCentre({0, 0}, s.angle, 10, 20, s.printing);
    EXPECT_NEAR(p.x, s.to.x, 1e-6);
    EXPECT_NEAR(p.y, s.to.y, 1e-6);
  }
  // The printer tightens the minute step only right of the centre.
  EXPECT_EQ(ShrunkDigitStep(12, 10, 10, 2, 75, true), 10);
  EXPECT_EQ(ShrunkDigitStep(12, 10, 10, 2, 310, true), 10);
  EXPECT_EQ(ShrunkDigitStep(12, 10, 10, 2, 75.5, true), 12);
  EXPECT_EQ(ShrunkDigitStep(12, 10, 10, 2, 180, false), 10);
  EXPECT_EQ(ShrunkDigitStep(12, 8, 10, 2, 0, false), 12);
}

TEST(WheelLayout, InterceptedSignsAndTheDeclinationMap) {
  const auto houses = [](std::initializer_list<std::pair<int, double>> set) {
    HouseCusps c{};
    for (int h = 1; h <= 12; ++h) c[std::size_t(CuspIndexOfHouse(h))] = 30.0 * (h - 1) + 5;
    for (auto [h, v] : set) c[std::size_t(CuspIndexOfHouse(h))] = v;
    return c;
  };
  const struct {
    HouseCusps cusps;
    int house;
    std::vector<int> signs;
  } cases[] = {
      {houses({}), 1, {}},
      {houses({{11, 298}, {12, 332}}), 11, {11}},  // 28 Capricorn to 2 Pisces: Aquarius
      {houses({{12, 325}, {1, 3}}), 12, {12}},     // 25 Aquarius to 3 Aries: Pisces
      {houses({{12, 350}, {1, 35}}), 12, {1}},     // 20 Pisces to 5 Taurus: Aries
      {houses({{1, 5}, {2, 95}}), 1, {2, 3}},      // two whole signs: both
  };
  for (const auto& c : cases) EXPECT_EQ(InterceptedSigns(c.cusps, c.house), c.signs);
  EXPECT_DOUBLE_EQ(InterceptionAngle(houses({}), 1, 0, 1), 195);
  EXPECT_DOUBLE_EQ(InterceptionAngle(houses({}), 10, 0, 1), 105);
  EXPECT_NEAR(InterceptionPosition(195).x, 4 + OutsideRimRadius * std::cos(195 * 3.1415926535 / 180) - 20,
              1e-6);

  EXPECT_DOUBLE_EQ(DeclinationDisplayAngle(-23.5), 141);
  EXPECT_DOUBLE_EQ(DeclinationDisplayAngle(0), 180);
  EXPECT_DOUBLE_EQ(DeclinationDisplayAngle(23.5), 321);
  EXPECT_EQ(EqualFrameCusps()[1], 270);
  EXPECT_EQ(EqualFrameCusps()[4], 0);
}

// The shipped tables are the derived ones, so the fallback draws the same
// wheel as the files.
TEST(WheelLayout, ShippedTablesAreTheDerivedOnes) {
  const DataTables shipped = ReadDataTables(ORVANTA_DATA_DIR).tables;
  for (int d = 0; d <= 360; ++d) EXPECT_EQ(shipped.RadiusTable[std::size_t(d)], derived::GlyphRadius(d));
  for (int i = 1; i <= 12; ++i)
    for (std::size_t e = 0; e < 10; ++e)
      EXPECT_EQ(shipped.HcDataTable[std::size_t(10 * (i - 1)) + e], derived::CuspLabelRecord(i, false)[e]);
}

}  // namespace
}  // namespace orv
