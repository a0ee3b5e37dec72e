#pragma once
// The cosmodynes house-position power by house 1..12 (element 0 is 0).

#include <array>

namespace orv {

// `HousePowerBase` and `HousePowerSlope` by house 1..12: the house-position
// power at the cusp and how much of it is lost across the house.
using HousePowerTable = std::array<float, 13>;
inline constexpr HousePowerTable HousePowerBase = {0,     15,    8.5f, 8,  14,    7.5f, 7,
                                                   14.5f, 10.9f, 10,   15, 11.9f, 9.3f};
inline constexpr HousePowerTable HousePowerSlope = {0, 2,    0.5f, 0.5f, 2, 0.5f, 0.5f,
                                                    2, 0.9f, 0.7f, 2,    1, 0.7f};

}  // namespace orv
