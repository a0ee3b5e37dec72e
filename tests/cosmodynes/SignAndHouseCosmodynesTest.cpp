// The sign and house cosmodynes from set per-point values.

#include <gtest/gtest.h>

#include <algorithm>

#include "CosmoTestCharts.h"
#include "cosmodynes/SignAndHouseCosmodynes.h"

namespace orv {
namespace {

using namespace ChartPoint;

// Per-point power: Sun 20, Mercury 8, Venus 12, Mars 20, Jupiter 16,
// Saturn 6, Uranus 4, Neptune 10, Pluto 10, Moon 16, Ascendant 15, MC 17.
// The nodes and the Part of Fortune hold 100, which must never count.
constexpr CosmoPointArray kPower = {0, 20, 8, 12, 20, 16, 6, 4, 10, 10, 16, 100, 100, 100, 15, 17};

// Harmony half the power and discord equal to it: the sign and house values
// scale the same way, so each quantity is read from its own array.
Cosmodynes WithPointValues() {
  Cosmodynes c;
  c.Power = kPower;
  for (int k = 1; k <= CosmoPointCount; ++k) {
    c.Harmony[size_t(k)] = kPower[size_t(k)] / 2;
    c.Discord[size_t(k)] = kPower[size_t(k)];
  }
  return c;
}

TEST(RulerValues, CoRuledSignsTakeTheMean) {
  const double expected[] = {0, 20, 12, 8, 16, 20, 8, 12, 15, 16, 6, 5, 13};
  for (int s = 1; s <= 12; ++s) EXPECT_EQ(RulerValue(kPower, s), expected[s]) << s;
}

TEST(HouseCosmodynes, CuspShareInterceptionsAndOccupants) {
  Cosmodynes c = WithPointValues();
  // Sagittarius intercepted in house 7; Aries and Taurus in house 12,
  // across the end of the zodiac.
  c.HouseCuspsByHouse = {0, 65, 95, 110, 125, 175, 200, 235, 275, 290, 305, 340, 355, 0};
  std::array<int, 17> houses = {0, 4, 1, 2, 3, 12, 12, 7, 9, 9, 4, 5, 11, 6, 8, 3, 5};
  const std::string records = test::HouseRecords(houses);
  std::fill(c.HousePower.begin() + 1, c.HousePower.end(), -1);  // replaced, not added to
  CalcHouseCosmodynes(c, records);
  const CosmoTwelveArray expected = {
      0,
      4 + 8 + 15,            // Gemini cusp: Mercury / 2; Mercury; the Ascendant
      8 + 12,                // Cancer: Moon / 2; Venus
      8 + 20,                // Cancer to Leo: no interception; Mars
      10 + 20 + 16,          // Leo: Sun / 2; the Sun and the Moon
      4,                     // Virgo
      6,                     // Libra: Venus / 2
      7.5 + 4 + 4,           // Scorpio (Mars + Pluto) / 4, Sagittarius Jupiter / 4; Uranus
      3,                     // Capricorn: Saturn / 2
      3 + 10 + 10,           // Neptune and Pluto
      2.5 + 17,              // Aquarius (Saturn + Uranus) / 4; the MC
      6.5,                   // Pisces (Jupiter + Neptune) / 4
      6.5 + 5 + 3 + 16 + 6,  // Pisces; Aries and Taurus intercepted; Jupiter, Saturn
  };
  EXPECT_EQ(c.HousePower, expected);
  for (int h = 1; h <= 12; ++h) {
    EXPECT_EQ(c.HouseHarmony[size_t(h)], expected[size_t(h)] / 2) << h;
    EXPECT_EQ(c.HouseDiscord[size_t(h)], expected[size_t(h)]) << h;
  }
  const CosmoTwelveArray first = c.HousePower;
  CalcHouseCosmodynes(c, records);
  EXPECT_EQ(c.HousePower, first);  // nothing accumulates
}

TEST(SignCosmodynes, RulerShareByCuspCountAndOccupants) {
  Cosmodynes c = WithPointValues();
  c.CuspsPerSign = {0, 1, 0, 0, 0, 2, 0, 3, 1, 4, 0, 1, 0};
  PointArray<double> lon{};
  const double signOf[] = {0, 1, 1, 9, 9, 10, 10, 5, 7, 8, 2, 3, 9, 3, 4, 12, 5};
  for (int k = 1; k <= 16; ++k) lon[size_t(k)] = 30 * (signOf[k] - 1) + 10;
  CalcSignCosmodynes(c, lon);
  const CosmoTwelveArray expected = {
      0,
      10 + 20 + 8,   // Aries, one cusp: Mars / 2; the Sun and Mercury
      3 + 16,        // Taurus, no cusp: Venus / 4; the Moon
      2,             // Gemini: the North Node and the Part of Fortune add nothing
      4 + 15,        // Cancer: Moon / 4; the Ascendant
      20 + 4,        // Leo, two cusps: the Sun; Uranus (Chiron adds nothing)
      2,             // Virgo
      24 + 10,       // Libra, three cusps: twice Venus; Neptune
      7.5 + 10,      // Scorpio, one cusp: (Mars + Pluto) / 2 / 2; Pluto
      12 + 20,       // Sagittarius, four cusps: no share; Venus, Mars
      1.5 + 16 + 6,  // Capricorn: Saturn / 4; Jupiter, Saturn
      2.5,           // Aquarius, one cusp: (Saturn + Uranus) / 2 / 2
      3.25 + 17,     // Pisces: (Jupiter + Neptune) / 2 / 4; the MC
  };
  EXPECT_EQ(c.SignPower, expected);
  for (int s = 1; s <= 12; ++s) {
    EXPECT_EQ(c.SignHarmony[size_t(s)], expected[size_t(s)] / 2) << s;
    EXPECT_EQ(c.SignDiscord[size_t(s)], expected[size_t(s)]) << s;
  }
}

}  // namespace
}  // namespace orv
