#include "cosmodynes/SignAndHouseCosmodynes.h"

#include <array>

namespace orv {

using namespace ChartPoint;

namespace {

struct SignRulers {
  int traditional;
  int modern;  // 0: none
};

constexpr std::array<SignRulers, 13> kSignRulers = {{
    {0, 0},
    {Mars, 0},
    {Venus, 0},
    {Mercury, 0},
    {Moon, 0},
    {Sun, 0},
    {Mercury, 0},
    {Venus, 0},
    {Mars, Pluto},
    {Jupiter, 0},
    {Saturn, 0},
    {Saturn, Uranus},
    {Jupiter, Neptune},
}};

// Each quantity with the sign and house arrays built from it.
struct Quantity {
  CosmoPointArray Cosmodynes::*points;
  CosmoTwelveArray Cosmodynes::*signs;
  CosmoTwelveArray Cosmodynes::*houses;
};

constexpr Quantity kQuantities[] = {
    {&Cosmodynes::Power, &Cosmodynes::SignPower, &Cosmodynes::HousePower},
    {&Cosmodynes::Harmony, &Cosmodynes::SignHarmony, &Cosmodynes::HouseHarmony},
    {&Cosmodynes::Discord, &Cosmodynes::SignDiscord, &Cosmodynes::HouseDiscord},
};

// Ruler share of a sign by its cusp count; none beyond 3 cusps.
constexpr double kRulerShareByCusps[] = {0.25, 0.5, 1, 2};

constexpr int kSignOccupants[] = {Sun,    Mercury, Venus, Mars, Jupiter,   Saturn,
                                  Uranus, Neptune, Pluto, Moon, Ascendant, MC};

}  // namespace

double RulerValue(const CosmoPointArray& values, int sign) {
  const SignRulers& r = kSignRulers[size_t(sign)];
  const double first = values[size_t(r.traditional)];
  return r.modern == 0 ? first : (first + values[size_t(r.modern)]) / 2;
}

void CalcSignCosmodynes(Cosmodynes& c, const PointArray<double>& longitudes) {
  for (const Quantity& q : kQuantities) {
    CosmoTwelveArray& signs = c.*q.signs;
    for (int s = 1; s <= 12; ++s) {
      const int cusps = c.CuspsPerSign[size_t(s)];
      if (cusps < 0 || cusps > 3) continue;
      signs[size_t(s)] = RulerValue(c.*q.points, s) * kRulerShareByCusps[cusps];
    }
  }
  for (int p : kSignOccupants) {
    const int s = CosmoSignOf(longitudes[size_t(p)]);
    for (const Quantity& q : kQuantities) (c.*q.signs)[size_t(s)] += (c.*q.points)[size_t(p)];
  }
}

void CalcHouseCosmodynes(Cosmodynes& c, std::string_view housePositions) {
  for (const Quantity& q : kQuantities) {
    const CosmoPointArray& values = c.*q.points;
    CosmoTwelveArray& houses = c.*q.houses;
    for (int h = 1; h <= 12; ++h) {
      const int s1 = CosmoSignOf(c.HouseCuspsByHouse[size_t(h)]);
      int s2 = CosmoSignOf(c.HouseCuspsByHouse[size_t(h == 12 ? 1 : h + 1)]);
      if (s2 < s1) s2 += 12;
      houses[size_t(h)] = RulerValue(values, s1) / 2;
      for (int k = s1 + 1; k < s2; ++k)
        houses[size_t(h)] += RulerValue(values, k > 12 ? k - 12 : k) / 4;
    }
  }
  for (int p = Sun; p <= Moon; ++p) {
    const std::optional<int> h = CosmoHouseOf(housePositions, p);
    if (!h) continue;
    for (const Quantity& q : kQuantities) (c.*q.houses)[size_t(*h)] += (c.*q.points)[size_t(p)];
  }
  for (const Quantity& q : kQuantities) {
    (c.*q.houses)[1] += (c.*q.points)[Ascendant];
    (c.*q.houses)[10] += (c.*q.points)[MC];
  }
}

}  // namespace orv
