// The option and orb files the program ships, read by the program's own
// readers and checked against the domain of every value.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <initializer_list>

#include "RecordingHost.h"
#include "core/FixedTables.h"
#include "core/OptionNumbers.h"
#include "platform/Files.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kData = ORVANTA_DATA_DIR;

bool IsWhole(float v) { return v == std::floor(v); }

TEST(ShippedOptionFiles, OptionsHold244ValuesInTheirDomains) {
  EXPECT_EQ(ReadFileBytes(kData / "Options.opt"), ReadFileBytes(kData / "Options.mst"));
  const auto lines = ReadTextLines(kData / "Options.opt");
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 244u);
  for (const auto& line : *lines) EXPECT_FALSE(line.empty());

  OptionValues o{};
  o.fill(NAN);  // every element must be read from the file
  test::RecordingHost host;
  ASSERT_TRUE(ReadOptionsFile(host, kData, o));
  EXPECT_TRUE(host.messages.empty());
  for (int k = 1; k <= MaxOptions; ++k) EXPECT_FALSE(std::isnan(o[size_t(k)])) << k;

  auto inRange = [&](std::initializer_list<int> numbers, float low, float high, bool whole) {
    for (int k : numbers) {
      const float v = o[size_t(k)];
      EXPECT_TRUE(v >= low && v <= high && (!whole || IsWhole(v))) << "option " << k << " = " << v;
    }
  };
  // Colours are the 16 palette numbers.
  inRange({88,  89,  90,  91,  92,  93,  94,  95,  96,  97,  98,  99,  100, 101, 102, 103,
           104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 155, 156, 157,
           158, 159, 160, 161, 162, 165, 176, 181, 182, 183, 184, 185, 186, 187},
          0, 15, true);
  // Same-chart line colours of the two-ring wheel add 8, 1 and 10 and must stay colours.
  EXPECT_LE(o[97] + 8, 15);
  EXPECT_LE(o[98] + 1, 15);
  EXPECT_LE(o[99] + 10, 15);
  // Switches.
  inRange({21, 28, 35, 40, 42, 44, 47, 49, 140, 141, 145, 167, 174, 178, 211, 216, 222, 230, 231},
          0, 1, true);
  EXPECT_TRUE(o[24] == 0 || o[24] == -1);  // the one south value every reader agrees on
  inRange({33, 218, 238}, 0, 3, true);
  // The default place: a time zone the input check takes, West positive with option 21 = 0.
  inRange({18}, -13, 12, false);
  EXPECT_EQ(o[18] >= 0, o[21] == 0);
  inRange({19}, 0, 180, true);
  inRange({20, 23}, 0, 59, true);
  inRange({22}, 0, 66, true);
  inRange({27}, 1, 9, true);
  // Font sizes in points.
  inRange({68, 69, 70, 71, 72, 73,  74,  75,  76,  77,  78,  79,  80,  81,  82,
           83, 84, 85, 86, 87, 151, 152, 153, 154, 164, 175, 180, 190, 193, 195},
          6, 36, true);
  // Line counts and widths.
  inRange({30, 131}, 20, 100, true);
  EXPECT_LT(o[129], o[131]);
  EXPECT_LT(o[117], o[118]);
  inRange({45}, 0, 1000, true);
  inRange({241}, 20, 200, true);
  // Orbs in degrees held in options.
  inRange({51, 52, 53, 54, 55, 56, 57, 58, 59}, 0, 15, false);
}

// Orbs as the aspect finders take them, by `AspectKind` 1..17 (`AspectCode`
// = kind + 1). Kind 6, the parallel, is a declination orb and has no angle.
constexpr int kParallel = 6;

TEST(ShippedOptionFiles, OrbFilesHold17OrbsWithoutOverlappingBands) {
  for (const char* name : {"NATAL.ORB", "TRANSIT.ORB", "NAT2TRAN.ORB", "SYNASTRY.ORB",
                           "COMPOSIT.ORB", "MAGI.ORB", "MAGI_NAT.ORB"}) {
    SCOPED_TRACE(name);
    const auto lines = ReadTextLines(kData / name);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 17u);

    OrbTable orbs{};
    orbs.fill(NAN);
    test::RecordingHost host;
    ASSERT_TRUE(ReadOrbFile(host, kData / name, orbs));
    EXPECT_TRUE(host.messages.empty());
    for (int k = 1; k <= MaxOrbs; ++k) {
      const float orb = orbs[size_t(k)];
      EXPECT_TRUE(orb >= 0 && orb <= 12) << "kind " << k << " orb " << orb;
    }
    // No angle lies in two kinds' bands, so no test overrides another.
    for (int a = 1; a <= MaxOrbs; ++a) {
      for (int b = a + 1; b <= MaxOrbs; ++b) {
        if (a == kParallel || b == kParallel) continue;
        const int gap = std::abs(AspectAngles[size_t(a + 1)] - AspectAngles[size_t(b + 1)]);
        EXPECT_GT(gap, orbs[size_t(a)] + orbs[size_t(b)]) << "kinds " << a << " and " << b;
      }
    }
  }
  // The heliocentric wheels count what the Magi analyses count: 3 degrees for
  // the conjunction, square, trine, opposition and quincunx, 1.2 for the
  // parallel, nothing else.
  for (const char* name : {"MAGI.ORB", "MAGI_NAT.ORB"}) {
    OrbTable orbs{};
    test::RecordingHost host;
    ASSERT_TRUE(ReadOrbFile(host, kData / name, orbs));
    for (int k = 1; k <= MaxOrbs; ++k) {
      const float expected = (k == 1 || k == 3 || k == 4 || k == 5 || k == 10) ? 3.0f
                             : k == kParallel                                  ? 1.2f
                                                                               : 0.0f;
      EXPECT_EQ(orbs[size_t(k)], expected) << name << " kind " << k;
    }
  }
}

// The values the options register gives by option number in its account of
// the defaults (the example place, the printer's font sizes, the grid
// placement, the orbs, the cosmic state weights), read through the names the
// code uses: a name put on the wrong option reads another value.
TEST(ShippedOptionFiles, NamedOptionsHoldTheRegisterDefaults) {
  namespace O = OptionNumber;
  OptionValues o{};
  test::RecordingHost host;
  ASSERT_TRUE(ReadOptionsFile(host, kData, o));
  const struct {
    int option;
    float value;
  } kDefaults[] = {
      {O::DefaultTimeZone, 5},
      {O::DefaultLongitudeDegrees, 73},
      {O::DefaultLongitudeMinutes, 59},
      {O::DefaultLatitudeDegrees, 40},
      {O::DefaultLatitudeMinutes, 43},
      {O::BatchSummaryThreshold, 70},
      {O::PrintLinesPerPage, 60},
      {O::PrintTenPointLineLength, 75},
      {O::PrintEightPointLineLength, 95},
      {O::PageLength, 60},
      {O::PageFootLines, 6},
      {O::CompositeOrb, 8},
      {O::CompositeOrbNodes, 5},
      {O::CompositeOrbLights, 10},
      {O::CompositeQuincunxOrb, 3},
      {O::InterchartOrb, 6},
      {O::InterchartOrbNodes, 4},
      {O::InterchartOrbLights, 8},
      {O::InterchartMinorOrb, 2},
      {O::WheelPlanetFontSize, 11},
      {O::WheelPlanetDegreeFontSize, 9},
      {O::WheelPlanetSignFontSize, 10},
      {O::WheelPrinterFontSize, 12},
      {O::WheelPrinterSignFontSize, 14},
      {O::WheelPrinterPlanetSignFontSize, 11},
      {O::WheelCuspSignColor, 5},
      {O::WheelCuspMinuteColor, 8},
      {O::WheelSextileTrineColor, 2},
      {O::WheelSquareOppositionColor, 4},
      {O::WheelQuincunxColor, 3},
      {O::WheelBackColor, 15},
      {O::WheelSpokeColor, 12},
      {O::PersonalHeaderRightInset, 30},
      {O::PrintGridRightInset, 10},
      {O::PrintGridSingleFontSize, 7},
      {O::PrintGridSingleRowsUp, 13},
      {O::PrintGridTwoChartRowsUp, 14},
      {O::PrintGridTwoChartFontSize, 6},
      {O::PrintGridMinorColor, 6},
      {O::WheelPrintTitleScale, 8},
      {O::LabelShrinkFromSize, 10},
      {O::LabelShrinkAmount, 2},
      {O::AstroLineNameFontSize, 9},
      {O::AstroLineFontSize6, 12},
      {O::AstroLineColor4, 5},
      {O::AstroLineTenDegreeColor, 8},
      {O::AstroLineFiveDegreeColor, 7},
      {O::CosmicStateDirect, 4},
      {O::CosmicStateRetrograde, -5},
      {O::CosmicStateMercVenOriental, -2},
      {O::CosmicStateOuterOriental, 2},
      {O::ComparativeCosmoMode, 2},
      {O::ComparativeCosmoWidth, 80},
  };
  for (const auto& d : kDefaults) EXPECT_EQ(o[size_t(d.option)], d.value) << "option " << d.option;
}

}  // namespace
}  // namespace orv
