// The aspect list window's lines: the sixteen tests in their order, the
// point filters and the parallels section.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "RecordingHost.h"
#include "WheelTestCharts.h"
#include "commands/WheelCommands.h"
#include "wheels/AspectList.h"

namespace orv {
namespace {

// "  " planet, aspect, planet, as the list writes them: program codes, a
// byte each (planets 223 + point, aspects 159 + code).
std::string L(int a, int aspectGlyph, int b) {
  return std::string("  ") + char(223 + a) + ' ' + char(aspectGlyph) + ' ' + char(223 + b);
}

TEST(AspectList, TheSixteenTestsInTheirOrder) {
  OrbTable exact{};
  OrbTable o{};
  o[1] = 1, o[3] = 7.7f, o[10] = 3, o[11] = 5, o[12] = 1, o[15] = 6, o[16] = 0;
  OrbTable wideConjunction{};
  wideConjunction[1] = 40, wideConjunction[2] = 25;
  const struct {
    double d;
    const OrbTable& orbs;
    int code;
  } cases[] = {
      {0, exact, 2},
      {0.01, exact, 1},
      {60, exact, 3},
      {135, exact, 10},
      {165, exact, 18},
      {108, exact, 15},
      {38, wideConjunction, 2},
      {97.7, o, 4},              // single precision: 7.7 is 7.69999981
      {40, o, 13},               // inside the semi-quintile's 36 +- 5 too; the nonagen comes later
      {149, o, 16},              // quincunx 150 +- 3 and bi-quintile 144 +- 6: the bi-quintile wins
      {360.0 / 7, o, 17},        // the septile exactly
      {360.0 / 7 + 1e-9, o, 1},  // the septile compares in double precision
      {51.42857143, o, 1},       // the listings' septile angle: past the list's own
      {200, exact, 1},
      {180, exact, 6},
  };
  for (const auto& c : cases) EXPECT_EQ(AspectListCode(c.d, c.orbs), c.code) << c.d;
}

AspectListInputs Chart() {
  AspectListInputs in;
  // The Sun at 0, the Moon at 90, Mercury at 121; the other points 7.3
  // degrees apart from 191.9 on, in no aspect within the orbs below.
  for (int p = 1; p <= NumPoints; ++p) in.rowAngles[std::size_t(p)] = 7.3 * p + 170;
  in.rowAngles[1] = 0, in.rowAngles[10] = 90, in.rowAngles[2] = 121;
  in.columnAngles = in.rowAngles;
  // Declinations: the Sun 20 and the Moon -20.5 contra-parallel, the others
  // at least 2 degrees apart in size.
  const std::array<double, 17> declinations{0,  20,    5,  -8, 10, -12, 14,  -16, 24,
                                            26, -20.5, 20, 20, 20, 28,  -30, 2};
  for (int p = 1; p <= NumPoints; ++p)
    in.rowDeclinations[std::size_t(p)] = declinations[std::size_t(p)];
  in.columnDeclinations = in.rowDeclinations;
  return in;
}

OrbTable SmallOrbs() {
  OrbTable o{};
  o[1] = 1, o[3] = 1, o[4] = 1, o[6] = 1;
  return o;
}

TEST(AspectList, ASingleWheelListsEachPairBothWays) {
  const auto lines = AspectListLines(Chart(), SmallOrbs());
  const std::vector<std::string> expected = {
      "",
      L(1, 163, 10),
      L(1, 164, 2),   // Sun square Moon, trine Mercury
      L(10, 163, 1),  // Moon square Sun
      L(2, 164, 1),   // Mercury trine Sun
      "",             // between the sections
      L(1, 178, 10),
      L(10, 178, 1),  // contra-parallel: 20 and -20.5
  };
  EXPECT_EQ(lines, expected);
}

TEST(AspectList, ADisabledPointStaysInTheParallels) {
  AspectListInputs in = Chart();
  in.rowEnabled = in.columnEnabled = "1111111110111111";  // the Moon off
  const auto lines = AspectListLines(in, SmallOrbs());
  const std::vector<std::string> expected = {"", L(1, 164, 2),  L(2, 164, 1),
                                             "", L(1, 178, 10), L(10, 178, 1)};
  EXPECT_EQ(lines, expected);
}

TEST(AspectList, AChartWithoutChironListsNothingOfIt) {
  AspectListInputs in = Chart();
  in.rowAngles[16] = in.columnAngles[16] = 180;  // opposite the Sun
  in.rowDeclinations[16] = in.columnDeclinations[16] = -20;  // contra-parallel to it
  const auto withChiron = AspectListLines(in, SmallOrbs());
  in.hasChiron = false;
  const auto without = AspectListLines(in, SmallOrbs());
  EXPECT_GT(withChiron.size(), without.size());
  EXPECT_EQ(without, AspectListLines(Chart(), SmallOrbs()));
}

TEST(AspectList, DeclinationCompositeAndHelioWheels) {
  AspectListInputs in = Chart();
  in.declination = true;  // no aspects and no empty line between
  EXPECT_EQ(AspectListLines(in, SmallOrbs()),
            (std::vector<std::string>{"", L(1, 178, 10), L(10, 178, 1)}));
  in = Chart();
  in.composite = true;
  EXPECT_EQ(AspectListLines(in, SmallOrbs()).size(), 5u);  // aspects only
  in = Chart();
  in.helio = true;  // the Earth for the Sun, no Moon, no parallels
  const std::string earthTrineMercury =
      std::string("  ") + char(236) + ' ' + char(164) + ' ' + char(225);
  EXPECT_EQ(
      AspectListLines(in, SmallOrbs()),
      (std::vector<std::string>{"", earthTrineMercury, L(2, 164, 1).substr(0, 6) + char(236)}));
}

TEST(AspectList, ParallelsAtTheOrbAndAtZero) {
  AspectListInputs in = Chart();
  in.rowEnabled = in.columnEnabled = "1000000001000000";  // aspects of the Sun and Moon only
  const struct {
    double sun, moon;
    int glyph;  // 0: not listed
  } cases[] = {{20, 21, 166}, {20, -21, 178}, {20, 21.01, 0}, {0, 0.5, 166}, {0, -0.5, 178}};
  for (const auto& c : cases) {
    in.rowDeclinations[1] = in.columnDeclinations[1] = c.sun;
    in.rowDeclinations[10] = in.columnDeclinations[10] = c.moon;
    const auto lines = AspectListLines(in, SmallOrbs());
    const bool listed = std::find(lines.begin(), lines.end(), L(1, c.glyph, 10)) != lines.end();
    EXPECT_EQ(listed, c.glyph != 0) << c.sun << " " << c.moon;
    if (c.glyph == 0) {
      EXPECT_EQ(std::find(lines.begin(), lines.end(), L(1, 166, 10)), lines.end());
    }
  }
}

TEST(AspectList, TwoChartsRowsOfTheSecondChartAgainstTheFirst) {
  AspectListInputs in = Chart();
  in.twoCharts = true;
  // The second chart: only its Sun shown, at 90 (on the Moon), declination
  // -5 (contra-parallel to the first chart's Mercury, whose sign is +).
  in.rowEnabled = "1000000000000000";
  in.rowAngles[1] = 90;
  in.rowDeclinations[1] = -5;
  const auto lines = AspectListLines(in, SmallOrbs());
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[1], L(1, 163, 1));   // square the first Sun
  EXPECT_EQ(lines[2], L(1, 161, 10));  // conjunct the first Moon
  EXPECT_EQ(lines[3], "");
  // The parallels read all points of the second chart, the enabled strings
  // aside; the second Sun against the first Mercury is contra-parallel.
  EXPECT_NE(std::find(lines.begin(), lines.end(), L(1, 178, 2)), lines.end());
}

// Each single wheel lists the chart it shows: its positions, its own
// declinations (chart 2's on the transit wheel), and no parallels where it
// has none of its own.
TEST(AspectList, EachSingleWheelListsTheChartItShows) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  wb.Options[40] = 1;  // the composite takes midpoint houses without asking
  test::RecordingHost host;
  using enum SingleWheelKind;
  const struct {
    SingleWheelKind kind;
    bool helio, declination, composite, secondChart;
  } cases[] = {{Natal, false, false, false, false},   {Declinations, false, true, false, false},
               {Helio, true, false, false, false},    {HelioLatitudes, true, true, false, false},
               {Transits, false, false, false, true}, {Composite, false, false, true, false}};
  for (const auto& c : cases) {
    PrepareSingleWheel(wb, c.kind, {true, "John Roe"}, host);
    const AspectListInputs in = SingleWheelAspectListInputs(*wb.Wheel);
    const int k = static_cast<int>(c.kind);
    EXPECT_EQ(in.helio, c.helio) << k;
    EXPECT_EQ(in.declination, c.declination) << k;
    EXPECT_EQ(in.composite, c.composite) << k;
    EXPECT_FALSE(in.twoCharts) << k;
    EXPECT_EQ(in.rowAngles, wb.Wheel->Longitudes) << k;
    const ChartArrays& shown = c.secondChart ? wb.Charts.Diurnal : wb.Charts.Natal;
    if (!c.composite) {
      EXPECT_EQ(in.rowDeclinations, shown.Declinations) << k;
    }
    EXPECT_EQ(in.columnDeclinations, in.rowDeclinations) << k;
  }
  EXPECT_NE(wb.Charts.Diurnal.Declinations, wb.Charts.Natal.Declinations);
}

}  // namespace
}  // namespace orv
