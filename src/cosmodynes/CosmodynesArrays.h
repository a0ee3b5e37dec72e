#pragma once
// The arrays one run of the natal cosmodynes scoring fills: held by the
// program state, so every reader takes the last run's values from one place.

#include <array>
#include <cstdint>

namespace orv {

// Points 1..15 (Sun .. MC) are scored; Chiron never is.
inline constexpr int CosmoPointCount = 15;
using CosmoPointArray = std::array<double, CosmoPointCount + 1>;
// A value per `ZodiacSign` or per house, 1..12 (element 0 unused).
using CosmoTwelveArray = std::array<double, 13>;
using CosmoAspectGrid = std::array<std::array<float, CosmoPointCount + 1>, CosmoPointCount + 1>;

// Everything one run of `CalcCosmodynes` leaves; all zero before a run.
struct Cosmodynes {
  CosmoTwelveArray HouseSize{};          // arc of each house, degrees
  CosmoPointArray CuspDistance{};        // degrees from the point's cusp; points 1..13
  CosmoPointArray HousePositionPower{};  // planets 1..10 only
  CosmoPointArray AspectPower{};
  CosmoPointArray Harmony{};
  CosmoPointArray Discord{};
  CosmoPointArray Power{};
  std::array<std::int16_t, 13> CuspsPerSign{};
  // Pair p < q: its aspect power at (p, q), its harmony less discord at (q, p).
  CosmoAspectGrid AspectGrid{};
  CosmoTwelveArray SignPower{}, SignHarmony{}, SignDiscord{};
  CosmoTwelveArray HousePower{}, HouseHarmony{}, HouseDiscord{};
  // Rows 1..15: column 1 the power, column 2 the harmony less the discord.
  std::array<std::array<double, 3>, CosmoPointCount + 1> CosmoSummary{};
  std::array<double, 14> HouseCuspsByHouse{};                    // entry 1 the Ascendant, 10 the MC
  std::array<std::int16_t, CosmoPointCount + 1> DignityScore{};  // planets 1..10
};

}  // namespace orv
