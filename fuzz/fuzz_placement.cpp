// Wheel placement on random valid charts: cusps of any house system at any
// latitude (polar ones included) and sixteen points spread over the wheel,
// bunched within a few degrees, crowded into one house or straddling
// 0/360, placed on the single wheels of both types.
//
// A label must never leave memory, overflow or index out of range; those
// abort the run. A label outside its own house's sector is a known fault of
// the placement that is still to be mended, so it is counted and printed
// at exit rather than aborting the run.
#include <cmath>
#include <cstdio>
#include <numbers>

#include "FuzzSupport.h"
#include "core/Angles.h"
#include "core/FixedTables.h"
#include "core/HouseCusps.h"
#include "core/HousePlacement.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPlacement.h"

using namespace orv;

namespace {

// Labels placed; outside their house's sector; outside it by more than one
// slot (4 degrees).
long placedLabels = 0, outsideTheirHouse = 0, farOutside = 0;

void PrintCounts() {
  std::fprintf(stderr,
               "placement: %ld labels placed, %ld outside their house, %ld of them by more "
               "than 4 degrees\n",
               placedLabels, outsideTheirHouse, farOutside);
}

// The display angle where house `h`'s sector starts on the single frame.
double SectorStart(const std::array<double, 12>& spokes, int typeChart, int h) {
  return typeChart == 0 ? Norm360(180 + 30.0 * (h - 1)) : spokes[std::size_t(h - 1)];
}

// Whether `l` lies within `slack` degrees of its house's sector.
bool InsideItsHouse(const PlacedLabel& l, const std::array<double, 12>& spokes, int typeChart,
                    double slack) {
  const double start = SectorStart(spokes, typeChart, l.house) - slack;
  const double end = SectorStart(spokes, typeChart, l.house % 12 + 1) + slack;
  return Norm360(l.angle - start) <= Norm360(end - start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = std::atexit(PrintCounts) == 0;
  (void)registered;
  FuzzedDataProvider in(data, size);
  const HouseSystemCode system = fuzz::ConsumeHouseSystem(in);
  const double ramc = in.ConsumeFloatingPointInRange(0.0, 2 * std::numbers::pi);
  const double latitude = in.ConsumeFloatingPointInRange(-89.9, 89.9) * std::numbers::pi / 180;
  const double obliquity = 23.44 * std::numbers::pi / 180;
  HouseCuspsResult cast = CalcHouseCusps(system, HouseInputsAt(ramc, latitude, obliquity));
  // Where Placidus and Koch have no cusps the chart is refused; any other
  // system still draws a wheel there.
  if (!cast.ok()) cast = CalcHouseCusps(HouseSystemCode::Porphyry, HouseInputsAt(ramc, latitude, obliquity));

  SingleWheelInputs w;
  w.cusps = cast.cusps;
  const int shape = in.ConsumeIntegralInRange(0, 3);
  const int house = in.ConsumeIntegralInRange(1, 12);
  double centre = in.ConsumeFloatingPointInRange(0.0, 360.0);
  double spread = in.ConsumeFloatingPointInRange(0.0, 5.0);
  if (shape == 0) spread = 360;                                     // anywhere
  if (shape == 2) centre = w.cusps[std::size_t(CuspIndexOfHouse(house))];  // one house
  if (shape == 3) centre = 360 - spread / 2;                        // across 0/360
  for (int p = 1; p <= NumPoints; ++p)
    w.values[std::size_t(p)] = Norm360(centre + in.ConsumeFloatingPointInRange(0.0, spread));
  w.housePositions = PlacePlanetsInHouses("", w.values, w.cusps, HouseLabels);
  w.enabled.clear();
  w.retroFlags.clear();
  for (int p = 1; p <= NumPoints; ++p) {
    w.enabled += in.ConsumeIntegralInRange(0, 7) == 7 ? '0' : '1';
    w.retroFlags += in.ConsumeBool() ? 'R' : ' ';
  }
  w.typeChart = in.ConsumeIntegralInRange(0, 1);
  w.helio = in.ConsumeBool();
  w.glyphLayout = in.ConsumeIntegralInRange(0, 1);
  w.radiusTable = fuzz::ShippedWorkbench().Tables.RadiusTable;

  const std::array<double, 12> spokes = SingleFrameSpokeAngles(w.typeChart, w.cusps);
  for (const PlacedLabel& l : PlaceSingleWheel(w)) {
    fuzz::Require(l.house >= 1 && l.house <= 12 && l.point >= 1 && l.point <= NumPoints,
                  "a label of a point and a house");
    fuzz::Require(std::isfinite(l.angle) && std::isfinite(l.radius) && l.radius > 0,
                  "a label at a finite place");
    ++placedLabels;
    if (!InsideItsHouse(l, spokes, w.typeChart, 1e-6)) ++outsideTheirHouse;
    if (!InsideItsHouse(l, spokes, w.typeChart, 4)) ++farOutside;
  }
  return 0;
}
