#include "commands/DualWheelCommands.h"

#include "commands/Workbench.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "core/OptionNumbers.h"
#include "wheels/WheelHeader.h"
#include "wheels/WheelLayout.h"

namespace orv {

namespace {

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// A chart's retrograde flags as exactly one character per point, so that
// chart 2's follow chart 1's at their places.
std::string PointFlags(std::string flags) {
  flags.resize(NumPoints, ' ');
  return flags;
}

// The display values of one chart on this wheel.
PointArray<double> DisplayValues(const ChartArrays& chart, bool helio, bool declinations) {
  if (helio)
    return declinations ? DeclinationDisplayAngles(chart.HelioLatitudes) : chart.HelioLongitudes;
  return declinations ? DeclinationDisplayAngles(chart.Declinations) : chart.Longitudes;
}

// A chart's house records against the wheel's own cusps.
std::string RecordsOn(const PointArray<double>& values, const HouseCusps& cusps) {
  return PlacePlanetsInHouses(Blanks(NumPoints * 10), values, cusps, HouseLabels);
}

}  // namespace

void PrepareDualWheel(Workbench& workbench, DualWheelVariant variant, DualWheelMode mode,
                      const SecondPersonBox& box) {
  ChartModel& charts = workbench.Charts;
  const bool helio = variant == DualWheelVariant::Helio;
  WheelRequest r;
  r.WheelKind = 2;
  r.HelioWheel = helio ? 1 : 0;
  // A heliocentric wheel has no houses of its own to frame a combined
  // arrangement; neither arrangement is a declination single wheel.
  r.DualWheelShown = helio ? 1 : mode.DualWheelShown;
  r.DeclinationSingleWheel = 0;
  r.DeclinationDualWheel = mode.DeclinationDualWheel;
  DualWheelChoices& choices = workbench.DualChoices;
  if (r.DualWheelShown != 0) choices.WheelsSwitched = 0;
  const bool twoRing = r.DualWheelShown == 1;
  const bool switched = choices.WheelsSwitched != 0;
  const bool declinations = !switched && r.DeclinationDualWheel == 1;
  const bool person = box.checked;
  const ChartArrays& natal = charts.Natal;
  const ChartArrays& second = charts.Diurnal;
  const std::string system(HouseSystemCodeText(charts.HouseSystem));

  std::string_view orbFile = helio ? "MAGI.ORB" : person ? "SYNASTRY.ORB" : "NAT2TRAN.ORB";
  WheelHeaderLines& inner = r.InnerWheelHeader;
  WheelHeaderLines& outer = r.OuterWheelHeader;
  const std::string heliocentric = helio ? " - Heliocentric" : "";
  const std::string transitsFirst = "Diurnal data" + heliocentric;
  const std::string innerNatal = helio ? "Inner - Helio natal" : "Inner - natal";
  const ChartArrays& innerChart = switched ? second : natal;
  const ChartArrays& outerChart = switched ? natal : second;
  if (!switched) {
    const std::string suffix =
        helio ? (declinations ? " - natal helio latitudes" : " - natal Heliocentric")
              : (declinations ? " - natal declinations" : " - natal");
    SetChartHeaderLines(inner, charts.PersonName + suffix, charts.NatalInput, natal.SiderealText);
    SetChartHeaderLines(outer, person ? box.caption + heliocentric : transitsFirst,
                        charts.DiurnalInput, second.SiderealText);
    if (!person) {
      // Option 216 exchanges the charts of the combined wheel only (a
      // heliocentric wheel is always two-ring).
      if (twoRing)
        outer[6] = "Inner = transits";
      else if (workbench.Options[OptionNumber::DualWheelOuterTransits] != 0)
        outer[6] = "Outer = transits";
      else
        outer[6] = "Transits shown by red planets";
    } else {
      outer[7] = twoRing ? innerNatal : "Natal shown by red planets";
    }
  } else {
    // Only the geocentric combined wheel is switched. A transit moment is
    // no one's natal chart, and the natal chart outside is the person's, not
    // the diurnal data.
    const std::string first = person ? box.caption + " - natal" : "Transit chart";
    SetChartHeaderLines(inner, first, charts.DiurnalInput, second.SiderealText);
    SetChartHeaderLines(outer, charts.PersonName, charts.NatalInput, natal.SiderealText);
    // The legend names the inner band's chart: switched, that is the natal
    // chart, unless option 216 already had the transits outside.
    const bool transitsInside = workbench.Options[OptionNumber::DualWheelOuterTransits] != 0;
    if (!person)
      outer[6] = transitsInside ? "Inner = transits" : "Inner = natal";
    else
      outer[7] = innerNatal;
  }
  SetHouseSystemName(system, inner);

  r.Cusps = twoRing ? EqualFrameCusps() : innerChart.Cusps;
  r.Longitudes = DisplayValues(innerChart, helio, declinations);
  r.DualOuterLongitudes = DisplayValues(outerChart, helio, declinations);
  if (twoRing)
    r.HousePositions = RecordsOn(r.Longitudes, r.Cusps) + RecordsOn(r.DualOuterLongitudes, r.Cusps);
  else
    r.HousePositions = innerChart.HousePositions;
  // Each chart shows its own flags, the inner chart's first; latitudes,
  // declinations and heliocentric values have no retrograde marks.
  const bool noMarks = helio || declinations;
  r.RetroFlags = noMarks ? Blanks(2 * NumPoints)
                         : PointFlags(innerChart.RetroFlags) + PointFlags(outerChart.RetroFlags);
  r.WheelRetroFlags = declinations ? Blanks(NumPoints) : PointFlags(outerChart.RetroFlags);

  r.Declinations = innerChart.Declinations;
  r.OuterDeclinations = outerChart.Declinations;
  r.HasChiron = innerChart.HasChiron;
  r.OuterHasChiron = outerChart.HasChiron;
  r.OrbFile = workbench.AppPath / orbFile;
  // The wheel's orb file is the current one, which the orb commands choose
  // and edit.
  workbench.OrbFile = r.OrbFile;
  r.EnabledPoints = workbench.Settings.EnabledNatalPlanets;
  r.EnabledOuterPoints = workbench.Settings.EnabledTransitPlanets;
  r.SecondPerson = person;
  r.DualPointShown = choices.PointShown;
  r.DualAspectFilter = choices.DualAspectFilter;
  charts.Kind = ChartKind::Natal;
  workbench.Wheel = std::move(r);
}

void PrepareDualWheelCommand(Workbench& workbench, DualWheelKind kind, const SecondPersonBox& box) {
  using enum DualWheelKind;
  const bool helio = kind == DisplayHelio || kind == DisplayHelioLatitudes;
  DualWheelMode mode;
  mode.DualWheelShown = kind == TransitsVsNatal ? 0 : 1;
  mode.DeclinationDualWheel = kind == DisplayDeclinations || kind == DisplayHelioLatitudes;
  PrepareDualWheel(workbench, helio ? DualWheelVariant::Helio : DualWheelVariant::Geocentric, mode,
                   box);
}

void RedrawDualWheel(Workbench& workbench, std::optional<int> dualWheelShown,
                     const SecondPersonBox& box) {
  const WheelRequest last = workbench.Wheel.value_or(WheelRequest{});
  DualWheelMode mode;
  mode.DualWheelShown = dualWheelShown.value_or(last.DualWheelShown);
  mode.DeclinationDualWheel = last.DeclinationDualWheel;
  PrepareDualWheel(workbench,
                   last.HelioWheel == 1 ? DualWheelVariant::Helio : DualWheelVariant::Geocentric,
                   mode, box);
}

void ToggleDualPoint(Workbench& workbench, int toggle, bool checked, const SecondPersonBox& box) {
  if (toggle < 0 || toggle >= 6) return;
  workbench.DualChoices.PointShown[static_cast<std::size_t>(toggle)] = checked;
  RedrawDualWheel(workbench, 1, box);
}

void SetDualAspectFilter(Workbench& workbench, int filter, const SecondPersonBox& box) {
  if (filter < 0 || filter > 3) return;
  workbench.DualChoices.DualAspectFilter = filter;
  RedrawDualWheel(workbench, std::nullopt, box);
}

void FlipDualAspectPairs(Workbench& workbench, const SecondPersonBox& box) {
  float& allPoints = workbench.Options[OptionNumber::DualAspectsAllPoints];
  allPoints = allPoints != 0 ? 0.0f : 1.0f;
  RedrawDualWheel(workbench, std::nullopt, box);
}

void SwitchDualWheel(Workbench& workbench, const SecondPersonBox& box) {
  workbench.DualChoices.WheelsSwitched = workbench.DualChoices.WheelsSwitched == 0 ? 1 : 0;
  const WheelRequest last = workbench.Wheel.value_or(WheelRequest{});
  PrepareDualWheel(workbench, DualWheelVariant::Geocentric,
                   {last.DualWheelShown, last.DeclinationDualWheel}, box);
}

}  // namespace orv
