#include "wheels/AspectLines.h"

#include <cmath>
#include <numbers>

#include "core/OptionNumbers.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelLayout.h"

namespace orv {

namespace {

using namespace WheelAspect;

// One aspect the lines show: its code, exact angle, orb number, the filters
// that admit it, and whether the band is open at the top (the opposition).
struct LineAspect {
  int code;
  double angle;
  int orb;
  std::array<bool, 4> admittedBy;
  bool upToHalfCircle;
};

// In test order: a later match overwrites an earlier one.
constexpr std::array<LineAspect, 6> kLineAspects{{
    {Sextile, 60, 2, {true, false, true, false}, false},
    {Square, 90, 3, {true, false, false, true}, false},
    {Trine, 120, 4, {true, false, true, false}, false},
    {Opposition, 180, 5, {true, false, false, true}, true},
    {Quincunx, 150, 10, {true, true, false, false}, false},
    {Conjunction, 0, 1, {true, false, false, false}, false},
}};

constexpr double kFixedWindowDeg = 3;
constexpr double kDeclinationScale = 6;  // wheel degrees per degree of declination

bool InBand(double d, double angle, double orb, bool upToHalfCircle, bool single) {
  if (single) {
    const float fd = static_cast<float>(d);
    const float lo = static_cast<float>(angle - orb);
    const float hi = static_cast<float>(angle + orb);
    return upToHalfCircle ? fd >= lo : (angle == 0 ? fd <= hi : fd >= lo && fd <= hi);
  }
  return upToHalfCircle ? d >= angle - orb
                        : (angle == 0 ? d <= orb : d >= angle - orb && d <= angle + orb);
}

std::size_t At(int i) { return static_cast<std::size_t>(i); }

int FilterIndex(int filter) { return filter >= 0 && filter <= 3 ? filter : 0; }

}  // namespace

double FoldedSeparation(double aDeg, double bDeg) {
  const double d = std::fabs(aDeg - bDeg);
  return d > 180 ? 360 - d : d;
}

int WheelAspectCode(double separationDeg, const OrbTable& orbs, const AspectLineTests& tests) {
  const double d = separationDeg > 180 ? 360 - separationDeg : separationDeg;
  int code = None;
  for (const LineAspect& a : kLineAspects) {
    if (!a.admittedBy[At(FilterIndex(tests.filter))]) continue;
    if (a.code == Sextile && !tests.sextiles) continue;
    const bool match = tests.threeDegreeWindows
                           ? InBand(d, a.angle, kFixedWindowDeg, a.upToHalfCircle, false)
                           : InBand(d, a.angle, orbs[At(a.orb)], a.upToHalfCircle, true);
    if (match) code = a.code;
  }
  if (!tests.declination) return code;
  const float fd = static_cast<float>(d);
  const float band = static_cast<float>(kDeclinationScale * orbs[6]);
  if (d >= 90) {
    if (fd >= static_cast<float>(180 - static_cast<double>(band))) code = Opposition;
  } else if (fd <= band) {
    code = Conjunction;
  }
  return code == Conjunction || code == Opposition ? code : None;
}

PointArray<bool> SingleWheelLinePoints(std::string_view enabled, bool helio, bool hasChiron) {
  PointArray<bool> takes{};
  for (int p = 1; p <= NumPoints; ++p) {
    const bool kind = p <= ChartPoint::Moon || p > ChartPoint::MC;
    const bool shown = At(p - 1) >= enabled.size() || enabled[At(p - 1)] != '0';
    const bool helioKept = !helio || p < ChartPoint::Moon || p >= ChartPoint::Chiron;
    takes[At(p)] = kind && shown && helioKept && (hasChiron || p != ChartPoint::Chiron);
  }
  return takes;
}

PointArray<double> LineEndAngles(const PointArray<double>& displayAngles,
                                 const std::vector<PlacedLabel>& placed) {
  PointArray<double> ends = displayAngles;
  for (const PlacedLabel& l : placed)
    if (l.point >= 1 && l.point <= NumPoints) ends[At(l.point)] = l.lineEndAngle;
  return ends;
}

std::vector<AspectLine> FindAspectLines(const AspectLineChart& a, const AspectLineChart& b,
                                        AspectPairs pairs, const OrbTable& orbs,
                                        const AspectLineTests& tests) {
  // Within one chart a pair is the same line from either end: drawn once.
  const bool within = pairs != AspectPairs::AcrossTwo;
  const bool sameChart = pairs == AspectPairs::WithinOneOfTwo;
  std::vector<AspectLine> lines;
  for (int i = 1; i <= NumPoints; ++i) {
    if (!a.takesPart[At(i)]) continue;
    for (int j = within ? i + 1 : 1; j <= NumPoints; ++j) {
      if (!b.takesPart[At(j)]) continue;
      const int code =
          WheelAspectCode(FoldedSeparation(a.angles[At(i)], b.angles[At(j)]), orbs, tests);
      if (code == None) continue;
      lines.push_back(
          {code, i, j, a.glyphAngles[At(i)], b.glyphAngles[At(j)], a.radius, b.radius, sameChart});
    }
  }
  return lines;
}

std::optional<Rgb> AspectLineColor(int code, const OptionValues& options, bool printing,
                                   bool blackWhite, bool sameChart) {
  namespace O = OptionNumber;
  int window = 0, printer = 0, lighter = 0;
  switch (code) {
    case Sextile:
    case Trine:
      if (!printing && blackWhite) return QBColor(0);
      window = O::WheelSextileTrineColor, printer = O::WheelPrinterSextileTrineColor, lighter = 8;
      break;
    case Square:
    case Opposition:
      window = O::WheelSquareOppositionColor, printer = O::WheelPrinterSquareOppositionColor;
      lighter = 1;
      break;
    case Quincunx:
      window = O::WheelQuincunxColor, printer = O::WheelPrinterQuincunxColor, lighter = 10;
      break;
    default:
      return std::nullopt;
  }
  if (printing) return QBColor(options[At(printer)]);
  const int base = ToInteger(options[At(window)]);
  // Past white the lighter variant would be no colour at all; the pair keeps
  // the colour it has across the charts.
  if (sameChart && base + lighter <= 15) return QBColor(base + lighter);
  return QBColor(base);
}

std::array<double, 2> ConjunctionArcAngles(double a, double b) {
  if ((a < b && b - a < 180) || a - b > 180) return {a, b};
  return {b, a};
}

void DrawAspectLines(Canvas& canvas, const std::vector<AspectLine>& lines,
                     const AspectLineStyle& style) {
  const OptionValues& options = *style.options;
  const double k = SurfaceVerticalFactor(canvas);
  canvas.SetFontName(GlyphFontFace);
  canvas.SetFontSize(options[style.printing ? OptionNumber::WheelPrinterAspectGlyphFontSize
                                            : OptionNumber::WheelAspectGlyphFontSize]);
  constexpr double kRad = std::numbers::pi / 180;
  for (const AspectLine& line : lines) {
    if (line.code == Conjunction) {
      if (!style.conjunctionArc) continue;
      const auto [from, to] = ConjunctionArcAngles(line.angleA, line.angleB);
      CircleStyle arc;
      arc.color = QBColor(ConjunctionArcColor);
      arc.startRad = from * kRad;
      arc.endRad = to * kRad;
      canvas.SetDrawWidth(style.printing ? 4 : 2);
      canvas.Circle({0, 0}, *style.conjunctionArc, arc);
      canvas.SetDrawWidth(1);
      continue;
    }
    const std::optional<Rgb> color =
        AspectLineColor(line.code, options, style.printing, style.blackWhite, line.sameChart);
    if (!color) continue;
    canvas.SetForeColor(*color);
    const UserPoint p1{line.radiusA * std::cos(line.angleA * kRad),
                       k * line.radiusA * std::sin(line.angleA * kRad)};
    const UserPoint p2{line.radiusB * std::cos(line.angleB * kRad),
                       k * line.radiusB * std::sin(line.angleB * kRad)};
    canvas.Line(p1, p2);
    const std::string glyph = GlyphText(GlyphCode::AspectBase + line.code);
    const double w = canvas.TextWidth(glyph), h = canvas.TextHeight(glyph);
    canvas.SetCurrent({(p1.x + p2.x) / 2 - w / 2, (p1.y + p2.y) / 2 + h / 2});
    canvas.Print(glyph);
  }
}

}  // namespace orv
