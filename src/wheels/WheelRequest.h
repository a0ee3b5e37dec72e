#pragma once
// What a Wheels command prepares for the wheel window: the mode flags, the
// header lines and every value the paint draws from. The window paints from
// this alone; it never reads the chart model or a widget.

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/ChartModel.h"
#include "core/ChartPoints.h"
#include "core/HouseSystem.h"
#include "shell/WindowPlacement.h"

namespace orv {

// `InnerWheelHeader`, `OuterWheelHeader`: lines 1..7 are printed; 0 never.
using WheelHeaderLines = std::array<std::string, 8>;

struct WheelRequest {
  // Mode flags (0 or 1, `WheelKind` 1 or 2). `WheelKind` 2, a two-chart
  // wheel, is also the two-chart layout: no wheel has one without the other.
  int WheelKind = 1;
  int DualWheelShown = 0;
  int HelioWheel = 0;
  int DeclinationSingleWheel = 0;
  int DeclinationDualWheel = 0;
  // The chart shown, with the flags above all a redraw needs to build the
  // same wheel from new charts; a composite also keeps its latitude answer.
  ChartKind Chart = ChartKind::Natal;
  std::string CompositeLatitudeText;

  WheelHeaderLines InnerWheelHeader;
  WheelHeaderLines OuterWheelHeader;
  std::filesystem::path OrbFile;

  // `Longitudes`: the angle each point is drawn at, degrees 0..360.
  PointArray<double> Longitudes{};
  // `HouseCusps` in cusp-array order (index 1 the MC, 4 the Ascendant).
  HouseCusps Cusps{};
  // One character per point ("R" draws the retrograde mark).
  std::string RetroFlags;
  // `WheelHousePositions`: 10-character house records per point.
  std::string HousePositions;
  // `EnabledNatalPlanets`: "1" draws the point, "0" keeps its room only.
  std::string EnabledPoints = "1111111111111111";

  // Two-chart wheels (`WheelKind` 2) only.
  // `DualOuterLongitudes`: the display values of the outer chart (chart 2
  // unless switched); in the two-ring arrangement the second ring's values.
  PointArray<double> DualOuterLongitudes{};
  // `WheelRetroFlags`: the outer chart's flags, one character per point.
  std::string WheelRetroFlags;
  // `EnabledTransitPlanets`, for the outer chart.
  std::string EnabledOuterPoints = "1111111111111111";
  // Chart 2 is a second person (the "2nd Person" box): the charts are
  // never exchanged for option 216 then.
  bool SecondPerson = false;
  // The main window's point toggles (Moon, North Node, South Node, Part of
  // Fortune, Ascendant, MC) and `DualAspectFilter`, as they were when the
  // wheel was prepared.
  std::array<bool, 6> DualPointShown{};
  int DualAspectFilter = 0;

  // The declinations of the chart shown, for the aspect list's parallels
  // (of the inner chart on a two-chart wheel), and of the outer chart.
  PointArray<double> Declinations{};
  PointArray<double> OuterDeclinations{};
  // False for a chart without Chiron: it is neither drawn nor given room;
  // the same of the outer chart of a two-chart wheel.
  bool HasChiron = true;
  bool OuterHasChiron = true;
  bool operator==(const WheelRequest&) const = default;
};

// What the main window keeps for the two-chart wheels until the program
// ends: the six point toggles (all unchecked at start), the aspect filter
// (0 all major aspects, 1 150 degrees, 2 60 and 120, 3 90 and 180) and the
// Switch state of the combined arrangement.
struct DualWheelChoices {
  std::array<bool, 6> PointShown{};
  int DualAspectFilter = 0;
  int WheelsSwitched = 0;
};

// What the wheel window's commands keep from one wheel to the next while the
// program runs (check marks of the window itself start afresh with each).
struct WheelWindowState {
  // `ThreeDegreeWheelOrbs`: 1 makes the aspect lines use fixed 3-degree
  // windows instead of the orb file.
  int ThreeDegreeWheelOrbs = 0;
  // Where the program last opened the window (see IsUserPlace).
  std::optional<OpenedPlace> OpenedAt;
};

}  // namespace orv
