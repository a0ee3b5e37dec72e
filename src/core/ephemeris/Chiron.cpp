#include "core/ephemeris/Chiron.h"

#include <cmath>

#include "base/Format.h"
#include "core/Angles.h"
#include "core/ChartTime.h"

namespace orv {

namespace {

// The last whole day with the two records after it in the tables.
constexpr double kLastDay = ChironEndJd - 1;

// Brings `second` next to `first` where a longitude pair crosses 0 degrees.
void WrapAgainst(double first, double& second) {
  if (first > 340 && second < 20) second += 360;
  if (first < 20 && second > 340) second -= 360;
}

}  // namespace

std::string ChironBoundText(double jd) {
  const CalendarDate date = CalendarDateOf(jd);
  const double dayFraction = jd + 0.5 - std::floor(jd + 0.5);
  const int minutes = int(std::lround(dayFraction * 1440));
  return FormatDate({date.year, date.month, date.day, minutes / 60, minutes % 60, 0},
                    "d mmm yyyy hh:nn") +
         " UT";
}

std::string ChironLeftOutNote() {
  return "Chiron is tabulated from " + ChironBoundText(ChironFirstJd) + " to " +
         ChironBoundText(ChironEndJd) + "; it is left out of this chart.";
}

ChironPosition CalcChiron(const DataTables& tables, double jd) {
  const double k = std::trunc(jd);
  // Written so that NaN falls outside too.
  if (!(k >= ChironFirstDay && k <= kLastDay)) return {};
  const auto i = static_cast<size_t>(k - ChironFirstDay);
  const double f = jd - k;

  const std::vector<float>& geo = tables.ChironGeoTable1;
  const std::vector<float>& helio = tables.ChironHelioTable1;
  double a0 = geo[i];
  double a1 = geo[i + 1];
  double a2 = geo[i + 2];
  const double h0 = helio[i];
  double h1 = helio[i + 1];
  WrapAgainst(a0, a1);
  WrapAgainst(h0, h1);

  // The plain differences are single precision, as the tables are.
  const float declinationStep = tables.ChironGeoTable2[i + 1] - tables.ChironGeoTable2[i];
  const float latitudeStep = tables.ChironHelioTable2[i + 1] - tables.ChironHelioTable2[i];
  const float daily = geo[i + 1] - geo[i];  // before the wrap correction

  ChironPosition p;
  p.Tabulated = true;
  p.Longitude = Norm360(a0 + (a1 - a0) * f);
  p.Declination = tables.ChironGeoTable2[i] + static_cast<double>(declinationStep) * f;
  p.HelioLongitude = Norm360(h0 + (h1 - h0) * f);
  p.HelioLatitude = tables.ChironHelioTable2[i] + static_cast<double>(latitudeStep) * f;
  // A step across 0 backwards looks like a gain of about 360 degrees.
  p.Retrograde = (daily < 0 && daily > -10) || daily > 350;
  WrapAgainst(a1, a2);
  p.NextDayLongitude = Norm360(a1 + (a2 - a1) * f);
  return p;
}

}  // namespace orv
