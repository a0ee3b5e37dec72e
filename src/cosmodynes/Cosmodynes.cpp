#include "cosmodynes/Cosmodynes.h"

#include <cmath>

#include "core/HousePlacement.h"
#include "cosmodynes/AspectCosmodynes.h"
#include "cosmodynes/SignAndHouseCosmodynes.h"
#include "cosmodynes/SignDignities.h"
#include "core/HousePowerTables.h"

namespace orv {

namespace {

constexpr int LastCuspDistancePoint = ChartPoint::PartOfFortune;
// A tenth of a second of arc: closer to a whole turn than this is on the cusp.
constexpr double kOnCuspDeg = 1.0 / 36000;

// The forward arc from `fromDeg` to `toDeg`, 0 <= arc < 360.
double ForwardArc(double fromDeg, double toDeg) {
  const double arc = toDeg - fromDeg;
  return arc < 0 ? arc + 360 : arc;
}

}  // namespace

bool IsCosmodynePoint(int point, CosmoAngleChoice angles) {
  if (point >= ChartPoint::NorthNode && point <= ChartPoint::PartOfFortune) return false;
  switch (angles) {
    case CosmoAngleChoice::None:
      return point < ChartPoint::Ascendant;
    case CosmoAngleChoice::AscendantOnly:
      return point < ChartPoint::MC;
    case CosmoAngleChoice::MCOnly:
      return point != ChartPoint::Ascendant;
    case CosmoAngleChoice::Both:
      break;
  }
  return true;
}

int CosmoSignOf(double lonDeg) {
  double lon = std::fmod(lonDeg, 360.0);
  if (lon < 0) lon += 360;
  const int sign = static_cast<int>(lon / 30) + 1;
  return sign > 12 ? 12 : sign;
}

std::optional<int> CosmoHouseOf(std::string_view housePositions, int point) {
  const size_t start = size_t(10 * (point - 1));
  if (point < 1 || start >= housePositions.size()) return std::nullopt;
  const int house = HouseNumberOfRecord(housePositions.substr(start, 10));
  if (house < 1 || house > 12) return std::nullopt;
  return house;
}

void SetHouseCuspsByHouse(Cosmodynes& c, const HouseCusps& cusps) {
  for (int h = 1; h <= 12; ++h) c.HouseCuspsByHouse[size_t(h)] = cusps[size_t(CuspIndexOfHouse(h))];
}

void CalcCuspDistances(Cosmodynes& c, const ChartArrays& natal) {
  for (int k = 1; k <= LastCuspDistancePoint; ++k) {
    const std::optional<int> house = CosmoHouseOf(natal.HousePositions, k);
    if (!house) continue;
    c.CuspDistance[size_t(k)] =
        ForwardArc(c.HouseCuspsByHouse[size_t(*house)], natal.Longitudes[size_t(k)]);
  }
}

void CalcHouseSizes(Cosmodynes& c) {
  for (int h = 1; h <= 12; ++h) {
    const int next = h == 12 ? 1 : h + 1;
    c.HouseSize[size_t(h)] =
        ForwardArc(c.HouseCuspsByHouse[size_t(h)], c.HouseCuspsByHouse[size_t(next)]);
  }
}

void CalcHousePositionPower(Cosmodynes& c, std::string_view housePositions) {
  for (int k = ChartPoint::Sun; k <= ChartPoint::Moon; ++k) {
    const std::optional<int> house = CosmoHouseOf(housePositions, k);
    if (!house) continue;
    const double base = HousePowerBase[size_t(*house)];
    const double slope = HousePowerSlope[size_t(*house)];
    const double size = c.HouseSize[size_t(*house)];
    double& distance = c.CuspDistance[size_t(k)];
    // A point a hair before a cusp is placed in the house that begins there,
    // so its arc from that cusp comes out a whole turn; it stands on the
    // cusp. Two equal cusps make a house of no width: its planets sit on the
    // cusp too.
    if (distance >= size || 360 - distance < kOnCuspDeg) distance = 0;
    c.HousePositionPower[size_t(k)] = size > 0 ? base - slope * distance / size : base;
  }
}

void CalcTotalPower(Cosmodynes& c) {
  for (int k = 1; k <= CosmoPointCount; ++k)
    c.Power[size_t(k)] = c.HousePositionPower[size_t(k)] + c.AspectPower[size_t(k)];
}

void CountCuspsPerSign(Cosmodynes& c) {
  c.CuspsPerSign.fill(0);
  for (int h = 1; h <= 12; ++h)
    ++c.CuspsPerSign[size_t(CosmoSignOf(c.HouseCuspsByHouse[size_t(h)]))];
}

void FillCosmoSummary(Cosmodynes& c) {
  for (int k = 1; k <= CosmoPointCount; ++k) {
    c.CosmoSummary[size_t(k)][1] = c.Power[size_t(k)];
    c.CosmoSummary[size_t(k)][2] = c.Harmony[size_t(k)] - c.Discord[size_t(k)];
  }
}

Cosmodynes CalcCosmodynes(const ChartArrays& natal, CosmoAngleChoice angles,
                          const CosmodyneOptions& options) {
  Cosmodynes c;
  SetHouseCuspsByHouse(c, natal.Cusps);
  CalcCuspDistances(c, natal);
  CalcHouseSizes(c);
  CalcHousePositionPower(c, natal.HousePositions);
  CalcEssentialDignities(c, natal.Longitudes);
  CalcAspectCosmodynes(c, natal, angles, options);
  CalcTotalPower(c);
  // Harmony and discord only from here on: `Power` is final.
  ApplyMutualReceptionHarmony(c, natal.Longitudes);
  ApplyDignityHarmony(c, natal.Longitudes);
  CountCuspsPerSign(c);
  CalcSignCosmodynes(c, natal.Longitudes);
  CalcHouseCosmodynes(c, natal.HousePositions);
  FillCosmoSummary(c);
  return c;
}

}  // namespace orv
