#pragma once
// The nine house systems and the cusp array.

#include <array>
#include <string_view>

namespace orv {

// `HouseSystemCode`, numbered as option 27 and the Houses menu number them.
enum class HouseSystemCode {
  Placidus = 1,       // "P"
  Regiomontanus = 2,  // "R"
  Koch = 3,           // "K"
  Campanus = 4,       // "C"
  Porphyry = 5,       // "O"
  EqualAscendant = 6, // "EA"
  EqualMC = 7,        // "EM"
  Meridian = 8,       // "M"
  Morinus = 9,        // "I"
};

// Twelve cusps in degrees, in the order 10th, 11th, 12th, 1st .. 9th: index 1
// is the MC, index 4 the Ascendant; index 0 unused.
using HouseCusps = std::array<double, 13>;

}  // namespace orv
