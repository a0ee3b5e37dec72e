#include "core/ChartInput.h"

#include <gtest/gtest.h>

#include "RecordingHost.h"

namespace orv {
namespace {

const std::string kNatalError = "Error in natal input data section. Please correct.";
const std::string kDiurnalError = "Error in diurnal input data section. Please correct.";
const std::string kTooHigh =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
    "systems.";

// A complete, valid entry: 12 May 1959, 10:43 A.M., zone 6, 75W23 39N45.
ChartInputFields Valid() {
  ChartInputFields f;
  f.Month = "5";
  f.Day = "12";
  f.Year = "1959";
  f.Hour = "10";
  f.Minute = "43";
  f.TimeZone = "6";
  f.LongDeg = "75";
  f.LongMin = "23";
  f.LatDeg = "39";
  f.LatMin = "45";
  return f;
}

std::vector<std::string> Texts(const test::RecordingHost& host) {
  std::vector<std::string> out;
  for (const auto& m : host.messages) out.push_back(m.text);
  return out;
}

int Check(test::RecordingHost& host, const ChartInputFields& natal,
          const ChartInputFields& diurnal, HouseSystemCode hs = HouseSystemCode::Placidus) {
  return CheckChartInput(host, natal, diurnal, hs);
}

TEST(ChartInputChecks, AcceptAValidPair) {
  test::RecordingHost host;
  EXPECT_EQ(Check(host, Valid(), Valid()), 0);
  EXPECT_TRUE(host.messages.empty());
}

TEST(ChartInputChecks, ReportEachFailedTestWithItsSectionsMessage) {
  test::RecordingHost host;
  ChartInputFields natal = Valid();
  natal.Month = "";  // reads as 0 and is empty: two messages
  EXPECT_EQ(Check(host, natal, Valid()), 1);
  EXPECT_EQ(Texts(host), (std::vector<std::string>{kNatalError, kNatalError}));
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);

  test::RecordingHost both;
  EXPECT_EQ(Check(both, ChartInputFields{}, ChartInputFields{}), 1);
  const auto texts = Texts(both);
  EXPECT_NE(std::find(texts.begin(), texts.end(), kNatalError), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), kDiurnalError), texts.end());
}

TEST(ChartInputChecks, HighLatitudeDependsOnTheHouseSystem) {
  struct Case {
    const char* deg;
    const char* min;
    HouseSystemCode hs;
    int error;
  } cases[] = {
      {"66", "0", HouseSystemCode::Placidus, 0},  {"66", "1", HouseSystemCode::Placidus, 1},
      {"67", "0", HouseSystemCode::Koch, 1},      {"80", "0", HouseSystemCode::Morinus, 0},
      {"80", "0", HouseSystemCode::Meridian, 0},  {"90", "0", HouseSystemCode::Morinus, 0},
      {"95", "0", HouseSystemCode::Morinus, 1},   {"90", "1", HouseSystemCode::Meridian, 1},
  };
  for (const auto& c : cases) {
    test::RecordingHost host;
    ChartInputFields natal = Valid();
    natal.LatDeg = c.deg;
    natal.LatMin = c.min;
    EXPECT_EQ(Check(host, natal, Valid(), c.hs), c.error) << c.deg << " " << c.min;
  }
  // Both latitudes too high: one message.
  test::RecordingHost host;
  ChartInputFields high = Valid();
  high.LatDeg = "70";
  EXPECT_EQ(Check(host, high, high), 1);
  EXPECT_EQ(Texts(host), std::vector<std::string>{kTooHigh});
}

TEST(ChartInputChecks, TimeZonesAndYears) {
  struct Case {
    const char* zone;
    bool east;
    int error;
  } zones[] = {{"-3", false, 1}, {"-2", false, 0}, {"-3", true, 0},  {"12", false, 0},
               {"12.5", false, 1}, {"-13", true, 0}, {"-13.5", true, 1}};
  for (const auto& z : zones) {
    test::RecordingHost host;
    ChartInputFields natal = Valid();
    natal.TimeZone = z.zone;
    natal.East = z.east;
    EXPECT_EQ(Check(host, natal, Valid()), z.error) << z.zone;
  }
  test::RecordingHost natalYear;
  ChartInputFields old = Valid();
  old.Year = "99";
  EXPECT_EQ(Check(natalYear, old, Valid()), 1);
  test::RecordingHost diurnalYear;
  EXPECT_EQ(Check(diurnalYear, Valid(), old), 0);
}

TEST(ChartInputChecks, RefuseDaysBeyondTheMonth) {
  struct Case {
    const char* month;
    const char* day;
    const char* year;
    int error;
  } cases[] = {{"2", "30", "2001", 1}, {"4", "31", "2001", 1}, {"2", "29", "2001", 1},
               {"2", "29", "2000", 0}, {"2", "29", "1900", 1}, {"2", "29", "1500", 0},
               {"12", "31", "2001", 0}, {"13", "1", "2001", 1}};
  for (const auto& c : cases) {
    test::RecordingHost host;
    ChartInputFields f = Valid();
    f.Month = c.month;
    f.Day = c.day;
    f.Year = c.year;
    EXPECT_EQ(Check(host, f, Valid()), c.error) << c.month << "/" << c.day << "/" << c.year;
  }
}

TEST(ChartInputReaders, ConvertTextsIntoChartValues) {
  ChartInputFields f = Valid();
  f.Month = "7";
  f.Day = "3";
  f.Year = "1990";
  f.Minute = "5";
  f.Pm = true;
  f.East = true;
  f.South = true;
  const ChartInputValues v = GetChartInput(f, 1);
  EXPECT_EQ(v.dateText, "3/7/1990");
  EXPECT_EQ(v.day, 3);
  EXPECT_EQ(v.month, 7);
  EXPECT_EQ(v.year, 1990);
  EXPECT_FLOAT_EQ(v.time, 10.05f);
  EXPECT_EQ(v.amPm, "P.M.");
  EXPECT_FLOAT_EQ(v.longitude, -75.23f);
  EXPECT_EQ(v.eastWest, "East");
  EXPECT_FLOAT_EQ(v.latitude, -39.45f);
  EXPECT_EQ(v.northSouth, "South");
  EXPECT_EQ(GetChartInput(f, 0).dateText, "7/3/1990");
  EXPECT_EQ(GetChartInput(f, 2).dateText, "1990/7/3");

  // A zero coordinate is West and North whatever the buttons say.
  ChartInputFields zero = Valid();
  zero.LongDeg = "0";
  zero.LongMin = "0";
  zero.LatDeg = "0";
  zero.LatMin = "0";
  zero.East = zero.South = true;
  const ChartInputValues z = GetChartInput(zero, 0);
  EXPECT_EQ(z.eastWest, "West");
  EXPECT_EQ(z.northSouth, "North");
}

TEST(ChartInputFillers, CopyNatalTimeAndPlaceButNotTheDate) {
  ChartInputFields natal = Valid();
  natal.Pm = true;
  natal.East = true;
  ChartInputFields diurnal;
  diurnal.Month = "1";
  CopyNatalToDiurnal(natal, diurnal);
  EXPECT_EQ(diurnal.Month, "1");
  EXPECT_EQ(diurnal.Day, "");
  EXPECT_EQ(diurnal.Hour, "10");
  EXPECT_EQ(diurnal.LatMin, "45");
  EXPECT_TRUE(diurnal.Pm);
  EXPECT_TRUE(diurnal.East);
}

TEST(ChartInputFillers, HourRuleBringsHoursToTheTwelveHourClock) {
  struct Case {
    const char* typed;
    bool pmBefore;
    const char* hour;
    bool pm;
  } cases[] = {{"15", false, "3", true}, {"0", false, "12", false}, {"0", true, "12", true},
               {"12", false, "12", false}, {"23", false, "11", true}, {"25", false, "25", false},
               {"99999999", false, "99999999", false}};
  for (const auto& c : cases) {
    ChartInputFields f;
    f.Hour = c.typed;
    f.Pm = c.pmBefore;
    EXPECT_TRUE(ApplyHourRule(f)) << c.typed;
    EXPECT_EQ(f.Hour, c.hour) << c.typed;
    EXPECT_EQ(f.Pm, c.pm) << c.typed;
  }
  ChartInputFields bad;
  bad.Hour = "1a";
  EXPECT_FALSE(ApplyHourRule(bad));
  EXPECT_EQ(bad.Hour, "1a");
}

TEST(ChartInputFillers, NowUsesTheClockAndTheDefaultPlace) {
  OptionValues options{};
  options[18] = 5;
  options[19] = 71.5f;
  options[20] = 4;
  options[21] = 0;
  options[22] = 42;
  options[23] = 21;
  options[24] = -1;
  ChartInputFields d;
  SetDiurnalToNow(d, {2026, 12, 6, 15, 7}, options);
  EXPECT_EQ(d.Month, "12");
  EXPECT_EQ(d.Day, "6");
  EXPECT_EQ(d.Year, "2026");
  EXPECT_EQ(d.Hour, "3");
  EXPECT_EQ(d.Minute, "7");
  EXPECT_TRUE(d.Pm);
  EXPECT_EQ(d.TimeZone, "5");
  EXPECT_EQ(d.LongDeg, "71.5");
  EXPECT_FALSE(d.East);
  EXPECT_TRUE(d.South);

  SetDiurnalToNow(d, {2026, 1, 2, 0, 30}, options);
  EXPECT_EQ(d.Hour, "12");
  EXPECT_EQ(d.Minute, "30");
  EXPECT_FALSE(d.Pm);
  SetDiurnalToNow(d, {2026, 1, 2, 13, 5}, options);
  EXPECT_EQ(d.Hour, "1");
  EXPECT_EQ(d.Minute, "5");
  EXPECT_TRUE(d.Pm);

  EXPECT_EQ(ShortestNumberText(-5), "-5");
  EXPECT_EQ(ShortestNumberText(-0.0f), "0");
}

}  // namespace
}  // namespace orv
