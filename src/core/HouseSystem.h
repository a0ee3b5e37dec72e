#pragma once
// The nine house systems and the cusp array.

#include <array>
#include <optional>
#include <string_view>

namespace orv {

// `HouseSystemCode`, numbered as option 27 and the Houses menu number them.
enum class HouseSystemCode {
  Placidus = 1,        // "P"
  Regiomontanus = 2,   // "R"
  Koch = 3,            // "K"
  Campanus = 4,        // "C"
  Porphyry = 5,        // "O"
  EqualAscendant = 6,  // "EA"
  EqualMC = 7,         // "EM"
  Meridian = 8,        // "M"
  Morinus = 9,         // "I"
};

// One row per house system: its enum value, its code text and its name.
struct HouseSystemInfo {
  HouseSystemCode system;
  std::string_view code;
  std::string_view name;
};

// All nine systems in option-27 order (row k - 1 is option value k).
inline constexpr std::array<HouseSystemInfo, 9> HouseSystems = {{
    {HouseSystemCode::Placidus, "P", "Placidus"},
    {HouseSystemCode::Regiomontanus, "R", "Regiomontanus"},
    {HouseSystemCode::Koch, "K", "Koch"},
    {HouseSystemCode::Campanus, "C", "Campanus"},
    {HouseSystemCode::Porphyry, "O", "Porphyry"},
    {HouseSystemCode::EqualAscendant, "EA", "Equal - Ascendant"},
    {HouseSystemCode::EqualMC, "EM", "Equal - MC"},
    {HouseSystemCode::Meridian, "M", "Meridian"},
    {HouseSystemCode::Morinus, "I", "Morinus"},
}};

// The row of `system`.
constexpr const HouseSystemInfo& HouseSystemInfoOf(HouseSystemCode system) {
  return HouseSystems[static_cast<int>(system) - 1];
}

// The code text ("P", "EA", ...) of `system`.
constexpr std::string_view HouseSystemCodeText(HouseSystemCode system) {
  return HouseSystemInfoOf(system).code;
}

// The system a code text names, compared exactly ("ea" names none).
constexpr std::optional<HouseSystemCode> HouseSystemFromCode(std::string_view code) {
  for (const HouseSystemInfo& row : HouseSystems) {
    if (row.code == code) return row.system;
  }
  return std::nullopt;
}

// Twelve cusps in degrees, in the order 10th, 11th, 12th, 1st .. 9th: index 1
// is the MC, index 4 the Ascendant; index 0 unused.
using HouseCusps = std::array<double, 13>;

// Index in `HouseCusps` of the cusp of house 1..12 (house 10 is index 1).
constexpr int CuspIndexOfHouse(int house) { return house >= 10 ? house - 9 : house + 3; }

}  // namespace orv
