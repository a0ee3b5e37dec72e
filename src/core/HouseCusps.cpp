#include "core/HouseCusps.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <iterator>

#include "core/Angles.h"
#include "core/SinCosMultiples.h"

namespace orv {

namespace {

// Placidus's stand-in for a latitude of exactly 0 (radians): it keeps the
// semi-arc's arc cosine off 0.
constexpr double kPlacidusZeroLatitude = -1e-05;

// The semi-arc iteration converges ever more slowly towards the polar
// circles (tens of passes at 60 degrees of latitude, hundreds near 66); it
// stops once a pass moves the right ascension by less than
// kPlacidusSettledRadians, far below what a listing shows, and gives up
// after kPlacidusMostPasses passes.
constexpr int kPlacidusMostPasses = 100000;
constexpr double kPlacidusSettledRadians = 1e-13;

// Campanus adds a millionth of a degree so that tan A stays finite at 90
// and 270 degrees.
constexpr double kCampanusNudgeDeg = 0.000001;

// The cusps by house, 1..12 (index 0 unused).
using CuspsByHouse = std::array<double, 13>;

double DegreesOfDirection(double y, double x) { return Mod360(RadToDeg(QuadrantAngle(y, x))); }

HouseCusps CuspOrderFromHouses(const CuspsByHouse& byHouse) {
  HouseCusps cusps{};
  for (int n = 1; n <= 12; ++n) cusps[CuspIndexOfHouse(n)] = byHouse[n];
  return cusps;
}

// Houses 7..12 opposite houses 1..6.
void CompleteOpposites(CuspsByHouse& byHouse) {
  for (int n = 7; n <= 12; ++n) byHouse[n] = Mod360(byHouse[n - 6] + 180);
}

HouseCuspsResult Cast(const HouseCusps& cusps) { return {HouseCastStatus::Cast, cusps}; }
HouseCuspsResult NotCast() { return {HouseCastStatus::NoCuspsAtLatitude, {}}; }

// One Placidus cusp to find: the start of its right ascension (RAMC plus an
// offset), the part of the semi-arc it lies at, and which semi-arc.
struct PlacidusStart {
  double startRaRadians;
  double divisor;
  bool belowHorizon;
};

// The semi-arc iteration for each of `starts`, to convergence (see
// CalcPlacidusCusp). The passes of one cusp depend on each other, those of
// different cusps do not, so the cusps go through their passes side by side
// and the processor works on all of them at once; each cusp sees the same
// arithmetic as on its own.
template <std::size_t N>
std::array<PlacidusCuspResult, N> PlacidusCusps(const std::array<PlacidusStart, N>& starts,
                                                double ramcRadians, double obliquityRadians,
                                                double latitudeRadians) {
  if (latitudeRadians == 0) latitudeRadians = kPlacidusZeroLatitude;
  const double tanProduct = std::tan(obliquityRadians) * std::tan(latitudeRadians);
  std::array<PlacidusCuspResult, N> results{};
  std::array<double, N> ra{};
  // The sine and cosine of ra: each pass moves ra less, and the new ones are
  // the old turned by the move.
  std::array<SinCos, N> raSc{};
  std::array<bool, N> settled{};
  for (std::size_t i = 0; i < N; ++i) {
    ra[i] = starts[i].startRaRadians;
    raSc[i] = {std::sin(ra[i]), std::cos(ra[i])};
  }
  for (int pass = 0; pass < kPlacidusMostPasses; ++pass) {
    bool allSettled = true;
    for (std::size_t i = 0; i < N; ++i) {
      if (results[i].status != HouseCastStatus::Cast || settled[i]) continue;
      const PlacidusStart& start = starts[i];
      const double side = start.belowHorizon ? 1 : -1;
      const double x = side * raSc[i].sin * tanProduct;
      if (std::fabs(x) > 1) {
        results[i].status = HouseCastStatus::NoCuspsAtLatitude;
        continue;
      }
      double semiArc = ArcCos(x);
      if (x < 0) semiArc += Pi;
      const double next = start.belowHorizon ? ramcRadians + Pi - semiArc / start.divisor
                                             : ramcRadians + semiArc / start.divisor;
      settled[i] = std::fabs(next - ra[i]) < kPlacidusSettledRadians;
      allSettled = allSettled && settled[i];
      // A Newton step on ra - next(ra) settles in a few passes where the plain
      // step takes dozens; it is taken only while the plain step would
      // converge too (|slope| < 1) and it stays where semi-arcs exist.
      double move = next - ra[i];
      if (!settled[i]) {
        const double slope =
            raSc[i].cos * tanProduct / (start.divisor * std::sqrt(1 - x * x));
        if (std::fabs(slope) < 1) {
          const double newton = move / (1 - slope);
          const SinCos at = AngleSum(raSc[i], SinCosNear0(newton));
          if (std::fabs(at.sin * tanProduct) <= 1) move = newton;
        }
      }
      raSc[i] = AngleSum(raSc[i], SinCosNear0(move));
      ra[i] += move;
    }
    if (allSettled) break;
  }
  for (std::size_t i = 0; i < N; ++i) {
    // A cusp that never settles is not known.
    if (results[i].status == HouseCastStatus::Cast && !settled[i])
      results[i].status = HouseCastStatus::NoCuspsAtLatitude;
    if (results[i].status != HouseCastStatus::Cast) continue;
    double lambda = std::atan(std::tan(ra[i]) / std::cos(obliquityRadians));
    if (lambda < 0) lambda += Pi;
    if (std::sin(ra[i]) < 0) lambda += Pi;
    results[i].CuspLongitude = Mod360(RadToDeg(lambda));
  }
  return results;
}

HouseCuspsResult Placidus(const HouseInputs& in) {
  struct PlacidusCall {
    int house;          // the house whose cusp is stored
    double offsetDeg;   // start value: RAMC + offset
    double divisor;     // thirds of the semi-arc
    bool belowHorizon;  // nocturnal semi-arc
    double turnDeg;     // added to the result
  };
  static constexpr PlacidusCall kCalls[] = {
      {5, 30, 3, false, 180},    // the 11th cusp, stored as its opposite, the 5th
      {6, 60, 1.5, false, 180},  // the 12th cusp, stored as the 6th
      {2, 120, 1.5, true, 0},
      {3, 150, 3, true, 0},
  };
  std::array<PlacidusStart, std::size(kCalls)> starts{};
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const PlacidusCall& call = kCalls[i];
    starts[i] = {in.RamcRadians + DegToRad(call.offsetDeg), call.divisor, call.belowHorizon};
  }
  const auto results =
      PlacidusCusps(starts, in.RamcRadians, in.ObliquityRadians, in.LatitudeRadians);
  CuspsByHouse byHouse{};
  byHouse[4] = Mod360(in.MidheavenLongitude + 180);
  byHouse[1] = Mod360(in.AscendantLongitude);
  for (std::size_t i = 0; i < starts.size(); ++i) {
    if (results[i].status != HouseCastStatus::Cast) return NotCast();
    byHouse[kCalls[i].house] = Mod360(results[i].CuspLongitude + kCalls[i].turnDeg);
  }
  for (int n = 1; n <= 6; ++n) byHouse[n] = Mod360(byHouse[n]);
  CompleteOpposites(byHouse);
  return Cast(CuspOrderFromHouses(byHouse));
}

HouseCuspsResult Koch(const HouseInputs& in) {
  const double eps = in.ObliquityRadians;
  const double phi = in.LatitudeRadians;
  const double sinAd = std::sin(in.RamcRadians) * std::tan(phi) * std::tan(eps);
  if (std::fabs(sinAd) > 1) return NotCast();
  const double ascensionalDiffDeg = RadToDeg(ArcSin(sinAd));
  const double ramcDeg = RadToDeg(in.RamcRadians);
  CuspsByHouse byHouse{};
  for (int n = 1; n <= 12; ++n) {
    const double h = Mod360(n * 30 + 60);
    const double k = h < 180 ? h / 90 - 1 : h / 90 - 3;
    const double side = h < 180 ? 1 : -1;
    const double d = DegToRad(Mod360(ramcDeg + h + k * ascensionalDiffDeg));
    byHouse[n] = DegreesOfDirection(
        std::sin(d), std::cos(d) * std::cos(eps) - side * std::tan(phi) * std::sin(eps));
  }
  return Cast(CuspOrderFromHouses(byHouse));
}

HouseCuspsResult Campanus(const HouseInputs& in) {
  const double eps = in.ObliquityRadians;
  const double phi = in.LatitudeRadians;
  CuspsByHouse byHouse{};
  for (int n = 1; n <= 12; ++n) {
    const double a = DegToRad(n * 30 + 60 + kCampanusNudgeDeg);
    double v = std::atan(std::tan(a) * std::cos(phi));
    if (v < 0) v += Pi;
    if (std::sin(a) < 0) v += Pi;
    const double b = in.RamcRadians + v;
    byHouse[n] = DegreesOfDirection(
        std::sin(b), std::cos(b) * std::cos(eps) - std::tan(phi) * std::sin(v) * std::sin(eps));
  }
  return Cast(CuspOrderFromHouses(byHouse));
}

HouseCuspsResult Porphyry(const HouseInputs& in) {
  const double mc = in.MidheavenLongitude;
  const double asc = in.AscendantLongitude;
  CuspsByHouse byHouse{};
  double q1 = asc - mc;
  if (q1 < 0) q1 += 360;
  byHouse[5] = Mod360(mc + 180 + 1 * (q1 / 3));
  byHouse[6] = Mod360(mc + 180 + 2 * (q1 / 3));
  double q2 = Mod360(mc + 180) - asc;
  if (q2 < 0) q2 += 360;
  byHouse[1] = asc;
  for (int j = 1; j <= 3; ++j) byHouse[1 + j] = Mod360(asc + j * (q2 / 3));
  CompleteOpposites(byHouse);
  return Cast(CuspOrderFromHouses(byHouse));
}

// Twelve cusps 30 degrees apart, starting at `start` in cusp index `first`.
HouseCusps EqualFrom(int first, double start) {
  HouseCusps cusps{};
  cusps[first] = start;
  for (int step = 1; step < 12; ++step) {
    const int i = (first - 1 + step) % 12 + 1;
    const int before = (i + 10) % 12 + 1;
    cusps[i] = Norm360(cusps[before] + 30);
  }
  return cusps;
}

HouseCuspsResult EqualAscendant(const HouseInputs& in) {
  return Cast(EqualFrom(4, in.AscendantLongitude));
}
HouseCuspsResult EqualMC(const HouseInputs& in) {
  return Cast(EqualFrom(1, in.MidheavenLongitude));
}

// Meridian, Morinus and Regiomontanus: one direction per house from the
// point B = RAMC + A of the equator, A = 30 n + 60 degrees.
template <class Direction>
HouseCuspsResult FromEquatorPoints(const HouseInputs& in, Direction direction) {
  CuspsByHouse byHouse{};
  for (int n = 1; n <= 12; ++n) {
    const double a = DegToRad(n * 30 + 60);
    byHouse[n] = direction(a, in.RamcRadians + a);
  }
  return Cast(CuspOrderFromHouses(byHouse));
}

HouseCuspsResult Meridian(const HouseInputs& in) {
  const double cosEps = std::cos(in.ObliquityRadians);
  return FromEquatorPoints(
      in, [&](double, double b) { return DegreesOfDirection(std::sin(b), cosEps * std::cos(b)); });
}

HouseCuspsResult Morinus(const HouseInputs& in) {
  const double cosEps = std::cos(in.ObliquityRadians);
  return FromEquatorPoints(
      in, [&](double, double b) { return DegreesOfDirection(std::sin(b) * cosEps, std::cos(b)); });
}

HouseCuspsResult Regiomontanus(const HouseInputs& in) {
  const double eps = in.ObliquityRadians;
  const double tanPhi = std::tan(in.LatitudeRadians);
  return FromEquatorPoints(in, [&](double a, double b) {
    return DegreesOfDirection(std::sin(b),
                              std::cos(eps) * std::cos(b) - tanPhi * std::sin(a) * std::sin(eps));
  });
}

using HouseRoutine = HouseCuspsResult (*)(const HouseInputs&);

// Indexed by `HouseSystemCode` - 1, the order of `HouseSystems`.
constexpr HouseRoutine kRoutines[] = {Placidus,       Regiomontanus, Koch,     Campanus, Porphyry,
                                      EqualAscendant, EqualMC,       Meridian, Morinus};

}  // namespace

double CalcMidheaven(double ramcRadians, double obliquityRadians) {
  const Polar2 mc =
      RectToPolar({std::cos(ramcRadians) * std::cos(obliquityRadians), std::sin(ramcRadians)});
  return Mod360(RadToDeg(mc.angle));
}

double CalcAscendant(double ramcRadians, double obliquityRadians, double latitudeRadians) {
  // The zenith, turned from the equator onto the ecliptic about the
  // equinox line; the ecliptic's highest point (nonagesimal) lies under it.
  const double x = std::cos(latitudeRadians) * std::cos(ramcRadians);
  const double y = std::cos(latitudeRadians) * std::sin(ramcRadians);
  const double z = std::sin(latitudeRadians);
  Polar2 yz = RectToPolar({y, z});
  yz.angle -= obliquityRadians;
  const Rect2 turned = PolarToRect(yz);
  const Polar2 nonagesimal = RectToPolar({x, turned.x});
  double ascendant = Mod360(RadToDeg(nonagesimal.angle) + 90);
  // Both ends of the ecliptic's diameter on the horizon lie 90 degrees from
  // the nonagesimal. Inside a polar circle the nonagesimal can be below the
  // horizon, and then the point found is the setting one: take the point
  // east of the meridian, the one whose direction has a positive share of
  // the east point's (right ascension RAMC + 90, declination 0).
  const double lon = DegToRad(ascendant);
  const double east = -std::sin(ramcRadians) * std::cos(lon) +
                      std::cos(ramcRadians) * std::sin(lon) * std::cos(obliquityRadians);
  if (east < 0) ascendant = Mod360(ascendant + 180);
  return ascendant;
}

HouseInputs HouseInputsAt(double ramcRadians, double latitudeRadians, double obliquityRadians) {
  HouseInputs in;
  in.RamcRadians = ramcRadians;
  in.LatitudeRadians = latitudeRadians;
  in.ObliquityRadians = obliquityRadians;
  in.MidheavenLongitude = CalcMidheaven(ramcRadians, obliquityRadians);
  in.AscendantLongitude = CalcAscendant(ramcRadians, obliquityRadians, latitudeRadians);
  return in;
}

HouseCuspsResult CalcHouseCusps(HouseSystemCode system, const HouseInputs& inputs) {
  HouseCuspsResult result = kRoutines[static_cast<int>(system) - 1](inputs);
  if (result.ok()) {
    for (int i = 1; i <= 12; ++i) result.cusps[i] = Norm360(result.cusps[i]);
  }
  return result;
}

PlacidusCuspResult CalcPlacidusCusp(double startRaRadians, double divisor, bool belowHorizon,
                                    double ramcRadians, double obliquityRadians,
                                    double latitudeRadians) {
  const std::array<PlacidusStart, 1> start{{{startRaRadians, divisor, belowHorizon}}};
  return PlacidusCusps(start, ramcRadians, obliquityRadians, latitudeRadians)[0];
}

std::string SiderealText(int hours, int minutes, int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%02dH  %02dM  %02dS ", hours % 100, minutes % 100,
                seconds % 100);
  return text;
}

}  // namespace orv
