#include <gtest/gtest.h>

#include <cmath>

#include "RecordingHost.h"
#include "core/Angles.h"
#include "core/ChartDriver.h"
#include "core/ChartTime.h"
#include "core/ephemeris/DataTables.h"

namespace orv {
namespace {

// The driver's calls on the windows and listings, in order.
class RecordingHooks : public ChartDriverHooks {
 public:
  std::vector<std::string> calls;
  void HideInputWindows() override { calls.push_back("hide"); }
  void ShowChartMenus() override { calls.push_back("menus"); }
  void ClearOutputBuffer() override { calls.push_back("clear"); }
  void ListNatalFirstPage() override { calls.push_back("natal"); }
  void ListTransitInterpretations() override { calls.push_back("transits"); }
  void ListNatalCosmodynes() override { calls.push_back("cosmodynes"); }
  void ListComparativeCosmodynes(bool withGrid) override {
    calls.push_back(withGrid ? "comparative+grid" : "comparative");
  }
  void ShowOutputPage() override { calls.push_back("show"); }
};

ChartRequest Request() {
  ChartRequest r;
  r.name = "Jane Doe";
  // 12 May 1959, 10:43 A.M., zone 6 (CST), 75W23 39N45 (month, day, year,
  // hour, minute, zone, longitude, latitude, e-mail, P.M., East, South).
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  // 1 January 2000, 12:00 P.M. (noon) at Greenwich.
  r.diurnal = {"1", "1", "2000", "12", "0", "0", "0", "0", "51", "29", "", true, false, false};
  return r;
}

struct Fixture {
  test::RecordingHost host;
  RecordingHooks hooks;
  ChartModel model;
  OptionValues options{};
  DataTables tables;
  int Run(const ChartRequest& r, bool batch = false) {
    return CalcCharts(host, model, r, options, tables, hooks, batch);
  }
};

TEST(ChartDriver, ARefusedInputChangesNothing) {
  Fixture f;
  ChartRequest empty;
  EXPECT_EQ(f.Run(empty), 1);
  EXPECT_FALSE(f.model.Computed);
  EXPECT_TRUE(f.hooks.calls.empty());  // nothing hidden, nothing listed
  EXPECT_GE(f.host.messages.size(), 2u);

  ASSERT_EQ(f.Run(Request()), 0);
  const ChartModel before = f.model;
  f.hooks.calls.clear();
  ChartRequest bad = Request();
  bad.natal.Month = "13";
  EXPECT_EQ(f.Run(bad), 1);
  EXPECT_TRUE(f.hooks.calls.empty());
  EXPECT_EQ(f.model.Natal.Longitudes, before.Natal.Longitudes);
  EXPECT_EQ(f.model.WorkingHousePositions, before.WorkingHousePositions);
  EXPECT_EQ(f.model.NatalInput.dateText, before.NatalInput.dateText);
  // Nor does a person picked as chart 2 and refused name the old chart.
  bad.secondPerson = true;
  bad.secondCaption = "John Roe";
  EXPECT_EQ(f.Run(bad), 1);
  EXPECT_FALSE(f.model.SecondPerson);
  EXPECT_EQ(f.model.SecondPersonCaption, "2nd Person");
}

TEST(ChartDriver, FilesBothChartsAndKeepsChartTwosHouseRecords) {
  Fixture f;
  f.options[33] = 1;
  ASSERT_EQ(f.Run(Request()), 0);
  const ChartModel& m = f.model;
  EXPECT_TRUE(m.Computed);
  EXPECT_EQ(m.PersonName, "Jane Doe");
  EXPECT_EQ(m.Kind, ChartKind::Second);
  // Chart 2's role and name are filed with it.
  EXPECT_FALSE(m.SecondPerson);
  EXPECT_EQ(m.SecondPersonCaption, "2nd Person");
  ChartRequest person = Request();
  person.secondPerson = true;
  person.secondCaption = "John Roe";
  ASSERT_EQ(f.Run(person), 0);
  EXPECT_TRUE(m.SecondPerson);
  EXPECT_EQ(m.SecondPersonCaption, "John Roe");
  // Chart 2 is J2000.0 exactly (noon UT, 1 January 2000).
  EXPECT_DOUBLE_EQ(m.DiurnalJulianDay, 2451545.0);
  EXPECT_DOUBLE_EQ(m.TransitListDay, 2451545.0);
  EXPECT_EQ(m.WorkingHousePositions, m.Diurnal.HousePositions);
  // The Sun at J2000.0: the solar formulas of Meeus (Astronomical Algorithms,
  // 2nd ed., ch. 25, low accuracy) give apparent longitude 280.373 deg.
  EXPECT_NEAR(m.Diurnal.Longitudes[ChartPoint::Sun], 280.37, 0.02);
  // The Moon moves 11.8 to 15.4 degrees a day.
  EXPECT_GT(m.DailyMotion[ChartPoint::Moon], 11.5);
  EXPECT_LT(m.DailyMotion[ChartPoint::Moon], 15.5);
  EXPECT_EQ(m.Natal.RetroFlags.size(), size_t(NumPoints));
  EXPECT_EQ(m.Natal.HousePositions.size(), size_t(NumPoints * 10));
}

// The records a computation starts from stand only for a point that no house
// holds. In every house system, up to the latitudes the checks admit, each
// point lies in a house, so no record of an earlier chart ever shows.
TEST(ChartDriver, NoHouseRecordOfAnEarlierChartSurvives) {
  const std::string stale(size_t(NumPoints) * HousePositionWidth, 'X');
  for (const HouseSystemInfo& system : HouseSystems) {
    const bool anyLatitude = system.system == HouseSystemCode::Meridian ||
                             system.system == HouseSystemCode::Morinus;
    for (const char* latitude : {"0", "39", "66", "90"}) {
      if (!anyLatitude && std::string(latitude) == "90") continue;
      for (bool south : {false, true}) {
        ChartRequest r = Request();
        r.houseSystem = system.system;
        r.natal.LatDeg = r.diurnal.LatDeg = latitude;
        r.natal.LatMin = r.diurnal.LatMin = "0";
        r.natal.South = r.diurnal.South = south;
        Fixture fresh, after;
        after.model.WorkingHousePositions = stale;
        ASSERT_EQ(fresh.Run(r), 0) << system.name << " " << latitude;
        ASSERT_EQ(after.Run(r), 0);
        SCOPED_TRACE(std::string(system.name) + " " + latitude + (south ? " S" : " N"));
        EXPECT_EQ(after.model.Natal.HousePositions, fresh.model.Natal.HousePositions);
        EXPECT_EQ(after.model.Diurnal.HousePositions, fresh.model.Diurnal.HousePositions);
        EXPECT_EQ(after.model.Natal.HousePositions.find('X'), std::string::npos);
      }
    }
  }
}

TEST(ChartDriver, AKnownMomentMatchesAnIndependentEphemeris) {
  // 15 August 1988, 14:52 UT, London (0W07, 51N30). Sun and Moon: apparent
  // longitudes from the Swiss Ephemeris 2.10.03 for JD 2447389.120291 TT
  // (tests/core/ephemeris/reference_positions.txt, third line), 14:52:17 UT;
  // in the 17 s between, the Moon moves 0.002 deg.
  Fixture f;
  ChartRequest r = Request();
  r.natal = {"8", "15", "1988", "2", "52", "0", "0", "7", "51", "30", "", true, false, false};
  ASSERT_EQ(f.Run(r), 0);
  const ChartArrays& c = f.model.Natal;
  EXPECT_NEAR(c.Longitudes[ChartPoint::Sun], 142.9810140, 0.01);
  EXPECT_NEAR(c.Longitudes[ChartPoint::Moon], 176.5659475, 0.05);

  // MC and Ascendant from the textbook formulas with full-precision pi:
  // Greenwich mean sidereal time (Meeus, Astronomical Algorithms, 12.4), the
  // mean obliquity (22.2) and the angles of ch. 13/14.
  const double kPi = std::acos(-1.0), rad = kPi / 180;
  const double jd = 2447388.5 + (14 + 52 / 60.0) / 24, t = (jd - 2451545.0) / 36525;
  const double gmst = 280.46061837 + 360.98564736629 * (jd - 2451545.0) + 0.000387933 * t * t -
                      t * t * t / 38710000;
  const double ramc = std::fmod(std::fmod(gmst - 7 / 60.0, 360) + 360, 360) * rad;
  const double eps = (23.439291111 - 0.013004167 * t) * rad, phi = 51.5 * rad;
  const double mc = std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)) / rad;
  const double asc = std::atan2(std::cos(ramc),
                                -(std::sin(eps) * std::tan(phi) + std::cos(eps) * std::sin(ramc))) /
                     rad;
  // Within 0.02 deg: the listed time and obliquity are mean, not apparent.
  EXPECT_NEAR(Norm360(c.Longitudes[ChartPoint::MC] - mc + 180) - 180, 0, 0.02);
  EXPECT_NEAR(Norm360(c.Longitudes[ChartPoint::Ascendant] - asc + 180) - 180, 0, 0.02);
  EXPECT_NEAR(Norm360(c.Cusps[1] - mc + 180) - 180, 0, 0.02);
  EXPECT_NEAR(Norm360(c.Cusps[4] - asc + 180) - 180, 0, 0.02);
}

// Apia, 1 July 2015, 3:00 P.M. at zone -13, 171W46 13S50: west of
// Greenwich, across the date line, on the next day's time. The moment is
// 2:00 UT the same day, and the chart is the one of that moment.
TEST(ChartDriver, APlaceAcrossTheDateLineIsChartedAtItsOwnMoment) {
  Fixture apia;
  ChartRequest r = Request();
  r.natal = {"7", "1", "2015", "3", "0", "-13", "171", "46", "13", "50", "", true, false, true};
  r.diurnal = r.natal;
  ASSERT_EQ(apia.Run(r), 0);
  EXPECT_NEAR(apia.model.NatalJulianDay, 2457204.5 + 2 / 24.0, 1e-6);
  EXPECT_NEAR(apia.model.DiurnalJulianDay, 2457204.5 + 2 / 24.0, 1e-6);
  // Apparent geocentric longitudes from the Swiss Ephemeris 2.10.03
  // (swe_calc_ut, JD 2457204.583333 UT), and its Placidus Ascendant and MC
  // (swe_houses). The ephemeris keeps within 3.3' of it over the centuries;
  // the angles differ by the mean against the true obliquity.
  constexpr double kPlanetToleranceDeg = 0.06, kAngleToleranceDeg = 0.02;
  const struct {
    int point;
    double lonDeg, toleranceDeg;
  } expected[] = {
      {ChartPoint::Sun, 98.955422, kPlanetToleranceDeg},
      {ChartPoint::Moon, 265.891279, kPlanetToleranceDeg},
      {ChartPoint::Mercury, 77.905000, kPlanetToleranceDeg},
      {ChartPoint::Venus, 141.460760, kPlanetToleranceDeg},
      {ChartPoint::Mars, 94.382734, kPlanetToleranceDeg},
      {ChartPoint::Jupiter, 141.579696, kPlanetToleranceDeg},
      {ChartPoint::Saturn, 239.084808, kPlanetToleranceDeg},
      {ChartPoint::Uranus, 20.242751, kPlanetToleranceDeg},
      {ChartPoint::Neptune, 339.724336, kPlanetToleranceDeg},
      {ChartPoint::Pluto, 284.400873, kPlanetToleranceDeg},
      {ChartPoint::Ascendant, 234.232282, kAngleToleranceDeg},
      {ChartPoint::MC, 134.583439, kAngleToleranceDeg},
  };
  for (const auto& e : expected) {
    EXPECT_NEAR(Norm360(apia.model.Natal.Longitudes[e.point] - e.lonDeg + 180) - 180, 0,
                e.toleranceDeg)
        << e.point;
  }
  // The same moment and place as kept before the date line moved (zone 11,
  // the afternoon before) is the same chart.
  Fixture before;
  r.natal.Day = r.diurnal.Day = "30";
  r.natal.Month = r.diurnal.Month = "6";
  r.natal.TimeZone = r.diurnal.TimeZone = "11";
  ASSERT_EQ(before.Run(r), 0);
  // Within rounding, the day and the hours adding up in another order; and
  // Pluto's equinox turns with the day typed, here a day earlier: 0.00004
  // degrees.
  EXPECT_NEAR(before.model.NatalJulianDay, apia.model.NatalJulianDay, 1e-9);
  for (int p = 1; p <= NumPoints; ++p) {
    const double toleranceDeg = p == ChartPoint::Pluto ? 1e-4 : 1e-6;
    EXPECT_NEAR(before.model.Natal.Longitudes[p], apia.model.Natal.Longitudes[p], toleranceDeg)
        << p;
    EXPECT_NEAR(before.model.Diurnal.Longitudes[p], apia.model.Diurnal.Longitudes[p],
                toleranceDeg)
        << p;
  }
  for (int c = 1; c <= 12; ++c)
    EXPECT_NEAR(before.model.Natal.Cusps[c], apia.model.Natal.Cusps[c], 1e-6) << c;
  EXPECT_EQ(before.model.Natal.HousePositions, apia.model.Natal.HousePositions);
}

TEST(ChartDriver, DailyMotionAndThePartOfFortune) {
  EXPECT_DOUBLE_EQ(DailyMotionOf(359.5, 0.5), 1);  // across Aries
  EXPECT_DOUBLE_EQ(DailyMotionOf(0.5, 359.5), -1);
  // Asc 100, Sun 30, Moon 200: by day Asc + Moon - Sun = 270, by night
  // Asc + Sun - Moon = 290; option 3 chooses by the Sun's house.
  const struct {
    int sunHouse;
    float option;
    double part;
  } rows[] = {{6, 0, 270}, {7, 0, 270}, {6, 1, 290}, {7, 1, 290}, {6, 3, 290}, {7, 3, 270}};
  for (const auto& r : rows)
    EXPECT_DOUBLE_EQ(PartOfFortune(100, 30, 200, r.sunHouse, r.option), r.part) << r.option;
  // Chart 2 keeps the day formula whatever chart 1 takes.
  Fixture f;
  f.options[218] = 1;
  ASSERT_EQ(f.Run(Request()), 0);
  const PointArray<double>& two = f.model.Diurnal.Longitudes;
  EXPECT_NEAR(two[ChartPoint::PartOfFortune],
              Norm360(two[ChartPoint::Ascendant] + two[ChartPoint::Moon] - two[ChartPoint::Sun]),
              1e-9);
}

TEST(ChartDriver, ThePositionInputTakesTheMomentAndTheNodeOption) {
  const struct {
    float option;
    bool trueNode;
  } rows[] = {{0, false}, {1, true}, {-1, true}, {0.5f, true}};
  for (const auto& r : rows) {
    OptionValues options{};
    options[49] = r.option;
    const PlanetPositionInput in = PlanetInputAt(2451545, 0.25, 0.4, options);
    EXPECT_EQ(in.trueNode, r.trueNode) << r.option;
    EXPECT_EQ(in.julianDayNumber, 2451545);
    EXPECT_EQ(in.dayFraction, 0.25);
    EXPECT_EQ(in.obliquityRad, 0.4);
    EXPECT_EQ(in.ascendantDeg, 0);
  }
  // 1 January 2000, 12h UT, lies one Julian century after the 1900 epoch.
  EXPECT_DOUBLE_EQ(JulianCenturiesSince1900(2451545, 0.5), 1);
  EXPECT_DOUBLE_EQ(JulianCenturiesSince1900(2415020, 0), -0.5 / 36525);
}

TEST(ChartDriver, FirstListingFollowsOption33) {
  struct Case {
    float option;
    bool secondPerson;
    std::vector<std::string> calls;
  } cases[] = {
      {0, false, {"hide", "menus", "natal", "show"}},
      {1, true, {"hide", "menus", "transits", "show"}},
      {2, false, {"hide", "menus", "cosmodynes", "show"}},
      {2, true, {"hide", "menus", "comparative", "show"}},
      {3, false, {"hide", "menus", "cosmodynes", "show"}},
      {3, true, {"hide", "menus", "comparative+grid", "show"}},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.options[33] = c.option;
    ChartRequest r = Request();
    r.secondPerson = c.secondPerson;
    ASSERT_EQ(f.Run(r), 0);
    EXPECT_EQ(f.hooks.calls, c.calls) << c.option << " " << c.secondPerson;
  }
}

TEST(ChartDriver, ClearsTheBufferBeforeTheListingAndWritesNothingInABatch) {
  Fixture f;
  f.options[211] = 1;
  ASSERT_EQ(f.Run(Request()), 0);
  EXPECT_EQ(f.hooks.calls, (std::vector<std::string>{"hide", "menus", "clear", "natal", "show"}));

  Fixture batch;
  batch.options[211] = 1;
  ASSERT_EQ(batch.Run(Request(), true), 0);
  EXPECT_EQ(batch.hooks.calls, (std::vector<std::string>{"hide", "menus"}));
  EXPECT_EQ(batch.model.WorkingHousePositions, batch.model.Diurnal.HousePositions);
}

TEST(ChartDriver, TakesTheAngleChoiceOnlyWhenOneIsSet) {
  Fixture f;
  ChartRequest r = Request();
  r.angleChoice = CosmoAngleChoice::MCOnly;
  ASSERT_EQ(f.Run(r), 0);
  EXPECT_EQ(f.model.CosmoAngles, CosmoAngleChoice::MCOnly);
  r.angleChoice.reset();
  ASSERT_EQ(f.Run(r), 0);
  EXPECT_EQ(f.model.CosmoAngles, CosmoAngleChoice::MCOnly);
}

}  // namespace
}  // namespace orv
