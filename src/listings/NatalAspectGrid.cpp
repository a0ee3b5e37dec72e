#include "listings/NatalAspectGrid.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/Format.h"
#include "core/Aspects.h"
#include "listings/ChartHeaders.h"

namespace orv {

namespace {

constexpr int kParallelKind = KindOf(AspectCode::Parallel);
constexpr int kReportSouthNode = 12;
constexpr int kReportChiron = ChartPoint::Chiron;

// The grid's point order from `ChartPoint` order: the Moon moves up to 2.
PointArray<double> ToReportOrder(const PointArray<double>& byChartPoint) {
  PointArray<double> r = byChartPoint;
  r[2] = byChartPoint[ChartPoint::Moon];
  for (int p = ChartPoint::Mercury; p <= ChartPoint::Pluto; ++p)
    r[size_t(p + 1)] = byChartPoint[size_t(p)];
  return r;
}

// Row labels by `ReportPoint`: mostly the first three letters of the name.
constexpr PointArray<std::string_view> kRowLabels = {"",    "Sun", "Moo", "Mer", "Ven", "Mar",
                                                     "Jup", "Sat", "Ura", "Nep", "Plu", "N.N",
                                                     "S.N", "P.F", "Asc", "MC ", "Chi"};

// "DDDd MMm" parts of a non-negative angle, rounded to whole minutes first
// so that 2.9999 degrees reads 3d 00m.
struct DegreesMinutes {
  long degrees;
  long minutes;
};
DegreesMinutes SplitToMinutes(double deg) {
  const long total = std::lround(std::fabs(deg) * 60);
  return {total / 60, total % 60};
}

std::string PaddedName(int reportPoint) {
  std::string name(ReportPointNames[size_t(reportPoint)]);
  name.resize(std::max<size_t>(name.size(), 11), ' ');
  return name;
}

std::string ListLine(int r, int c, double separation, double deviation) {
  const DegreesMinutes s = SplitToMinutes(separation);
  const DegreesMinutes d = SplitToMinutes(deviation);
  std::string line = "  " + PaddedName(r) + PaddedName(c);
  line += PadNum3(std::to_string(s.degrees)) + "d " + TwoDigits(s.minutes) + "m";
  line += "       ";
  line += PadSignedNum4(std::to_string(d.degrees)) + "d " + TwoDigits(d.minutes) + "m";
  line += NewLine;
  return line;
}

}  // namespace

std::string AspectAngleCell(int code) {
  std::string angle = std::to_string(AspectAngles[size_t(code)]);
  return std::string(3 - std::min<size_t>(3, angle.size()), ' ') + angle + "  ";
}

bool NatalAspectTable::Found(int code, int higher, int lower) const {
  if (code < 0 || code > MaxAspectCode || higher < 0 || higher >= kPoints || lower < 0 ||
      lower >= kPoints)
    return false;
  return entries_[size_t((code * kPoints + higher) * kPoints + lower)] != 0;
}

void NatalAspectTable::Mark(int code, int higher, int lower) {
  if (code < 0 || code > MaxAspectCode || higher < 0 || higher >= kPoints || lower < 0 ||
      lower >= kPoints)
    return;
  entries_[size_t((code * kPoints + higher) * kPoints + lower)] = 1;
}

GridAspect FindGridAspect(double longitudeA, double longitudeB, const OrbTable& natalOrbs) {
  double s = std::fabs(longitudeA - longitudeB);
  if (s > 180) s = 360 - s;
  AspectMatch match;
  match.foldedSeparation = s;
  match.deviation = s;
  // Every band is tested and the last match wins: the conjunction last.
  for (const AspectBand& band : kMajorAndSemiBands) MatchBand(band, natalOrbs, match);
  for (const AspectBand& band : kMinorBands) MatchBand(band, natalOrbs, match);
  MatchBand(kConjunctionBand, natalOrbs, match);
  GridAspect found;
  found.code = match.code;
  found.separationDeg = s;
  found.deviationDeg = match.deviation;
  return found;
}

std::string_view ParallelCell(double declinationA, double declinationB, const OrbTable& natalOrbs) {
  const double p = std::fabs(std::fabs(declinationA) - std::fabs(declinationB));
  if (static_cast<float>(p) > natalOrbs[kParallelKind]) return "---  ";
  return (declinationA >= 0) == (declinationB >= 0) ? " P   " : " CP  ";
}

NatalAspectTable ListNatalAspectGrid(ListingPage& page, const PointArray<double>& longitudes,
                                     const PointArray<double>& declinations,
                                     const OrbTable& natalOrbs, int lastPoint) {
  const PointArray<double> lon = ToReportOrder(longitudes);
  const PointArray<double> decl = ToReportOrder(declinations);
  NatalAspectTable found;
  std::string list = "  Planet     Planet    Separation   Degrees from exact";
  list += NewLine;

  page.Blank();
  page.Line(std::string(22, ' ') + "NATAL PLANET ASPECTS TO NATAL PLANETS");
  page.Blank();
  // Chiron, last in both orders, has the first column and the last row.
  static_assert(kReportChiron == NumPoints);
  const std::string_view columns =
      "Chi  MC  Asc  P.F  S.N  N.N  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer  Moo  Sun";
  page.Line(std::string(8, ' ') + std::string(columns.substr(5 * size_t(NumPoints - lastPoint))));
  for (int r = 1; r <= lastPoint; ++r) {
    std::string row = "  " + std::string(kRowLabels[size_t(r)]) + "  ";
    for (int c = lastPoint; c >= 1; --c) {
      if (c == r) {
        row += "***  ";
      } else if (c < r) {
        row += ParallelCell(decl[size_t(r)], decl[size_t(c)], natalOrbs);
      } else {
        const GridAspect a = FindGridAspect(lon[size_t(r)], lon[size_t(c)], natalOrbs);
        if (a.code == NoAspectCode) {
          row += "---  ";
          continue;
        }
        found.Mark(a.code, c, r);
        row += AspectAngleCell(a.code);
        // The South Node's row shows its cells but lists nothing.
        if (r != kReportSouthNode) list += ListLine(r, c, a.separationDeg, a.deviationDeg);
      }
    }
    page.Line(row);
  }
  page.Blank();
  page.Line("    0  = conjunction    60 = sextile          90 = square         120 = trine");
  page.Line("  180  = opposition      P = parallel         CP = contra-parallel");
  page.Blank();
  page.Line("   30  = semi-sextile   45 = semi-square     135 = sesquisquare   150 = quincunx");
  page.Line("   36  = semi-quintile  40 = nonagen          72 = quintile       108 = trecile");
  page.Line("  144  = bi-quintile    51 = septile         165 = quindecile");
  page.Blank();
  page.Blank();
  page.Line(list);
  return found;
}

}  // namespace orv
