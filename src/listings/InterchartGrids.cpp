#include "listings/InterchartGrids.h"

#include <array>
#include <cmath>
#include <string>

#include "core/Aspects.h"
#include "core/FixedTables.h"
#include "core/OptionNumbers.h"
#include "listings/NatalAspectGrid.h"

namespace orv {

namespace {

constexpr double kParallelOrbDeg = 1;

enum class OrbChoice { Pair, Quincunx, Minor };

struct InterchartBand {
  double exactDeg;
  int code;  // `AspectCode`
  OrbChoice orb;
  BandShape shape;
  // The quincunx and minor bands round the separation to single precision;
  // the major bands compare it as it is with their single-precision limits.
  bool roundsSeparation;
};

// The testing order: every band is tested and the last match wins.
constexpr std::array<InterchartBand, 10> kInterchartBands = {{
    {60, 3, OrbChoice::Pair, BandShape::Around, false},
    {90, 4, OrbChoice::Pair, BandShape::Around, false},
    {120, 5, OrbChoice::Pair, BandShape::Around, false},
    {150, 11, OrbChoice::Quincunx, BandShape::Around, true},
    {165, 18, OrbChoice::Minor, BandShape::Around, true},
    {135, 10, OrbChoice::Minor, BandShape::Around, true},
    {45, 9, OrbChoice::Minor, BandShape::Around, true},
    {30, 8, OrbChoice::Minor, BandShape::Around, true},
    {180, 6, OrbChoice::Pair, BandShape::AtLeast, false},
    {0, 2, OrbChoice::Pair, BandShape::UpToOrb, false},
}};

// A band test of the unrounded separation `s` against limits computed in
// single precision.
bool InBandUnrounded(double exactDeg, BandShape shape, double s, float orb) {
  const float exact = static_cast<float>(exactDeg);
  const float low = exact - orb;
  const float high = exact + orb;
  switch (shape) {
    case BandShape::Around:
      return low <= s && s <= high;
    case BandShape::AtLeast:
      return low <= s;
    case BandShape::UpToOrb:
      return s <= orb;
  }
  return false;
}

bool IsLight(int point) { return point == ChartPoint::Sun || point == ChartPoint::Moon; }
bool IsNode(int point) { return point == ChartPoint::NorthNode || point == ChartPoint::SouthNode; }

float PairOrb(int pointA, int pointB, const OptionValues& options) {
  if (IsLight(pointA) || IsLight(pointB)) return options[OptionNumber::InterchartOrbLights];
  if (IsNode(pointA) || IsNode(pointB)) return options[OptionNumber::InterchartOrbNodes];
  return options[OptionNumber::InterchartOrb];
}

constexpr std::string_view kColumnHeading =
    "       SUN  MER  VEN  MAR  JUP  SAT  URA  NEP  PLU  MOO  N.N  S.N  PoF  ASC   MC  CHI";

// Two blanks and a 5-character label: the first three letters of the name
// and two blanks, the nodes and the Part of Fortune abbreviated.
std::string RowLabel(int point) {
  switch (point) {
    case ChartPoint::NorthNode:
      return "  N.N  ";
    case ChartPoint::SouthNode:
      return "  S.N  ";
    case ChartPoint::PartOfFortune:
      return "  PoF  ";
    default:
      return "  " + std::string(PointNames[size_t(point)].substr(0, 3)) + "  ";
  }
}

// The heading over chart 2's columns; Chiron's, the last, only when chart 2
// has it.
std::string ColumnHeading(const ChartArrays& across) {
  return std::string(kColumnHeading.substr(
      0, kColumnHeading.size() - 5 * size_t(NumPoints - LastPointOf(across))));
}

}  // namespace

int FindInterchartAspect(int pointA, double longitudeA, int pointB, double longitudeB,
                         const OptionValues& options) {
  double s = std::fabs(longitudeA - longitudeB);
  if (s > 180) s = 360 - s;
  const float pairOrb = PairOrb(pointA, pointB, options);
  int code = NoAspectCode;
  for (const InterchartBand& band : kInterchartBands) {
    const float orb = band.orb == OrbChoice::Pair ? pairOrb
                      : band.orb == OrbChoice::Quincunx
                          ? options[OptionNumber::InterchartQuincunxOrb]
                          : options[OptionNumber::InterchartMinorOrb];
    const bool match = band.roundsSeparation ? InOrbBand(band.exactDeg, band.shape, false, s, orb)
                                             : InBandUnrounded(band.exactDeg, band.shape, s, orb);
    if (match) code = band.code;
  }
  return code;
}

std::string_view InterchartParallelCell(double declinationA, double declinationB) {
  const double p = std::fabs(std::fabs(declinationA) - std::fabs(declinationB));
  if (p > kParallelOrbDeg) return "---  ";
  return (declinationA >= 0) == (declinationB >= 0) ? " P   " : " CP  ";
}

void ListInterchartAspectGrid(ListingPage& page, const ChartModel& model,
                              std::string_view natalNameText, std::string_view secondPersonCaption,
                              const OptionValues& options) {
  const std::string person2(secondPersonCaption);
  page.Blank();
  page.Line("  " + std::string(natalNameText) + "'s NATAL PLANET ASPECTS TO " + person2 +
            "'s NATAL PLANETS");
  page.Line("  (Dn = " + model.PersonName + ", Across = " + person2 + ")");
  page.Blank();
  page.Line(ColumnHeading(model.Diurnal));
  for (int j = 1; j <= LastPointOf(model.Natal); ++j) {
    std::string row = RowLabel(j);
    for (int i = 1; i <= LastPointOf(model.Diurnal); ++i) {
      const int code = FindInterchartAspect(j, model.Natal.Longitudes[size_t(j)], i,
                                            model.Diurnal.Longitudes[size_t(i)], options);
      row += code == NoAspectCode ? std::string("---  ") : AspectAngleCell(code);
    }
    page.Line(row);
  }
  page.Blank();
  page.Line("    0  = conjunction       60 = sextile          90 = square         120 = trine");
  page.Line("  180  = opposition        30 = semi-sextile    150 = quincunx");
  page.Line("   45  = semi-square      135 = sesquisquare");
}

void ListInterchartParallels(ListingPage& page, const ChartModel& model) {
  page.Blank();
  page.Line(ColumnHeading(model.Diurnal));
  for (int j = 1; j <= LastPointOf(model.Natal); ++j) {
    std::string row = RowLabel(j);
    for (int i = 1; i <= LastPointOf(model.Diurnal); ++i)
      row += InterchartParallelCell(model.Natal.Declinations[size_t(j)],
                                    model.Diurnal.Declinations[size_t(i)]);
    page.Line(row);
  }
}

}  // namespace orv
