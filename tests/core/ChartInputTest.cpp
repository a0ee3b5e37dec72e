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
  f.month = "5";
  f.day = "12";
  f.year = "1959";
  f.hour = "10";
  f.minute = "43";
  f.timeZone = "6";
  f.longDeg = "75";
  f.longMin = "23";
  f.latDeg = "39";
  f.latMin = "45";
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
  natal.month = "";  // reads as 0 and is empty: two messages
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
    natal.latDeg = c.deg;
    natal.latMin = c.min;
    EXPECT_EQ(Check(host, natal, Valid(), c.hs), c.error) << c.deg << " " << c.min;
  }
  // Both latitudes too high: one message.
  test::RecordingHost host;
  ChartInputFields high = Valid();
  high.latDeg = "70";
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
    natal.timeZone = z.zone;
    natal.east = z.east;
    EXPECT_EQ(Check(host, natal, Valid()), z.error) << z.zone;
  }
  test::RecordingHost natalYear;
  ChartInputFields old = Valid();
  old.year = "99";
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
    f.month = c.month;
    f.day = c.day;
    f.year = c.year;
    EXPECT_EQ(Check(host, f, Valid()), c.error) << c.month << "/" << c.day << "/" << c.year;
  }
}

TEST(ChartInputReaders, ConvertTextsIntoChartValues) {
  ChartInputFields f = Valid();
  f.month = "7";
  f.day = "3";
  f.year = "1990";
  f.minute = "5";
  f.am = false;
  f.east = true;
  f.south = true;
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
  zero.longDeg = "0";
  zero.longMin = "0";
  zero.latDeg = "0";
  zero.latMin = "0";
  zero.east = zero.south = true;
  const ChartInputValues z = GetChartInput(zero, 0);
  EXPECT_EQ(z.eastWest, "West");
  EXPECT_EQ(z.northSouth, "North");
}

TEST(ChartInputFillers, CopyNatalTimeAndPlaceButNotTheDate) {
  ChartInputFields natal = Valid();
  natal.am = false;
  natal.east = true;
  ChartInputFields diurnal;
  diurnal.month = "1";
  CopyNatalToDiurnal(natal, diurnal);
  EXPECT_EQ(diurnal.month, "1");
  EXPECT_EQ(diurnal.day, "");
  EXPECT_EQ(diurnal.hour, "10");
  EXPECT_EQ(diurnal.latMin, "45");
  EXPECT_FALSE(diurnal.am);
  EXPECT_TRUE(diurnal.east);
}

TEST(ChartInputFillers, HourRuleBringsHoursToTheTwelveHourClock) {
  struct Case {
    const char* typed;
    bool amBefore;
    const char* hour;
    bool am;
  } cases[] = {{"15", true, "3", false}, {"0", true, "12", true}, {"0", false, "12", false},
               {"12", true, "12", true}, {"25", true, "1", false}, {"24", true, "12", false}};
  for (const auto& c : cases) {
    ChartInputFields f;
    f.hour = c.typed;
    f.am = c.amBefore;
    EXPECT_TRUE(ApplyHourRule(f)) << c.typed;
    EXPECT_EQ(f.hour, c.hour) << c.typed;
    EXPECT_EQ(f.am, c.am) << c.typed;
  }
  ChartInputFields bad;
  bad.hour = "1a";
  EXPECT_FALSE(ApplyHourRule(bad));
  EXPECT_EQ(bad.hour, "1a");
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
  EXPECT_EQ(d.month, "12");
  EXPECT_EQ(d.day, "6");
  EXPECT_EQ(d.year, "2026");
  EXPECT_EQ(d.hour, "3");
  EXPECT_EQ(d.minute, "7");
  EXPECT_FALSE(d.am);
  EXPECT_EQ(d.timeZone, "5");
  EXPECT_EQ(d.longDeg, "71.5");
  EXPECT_FALSE(d.east);
  EXPECT_TRUE(d.south);

  SetDiurnalToNow(d, {2026, 1, 2, 0, 30}, options);
  EXPECT_EQ(d.hour, "12");
  EXPECT_EQ(d.minute, "30");
  EXPECT_TRUE(d.am);
  SetDiurnalToNow(d, {2026, 1, 2, 13, 5}, options);
  EXPECT_EQ(d.hour, "1");
  EXPECT_EQ(d.minute, "5");
  EXPECT_FALSE(d.am);

  EXPECT_EQ(ShortestNumberText(-5), "-5");
  EXPECT_EQ(ShortestNumberText(-0.0f), "0");
}

}  // namespace
}  // namespace orv
