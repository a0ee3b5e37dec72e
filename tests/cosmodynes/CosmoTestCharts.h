#pragma once
// Small hand-made charts for the cosmodynes tests. House records and
// longitudes are set independently, so each case places points freely.

#include <array>
#include <cstdio>
#include <string>

#include "core/ChartModel.h"

namespace orv::test {

// `HousePositions` with point k's record naming house houses[k] (1..12).
inline std::string HouseRecords(const std::array<int, 17>& houses) {
  std::string records;
  for (int k = 1; k <= 16; ++k) {
    char field[16];
    std::snprintf(field, sizeof field, "%2dTH HOUSE", houses[size_t(k)]);
    records += field;
  }
  return records;
}

// Cusps in the chart core's order (10th, 11th, 12th, 1st .. 9th) from cusps
// given by house 1..12.
inline HouseCusps CuspsFromHouses(const std::array<double, 13>& byHouse) {
  HouseCusps cusps{};
  for (int h = 1; h <= 12; ++h) cusps[size_t(CuspIndexOfHouse(h))] = byHouse[size_t(h)];
  return cusps;
}

// Equal 30-degree houses from an Ascendant at 0 Aries; every point in house 3.
inline ChartArrays EqualHouseChart() {
  ChartArrays chart;
  std::array<double, 13> byHouse{};
  for (int h = 1; h <= 12; ++h) byHouse[size_t(h)] = 30.0 * (h - 1);
  chart.Cusps = CuspsFromHouses(byHouse);
  std::array<int, 17> houses{};
  houses.fill(3);
  chart.HousePositions = HouseRecords(houses);
  return chart;
}

}  // namespace orv::test
