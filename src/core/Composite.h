#pragma once
// The composite chart of a couple: the midpoints of chart 1 and chart 2, and
// composite houses either as midpoints of the two charts' cusps or cast at
// the relationship's latitude.

#include <optional>
#include <string>
#include <string_view>

#include "core/ChartPoints.h"
#include "core/HouseCusps.h"
#include "core/HouseSystem.h"
#include "core/NumberFile.h"

namespace orv {

class Host;

// `CompositeLatitudeText` for midpoint houses.
inline constexpr std::string_view kMidpointHousesAnswer = "99";

// The fixed obliquity of composite houses cast at a latitude, degrees.
inline constexpr double kCompositeObliquityDeg = 23.4522944;

// Chart 1 and chart 2 as the composite chart reads them.
struct CompositeSources {
  PointArray<double> natalLongitudes{};      // `NatalLongitudes`, degrees
  PointArray<double> diurnalLongitudes{};    // `DiurnalLongitudes`, degrees
  PointArray<double> natalDeclinations{};    // `NatalDeclinations`, degrees
  PointArray<double> diurnalDeclinations{};  // `DiurnalDeclinations`, degrees
  HouseCusps natalHouseCusps{};              // `NatalHouseCusps`
  HouseCusps diurnalHouseCusps{};            // `DiurnalHouseCusps`
  // `HousePositions` as it stands: a record that no composite house matches
  // (cusps out of order) keeps what it holds.
  std::string housePositions;
  // Whether each chart has Chiron; the composite has it only when both do.
  bool natalHasChiron = true;
  bool diurnalHasChiron = true;
};

// The composite chart.
struct CompositeChart {
  PointArray<double> longitudes{};    // `Longitudes`
  PointArray<double> declinations{};  // `Declinations`
  std::string retroFlags;             // `RetroFlags`: the "A" flags
  std::string latitudeText;           // `CompositeLatitudeText`
  HouseCusps houseCusps{};            // `HouseCusps`
  std::optional<HouseInputs> castAt;  // the sky of cast houses; nothing for midpoint houses
  // `HousePositions` of the composite points in the composite houses; also
  // `CompositeHousePositions` and `WheelHousePositions`.
  std::string housePositions;
  bool hasChiron = true;  // both charts have Chiron
};

// `CalcCompositeChart`: the midpoints of chart 1 and chart 2, the relationship
// latitude settled through `host` (asked on every call while option 40 is 0)
// and the composite cusps in `system`. When the houses could not be cast at
// the latitude, they are midpoint houses and the latitude text says "99".
// Then places the composite points in the composite houses.
CompositeChart CalcCompositeChart(const CompositeSources& charts, HouseSystemCode system,
                                  const OptionValues& options, Host& host);

}  // namespace orv
