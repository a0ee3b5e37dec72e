#pragma once
// The natal cosmodynes: chart 1 scored in power, harmony and discord per
// chart point, then per sign and per house from the points' values.

#include <optional>
#include <string_view>

#include "core/ChartModel.h"
#include "cosmodynes/CosmodynesArrays.h"

namespace orv {

// The names window's two check boxes the scoring reads. The program takes
// them from the window's state (see CosmodynesCommands.h); these defaults
// serve only tests of single rules.
struct CosmodyneOptions {
  bool ConsiderDignities = false;  // "Consider dignities?"
  bool BeneficsMalefics = false;   // "Benefics/Malefics?"
};

// `CalcCosmodynes`: scores chart 1 (`natal`) with the angles `angles` admits
// and the two check boxes in `options`. Runs every step in the order their
// dependencies need and returns the complete result; the same chart always
// gives the same result.
Cosmodynes CalcCosmodynes(const ChartArrays& natal, CosmoAngleChoice angles,
                          const CosmodyneOptions& options);

// `IsCosmodynePoint`: whether chart point `point` takes part under `angles`.
// The nodes and the Part of Fortune never do; the Ascendant and the MC as
// `angles` says; every other point, and every point under a value outside
// the four choices, does.
bool IsCosmodynePoint(int point, CosmoAngleChoice angles);

// The `ZodiacSign` (1..12) of a longitude in degrees; out-of-range
// longitudes are brought into 0..360 first.
int CosmoSignOf(double lonDeg);

// The house (1..12) that point `point`'s record in `housePositions` names;
// nullopt when the record is missing or names no house from 1 to 12.
std::optional<int> CosmoHouseOf(std::string_view housePositions, int point);

// The steps of `CalcCosmodynes` that have no file of their own, exposed for
// testing; each reads and writes `c` as its comment says.

// `HouseCuspsByHouse` 1..12 from `cusps` (10th, 11th, 12th, 1st .. 9th).
void SetHouseCuspsByHouse(Cosmodynes& c, const HouseCusps& cusps);
// `CuspDistance` of points 1..13: the arc from the cusp of the point's house
// forward to the point. A point without a house keeps 0.
void CalcCuspDistances(Cosmodynes& c, const ChartArrays& natal);
// `CalcHouseSizes`: `HouseSize` 1..12, house 12 running to the Ascendant.
void CalcHouseSizes(Cosmodynes& c);
// `CalcHousePositionPower`: planets 1..10 by the house-power tables, falling
// linearly from the base at the cusp to base less slope at the next cusp.
// A cusp distance of the house size or more, or within a tenth of a second
// of 360, counts as on the cusp and is set to 0 (a point placed a hair
// before the cusp that opens its house); so a planet in a house of zero size
// gets the base. A planet without a house gets 0.
void CalcHousePositionPower(Cosmodynes& c, std::string_view housePositions);
// `Power` 1..15 = house-position power + aspect power.
void CalcTotalPower(Cosmodynes& c);
// `CountCuspsPerSign`: how many of the twelve cusps lie in each sign.
void CountCuspsPerSign(Cosmodynes& c);
// `CosmoSummary` rows 1..15 from `Power`, `Harmony` and `Discord`.
void FillCosmoSummary(Cosmodynes& c);

}  // namespace orv
