// The cosmodynes on small hand-made charts: house records and longitudes are
// set independently, so each case places points freely.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "CosmoTestCharts.h"
#include "cosmodynes/AspectCosmodynes.h"
#include "cosmodynes/SignAndHouseCosmodynes.h"
#include "cosmodynes/SignDignities.h"

namespace orv {
namespace {

using namespace ChartPoint;

constexpr double kGridTolerance = 1e-5;  // grid cells are single precision

using test::HouseRecords;

// Cusps given by house 1..12; every point's record names house `house`.
ChartArrays Chart(const std::array<double, 13>& cuspByHouse, int house = 3) {
  ChartArrays chart;
  chart.Cusps = test::CuspsFromHouses(cuspByHouse);
  std::array<int, 17> houses{};
  houses.fill(house);
  chart.HousePositions = HouseRecords(houses);
  return chart;
}

constexpr std::array<double, 13> kEqualCusps = {0,   0,   30,  60,  90,  120, 150,
                                                180, 210, 240, 270, 300, 330};

// Every point cadent; `a` and `b` at the given longitudes with declinations
// 20 and -10, every other point at `clusterLon`, clear of both.
ChartArrays PairChart(int a, double lonA, int b, double lonB, double clusterLon) {
  ChartArrays chart = Chart(kEqualCusps);
  chart.Longitudes.fill(clusterLon);
  chart.Longitudes[size_t(a)] = lonA;
  chart.Longitudes[size_t(b)] = lonB;
  chart.Declinations[size_t(a)] = 20;
  chart.Declinations[size_t(b)] = -10;
  return chart;
}

TEST(CosmoAspects, PairOrbsAndFirstMatchingBand) {
  // Mercury finds with the planets' orbs and weighs with the lights'; the
  // angles count as angular whatever their record says.
  const CosmoPairOrbs merMars = PairOrbs(Mercury, 2, Mars, 5);
  EXPECT_EQ(merMars.test, (std::array<double, 6>{0, 2, 4, 6, 8, 10}));
  EXPECT_EQ(merMars.weight, (std::array<double, 6>{0, 3, 5, 7, 10, 13}));
  EXPECT_EQ(merMars.parallel, 13);
  EXPECT_EQ(PairOrbs(Sun, 10, Saturn, 3).test, (std::array<double, 6>{0, 4, 6, 8, 12, 15}));
  EXPECT_EQ(PairOrbs(Sun, 10, Saturn, 3).parallel, 15);
  EXPECT_EQ(PairOrbs(Ascendant, 3, Pluto, 6).test, (std::array<double, 6>{0, 3, 5, 7, 10, 12}));
  EXPECT_EQ(PairOrbs(Ascendant, 3, Pluto, 6).parallel, 12);

  CosmoPairOrbs orbs, wideTrine;
  orbs.test = {0, 2, 5, 7, 10, 12};
  wideTrine.test = {0, 2, 6, 7, 12, 12};
  const struct {
    const CosmoPairOrbs* orbs;
    double sep;
    int code;
    double deviation;
  } rows[] = {
      {&orbs, 0, 2, 0},    {&orbs, 12, 2, 12},   {&orbs, 12.5, 1, 0},  {&orbs, 28, 8, -2},
      {&orbs, 50, 9, 5},   {&orbs, 67, 3, 7},    {&orbs, 80, 4, -10},
      {&orbs, 130, 5, 10},                        // both trine and sesquisquare hold 130
      {&wideTrine, 131, 10, -4},                  // the trine's band would hold it too
      {&orbs, 152, 11, 2}, {&orbs, 168, 6, -12}, {&orbs, 167.9, 1, 0}, {&merMars, 97.5, 4, 7.5},
      {&merMars, 98.5, 1, 0},
  };
  for (const auto& r : rows) {
    const CosmoAspect a = FindCosmoAspect(r.sep, *r.orbs);
    EXPECT_EQ(a.code, r.code) << r.sep;
    EXPECT_DOUBLE_EQ(r.code == 1 ? 0 : a.deviation, r.deviation) << r.sep;
  }
}

TEST(CosmoAspects, PairScoredUnderTheTwoOptions) {
  // Jupiter (Taurus, +1) trine Saturn (Capricorn, +5), exact and cadent:
  // w = 6, with dignities t = 6 x 6 / 10 = 3.6; then Jupiter +1 and Saturn +2
  // harmony for their signs. Venus in Aries (detriment, -5) quincunx Mars in
  // Virgo (0), exact and cadent: w = 1, t = -0.5, a discord; Venus's rule is
  // skipped in Aries with dignities, Mars's is not; then Venus +2 discord.
  const ChartArrays jupSat = PairChart(Jupiter, 45, Saturn, 285, 65);
  const ChartArrays venMars = PairChart(Venus, 15, Mars, 165, 90);
  struct Row {
    const ChartArrays* chart;
    int a, b;
    CosmodyneOptions options;
    double harmonyA, discordA, harmonyB, discordB, gridBelow;
  };
  const Row rows[] = {
      {&jupSat, Jupiter, Saturn, {false, false}, 7, 0, 8, 0, 6},
      {&jupSat, Jupiter, Saturn, {false, true}, 10, 3, 11, 3, 6},  // +3 harmony, +3 discord
      {&jupSat, Jupiter, Saturn, {true, true}, 13.6, 0, 14.6, 0, 12.6},  // Saturn's rule skipped
      {&jupSat, Jupiter, Saturn, {true, false}, 10.6, 0, 11.6, 0, 9.6},
      {&venMars, Venus, Mars, {false, false}, 0, 2, 0, 0, 0},
      {&venMars, Venus, Mars, {false, true}, 0.25, 2.25, 0.25, 0.25, 0},
      {&venMars, Venus, Mars, {true, true}, 0, 2.75, 0, 0.75, -0.75},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message()
                 << r.a << r.options.ConsiderDignities << r.options.BeneficsMalefics);
    const Cosmodynes c = CalcCosmodynes(*r.chart, CosmoAngleChoice::None, r.options);
    EXPECT_DOUBLE_EQ(c.Harmony[size_t(r.a)], r.harmonyA);
    EXPECT_DOUBLE_EQ(c.Discord[size_t(r.a)], r.discordA);
    EXPECT_DOUBLE_EQ(c.Harmony[size_t(r.b)], r.harmonyB);
    EXPECT_DOUBLE_EQ(c.Discord[size_t(r.b)], r.discordB);
    EXPECT_DOUBLE_EQ(c.CosmoSummary[size_t(r.a)][2], r.harmonyA - r.discordA);
    EXPECT_NEAR(c.AspectGrid[size_t(r.a)][size_t(r.b)], r.a == Jupiter ? 6 : 1, kGridTolerance);
    EXPECT_NEAR(c.AspectGrid[size_t(r.b)][size_t(r.a)], r.gridBelow, kGridTolerance);
    EXPECT_EQ(c.AspectPower[Ascendant], 15);
  }
}

TEST(CosmoAspects, LightsAndAnglesInTheGrid) {
  struct Row {
    double moonLon, sunDecl, moonDecl;
    CosmoAngleChoice angles;
    double sunMoon;
    bool ascScored, mcScored;
  };
  const Row rows[] = {
      {100, 0, 5, CosmoAngleChoice::None, 15, false, false},  // angular conjunction: w = 15
      {120, 20.3, -20.0, CosmoAngleChoice::AscendantOnly, 0.7 * 15, true, false},  // parallel
      {120, 20, -21, CosmoAngleChoice::Both, 0, true, true},  // a whole degree: no parallel
      {120, 20, -21, CosmoAngleChoice::MCOnly, 0, false, true},
  };
  for (const Row& r : rows) {
    ChartArrays chart = Chart(kEqualCusps);
    chart.Longitudes.fill(200);
    std::array<int, 17> houses{};
    houses.fill(3);
    houses[Sun] = houses[Moon] = 10;
    chart.HousePositions = HouseRecords(houses);
    chart.Longitudes[Sun] = 100;
    chart.Longitudes[Moon] = r.moonLon;
    chart.Declinations[Sun] = r.sunDecl;
    chart.Declinations[Moon] = r.moonDecl;
    const Cosmodynes c = CalcCosmodynes(chart, r.angles, {});
    SCOPED_TRACE(int(r.angles));
    EXPECT_NEAR(c.AspectGrid[Sun][Moon], r.sunMoon, kGridTolerance);
    EXPECT_EQ(c.AspectGrid[Moon][Sun], 0);  // no tone, options off
    EXPECT_EQ(c.AspectPower[Ascendant] > 15, r.ascScored);
    EXPECT_EQ(c.AspectPower[MC] > 15, r.mcScored);
    EXPECT_EQ(c.AspectGrid[Mars][Ascendant] != 0, r.ascScored);
    EXPECT_EQ(c.AspectGrid[Mars][MC] != 0, r.mcScored);
  }
  // Chiron follows the rule column: below 14 refuses it, "Asc only" too;
  // the nodes and the Part of Fortune never take part.
  EXPECT_FALSE(IsCosmodynePoint(Chiron, CosmoAngleChoice::AscendantOnly));
  EXPECT_TRUE(IsCosmodynePoint(Chiron, CosmoAngleChoice::MCOnly));
  EXPECT_TRUE(IsCosmodynePoint(MC, static_cast<CosmoAngleChoice>(7)));
  EXPECT_FALSE(IsCosmodynePoint(SouthNode, CosmoAngleChoice::Both));
}

TEST(CosmoHouses, PositionPowerFallsAcrossHousesOfAnyWidth) {
  // House 2 has no width, house 3 is 60 wide, house 8 40 and house 9 20.
  const std::array<double, 13> cusps = {0,   0,   30,  30,  90,  120, 150,
                                        180, 210, 250, 270, 300, 330};
  constexpr double kSingleTableTolerance = 1e-6;  // the tables hold 10.9f, 0.9f ...
  const struct {
    double lonDeg;
    int house;
    double power;
  } rows[] = {
      {0, 1, 15},            // on the Ascendant: the full base
      {15, 1, 14},           // half-way through house 1: 15 - 2 x 0.5
      {30, 2, 8.5},          // a house of no width: the base
      {60, 3, 7.75},         // 8 - 0.5 x 30 / 60
      {230, 8, 10.45},       // 10.9 - 0.9 x 20 / 40
      {260, 9, 9.65},        // 10 - 0.7 x 10 / 20
      {285, 10, 14},         // 15 - 2 x 15 / 30
      {180 - 1e-7, 6, 6.5},  // the end of house 6, the least a planet can get
  };
  for (const auto& r : rows) {
    ChartArrays chart = Chart(cusps, 1);
    chart.Longitudes[Venus] = r.lonDeg;
    std::array<int, 17> houses{};
    houses.fill(1);
    houses[Venus] = r.house;
    chart.HousePositions = HouseRecords(houses);
    const Cosmodynes c = CalcCosmodynes(chart, CosmoAngleChoice::None, {});
    EXPECT_NEAR(c.HousePositionPower[Venus], r.power, kSingleTableTolerance) << r.lonDeg;
  }
}

TEST(CosmoHouses, SizesDistancesAndCuspsPerSignAcrossAries) {
  // Taurus and Scorpio intercepted; Gemini and Sagittarius hold two cusps;
  // house 12 runs from 345 across 0 Aries to the Ascendant at 25.
  ChartArrays chart = Chart({0, 25, 65, 85, 100, 130, 165, 205, 245, 265, 280, 310, 345}, 1);
  chart.Longitudes.fill(200);
  chart.Longitudes[Sun] = 5;
  chart.Longitudes[Moon] = 25;
  chart.Longitudes[Ascendant] = 40;
  std::array<int, 17> houses{};
  houses.fill(6);
  houses[Sun] = 12;
  houses[Moon] = houses[Ascendant] = 1;
  chart.HousePositions = HouseRecords(houses);
  const Cosmodynes c = CalcCosmodynes(chart, CosmoAngleChoice::None, {});
  EXPECT_EQ(c.HouseSize[12], 40);
  EXPECT_EQ(c.HouseSize[1], 40);
  EXPECT_EQ(c.HouseSize[3], 15);
  EXPECT_EQ(c.CuspDistance[Sun], 20);  // 5 - 345 + 360
  EXPECT_EQ(c.CuspDistance[Moon], 0);
  EXPECT_EQ(c.CuspDistance[Mars], 200 - 165);
  EXPECT_EQ(c.CuspDistance[PartOfFortune], 200 - 165);  // the last point with one
  EXPECT_EQ(c.CuspDistance[Ascendant], 0);  // the angles get none
  EXPECT_EQ(c.CuspsPerSign, (std::array<std::int16_t, 13>{0, 1, 0, 2, 1, 1, 1, 1, 0, 2, 1, 1, 1}));
}

TEST(CosmoSummary, AnglesAndUnscoredPoints) {
  ChartArrays chart = Chart(kEqualCusps);
  for (int k = 1; k <= 16; ++k) chart.Longitudes[size_t(k)] = 7.0 * k;
  const Cosmodynes c = CalcCosmodynes(chart, CosmoAngleChoice::None, {true, true});
  for (int k = 11; k <= 15; ++k) {
    EXPECT_EQ(c.CosmoSummary[size_t(k)][1], k >= Ascendant ? 15 : 0) << k;
    EXPECT_EQ(c.CosmoSummary[size_t(k)][2], 0) << k;
    EXPECT_EQ(c.Harmony[size_t(k)] + c.Discord[size_t(k)], 0) << k;
  }
  for (int k = 1; k <= 10; ++k) EXPECT_GT(c.Power[size_t(k)], 0) << k;
  const Cosmodynes again = CalcCosmodynes(chart, CosmoAngleChoice::None, {true, true});
  EXPECT_EQ(again.Harmony, c.Harmony);
  EXPECT_EQ(again.HousePower, c.HousePower);
}

// Per-point power: Sun 20, Mercury 8, Venus 12, Mars 20, Jupiter 16,
// Saturn 6, Uranus 4, Neptune 10, Pluto 10, Moon 16, Ascendant 15, MC 17.
// The nodes and the Part of Fortune hold 100, which must never count.
// Harmony is half the power and discord equal to it.
Cosmodynes WithPointValues() {
  Cosmodynes c;
  c.Power = {0, 20, 8, 12, 20, 16, 6, 4, 10, 10, 16, 100, 100, 100, 15, 17};
  for (int k = 1; k <= CosmoPointCount; ++k) {
    c.Harmony[size_t(k)] = c.Power[size_t(k)] / 2;
    c.Discord[size_t(k)] = c.Power[size_t(k)];
  }
  return c;
}

void ExpectScaled(const CosmoTwelveArray& power, const CosmoTwelveArray& harmony,
                  const CosmoTwelveArray& discord, const CosmoTwelveArray& expected) {
  EXPECT_EQ(power, expected);
  for (int i = 1; i <= 12; ++i) {
    EXPECT_EQ(harmony[size_t(i)], expected[size_t(i)] / 2) << i;
    EXPECT_EQ(discord[size_t(i)], expected[size_t(i)]) << i;
  }
}

TEST(CosmoSignsAndHouses, RulerSharesAndOccupants) {
  const double rulers[] = {0, 20, 12, 8, 16, 20, 8, 12, 15, 16, 6, 5, 13};  // co-rulers: the mean
  for (int s = 1; s <= 12; ++s) EXPECT_EQ(RulerValue(WithPointValues().Power, s), rulers[s]) << s;

  Cosmodynes c = WithPointValues();
  // Sagittarius intercepted in house 7; Aries and Taurus in house 12.
  c.HouseCuspsByHouse = {0, 65, 95, 110, 125, 175, 200, 235, 275, 290, 305, 340, 355, 0};
  const std::string records = HouseRecords({0, 4, 1, 2, 3, 12, 12, 7, 9, 9, 4, 5, 11, 6, 8, 3, 5});
  std::fill(c.HousePower.begin() + 1, c.HousePower.end(), -1);  // replaced, not added to
  CalcHouseCosmodynes(c, records);
  CalcHouseCosmodynes(c, records);  // nothing accumulates
  ExpectScaled(c.HousePower, c.HouseHarmony, c.HouseDiscord,
               {0,
                4 + 8 + 15,      // Gemini cusp: Mercury / 2; Mercury; the Ascendant
                8 + 12,          // Cancer: Moon / 2; Venus
                8 + 20,          // Cancer to Leo: no interception; Mars
                10 + 20 + 16,    // Leo: Sun / 2; the Sun and the Moon
                4,               // Virgo
                6,               // Libra: Venus / 2
                7.5 + 4 + 4,     // Scorpio (Mars + Pluto) / 4, Sagittarius / 4; Uranus
                3,               // Capricorn: Saturn / 2
                3 + 10 + 10,     // Neptune and Pluto
                2.5 + 17,        // Aquarius (Saturn + Uranus) / 4; the MC
                6.5,             // Pisces (Jupiter + Neptune) / 4
                6.5 + 5 + 3 + 16 + 6});  // Aries and Taurus intercepted; Jupiter, Saturn

  c = WithPointValues();
  c.CuspsPerSign = {0, 1, 0, 0, 0, 2, 0, 3, 1, 4, 0, 1, 0};
  PointArray<double> lon{};
  const double signOf[] = {0, 1, 1, 9, 9, 10, 10, 5, 7, 8, 2, 3, 9, 3, 4, 12, 5};
  for (int k = 1; k <= 16; ++k) lon[size_t(k)] = 30 * (signOf[k] - 1) + 10;
  CalcSignCosmodynes(c, lon);
  ExpectScaled(c.SignPower, c.SignHarmony, c.SignDiscord,
               {0,
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
                3.25 + 17});   // Pisces: (Jupiter + Neptune) / 2 / 4; the MC
}

// Signs where no planet has a dignity and no two are in mutual reception:
// Sun Virgo, Mercury Cancer, Venus Gemini, Mars Virgo, Jupiter Libra,
// Saturn Taurus, Uranus Virgo, Neptune Taurus, Pluto Virgo, Moon Aries.
PointArray<double> PlanetsInSigns(const std::map<int, int>& placed) {
  constexpr int kNeutralSigns[] = {0, 6, 4, 3, 6, 7, 2, 6, 2, 6, 1};
  PointArray<double> lon{};
  for (int p = Sun; p <= Moon; ++p) {
    const auto it = placed.find(p);
    lon[size_t(p)] = 30.0 * ((it != placed.end() ? it->second : kNeutralSigns[p]) - 1) + 15;
  }
  lon[NorthNode] = lon[Ascendant] = 125;  // Leo, where the Sun and Pluto would have dignity
  lon[MC] = 215;
  return lon;
}

TEST(CosmoDignities, OppositeColumnsAndScores) {
  const std::pair<SignDignity, SignDignity> opposite[] = {
      {SignDignity::Rulership, SignDignity::Detriment},
      {SignDignity::Exaltation, SignDignity::Fall},
      {SignDignity::MinorHarmony, SignDignity::MinorDiscord},
  };
  for (int p = Sun; p <= Moon; ++p) {
    int cells = 0;
    for (int s = 1; s <= 12; ++s) {
      for (const auto& [good, bad] : opposite)
        EXPECT_EQ(DignityOfSign(p, s) == good, DignityOfSign(p, (s + 5) % 12 + 1) == bad) << p << s;
      cells += DignityOfSign(p, s) != SignDignity::None;
    }
    EXPECT_EQ(cells, p >= Mercury && p <= Saturn ? 8 : 6) << p;  // one or two rulerships
  }
  EXPECT_EQ(DignityOfSign(NorthNode, 5), SignDignity::None);
  EXPECT_EQ(DignityOfSign(Sun, 13), SignDignity::None);

  Cosmodynes c;
  c.DignityScore.fill(9);
  CalcEssentialDignities(c, PlanetsInSigns({{Sun, 5}, {Mercury, 12}, {Venus, 12}, {Mars, 4},
                                            {Jupiter, 2}, {Saturn, 12}, {Moon, 3}}));
  EXPECT_EQ(c.DignityScore,
            (std::array<std::int16_t, 16>{0, 5, -5, 4, -4, 1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CosmoDignities, ReceptionAndDignityHarmony) {
  struct Row {
    std::map<int, int> placed;
    std::map<int, double> harmony, discord;  // planets not named end with 0
  };
  const Row rows[] = {
      {{{Sun, 4}, {Moon, 5}}, {{Sun, 5}, {Moon, 5}}, {}},  // rulership
      {{{Sun, 2}, {Moon, 1}}, {{Sun, 5}, {Moon, 5}}, {}},  // exaltation
      {{{Sun, 4}, {Moon, 1}}, {{Sun, 5}, {Moon, 5}}, {}},  // mixed
      {{{Mercury, 11}, {Uranus, 3}}, {{Mercury, 8}, {Uranus, 8}}, {}},
      {{{Mars, 8}, {Pluto, 8}}, {{Mars, 7}, {Pluto, 7}}, {}},  // co-rulers together
      {{{Saturn, 7}, {Venus, 10}}, {{Saturn, 8}, {Venus, 5}}, {}},
      // Mercury receives Uranus and Saturn: 10, plus 3 for its exaltation.
      {{{Mercury, 11}, {Uranus, 3}, {Saturn, 6}}, {{Mercury, 13}, {Uranus, 8}, {Saturn, 6}}, {}},
      {{{Sun, 7}}, {}, {{Sun, 3}}},  // the Sun by its sign
      {{{Sun, 3}}, {}, {{Sun, 1}}},
      {{{Sun, 9}}, {{Sun, 1}}, {}},
      {{{Sun, 11}}, {}, {{Sun, 2}}},
      {{{Sun, 1}}, {{Sun, 3}}, {}},
      {{{Moon, 3}}, {{Moon, 5}, {Mercury, 5}}, {}},  // no dignity; Mercury in Cancer receives it
  };
  for (const Row& r : rows) {
    Cosmodynes c;
    const PointArray<double> lon = PlanetsInSigns(r.placed);
    ApplyMutualReceptionHarmony(c, lon);
    ApplyDignityHarmony(c, lon);
    for (int p = 1; p <= CosmoPointCount; ++p) {
      EXPECT_EQ(c.Harmony[size_t(p)], r.harmony.contains(p) ? r.harmony.at(p) : 0) << p;
      EXPECT_EQ(c.Discord[size_t(p)], r.discord.contains(p) ? r.discord.at(p) : 0) << p;
    }
  }
}

}  // namespace
}  // namespace orv
