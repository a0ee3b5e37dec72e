#include <gtest/gtest.h>

#include <cmath>

#include "RecordingHost.h"
#include "core/ChartInput.h"

namespace orv {
namespace {

const std::string kNatalError = "Error in natal input data section. Please correct.";
const std::string kDiurnalError = "Error in diurnal input data section. Please correct.";

// A complete, valid entry: 12 May 1959, 10:43 A.M., zone 6, 75W23 39N45.
ChartInputFields Valid() {
  ChartInputFields f;
  f.Month = "5", f.Day = "12", f.Year = "1959", f.Hour = "10", f.Minute = "43";
  f.TimeZone = "6", f.LongDeg = "75", f.LongMin = "23", f.LatDeg = "39", f.LatMin = "45";
  return f;
}

std::vector<std::string> Texts(const test::RecordingHost& host) {
  std::vector<std::string> out;
  for (const auto& m : host.messages) out.push_back(m.text);
  return out;
}

// `InputError` for a natal entry changed by `edit`, beside a valid second chart.
template <typename Edit>
int NatalError(Edit edit, HouseSystemCode hs = HouseSystemCode::Placidus) {
  test::RecordingHost host;
  ChartInputFields natal = Valid();
  edit(natal);
  return CheckChartInput(host, natal, Valid(), hs);
}

TEST(ChartInputChecks, ReportEachFailedTestWithItsSectionsMessage) {
  test::RecordingHost host;
  EXPECT_EQ(CheckChartInput(host, Valid(), Valid(), HouseSystemCode::Placidus), 0);
  EXPECT_TRUE(host.messages.empty());

  ChartInputFields natal = Valid();
  natal.Month = "";  // reads as 0 and is empty: two messages
  EXPECT_EQ(CheckChartInput(host, natal, Valid(), HouseSystemCode::Placidus), 1);
  EXPECT_EQ(Texts(host), (std::vector<std::string>{kNatalError, kNatalError}));
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);

  test::RecordingHost both;
  EXPECT_EQ(CheckChartInput(both, {}, {}, HouseSystemCode::Placidus), 1);
  const auto texts = Texts(both);
  EXPECT_NE(std::find(texts.begin(), texts.end(), kNatalError), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), kDiurnalError), texts.end());

  // Both latitudes too high: one message.
  test::RecordingHost high;
  natal = Valid();
  natal.LatDeg = "70";
  EXPECT_EQ(CheckChartInput(high, natal, natal, HouseSystemCode::Placidus), 1);
  EXPECT_EQ(Texts(high), std::vector<std::string>{std::string(kLatitudeTooHigh)});
}

// Text that is not one number, and numbers far outside a field's range,
// are refused with the section's message, never read as some other number
// (a zone of "5-" as 5) nor carried into the computation (a time of -1e9
// made a NaN chart; a month of 2200000000 overflowed an int).
TEST(ChartInputChecks, NonsenseAndOutOfRangeNumbersAreRefused) {
  const struct {
    std::string ChartInputFields::*field;
    const char* text;
  } cases[] = {
      {&ChartInputFields::TimeZone, "-"},    {&ChartInputFields::TimeZone, "--5"},
      {&ChartInputFields::TimeZone, "-.-"},  {&ChartInputFields::TimeZone, "5-"},
      {&ChartInputFields::TimeZone, "1.2.3"}, {&ChartInputFields::Minute, "3.0.1"},
      {&ChartInputFields::Minute, "."},      {&ChartInputFields::Hour, "-1000000000"},
      {&ChartInputFields::Hour, "-1e9"},     {&ChartInputFields::Month, "2200000000"},
      {&ChartInputFields::Day, "-3"},        {&ChartInputFields::LatDeg, "-1e300"},
      {&ChartInputFields::LongDeg, "-75"},   {&ChartInputFields::LatMin, "-1"},
      {&ChartInputFields::Year, "1e400"},    {&ChartInputFields::LongMin, "57"},
  };
  for (const auto& c : cases) {
    test::RecordingHost host;
    ChartInputFields natal = Valid();
    natal.*c.field = c.text;
    if (c.field == &ChartInputFields::LongMin) natal.LongDeg = "180";  // 180 57: off the globe
    EXPECT_EQ(CheckChartInput(host, natal, Valid(), HouseSystemCode::Meridian), 1) << c.text;
    EXPECT_FALSE(host.messages.empty()) << c.text;
    for (const auto& text : Texts(host)) EXPECT_EQ(text, kNatalError) << c.text;
  }
  // The computation's own guard agrees, and nothing unchecked becomes NaN.
  ChartInputValues v = GetChartInput(Valid(), 0);
  EXPECT_TRUE(ChartInputInRange(v));
  for (float bad : {std::nanf(""), -1e9f, 1e30f}) {
    ChartInputValues w = v;
    w.time = bad;
    EXPECT_FALSE(ChartInputInRange(w)) << bad;
  }
  ChartInputFields huge = Valid();
  huge.Month = huge.Day = huge.Year = huge.Hour = "1e308";
  EXPECT_FALSE(ChartInputInRange(GetChartInput(huge, 0)));
}

TEST(ChartInputChecks, LatitudeLimitDependsOnTheHouseSystem) {
  const struct {
    const char *deg, *min;
    HouseSystemCode hs;
    int error;
  } cases[] = {
      {"66", "0", HouseSystemCode::Placidus, 0}, {"66", "1", HouseSystemCode::Placidus, 1},
      {"67", "0", HouseSystemCode::Koch, 1},     {"80", "0", HouseSystemCode::Morinus, 0},
      {"90", "0", HouseSystemCode::Morinus, 0},  {"95", "0", HouseSystemCode::Morinus, 1},
      {"90", "1", HouseSystemCode::Meridian, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NatalError([&](auto& f) { f.LatDeg = c.deg, f.LatMin = c.min; }, c.hs), c.error)
        << c.deg << " " << c.min;
}

TEST(ChartInputChecks, TimeZonesYearsAndDaysBeyondTheMonth) {
  // A zone east of Greenwich with West set is a wrong sign, but across the
  // date line, where the zone a day later is within an hour and a half of
  // the longitude's own time (longitude / 15 hours).
  const struct {
    const char* zone;
    bool east;
    const char *longDeg, *longMin;
    int error;
  } zones[] = {{"-3", false, "75", "23", 1},   {"-2", false, "75", "23", 0},
               {"-3", true, "75", "23", 0},    {"12", false, "75", "23", 0},
               {"12.5", false, "75", "23", 1}, {"-13", true, "75", "23", 0},
               {"-13.5", true, "75", "23", 1},
               {"-13", false, "171", "46", 0},    // Apia since 2011
               {"-13", false, "175", "12", 0},    // Nuku'alofa
               {"-12", false, "180", "0", 0},     // on the date line itself
               {"-13", false, "142", "30", 0},    // 11 h against 9.5 h: at the limit
               {"-13", false, "142", "29", 1},    // just beyond it
               {"-11", false, "170", "42", 1},    // Pago Pago's zone 11 typed as -11
               {"-3", false, "180", "0", 1},      // no place keeps that time
               {"-13.5", false, "171", "46", 1}};  // the field's range still holds
  for (const auto& z : zones)
    EXPECT_EQ(NatalError([&](auto& f) {
                f.TimeZone = z.zone, f.East = z.east, f.LongDeg = z.longDeg, f.LongMin = z.longMin;
              }),
              z.error)
        << z.zone << (z.east ? " E " : " W ") << z.longDeg << " " << z.longMin;
  // The second chart takes the same rule.
  ChartInputFields apia = Valid();
  apia.TimeZone = "-13", apia.LongDeg = "171", apia.LongMin = "46";
  test::RecordingHost across;
  EXPECT_EQ(CheckChartInput(across, Valid(), apia, HouseSystemCode::Placidus), 0);
  apia.LongDeg = "75";
  EXPECT_EQ(CheckChartInput(across, Valid(), apia, HouseSystemCode::Placidus), 1);
  EXPECT_EQ(Texts(across), std::vector<std::string>{kDiurnalError});

  const struct {
    const char *month, *day, *year;
    int error;
  } dates[] = {{"4", "31", "2001", 1}, {"2", "29", "2001", 1}, {"2", "29", "2000", 0},
               {"2", "29", "1900", 1}, {"2", "29", "1500", 0}, {"13", "1", "2001", 1},
               {"5", "12", "99", 1}};
  for (const auto& d : dates)
    EXPECT_EQ(NatalError([&](auto& f) { f.Month = d.month, f.Day = d.day, f.Year = d.year; }),
              d.error)
        << d.month << "/" << d.day << "/" << d.year;
  // Year 99 is refused for the natal chart only.
  test::RecordingHost host;
  ChartInputFields old = Valid();
  old.Year = "99";
  EXPECT_EQ(CheckChartInput(host, Valid(), old, HouseSystemCode::Placidus), 0);
}

TEST(ChartInputReaders, ConvertTextsIntoChartValues) {
  ChartInputFields f = Valid();
  f.Month = "7", f.Day = "3", f.Year = "1990", f.Minute = "5";
  f.Pm = f.East = f.South = true;
  const ChartInputValues v = GetChartInput(f, 1);
  EXPECT_EQ(v.dateText, "3/7/1990");
  EXPECT_EQ(std::tie(v.day, v.month, v.year), std::make_tuple(3, 7, 1990));
  EXPECT_FLOAT_EQ(v.time, 10.05f);
  EXPECT_EQ(v.amPm, "P.M.");
  EXPECT_FLOAT_EQ(v.longitude, -75.23f);
  EXPECT_FLOAT_EQ(v.latitude, -39.45f);
  EXPECT_EQ(v.eastWest + v.northSouth, "EastSouth");
  EXPECT_EQ(GetChartInput(f, 0).dateText, "7/3/1990");
  EXPECT_EQ(GetChartInput(f, 2).dateText, "1990/7/3");

  // A zero coordinate is West and North whatever the buttons say.
  f.LongDeg = f.LongMin = f.LatDeg = f.LatMin = "0";
  const ChartInputValues z = GetChartInput(f, 0);
  EXPECT_EQ(z.eastWest + z.northSouth, "WestNorth");
}

TEST(ChartInputFillers, CopyNatalTimeAndPlaceButNotTheDate) {
  ChartInputFields natal = Valid();
  natal.Pm = natal.East = true;
  ChartInputFields diurnal;
  diurnal.Month = "1";
  CopyNatalToDiurnal(natal, diurnal);
  EXPECT_EQ(diurnal.Month + diurnal.Day, "1");
  EXPECT_EQ(diurnal.Hour + diurnal.LatMin, "1045");
  EXPECT_TRUE(diurnal.Pm && diurnal.East);
}

TEST(ChartInputFillers, HourRuleBringsHoursToTheTwelveHourClock) {
  const struct {
    const char* typed;
    bool pmBefore;
    const char* hour;
    bool pm;
  } cases[] = {{"15", false, "3", true},   {"0", true, "12", true},
               {"12", false, "12", false}, {"23", false, "11", true},
               {"25", false, "25", false}, {"99999999", false, "99999999", false}};
  for (const auto& c : cases) {
    ChartInputFields f;
    f.Hour = c.typed, f.Pm = c.pmBefore;
    EXPECT_TRUE(ApplyHourRule(f)) << c.typed;
    EXPECT_EQ(f.Hour, c.hour) << c.typed;
    EXPECT_EQ(f.Pm, c.pm) << c.typed;
  }
  ChartInputFields bad;
  bad.Hour = "1a";
  EXPECT_FALSE(ApplyHourRule(bad));
  EXPECT_EQ(bad.Hour, "1a");
}

// The present moment is the computer's universal time shown in the zone of
// the window, whatever zone the computer's clock keeps.
TEST(ChartInputFillers, NowIsThePresentMomentInTheZoneShown) {
  OptionValues options{};
  options[18] = 5, options[19] = 71.5f, options[20] = 4, options[21] = 0;
  options[22] = 42, options[23] = 21, options[24] = -1;
  ChartInputFields d;
  SetDiurnalToNow(d, {2026, 12, 6, 20, 7}, options);
  EXPECT_EQ(d.Month + "/" + d.Day + "/" + d.Year + " " + d.Hour + ":" + d.Minute, "12/6/2026 3:7");
  EXPECT_TRUE(d.Pm);
  EXPECT_EQ(d.TimeZone + " " + d.LongDeg, "5 71.5");
  EXPECT_FALSE(d.East);
  EXPECT_TRUE(d.South);
  SetDiurnalToNow(d, {2026, 1, 2, 5, 30}, options);
  EXPECT_EQ(d.Hour + ":" + d.Minute, "12:30");
  EXPECT_FALSE(d.Pm);
  EXPECT_EQ(ShortestNumberText(-0.0f), "0");

  // 04:16 UT with zone 5 is 23:16 of the day before, not 04:16 local.
  const struct {
    LocalClock utc;
    const char* zone;
    const char* shown;  // month/day/year hour:minute and A.M. or P.M.
  } moments[] = {
      {{2026, 12, 7, 4, 16}, "5", "12/6/2026 11:16 PM"},
      {{2026, 1, 1, 3, 0}, "5", "12/31/2025 10:0 PM"},      // back over a year's end
      {{2024, 3, 1, 2, 45}, "3.5", "2/29/2024 11:15 PM"},   // a leap day, a half-hour zone
      {{2026, 12, 31, 20, 10}, "-5.5", "1/1/2027 1:40 AM"},  // East: on into the new year
      {{2026, 6, 15, 11, 59}, "-13", "6/16/2026 12:59 AM"},
      {{2026, 6, 15, 12, 0}, "0", "6/15/2026 12:0 PM"},
      {{2026, 6, 15, 12, 0}, "x", "6/15/2026 12:0 PM"},      // no zone: universal time
  };
  for (const auto& m : moments) {
    ChartInputFields f;
    f.TimeZone = m.zone;
    SetMomentToNow(f, m.utc);
    EXPECT_EQ(f.Month + "/" + f.Day + "/" + f.Year + " " + f.Hour + ":" + f.Minute +
                  (f.Pm ? " PM" : " AM"),
              m.shown)
        << m.zone;
    EXPECT_EQ(f.TimeZone, m.zone);
  }
}

}  // namespace
}  // namespace orv
