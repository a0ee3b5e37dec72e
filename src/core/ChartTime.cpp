#include "core/ChartTime.h"

#include <cmath>
#include <cstdint>

#include "core/Angles.h"
#include "core/ephemeris/PlanetPositions.h"

namespace orv {

namespace {

// The first day of the Gregorian calendar, 15 October 1582, as the day
// number the Julian-calendar formula gives that date, and as a Julian day.
constexpr double kGregorianStartAsJulianReading = 2299171;
constexpr double kGregorianStartJulianDay = 2299160.5;

// Placidus's stand-in for a latitude of exactly 0, as `HouseLatitude` holds it.
constexpr double kZeroHouseLatitude = 1e-05;

double Sign(double x) { return x > 0 ? 1 : x < 0 ? -1 : 0; }

// Signed degrees from a degrees.minutes value: the sign is put back after
// converting the absolute value, since the floor would spoil a negative one.
double SignedDecimal(double degreesMinutes) {
  return Sign(degreesMinutes) * HourMinuteToDecimal(std::fabs(degreesMinutes));
}

// Sidereal time at Greenwich for T, in hours (may exceed 24).
double GreenwichSiderealHours(double julianCenturies) {
  const double t = julianCenturies;
  return (23925.836 + 8640184.54 * t + 0.0929 * t * t) / 3600;
}

// RAMC in degrees from the day fraction, T and the West-positive longitude.
double RamcDegrees(double dayFraction, double julianCenturies, double longitude) {
  const double days = (dayFraction * 24 + GreenwichSiderealHours(julianCenturies)) / 24;
  const double fraction = days - Int(days);
  return Mod360(fraction * 24 * 15 - SignedDecimal(longitude));
}

double ObliquityDegreesAt(double julianCenturies) {
  const double t = julianCenturies;
  return 23.4522944 - 0.0130125 * t - 1.639e-06 * t * t + 5.03e-07 * t * t * t;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

struct CivilDate {
  std::int64_t year;
  std::int64_t month;
  std::int64_t day;
};

CivilDate GregorianDate(std::int64_t dayNumber) {
  std::int64_t l = dayNumber + 68569;
  const std::int64_t n = FloorDiv(4 * l, 146097);
  l = l - FloorDiv(146097 * n + 3, 4);
  const std::int64_t i = FloorDiv(4000 * (l + 1), 1461001);
  l = l - FloorDiv(1461 * i, 4) + 31;
  const std::int64_t j = FloorDiv(80 * l, 2447);
  const std::int64_t day = l - FloorDiv(2447 * j, 80);
  l = FloorDiv(j, 11);
  return {100 * (n - 49) + i + l, j + 2 - 12 * l, day};
}

CivilDate JulianCalendarDate(std::int64_t dayNumber) {
  const std::int64_t c = dayNumber + 32082;
  const std::int64_t d = FloorDiv(4 * c + 3, 1461);
  const std::int64_t e = c - FloorDiv(1461 * d, 4);
  const std::int64_t m = FloorDiv(5 * e + 2, 153);
  return {d - 4800 + FloorDiv(m, 10), m + 3 - 12 * FloorDiv(m, 10),
          e - FloorDiv(153 * m + 2, 5) + 1};
}

// Day or month: two digits, a leading "0" below 10.
std::string TwoDigits(std::int64_t value) {
  std::string text = std::to_string(value);
  return value < 10 && value >= 0 ? "0" + text : text;
}

// The year's text with the blank that stands for a plus sign, cut to its
// last 4 characters.
std::string YearText(std::int64_t year) {
  std::string text = (year >= 0 ? " " : "") + std::to_string(year);
  return text.size() > 4 ? text.substr(text.size() - 4) : text;
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const auto divides = [year](int n) { return year % n == 0; };
  // Also right for years before 1, as 0 and -4.
  const bool leap = year <= 1582 ? divides(4) : divides(4) && (!divides(100) || divides(400));
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool IsCalendarDate(int year, int month, int day) {
  if (day < 1 || day > DaysInMonth(year, month)) return false;
  return !(year == 1582 && month == 10 && day > 4 && day < 15);
}

double DateToJulianDay(double year, double month, double day) {
  const double a = (year + 4800) * 12 + month - 3;
  double n = Int(((a - Int(a / 12) * 12) * 2 + 7 + 365 * a) / 12) + day + Int(a / 48) - 32083;
  if (n >= kGregorianStartAsJulianReading) n = n + Int(a / 4800) - Int(a / 1200) + 38;
  return n;
}

CalendarDate CalendarDateOf(double julianDate) {
  const auto dayNumber = static_cast<std::int64_t>(Int(julianDate + 0.5));
  const CivilDate date = julianDate < kGregorianStartJulianDay ? JulianCalendarDate(dayNumber)
                                                               : GregorianDate(dayNumber);
  return {static_cast<int>(date.year), static_cast<int>(date.month), static_cast<int>(date.day)};
}

std::string JulianDayToDateStr(double julianDate, int dateOrder) {
  const CalendarDate date = CalendarDateOf(julianDate);
  const std::string day = TwoDigits(date.day);
  const std::string month = TwoDigits(date.month);
  const std::string year = YearText(date.year);
  std::string text;
  switch (dateOrder) {
    case 2:
      text = year + "/" + month + "/" + day;
      break;
    case 1:
      text = day + "/" + month + "/" + year;
      break;
    default:
      text = month + "/" + day + "/" + year;
      break;
  }
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

TimeValues CalcJulianDayAndSiderealTime(const ChartInputValues& moment) {
  TimeValues tv;

  // 12.xx on the 12-hour clock is just after midnight (A.M.) or noon (P.M.).
  double clock = moment.time;
  if (Int(clock) == 12) clock -= 12;
  tv.DayFraction = (HourMinuteToDecimal(clock) + moment.timeZone) / 24;
  if (moment.amPm == "P.M.") tv.DayFraction += 0.5;

  const double longitude = moment.longitude;
  const double latitude = moment.latitude;
  tv.ChartLatitude = std::fabs(latitude);
  tv.LatitudeWholeDegrees = static_cast<int>(Int(tv.ChartLatitude));
  tv.LatitudeRadians = DegToRad(SignedDecimal(latitude));
  tv.CurrentNorthSouth = latitude < 0 ? "South" : "North";

  const double n = DateToJulianDay(moment.year, moment.month, moment.day);
  tv.TransitListDay = n;
  tv.JulianDayNumber = n;
  tv.JulianDate = n + tv.DayFraction - 0.5;
  tv.JulianCenturies = JulianCenturiesSince1900(n, tv.DayFraction);

  const double ramcDeg = RamcDegrees(tv.DayFraction, tv.JulianCenturies, longitude);
  tv.Ramc = DegToRad(ramcDeg);
  tv.Obliquity = DegToRad(ObliquityDegreesAt(tv.JulianCenturies));
  tv.ObliquityDegrees = RadToDeg(tv.Obliquity);
  tv.MidheavenLongitude = CalcMidheaven(tv.Ramc, tv.Obliquity);
  tv.AscendantLongitude = CalcAscendant(tv.Ramc, tv.Obliquity, tv.LatitudeRadians);

  // Southern charts print the sidereal time of the opposite meridian, the
  // way tables of houses for the south are entered.
  double siderealDeg = RadToDeg(tv.Ramc);
  if (tv.LatitudeRadians < 0) siderealDeg = Mod360(siderealDeg + 180);
  const double hours = siderealDeg / 15;
  const double wholeHours = Int(hours);
  const double minutes = (hours - wholeHours) * 60;
  tv.SiderealHours = static_cast<int>(wholeHours);
  tv.SiderealMinutes = static_cast<int>(Int(minutes));
  tv.SiderealSeconds = static_cast<int>(Int((minutes - Int(minutes)) * 60));

  double houseDeg = tv.LatitudeWholeDegrees + (tv.ChartLatitude - Int(tv.ChartLatitude)) * 100 / 60;
  if (tv.CurrentNorthSouth == "South") houseDeg = -houseDeg;
  tv.HouseLatitude = -DegToRad(houseDeg);
  if (tv.HouseLatitude == 0) tv.HouseLatitude = kZeroHouseLatitude;
  return tv;
}

HouseInputs HouseInputsOf(const TimeValues& time) {
  HouseInputs in;
  in.RamcRadians = time.Ramc;
  in.MidheavenLongitude = time.MidheavenLongitude;
  in.AscendantLongitude = time.AscendantLongitude;
  in.ObliquityRadians = time.Obliquity;
  in.LatitudeRadians = time.LatitudeRadians;
  return in;
}

std::string SiderealTextOf(const TimeValues& time) {
  return SiderealText(time.SiderealHours, time.SiderealMinutes, time.SiderealSeconds);
}

TransitAngles CalcTransitAngles(double julianCenturies, double diurnalDayFraction,
                                double diurnalLongitude, double diurnalObliquityDegrees,
                                double diurnalLatitudeRadians) {
  TransitAngles angles;
  angles.Ramc = DegToRad(RamcDegrees(diurnalDayFraction, julianCenturies, diurnalLongitude));
  angles.Obliquity = DegToRad(diurnalObliquityDegrees);
  angles.MidheavenLongitude = CalcMidheaven(angles.Ramc, angles.Obliquity);
  angles.AscendantLongitude = CalcAscendant(angles.Ramc, angles.Obliquity, diurnalLatitudeRadians);
  return angles;
}

std::string SetTitleText() { return std::string("Orvanta8 ") + "(Tropical zodiac) - "; }

}  // namespace orv
