#pragma once
// Counts what makes a painted single wheel hard or wrong to read, from the
// recording surface: label boxes that overlap, labels that cross a circle or
// a spoke, glyphs outside their own house and points not drawn.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "RecordingCanvas.h"
#include "core/Angles.h"
#include "core/HousePlacement.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv::test {

struct LegibilityCounts {
  int overlaps = 0, circleCrossings = 0, spokeCrossings = 0, outsideHouse = 0, notDrawn = 0;
  int Total() const { return overlaps + circleCrossings + spokeCrossings + outsideHouse + notDrawn; }
};

struct TextBox {
  double left, top, right, bottom;
  bool Overlaps(const TextBox& o) const {
    constexpr double e = 0.01;
    return left + e < o.right && o.left + e < right && bottom + e < o.top && o.bottom + e < top;
  }
  bool Contains(UserPoint p) const {
    return p.x > left && p.x < right && p.y > bottom && p.y < top;
  }
  std::array<UserPoint, 4> Corners() const {
    return {{{left, top}, {right, top}, {left, bottom}, {right, bottom}}};
  }
};

inline TextBox BoxOf(RecordingCanvas& canvas, const CanvasRecord& t) {
  canvas.SetFontName(t.font.family);
  canvas.SetFontSize(t.font.points);
  canvas.SetFontBold(t.font.bold);
  return {t.a.x, t.a.y, t.a.x + canvas.TextWidth(t.text), t.a.y - canvas.TextHeight(t.text)};
}

inline bool CrossesCircle(const TextBox& b, double r) {
  const double nx = std::clamp(0.0, b.left, b.right), ny = std::clamp(0.0, b.bottom, b.top);
  double far = 0;
  for (const UserPoint& c : b.Corners()) far = std::max(far, std::hypot(c.x, c.y));
  return std::hypot(nx, ny) < r && r < far;
}

inline bool CrossesSegment(const TextBox& b, UserPoint p, UserPoint q) {
  for (int k = 0; k <= 400; ++k) {
    const double t = k / 400.0;
    if (b.Contains({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)})) return true;
  }
  return false;
}

// The window paint of the prepared single wheel on an 800 by 600 surface.
inline LegibilityCounts CountIllegible(const WheelPaintInputs& in) {
  RecordingCanvas canvas(800, 600, 96);
  PaintWheelWindow(canvas, in, StartScaleFor(800, 600).value_or(300));
  const WheelRequest& r = *in.request;
  const auto texts = canvas.Texts();
  // Labels: the twelve cusp labels of five characters, each intercepted sign,
  // each point's glyph with its six characters and its retrograde mark.
  std::vector<std::vector<TextBox>> labels;
  std::vector<int> labelPoint;
  const auto pointOf = [&](const std::string& text) {
    for (int p = 1; p <= NumPoints; ++p)
      if (text == GlyphText(GlyphCode::PointBase + p)) return p;
    return text == GlyphText(GlyphCode::Earth) ? int(ChartPoint::Sun) : 0;
  };
  std::size_t k = 0;
  for (; k < 60 && k < texts.size(); k += 5) {
    labels.emplace_back();
    labelPoint.push_back(0);
    for (std::size_t c = k; c < k + 5; ++c) labels.back().push_back(BoxOf(canvas, texts[c]));
  }
  for (; k < texts.size() && pointOf(texts[k].text) == 0; ++k) {
    labels.push_back({BoxOf(canvas, texts[k])});
    labelPoint.push_back(0);
  }
  while (k < texts.size() && pointOf(texts[k].text) != 0) {
    labels.emplace_back();
    labelPoint.push_back(pointOf(texts[k].text));
    for (std::size_t c = k; c < k + 6 && c < texts.size(); ++c)
      labels.back().push_back(BoxOf(canvas, texts[c]));
    k += 6;
    if (k < texts.size() && texts[k].text == GlyphText(GlyphCode::RetrogradeMark))
      labels.back().push_back(BoxOf(canvas, texts[k++]));
  }
  LegibilityCounts n;
  const bool verbose = std::getenv("ORVANTA_LEGIBILITY_VERBOSE") != nullptr;
  for (std::size_t a = 0; a < labels.size(); ++a)
    for (std::size_t b = a + 1; b < labels.size(); ++b)
      for (const TextBox& x : labels[a])
        for (const TextBox& y : labels[b])
          if (x.Overlaps(y)) {
            ++n.overlaps;
            if (verbose)
              std::printf("overlap %d/%d (%.1f %.1f %.1f %.1f) (%.1f %.1f %.1f %.1f)\n",
                          labelPoint[a], labelPoint[b], x.left, x.top, x.right, x.bottom,
                          y.left, y.top, y.right, y.bottom);
          }
  const bool european = in.typeChart == 1 && r.WheelKind == 1;
  const auto spokes = SingleFrameSpokeAngles(european ? 1 : 0, r.Cusps);
  for (std::size_t l = 0; l < labels.size(); ++l)
    for (const TextBox& box : labels[l]) {
      if (CrossesCircle(box, 217) || CrossesCircle(box, 120)) {
        ++n.circleCrossings;
        if (verbose)
          std::printf("circle (%.1f %.1f %.1f %.1f)\n", box.left, box.top, box.right, box.bottom);
      }
      for (double s : spokes) {
        const auto ends = SpokeEnds(s, 120, 217, WindowVerticalFactor);
        if (CrossesSegment(box, ends[0], ends[1])) {
          ++n.spokeCrossings;
          if (verbose)
            std::printf("spoke %.1f label %zu point %d (%.1f %.1f %.1f %.1f)\n", s, l,
                        labelPoint[l], box.left, box.top, box.right, box.bottom);
        }
      }
    }
  std::vector<bool> drawn(NumPoints + 1, false);
  for (std::size_t l = 0; l < labels.size(); ++l) {
    const int p = labelPoint[l];
    if (p == 0) continue;
    drawn[std::size_t(p)] = true;
    const int h = HouseNumberOfRecord(
        std::string_view(r.HousePositions).substr(std::size_t(p * 10 - 10), 10));
    const double start = european ? spokes[std::size_t(h - 1)] : Norm360(180.0 + 30 * (h - 1));
    const double end = european ? spokes[std::size_t(h % 12)] : Norm360(start + 30);
    const double width = Norm360(end - start);
    for (const UserPoint& c : labels[l].front().Corners()) {
      const double a = Norm360(std::atan2(c.y, c.x) * 180 / 3.14159265358979);
      if (Norm360(a - start) > width) {
        ++n.outsideHouse;
        break;
      }
    }
  }
  const int last = r.HasChiron ? NumPoints : NumPoints - 1;
  for (int p = 1; p <= last; ++p) {
    const bool enabled = std::size_t(p - 1) >= r.EnabledPoints.size() ||
                         r.EnabledPoints[std::size_t(p - 1)] != '0';
    const bool helioDropped = r.HelioWheel == 1 && p >= ChartPoint::Moon && p <= ChartPoint::MC;
    if (enabled && !helioDropped && !drawn[std::size_t(p)]) ++n.notDrawn;
  }
  return n;
}

}  // namespace orv::test
