#pragma once
// Counts what makes a painted two-chart wheel, or a one-chart wheel drawn
// as a ring (declinations, helio latitudes), hard or wrong to read, from the
// recording surface, in both arrangements and for both charts: label boxes
// that overlap (each other, the ring's sign glyphs, the cusp labels, the
// house numbers or the header), labels that cross or leave their band's
// circles or cross a spoke, glyphs outside their own house, points not drawn
// and labels beyond the window's edges or within a few pixels of them. Where
// aspect lines are drawn: a line or an aspect mark touching a planet glyph,
// or a mark on any character of a label; and, in the combined arrangement,
// two labels whose characters interleave, so that one label's digits read
// as another's.

#include <string_view>

#include "WheelLegibility.h"
#include "core/FixedTables.h"
#include "wheels/DualWheelInputs.h"

namespace orv::test {

// The least room, in pixels, between a label and the window's edge.
inline constexpr double LabelWindowMargin = 3;

struct DualLegibilityCounts {
  LegibilityCounts counts;
  int outsideWindow = 0;
  int aspectOnGlyph = 0;
  int Total() const { return counts.Total() + outsideWindow + aspectOnGlyph; }
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

// One label: its boxes, its chart (0 none, 1 or 2) and point.
struct Label {
  std::vector<TextBox> boxes;
  int chart = 0, point = 0;
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
    for (; k < 15 && k < texts.size(); ++k) labels.push_back({{box(texts[k])}});
    for (; k < 75 && k < texts.size(); k += 5) {
      labels.emplace_back();
      for (std::size_t c = k; c < k + 5; ++c) labels.back().boxes.push_back(box(texts[c]));
    }
  }
  for (; k < texts.size() && PointOf(texts[k].text, helio) == 0; ++k)
    labels.push_back({{box(texts[k])}});
  const std::size_t fixed = labels.size();
  while (k < texts.size() && PointOf(texts[k].text, helio) != 0) {
    Label l;
    l.point = PointOf(texts[k].text, helio);
    l.chart = twoRing ? (texts[k].color == QBColor(9) ? 1 : 2) : (texts[k].color == red ? 2 : 1);
    const std::size_t characters = twoRing ? 2 : 6;
    for (std::size_t c = k; c < k + characters && c < texts.size(); ++c)
      l.boxes.push_back(box(texts[c]));
    k += characters;
    if (!twoRing && k < texts.size() && texts[k].text == GlyphText(GlyphCode::RetrogradeMark))
      l.boxes.push_back(box(texts[k++]));
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
      labels.push_back({{box(texts[k])}});

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
    const TextBox& glyph = labels[a].boxes.front();
    for (const auto& line : lines)
      if (SegmentMeetsBox(line[0], line[1], glyph)) {
        ++out.aspectOnGlyph;
        if (verbose) std::printf("line on glyph %d.%d\n", labels[a].chart, labels[a].point);
      }
    for (const TextBox& mark : marks)
      for (const TextBox& b : labels[a].boxes)
        if (mark.Overlaps(b)) {
          ++out.aspectOnGlyph;
          if (verbose) std::printf("mark on %d.%d\n", labels[a].chart, labels[a].point);
        }
  }
  // One label's characters among another's: a character of one reaching
  // into the box that spans two successive characters of the other (its
  // glyph, degrees, sign and minutes), so that it stands between them along
  // the row or the column they step down, by more than a hair (a twentieth
  // of its height).
  const auto among = [](const Label& x, const Label& y) {
    for (std::size_t c = 0; c + 1 < std::min<std::size_t>(x.boxes.size(), 6); ++c) {
      const TextBox& u = x.boxes[c];
      const TextBox& v = x.boxes[c + 1];
      for (const TextBox& z : y.boxes) {
        const double hair = 0.05 * (z.top - z.bottom);
        const TextBox hull{std::min(u.left, v.left) + hair, std::max(u.top, v.top) - hair,
                           std::max(u.right, v.right) - hair, std::min(u.bottom, v.bottom) + hair};
        if (z.Overlaps(hull)) return true;
      }
    }
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
    for (const UserPoint& c : l.boxes.front().Corners()) {
      if (Norm360(direction(c.x, c.y) - start) > width) {
        ++n.outsideHouse;
        if (verbose) std::printf("house %d.%d at %.1f\n", l.chart, l.point, direction(c.x, c.y));
        break;
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

}  // namespace orv::test
