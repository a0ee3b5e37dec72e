// The sign table of dignities, the essential dignity scores and the
// reception and dignity harmony.

#include <gtest/gtest.h>

#include <map>

#include "cosmodynes/SignDignities.h"

namespace orv {
namespace {

using namespace ChartPoint;

// Signs in which no planet has a dignity and no two are in mutual
// reception: Sun Virgo, Mercury Cancer, Venus Gemini, Mars Virgo, Jupiter
// Libra, Saturn Taurus, Uranus Virgo, Neptune Taurus, Pluto Virgo, Moon
// Aries.
constexpr int kNeutralSigns[] = {0, 6, 4, 3, 6, 7, 2, 6, 2, 6, 1};

PointArray<double> PlanetsInSigns(const std::map<int, int>& placed) {
  PointArray<double> lon{};
  for (int p = Sun; p <= Moon; ++p) {
    const auto it = placed.find(p);
    const int sign = it != placed.end() ? it->second : kNeutralSigns[p];
    lon[size_t(p)] = 30.0 * (sign - 1) + 15;
  }
  lon[NorthNode] = 125;  // Leo, where the Sun and Pluto would have dignity
  lon[Ascendant] = 125;
  lon[MC] = 215;
  return lon;
}

TEST(SignDignityTable, DiscordColumnsLieOppositeTheirHarmonyColumns) {
  const std::pair<SignDignity, SignDignity> opposite[] = {
      {SignDignity::Rulership, SignDignity::Detriment},
      {SignDignity::Exaltation, SignDignity::Fall},
      {SignDignity::MinorHarmony, SignDignity::MinorDiscord},
  };
  for (int p = Sun; p <= Moon; ++p) {
    int cells = 0;
    for (int s = 1; s <= 12; ++s) {
      const int across = s > 6 ? s - 6 : s + 6;
      for (const auto& [good, bad] : opposite) {
        EXPECT_EQ(DignityOfSign(p, s) == good, DignityOfSign(p, across) == bad) << p << " " << s;
      }
      cells += DignityOfSign(p, s) != SignDignity::None;
    }
    // One or two rulerships (and detriments), one exaltation, fall and minor pair.
    const bool twoRulers = p >= Mercury && p <= Saturn;
    EXPECT_EQ(cells, twoRulers ? 8 : 6) << p;
  }
  EXPECT_EQ(DignityOfSign(NorthNode, 5), SignDignity::None);
  EXPECT_EQ(DignityOfSign(Sun, 13), SignDignity::None);
}

TEST(SignDignityTable, EssentialDignityScores) {
  Cosmodynes c;
  c.DignityScore.fill(9);
  // Sun in Leo +5, Mercury in Pisces -5, Venus in Pisces +4, Mars in Cancer
  // -4, Jupiter in Taurus +1, Saturn in Pisces -1, the Moon in Gemini 0.
  CalcEssentialDignities(c, PlanetsInSigns({{Sun, 5},
                                            {Mercury, 12},
                                            {Venus, 12},
                                            {Mars, 4},
                                            {Jupiter, 2},
                                            {Saturn, 12},
                                            {Moon, 3}}));
  const std::array<std::int16_t, 16> expected = {0, 5, -5, 4, -4, 1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(c.DignityScore, expected);
}

TEST(ReceptionAndDignityHarmony, AddedPerPlanet) {
  struct Row {
    const char* name;
    std::map<int, int> placed;
    std::map<int, double> harmony;  // planets not named end with 0
  };
  const Row rows[] = {
      {"rulership", {{Sun, 4}, {Moon, 5}}, {{Sun, 5}, {Moon, 5}}},
      {"exaltation", {{Sun, 2}, {Moon, 1}}, {{Sun, 5}, {Moon, 5}}},
      {"mixed", {{Sun, 4}, {Moon, 1}}, {{Sun, 5}, {Moon, 5}}},
      {"both exalted", {{Mercury, 11}, {Uranus, 3}}, {{Mercury, 8}, {Uranus, 8}}},
      {"co-rulers together", {{Mars, 8}, {Pluto, 8}}, {{Mars, 7}, {Pluto, 7}}},
      {"Saturn exalted", {{Saturn, 7}, {Venus, 10}}, {{Saturn, 8}, {Venus, 5}}},
      // Mercury receives Uranus and Saturn: 10, plus 3 for its exaltation.
      {"two receptions",
       {{Mercury, 11}, {Uranus, 3}, {Saturn, 6}},
       {{Mercury, 13}, {Uranus, 8}, {Saturn, 6}}},
      {"none", {}, {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Cosmodynes c;
    const PointArray<double> lon = PlanetsInSigns(r.placed);
    ApplyMutualReceptionHarmony(c, lon);
    ApplyDignityHarmony(c, lon);
    for (int p = 1; p <= CosmoPointCount; ++p) {
      const auto it = r.harmony.find(p);
      EXPECT_EQ(c.Harmony[size_t(p)], it != r.harmony.end() ? it->second : 0) << p;
      EXPECT_EQ(c.Discord[size_t(p)], 0) << p;
    }
  }
}

TEST(ReceptionAndDignityHarmony, SunByItsSign) {
  struct Row {
    int sign;
    double harmony, discord;
  };
  const Row rows[] = {{7, 0, 3}, {3, 0, 1}, {9, 1, 0}, {5, 2, 0}, {11, 0, 2}, {1, 3, 0}, {4, 0, 0}};
  for (const Row& r : rows) {
    Cosmodynes c;
    c.Harmony[Sun] = 1;  // only added to
    ApplyDignityHarmony(c, PlanetsInSigns({{Sun, r.sign}}));
    EXPECT_EQ(c.Harmony[Sun], 1 + r.harmony) << r.sign;
    EXPECT_EQ(c.Discord[Sun], r.discord) << r.sign;
  }
  Cosmodynes c;
  ApplyDignityHarmony(c, PlanetsInSigns({{Moon, 3}}));  // the Moon in Gemini
  EXPECT_EQ(c.Harmony[Moon], 0);
  EXPECT_EQ(c.Discord[Moon], 0);
}

}  // namespace
}  // namespace orv
