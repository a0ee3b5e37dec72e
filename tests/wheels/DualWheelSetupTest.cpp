// The dual set-up: the legends, orb files, cusps and house records of every
// two-chart wheel, the exchanged order of Switch, and the sound behaviour
// where the stale flags of an earlier wheel used to make a hybrid.

#include <gtest/gtest.h>

#include "WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "core/Angles.h"
#include "wheels/DualWheelInputs.h"
#include "wheels/GlyphSlots.h"
#include "wheels/WheelLayout.h"

namespace orv {
namespace {

struct Charts {
  Workbench wb;
  Charts() { test::ComputeWheelChart(wb, test::WheelChart::Ordinary); }
};

const SecondPersonBox kTransits{false, "2nd Person"};
const SecondPersonBox kPerson{true, "John Roe"};

TEST(DualWheelSetup, LegendsOrbFilesAndRecords) {
  using enum DualWheelKind;
  const struct {
    DualWheelKind kind;
    bool person;
    float option216;
    bool switched;
    const char *inner1, *outer1, *outer6, *outer7, *orb;
    // The chart the combined wheel's inner band holds, which its legend
    // names: 'n' the natal chart, 's' chart 2; 0 for the two-ring wheel.
    char innerBand = 0;
  } cases[] = {
      {Display, false, 0, false, "Renée Doe - natal", "Diurnal data", "Inner = transits", "",
       "NAT2TRAN.ORB"},
      // Option 216 exchanges the charts of the combined wheel only: the
      // two-ring wheel keeps its legend.
      {Display, false, 1, false, "Renée Doe - natal", "Diurnal data", "Inner = transits", "",
       "NAT2TRAN.ORB"},
      {Display, true, 1, false, "Renée Doe - natal", "John Roe", "(sidereal 2)", "Inner - natal",
       "SYNASTRY.ORB"},
      {DisplayDeclinations, false, 0, false, "Renée Doe - natal declinations", "Diurnal data",
       "Inner = transits", "", "NAT2TRAN.ORB"},
      {TransitsVsNatal, false, 0, false, "Renée Doe - natal", "Diurnal data",
       "Transits shown by red planets", "", "NAT2TRAN.ORB", 's'},
      {TransitsVsNatal, true, 0, false, "Renée Doe - natal", "John Roe", "(sidereal 2)",
       "Natal shown by red planets", "SYNASTRY.ORB", 's'},
      {TransitsVsNatal, false, 1, false, "Renée Doe - natal", "Diurnal data", "Outer = transits",
       "", "NAT2TRAN.ORB", 'n'},
      // Switched: chart 2 outside in its own houses, chart 1 inside; with
      // option 216 the other way round.
      {TransitsVsNatal, false, 0, true, "Transit chart", "Renée Doe", "Inner = natal", "",
       "NAT2TRAN.ORB", 'n'},
      {TransitsVsNatal, false, 1, true, "Transit chart", "Renée Doe", "Inner = transits", "",
       "NAT2TRAN.ORB", 's'},
      {TransitsVsNatal, true, 0, true, "John Roe - natal", "Renée Doe", "(sidereal 1)",
       "Inner - natal", "SYNASTRY.ORB", 'n'},
      {TransitsVsNatal, true, 1, true, "John Roe - natal", "Renée Doe", "(sidereal 1)",
       "Inner - natal", "SYNASTRY.ORB", 'n'},
      {DisplayHelio, false, 0, false, "Renée Doe - natal Heliocentric",
       "Diurnal data - Heliocentric", "Inner = transits", "", "MAGI.ORB"},
      {DisplayHelio, false, 1, false, "Renée Doe - natal Heliocentric",
       "Diurnal data - Heliocentric", "Inner = transits", "", "MAGI.ORB"},
      {DisplayHelio, true, 0, false, "Renée Doe - natal Heliocentric", "John Roe - Heliocentric",
       "(sidereal 2)", "Inner - Helio natal", "MAGI.ORB"},
      {DisplayHelioLatitudes, false, 0, false, "Renée Doe - natal helio latitudes",
       "Diurnal data - Heliocentric", "Inner = transits", "", "MAGI.ORB"},
  };
  for (const auto& c : cases) {
    Charts ch;
    Workbench& wb = ch.wb;
    wb.Options[216] = c.option216;
    wb.DualChoices.WheelsSwitched = c.switched;
    PrepareDualWheelCommand(wb, c.kind, c.person ? kPerson : kTransits);
    const WheelRequest& r = *wb.Wheel;
    const std::string sidereal1 = wb.Charts.Natal.SiderealText;
    const std::string sidereal2 = wb.Charts.Diurnal.SiderealText;
    const std::string outer6 = c.outer6 == std::string("(sidereal 1)")   ? sidereal1
                               : c.outer6 == std::string("(sidereal 2)") ? sidereal2
                                                                         : c.outer6;
    const std::string name = c.inner1 + std::string(" / ") + c.outer6;
    EXPECT_EQ(r.InnerWheelHeader[1], c.inner1) << name;
    EXPECT_EQ(r.InnerWheelHeader[6], c.switched ? sidereal2 : sidereal1) << name;
    EXPECT_EQ(r.InnerWheelHeader[7], "Placidus") << name;
    EXPECT_EQ(r.OuterWheelHeader[1], c.outer1) << name;
    EXPECT_EQ(r.OuterWheelHeader[2], c.switched ? "12 May 1959" : "06 Dec 2026") << name;
    EXPECT_EQ(r.OuterWheelHeader[6], outer6) << name;
    EXPECT_EQ(r.OuterWheelHeader[7], c.outer7) << name;
    EXPECT_EQ(r.InnerWheelHeader[0] + r.OuterWheelHeader[0], "") << name;
    EXPECT_EQ(r.OrbFile, wb.AppPath / c.orb) << name;
    EXPECT_EQ(r.WheelKind, 2) << name;
    const bool twoRing = c.kind != TransitsVsNatal;
    EXPECT_EQ(r.HousePositions.size(), (twoRing ? 320u : 160u)) << name;
    // The two-ring wheel's equal houses, whatever the charts' own.
    if (twoRing) {
      const HouseCusps equal{0, 270, 300, 330, 0, 30, 60, 90, 120, 150, 180, 210, 240};
      for (std::size_t i = 1; i <= 12; ++i) EXPECT_EQ(r.Cusps[i], equal[i]) << name << i;
      continue;
    }
    // The legend names the chart painted in the inner band (in red).
    const WheelPaintInputs in = test::PaintInputsOf(wb);
    EXPECT_EQ(CombinedPassInputs(in, true).values,
              c.innerBand == 'n' ? wb.Charts.Natal.Longitudes : wb.Charts.Diurnal.Longitudes)
        << name;
    // Switched twice, the wheel is as it was.
    const WheelHeaderLines before = r.OuterWheelHeader;
    SwitchDualWheel(wb, c.person ? kPerson : kTransits);
    SwitchDualWheel(wb, c.person ? kPerson : kTransits);
    EXPECT_EQ(wb.Wheel->OuterWheelHeader, before) << name;
    EXPECT_EQ(wb.Wheel->InnerWheelHeader[1], c.inner1) << name;
  }
}

TEST(DualWheelSetup, DeclinationMapAndTheValuesOfEachOrder) {
  const std::pair<double, double> map[] = {
      {-10, 60}, {0, 180}, {10, 240}, {23.5, 321}, {-23.5, 141}};
  for (const auto& [v, angle] : map) EXPECT_NEAR(DeclinationDisplayAngle(v), angle, 1e-9) << v;

  Charts ch;
  Workbench& wb = ch.wb;
  const ChartArrays& natal = wb.Charts.Natal;
  const ChartArrays& second = wb.Charts.Diurnal;
  PrepareDualWheelCommand(wb, DualWheelKind::DisplayDeclinations, kTransits);
  EXPECT_EQ(wb.Wheel->Longitudes, DeclinationDisplayAngles(natal.Declinations));
  EXPECT_EQ(wb.Wheel->DualOuterLongitudes, DeclinationDisplayAngles(second.Declinations));
  EXPECT_EQ(wb.Wheel->RetroFlags, std::string(32, ' '));

  // Switched, with the declination flag still set: longitudes all the same,
  // chart 2's houses and flags first.
  wb.DualChoices.WheelsSwitched = 1;
  PrepareDualWheel(wb, DualWheelVariant::Geocentric, {0, 1}, kTransits);
  const WheelRequest& r = *wb.Wheel;
  EXPECT_EQ(r.InnerWheelHeader[1], "Transit chart");
  EXPECT_EQ(r.Longitudes, second.Longitudes);
  EXPECT_EQ(r.DualOuterLongitudes, natal.Longitudes);
  EXPECT_EQ(r.Cusps, second.Cusps);
  EXPECT_EQ(r.HousePositions, second.HousePositions);
  EXPECT_EQ(r.RetroFlags, second.RetroFlags + natal.RetroFlags);
  EXPECT_EQ(r.WheelRetroFlags, natal.RetroFlags);

  // Switch restores the order, which honours the flag again; asking for the
  // two-ring wheel clears the exchange.
  SwitchDualWheel(wb, kTransits);
  EXPECT_EQ(wb.DualChoices.WheelsSwitched, 0);
  EXPECT_EQ(wb.Wheel->Longitudes, DeclinationDisplayAngles(natal.Declinations));
  SwitchDualWheel(wb, kTransits);
  EXPECT_EQ(wb.Wheel->Longitudes, second.Longitudes);
  PrepareDualWheelCommand(wb, DualWheelKind::Display, kTransits);
  EXPECT_EQ(wb.DualChoices.WheelsSwitched, 0);
  EXPECT_EQ(wb.Wheel->Longitudes, natal.Longitudes);
  // So does a wheel of one chart.
  wb.DualChoices.WheelsSwitched = 1;
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Natal, kPerson, host);
  EXPECT_EQ(wb.DualChoices.WheelsSwitched, 0);
}

// The unexchanged combined wheel marks the natal chart with its own
// retrograde flags, the transits with theirs.
TEST(DualWheelSetup, CombinedWheelShowsEachChartsOwnRetrogradeFlags) {
  Charts ch;
  Workbench& wb = ch.wb;
  const ChartArrays& natal = wb.Charts.Natal;
  const ChartArrays& second = wb.Charts.Diurnal;
  ASSERT_NE(natal.RetroFlags, second.RetroFlags);
  PrepareDualWheelCommand(wb, DualWheelKind::TransitsVsNatal, kTransits);
  const WheelPaintInputs in = test::PaintInputsOf(wb);
  EXPECT_EQ(CombinedPassInputs(in, false).retroFlags, natal.RetroFlags);
  EXPECT_EQ(CombinedPassInputs(in, true).retroFlags, second.RetroFlags);
  EXPECT_EQ(CombinedPassInputs(in, false).values, natal.Longitudes);
  EXPECT_EQ(CombinedPassInputs(in, true).enabled, wb.Settings.EnabledTransitPlanets);
}

// Option 216 exchanges the combined wheel's bands for transits only; the
// two-ring wheel keeps chart 1 in blue and chart 2 in red whatever it says.
TEST(DualWheelSetup, OuterTransitsExchangeOnlyTheCombinedBands) {
  const struct {
    DualWheelKind kind;
    bool person;
    bool exchanged;
  } cases[] = {{DualWheelKind::TransitsVsNatal, false, true},
               {DualWheelKind::TransitsVsNatal, true, false},
               {DualWheelKind::Display, false, false},
               {DualWheelKind::DisplayHelio, false, false}};
  for (const auto& c : cases) {
    Charts ch;
    Workbench& wb = ch.wb;
    wb.Options[216] = 1;
    PrepareDualWheelCommand(wb, c.kind, c.person ? kPerson : kTransits);
    const WheelRequest& r = *wb.Wheel;
    EXPECT_EQ(CombinedChartsExchanged(r, wb.Options), c.exchanged);
    if (c.kind == DualWheelKind::TransitsVsNatal) {
      const WheelPaintInputs in = test::PaintInputsOf(wb);
      const SingleWheelInputs outerBand = CombinedPassInputs(in, false);
      EXPECT_EQ(outerBand.values, c.exchanged ? r.DualOuterLongitudes : r.Longitudes);
      // Records worked out against the wheel's cusps for the values shown.
      EXPECT_EQ(
          outerBand.housePositions,
          PlacePlanetsInHouses(std::string(160, ' '), outerBand.values, r.Cusps, HouseLabels));
      continue;
    }
    const DualWheelInputs ring = TwoRingInputs(r);
    for (std::size_t i = 1; i <= NumPoints; ++i) {
      EXPECT_EQ(ring.values[i], r.Longitudes[i]);
      EXPECT_EQ(ring.values[i + NumPoints], r.DualOuterLongitudes[i]);
    }
  }
}

// Flags an earlier wheel left: a single declination wheel's flag, and a
// heliocentric wheel's flag with the combined arrangement.
TEST(DualWheelSetup, NoStaleFlagMakesAHybridWheel) {
  test::RecordingHost host;
  const struct {
    SingleWheelKind before;
    bool filter;  // a filter keeps the arrangement, a toggle asks for two rings
    int shown, helio;
  } cases[] = {{SingleWheelKind::Declinations, true, 0, 0},
               {SingleWheelKind::Helio, true, 1, 1},
               {SingleWheelKind::HelioLatitudes, false, 1, 1},
               {SingleWheelKind::Natal, true, 0, 0}};
  for (const auto& c : cases) {
    Charts ch;
    Workbench& wb = ch.wb;
    PrepareSingleWheel(wb, c.before, kTransits, host);
    if (c.filter)
      SetDualAspectFilter(wb, 3, kTransits);
    else
      ToggleDualPoint(wb, 0, true, kTransits);
    const WheelRequest& r = *wb.Wheel;
    EXPECT_EQ(r.DeclinationSingleWheel, 0);
    EXPECT_EQ(r.DeclinationDualWheel, 0);
    EXPECT_EQ(r.DualWheelShown, c.shown);
    EXPECT_EQ(r.HelioWheel, c.helio);
    EXPECT_EQ(r.WheelKind, 2);
  }
}

TEST(DualWheelSetup, TogglesFiltersAndTheLeftClick) {
  Charts ch;
  Workbench& wb = ch.wb;
  PrepareDualWheelCommand(wb, DualWheelKind::TransitsVsNatal, kTransits);
  SetDualAspectFilter(wb, 2, kTransits);
  EXPECT_EQ(wb.Wheel->DualWheelShown, 0);  // the filter keeps the arrangement
  EXPECT_EQ(wb.Wheel->DualAspectFilter, 2);
  ToggleDualPoint(wb, 5, true, kTransits);  // the MC
  EXPECT_EQ(wb.Wheel->DualWheelShown, 1);
  EXPECT_EQ(wb.Wheel->DualPointShown,
            (std::array<bool, 6>{false, false, false, false, false, true}));
  EXPECT_EQ(wb.Wheel->DualAspectFilter, 2);
  SetDualAspectFilter(wb, 7, kTransits);  // no such filter
  EXPECT_EQ(wb.DualChoices.DualAspectFilter, 2);
  for (const float expected : {1.0f, 0.0f}) {
    FlipDualAspectPairs(wb, kTransits);
    EXPECT_EQ(wb.Options[44], expected);
    EXPECT_EQ(wb.Wheel->DualWheelShown, 1);
  }
}

}  // namespace
}  // namespace orv

namespace orv {
namespace {

// The combined wheel's second pass: five positions 5.3 degrees apart from
// table B's angles, the radius running across the sector to the next
// house's, and the second ring's own line-end corrections.
TEST(DualWheelSetup, SecondPassOfTheCombinedWheel) {
  Charts ch;
  Workbench& wb = ch.wb;
  PrepareDualWheelCommand(wb, DualWheelKind::TransitsVsNatal, kTransits);
  const WheelPaintInputs in = test::PaintInputsOf(wb);
  const auto labels = PlaceSingleWheel(CombinedPassInputs(in, true));
  ASSERT_GE(labels.size(), 10u);
  for (const PlacedLabel& l : labels) {
    const std::size_t h = std::size_t(l.house), next = h == 12 ? 1 : h + 1;
    EXPECT_NEAR(l.angle, Norm360(l.slot * 5.3 + SlotAngleTableB[h]), 1e-9) << l.point;
    EXPECT_NEAR(l.radius,
                SlotRadiusTableB[h] + (SlotRadiusTableB[next] - SlotRadiusTableB[h]) * l.slot / 5.0,
                1e-9)
        << l.point;
    EXPECT_LT(l.slot, 5 + 12);
  }
  const std::pair<double, double> corrections[] = {{44, 0},  {45, -1}, {135, -1}, {184, 0},
                                                   {185, 3}, {270, 3}, {300, 0},  {330, -2}};
  for (const auto& [a, c] : corrections) EXPECT_EQ(OuterRingLineEndCorrection(a), c) << a;
}

}  // namespace
}  // namespace orv
