#pragma once
// Counts what makes a painted two-chart wheel, or a one-chart wheel drawn
// as a ring (declinations, helio latitudes), hard or wrong to read, from the
// recording surface, in both arrangements and for both charts: label boxes
// that overlap (each other, the ring's sign glyphs, the cusp labels, the
// house numbers or the header), labels that cross or leave their band's
// circles or cross a spoke, glyphs outside their own house (unless led back
// to it by a line), points not drawn, labels beyond the window's edges or
// within a few pixels of them and, from the size the window opens at up,
// labels drawn smaller than reads. Where aspect lines are drawn: a line
// on a label's characters or between two successive ones, or an aspect mark
// on any of them; and, in the combined arrangement, two labels whose characters
// interleave, so that one label's digits read as another's. And a glyph
// on its own label's characters, or in the window touching one.

#include <cctype>
#include <span>
#include <string_view>

#include "WheelLegibility.h"
#include "commands/DualWheelCommands.h"
#include "core/FixedTables.h"
#include "shell/OptionFiles.h"
#include "wheels/DualWheelInputs.h"

namespace orv::test {

// The least room, in pixels, between a label and the window's edge.
inline constexpr double LabelWindowMargin = 3;

struct DualLegibilityCounts {
  LegibilityCounts counts;
  int outsideWindow = 0;
  int aspectOnGlyph = 0;
  int glyphOnOwnLabel = 0;
  // Printed apart, not part of being clean: labels dealt two or more houses
  // (on the two-ring wheel, sectors) from their points' own, and pairs of
  // leader lines that cross each other. And, for the tests that pin how a
  // crowded wheel deals, the houses of a band (sectors of a ring) whose
  // labels all stand in others.
  int dealtAway = 0, leadersCrossing = 0, emptied = 0;
  int Total() const { return counts.Total() + outsideWindow + aspectOnGlyph + glyphOnOwnLabel; }
  // Apart, where the wheels are painted into pixels (`inkPainted` of
  // them): those where a glyph's pixel is also one of the character of its
  // own label beside it, and those with no clear pixel between the two.
  int inkPainted = 0, inkOverlap = 0, inkTouching = 0;
  DualLegibilityCounts& operator+=(const DualLegibilityCounts& o) {
    counts += o.counts;
    outsideWindow += o.outsideWindow;
    aspectOnGlyph += o.aspectOnGlyph;
    glyphOnOwnLabel += o.glyphOnOwnLabel;
    inkPainted += o.inkPainted;
    inkOverlap += o.inkOverlap;
    inkTouching += o.inkTouching;
    dealtAway += o.dealtAway;
    leadersCrossing += o.leadersCrossing;
    emptied += o.emptied;
    return *this;
  }
};

namespace dual_detail {

inline double Nearest(const TextBox& b) {
  return std::hypot(std::clamp(0.0, b.left, b.right), std::clamp(0.0, b.bottom, b.top));
}
inline double Farthest(const TextBox& b) {
  double far = 0;
  for (const UserPoint& c : b.Corners()) far = std::max(far, std::hypot(c.x, c.y));
  return far;
}

// One label: its boxes, its chart (0 none, 1 or 2) and point, and a point
// label's records.
struct Label {
  std::vector<TextBox> boxes;
  int chart = 0, point = 0;
  std::vector<std::size_t> texts;
};

// The point a glyph stands for; on a heliocentric wheel the Earth's glyph
// (the code of the Part of Fortune, never drawn there) is the Sun's place.
inline int PointOf(std::string_view text, bool helio) {
  if (helio && text == GlyphText(GlyphCode::Earth)) return ChartPoint::Sun;
  for (int p = 1; p <= NumPoints; ++p)
    if (text == GlyphText(GlyphCode::PointBase + p)) return p;
  return 0;
}

inline bool IsAspectMark(std::string_view text) {
  for (int code = 2; code <= 18; ++code)
    if (text == GlyphText(GlyphCode::AspectBase + code)) return true;
  return false;
}

// Whether the segment from `p` to `q` meets the box `b` (its edges
// included).
inline bool SegmentMeetsBox(UserPoint p, UserPoint q, const TextBox& b) {
  double t0 = 0, t1 = 1;
  const double dx = q.x - p.x, dy = q.y - p.y;
  const auto clip = [&](double num, double den) {  // keeps t with num + t * den >= 0
    if (den == 0) return num >= 0;
    const double t = -num / den;
    if (den > 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    return t0 <= t1;
  };
  return clip(p.x - b.left, dx) && clip(b.right - p.x, -dx) && clip(p.y - b.bottom, dy) &&
         clip(b.top - p.y, -dy);
}

// Whether box `z` reaches into the room between the successive characters
// `u` and `v`, each shrunk by `hair`: the box that spans them where they
// step along a row or down a column; where they step across both, as a
// label's column slanting along the band does, only the band between them
// (their convex hull), not the empty corners beside it.
inline bool Between(const TextBox& z, const TextBox& u, const TextBox& v, double hair) {
  const TextBox a{u.left + hair, u.top - hair, u.right - hair, u.bottom + hair};
  const TextBox b{v.left + hair, v.top - hair, v.right - hair, v.bottom + hair};
  const TextBox hull{std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
  if (!z.Overlaps(hull)) return false;
  const bool across =
      (a.right <= b.left || b.right <= a.left) && (a.top <= b.bottom || b.top <= a.bottom);
  if (!across) return true;
  // The hull's two slanting edges, from a corner of one box to a corner of
  // the other, each with the other box on its inner side: `z` lies wholly
  // beyond one of them, or meets the band.
  const bool rising = (b.left > a.left) == (b.bottom > a.bottom);
  using Edge = std::array<UserPoint, 2>;
  const Edge lefts{{{a.left, rising ? a.top : a.bottom}, {b.left, rising ? b.top : b.bottom}}};
  const Edge rights{{{a.right, rising ? a.bottom : a.top}, {b.right, rising ? b.bottom : b.top}}};
  const auto side = [](const Edge& e, UserPoint p) {
    return (e[1].x - e[0].x) * (p.y - e[0].y) - (e[1].y - e[0].y) * (p.x - e[0].x);
  };
  for (const auto& [edge, other] : {std::pair{lefts, rights}, std::pair{rights, lefts}}) {
    // The side the other edge, and so the band, lies on.
    const double inner = side(edge, other[0]) > 0 ? 1 : -1;
    constexpr double e = 0.01;
    bool beyond = true;
    for (const UserPoint& c : z.Corners()) beyond = beyond && inner * side(edge, c) <= e;
    if (beyond) return false;
  }
  return true;
}

// The boxes of the characters of a text whose box is `whole`, each as wide
// as it advances the text.
inline std::vector<TextBox> CharacterBoxes(RecordingCanvas& canvas, const CanvasRecord& t,
                                           const TextBox& whole) {
  BoxOf(canvas, t);  // its font
  std::vector<TextBox> out;
  double left = whole.left;
  for (std::size_t end = 1; end <= t.text.size(); ++end) {
    if (end < t.text.size() && (static_cast<unsigned char>(t.text[end]) & 0xC0) == 0x80) continue;
    const double right = whole.left + canvas.TextWidth(t.text.substr(0, end));
    out.push_back({left, whole.top, right, whole.bottom});
    left = right;
  }
  return out;
}

// Whether a glyph's box `g` stands on a character's box `c`: its ink
// reaches past the character's middle, on a line they share by more than a
// hair (a twentieth of the character's height). The glyph
// font's symbols and digits have their ink from a tenth of a line's height
// below its top down to its baseline, 0.72 down (the rest is leading and
// descent), a symbol's a twentieth of its width in from its sides at least.
inline bool GlyphOnCharacter(const TextBox& g, const TextBox& c) {
  const auto ink = [](const TextBox& b) {
    const double h = b.top - b.bottom;
    return std::pair{b.top - 0.72 * h, b.top - 0.1 * h};
  };
  const auto [gLow, gHigh] = ink(g);
  const auto [cLow, cHigh] = ink(c);
  const double inset = 0.05 * (g.right - g.left);
  const double across = std::min(g.right - inset, c.right) - std::max(g.left + inset, c.left);
  return across > 0.5 * (c.right - c.left) &&
         std::min(gHigh, cHigh) - std::max(gLow, cLow) > 0.05 * (c.top - c.bottom);
}

// How far in from its left and right sides a character's ink stands, as
// shares of its advance, measured from the glyph font's outlines (rounded
// down): the chart points' glyphs (Sun to Chiron), the signs', the
// retrograde mark's, the digits', the point's and the "R"'s; other
// characters a little in at least.
inline std::pair<double, double> InkInsets(std::string_view text) {
  // clang-format off
  static constexpr std::array<std::pair<double, double>, NumPoints> points{
      {{.097, .1},   {.292, .287}, {.235, .238}, {.097, .1},   {.162, .165}, {.251, .254},
       {.178, .173}, {.065, .068}, {.284, .287}, {.17, .173},  {.049, .052}, {.049, .052},
       {.097, .1},   {.097, .1},   {.049, .052}, {.316, .311}}};
  static constexpr std::array<std::pair<double, double>, 12> signs{
      {{.08, .07}, {.12, .11}, {.11, .1}, {.04, .05}, {.18, .18}, {.17, .17},
       {.04, .05}, {.13, .13}, {.09, .1}, {.08, .08}, {.04, .05}, {.17, .18}}};
  static constexpr std::array<std::pair<double, double>, 10> digits{
      {{.09, .1}, {.16, .13}, {.1, .14}, {.11, .12}, {.07, .07},
       {.11, .13}, {.1, .09}, {.11, .12}, {.1, .1}, {.09, .1}}};
  // clang-format on
  for (int p = 1; p <= NumPoints; ++p)
    if (text == GlyphText(GlyphCode::PointBase + p)) return points[std::size_t(p - 1)];
  for (int sign = 1; sign <= 12; ++sign)
    if (text == GlyphText(GlyphCode::SignBase + sign)) return signs[std::size_t(sign - 1)];
  if (text == GlyphText(GlyphCode::RetrogradeMark)) return {.12, .12};
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
    return digits[std::size_t(text[0] - '0')];
  if (text == ".") return {.33, .33};
  if (text == "R") return {.14, .03};
  return {.03, .03};
}

// Whether the inks of a glyph's box `g` and a character's box `c` of its
// own label, texts `gText` and `cText`, leave no clear pixel between them
// (`pxX` and `pxY` a pixel's width and height): apart along neither the row
// nor the column by a pixel. The inks are `gInk` and `cInk` where the
// surface measures them, else as the glyph font's outlines have them.
inline bool GlyphTouchesCharacter(const TextBox& g, std::string_view gText, const TextBox& c,
                                  std::string_view cText, double pxX, double pxY,
                                  const std::optional<Canvas::Ink>& gInk = std::nullopt,
                                  const std::optional<Canvas::Ink>& cInk = std::nullopt) {
  const auto ink = [](const TextBox& b, std::string_view text,
                      const std::optional<Canvas::Ink>& measured) {
    if (measured)
      return TextBox{b.left + measured->left, b.top - measured->top, b.left + measured->right,
                     b.top - measured->bottom};
    const double h = b.top - b.bottom, w = b.right - b.left;
    const auto [left, right] = InkInsets(text);
    return TextBox{b.left + left * w, b.top - 0.1 * h, b.right - right * w, b.top - 0.72 * h};
  };
  const TextBox a = ink(g, gText, gInk), b = ink(c, cText, cInk);
  const double gapX = std::max(a.left - b.right, b.left - a.right);
  const double gapY = std::max(a.bottom - b.top, b.bottom - a.top);
  return gapX < pxX - 1e-9 && gapY < pxY - 1e-9;
}

// Whether the segments from `p` to `q` and from `u` to `v` cross, each
// passing strictly through the other.
inline bool SegmentsCross(UserPoint p, UserPoint q, UserPoint u, UserPoint v) {
  const auto side = [](UserPoint a, UserPoint b, UserPoint c) {
    const double s = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return s > 1e-9 ? 1 : s < -1e-9 ? -1 : 0;
  };
  return side(p, q, u) * side(p, q, v) < 0 && side(u, v, p) * side(u, v, q) < 0;
}

inline bool Shown(const std::string& enabled, int p) {
  return std::size_t(p - 1) >= enabled.size() || enabled[std::size_t(p - 1)] != '0';
}

}  // namespace dual_detail

// The window paint of the prepared two-chart wheel on `canvas`; with
// `printing` the printed page's paint, measured where things really stand
// on it (its units are taller than wide).
inline DualLegibilityCounts CountIllegibleTwoChart(const WheelPaintInputs& in,
                                                   RecordingCanvas& canvas, bool printing) {
  using namespace dual_detail;
  if (printing)
    PaintWheelPrinter(canvas, in, {});
  else
    PaintWheelWindow(canvas, in,
                     StartScaleFor(canvas.DeviceWidth(), canvas.DeviceHeight()).value_or(300));
  canvas.SetFontScale(1);  // the records hold the sizes drawn
  const double squash =
      printing ? std::fabs(canvas.DeviceUnitsPerUserY() / canvas.DeviceUnitsPerUserX()) : 1;
  const auto box = [&](const CanvasRecord& t) {
    TextBox b = BoxOf(canvas, t);
    b.top *= squash, b.bottom *= squash;
    return b;
  };
  const WheelRequest& r = *in.request;
  const bool oneChartRing = r.WheelKind == 1 && r.DeclinationSingleWheel != 0;
  const bool twoRing = r.DualWheelShown == 1 || oneChartRing;
  const bool helio = r.HelioWheel == 1;
  const auto texts = canvas.Texts();
  const Rgb red = QBColor(12);
  std::vector<Label> labels;
  std::size_t k = 0;
  // The fixed texts before the points: the combined frame's fifteen house
  // number characters and twelve cusp labels, then its intercepted signs;
  // the ring's sign glyphs.
  if (!twoRing) {
    for (; k < 15 && k < texts.size(); ++k) labels.push_back({{box(texts[k])}, 0, 0, {}});
    for (; k < 75 && k < texts.size(); k += 5) {
      labels.emplace_back();
      for (std::size_t c = k; c < k + 5; ++c) labels.back().boxes.push_back(box(texts[c]));
    }
  }
  for (; k < texts.size() && PointOf(texts[k].text, helio) == 0; ++k)
    labels.push_back({{box(texts[k])}, 0, 0, {}});
  const std::size_t fixed = labels.size();
  while (k < texts.size() && PointOf(texts[k].text, helio) != 0) {
    Label l;
    l.point = PointOf(texts[k].text, helio);
    l.chart = twoRing ? (texts[k].color == QBColor(9) ? 1 : 2) : (texts[k].color == red ? 2 : 1);
    const std::size_t characters = twoRing ? 2 : 6;
    for (std::size_t c = k; c < k + characters && c < texts.size(); ++c) {
      l.boxes.push_back(box(texts[c]));
      l.texts.push_back(c);
    }
    k += characters;
    if (!twoRing && k < texts.size() && texts[k].text == GlyphText(GlyphCode::RetrogradeMark)) {
      l.texts.push_back(k);
      l.boxes.push_back(box(texts[k++]));
    }
    labels.push_back(l);
  }
  const std::size_t pointsEnd = labels.size();
  // The aspect lines and their marks follow the labels; then the header
  // lines, which a label must not run into either.
  std::vector<TextBox> marks;
  std::vector<std::array<UserPoint, 2>> lines;
  {
    const auto& records = canvas.Records();
    std::size_t texts_seen = 0, r = 0;
    for (; r < records.size() && texts_seen < k; ++r)
      texts_seen += records[r].kind == CanvasRecord::Kind::Text;
    for (; r < records.size(); ++r) {
      const CanvasRecord& rec = records[r];
      if (rec.kind == CanvasRecord::Kind::Text && !IsAspectMark(rec.text)) break;
      if (rec.kind == CanvasRecord::Kind::Line)
        lines.push_back(
            {UserPoint{rec.a.x, rec.a.y * squash}, UserPoint{rec.b.x, rec.b.y * squash}});
    }
  }
  for (; k < texts.size(); ++k)
    if (IsAspectMark(texts[k].text))
      marks.push_back(box(texts[k]));
    else
      labels.push_back({{box(texts[k])}, 0, 0, {}});

  DualLegibilityCounts out;
  LegibilityCounts& n = out.counts;
  const bool verbose = std::getenv("ORVANTA_LEGIBILITY_VERBOSE") != nullptr;
  for (std::size_t a = fixed; a < pointsEnd; ++a)
    for (std::size_t b = 0; b < labels.size(); ++b) {
      if (b >= fixed && b < pointsEnd && b <= a) continue;
      for (const TextBox& x : labels[a].boxes)
        for (const TextBox& y : labels[b].boxes)
          if (x.Overlaps(y)) {
            ++n.overlaps;
            if (verbose)
              std::printf("overlap %d.%d/%d.%d (%.1f %.1f %.1f %.1f) (%.1f %.1f %.1f %.1f)\n",
                          labels[a].chart, labels[a].point, labels[b].chart, labels[b].point,
                          x.left, x.top, x.right, x.bottom, y.left, y.top, y.right, y.bottom);
          }
    }
  for (std::size_t a = fixed; a < pointsEnd; ++a) {
    // Nor between two successive characters: pieces of lines there are
    // read as strokes of the label (a ring label's glyph and degrees stand
    // apart).
    const std::vector<TextBox>& b = labels[a].boxes;
    const std::size_t column = twoRing ? 0 : std::min<std::size_t>(6, b.size());
    std::vector<TextBox> strokes(b.begin() + long(column), b.end());
    for (std::size_t c = 0; c + 1 < column; ++c)
      strokes.push_back({std::min(b[c].left, b[c + 1].left), std::max(b[c].top, b[c + 1].top),
                         std::max(b[c].right, b[c + 1].right),
                         std::min(b[c].bottom, b[c + 1].bottom)});
    bool struck = false;
    for (const auto& line : lines)
      for (const TextBox& stroke : strokes)
        struck = struck || SegmentMeetsBox(line[0], line[1], stroke);
    if (struck) {
      ++out.aspectOnGlyph;
      if (verbose) std::printf("line on label %d.%d\n", labels[a].chart, labels[a].point);
    }
    for (const TextBox& mark : marks)
      for (const TextBox& b : labels[a].boxes)
        if (mark.Overlaps(b)) {
          ++out.aspectOnGlyph;
          if (verbose)
            std::printf("mark on %d.%d (%.1f %.1f %.1f %.1f)\n", labels[a].chart, labels[a].point,
                        mark.left, mark.top, mark.right, mark.bottom);
        }
  }
  // A label's glyph on its own characters (a ring label's text's, a
  // combined band's column's) or, in the window, touching one.
  const double pxX = 1 / std::fabs(canvas.DeviceUnitsPerUserX());
  const double pxY = 1 / std::fabs(canvas.DeviceUnitsPerUserY());
  for (std::size_t a = fixed; a < pointsEnd; ++a) {
    const Label& l = labels[a];
    if (l.texts.size() < 2) continue;
    // Each character with its text.
    std::vector<std::pair<TextBox, std::string>> own;
    if (twoRing) {
      const std::string& text = texts[l.texts[1]].text;
      std::size_t from = 0;
      for (const TextBox& c : CharacterBoxes(canvas, texts[l.texts[1]], l.boxes[1])) {
        std::size_t to = from + 1;
        while (to < text.size() && (static_cast<unsigned char>(text[to]) & 0xC0) == 0x80) ++to;
        own.emplace_back(c, text.substr(from, to - from));
        from = to;
      }
    } else {
      for (std::size_t c = 1; c < l.texts.size(); ++c)
        own.emplace_back(l.boxes[c], texts[l.texts[c]].text);
    }
    const std::string& glyph = texts[l.texts[0]].text;
    // A band's characters as the surface measures their ink, as the fit
    // keeps them clear; a ring's as the glyph font's outlines have it.
    // (`c` the label's c-th text, its glyph the 0th).
    const auto inkOf = [&](std::size_t c) -> std::optional<Canvas::Ink> {
      if (twoRing) return std::nullopt;
      BoxOf(canvas, texts[l.texts[c]]);  // its font
      return canvas.TextInk(texts[l.texts[c]].text);
    };
    const std::optional<Canvas::Ink> glyphInk = inkOf(0);
    for (std::size_t o = 0; o < own.size(); ++o) {
      const auto& [c, text] = own[o];
      if (GlyphOnCharacter(l.boxes.front(), c) ||
          (!printing && GlyphTouchesCharacter(l.boxes.front(), glyph, c, text, pxX, pxY, glyphInk,
                                              inkOf(o + 1)))) {
        ++out.glyphOnOwnLabel;
        if (verbose)
          std::printf(
              "glyph on its own label %d.%d (%.1f %.1f %.1f %.1f) %s (%.1f %.1f %.1f %.1f)\n",
              l.chart, l.point, l.boxes[0].left, l.boxes[0].top, l.boxes[0].right,
              l.boxes[0].bottom, text.c_str(), c.left, c.top, c.right, c.bottom);
        break;
      }
    }
  }
  // One label's characters among another's: a character of one reaching
  // into the room between two successive characters of the other (its
  // glyph, degrees, sign and minutes), so that it stands between them along
  // the row, the column or the slant they step down, by more than a hair (a
  // twentieth of its height).
  const auto among = [](const Label& x, const Label& y) {
    for (std::size_t c = 0; c + 1 < std::min<std::size_t>(x.boxes.size(), 6); ++c)
      for (const TextBox& z : y.boxes)
        if (Between(z, x.boxes[c], x.boxes[c + 1], 0.05 * (z.top - z.bottom))) return true;
    return false;
  };
  if (!twoRing)
    for (std::size_t a = fixed; a < pointsEnd; ++a)
      for (std::size_t b = a + 1; b < pointsEnd; ++b) {
        if (among(labels[a], labels[b]) || among(labels[b], labels[a])) {
          ++n.interleaved;
          if (verbose)
            std::printf("interleaved %d.%d/%d.%d\n", labels[a].chart, labels[a].point,
                        labels[b].chart, labels[b].point);
        }
      }
  // From the size the window opens at up, every character of a label as
  // large as reads there, grown with the window beyond it.
  const DeviceSize opening = WheelOpeningArea(canvas.DotsPerInch());
  if (!printing && canvas.DeviceWidth() >= opening.width &&
      canvas.DeviceHeight() >= opening.height) {
    const double scale = WindowFontScale(canvas.DeviceUnitsPerUserX(), canvas.DotsPerInch());
    for (std::size_t a = fixed; a < pointsEnd; ++a) {
      bool small = false;
      for (const std::size_t c : labels[a].texts)
        small = small || ReadsTooSmall(texts[c], c == labels[a].texts.front(), *in.options,
                                       scale, GrownFromOpening(scale));
      if (small) {
        ++n.unreadable;
        if (verbose) {
          std::printf("unreadable %d.%d:", labels[a].chart, labels[a].point);
          for (const std::size_t c : labels[a].texts)
            std::printf(" %s %.2f px", texts[c].text.c_str(),
                        texts[c].font.points * canvas.DotsPerInch() / 72);
          std::printf("\n");
        }
      }
    }
  }
  // On the window a label keeps a few pixels from the edge.
  const double margin = printing ? 0 : LabelWindowMargin / canvas.DeviceUnitsPerUserX();
  const double right = canvas.ScaleLeft() + canvas.ScaleWidth() - margin;
  const double top = canvas.ScaleTop() * squash - margin;
  const double bottom = (canvas.ScaleTop() + canvas.ScaleHeight()) * squash + margin;
  for (std::size_t a = fixed; a < pointsEnd; ++a)
    for (const TextBox& b : labels[a].boxes)
      if (b.left < canvas.ScaleLeft() + margin || b.right > right || b.top > top ||
          b.bottom < bottom) {
        ++out.outsideWindow;
        if (verbose) std::printf("window %d.%d (%.1f %.1f)\n", labels[a].chart, labels[a].point, b.left, b.top);
      }

  // Bands: the ring's labels wholly outside its circle, among its spokes
  // (200 to 230); the combined arrangement's first chart between its
  // circles 138 and 217, the second between 62 and 138.
  const auto spokeAngles = EqualSpokeAngles();
  const double spokeFrom = twoRing ? WheelRadius : 40, spokeTo = twoRing ? WheelRadius + 30 : 217;
  // The spokes start and end on the circles on every surface.
  const double spokeFactor = SurfaceVerticalFactor(canvas);
  for (std::size_t a = fixed; a < pointsEnd; ++a) {
    const double inner = twoRing ? WheelRadius : labels[a].chart == 1 ? 138 : 62;
    const double outer = twoRing ? 1e9 : labels[a].chart == 1 ? 217 : 138;
    for (const TextBox& box : labels[a].boxes) {
      if (Nearest(box) < inner || Farthest(box) > outer) {
        ++n.circleCrossings;
        if (verbose) {
          std::printf("band %d.%d (%.1f %.1f %.1f %.1f)\n", labels[a].chart, labels[a].point,
                      box.left, box.top, box.right, box.bottom);
          for (const TextBox& b : labels[a].boxes) std::printf("   (%.1f %.1f %.1f %.1f)\n", b.left, b.top, b.right, b.bottom);
        }
      }
      for (double s : spokeAngles) {
        const auto ends = SpokeEnds(s, spokeFrom, spokeTo, spokeFactor * squash);
        if (CrossesSegment(box, ends[0], ends[1])) {
          ++n.spokeCrossings;
          if (verbose)
            std::printf("spoke %.0f %d.%d\n", s, labels[a].chart, labels[a].point);
        }
      }
    }
  }

  // Houses: equal 30-degree sectors from 180 degrees in both arrangements.
  // A point's house is found here from its display value: against the
  // wheel's cusps in the combined arrangement and the one-chart ring, by its
  // 30 degrees on the two-chart ring.
  const bool exchanged = CombinedChartsExchanged(r, *in.options);
  const PointArray<double>& first = exchanged ? r.DualOuterLongitudes : r.Longitudes;
  const PointArray<double>& second = exchanged ? r.Longitudes : r.DualOuterLongitudes;
  const auto houseOf = [&](int chart, int p) {
    const double v = (chart == 1 ? first : second)[std::size_t(p)];
    if (twoRing && !oneChartRing) return int(Mod360(v) / 30) + 1;
    const std::string records =
        PlacePlanetsInHouses(std::string(NumPoints * 10, ' '), chart == 1 ? first : second,
                             r.Cusps, HouseLabels);
    return HouseNumberOfRecord(std::string_view(records).substr(std::size_t(p * 10 - 10), 10));
  };
  // Where the house's spokes run as drawn.
  const auto direction = [](double x, double y) {
    return Norm360(std::atan2(y, x) * 180 / 3.14159265358979);
  };
  const auto spokeDirection = [&](double a) {
    const double rad = a * 3.14159265358979 / 180;
    return direction(std::cos(rad), spokeFactor * squash * std::sin(rad));
  };
  std::array<std::vector<bool>, 3> drawn{std::vector<bool>(NumPoints + 1, false),
                                         std::vector<bool>(NumPoints + 1, false),
                                         std::vector<bool>(NumPoints + 1, false)};
  for (std::size_t a = fixed; a < pointsEnd; ++a) {
    const Label& l = labels[a];
    drawn[std::size_t(l.chart)][std::size_t(l.point)] = true;
    const double nominal = 180.0 + 30 * (houseOf(l.chart, l.point) - 1);
    const double start = spokeDirection(nominal);
    const double width = Norm360(spokeDirection(nominal + 30) - start);
    const auto inHouse = [&](UserPoint c) { return Norm360(direction(c.x, c.y) - start) <= width; };
    // A combined band's label lent to a neighbouring house is led back to
    // its own house's part of the band's outer circle by a line from its
    // glyph, or lines end to end round inside the band, which cross no
    // other label; a two-ring label to its own
    // sector by a line, or lines end to end, from its glyph to just
    // outside the circle and along it there, below the labels (which begin
    // 3.5 units out), clear of the spokes' ends on the circle; a one-chart
    // ring's to its house's sector alike.
    bool led = false;
    const double rim = twoRing ? WheelRadius + 3.5 : l.chart == 1 ? 217 : 138;
    const double rimLow = twoRing ? WheelRadius + 0.5 : rim - 3;
    const auto onRim = [&](UserPoint p) {
      const double reach = std::hypot(p.x, p.y);
      return reach >= rimLow && reach <= rim;
    };
    std::vector<std::array<UserPoint, 2>> pieces;
    for (const CanvasRecord& line : canvas.Lines())
      pieces.push_back(
          {UserPoint{line.a.x, line.a.y * squash}, UserPoint{line.b.x, line.b.y * squash}});
    for (std::size_t i = 0; i < pieces.size() && !led; ++i)
      for (const bool flip : {false, true}) {
        const UserPoint glyphEnd = pieces[i][flip ? 1 : 0];
        UserPoint end = pieces[i][flip ? 0 : 1];
        if (BoxGap(l.boxes.front(), {glyphEnd.x, glyphEnd.y, glyphEnd.x, glyphEnd.y}, 1) >= 0.5 ||
            (twoRing && !onRim(end)))
          continue;
        std::vector<std::array<UserPoint, 2>> chain{{glyphEnd, end}};
        for (std::size_t last = i; !(onRim(end) && inHouse(end)) && chain.size() < pieces.size();) {
          std::size_t next = pieces.size();
          for (std::size_t j = 0; j < pieces.size() && next == pieces.size(); ++j)
            for (const int e : {0, 1})
              if (j != last && std::hypot(pieces[j][e].x - end.x, pieces[j][e].y - end.y) < 1e-6 &&
                  (!twoRing || onRim(pieces[j][1 - e]))) {
                next = j;
                chain.push_back({end, pieces[j][1 - e]});
                end = pieces[j][1 - e];
                break;
              }
          if (next == pieces.size()) break;
          last = next;
        }
        if (!onRim(end) || !inHouse(end)) continue;
        led = true;
        for (const auto& [from, to] : chain)
          for (std::size_t m = 0; m < labels.size(); ++m)
            for (const TextBox& y : labels[m].boxes)
              if (m != a && CrossesSegment(y, from, to)) {
                ++n.overlaps;
                if (verbose)
                  std::printf("leader of %d.%d crosses %d.%d\n", l.chart, l.point, labels[m].chart,
                              labels[m].point);
              }
        break;
      }
    for (const UserPoint& c : l.boxes.front().Corners()) {
      if (!led && !inHouse(c)) {
        ++n.outsideHouse;
        if (verbose) std::printf("house %d.%d at %.1f\n", l.chart, l.point, direction(c.x, c.y));
        break;
      }
    }
  }
  // A label out of its point's house, its glyph's middle in another
  // sector; two houses or more from it, where a reader no longer looks.
  std::array<std::array<int, 13>, 3> own{}, away{};
  for (std::size_t a = fixed; a < pointsEnd; ++a) {
    const Label& l = labels[a];
    const TextBox& g = l.boxes.front();
    const double at = direction((g.left + g.right) / 2, (g.top + g.bottom) / 2);
    const int home = houseOf(l.chart, l.point);
    for (int h = 1; h <= 12 && home > 0; ++h) {
      const double start = spokeDirection(180.0 + 30 * (h - 1));
      if (Norm360(at - start) > Norm360(spokeDirection(180.0 + 30 * h) - start)) continue;
      const int apart = (h - home + 12) % 12;
      ++own[std::size_t(l.chart)][std::size_t(home)];
      away[std::size_t(l.chart)][std::size_t(home)] += apart != 0;
      if (std::min(apart, 12 - apart) >= 2) {
        ++out.dealtAway;
        if (verbose) std::printf("dealt %d.%d from house %d to %d\n", l.chart, l.point, home, h);
      }
      break;
    }
  }
  for (std::size_t chart = 1; chart <= 2; ++chart)
    for (std::size_t h = 1; h <= 12; ++h)
      out.emptied += own[chart][h] > 0 && away[chart][h] == own[chart][h];
  // Leader lines crossing each other: the lines among the labels, after
  // the frame (which ends with the combined wheel's house numbers and with
  // the ring's circle), each leader's pieces drawn end to end.
  if (pointsEnd > fixed) {
    const std::size_t labelTextsEnd = labels[pointsEnd - 1].texts.back() + 1;
    const auto& records = canvas.Records();
    const auto frameEnd = twoRing ? CanvasRecord::Kind::Circle : CanvasRecord::Kind::Text;
    std::vector<std::vector<std::array<UserPoint, 2>>> leaders;
    std::size_t r = 0, textsSeen = 0;
    while (r < records.size() && records[r].kind != frameEnd) ++r;
    for (bool joined = false; r < records.size() && textsSeen < labelTextsEnd; ++r) {
      const CanvasRecord& rec = records[r];
      const UserPoint from{rec.a.x, rec.a.y * squash}, to{rec.b.x, rec.b.y * squash};
      if (rec.kind == CanvasRecord::Kind::Line) {
        if (!joined || leaders.back().back()[1].x != from.x || leaders.back().back()[1].y != from.y)
          leaders.emplace_back();
        leaders.back().push_back({from, to});
      }
      joined = rec.kind == CanvasRecord::Kind::Line;
      textsSeen += rec.kind == CanvasRecord::Kind::Text;
    }
    for (std::size_t i = 0; i < leaders.size(); ++i)
      for (std::size_t j = i + 1; j < leaders.size(); ++j) {
        bool crossed = false;
        for (const auto& x : leaders[i])
          for (const auto& y : leaders[j])
            crossed = crossed || SegmentsCross(x[0], x[1], y[0], y[1]);
        if (crossed) {
          ++out.leadersCrossing;
          if (verbose)
            std::printf("leaders cross (%.1f %.1f) (%.1f %.1f)\n", leaders[i][0][0].x,
                        leaders[i][0][0].y, leaders[j][0][0].x, leaders[j][0][0].y);
        }
      }
  }
  for (int chart = 1; chart <= (oneChartRing ? 1 : 2); ++chart) {
    const bool innerFirst = (chart == 1) != exchanged;
    const bool hasChiron = innerFirst ? r.HasChiron : r.OuterHasChiron;
    const std::string& enabled = chart == 1 ? r.EnabledPoints : r.EnabledOuterPoints;
    for (int p = 1; p <= (hasChiron ? NumPoints : NumPoints - 1); ++p) {
      const bool toggled = p >= ChartPoint::Moon && p <= ChartPoint::MC;
      bool expected = Shown(enabled, p);
      if (oneChartRing)
        expected = expected && !(r.HelioWheel == 1 && toggled);
      else if (twoRing && toggled)
        expected = expected && r.HelioWheel != 1 &&
                   r.DualPointShown[std::size_t(p - ChartPoint::Moon)];
      if (expected && !drawn[std::size_t(chart)][std::size_t(p)]) {
        ++n.notDrawn;
        if (verbose) std::printf("missing %d.%d\n", chart, p);
      }
    }
  }
  return out;
}

// The same on a recording surface `width` by `height` at `dpi`.
inline DualLegibilityCounts CountIllegibleTwoChart(const WheelPaintInputs& in, double width = 800,
                                                   double height = 600, double dpi = 96,
                                                   bool printing = false) {
  RecordingCanvas canvas(width, height, dpi);
  return CountIllegibleTwoChart(in, canvas, printing);
}

// The points of the combined wheel's labels whose degrees read backwards
// on `canvas` as it was last painted: a label reads across the wheel from
// the rim in (glyph, degrees, sign, minutes) or from the centre out (the
// reverse), so where it lies nearer across than up and down, its degrees'
// tens must stand left of their units.
inline std::vector<int> BackwardDegrees(RecordingCanvas& canvas) {
  using namespace dual_detail;
  const auto texts = canvas.Texts();
  std::vector<int> backward;
  for (std::size_t k = 0; k + 5 < texts.size(); ++k) {
    const int point = PointOf(texts[k].text, false);
    if (point == 0) continue;
    std::vector<std::size_t> bold;
    for (std::size_t c = k + 1; c <= k + 5; ++c)
      if (texts[c].font.bold && texts[c].text.size() == 1 &&
          std::isdigit(static_cast<unsigned char>(texts[c].text[0])) != 0)
        bold.push_back(c);
    if (bold.size() != 2) continue;
    // Drawn from the rim in: the tens first when the label reads that way.
    const bool fromRim = texts[k + 1].font.bold;
    const TextBox tens = BoxOf(canvas, texts[fromRim ? bold[0] : bold[1]]);
    const TextBox units = BoxOf(canvas, texts[fromRim ? bold[1] : bold[0]]);
    const double dx = (units.left + units.right - tens.left - tens.right) / 2;
    const double dy = (units.top + units.bottom - tens.top - tens.bottom) / 2;
    if (std::fabs(dx) > std::fabs(dy) && dx < 0) backward.push_back(point);
    k += 5;
  }
  return backward;
}

// The text records of each point label painted on `canvas`, the prepared
// wheel `in`'s: its glyph's, and the one of its own characters beside it
// (the nearest, its degrees' or minutes' first digit or its retrograde
// mark) or a ring label's whole text.
inline std::vector<std::pair<CanvasRecord, CanvasRecord>> GlyphsBesideTheirLabels(
    RecordingCanvas& canvas, const WheelPaintInputs& in) {
  using namespace dual_detail;
  const WheelRequest& r = *in.request;
  const bool twoRing = r.DualWheelShown == 1 || (r.WheelKind == 1 && r.DeclinationSingleWheel != 0);
  const bool helio = r.HelioWheel == 1;
  const auto texts = canvas.Texts();
  // Past the fixed texts before the points, as the counts find them.
  std::size_t k = twoRing ? 0 : std::min<std::size_t>(75, texts.size());
  while (k < texts.size() && PointOf(texts[k].text, helio) == 0) ++k;
  std::vector<std::pair<CanvasRecord, CanvasRecord>> out;
  while (k < texts.size() && PointOf(texts[k].text, helio) != 0) {
    const std::size_t glyph = k++;
    std::size_t end = std::min(texts.size(), k + (twoRing ? 1 : 5));
    if (!twoRing && end < texts.size() && texts[end].text == GlyphText(GlyphCode::RetrogradeMark))
      ++end;
    const TextBox g = BoxOf(canvas, texts[glyph]);
    std::size_t beside = k;
    double nearest = 1e300;
    for (; k < end; ++k) {
      const TextBox c = BoxOf(canvas, texts[k]);
      const double d =
          std::hypot(c.left + c.right - g.left - g.right, c.top + c.bottom - g.top - g.bottom);
      if (d < nearest) nearest = d, beside = k;
    }
    if (beside < end) out.emplace_back(texts[glyph], texts[beside]);
  }
  return out;
}

// The counts as one line.
inline std::string DualCountsText(const DualLegibilityCounts& d) {
  return d.counts.Text() + ", window " + std::to_string(d.outsideWindow) + ", aspects on labels " +
         std::to_string(d.aspectOnGlyph) + ", glyphs on their labels " +
         std::to_string(d.glyphOnOwnLabel);
}

// The counts printed apart, as one line.
inline std::string DealtCountsText(const DualLegibilityCounts& d) {
  return "labels two houses from their points " + std::to_string(d.dealtAway) +
         ", leaders crossing " + std::to_string(d.leadersCrossing);
}

// A surface the two-chart counts are taken on: the window's wheel area or
// a printed page's printable area, in device units at `dpi`.
struct PairSurface {
  double width, height, dpi;
  bool printing;
};

// Counts a prepared two-chart wheel painted on a surface.
using CountPairOn =
    std::function<DualLegibilityCounts(const WheelPaintInputs&, const PairSurface&)>;

// The second chart's box of random pair `k`: every third pair a second
// person, the others transits.
inline SecondPersonBox RandomPairPerson(int k) {
  return k % 3 ? SecondPersonBox{false, "2nd Person"} : SecondPersonBox{true, "John Roe"};
}

// The second chart's box of the random natal charts against transits.
inline SecondPersonBox TransitPairPerson() { return {false, "2nd Person"}; }

// The combined (`kind` TransitsVsNatal) or two-ring wheel of random pair
// `k`: the ordinary or the 66-degree chart (by `k`'s parity) turned by a
// random angle, both charts' points at random longitudes, a sixth of them
// retrograde; every third pair with a second person, the others with
// transits; every point toggle checked. `orbs` holds the wheel's orb file.
inline WheelPaintInputs RandomWheelPair(Workbench& wb, std::mt19937& random, int k,
                                        DualWheelKind kind, std::optional<OrbTable>& orbs) {
  std::uniform_real_distribution<double> degree(0, 360);
  ComputeWheelChart(wb, k % 2 ? WheelChart::Unequal : WheelChart::Ordinary);
  wb.DualChoices.PointShown.fill(true);
  ChartArrays& n = wb.Charts.Natal;
  const double turn = degree(random);
  for (std::size_t c = 1; c <= 12; ++c) n.Cusps[c] = Mod360(n.Cusps[c] + turn);
  for (ChartArrays* chart : {&wb.Charts.Natal, &wb.Charts.Diurnal}) {
    chart->RetroFlags.resize(NumPoints, ' ');
    for (int p = 1; p <= NumPoints; ++p) {
      chart->Longitudes[std::size_t(p)] = degree(random);
      chart->RetroFlags[std::size_t(p - 1)] = degree(random) < 60 ? 'R' : ' ';
    }
  }
  n.Longitudes[std::size_t(ChartPoint::Ascendant)] = n.Cusps[4];
  n.Longitudes[std::size_t(ChartPoint::MC)] = n.Cusps[1];
  n.HousePositions = PlacePlanetsInHouses("", n.Longitudes, n.Cusps, HouseLabels);
  PrepareDualWheelCommand(wb, kind, RandomPairPerson(k));
  WheelPaintInputs in = PaintInputsOf(wb);
  orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
  in.orbs = orbs ? &*orbs : nullptr;
  return in;
}

// The combined or two-ring wheel of a random natal chart against the
// transits of a random moment at the birthplace, both computed as the
// program computes them (so their retrograde marks and crowded signs are
// real): born from 1900 to 2020, transits from 1950 to 2060, within 60
// degrees of the equator; every point toggle checked; with `switched`, its
// charts exchanged by Switch.
inline WheelPaintInputs RandomTransitPair(Workbench& wb, std::mt19937& random, DualWheelKind kind,
                                          std::optional<OrbTable>& orbs, bool switched = false) {
  std::uniform_int_distribution<int> natalYear(1900, 2020), transitYear(1950, 2060), month(1, 12),
      day(1, 28), hour(1, 12), minute(0, 59), pm(0, 1), lonDeg(-179, 179), latDeg(-59, 59);
  ComputeWheelChart(wb, WheelChart::Ordinary);
  wb.DualChoices.PointShown.fill(true);
  int lon = 0, lat = 0;
  const auto moment = [&](int year) {
    return ChartInputFields{std::to_string(month(random)),
                            std::to_string(day(random)),
                            std::to_string(year),
                            std::to_string(hour(random)),
                            std::to_string(minute(random)),
                            std::to_string(lon / 15),
                            std::to_string(std::abs(lon)),
                            std::to_string(minute(random)),
                            std::to_string(std::abs(lat)),
                            std::to_string(minute(random)),
                            "",
                            pm(random) == 1,
                            lon < 0,
                            lat < 0};
  };
  RecordingHost host;
  ChartDriverHooks hooks;
  ChartRequest r;
  do {
    lon = lonDeg(random), lat = latDeg(random);
    r.natal = moment(natalYear(random));
    r.diurnal = moment(transitYear(random));
    r.diurnal.LongMin = r.natal.LongMin, r.diurnal.LatMin = r.natal.LatMin;
  } while (CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true) != 0);
  PrepareDualWheelCommand(wb, kind, TransitPairPerson());
  if (switched) SwitchDualWheel(wb, TransitPairPerson());
  WheelPaintInputs in = PaintInputsOf(wb);
  orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
  in.orbs = orbs ? &*orbs : nullptr;
  return in;
}

// The wheels of `kind` of the random natal charts against transits of the
// pair counts whose numbers are in `only` (in rising order), each given to
// `check` with its number: the pairs draw from one stream in turn. With
// `switched`, after Switch.
inline void ForRandomTransitPairs(DualWheelKind kind, std::span<const int> only,
                                  const std::function<void(int, const WheelPaintInputs&)>& check,
                                  bool switched = false) {
  std::mt19937 random(2026);
  for (int k = 0; k <= only.back(); ++k) {
    Workbench wb;
    std::optional<OrbTable> orbs;
    const WheelPaintInputs in = RandomTransitPair(wb, random, kind, orbs, switched);
    if (std::find(only.begin(), only.end(), k) != only.end()) check(k, in);
  }
}

// The window surfaces and printed pages of the single wheel's counts.
inline std::vector<PairSurface> PairSurfaces() {
  std::vector<PairSurface> all;
  for (const DeviceSize s : LegibilitySurfaces())
    all.push_back({double(s.width), double(s.height), 96, false});
  for (const DeviceSize page : PrintedPages())
    all.push_back({double(page.width), double(page.height), 96, true});
  return all;
}

// The painted wheels' lines of `sum`, where they were painted.
inline void PrintPaintedInk(const DualLegibilityCounts& sum) {
  if (sum.inkPainted == 0) return;
  std::printf("  painted, a glyph's pixel on its label's next character: %d of %d\n",
              sum.inkOverlap, sum.inkPainted);
  std::printf("  painted, no clear pixel between them: %d of %d\n", sum.inkTouching,
              sum.inkPainted);
}

// Prints the sums of the counts over `pairs` random pairs on each of
// `surfaces`, combined and two-ring; then over as many random natal charts
// against transits, combined, after Switch and two-ring.
inline void PrintRandomPairCounts(int pairs, const std::vector<PairSurface>& surfaces,
                                  const CountPairOn& count) {
  for (const bool transits : {false, true})
    for (const PairSurface& s : surfaces)
      for (const auto& [kind, switched] : {std::pair{DualWheelKind::TransitsVsNatal, false},
                                           std::pair{DualWheelKind::TransitsVsNatal, true},
                                           std::pair{DualWheelKind::Display, false}}) {
        // The random pairs' second charts have no houses of their own to
        // switch to.
        if (switched && !transits) continue;
        std::mt19937 random(transits ? 2026 : 1976);
        DualLegibilityCounts sum;
        int clean = 0;
        for (int k = 0; k < pairs; ++k) {
          Workbench wb;
          std::optional<OrbTable> orbs;
          const DualLegibilityCounts c =
              count(transits ? RandomTransitPair(wb, random, kind, orbs, switched)
                             : RandomWheelPair(wb, random, k, kind, orbs),
                    s);
          sum += c;
          clean += c.Total() + c.counts.unreadable == 0;
          if (c.Total() + c.counts.unreadable > 0 && std::getenv("ORVANTA_LEGIBILITY_VERBOSE"))
            std::printf("%s %d\n", transits ? "transits" : "pair", k);
        }
        const std::string where = std::string(kind == DualWheelKind::Display ? "two-ring"
                                              : switched                     ? "switched"
                                                                             : "combined") +
                                  (transits ? " transits" : "") +
                                  (s.printing ? " page " : " window ");
        std::printf("%s%.0fx%.0f %.0f dpi: %d of %d clean; %s\n", where.c_str(), s.width, s.height,
                    s.dpi, clean, pairs, DualCountsText(sum).c_str());
        PrintPaintedInk(sum);
        std::printf("%s%.0fx%.0f %.0f dpi, dealt: %s\n", where.c_str(), s.width, s.height, s.dpi,
                    DealtCountsText(sum).c_str());
      }
}

// Prints the sums of the counts over `charts` random one-chart rings,
// declinations (within 27 degrees) and helio latitudes (within 8), in the
// window and on paper. A ring is clean with none of its labels unreadable
// either.
inline void PrintRandomOneChartRingCounts(int charts, const CountPairOn& count) {
  const DeviceSize least = LegibleWheelArea(96);
  const PairSurface surfaces[] = {{800, 600, 96, false},
                                  {800, 600, 120, false},
                                  {double(least.width), double(least.height), 96, false},
                                  {1600, 1000, 96, false},
                                  {816, 1056, 96, true},
                                  {794, 1123, 96, true}};
  for (const auto& [kindName, kind] :
       {std::pair{"declinations", SingleWheelKind::Declinations},
        std::pair{"helio latitudes", SingleWheelKind::HelioLatitudes}})
    for (const PairSurface& s : surfaces) {
      std::mt19937 random(1990);
      std::uniform_real_distribution<double> declination(-27, 27), latitude(-8, 8);
      DualLegibilityCounts sum;
      int clean = 0;
      for (int k = 0; k < charts; ++k) {
        Workbench wb;
        ComputeWheelChart(wb, k % 2 ? WheelChart::Unequal : WheelChart::Ordinary);
        for (int p = 1; p <= NumPoints; ++p) {
          wb.Charts.Natal.Declinations[std::size_t(p)] = declination(random);
          wb.Charts.Natal.HelioLatitudes[std::size_t(p)] = latitude(random);
        }
        RecordingHost host;
        PrepareSingleWheel(wb, kind, {}, host);
        const DualLegibilityCounts c = count(PaintInputsOf(wb), s);
        sum += c;
        clean += c.Total() + c.counts.unreadable == 0;
        if (c.Total() + c.counts.unreadable > 0 && std::getenv("ORVANTA_LEGIBILITY_VERBOSE"))
          std::printf("ring %d\n", k);
      }
      std::printf("%s %s %.0fx%.0f %.0f dpi: %d of %d clean; %s\n", kindName,
                  s.printing ? "page" : "window", s.width, s.height, s.dpi, clean, charts,
                  DualCountsText(sum).c_str());
      PrintPaintedInk(sum);
      std::printf("%s %s %.0fx%.0f %.0f dpi, dealt: %s\n", kindName, s.printing ? "page" : "window",
                  s.width, s.height, s.dpi, DealtCountsText(sum).c_str());
    }
}

// Natal charts whose houses crowd with a second person's points (born 3
// February 1904, 6.15 A.M. in London) in the combined and two-ring wheels,
// the combined one also with its charts switched: a noon chart of 10
// September 1960 in New York, one of 14 March 1987, 3.42 P.M. in Lisbon
// (four of his points in her 5th house) and the Aquarius stellium of 5
// February 1962 in Delhi. One line for each that does not read cleanly at
// every window size and on both printed pages, aspect lines drawn.
inline std::vector<std::string> IllegibleSecondPersonPairs(const CountPairOn& count) {
  const ChartInputFields person{"2",  "3",  "1904", "6", "15",  "0",   "0",
                                "07", "51", "30",   "",  false, false, false};
  const std::pair<const char*, ChartInputFields> natals[] = {
      {"1960", {"9", "10", "1960", "12", "0", "4", "73", "59", "40", "43", "", true, false, false}},
      {"1987", {"3", "14", "1987", "3", "42", "0", "9", "08", "38", "43", "", true, false, false}},
      {"1962",
       {"2", "5", "1962", "3", "30", "-5.5", "77", "13", "28", "37", "", true, true, false}}};
  const SecondPersonBox box{true, "Arthur Pendleton"};
  std::vector<std::string> failures;
  for (const auto& [name, natal] : natals)
    for (const auto& [kindName, kind, switched] :
         {std::tuple{"combined", DualWheelKind::TransitsVsNatal, false},
          std::tuple{"combined switched", DualWheelKind::TransitsVsNatal, true},
          std::tuple{"two-ring", DualWheelKind::Display, false}}) {
      const std::string what = std::string(name) + " " + kindName;
      Workbench wb;
      ComputeWheelChart(wb, WheelChart::Ordinary);
      RecordingHost host;
      ChartDriverHooks hooks;
      ChartRequest r;
      r.natal = natal;
      r.diurnal = person;
      r.secondPerson = true;
      if (CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true) != 0) {
        failures.push_back(std::string(name) + ": not computed");
        continue;
      }
      PrepareDualWheelCommand(wb, kind, box);
      if (switched) SwitchDualWheel(wb, box);
      WheelPaintInputs in = PaintInputsOf(wb);
      const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
      in.orbs = orbs ? &*orbs : nullptr;
      for (const PairSurface& s : PairSurfaces())
        if (const DualLegibilityCounts c = count(in, s); c.Total() + c.counts.unreadable != 0)
          failures.push_back(what + (s.printing ? " on the page " : " at ") +
                             std::to_string(int(s.width)) + "x" + std::to_string(int(s.height)) +
                             ": " + DualCountsText(c));
    }
  return failures;
}

}  // namespace orv::test
