#include "core/ChartInput.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>

#include "base/Format.h"
#include "base/Text.h"
#include "core/ChartTime.h"
#include "core/OptionNumbers.h"
#include "platform/Host.h"

namespace orv {

namespace {

constexpr std::string_view kNatalError = "Error in natal input data section. Please correct.";
constexpr std::string_view kDiurnalError = "Error in diurnal input data section. Please correct.";
constexpr std::string_view kLatitudeBeyondPole =
    "Your latitude is too high. Lower to 90 degrees, 00 minutes or below.";

double Num(const std::string& text) { return LeadingNumber(text); }

// Single precision for a stored value; unchecked text may hold more than a
// float can.
float Single(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  return float(std::clamp(value, -kMax, kMax));
}

// Half to the even neighbour, as the date readers round. Values beyond any
// date field give 0 (or, when huge, the nearest of +-1e9), which the checks
// refuse, never an integer overflow.
int RoundHalfEven(double x) {
  if (!std::isfinite(x)) return 0;
  x = std::clamp(x, -1e9, 1e9);
  const double r = std::round(x);
  if (std::fabs(x - std::trunc(x)) == 0.5) return int(2 * std::round(x / 2));
  return int(r);
}


// Reports each failed test by itself, as the checks do; returns whether any failed.
class SectionReport {
 public:
  SectionReport(Host& host, ChartSection section) : host_(host), section_(section) {}
  void Test(bool fails) {
    if (!fails) return;
    ShowSectionError(host_, section_);
    failed_ = true;
  }
  bool Failed() const { return failed_; }

 private:
  Host& host_;
  ChartSection section_;
  bool failed_ = false;
};

// Every field that is filled holds one number and nothing else: "5-",
// "1.2.3" or "-" would otherwise be read as some other number.
bool AllNumbers(const ChartInputFields& f) {
  for (const std::string* text : {&f.Month, &f.Day, &f.Year, &f.Hour, &f.Minute, &f.TimeZone,
                                  &f.LongDeg, &f.LongMin, &f.LatDeg, &f.LatMin}) {
    if (!Trim(*text).empty() && !WholeNumber(*text)) return false;
  }
  return true;
}

// West of Greenwich, a zone more than two hours east of it (below -2) is a
// sign typed wrong; except across the date line, where a western place
// keeps the next day's time: its zone a day later (zone + 24) lies near the
// longitude's own time, 15 degrees an hour.
bool KeepsTheTimeAcrossTheDateLine(const ChartInputFields& f) {
  constexpr double kNearHours = 1.5;
  const double longitudeHours = (Num(f.LongDeg) + Num(f.LongMin) / 60) / 15;
  return std::fabs(Num(f.TimeZone) + 24 - longitudeHours) <= kNearHours;
}

void PresenceTests(SectionReport& report, const ChartInputFields& f) {
  report.Test(!AllNumbers(f));
  report.Test(Num(f.Month) == 0 || Num(f.Day) == 0 || Num(f.Year) == 0);
  report.Test(f.Month.empty() || f.Day.empty() || f.Year.empty());
  report.Test(f.Hour.empty() || f.Minute.empty() || f.TimeZone.empty());
  report.Test(f.LongDeg.empty() || f.LongMin.empty());
  report.Test(f.LatDeg.empty() || f.LatMin.empty());
  report.Test(Num(f.TimeZone) < -2 && !f.East && !KeepsTheTimeAcrossTheDateLine(f));
}

void RangeTests(SectionReport& report, const ChartInputFields& f) {
  const double month = Num(f.Month), day = Num(f.Day), year = Num(f.Year);
  // Lower bounds too: a negative hour or degree would reach the computation
  // as a moment or place far outside anything it can compute.
  report.Test(month > 12 || day > 31 || year > 2099 || month < 0 || day < 0 || year < 0);
  report.Test(Num(f.Hour) > 12 || Num(f.Minute) > 59 || Num(f.Hour) < 0 || Num(f.Minute) < 0);
  report.Test(Num(f.TimeZone) > 12 || Num(f.TimeZone) < -13);
  report.Test(Num(f.LongDeg) > 180 || Num(f.LongMin) > 59 || Num(f.LongDeg) < 0 ||
              Num(f.LongMin) < 0 || (Num(f.LongDeg) == 180 && Num(f.LongMin) > 0));
  report.Test(Num(f.LatMin) > 59 || Num(f.LatDeg) < 0 || Num(f.LatMin) < 0);
  // 30 February or 31 April would otherwise be computed as a later date;
  // the date as the chart will read it, by the one calendar rule.
  const int m = RoundHalfEven(month), d = RoundHalfEven(day), y = RoundHalfEven(year);
  report.Test(m >= 1 && m <= 12 && d >= 1 && y >= 1 && !IsCalendarDate(y, m, d));
}

bool LatitudeAbove(const ChartInputFields& f, double limitDeg) {
  const double deg = Num(f.LatDeg);
  return deg > limitDeg || (deg == limitDeg && Num(f.LatMin) > 0);
}

std::string NumberText(int value) { return std::to_string(value); }

}  // namespace

void ShowSectionError(Host& host, ChartSection section) {
  host.ShowMessage(section == ChartSection::Natal ? kNatalError : kDiurnalError, kTitleWarning,
                   MessageIcon::Information);
}

bool ChartInputInRange(const ChartInputValues& v) {
  const auto within = [](double x, double low, double high) {
    return std::isfinite(x) && x >= low && x <= high;
  };
  const double minutes = (v.time - std::floor(v.time)) * 100;
  return v.year >= 1 && v.year <= 2099 && IsCalendarDate(v.year, v.month, v.day) &&
         within(v.time, 0, 12.5901) && minutes < 59.5 && within(v.timeZone, -13, 12) &&
         within(v.longitude, -180, 180) && within(v.latitude, -90, 90);
}

bool ValidateInputPresent(Host& host, const ChartInputFields& natal,
                          const ChartInputFields& diurnal) {
  const bool natalFailed = ValidateSectionPresent(host, natal, ChartSection::Natal);
  const bool diurnalFailed = ValidateSectionPresent(host, diurnal, ChartSection::Diurnal);
  return natalFailed || diurnalFailed;
}

bool ValidateSectionPresent(Host& host, const ChartInputFields& fields, ChartSection section) {
  SectionReport report(host, section);
  PresenceTests(report, fields);
  return report.Failed();
}

bool CheckHighLatitude(Host& host, const ChartInputFields& natal, const ChartInputFields& diurnal,
                       HouseSystemCode houseSystem) {
  // Beyond a pole no latitude exists, whatever the house system.
  if (LatitudeAbove(natal, 90) || LatitudeAbove(diurnal, 90)) {
    host.ShowMessage(kLatitudeBeyondPole, kTitleWarning, MessageIcon::Information);
    return true;
  }
  if (houseSystem == HouseSystemCode::Meridian || houseSystem == HouseSystemCode::Morinus)
    return false;
  if (LatitudeAbove(natal, 66) || LatitudeAbove(diurnal, 66)) {
    host.ShowMessage(kLatitudeTooHigh, kTitleWarning, MessageIcon::Information);
    return true;
  }
  return false;
}

bool ValidateNatalRanges(Host& host, const ChartInputFields& natal) {
  SectionReport report(host, ChartSection::Natal);
  RangeTests(report, natal);
  report.Test(Num(natal.Year) < 100);
  return report.Failed();
}

bool ValidateDiurnalRanges(Host& host, const ChartInputFields& diurnal) {
  SectionReport report(host, ChartSection::Diurnal);
  RangeTests(report, diurnal);
  return report.Failed();
}

int CheckChartInput(Host& host, const ChartInputFields& natal, const ChartInputFields& diurnal,
                    HouseSystemCode houseSystem) {
  // Every check runs whatever the earlier ones found.
  bool error = ValidateInputPresent(host, natal, diurnal);
  error = CheckHighLatitude(host, natal, diurnal, houseSystem) || error;
  error = ValidateNatalRanges(host, natal) || error;
  error = ValidateDiurnalRanges(host, diurnal) || error;
  return error ? 1 : 0;
}

ChartInputValues GetChartInput(const ChartInputFields& f, int dateOrder) {
  ChartInputValues v;
  v.day = RoundHalfEven(Num(f.Day));
  v.month = RoundHalfEven(Num(f.Month));
  v.year = RoundHalfEven(Num(f.Year));
  switch (dateOrder) {
    case 1:
      v.dateText = f.Day + "/" + f.Month + "/" + f.Year;
      break;
    case 2:
      v.dateText = f.Year + "/" + f.Month + "/" + f.Day;
      break;
    default:
      v.dateText = f.Month + "/" + f.Day + "/" + f.Year;
      break;
  }
  v.time = Single(Num(f.Hour) + Num(f.Minute) / 100);
  v.timeZone = Single(Num(f.TimeZone));
  v.amPm = f.Pm ? "P.M." : "A.M.";
  const double lon = Num(f.LongDeg) + Num(f.LongMin) / 100;
  v.longitude = Single(f.East ? -lon : lon);
  v.eastWest = v.longitude < 0 ? "East" : "West";
  const double lat = Num(f.LatDeg) + Num(f.LatMin) / 100;
  v.latitude = Single(f.South ? -lat : lat);
  v.northSouth = v.latitude < 0 ? "South" : "North";
  return v;
}

void CopyNatalToDiurnal(const ChartInputFields& natal, ChartInputFields& diurnal) {
  diurnal.Hour = natal.Hour;
  diurnal.Minute = natal.Minute;
  diurnal.TimeZone = natal.TimeZone;
  diurnal.LongDeg = natal.LongDeg;
  diurnal.LongMin = natal.LongMin;
  diurnal.LatDeg = natal.LatDeg;
  diurnal.LatMin = natal.LatMin;
  diurnal.Pm = natal.Pm;
  diurnal.East = natal.East;
  diurnal.South = natal.South;
}

bool ApplyHourRule(ChartInputFields& fields) {
  const std::string_view text = Trim(fields.Hour);
  if (text.empty()) return true;
  int hour = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), hour);
  if (ec != std::errc() || ptr != text.data() + text.size() || hour < 0) return false;
  if (hour == 0) {
    hour = 12;
  } else if (hour > 12 && hour < 24) {
    fields.Pm = true;
    hour -= 12;
  }
  // Larger hours stay as typed for the checks to refuse.
  fields.Hour = NumberText(hour);
  return true;
}

LocalClock ClockInZone(const LocalClock& utc, double zoneHoursWest) {
  using namespace std::chrono;
  const sys_days date = year_month_day{year{utc.year}, month{unsigned(utc.month)},
                                       day{unsigned(utc.day)}};
  const sys_time<minutes> at = date + hours{utc.hour} + minutes{utc.minute} -
                               minutes{std::lround(zoneHoursWest * 60)};
  const sys_days localDate = floor<days>(at);
  const year_month_day ymd{localDate};
  const long long minuteOfDay = (at - localDate).count();
  return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())),
          int(minuteOfDay / 60), int(minuteOfDay % 60)};
}

void SetMomentToNow(ChartInputFields& fields, const LocalClock& utcNow) {
  const double zone = Num(fields.TimeZone);
  const LocalClock now = ClockInZone(utcNow, std::isfinite(zone) && std::abs(zone) <= 13 ? zone : 0);
  fields.Pm = now.hour >= 12;
  fields.Month = NumberText(now.month);
  fields.Day = NumberText(now.day);
  fields.Year = NumberText(now.year);
  fields.Hour = NumberText(now.hour);
  ApplyHourRule(fields);
  fields.Minute = NumberText(now.minute);
}

void SetDiurnalToNow(ChartInputFields& diurnal, const LocalClock& utcNow,
                     const OptionValues& options) {
  namespace O = OptionNumber;
  diurnal.TimeZone = ShortestNumberText(options[O::DefaultTimeZone]);
  diurnal.LongDeg = ShortestNumberText(options[O::DefaultLongitudeDegrees]);
  diurnal.LongMin = ShortestNumberText(options[O::DefaultLongitudeMinutes]);
  diurnal.LatDeg = ShortestNumberText(options[O::DefaultLatitudeDegrees]);
  diurnal.LatMin = ShortestNumberText(options[O::DefaultLatitudeMinutes]);
  diurnal.East = options[O::DefaultLongitudeEast] != 0;
  diurnal.South = options[O::DefaultLatitudeSouth] != 0;
  SetMomentToNow(diurnal, utcNow);
}

std::string ShortestNumberText(double value) { return FormatNumber(value, "0.######"); }

}  // namespace orv
