#include "listings/ChartHeaders.h"

#include <cctype>
#include <cmath>

#include "base/Format.h"
#include "core/Angles.h"
#include "core/FixedTables.h"
#include "core/ephemeris/Chiron.h"

namespace orv {

namespace {

std::string_view SignAbbreviation(int sign) {
  return PackedField(SignAbbreviations, sign, SignAbbreviationWidth);
}

}  // namespace

std::string TwoDigits(long n) {
  if (n < 0) return FormatNumber(double(n), "00");
  return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

std::string FormatCoord(double valueDegMin, std::string_view sideWord) {
  std::string text = FormatNumber(std::fabs(valueDegMin), "##0.00");
  auto separator = text.find('.');
  if (separator == std::string::npos) separator = text.find(',');
  if (separator == std::string::npos) return text;
  const std::string letter =
      sideWord.empty() ? "" : std::string(1, char(std::tolower((unsigned char)sideWord[0])));
  return text.replace(separator, 1, letter);
}

void AppendSignPosition(std::string& line, double longitudeDeg) {
  const LongitudeParts p = SplitLongitudeDM(Mod360(longitudeDeg));
  line += TwoDigits(p.degrees);
  line += ' ';
  line += SignAbbreviation(p.sign);
  line += ' ';
  line += TwoDigits(p.minutes);
}

void AppendSignPositionDMS(std::string& line, double longitudeDeg) {
  const LongitudeParts p = SplitLongitudeDMS(Mod360(longitudeDeg));
  line += TwoDigits(p.degrees);
  line += ' ';
  line += SignAbbreviation(p.sign);
  line += ' ';
  line += TwoDigits(p.minutes);
  line += "m ";
  line += TwoDigits(p.seconds);
  line += 's';
}

std::string DeclinationText(double valueDeg) {
  const double a = std::fabs(valueDeg);
  // Minutes as a longitude's are split: rounded, capped at 59 so the degree
  // never changes.
  const int minutes = SplitLongitudeDM(a).minutes;
  // A declination is below 90 degrees; a broken table value must still
  // never overflow the integer conversion.
  const int degrees = std::isfinite(a) && a < 1e6 ? int(Int(a)) : 999999;
  return TwoDigits(degrees) + (valueDeg < 0 ? " S " : " N ") + TwoDigits(minutes);
}

std::string HeaderDate(const ChartInputValues& input) {
  // From the stored numbers: the date text may be in any regional order and
  // its year may be two digits.
  CivilDateTime date;
  date.year = input.year;
  date.month = input.month;
  date.day = input.day;
  return FormatDate(date, "dd mmm yyyy");
}

std::string PlaceAndTimeLine(const ChartInputValues& input) {
  std::string line = "  " + HeaderDate(input);
  line += "    TZ = " + FormatNumber(input.timeZone, "##0.0");
  line += "      " + FormatNumber(input.time, "#0.00");
  line += " " + input.amPm;
  line += "   " + FormatCoord(input.longitude, input.eastWest);
  line += "    " + FormatCoord(input.latitude, input.northSouth);
  return line;
}

void AppendChironNote(ListingPage& page, const ChartArrays& chart) {
  if (!chart.HasChiron) page.Line("  " + ChironLeftOutNote());
}

void AppendNatalHeader(ListingPage& page, const ChartModel& model) {
  page.Blank();
  page.Line("  " + model.PersonName);
  page.Line(PlaceAndTimeLine(model.NatalInput));
  AppendChironNote(page, model.Natal);
}

void AppendNatalAndDiurnalHeader(ListingPage& page, const ChartModel& model) {
  AppendNatalHeader(page, model);
  page.Line("  Diurnal date = " + HeaderDate(model.DiurnalInput));
  AppendChironNote(page, model.Diurnal);
}

void AppendDiurnalHeader(ListingPage& page, const ChartModel& model) {
  page.Line(PlaceAndTimeLine(model.DiurnalInput));
  AppendChironNote(page, model.Diurnal);
}

void BeginNatalListing(ListingPage& page, const ChartModel& model) {
  BeginOutputPage(page.out);
  AppendNatalHeader(page, model);
}

void BeginTransitListing(ListingPage& page, const ChartModel& model) {
  BeginOutputPage(page.out);
  AppendNatalAndDiurnalHeader(page, model);
}

void BeginTwoChartListing(ListingPage& page, const ChartModel& model, const SecondPersonBox& box) {
  BeginOutputPage(page.out);
  AppendNatalHeader(page, model);
  page.Blank();
  page.Line("  " + box.caption);
  AppendDiurnalHeader(page, model);
}

}  // namespace orv
