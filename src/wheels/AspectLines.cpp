#include "wheels/AspectLines.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

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

namespace {

struct Span {
  double left, bottom, right, top;
};

Span SpanOf(const AspectClearBox& b, double margin) {
  return {std::min(b[0].x, b[1].x) - margin, std::min(b[0].y, b[1].y) - margin,
          std::max(b[0].x, b[1].x) + margin, std::max(b[0].y, b[1].y) + margin};
}

// The parameters of the segment p + t (q - p), t in 0..1, inside `s`; none
// when it misses.
std::optional<std::array<double, 2>> Inside(UserPoint p, UserPoint q, const Span& s) {
  double t0 = 0, t1 = 1;
  const auto clip = [&](double from, double step, double low, double high) {
    if (step == 0) return from >= low && from <= high;
    double a = (low - from) / step, b = (high - from) / step;
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
  };
  if (!clip(p.x, q.x - p.x, s.left, s.right) || !clip(p.y, q.y - p.y, s.bottom, s.top))
    return std::nullopt;
  return std::array<double, 2>{t0, t1};
}

}  // namespace

namespace {

std::vector<std::array<double, 2>> Uncovered(UserPoint p, UserPoint q,
                                             const std::vector<AspectClearBox>& boxes,
                                             double margin) {
  std::vector<std::array<double, 2>> hidden;
  for (const AspectClearBox& b : boxes)
    if (const auto in = Inside(p, q, SpanOf(b, margin))) hidden.push_back(*in);
  std::sort(hidden.begin(), hidden.end());
  std::vector<std::array<double, 2>> shown;
  double from = 0;
  for (const auto& [t0, t1] : hidden) {
    if (t0 > from) shown.push_back({from, t0});
    from = std::max(from, t1);
  }
  if (from < 1) shown.push_back({from, 1});
  return shown;
}

}  // namespace

std::vector<std::array<double, 2>> StretchesClearOf(UserPoint p, UserPoint q,
                                                    const std::vector<AspectClearBox>& boxes,
                                                    double margin) {
  std::vector<std::array<double, 2>> shown = Uncovered(p, q, boxes, margin);
  if (shown.empty() || margin <= 0) return shown;
  // A chord ends on its circle beside a glyph: where only the margin, not a
  // character, reaches an end, the line keeps that end.
  const std::vector<std::array<double, 2>> bare = Uncovered(p, q, boxes, 0);
  if (!bare.empty() && bare.front()[0] == 0 && bare.front()[1] >= shown.front()[0])
    shown.front()[0] = 0;
  if (!bare.empty() && bare.back()[1] == 1 && bare.back()[0] <= shown.back()[1])
    shown.back()[1] = 1;
  return shown;
}

bool SegmentCrossesBox(UserPoint p, UserPoint q, const AspectClearBox& b) {
  // A stretch hidden from 0 to 0 or from 1 to 1 leaves the whole segment
  // shown; any other hides some of it.
  const auto in = Inside(p, q, SpanOf(b, 0));
  return in && (*in)[1] > 0 && (*in)[0] < 1;
}

double AspectMarkSpot(UserPoint p, UserPoint q, double width, double height,
                      const std::vector<AspectClearBox>& boxes, double margin, std::size_t firm) {
  // Only the boxes near the line can touch the glyph anywhere along it
  // (with a little over for the rounding of its places).
  const double padX = width / 2 + std::max(margin, 0.0) + 1e-6,
               padY = height / 2 + std::max(margin, 0.0) + 1e-6;
  const Span line{std::min(p.x, q.x) - padX, std::min(p.y, q.y) - padY, std::max(p.x, q.x) + padX,
                  std::max(p.y, q.y) + padY};
  std::vector<std::pair<std::size_t, Span>> near;
  for (std::size_t k = 0; k < boxes.size(); ++k)
    if (const Span s = SpanOf(boxes[k], 0); line.left <= s.right && s.left <= line.right &&
                                            line.bottom <= s.top && s.bottom <= line.top)
      near.emplace_back(k, s);
  const auto clear = [&](double t, double room, std::size_t count) {
    const UserPoint c{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
    const Span m{c.x - width / 2 - room, c.y - height / 2 - room, c.x + width / 2 + room,
                 c.y + height / 2 + room};
    for (const auto& [k, s] : near)
      if (k < count && m.left < s.right && s.left < m.right && m.bottom < s.top && s.bottom < m.top)
        return false;
    return true;
  };
  const double length = std::hypot(q.x - p.x, q.y - p.y);
  // Steps of a tenth of a unit along the line; its middle four fifths
  // first, then all of it, then without the margin, then past the glyphs.
  const double step = length > 0 ? 0.1 / length : 1;
  const std::size_t all = boxes.size(), characters = std::min(firm, all);
  for (const auto& [reach, room, count] :
       {std::tuple{0.4, margin, all}, {0.5, margin, all}, {0.5, 0.0, all}, {0.5, 0.0, characters}})
    for (double d = 0; d <= reach; d += step)
      for (const double t : {0.5 - d, 0.5 + d})
        if (clear(t, room, count)) return t;
  return 0.5;
}

std::array<double, 2> ConjunctionArcAngles(double a, double b) {
  if ((a < b && b - a < 180) || a - b > 180) return {a, b};
  return {b, a};
}

namespace {

double AspectGlyphSize(const AspectLineStyle& style) {
  return (*style.options)[style.printing ? OptionNumber::WheelPrinterAspectGlyphFontSize
                                         : OptionNumber::WheelAspectGlyphFontSize];
}

}  // namespace

std::vector<LaidAspectLine> LayOutAspectLines(const Canvas& surface,
                                              const std::vector<AspectLine>& lines,
                                              const AspectLineStyle& style) {
  const OptionValues& options = *style.options;
  const double k = SurfaceVerticalFactor(surface);
  CanvasFont font = surface.Font();
  font.family = GlyphFontFace;
  font.points = AspectGlyphSize(style);
  constexpr double kRad = std::numbers::pi / 180;
  std::vector<LaidAspectLine> laid;
  // What each glyph keeps clear of: the characters and the glyphs before it.
  std::vector<AspectClearBox> marks = style.keepClear;
  for (const AspectLine& line : lines) {
    if (line.code == Conjunction) {
      if (!style.conjunctionArc) continue;
      const auto [from, to] = ConjunctionArcAngles(line.angleA, line.angleB);
      LaidAspectLine& arc = laid.emplace_back();
      arc.arc = true;
      arc.fromRad = from * kRad;
      arc.toRad = to * kRad;
      continue;
    }
    const std::optional<Rgb> color =
        AspectLineColor(line.code, options, style.printing, style.blackWhite, line.sameChart);
    if (!color) continue;
    LaidAspectLine& l = laid.emplace_back();
    l.color = *color;
    const UserPoint p1{line.radiusA * std::cos(line.angleA * kRad),
                       k * line.radiusA * std::sin(line.angleA * kRad)};
    const UserPoint p2{line.radiusB * std::cos(line.angleB * kRad),
                       k * line.radiusB * std::sin(line.angleB * kRad)};
    l.glyph = GlyphText(GlyphCode::AspectBase + line.code);
    const double w = surface.TextWidth(l.glyph, font), h = surface.TextHeight(l.glyph, font);
    if (style.keepClear.empty()) {
      l.stretches.push_back({p1, p2});
      l.glyphAt = {(p1.x + p2.x) / 2 - w / 2, (p1.y + p2.y) / 2 + h / 2};
      continue;
    }
    const auto along = [&](double t) {
      return UserPoint{p1.x + t * (p2.x - p1.x), p1.y + t * (p2.y - p1.y)};
    };
    for (const auto& [from, to] : StretchesClearOf(p1, p2, style.keepClear, style.clearance))
      l.stretches.push_back({along(from), along(to)});
    // The glyph where it covers no character (nor an earlier glyph).
    const UserPoint c =
        along(AspectMarkSpot(p1, p2, w, h, marks, style.clearance, style.keepClear.size()));
    marks.push_back({UserPoint{c.x - w / 2, c.y + h / 2}, UserPoint{c.x + w / 2, c.y - h / 2}});
    l.glyphAt = {c.x - w / 2, c.y + h / 2};
  }
  return laid;
}

void DrawLaidAspectLines(Canvas& canvas, const std::vector<LaidAspectLine>& laid,
                         const AspectLineStyle& style) {
  canvas.SetFontName(GlyphFontFace);
  canvas.SetFontSize(AspectGlyphSize(style));
  for (const LaidAspectLine& l : laid) {
    if (l.arc) {
      CircleStyle arc;
      arc.color = QBColor(ConjunctionArcColor);
      arc.startRad = l.fromRad;
      arc.endRad = l.toRad;
      canvas.SetDrawWidth(style.printing ? 4 : 2);
      canvas.Circle({0, 0}, *style.conjunctionArc, arc);
      canvas.SetDrawWidth(1);
      continue;
    }
    canvas.SetForeColor(l.color);
    for (const auto& [from, to] : l.stretches) canvas.Line(from, to);
    canvas.SetCurrent(l.glyphAt);
    canvas.Print(l.glyph);
  }
}

void DrawAspectLines(Canvas& canvas, const std::vector<AspectLine>& lines,
                     const AspectLineStyle& style) {
  DrawLaidAspectLines(canvas, LayOutAspectLines(canvas, lines, style), style);
}

}  // namespace orv
