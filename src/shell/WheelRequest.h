#pragma once
// What a Wheels command prepares for the wheel window: the mode flags, the
// header lines and every value the paint draws from. The window paints from
// this alone; it never reads the chart model or a widget.

#include <array>
#include <filesystem>
#include <string>

#include "core/ChartModel.h"
#include "core/ChartPoints.h"
#include "core/HouseSystem.h"

namespace orv {

// `InnerWheelHeader`, `OuterWheelHeader`: lines 1..7 are printed; 0 never.
using WheelHeaderLines = std::array<std::string, 8>;

struct WheelRequest {
  // Mode flags (0 or 1, `WheelKind` 1 or 2).
  int WheelKind = 1;
  int WheelLayout = 0;
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
  // The declinations of the chart shown, for the aspect list's parallels.
  PointArray<double> Declinations{};
  // False for a chart without Chiron: it is neither drawn nor given room.
  bool HasChiron = true;
};

// What the wheel window's commands keep from one wheel to the next while the
// program runs (check marks of the window itself start afresh with each).
struct WheelWindowState {
  // `ThreeDegreeWheelOrbs`: 1 makes the aspect lines use fixed 3-degree
  // windows instead of the orb file.
  int ThreeDegreeWheelOrbs = 0;
};

}  // namespace orv
