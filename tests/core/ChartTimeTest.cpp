#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "core/Angles.h"
#include "core/ChartTime.h"

namespace orv {
namespace {

// Clock times, zones and coordinates are single precision: 12.30f is
// 12.30000019, which the minutes-to-decimal step makes 3.2e-7 hours, 1.3e-8
// days.
constexpr double kSingleInputDays = 2e-8;
// Sidereal time by the 1900 formula against IAU 1982 near 2000: 0.08 s.
constexpr double kSiderealFormulaDeg = 0.001;
// Obliquity by the 1900 polynomial against IAU 1976 at J2000: 0.04".
constexpr double kObliquityFormulaDeg = 2e-5;
// MC and Ascendant against the textbook formulas: ten-decimal pi and the
// polar-rectangular stand-in for 0 (1e-7 deg), magnified near the poles.
constexpr double kAngleFormulaDeg = 1e-6;

ChartInputValues Moment(int year, int month, int day, float time, const char* amPm,
                        float zone = 0, float longitude = 0, float latitude = 0) {
  ChartInputValues v;
  v.day = day;
  v.month = month;
  v.year = year;
  v.time = time;
  v.amPm = amPm;
  v.timeZone = zone;
  v.longitude = longitude;
  v.latitude = latitude;
  return v;
}

double AngleDiff(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

TEST(ChartTime, J2000NoonGivesTheEpochValues) {
  const TimeValues t = CalcJulianDayAndSiderealTime(Moment(2000, 1, 1, 12.00f, "P.M."));
  EXPECT_DOUBLE_EQ(t.DayFraction, 0.5);
  EXPECT_DOUBLE_EQ(t.JulianDayNumber, 2451545);
  EXPECT_DOUBLE_EQ(t.JulianDate, 2451545.0);
  EXPECT_DOUBLE_EQ(t.JulianCenturies, 1);
  // Greenwich mean sidereal time at 2000 Jan 1 12h UT: 18h 41m 50.548s =
  // 280.46061837 deg (IAU 1982 expression, Astronomical Almanac).
  EXPECT_NEAR(RadToDeg(t.Ramc), 280.46061837, kSiderealFormulaDeg);
  EXPECT_EQ(SiderealTextOf(t), "18H  41M  50S ");
  // Mean obliquity at J2000: 23 deg 26' 21.448" (IAU 1976).
  EXPECT_NEAR(t.ObliquityDegrees, 23.4392911, kObliquityFormulaDeg);
  EXPECT_NEAR(t.Obliquity, 23.4392911 * M_PI / 180, kObliquityFormulaDeg * M_PI / 180);
  EXPECT_DOUBLE_EQ(t.HouseLatitude, 1e-05);  // latitude 0 stands in as 1e-05
}

TEST(ChartTime, TwelveHourClockAndZone) {
  struct Case {
    float time;
    const char* amPm;
    float zone;
    double dayFraction;
  };
  const Case cases[] = {
      {12.30f, "A.M.", 0, 0.5 / 24},   // 00:30
      {12.30f, "P.M.", 0, 12.5 / 24},  // 12:30
      {11.59f, "P.M.", 0, (23 + 59.0 / 60) / 24},
      {9.45f, "A.M.", -5.5f, 4.25 / 24},  // East of Greenwich: earlier in UT
      {11.00f, "P.M.", 5, 28.0 / 24},     // past midnight in UT
      {1.00f, "A.M.", -3, -2.0 / 24},     // before midnight in UT
  };
  for (const Case& c : cases) {
    const TimeValues t = CalcJulianDayAndSiderealTime(Moment(1990, 3, 7, c.time, c.amPm, c.zone));
    EXPECT_NEAR(t.DayFraction, c.dayFraction, kSingleInputDays) << c.time << " " << c.amPm;
    // The day number stays the civil date's; the Julian date moves.
    EXPECT_DOUBLE_EQ(t.JulianDayNumber, 2447958) << c.time;
    EXPECT_NEAR(t.JulianDate, 2447958 + c.dayFraction - 0.5, kSingleInputDays) << c.time;
  }
  // Only "P.M." exactly adds half a day.
  EXPECT_NEAR(CalcJulianDayAndSiderealTime(Moment(1990, 3, 7, 3.00f, "p.m.")).DayFraction, 3.0 / 24,
              kSingleInputDays);
}

TEST(ChartTime, PlaceValues) {
  // 33 deg 52' S, 151 deg 13' E.
  const TimeValues t =
      CalcJulianDayAndSiderealTime(Moment(1990, 3, 7, 1.00f, "A.M.", 0, -151.13f, -33.52f));
  EXPECT_NEAR(t.LatitudeRadians, -(33 + 52.0 / 60) * M_PI / 180, 1e-7);
  EXPECT_NEAR(t.HouseLatitude, (33 + 52.0 / 60) * M_PI / 180, 1e-7);
  EXPECT_EQ(t.LatitudeWholeDegrees, 33);
  EXPECT_NEAR(t.ChartLatitude, 33.52, 1e-5);
  EXPECT_EQ(t.CurrentNorthSouth, "South");
}

TEST(ChartTime, LongitudeTurnsTheSiderealTimeAndTheSouthIsTwelveHoursAhead) {
  // 15 degrees West is one hour of sidereal time earlier.
  const TimeValues north =
      CalcJulianDayAndSiderealTime(Moment(2000, 1, 1, 12.00f, "P.M.", 0, 0, 40));
  const TimeValues west =
      CalcJulianDayAndSiderealTime(Moment(2000, 1, 1, 12.00f, "P.M.", 0, 15, 40));
  EXPECT_NEAR(AngleDiff(RadToDeg(north.Ramc), RadToDeg(west.Ramc)), -15, 1e-6);
  const TimeValues south =
      CalcJulianDayAndSiderealTime(Moment(2000, 1, 1, 12.00f, "P.M.", 0, 0, -40));
  EXPECT_EQ(SiderealTextOf(north), "18H  41M  50S ");
  EXPECT_EQ(SiderealTextOf(south), "06H  41M  50S ");
  // The angles come from the true sidereal time in both.
  EXPECT_DOUBLE_EQ(north.Ramc, south.Ramc);
  EXPECT_DOUBLE_EQ(north.MidheavenLongitude, south.MidheavenLongitude);
}

// MC and Ascendant against the textbook formulas:
//   tan MC = tan RAMC / cos e,
//   Asc = atan2(cos RAMC, -(sin RAMC cos e + tan phi sin e)).
TEST(ChartTime, MidheavenAndAscendantAgreeWithTheTextbookFormulas) {
  const double eps = 23.4392911 * M_PI / 180;
  double maxError = 0;
  for (int latStep = -13; latStep <= 13; ++latStep) {
    const double phi = latStep * 5.0 * M_PI / 180;
    for (int ramcStep = 0; ramcStep < 72; ++ramcStep) {
      const double ramc = DegToRad(ramcStep * 5.0);
      const double mc = std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps)) * 180 / M_PI;
      const double asc = std::atan2(std::cos(ramc), -(std::sin(ramc) * std::cos(eps) +
                                                      std::tan(phi) * std::sin(eps))) *
                         180 / M_PI;
      const double gotMc = CalcMidheaven(ramc, eps);
      const double gotAsc = CalcAscendant(ramc, eps, phi);
      ASSERT_TRUE(gotMc >= 0 && gotMc < 360 && gotAsc >= 0 && gotAsc < 360) << gotMc << gotAsc;
      maxError =
          std::max({maxError, std::fabs(AngleDiff(mc, gotMc)), std::fabs(AngleDiff(asc, gotAsc))});
    }
  }
  EXPECT_LT(maxError, kAngleFormulaDeg);
  std::printf("MC and Ascendant against the textbook formulas: max error %.3g deg\n", maxError);
}

TEST(ChartTime, TransitAnglesRepeatTheChartAngles) {
  const TimeValues t =
      CalcJulianDayAndSiderealTime(Moment(1969, 7, 20, 4.17f, "P.M.", 5, 80.30f, -26.10f));
  const TransitAngles a = CalcTransitAngles(t.JulianCenturies, t.DayFraction, 80.30f,
                                            t.ObliquityDegrees, t.LatitudeRadians);
  EXPECT_NEAR(a.Ramc, t.Ramc, 1e-12);
  EXPECT_NEAR(a.MidheavenLongitude, t.MidheavenLongitude, 1e-9);
  EXPECT_NEAR(a.AscendantLongitude, t.AscendantLongitude, 1e-9);
  // A day later the same clock time finds the sky about 0.9856 deg of RAMC on.
  const TransitAngles next = CalcTransitAngles(t.JulianCenturies + 1 / 36525.0, t.DayFraction,
                                               80.30f, t.ObliquityDegrees, t.LatitudeRadians);
  EXPECT_NEAR(RadToDeg(next.Ramc - a.Ramc), 0.98565, 1e-4);
}

// Julian days of calendar dates from Meeus, Astronomical Algorithms, ch. 7
// (examples 7.a, 7.b and the table after them), reduced to the day number.
TEST(ChartTime, DayNumbersOfPublishedDatesAndTheCalendarChangeover) {
  struct Case {
    int year, month, day;
    double dayNumber;
  };
  const Case cases[] = {
      {2000, 1, 1, 2451545},  {1999, 1, 1, 2451180},  {1987, 1, 27, 2446823},
      {1987, 6, 19, 2446966}, {1988, 1, 27, 2447188}, {1988, 6, 19, 2447332},
      {1900, 1, 1, 2415021},  {1600, 1, 1, 2305448},  {1600, 12, 31, 2305813},
      {1957, 10, 4, 2436116}, {837, 4, 10, 2026872},  {333, 1, 27, 1842713},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(DateToJulianDay(c.year, c.month, c.day), c.dayNumber)
        << c.year << "-" << c.month << "-" << c.day;
  }
  // The calendar changeover.
  EXPECT_DOUBLE_EQ(DateToJulianDay(1582, 10, 4), 2299160);   // last Julian day
  EXPECT_DOUBLE_EQ(DateToJulianDay(1582, 10, 15), 2299161);  // first Gregorian day
  EXPECT_DOUBLE_EQ(DateToJulianDay(1582, 10, 16), 2299162);
  EXPECT_EQ(JulianDayToDateStr(2299160.0, 1), "04/10/1582");
  EXPECT_EQ(JulianDayToDateStr(2299160.5, 1), "15/10/1582");
}

TEST(ChartTime, DateTextsInTheRegionalOrder) {
  EXPECT_EQ(JulianDayToDateStr(2451545.0, 0), "01/01/2000");
  EXPECT_EQ(JulianDayToDateStr(2446966.0, 1), "19/06/1987");
  EXPECT_EQ(JulianDayToDateStr(2446966.0, 2), "1987/06/19");
  EXPECT_EQ(JulianDayToDateStr(2446966.0, 7), "06/19/1987");
  // The day runs from midnight (JD .5) to midnight.
  EXPECT_EQ(JulianDayToDateStr(2446965.5, 0), "06/19/1987");
  EXPECT_EQ(JulianDayToDateStr(2446966.5, 0), "06/20/1987");
  // A year below 1000 keeps the blank that stands for its sign, except where
  // it leads the text.
  EXPECT_EQ(JulianDayToDateStr(2026872.0, 0), "04/10/ 837");
  EXPECT_EQ(JulianDayToDateStr(2026872.0, 2), "837/04/10");
}

// Every day from 1 January 1000 to 31 December 3000, Julian calendar up to
// 4 October 1582 and Gregorian from 15 October 1582: consecutive dates get
// consecutive day numbers, and the date text gives the date back.
TEST(ChartTime, EveryDateRoundTripsThroughItsDayNumber) {
  const int monthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  double expected = DateToJulianDay(1000, 1, 1);
  int failures = 0;
  for (int year = 1000; year <= 3000 && failures < 10; ++year) {
    const bool gregorian = year > 1582;
    const bool leap = year % 4 == 0 && (!gregorian || year % 100 != 0 || year % 400 == 0);
    for (int month = 1; month <= 12; ++month) {
      const int days = monthDays[month] + (month == 2 && leap ? 1 : 0);
      for (int day = 1; day <= days; ++day) {
        if (year == 1582 && month == 10 && day > 4 && day < 15) continue;  // never were
        const double n = DateToJulianDay(year, month, day);
        char text[40];
        std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
        if (n != expected || JulianDayToDateStr(n, 1) != text) {
          ADD_FAILURE() << text << " gives " << n << " and " << JulianDayToDateStr(n, 1);
          ++failures;
        }
        expected = n + 1;
      }
    }
  }
}

TEST(ChartTime, CaptionPrefix) { EXPECT_EQ(SetTitleText(), "Orvanta8 (Tropical zodiac) - "); }

}  // namespace
}  // namespace orv
