#include "listings/CompositeListings.h"

#include <array>
#include <cmath>

#include "base/Format.h"
#include "base/Text.h"
#include "core/Aspects.h"
#include "core/FixedTables.h"
#include "core/OptionNumbers.h"

namespace orv {

namespace {

namespace P = ChartPoint;

// The listing's order: the Sun, the Moon, then Mercury to Chiron.
constexpr std::array<int, NumPoints> kListingOrder = {
    P::Sun,           P::Moon,      P::Mercury, P::Venus, P::Mars,      P::Jupiter,
    P::Saturn,        P::Uranus,    P::Neptune, P::Pluto, P::NorthNode, P::SouthNode,
    P::PartOfFortune, P::Ascendant, P::MC,      P::Chiron};

constexpr size_t kNameCut = 26;

std::string_view PointName10(int point) { return PackedField(PointNames10, point, PointNameWidth); }

char FlagOf(const std::string& flags, int point) {
  const size_t at = size_t(point - 1);
  return at < flags.size() ? flags[at] : ' ';
}

std::string_view RowLabel(int point) {
  switch (point) {
    case P::NorthNode:
      return "N.N";
    case P::SouthNode:
      return "S.N";
    case P::PartOfFortune:
      return "PoF";
    default:
      return PointNames[size_t(point)].substr(0, 3);
  }
}

// The band angle - orb .. angle + orb, limits in single precision as the
// option values are.
bool InBand(double s, int angleDeg, float orbDeg) {
  return double(float(angleDeg) - orbDeg) <= s && s <= double(float(angleDeg) + orbDeg);
}

}  // namespace

CompositeChart CalcCompositeOf(const ChartModel& charts, const OptionValues& options, Host& host) {
  CompositeSources sources;
  sources.natalLongitudes = charts.Natal.Longitudes;
  sources.diurnalLongitudes = charts.Diurnal.Longitudes;
  sources.natalDeclinations = charts.Natal.Declinations;
  sources.diurnalDeclinations = charts.Diurnal.Declinations;
  sources.natalHouseCusps = charts.Natal.Cusps;
  sources.diurnalHouseCusps = charts.Diurnal.Cusps;
  // A fresh start: no record of another chart can stand for a point that no
  // composite house holds.
  sources.housePositions = InitialHousePositions();
  sources.natalHasChiron = charts.Natal.HasChiron;
  sources.diurnalHasChiron = charts.Diurnal.HasChiron;
  return CalcCompositeChart(sources, charts.HouseSystem, options, host);
}

std::string CompositeNamesLine(std::string_view name1, std::string_view name2) {
  return "  " + PadToCharacters(FirstCharacters(name1, kNameCut), 27) +
         PadToCharacters(FirstCharacters(name2, kNameCut), 28) + "Composite Planets";
}

std::string CompositePlanetRow(int point, const ChartModel& charts,
                               const CompositeChart& composite) {
  const size_t p = size_t(point);
  std::string row = "  ";
  AppendSignPosition(row, charts.Natal.Longitudes[p]);
  row += "  ";
  row += PointName10(point);
  row += FlagOf(charts.Natal.RetroFlags, point);
  row += "     ";
  AppendSignPosition(row, charts.Diurnal.Longitudes[p]);
  row += "   ";
  row += PointName10(point);
  row += FlagOf(charts.Diurnal.RetroFlags, point);
  row += "     ";
  AppendSignPosition(row, composite.longitudes[p]);
  row += "   ";
  row += PointName10(point);
  row += FlagOf(composite.retroFlags, point);
  return row;
}

float CompositePairOrb(int i, int j, const OptionValues& options) {
  namespace O = OptionNumber;
  const auto either = [&](int a, int b) { return i == a || i == b || j == a || j == b; };
  float orb = options[O::CompositeOrb];
  if (either(P::NorthNode, P::SouthNode)) orb = options[O::CompositeOrbNodes];
  if (either(P::Sun, P::Moon)) orb = options[O::CompositeOrbLights];
  return orb;
}

std::optional<int> CompositeAspectCode(double s, float orbDeg, float quincunxOrbDeg) {
  std::optional<int> code;
  if (InBand(s, 60, orbDeg)) code = Code(AspectCode::Sextile);
  if (InBand(s, 90, orbDeg)) code = Code(AspectCode::Square);
  if (InBand(s, 120, orbDeg)) code = Code(AspectCode::Trine);
  const float sSingle = float(s);
  if (150.0f - quincunxOrbDeg <= sSingle && sSingle <= 150.0f + quincunxOrbDeg)
    code = Code(AspectCode::Quincunx);
  if (s >= double(180.0f - orbDeg)) code = Code(AspectCode::Opposition);
  if (s <= double(orbDeg)) code = Code(AspectCode::Conjunction);
  return code;
}

std::string CompositeCell(std::optional<int> aspectCode) {
  if (!aspectCode) return "---  ";
  const int angle = AspectAngles[size_t(*aspectCode)];
  if (angle >= 100) return FormatNumber(angle, "000") + "  ";
  if (angle >= 10) return " " + FormatNumber(angle, "00") + "  ";
  return "  " + FormatNumber(angle, "0") + "  ";
}

std::vector<std::string> CompositeGridRows(const PointArray<double>& compositeLongitudes,
                                           const OptionValues& options, int lastPoint) {
  const float quincunxOrb = options[OptionNumber::CompositeQuincunxOrb];
  std::vector<std::string> rows;
  for (int i = 1; i <= lastPoint; ++i) {
    std::string row = "  " + std::string(RowLabel(i)) + "  ";
    for (int j = lastPoint; j > i; --j) {
      double s = std::fabs(compositeLongitudes[size_t(i)] - compositeLongitudes[size_t(j)]);
      if (s > 180) s = 360 - s;
      row += CompositeCell(CompositeAspectCode(s, CompositePairOrb(i, j, options), quincunxOrb));
    }
    // There is no Sun column.
    if (i != P::Sun) row += "***  ";
    rows.push_back(std::move(row));
  }
  return rows;
}

void ListCompositePlanets(ListingPage& page, const ChartModel& charts, const SecondPersonBox& box,
                          const OptionValues& options) {
  BeginTwoChartListing(page, charts, box);
  page.Blank();
  page.Line(std::string(29, ' ') + "Composite Planet Listing");
  page.Blank();
  const CompositeChart composite = CalcCompositeOf(charts, options, page.host);
  page.Line(CompositeNamesLine(charts.PersonName, box.caption));
  // Chiron's row only when the composite has one.
  for (int point : kListingOrder)
    if (point <= LastPointOf(composite.hasChiron))
      page.Line(CompositePlanetRow(point, charts, composite));
}

void ListCompositeAspectGrid(ListingPage& page, const ChartModel& charts,
                             const OptionValues& options) {
  page.Blank();
  page.Blank();
  page.Line(std::string(24, ' ') + "COMPOSITE CHART PLANETARY ASPECTS");
  page.Blank();
  const std::string_view columns =
      "Chi  MC  Asc  PoF  S.N  N.N  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer";
  const CompositeChart composite = CalcCompositeOf(charts, options, page.host);
  const int last = LastPointOf(composite.hasChiron);
  page.Line(std::string(8, ' ') + std::string(columns.substr(5 * size_t(NumPoints - last))));
  for (const std::string& row : CompositeGridRows(composite.longitudes, options, last))
    page.Line(row);
  page.Blank();
  page.Line("    0  = conjunction    60 = sextile         90 = square        120 = trine");
  page.Line("  180  = opposition    150 = quincunx");
}

}  // namespace orv
