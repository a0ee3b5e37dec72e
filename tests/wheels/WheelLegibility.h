#pragma once
// Counts what makes a painted single wheel hard or wrong to read, from the
// recording surface: label boxes that overlap, labels that cross a circle or
// a spoke, glyphs outside their own house (unless led back to it by a line)
// and points not drawn; and what
// makes it hard to read at a glance: two labels of a house so near that
// their characters run together, a retrograde mark nearer another label than
// its own glyph and degrees, a point label drawn too small to read, two
// labels of a house whose glyphs stand in the other order than their
// longitudes, or side by side (a degree apart at most), so that the
// house cannot be read along in zodiac order; and, in a window at least as
// large as the one the wheel opens in, a label drawn smaller than a glyph
// and its digits read on a 96 dpi screen, grown with the window from there.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "RecordingCanvas.h"
#include "WheelTestCharts.h"
#include "commands/WheelCommands.h"
#include "core/Angles.h"
#include "core/HousePlacement.h"
#include "core/OptionNumbers.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv::test {

struct LegibilityCounts {
  int overlaps = 0, circleCrossings = 0, spokeCrossings = 0, outsideHouse = 0, notDrawn = 0;
  int interleaved = 0, retroAstray = 0, undersized = 0, misordered = 0, unreadable = 0;
  // Labels out of order and unreadable are counted apart: a house packed
  // with more points than it and its neighbours hold at a size that reads
  // keeps them in pairs and smaller.
  int Total() const {
    return overlaps + circleCrossings + spokeCrossings + outsideHouse + notDrawn + interleaved +
           retroAstray + undersized;
  }
  LegibilityCounts& operator+=(const LegibilityCounts& o) {
    overlaps += o.overlaps;
    circleCrossings += o.circleCrossings;
    spokeCrossings += o.spokeCrossings;
    outsideHouse += o.outsideHouse;
    notDrawn += o.notDrawn;
    interleaved += o.interleaved;
    retroAstray += o.retroAstray;
    undersized += o.undersized;
    misordered += o.misordered;
    unreadable += o.unreadable;
    return *this;
  }
  std::string Text() const {
    return "overlaps " + std::to_string(overlaps) + ", circles " + std::to_string(circleCrossings) +
           ", spokes " + std::to_string(spokeCrossings) + ", outside " +
           std::to_string(outsideHouse) + ", missing " + std::to_string(notDrawn) +
           ", interleaved " + std::to_string(interleaved) + ", retrograde astray " +
           std::to_string(retroAstray) + ", undersized " + std::to_string(undersized) +
           ", out of order " + std::to_string(misordered) + ", unreadable " +
           std::to_string(unreadable);
  }
};

// The wheel areas the counts are taken at (96 dpi): the smallest the window
// allows, as it opens, tall, wide and maximised.
inline std::vector<DeviceSize> LegibilitySurfaces() {
  const DeviceSize least = LegibleWheelArea(96);
  return {least, WheelOpeningArea(96), {least.width, 900}, {1600, least.height}, {1600, 1000}};
}

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

// The true distance between two boxes (0 when they touch), `squash` as
// below.
inline double BoxGap(const TextBox& a, const TextBox& b, double squash) {
  const double dx = std::max({0.0, a.left - b.right, b.left - a.right});
  const double dy = std::max({0.0, a.bottom - b.top, b.bottom - a.top});
  return std::hypot(dx, squash * dy);
}

// Two labels of one house nearer than this share of a character's height run
// together: the eye reads across from one to the other. A retrograde mark
// belongs to its label when it is nearer its glyph or degrees than any other
// label's characters by this share too.
inline constexpr double kLabelGapShare = 0.25;
// A point label drawn below this share of its font size cannot be read.
inline constexpr double kLegibleShare = 0.5;
// The least height, in pixels of a 96 dpi screen, at which a point's glyph
// reads, and the share of its em the glyph font's symbols and digits fill;
// its degrees, sign and minutes read down to the same share of their option
// sizes.
inline constexpr double kLeastReadableGlyphPx = 9;
inline constexpr double kInkShareOfEm = 1500.0 / 2048;

// The option that sizes a character of a point label: its glyph, its
// degrees (bold digits, or a ring label's degree text), its sign, its
// minutes or its retrograde mark.
inline int LabelCharacterOption(const CanvasRecord& t, bool glyph) {
  if (glyph) return OptionNumber::WheelPlanetFontSize;
  if (t.text == GlyphText(GlyphCode::RetrogradeMark)) return OptionNumber::WheelRetroFontSize;
  const bool digit = !t.text.empty() && t.text[0] >= '0' && t.text[0] <= '9';
  if (digit && t.text.size() > 1) return OptionNumber::WheelPlanetDegreeFontSize;
  if (digit)
    return t.font.bold ? OptionNumber::WheelPlanetDegreeFontSize
                       : OptionNumber::WheelPlanetMinuteFontSize;
  return OptionNumber::WheelPlanetSignFontSize;
}

// Whether a character of a point label drawn in a window of font scale
// `scale` is smaller than a glyph reads on a 96 dpi screen, or than its
// degrees, sign and minutes in the same share of their option sizes; that
// least size `grown` times where the window is larger than it opens.
inline bool ReadsTooSmall(const CanvasRecord& t, bool glyph, const OptionValues& o, double scale,
                          double grown = 1) {
  const int option = LabelCharacterOption(t, glyph);
  const double share = o[option] / o[OptionNumber::WheelPlanetFontSize];
  // Option sizes chosen smaller than that are the user's to choose.
  const double least =
      std::min(kLeastReadableGlyphPx / kInkShareOfEm * 72 / 96 * share * grown, o[option] * scale);
  return t.font.points < least - 1e-6;
}

// How many times larger than in the window as it opens (at 96 dpi) a
// window of font scale `scale` draws: in a larger window every label grows
// with the wheel from its least size at the opening size, as its neighbours
// do.
inline double GrownFromOpening(double scale) {
  const DeviceSize opening = WheelOpeningArea(96);
  const auto edges = WindowScaleEdges(StartScaleFor(opening.width, opening.height).value_or(300),
                                      double(opening.height) / opening.width);
  return scale / WindowFontScale(opening.width / (edges.right - edges.left), 96);
}

inline TextBox BoxOf(RecordingCanvas& canvas, const CanvasRecord& t) {
  canvas.SetFontName(t.font.family);
  canvas.SetFontSize(t.font.points);
  canvas.SetFontBold(t.font.bold);
  return {t.a.x, t.a.y, t.a.x + canvas.TextWidth(t.text), t.a.y - canvas.TextHeight(t.text)};
}

// `squash`: how much taller a user unit is than wide on the surface, where
// circles are round.
inline bool CrossesCircle(const TextBox& b, double r, double squash) {
  const double nx = std::clamp(0.0, b.left, b.right), ny = std::clamp(0.0, b.bottom, b.top);
  double far = 0;
  for (const UserPoint& c : b.Corners()) far = std::max(far, std::hypot(c.x, squash * c.y));
  return std::hypot(nx, squash * ny) < r && r < far;
}

inline bool CrossesSegment(const TextBox& b, UserPoint p, UserPoint q) {
  for (int k = 0; k <= 400; ++k) {
    const double t = k / 400.0;
    if (b.Contains({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)})) return true;
  }
  return false;
}

// The counts of a single wheel painted on `canvas`, the window's paint or
// the printed page's (`printing`); a label off the surface counts as one
// crossing a circle.
inline LegibilityCounts CountRecorded(const WheelPaintInputs& in, RecordingCanvas& canvas,
                                      bool printing) {
  canvas.SetFontScale(1);  // the records hold the sizes drawn
  const double squash = canvas.DeviceUnitsPerUserY() / canvas.DeviceUnitsPerUserX();
  const double verticalFactor = SurfaceVerticalFactor(canvas);
  const WheelRequest& r = *in.request;
  const auto texts = canvas.Texts();
  // Labels: the twelve cusp labels of five characters, each intercepted sign,
  // each point's glyph with its six characters and its retrograde mark.
  std::vector<std::vector<TextBox>> labels;
  std::vector<int> labelPoint;
  std::vector<std::vector<std::size_t>> labelTexts;  // a point label's records
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
  labelTexts.resize(labels.size());
  while (k < texts.size() && pointOf(texts[k].text) != 0) {
    labels.emplace_back();
    labelPoint.push_back(pointOf(texts[k].text));
    labelTexts.emplace_back();
    for (std::size_t c = k; c < k + 6 && c < texts.size(); ++c) {
      labels.back().push_back(BoxOf(canvas, texts[c]));
      labelTexts.back().push_back(c);
    }
    k += 6;
    if (k < texts.size() && texts[k].text == GlyphText(GlyphCode::RetrogradeMark)) {
      labelTexts.back().push_back(k);
      labels.back().push_back(BoxOf(canvas, texts[k++]));
    }
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
                          labelPoint[a], labelPoint[b], x.left, x.top, x.right, x.bottom, y.left,
                          y.top, y.right, y.bottom);
          }
  const auto houseOf = [&](int p) {
    return HouseNumberOfRecord(
        std::string_view(r.HousePositions).substr(std::size_t(p * 10 - 10), 10));
  };
  const auto height = [&](const TextBox& b) { return squash * (b.top - b.bottom); };
  for (std::size_t a = 0; a < labels.size(); ++a)
    for (std::size_t b = a + 1; b < labels.size(); ++b) {
      if (labelPoint[a] == 0 || labelPoint[b] == 0 ||
          houseOf(labelPoint[a]) != houseOf(labelPoint[b]))
        continue;
      bool near = false;
      for (const TextBox& x : labels[a])
        for (const TextBox& y : labels[b])
          near = near || BoxGap(x, y, squash) < kLabelGapShare * std::min(height(x), height(y));
      if (near) {
        ++n.interleaved;
        if (verbose) std::printf("interleaved %d/%d\n", labelPoint[a], labelPoint[b]);
      }
    }
  const auto glyphAngle = [&](std::size_t l) {
    const TextBox& g = labels[l].front();
    return std::atan2(squash * (g.top + g.bottom) / 2, (g.left + g.right) / 2) * 180 /
           3.14159265358979;
  };
  for (std::size_t a = 0; a < labels.size(); ++a)
    for (std::size_t b = a + 1; b < labels.size(); ++b) {
      const int pa = labelPoint[a], pb = labelPoint[b];
      if (pa == 0 || pb == 0 || houseOf(pa) != houseOf(pb)) continue;
      const double cusp = r.Cusps[std::size_t(CuspIndexOfHouse(houseOf(pa)))];
      // A point on its cusp (a hair before it, as stored) is at its start.
      const auto offset = [&](int p) {
        const double d = Norm360(r.Longitudes[std::size_t(p)] - cusp);
        return d > 360 - 1e-6 ? 0 : d;
      };
      const double along = offset(pb) - offset(pa);
      const double drawn = std::remainder(glyphAngle(b) - glyphAngle(a), 360.0);
      if (along != 0 && (along * drawn < 0 || std::fabs(drawn) <= 1)) {
        ++n.misordered;
        if (verbose) std::printf("out of order %d/%d: %.2f apart\n", pa, pb, drawn);
      }
    }
  for (std::size_t l = 0; l < labels.size(); ++l) {
    if (labelPoint[l] == 0 || labels[l].size() < 7) continue;
    const TextBox& mark = labels[l][6];
    // Its own glyph and degree digits.
    double own = 1e9, other = 1e9;
    for (std::size_t c = 0; c < 3; ++c) own = std::min(own, BoxGap(mark, labels[l][c], squash));
    for (std::size_t m = 0; m < labels.size(); ++m)
      if (m != l)
        for (const TextBox& y : labels[m]) other = std::min(other, BoxGap(mark, y, squash));
    if (other < own + kLabelGapShare * height(mark)) {
      ++n.retroAstray;
      if (verbose)
        std::printf("retrograde of %d: own %.2f other %.2f\n", labelPoint[l], own, other);
    }
  }
  {
    const double scale =
        printing ? 1 : WindowFontScale(canvas.DeviceUnitsPerUserX(), canvas.DotsPerInch());
    const double glyphPoints = (*in.options)[OptionNumber::WheelPlanetFontSize] * scale;
    for (const CanvasRecord& rec : texts)
      if (pointOf(rec.text) != 0 && rec.font.points < kLegibleShare * glyphPoints - 1e-6) {
        ++n.undersized;
        if (verbose) std::printf("undersized: %.2f of %.2f points\n", rec.font.points, glyphPoints);
      }
    const DeviceSize opening = WheelOpeningArea(96);
    const bool atOpeningOrLarger = !printing && canvas.DeviceWidth() >= opening.width &&
                                   canvas.DeviceHeight() >= opening.height;
    const double grown = atOpeningOrLarger ? GrownFromOpening(scale) : 1.0;
    for (std::size_t l = 0; atOpeningOrLarger && l < labels.size(); ++l) {
      bool small = false;
      for (const std::size_t c : labelTexts[l])
        small = small ||
                ReadsTooSmall(texts[c], pointOf(texts[c].text) != 0, *in.options, scale, grown);
      if (small) {
        ++n.unreadable;
        if (verbose)
          std::printf("unreadable: point %d glyph at %.2f px\n", labelPoint[l],
                      texts[labelTexts[l].front()].font.points * 96 / 72);
      }
    }
  }
  const bool european = in.typeChart == 1 && r.WheelKind == 1;
  const auto spokes = SingleFrameSpokeAngles(european ? 1 : 0, r.Cusps);
  for (std::size_t l = 0; l < labels.size(); ++l)
    for (const TextBox& box : labels[l]) {
      const bool offPage =
          (box.left < canvas.ScaleLeft() || box.right > canvas.ScaleLeft() + canvas.ScaleWidth() ||
           box.top > canvas.ScaleTop() || box.bottom < canvas.ScaleTop() + canvas.ScaleHeight());
      if (CrossesCircle(box, 217, squash) || CrossesCircle(box, 120, squash) || offPage) {
        ++n.circleCrossings;
        if (verbose)
          std::printf("circle (%.1f %.1f %.1f %.1f)\n", box.left, box.top, box.right, box.bottom);
      }
      for (double s : spokes) {
        const auto ends = SpokeEnds(s, 120, 217, verticalFactor);
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
    const int h = houseOf(p);
    // The house between its spokes as drawn.
    const auto asDrawn = [&](double spoke) {
      const auto ends = SpokeEnds(spoke, 1, 1, verticalFactor);
      return Norm360(std::atan2(squash * ends[0].y, ends[0].x) * 180 / 3.14159265358979);
    };
    const double nominal = european ? spokes[std::size_t(h - 1)] : Norm360(180.0 + 30 * (h - 1));
    const double start = asDrawn(nominal);
    const double end = asDrawn(european ? spokes[std::size_t(h % 12)] : Norm360(nominal + 30));
    const double width = Norm360(end - start);
    const auto inHouse = [&](UserPoint c) {
      return Norm360(std::atan2(squash * c.y, c.x) * 180 / 3.14159265358979 - start) <= width;
    };
    // A label moved out of a house too narrow for it is led back to its place
    // on the rim by a line from its glyph, which crosses no other label.
    bool led = false;
    for (const CanvasRecord& line : canvas.Lines())
      for (const auto& [glyphEnd, rimEnd] : {std::pair{line.a, line.b}, std::pair{line.b, line.a}})
        if (BoxGap(labels[l].front(), {glyphEnd.x, glyphEnd.y, glyphEnd.x, glyphEnd.y}, squash) <
                0.5 &&
            std::hypot(rimEnd.x, squash * rimEnd.y) > 200 && inHouse(rimEnd)) {
          led = true;
          for (std::size_t m = 0; m < labels.size(); ++m)
            for (const TextBox& y : labels[m])
              if (m != l && CrossesSegment(y, glyphEnd, rimEnd)) {
                ++n.overlaps;
                if (verbose)
                  std::printf("leader of %d crosses %d (%.1f %.1f %.1f %.1f)\n", p, labelPoint[m],
                              y.left, y.top, y.right, y.bottom);
              }
        }
    for (const UserPoint& c : labels[l].front().Corners()) {
      if (!led && !inHouse(c)) {
        const double a = Norm360(std::atan2(squash * c.y, c.x) * 180 / 3.14159265358979);
        ++n.outsideHouse;
        if (verbose)
          std::printf("outside: point %d house %d at %.2f, house from %.2f through %.2f\n", p, h, a,
                      start, width);
        break;
      }
    }
  }
  const int last = r.HasChiron ? NumPoints : NumPoints - 1;
  for (int p = 1; p <= last; ++p) {
    const bool enabled =
        std::size_t(p - 1) >= r.EnabledPoints.size() || r.EnabledPoints[std::size_t(p - 1)] != '0';
    const bool helioDropped = r.HelioWheel == 1 && p >= ChartPoint::Moon && p <= ChartPoint::MC;
    if (enabled && !helioDropped && !drawn[std::size_t(p)]) ++n.notDrawn;
  }
  return n;
}

// The window paint of the prepared single wheel on `canvas`, at the scale a
// window of its size takes.
inline LegibilityCounts CountIllegible(const WheelPaintInputs& in, RecordingCanvas& canvas) {
  PaintWheelWindow(canvas, in,
                   StartScaleFor(canvas.DeviceWidth(), canvas.DeviceHeight()).value_or(300));
  return CountRecorded(in, canvas, false);
}

// The printed page's paint of the prepared single wheel on `canvas`.
inline LegibilityCounts CountIllegibleOnPage(const WheelPaintInputs& in, RecordingCanvas& canvas) {
  PaintWheelPrinter(canvas, in, {});
  return CountRecorded(in, canvas, true);
}

inline LegibilityCounts CountIllegible(const WheelPaintInputs& in, DeviceSize surface) {
  RecordingCanvas canvas(surface.width, surface.height, 96);
  return CountIllegible(in, canvas);
}

// Counts a prepared wheel painted on a surface of the given size.
using CountOn = std::function<LegibilityCounts(const WheelPaintInputs&, DeviceSize)>;

// The printable areas of a Letter and an A4 page, at 96 dpi.
inline std::vector<DeviceSize> PrintedPages() { return {{768, 1008}, {746, 1074}}; }

// The fixed charts in both styles at every window surface and, with
// `countOnPage`, on the printed pages; one line for each that does not read
// cleanly. Packed: that many points from the Sun on crowded into the 1st
// house, more than its seven slots (the Ascendant is there too); the
// European 1st house is 22.7 degrees wide here, too narrow to hold them at a
// size that reads, and those it cannot hold go to its neighbours. Pairs on
// paper: the fullest house of these charts in the European style may read in
// pairs on a page as tall as A4, where, its spokes on the circles, it is
// narrower than on the window: staggered, its labels would be below half
// size.
inline std::vector<std::string> IllegibleFixedCharts(const CountOn& count,
                                                     const CountOn& countOnPage = {}) {
  const std::tuple<const char*, WheelChart, int, bool> charts[] = {
      {"ordinary", WheelChart::Ordinary, 0, false},
      {"crowded 1st house", WheelChart::Crowded, 0, true},
      {"polar", WheelChart::Polar, 0, false},
      {"66 North", WheelChart::Unequal, 0, false},
      {"before Chiron", WheelChart::BeforeChiron, 0, false},
      {"stellium of 9", WheelChart::Ordinary, 8, false},
      {"stellium of 11", WheelChart::Ordinary, 10, false},
      {"Aquarius stellium", WheelChart::Stellium, 0, true},
      {"10th house of seven", WheelChart::NoonStellium, 0, false},
      {"four signs intercepted", WheelChart::Intercepting, 0, false},
  };
  std::vector<std::string> failures;
  for (const auto& [what, chart, packed, pairsOnPaper] : charts)
    for (int style : {0, 1}) {
      Workbench wb;
      ComputeWheelChart(wb, chart);
      if (packed > 0) PackHouse(wb, packed, 4, 0.5, 1.9);
      RecordingHost host;
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
      const auto check = [&](const CountOn& on, DeviceSize surface, const char* where,
                             bool paper) {
        const bool pairs = pairsOnPaper && style == 1 && paper;
        if (const LegibilityCounts c = on(PaintInputsOf(wb, style), surface);
            c.Total() != 0 || (c.misordered != 0 && !pairs) || c.unreadable != 0)
          failures.push_back(std::string(what) + " style " + std::to_string(style) + where +
                             std::to_string(surface.width) + "x" + std::to_string(surface.height) +
                             ": " + c.Text());
      };
      for (const DeviceSize surface : LegibilitySurfaces()) check(count, surface, " at ", false);
      if (countOnPage)
        for (const DeviceSize page : PrintedPages())
          check(countOnPage, page, " on the page ", true);
    }
  return failures;
}

// Nine and eleven labels packed into a 1st house too narrow for them, in both
// styles, painted on `canvasOf(size)` at window sizes below the opening size
// and above it: one line for each whose smallest glyph is below the size that
// reads in the window as it opens, grown or shrunk with the window as its
// neighbours are.
inline std::vector<std::string> SmallPackedLabels(
    const std::function<std::unique_ptr<RecordingCanvas>(DeviceSize)>& canvasOf) {
  const double leastPoints = kLeastReadableGlyphPx / kInkShareOfEm * 72 / 96;
  std::vector<std::string> failures;
  for (const int packed : {8, 10})
    for (const int style : {0, 1}) {
      Workbench wb;
      ComputeWheelChart(wb, WheelChart::Ordinary);
      PackHouse(wb, packed, 4, 0.5, 1.9);
      RecordingHost host;
      PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
      // The points from the Sun on, and the Ascendant at the house's cusp.
      std::vector<int> points{ChartPoint::Ascendant};
      for (int p = 1; p <= packed; ++p) points.push_back(p);
      for (const DeviceSize s : std::vector<DeviceSize>{
               LegibleWheelArea(96), WheelOpeningArea(96), {1100, 800}, {1600, 1000}}) {
        const std::unique_ptr<RecordingCanvas> canvas = canvasOf(s);
        CountIllegible(PaintInputsOf(wb, style), *canvas);
        const double least = leastPoints * WindowFontScale(canvas->DeviceUnitsPerUserX(), 96);
        std::size_t glyphs = 0;
        double smallest = 1e9;
        for (const CanvasRecord& t : canvas->Texts())
          for (const int p : points)
            if (t.text == GlyphText(GlyphCode::PointBase + p)) {
              ++glyphs;
              smallest = std::min(smallest, t.font.points);
            }
        if (glyphs != points.size() || smallest < least - 1e-6)
          failures.push_back(std::to_string(points.size()) + " labels style " +
                             std::to_string(style) + " at " + std::to_string(s.width) + "x" +
                             std::to_string(s.height) + ": " + std::to_string(glyphs) +
                             " glyphs, the smallest " + std::to_string(smallest) + " points of " +
                             std::to_string(least));
      }
    }
  return failures;
}

// Prints the sums of the counts over `charts` random charts, at every
// window surface and, with `countOnPage`, on the printed pages, in both
// styles.
inline void PrintRandomChartCounts(int charts, const CountOn& count,
                                   const CountOn& countOnPage = {}) {
  std::vector<std::pair<DeviceSize, const CountOn*>> surfaces;
  for (const DeviceSize surface : LegibilitySurfaces()) surfaces.emplace_back(surface, &count);
  if (countOnPage)
    for (const DeviceSize page : PrintedPages()) surfaces.emplace_back(page, &countOnPage);
  for (const auto& [surface, on] : surfaces)
    for (int style : {0, 1}) {
      std::mt19937 random(1962);
      LegibilityCounts sum;
      int clean = 0;
      for (int k = 0; k < charts; ++k) {
        Workbench wb;
        RandomWheelChart(wb, random, k);
        RecordingHost host;
        PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
        const LegibilityCounts c = (*on)(PaintInputsOf(wb, style), surface);
        sum += c;
        clean += c.Total() == 0 && c.misordered == 0 && c.unreadable == 0;
      }
      std::printf("%s %dx%d style %d: %d of %d clean; %s\n", on == &count ? "window" : "page",
                  surface.width, surface.height, style, clean, charts, sum.Text().c_str());
    }
}

}  // namespace orv::test
