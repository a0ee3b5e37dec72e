#include "listings/ChurchOfLightAspects.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/Format.h"
#include "core/Aspects.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"

namespace orv {

namespace {

enum class HouseClass { Angular = 0, Succedent = 1, Cadent = 2 };

// Rows of orbs by house class, classes 1 to 5.
constexpr std::array<CoLOrbs, 3> kLuminaryOrbs = {{
    {0, 4, 6, 8, 12, 15},
    {0, 3, 5, 7, 10, 13},
    {0, 2, 4, 6, 8, 11},
}};
constexpr std::array<CoLOrbs, 3> kPlanetOrbs = {{
    {0, 3, 5, 7, 10, 12},
    {0, 2, 4, 6, 8, 10},
    {0, 1, 3, 5, 6, 8},
}};

// Angular houses are 1, 4, 7, 10, succedent 2, 5, 8, 11, cadent 3, 6, 9, 12.
HouseClass ClassOfHouse(int house) {
  if (house < 1 || house > 12) return HouseClass::Cadent;
  constexpr std::array<HouseClass, 3> kByRemainder = {HouseClass::Cadent, HouseClass::Angular,
                                                      HouseClass::Succedent};
  return kByRemainder[size_t(house % 3)];
}

// The points listed, in this order; the nodes and the Part of Fortune are not.
constexpr std::array<int, 13> kListedPoints = {
    ChartPoint::Sun,     ChartPoint::Mercury, ChartPoint::Venus,     ChartPoint::Mars,
    ChartPoint::Jupiter, ChartPoint::Saturn,  ChartPoint::Uranus,    ChartPoint::Neptune,
    ChartPoint::Pluto,   ChartPoint::Moon,    ChartPoint::Ascendant, ChartPoint::MC,
    ChartPoint::Chiron};

std::string Name8(int point) {
  return std::string(PackedField(PointNames10, point, PointNameWidth).substr(0, 8));
}

int HouseOf(const ChartArrays& chart, int point) {
  return HouseNumberOfRecord(PackedField(chart.HousePositions, point, HousePositionWidth));
}

}  // namespace

std::optional<CoLAspect> FindCoLAspect(double s, const CoLOrbs& orb) {
  if (s < orb[5]) return CoLAspect{2, s};
  if (30 - orb[1] < s && s < 30 + orb[1]) return CoLAspect{8, s - 30};
  if (45 - orb[2] < s && s < 45 + orb[2]) return CoLAspect{9, s - 45};
  if (60 - orb[3] < s && s < 60 + orb[3]) return CoLAspect{3, s - 60};
  if (90 - orb[4] < s && s < 90 + orb[4]) return CoLAspect{4, s - 90};
  if (120 - orb[4] < s && s < 120 + orb[4] && s <= 130) return CoLAspect{5, s - 120};
  if (135 - orb[2] < s && s < 135 + orb[2] && s > 130) return CoLAspect{10, s - 135};
  if (150 - orb[1] < s && s < 150 + orb[1]) return CoLAspect{11, s - 150};
  if (s > 180 - orb[5]) return CoLAspect{6, s - 180};
  return std::nullopt;
}

CoLOrbs CoLOrbsOf(int point, int house) {
  if (point >= ChartPoint::Ascendant) return kPlanetOrbs[size_t(HouseClass::Angular)];
  const auto row = size_t(ClassOfHouse(house));
  return point == ChartPoint::Sun || point == ChartPoint::Moon ? kLuminaryOrbs[row]
                                                               : kPlanetOrbs[row];
}

void ListCoLAspects(ListingPage& page, const ChartArrays& natal) {
  page.Blank();
  page.Line(std::string(14, ' ') + "Church of Light Aspects");
  page.Blank();
  const int last = LastPointOf(natal);
  for (int i : kListedPoints) {
    if (i > last) continue;
    const CoLOrbs orbsI = CoLOrbsOf(i, HouseOf(natal, i));
    for (int j : kListedPoints) {
      if (j == i || j > last) continue;
      const CoLOrbs orbsJ = CoLOrbsOf(j, HouseOf(natal, j));
      CoLOrbs orbs{};
      for (size_t k = 1; k < orbs.size(); ++k) orbs[k] = std::max(orbsI[k], orbsJ[k]);

      const double d = natal.Longitudes[size_t(i)] - natal.Longitudes[size_t(j)];
      double s = std::fabs(d);
      if (s > 180) s = 360 - s;
      if (auto aspect = FindCoLAspect(s, orbs)) {
        page.Line(
            AspectListLine(i, aspect->code, j, ListedDeviation(aspect->deviationDeg, d), "0.0"));
      }
      const double p = std::fabs(std::fabs(natal.Declinations[size_t(i)]) -
                                 std::fabs(natal.Declinations[size_t(j)]));
      if (p < 1) {
        page.Line("  " + Name8(i) + "    Parallel      " + Name8(j) + "     " +
                  FormatNumber(p, "0.0") + " degrees");
      }
    }
    page.Blank();
  }
}

}  // namespace orv
