#pragma once
// Charts for the wheel tests, computed by the chart driver from fixed input:
// an ordinary natal chart, a crowded one (six points in the first house)
// one at a polar latitude (69n45, Meridian houses, the only kind cast there),
// one at 66 degrees North, whose very unequal Placidus houses intercept
// signs, one of 1879, before Chiron's table begins, and three real charts
// that crowd their houses.

#include <map>
#include <random>

#include "RecordingHost.h"
#include "commands/Workbench.h"
#include "core/Angles.h"
#include "core/ChartDriver.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "shell/OptionFiles.h"
#include "wheels/WheelPaint.h"

namespace orv::test {

enum class WheelChart {
  Ordinary,
  Crowded,
  Polar,
  Unequal,
  BeforeChiron,
  Stellium,      // Delhi, 5 February 1962, 3.30 P.M.: seven points in Aquarius
  NoonStellium,  // Delhi, 4 February 1962, noon: seven labels in the 10th house
  Intercepting,  // 66n00 0w10, 1 January 1989, Regiomontanus: four signs in houses 1 and 7
};

// With `secondPerson`, chart 2 is that person's instead of the transit
// moment.
inline void ComputeWheelChart(Workbench& wb, WheelChart which,
                              const ChartInputFields* secondPerson = nullptr) {
  // The random charts and pairs start from the same few charts thousands of
  // times: each is read and computed once.
  struct Computed {
    decltype(wb.Tables) tables;
    decltype(wb.Options) options;
    decltype(wb.Charts) charts;
  };
  static std::map<WheelChart, Computed> computed;
  if (!secondPerson)
    if (const auto c = computed.find(which); c != computed.end()) {
      wb.AppPath = ORVANTA_DATA_DIR;
      wb.Tables = c->second.tables;
      wb.Options = c->second.options;
      wb.Charts = c->second.charts;
      return;
    }
  wb.AppPath = ORVANTA_DATA_DIR;
  wb.Tables = ReadDataTables(ORVANTA_DATA_DIR).tables;
  RecordingHost host;
  ReadOptionsFile(host, ORVANTA_DATA_DIR, wb.Options);
  ChartDriverHooks hooks;
  ChartRequest r;
  r.name = "Renée Doe";
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"12", "6", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  if (which == WheelChart::Polar) r.houseSystem = HouseSystemCode::Meridian;
  if (which == WheelChart::Polar) r.natal.LatDeg = "69";
  if (which == WheelChart::Unequal) r.natal.LatDeg = "66", r.natal.LatMin = "0";
  if (which == WheelChart::BeforeChiron)  // Ulm, 14 March 1879: before Chiron's table
    r.natal = {"3", "14", "1879", "11", "30", "-1", "10", "0", "48", "24", "", false, true, false};
  if (which == WheelChart::Stellium)
    r.natal = {"2", "5", "1962", "3", "30", "-5.5", "77", "13", "28", "39", "", true, true, false};
  if (which == WheelChart::NoonStellium)
    r.natal = {"2", "4", "1962", "12", "0", "-5.5", "77", "13", "28", "37", "", true, true, false};
  if (which == WheelChart::Intercepting) {
    r.natal = {"1", "1", "1989", "10", "0", "0", "0", "10", "66", "0", "", false, false, false};
    r.houseSystem = HouseSystemCode::Regiomontanus;
  }
  if (secondPerson) r.diurnal = *secondPerson, r.secondPerson = true;
  wb.Charts = {};
  if (CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true) != 0) wb.Charts = {};
  if (which == WheelChart::Crowded) {
    ChartArrays& n = wb.Charts.Natal;  // Sun .. Saturn just past the Ascendant
    for (int p = 1; p <= 6; ++p) n.Longitudes[std::size_t(p)] = Mod360(n.Cusps[4] + 1.5 + 3 * p);
    n.HousePositions = PlacePlanetsInHouses(n.HousePositions, n.Longitudes, n.Cusps, HouseLabels);
  }
  if (!secondPerson) computed[which] = {wb.Tables, wb.Options, wb.Charts};
}

// The ordinary or the 66-degree chart (by `k`'s parity) turned by a random
// angle, its points but the Ascendant and MC at random longitudes.
inline void RandomWheelChart(Workbench& wb, std::mt19937& random, int k) {
  std::uniform_real_distribution<double> degree(0, 360);
  ComputeWheelChart(wb, k % 2 ? WheelChart::Unequal : WheelChart::Ordinary);
  ChartArrays& n = wb.Charts.Natal;
  const double turn = degree(random);
  for (std::size_t c = 1; c <= 12; ++c) n.Cusps[c] = Mod360(n.Cusps[c] + turn);
  for (int p = 1; p <= NumPoints; ++p)
    if (p != ChartPoint::Ascendant && p != ChartPoint::MC)
      n.Longitudes[std::size_t(p)] = degree(random);
  n.Longitudes[std::size_t(ChartPoint::Ascendant)] = n.Cusps[4];
  n.Longitudes[std::size_t(ChartPoint::MC)] = n.Cusps[1];
  n.HousePositions = PlacePlanetsInHouses("", n.Longitudes, n.Cusps, HouseLabels);
}

// `count` points from the Sun on packed `step` degrees apart into the house
// beginning at cusp entry `cusp`, `from` degrees past that cusp.
inline void PackHouse(Workbench& wb, int count, int cusp, double from, double step) {
  ChartArrays& n = wb.Charts.Natal;
  for (int p = 1; p <= count; ++p)
    if (p != ChartPoint::Ascendant && p != ChartPoint::MC)
      n.Longitudes[std::size_t(p)] = Mod360(n.Cusps[std::size_t(cusp)] + from + step * p);
  n.HousePositions = PlacePlanetsInHouses(n.HousePositions, n.Longitudes, n.Cusps, HouseLabels);
}

// The paint inputs of the wheel `wb` has prepared, no orbs (no aspect lines).
inline WheelPaintInputs PaintInputsOf(const Workbench& wb, int typeChart = 0) {
  WheelPaintInputs in;
  in.request = &*wb.Wheel;
  in.options = &wb.Options;
  in.radiusTable = &wb.Tables.RadiusTable;
  in.hcDataTable = &wb.Tables.HcDataTable;
  in.typeChart = typeChart;
  return in;
}

}  // namespace orv::test
