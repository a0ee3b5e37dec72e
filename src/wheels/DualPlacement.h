#pragma once
// Where the points of both charts of the two-ring wheel go: one list of
// 2 x NumPoints entries (entry k <= NumPoints is point k of chart 1, entry
// k > NumPoints point k - NumPoints of chart 2) spread over glyph positions
// inside the 30-degree sector of each house, in order of longitude, never
// two on one position. Also the ring's sign glyph anchors. Pure: the paint
// draws the result.

#include <array>
#include <string>
#include <vector>

#include "core/ChartPoints.h"
#include "core/HouseSystem.h"
#include "platform/Canvas.h"

namespace orv {

inline constexpr int DualEntries = 2 * NumPoints;
// Indexed by entry number 1..DualEntries (element 0 unused).
template <class T>
using DualArray = std::array<T, DualEntries + 1>;

struct DualWheelInputs {
  DualArray<double> values{};  // display value of each entry
  HouseCusps cusps{};          // the wheel's cusps, cusp-array order
  std::string housePositions;  // 2 x NumPoints 10-character records
  std::string retroFlags;      // one character per entry
  std::string enabledNatal = "1111111111111111";
  std::string enabledTransit = "1111111111111111";
  std::array<bool, 6> pointShown{};  // the main window's toggles of points 10..15
  int wheelKind = 2;
  bool helio = false;
  // Per chart: false for a chart outside Chiron's table, whose Chiron is
  // neither drawn nor given room.
  std::array<bool, 2> hasChiron{true, true};
};

// The positions of each house: how many and how far apart.
struct DualHouseSlots {
  int positions = 0;
  double spacingDeg = 0;
};
// A house holding `count` counted entries: 4 positions 7.5 degrees apart up
// to 4 entries, one per entry up to 9, then 9 positions 3.33 apart.
DualHouseSlots DualHouseSlotsFor(int count);

struct DualLabel {
  int entry = 0;  // k
  double value = 0;
  int house = 0;
  int slot = 0;        // `PointSlotAngles`
  int houseCount = 0;  // counted entries of its house (sizes the text)
  double angle = 0;    // `LabelAngle` = `WheelGlyphAngles`(k)
  bool retrograde = false;
  bool secondChart() const { return entry > NumPoints; }
  int point() const { return entry > NumPoints ? entry - NumPoints : entry; }
};

struct DualPlacement {
  std::vector<DualLabel> labels;                // in placement order, smallest value first
  std::array<int, 13> houseCounts{};            // `WheelHouseCounts`
  std::array<DualHouseSlots, 13> houseSlots{};  // per house 1..12
  std::array<int, 13> firstPosition{};          // `GetSpotIndex` per house 1..12
};

// `SetupAndDisplayPlanets_dual` without the drawing. Entries whose record
// names no house are left out. Every flat position stays inside the table:
// a walk that runs past the last position continues from the first free
// one.
DualPlacement PlaceDualWheel(const DualWheelInputs& in);

// Whether a toggled point (10..15) of either chart is shown: on a
// heliocentric wheel never.
bool DualPointShown(const DualWheelInputs& in, int point);

// The degree text of a two-ring label: the degrees within the 30-degree
// sector, truncated to tenths, followed by "R" for a retrograde point
// ("12.3R"); on a declination or latitude wheel the magnitude instead.
std::string DualDegreeText(double value, bool retrograde, bool declination);

// `GetInterceptions_dual`: where sign h's glyph (1..12) goes for the cusps
// `cusps` (top-left corner, wheel units).
std::array<UserPoint, 13> DualSignGlyphPositions(const HouseCusps& cusps);

}  // namespace orv
