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

// The option values the composite chart reads.
namespace CompositeOptions {
inline constexpr int DefaultLatitudeDegrees = 22;  // whole degrees of the offered latitude
inline constexpr int DefaultLatitudeMinutes = 23;  // its minutes
inline constexpr int DefaultLatitudeSouth = 24;    // non-zero: the offered latitude is south
// Also known as `SkipCompositeLatitude`: non-zero takes midpoint houses
// without asking for a latitude.
inline constexpr int CompositeMidpointHouses = 40;
}  // namespace CompositeOptions

// `CompositeLatitudeText` for midpoint houses.
inline constexpr std::string_view kMidpointHousesAnswer = "99";

// The fixed obliquity of composite houses cast at a latitude, degrees.
inline constexpr double kCompositeObliquityDeg = 23.4522944;

struct CompositeMidpoints {
  PointArray<double> longitudes{};    // degrees, 0 <= value < 360
  PointArray<double> declinations{};  // degrees, mean of the two, no wrap
  // One character per point: "A" where the two positions are more than 150
  // degrees apart on the shorter arc, otherwise a blank.
  std::string retroFlags;
};

// The midpoint of each point's two positions, taken on the shorter arc.
// Longitudes in degrees 0..360, declinations in degrees.
CompositeMidpoints CalcCompositeMidpoints(const PointArray<double>& natalLongitudes,
                                          const PointArray<double>& diurnalLongitudes,
                                          const PointArray<double>& natalDeclinations,
                                          const PointArray<double>& diurnalDeclinations);

// Settles `CompositeLatitudeText`: "99" (midpoint houses) without asking when
// option 40 is non-zero; otherwise asks through `host`, offering the default
// latitude of options 22 to 24, until the answer is 99 or a latitude at which
// `system` can be cast. An empty answer (Cancel too) is "99"; an answer with
// no number, or beyond +-90 degrees, is asked again; a latitude too high for
// Placidus or Koch (beyond 66 degrees 00 minutes) or at a pole for Campanus
// or Regiomontanus is refused with a message and asked again.
std::string SettleCompositeLatitude(Host& host, const OptionValues& options,
                                    HouseSystemCode system);

// The relationship latitude of `CompositeLatitudeText` in decimal degrees,
// north positive (40.30 is 40.5, -33.52 is -33.8667); nothing for midpoint
// houses (the value 99).
std::optional<double> CompositeLatitudeDegrees(std::string_view latitudeText);

// Composite cusps as midpoints of the two charts' cusps (order 10th, 11th,
// 12th, 1st .. 9th), each kept on the same side as the cusp before it.
HouseCusps MidpointHouseCusps(const HouseCusps& natalCusps, const HouseCusps& diurnalCusps);

// The right ascension of the ecliptic point `mcLongitudeDeg` (0..360) under
// the fixed composite obliquity, in radians, 0..2 pi.
double CompositeRamc(double mcLongitudeDeg);

struct CompositeHouses {
  HouseCusps cusps{};  // degrees, 0 <= cusp < 360, order 10th, 11th, 12th, 1st .. 9th
  // The sky the houses were cast under (the composite RAMC, MC, Ascendant,
  // fixed obliquity and the relationship latitude); nothing for midpoint
  // houses.
  std::optional<HouseInputs> castAt;
};

// `CalcCompositeHouseCusps`: midpoint houses when `latitudeText` reads 99;
// otherwise `system` cast at that latitude (degrees.minutes, South negative)
// from the composite MC `compositeMcDeg` and the fixed obliquity. A latitude
// at which Placidus or Koch has no cusps (which the prompt refuses) gives
// midpoint houses too.
CompositeHouses CalcCompositeHouseCusps(std::string_view latitudeText, HouseSystemCode system,
                                        double compositeMcDeg, const HouseCusps& natalCusps,
                                        const HouseCusps& diurnalCusps);

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
};

// The composite chart, for the working arrays.
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
};

// `CalcCompositeChart`: the midpoints of chart 1 and chart 2, the relationship
// latitude settled through `host` (asked on every call while option 40 is 0)
// and the composite cusps in `system`. When the houses could not be cast at
// the latitude, they are midpoint houses and the latitude text says "99".
// Then places the composite points in the composite houses.
CompositeChart CalcCompositeChart(const CompositeSources& charts, HouseSystemCode system,
                                  const OptionValues& options, Host& host);

}  // namespace orv
