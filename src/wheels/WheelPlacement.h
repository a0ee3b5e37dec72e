#pragma once
// Where a single wheel's point labels go: each enabled point of the wheel's
// chart gets a slot in the sector of its house, an angle and a radius, so
// that no two labels of a house overlap. Pure: the paint draws the result.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
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
  // A label cell (the glyph's), in wheel units: the room a label takes
  // beside its ray.
  double cellWidth = 11, cellHeight = 11;
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
  double sizeFactor = 1;  // drawn at this share of the option font sizes
  // In a combined band, its text touches its glyph's ink rather than keep a
  // pixel clear of it: its house is too crowded to hold it or lend it
  // nearer otherwise.
  bool snug = false;
};

// The capacity and spacing of one house of a declination wheel holding
// `count` entries.
struct HouseSlots {
  int capacity = 0;
  double spacingDeg = 0;
};
HouseSlots DeclinationHouseSlots(int count);

// Whether a label standing in `house` at `angle` reads from the rim in:
// glyph, degrees, sign, minutes (`PlacedLabel::leftSideOrder`).
bool LeftSideOrder(const SingleWheelInputs& in, int house, double angle);

// `SetupAndDisplayPlanets` for a single wheel (first pass): the labels in
// placement order (smallest angle first), each wholly inside its own house
// and the rim; a house fuller than its seven slots sets its labels closer.
// Skipped: disabled points, points 10..15 on a heliocentric wheel, and
// entries whose record names no house.
std::vector<PlacedLabel> PlaceSingleWheel(const SingleWheelInputs& in, const WheelList& list);
std::vector<PlacedLabel> PlaceSingleWheel(const SingleWheelInputs& in);

// A house's sector on the single wheel: from its spoke `start` (degrees)
// counter-clockwise through `width` degrees.
struct HouseSector {
  double start = 0, width = 0;
};
HouseSector HouseSectorOf(const SingleWheelInputs& in, int house);

// The runs [from, to) of placed labels sharing a house.
std::vector<std::pair<std::size_t, std::size_t>> HouseGroups(const std::vector<PlacedLabel>& placed);

// The degrees a drawn label covers either side of its angle.
struct LabelSpan {
  double below = 0, above = 0;
};

// Moves the labels of one house (their angles, with their spans) as little
// as needed, in their order, for every span to lie inside the sector, clear
// of its spokes and of each other. Returns 1 when they fit, else the factor
// (below 1) by which their spans were squeezed: the labels must shrink by
// it to fit.
double FitSpans(const HouseSector& house, std::vector<double>& angles,
                const std::vector<LabelSpan>& spans);

// The angle correction of an aspect line's end at a single wheel's label
// angle `a`, and at the combined arrangement's second ring.
double LineEndCorrection(double a);
double OuterRingLineEndCorrection(double a);

}  // namespace orv
