#include "core/ChartInput.h"

#include <charconv>
#include <cmath>

#include "base/Format.h"
#include "base/Text.h"
#include "platform/Host.h"

namespace orv {

namespace {

constexpr std::string_view kNatalError = "Error in natal input data section. Please correct.";
constexpr std::string_view kDiurnalError = "Error in diurnal input data section. Please correct.";
constexpr std::string_view kLatitudeBeyondPole =
    "Your latitude is too high. Lower to 90 degrees, 00 minutes or below.";

double Num(const std::string& text) { return LeadingNumber(text); }

void ShowSectionError(Host& host, ChartSection section) {
  host.ShowMessage(section == ChartSection::Natal ? kNatalError : kDiurnalError, kTitleWarning,
                   MessageIcon::Information);
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

void PresenceTests(SectionReport& report, const ChartInputFields& f) {
  report.Test(Num(f.Month) == 0 || Num(f.Day) == 0 || Num(f.Year) == 0);
  report.Test(f.Month.empty() || f.Day.empty() || f.Year.empty());
  report.Test(f.Hour.empty() || f.Minute.empty() || f.TimeZone.empty());
  report.Test(f.LongDeg.empty() || f.LongMin.empty());
  report.Test(f.LatDeg.empty() || f.LatMin.empty());
  report.Test(Num(f.TimeZone) < -2 && !f.East);
}

bool IsLeapYear(int year) {
  // The calendar in force: Julian before the Gregorian reform of 1582.
  if (year < 1582) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

void RangeTests(SectionReport& report, const ChartInputFields& f) {
  const double month = Num(f.Month), day = Num(f.Day), year = Num(f.Year);
  report.Test(month > 12 || day > 31 || year > 2099);
  report.Test(Num(f.Hour) > 12 || Num(f.Minute) > 59);
  report.Test(Num(f.TimeZone) > 12 || Num(f.TimeZone) < -13);
  report.Test(Num(f.LongDeg) > 180 || Num(f.LongMin) > 59);
  report.Test(Num(f.LatMin) > 59);
  // 30 February or 31 April would otherwise be computed as a later date.
  const int m = int(month), y = int(year);
  report.Test(m >= 1 && m <= 12 && day > DaysInMonth(m, y));
}

bool LatitudeAbove(const ChartInputFields& f, double limitDeg) {
  const double deg = Num(f.LatDeg);
  return deg > limitDeg || (deg == limitDeg && Num(f.LatMin) > 0);
}

// Half to the even neighbour, as the date readers round.
int RoundHalfEven(double x) {
  const double r = std::round(x);
  if (std::fabs(x - std::trunc(x)) == 0.5) return int(2 * std::round(x / 2));
  return int(r);
}

std::string NumberText(int value) { return std::to_string(value); }

}  // namespace

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
  v.time = float(Num(f.Hour) + Num(f.Minute) / 100);
  v.timeZone = float(Num(f.TimeZone));
  v.amPm = f.Pm ? "P.M." : "A.M.";
  const double lon = Num(f.LongDeg) + Num(f.LongMin) / 100;
  v.longitude = float(f.East ? -lon : lon);
  v.eastWest = v.longitude < 0 ? "East" : "West";
  const double lat = Num(f.LatDeg) + Num(f.LatMin) / 100;
  v.latitude = float(f.South ? -lat : lat);
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

void SetMomentToNow(ChartInputFields& fields, const LocalClock& now) {
  fields.Pm = now.hour >= 12;
  fields.Month = NumberText(now.month);
  fields.Day = NumberText(now.day);
  fields.Year = NumberText(now.year);
  fields.Hour = NumberText(now.hour);
  ApplyHourRule(fields);
  fields.Minute = NumberText(now.minute);
}

void SetDiurnalToNow(ChartInputFields& diurnal, const LocalClock& now,
                     const OptionValues& options) {
  SetMomentToNow(diurnal, now);
  diurnal.TimeZone = ShortestNumberText(options[18]);
  diurnal.LongDeg = ShortestNumberText(options[19]);
  diurnal.LongMin = ShortestNumberText(options[20]);
  diurnal.LatDeg = ShortestNumberText(options[22]);
  diurnal.LatMin = ShortestNumberText(options[23]);
  diurnal.East = options[21] != 0;
  diurnal.South = options[24] != 0;
}

std::string ShortestNumberText(double value) { return FormatNumber(value, "0.######"); }

}  // namespace orv
