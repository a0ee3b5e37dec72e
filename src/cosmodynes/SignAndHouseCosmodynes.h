#pragma once
// The sign and house cosmodynes: each sign and house scored from the final
// per-point power, harmony and discord.

#include <string_view>

#include "cosmodynes/Cosmodynes.h"

namespace orv {

// The ruler value of `ZodiacSign` `sign` (1..12) in `values`: the ruler's
// value, or for Scorpio, Aquarius and Pisces the mean of the traditional
// and the modern ruler.
double RulerValue(const CosmoPointArray& values, int sign);

// `CalcSignCosmodynes`: `SignPower`, `SignHarmony`, `SignDiscord` from the
// ruler share by `CuspsPerSign` (0 cusps a quarter, 1 half, 2 whole, 3 twice,
// 4 or more none) plus points 1..10, 14 and 15 by the sign of `longitudes`.
// Expects the sign arrays zero and `CuspsPerSign` counted.
void CalcSignCosmodynes(Cosmodynes& c, const PointArray<double>& longitudes);

// `CalcHouseCosmodynes`: `HousePower`, `HouseHarmony`, `HouseDiscord` from
// half the cusp sign's ruler value, a quarter of each intercepted sign's,
// the planets 1..10 by their house records, the Ascendant in house 1 and
// the MC in house 10.
void CalcHouseCosmodynes(Cosmodynes& c, std::string_view housePositions);

}  // namespace orv
