#pragma once
// The time values of a chart: Julian day and centuries, sidereal time,
// obliquity, MC and Ascendant; the calendar conversions; the caption prefix.

#include <string>

#include "core/ChartInput.h"
#include "core/HouseCusps.h"

namespace orv {

// The time values of one chart.
struct TimeValues {
  // Universal time as a fraction of a day from the civil date's midnight;
  // may fall below 0 or reach 1 and more.
  double DayFraction = 0;
  double JulianDayNumber = 0;  // the civil date's day number (Julian day at its noon)
  double JulianDate = 0;       // JulianDayNumber + DayFraction - 0.5
  double JulianCenturies = 0;  // T: centuries of 36525 days from JD 2415020.0
  double ChartLatitude = 0;    // |latitude|, degrees + minutes / 100
  double LatitudeRadians = 0;  // signed latitude, North positive
  int LatitudeWholeDegrees = 0;
  std::string CurrentNorthSouth;  // "North" or "South"
  double Ramc = 0;                // local sidereal time as an angle, radians 0..2 pi
  double ObliquityDegrees = 0;    // epsilon in degrees
  // Epsilon in radians, positive: every routine here takes the true
  // obliquity.
  double Obliquity = 0;
  double MidheavenLongitude = 0;  // degrees, 0 <= value < 360
  double AscendantLongitude = 0;  // degrees, 0 <= value < 360
  // Sidereal time for `SiderealText`, truncated to whole units. South of the
  // equator it is 12 hours ahead of the true local sidereal time: tables of
  // houses for the south are entered that way, and the listings show it so.
  int SiderealHours = 0;
  int SiderealMinutes = 0;
  int SiderealSeconds = 0;
  // Minus the latitude in radians, 1e-05 when that is exactly 0, the
  // latitude Placidus works with (the house routines take LatitudeRadians
  // and make the same substitution themselves).
  double HouseLatitude = 0;
  double TransitListDay = 0;  // DateToJulianDay of the chart's date
};

// `CalcJulianDayAndSiderealTime`: the time values of a chart moment.
// Dates from 15 October 1582 on are Gregorian, earlier ones Julian.
TimeValues CalcJulianDayAndSiderealTime(const ChartInputValues& moment);

// The house inputs of a chart from its time values.
HouseInputs HouseInputsOf(const TimeValues& time);

// `SiderealText` of a chart's time values.
std::string SiderealTextOf(const TimeValues& time);

// `DateToJulianDay`: the day number (Julian day at noon) of a calendar date;
// dates from 15 October 1582 on are Gregorian, earlier ones Julian. 4 October
// 1582 is 2299160, 15 October 1582 is 2299161. Fractional days carry through.
double DateToJulianDay(double year, double month, double day);

// The program's one calendar rule, for every date it checks: Julian leap
// years up to 1582, Gregorian ones after. Days in `month` (1 to 12) of
// `year`; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);

// Whether year, month and day name a day of that calendar: the month's days,
// without the ten days (5 to 14 October 1582) the reform left out.
bool IsCalendarDate(int year, int month, int day);

// A day of the program's calendar.
struct CalendarDate {
  int year = 0, month = 0, day = 0;
  bool operator==(const CalendarDate&) const = default;
};

// The calendar date of the day containing `julianDate` (the day number
// Int(`julianDate` + 0.5)): the exact inverse of `DateToJulianDay`, Julian
// calendar before JD 2299160.5, Gregorian from then on.
CalendarDate CalendarDateOf(double julianDate);

// `DateOrder`: 0 month/day/year, 1 day/month/year, 2 year/month/day.
// `JulianDayToDateStr`: the calendar date of the day containing
// `julianDate` as text with "/" separators in `dateOrder` (any other value
// is month/day/year), day and month with two digits, the year as its last 4
// characters (" 999"), leading blanks removed. Julian calendar before JD
// 2299160.5, Gregorian from then on. 2451545.0 with order 0 is "01/01/2000".
std::string JulianDayToDateStr(double julianDate, int dateOrder);

// The transit moment's angles for a day of the transit interpretations.
struct TransitAngles {
  double Ramc = 0;                // radians
  double Obliquity = 0;           // radians, positive
  double MidheavenLongitude = 0;  // `Longitudes`(15)
  double AscendantLongitude = 0;  // `Longitudes`(14)
};

// `CalcTransitAngles`: MC and Ascendant at `julianCenturies` (T of the day
// being listed) and chart 2's day fraction, longitude (degrees + minutes /
// 100, West positive), obliquity in degrees (chart 2's, not recomputed) and
// latitude in radians. No southern turn here.
TransitAngles CalcTransitAngles(double julianCenturies, double diurnalDayFraction,
                                double diurnalLongitude, double diurnalObliquityDegrees,
                                double diurnalLatitudeRadians);

// `SetTitleText`: the main caption's fixed start, `CaptionPrefix`.
std::string SetTitleText();

}  // namespace orv
