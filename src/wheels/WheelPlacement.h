#pragma once
// Where a single wheel's point labels go: each enabled point of the wheel's
// chart gets a slot in the sector of its house, an angle and a radius, so
// that no two labels of a house overlap. Pure: the paint draws the result.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/ChartPoints.h"
#include "core/HouseSystem.h"

namespace orv {

// The sorted wheel list after `AssignPlanetsToHouses`: entries 1..NumPoints
// (element 0 unused) in descending display angle, rotated so that no house
// group is split between the end and the start.
struct WheelList {
  PointArray<double> values{};        // `SortedValues`
  PointArray<int> points{};           // `SortedPointNumbers`
  PointArray<int> houses{};           // `WheelPointHouse`: 0 when a record names no house
  std::array<int, 13> houseCounts{};  // `WheelHouseCounts` by house 1..12
};

// The house 1..12 that record `entry` (from 1) of `housePositions` names;
// 0 when there is no such record or it names none.
int RecordHouse(const std::string& housePositions, int entry);

// `BuildWheelPlanetList` and `AssignPlanetsToHouses`: the display angles
// `values` sorted in descending order (exchange sort), houses read from the
// 10-character records of `housePositions`. The rotation stops after one
// full turn, leaving a list whose entries all share one house in order.
// Points after `lastPoint` (Chiron, in a chart without it) stay at the end
// of the list in no house: they take no room and are never placed.
WheelList BuildWheelList(const PointArray<double>& values, const std::string& housePositions,
                         int lastPoint = NumPoints);

struct SingleWheelInputs {
  PointArray<double> values{};               // `WheelAngles`, degrees
  HouseCusps cusps{};                        // `WheelCusps`, cusp-array order
  std::string housePositions;                // `WheelHousePositions`
  std::string enabled = "1111111111111111";  // `EnabledNatalPlanets`
  int lastPoint = NumPoints;                 // the chart's last point (no Chiron: the MC)
  std::string retroFlags;                    // "R" per retrograde point
  int typeChart = 0;                         // 0 American, 1 European
  int wheelKind = 1;
  bool helio = false;
  bool declination = false;  // a wheel of declinations or helio latitudes
  // The second pass of the combined arrangement: the inner band between
  // radius 62 and 138, five positions 5.3 degrees apart per house.
  bool outerRing = false;
  int glyphLayout = 0;       // option 28
  // `RadiusTable`; a value of 0 or less (a missing or short RADIUS.DAT)
  // falls back on the derived radius.
  std::array<std::int16_t, 361> radiusTable{};
};

// One placed label.
struct PlacedLabel {
  int entry = 0;  // index in the wheel list
  int point = 0;  // `ChartPoint`
  double value = 0;
  int house = 0;
  int slot = 0;                // `PointSlotAngles`
  double angle = 0;            // `LabelAngle`, degrees
  double radius = 0;           // `LabelRadius`, wheel units
  double lineEndAngle = 0;     // `WheelGlyphAngles`: where aspect lines end
  bool leftSideOrder = false;  // glyph at the rim, then degrees, sign, minutes
  bool retrograde = false;
};

// The capacity and spacing of one house of a declination wheel holding
// `count` entries.
struct HouseSlots {
  int capacity = 0;
  double spacingDeg = 0;
};
HouseSlots DeclinationHouseSlots(int count);

// `SetupAndDisplayPlanets` for a single wheel (first pass): the labels in
// placement order (smallest angle first). Skipped: disabled points, points
// 10..15 on a heliocentric wheel, the South Node and the Part of Fortune of
// a house holding more entries than it has slots, and entries whose record
// names no house.
std::vector<PlacedLabel> PlaceSingleWheel(const SingleWheelInputs& in, const WheelList& list);
std::vector<PlacedLabel> PlaceSingleWheel(const SingleWheelInputs& in);

// The angle correction of an aspect line's end at a single wheel's label
// angle `a`, and at the combined arrangement's second ring.
double LineEndCorrection(double a);
double OuterRingLineEndCorrection(double a);

}  // namespace orv
