#include "wheels/WheelPaint.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <span>

#include "base/Format.h"
#include "core/Angles.h"
#include "core/ChartModel.h"
#include "core/OptionNumbers.h"
#include "wheels/AspectGrid.h"
#include "wheels/AspectLines.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/DualWheelInputs.h"
#include "wheels/GlyphCodes.h"
#include "wheels/LabelReach.h"
#include "wheels/WheelFit.h"
#include "wheels/WheelLayout.h"

namespace orv {

namespace {

// The fit's option twins, constants and state, which the paint draws by.
using namespace wheelfit;

namespace O = OptionNumber;

constexpr SurfaceOptions kWindow{
    .printing = false,
    .titleSize = O::WheelTitleFontSize,
    .cuspDegreeSize = O::WheelFontSize,
    .cuspSignSize = O::WheelSignFontSize,
    .cuspMinuteSize = O::WheelCuspDegreeFontSize,  // named for degrees, sizes the minutes
    .glyphSize = O::WheelPlanetFontSize,
    .degreeSize = O::WheelPlanetDegreeFontSize,
    .signSize = O::WheelPlanetSignFontSize,
    .minuteSize = O::WheelPlanetMinuteFontSize,
    .retroSize = O::WheelRetroFontSize,
    .titleColor = O::WheelTitleColor,
    .cuspDegreeColor = O::WheelCuspDegreeColor,
    .cuspSignColor = O::WheelCuspSignColor,
    .cuspMinuteColor = O::WheelCuspMinuteColor,
    .glyphColor = O::WheelPlanetColor,
    .degreeColor = O::WheelPlanetDegreeColor,
    .signColor = O::WheelPlanetSignColor,
    .minuteColor = O::WheelPlanetMinuteColor,
    .retroColor = O::WheelRetroColor,
    .ringColor = O::WheelCircleColor,
    .spokeColor = O::WheelSpokeColor,
    .glyphWidthOffset = O::WheelScreenOffset1,
    .digitWidthOffset = O::WheelScreenOffset2,
    .glyphHeightOffset = O::WheelScreenOffset3,
    .digitHeightOffset = O::WheelScreenOffset4,
    .shrinkThreshold = O::LabelShrinkFromSize,
    .shrinkAmount = O::LabelShrinkAmount,
};
constexpr SurfaceOptions kPrinter{
    .printing = true,
    .titleSize = O::WheelPrinterTitleFontSize,
    .cuspDegreeSize = O::WheelPrinterFontSize,
    .cuspSignSize = O::WheelPrinterSignFontSize,
    .cuspMinuteSize = O::WheelPrinterCuspDegreeFontSize,
    .glyphSize = O::WheelPrinterPlanetFontSize,
    .degreeSize = O::WheelPrinterPlanetDegreeFontSize,
    .signSize = O::WheelPrinterPlanetSignFontSize,
    .minuteSize = O::WheelPrinterPlanetMinuteFontSize,
    .retroSize = O::WheelPrinterRetroFontSize,
    .titleColor = O::WheelPrinterTitleColor,
    .cuspDegreeColor = O::WheelPrinterCuspDegreeColor,
    .cuspSignColor = O::WheelPrinterCuspSignColor,
    .cuspMinuteColor = O::WheelPrinterCuspMinuteColor,
    .glyphColor = O::WheelPrinterPlanetColor,
    .degreeColor = O::WheelPrinterPlanetDegreeColor,
    .signColor = O::WheelPrinterPlanetSignColor,
    .minuteColor = O::WheelPrinterPlanetMinuteColor,
    .retroColor = O::WheelPrinterRetroColor,
    .ringColor = O::WheelPrinterCircleColor,
    .spokeColor = O::WheelPrinterSpokeColor,
    .glyphWidthOffset = O::WheelPrinterOffset1,
    .digitWidthOffset = O::WheelPrinterOffset2,
    .glyphHeightOffset = O::WheelPrinterOffset3,
    .digitHeightOffset = O::WheelPrinterOffset4,
    .shrinkThreshold = O::LabelPrinterShrinkFromSize,
    .shrinkAmount = O::LabelPrinterShrinkAmount,
};
const SurfaceOptions& SurfaceOf(bool printing) { return printing ? kPrinter : kWindow; }

CircleStyle Ring(Rgb color) {
  CircleStyle style;
  style.color = color;
  return style;
}

class Painter : public WheelFit {
 public:
  using WheelFit::WheelFit;

  // The boxes of the texts drawn on paper so far.
  const std::vector<std::array<UserPoint, 2>>& Printed() const { return printed_; }
  // On paper, the box the aspect grid covers at its lowest place, which
  // the two-ring wheel's crowded sectors keep their labels out of.
  void KeepRingOutOf(const std::array<UserPoint, 2>& box) { gridBox_ = box; }
  // The boxes of the two-ring wheel's labels as drawn.
  const std::vector<std::array<UserPoint, 2>>& RingLabels() const { return ringLabels_; }

  Rgb SpokeColor() const { return in_.blackWhite ? QBColor(0) : Color(o_.spokeColor); }

  void SingleFrame() {
    const auto ring = Color(o_.ringColor);
    const auto spokes = SingleFrameSpokeAngles(in_.typeChart, req_.Cusps);
    if (o_.printing) Circles(ring);
    for (double a : spokes) {
      const auto ends = SpokeEnds(a, 120, 217, o_.verticalFactor);
      canvas_.Line(ends[0], ends[1], SpokeColor());
    }
    if (!o_.printing) Circles(ring);
  }

  void DualRing() {
    for (double a : EqualSpokeAngles()) {
      const auto ends = SpokeEnds(a, WheelRadius, kRingSpokeEnd, o_.verticalFactor);
      canvas_.Line(ends[0], ends[1], SpokeColor());
    }
    canvas_.Circle({0, 0}, WheelRadius, Ring(Color(o_.ringColor)));
  }

  // The twelve cusp labels. A European wheel's labels at their cusps' true
  // angles, where very unequal houses bring cusps a degree or two apart,
  // move along the rim, each as little as keeps it clear of those placed
  // before it.
  void CuspLabels() {
    std::vector<std::array<UserPoint, 2>> taken;
    std::vector<int> polar;
    for (int i = 1; i <= 12; ++i) {
      const double cusp = req_.Cusps[static_cast<std::size_t>(i)];
      if (!CuspLabelFromTable(i, in_.typeChart, req_.WheelKind)) {
        polar.push_back(i);
        continue;
      }
      CuspLabel label = TableCuspLabel(i, cusp, *in_.hcDataTable, o_.printing);
      KeepOnSurface(label);
      DrawCuspLabel(label);
      const auto& boxes = CuspLabelBoxes(label);
      taken.insert(taken.end(), boxes.begin(), boxes.end());
    }
    // Nearest the Ascendant's and Descendant's labels first, each moved away
    // from them toward the free middle of its half, so a row of labels keeps
    // its order.
    const auto angle = [&](int i) { return Norm360(req_.Cusps[std::size_t(i)] - req_.Cusps[10]); };
    const auto fromFixed = [&](int i) {
      const double a = std::fmod(angle(i), 180);
      return std::min(a, 180 - a);
    };
    std::stable_sort(polar.begin(), polar.end(),
                     [&](int x, int y) { return fromFixed(x) < fromFixed(y); });
    for (int i : polar) {
      const double cusp = req_.Cusps[static_cast<std::size_t>(i)];
      const double away = std::fmod(angle(i), 180) < 90 ? 0.5 : -0.5;
      CuspLabel label;
      for (int step = 0; step <= 60; ++step) {
        label = PolarCuspLabel(cusp, req_.Cusps[10] - step * away, o_.printing);
        KeepOnSurface(label);
        if (!Touches(CuspLabelBoxes(label), taken)) break;
      }
      DrawCuspLabel(label);
      const auto& boxes = CuspLabelBoxes(label);
      taken.insert(taken.end(), boxes.begin(), boxes.end());
    }
  }

  void DrawCuspLabel(const CuspLabel& label) {
    canvas_.SetFontSize(Opt(o_.cuspDegreeSize));
    canvas_.SetForeColor(Color(o_.cuspDegreeColor));
    PutBold(label[0].code, label[0].at);
    PutBold(label[1].code, label[1].at);
    canvas_.SetFontSize(Opt(o_.cuspSignSize));
    canvas_.SetForeColor(Color(o_.cuspSignColor));
    Put(label[2].code, label[2].at);
    canvas_.SetFontSize(Opt(o_.cuspMinuteSize));
    canvas_.SetForeColor(Color(o_.cuspMinuteColor));
    Put(label[3].code, label[3].at);
    Put(label[4].code, label[4].at);
  }
  const std::vector<std::array<UserPoint, 2>>& CuspLabelBoxes(const CuspLabel& label) {
    return Measured([&] { DrawCuspLabel(label); });
  }
  // Whether any of `boxes` comes within a unit of any of `others`.
  static bool Touches(const std::vector<std::array<UserPoint, 2>>& boxes,
                      const std::vector<std::array<UserPoint, 2>>& others) {
    constexpr double kGap = 1;
    for (const auto& b : boxes)
      for (const auto& o : others)
        if (b[0].x < o[1].x + kGap && o[0].x < b[1].x + kGap && b[1].y < o[0].y + kGap &&
            o[1].y < b[0].y + kGap)
          return true;
    return false;
  }

  // A cusp label beside the wheel moved in, whole, as far as its minutes
  // would run off the surface's edge (the page's, in the printer's wider
  // type).
  void KeepOnSurface(CuspLabel& label) {
    canvas_.SetFontSize(Opt(o_.cuspMinuteSize));
    const double right = label[4].at.x + canvas_.TextWidth(GlyphText(label[4].code));
    const double over = std::max(0.0, right - (canvas_.ScaleLeft() + canvas_.ScaleWidth())) -
                        std::max(0.0, canvas_.ScaleLeft() - label[0].at.x);
    for (PlacedCharacter& c : label) c.at.x -= over;
  }

  void Interceptions() {
    canvas_.SetFontSize(Opt(o_.cuspSignSize));
    canvas_.SetForeColor(Color(o_.cuspSignColor));
    const double left = canvas_.ScaleLeft(), right = left + canvas_.ScaleWidth();
    const auto width = [&](int sign) {
      return canvas_.TextWidth(GlyphText(GlyphCode::SignBase + sign));
    };
    for (int h = 1; h <= 12; ++h) {
      const std::vector<int> signs = InterceptedSigns(req_.Cusps, h);
      if (signs.empty()) continue;
      const double a = InterceptionAngle(req_.Cusps, h, in_.typeChart, req_.WheelKind);
      const double lineStep = canvas_.TextHeight(GlyphText(GlyphCode::SignBase + signs.front()));
      // Side by side in zodiac order, left to right, the row growing away
      // from the wheel and standing clear of the rim; a row that would leave
      // the surface (the page is narrow beside the wheel) breaks into lines
      // read top to bottom, the block growing away from the wheel.
      for (std::size_t perLine = signs.size(); perLine >= 1; --perLine) {
        // The lines from the one nearest the wheel outward: below the
        // middle the first line, above it the last.
        std::vector<std::size_t> starts;
        for (std::size_t from = 0; from < signs.size(); from += perLine) starts.push_back(from);
        if (a < 180) std::reverse(starts.begin(), starts.end());
        std::vector<std::pair<int, UserPoint>> row;
        std::optional<double> lastY;
        bool inside = true;
        for (const std::size_t from : starts) {
          const std::size_t to = std::min(signs.size(), from + perLine);
          UserPoint at = InterceptionPosition(a);
          if (lastY) at.y = *lastY + (a < 180 ? lineStep : -lineStep);
          double length = 0;
          for (std::size_t k = from; k < to; ++k) length += width(signs[k]);
          if (a > 90 && a < 270) at.x -= length - width(signs[from]);
          const auto clear = derived::ClearOfRim(at.x, at.y, a, length);
          at = {clear[0], clear[1]};
          lastY = at.y;
          inside = inside && at.x >= left && at.x + length <= right;
          for (std::size_t k = from; k < to; ++k) {
            row.emplace_back(GlyphCode::SignBase + signs[k], at);
            at.x += width(signs[k]);
          }
        }
        if (!inside && perLine > 1) continue;
        for (const auto& [code, at] : row) Put(code, at);
        break;
      }
    }
  }
  // The sign glyphs in the sectors of the dual ring, Aries from 9 o'clock
  // counter-clockwise; none on a wheel of declinations or latitudes.
  void DualSignGlyphs() {
    canvas_.SetFontSize(Opt(o_.cuspSignSize));
    canvas_.SetForeColor(QBColor(0));
    if (req_.DeclinationDualWheel != 0) return;
    const auto at = RingSignPositions();
    for (int h = 1; h <= 12; ++h) Put(GlyphCode::SignBase + h, at[static_cast<std::size_t>(h)]);
  }

  // Both charts of the two-ring wheel around its circle, and the aspect
  // lines between them, which end on the circle.
  void DualPoints() {
    MeasureCells();
    const DualWheelInputs inputs = TwoRingInputs(req_);
    DualPlacement placed = PlaceDualWheel(inputs);
    // On a screen as large as a single wheel's labels read, whatever the
    // window's size; the printed page keeps its sizes.
    ringLeast_ = o_.printing ? 0 : LeastLabelShare();
    const std::vector<RingSpot> spots =
        FitRing(placed, o_.printing ? kSmallestLabel : ringLeast_, !o_.printing);
    ringLabels_.clear();
    for (std::size_t k = 0; k < placed.labels.size(); ++k) {
      const DualLabel& l = placed.labels[k];
      const std::vector<Box>& boxes = RingBoxes(l, spots[k]);
      ringLabels_.insert(ringLabels_.end(), boxes.begin(), boxes.end());
      if (const auto leader = ringLeaders_.find(k); leader != ringLeaders_.end()) {
        const std::vector<UserPoint>& path = leader->second.path;
        for (std::size_t p = 0; p + 1 < path.size(); ++p)
          canvas_.Line(path[p], path[p + 1], QBColor(l.secondChart() ? kLabelRed : kLabelBlue));
      }
      DualLabelAt(l, spots[k]);
    }
    ringLeast_ = 0;
    if (!in_.orbs) return;
    // A lent label's lines end where its leader does, at its own place.
    for (const auto& [k, leader] : ringLeaders_) placed.labels[k].angle = UserAngle(leader.target);
    AspectLineTests tests = in_.lineTests;
    tests.declination = req_.DeclinationDualWheel == 1;
    tests.filter = req_.DualAspectFilter;
    AspectLineStyle style = LineStyle();
    // Along the circle on paper too: the labels stand just outside it, and
    // an arc through them would strike their degrees out.
    style.conjunctionArc = WheelRadius + 1;
    DrawAspectLines(
        canvas_,
        TwoRingAspectLines(inputs, placed, *in_.orbs, tests, Opt(O::DualAspectsAllPoints) != 0),
        style);
  }

  // The combined arrangement: the first pass in the outer band, the second
  // chart's pass in the inner band, its glyphs in light red; with option
  // 230 the lines between them (conjunctions draw nothing here).
  void CombinedPoints() {
    MeasureCells();
    std::array<SingleWheelInputs, 2> inputs;
    std::array<std::vector<PlacedLabel>, 2> placed;
    for (const bool outerRing : {false, true}) {
      const std::size_t pass = outerRing ? 1 : 0;
      inputs[pass] = CombinedPassInputs(in_, outerRing);
      const WheelList list =
          BuildWheelList(inputs[pass].values, inputs[pass].housePositions, inputs[pass].lastPoint);
      if (outerRing) glyphColor_ = QBColor(kLabelRed);
      placed[pass] = PlaceSingleWheel(inputs[pass], list);
      // Each band fitted as the single wheel's labels are.
      band_ = outerRing
                  ? LabelBand{kBandsRadius, HouseNumbersReach(), OuterRingLineEndCorrection, true}
                  : LabelBand{kRimRadius, kBandsRadius, LineEndCorrection, true};
      FitMeasured(inputs[pass], placed[pass]);
      for (const PlacedLabel& l : placed[pass]) {
        Leader(l);
        Label(l);
      }
      glyphColor_.reset();
    }
    band_ = {};
    if (!in_.orbs || Opt(O::TransitsVsNatalAspectLines) == 0) return;
    // As on the single wheel, the lines end on the circle inside the labels,
    // that of the house numbers' ring, and cross no label. Lines to the rim
    // (option 231) cross both bands: they pass behind every label, never
    // between its characters, and their glyphs stand clear of the labels.
    AspectLineStyle style = LineStyle();
    for (const auto& pass : placed)
      for (const PlacedLabel& l : pass) {
        const std::vector<Box> strokes = Strokes(Boxes(l));
        style.keepClear.insert(style.keepClear.end(), strokes.begin(), strokes.end());
      }
    DrawAspectLines(canvas_,
                    CombinedAspectLines(inputs[0], placed[0], inputs[1], placed[1], *in_.orbs,
                                        in_.lineTests,
                                        Opt(O::AspectLineRadiusSwitch) != 0 ? kRimRadius
                                                                              : kHouseNumbersRadius,
                                        kHouseNumbersRadius),
                    style);
  }

  // How far the house numbers reach from the centre: on a page whose units
  // are taller than wide their characters stand out past their circle, and
  // the inner band's labels keep clear of them.
  double HouseNumbersReach() {
    canvas_.SetFontSize(Opt(o_.cuspDegreeSize));
    double reach = kHouseNumbersRadius;
    for (const PlacedCharacter& c : HouseNumberCharacters()) {
      const std::string text = GlyphText(c.code);
      const LabelBox box{c.at, {c.at.x + canvas_.TextWidth(text), c.at.y - canvas_.TextHeight(text)}};
      reach = std::max(reach, FarthestCorner(std::span(&box, 1), Squash()));
    }
    return reach;
  }

  AspectLineStyle LineStyle() const {
    AspectLineStyle style;
    style.printing = o_.printing;
    style.blackWhite = in_.blackWhite;
    style.options = in_.options;
    return style;
  }

  std::vector<PlacedLabel> Points() {
    MeasureCells();
    SingleWheelInputs inputs = SingleWheelInputsOf(in_);
    inputs.cellWidth = glyphStepX_;
    inputs.cellHeight = glyphStepY_;
    const WheelList list = BuildWheelList(inputs.values, inputs.housePositions, inputs.lastPoint);
    std::vector<PlacedLabel> placed = PlaceSingleWheel(inputs, list);
    if (req_.DeclinationSingleWheel == 1) {
      RingPoints(placed, list);
      return placed;
    }
    FitMeasured(inputs, placed);
    for (const PlacedLabel& l : placed) {
      Leader(l);
      Label(l);
    }
    return placed;
  }

  // A wheel of declinations or latitudes: its labels around the ring as the
  // two-ring wheel sets its first chart's, each house a sector of the ring;
  // the aspect lines end beside them.
  void RingPoints(std::vector<PlacedLabel>& placed, const WheelList& list) {
    // A house's crowding sizes its texts; the Moon to the MC, which a
    // heliocentric wheel never draws, crowd nothing.
    std::array<int, 13> counts = list.houseCounts;
    if (req_.HelioWheel == 1)
      for (std::size_t i = 1; i <= NumPoints; ++i)
        if (list.points[i] >= ChartPoint::Moon && list.points[i] <= ChartPoint::MC &&
            list.houses[i] > 0)
          --counts[static_cast<std::size_t>(list.houses[i])];
    DualPlacement ring;
    for (const PlacedLabel& l : placed) {
      DualLabel d;
      d.entry = l.point;
      d.value = l.value;
      d.house = l.house;
      d.houseCount = counts[static_cast<std::size_t>(l.house)];
      d.angle = l.angle;
      ring.labels.push_back(d);
    }
    const std::vector<RingSpot> spots = FitRing(ring);
    for (std::size_t k = 0; k < placed.size(); ++k) {
      DualLabelAt(ring.labels[k], spots[k]);
      placed[k].angle = placed[k].lineEndAngle = ring.labels[k].angle;
    }
  }
  // A rehoused label's leader line: from its glyph to its place on the rim.
  void Leader(const PlacedLabel& l) {
    const auto it = leaders_.find(l.point);
    if (it == leaders_.end()) return;
    const std::vector<UserPoint> path = LeaderPath(l, it->second);
    for (std::size_t k = 1; k < path.size(); ++k)
      canvas_.Line(path[k - 1], path[k], glyphColor_ ? *glyphColor_ : Color(o_.glyphColor));
  }

  // The single wheel's aspect lines, between the placed glyphs.
  void AspectLines(const std::vector<PlacedLabel>& placed) {
    if (!in_.orbs || Opt(O::SingleWheelAspectLines) != 1) return;
    const bool declination = req_.DeclinationSingleWheel != 0;
    AspectLineChart chart;
    chart.angles = req_.Longitudes;
    chart.glyphAngles = LineEndAngles(req_.Longitudes, placed);
    chart.takesPart =
        SingleWheelLinePoints(req_.EnabledPoints, req_.HelioWheel == 1, req_.HasChiron);
    chart.radius = declination ? WheelRadius : 120;
    AspectLineTests tests = in_.lineTests;
    tests.declination = declination;
    AspectLineStyle style = LineStyle();
    // Along the ring's circle on paper too, clear of the labels outside it.
    style.conjunctionArc = declination ? WheelRadius + 1 : o_.printing ? 220 : 218;
    DrawAspectLines(canvas_, FindAspectLines(chart, chart, AspectPairs::OneChart, *in_.orbs, tests),
                    style);
  }

 private:
  void Circles(Rgb ring) {
    canvas_.Circle({0, 0}, 217, Ring(ring));
    canvas_.Circle({0, 0}, 120, Ring(ring));
  }

  std::vector<std::array<UserPoint, 2>> ringLabels_;
};

// Where a header line whose nearest edge is `near` units from the wheel's
// middle height must end: left of the rim's labels beside the wheel (about
// 50 units wide), left of those just above or below it, else anywhere.
double HeaderRoom(double near, const Canvas& canvas) {
  constexpr double kRim = 219, kLabelWidth = 50, kLabelsAbove = 240;
  if (near < kRim) return -(std::sqrt(kRim * kRim - near * near) + kLabelWidth);
  if (near < kLabelsAbove) return -kLabelWidth - 10;
  return canvas.ScaleLeft() + canvas.ScaleWidth();
}

// `line` cut to `width` units, ending in "...": a long name would otherwise
// run across the wheel.
std::string Elided(const Canvas& canvas, const std::string& line, double width) {
  if (canvas.TextWidth(line) <= width) return line;
  std::string cut = line;
  while (!cut.empty() && canvas.TextWidth(cut + "...") > width) {
    while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80) cut.pop_back();
    if (!cut.empty()) cut.pop_back();
  }
  return cut + "...";
}

// The rows a header block prints, top to bottom: its seven lines where each
// fits the room `roomOf(row, rows)` of its row of `rows`. Else each line is
// whole where it fits, or wrapped at words onto the rows below, and cut with
// "..." only where a word is wider than its row; a block that hangs from
// `anchorTop` keeps its first line at the top, another stands on its last
// row with its empty last lines taken to the top, so its text sits as low as
// it can, where the corner beside the wheel is widest. Either grows only
// where its empty lines cannot take the rows a wrap adds.
std::vector<std::string> HeaderRows(const Canvas& canvas, const WheelHeaderLines& block,
                                    bool anchorTop,
                                    const std::function<double(std::size_t, std::size_t)>& roomOf) {
  std::vector<std::string> laid(block.begin() + 1, block.end());
  bool whole = true;
  for (std::size_t row = 0; row < laid.size(); ++row)
    whole = whole && canvas.TextWidth(laid[row]) <= roomOf(row, laid.size());
  if (whole) return laid;
  std::size_t used = 7;
  while (used > 0 && block[used].empty()) --used;
  // A wrap that makes the text a row taller moves a standing block's rows
  // up, where they have less room: laid again until the count holds.
  std::size_t count = used;
  for (int tries = 0; tries < 4; ++tries) {
    const std::size_t rows = std::max<std::size_t>(7, count);
    const std::size_t first = anchorTop ? 0 : rows - count;
    laid.clear();
    for (std::size_t k = 1; k <= used; ++k)
      for (std::string rest = block[k];;) {
        const double room = roomOf(first + laid.size(), rows);
        std::size_t cut = rest.rfind(' ');
        while (cut != std::string::npos && cut > 0 && canvas.TextWidth(rest.substr(0, cut)) > room)
          cut = rest.rfind(' ', cut - 1);
        if (canvas.TextWidth(rest) <= room || cut == std::string::npos || cut == 0) {
          laid.push_back(Elided(canvas, rest, room));
          break;
        }
        laid.push_back(rest.substr(0, cut));
        rest.erase(0, rest.find_first_not_of(' ', cut));
        if (rest.empty()) break;  // only blanks were left over
      }
    if (anchorTop || laid.size() == count) break;
    count = laid.size();
  }
  const std::size_t pad = std::max<std::size_t>(7, laid.size()) - laid.size();
  laid.insert(anchorTop ? laid.end() : laid.begin(), pad, "");
  return laid;
}

void SetEdges(Canvas& canvas, const ScaleEdges& e) {
  canvas.SetScale(e.left, e.top, e.right, e.bottom);
}

// The house numbers 1..12 in the combined frame's innermost ring, in the
// current font and colour.
void DrawHouseNumbers(Canvas& canvas) {
  for (const PlacedCharacter& c : HouseNumberCharacters()) {
    canvas.SetCurrent(c.at);
    canvas.Print(GlyphText(c.code));
  }
}

// The frame, sign or cusp labels and points of a two-chart wheel.
void TwoChartWheel(Painter& p, Canvas& canvas, const WheelPaintInputs& in, bool printing) {
  const OptionValues& opt = *in.options;
  const bool twoRing = in.request->DualWheelShown == 1;
  if (twoRing)
    p.DualRing();
  else
    DrawCombinedFrame(canvas, opt, printing, in.blackWhite);
  canvas.SetFontName(GlyphFontFace);
  canvas.SetFontSize(opt[SurfaceOf(printing).cuspDegreeSize]);
  canvas.SetFontBold(false);
  canvas.SetForeColor(QBColor(0));
  if (twoRing) {
    p.DualSignGlyphs();
    p.DualPoints();
    return;
  }
  DrawHouseNumbers(canvas);
  p.CuspLabels();
  p.Interceptions();
  p.CombinedPoints();
}

}  // namespace

SingleWheelInputs SingleWheelInputsOf(const WheelPaintInputs& in) {
  const WheelRequest& r = *in.request;
  SingleWheelInputs s;
  s.values = r.Longitudes;
  s.cusps = r.Cusps;
  s.housePositions = r.HousePositions;
  s.enabled = r.EnabledPoints;
  s.lastPoint = LastPointOf(r.HasChiron);
  s.retroFlags = r.RetroFlags;
  s.typeChart = in.typeChart;
  s.wheelKind = r.WheelKind;
  s.helio = r.HelioWheel == 1;
  s.declination = r.DeclinationSingleWheel == 1;
  s.glyphLayout = static_cast<int>((*in.options)[O::WheelGlyphLayout]);
  s.radiusTable = *in.radiusTable;
  return s;
}

void DrawCombinedFrame(Canvas& canvas, const OptionValues& options, bool printing,
                       bool blackWhite) {
  const SurfaceOptions& o = SurfaceOf(printing);
  const Rgb ring = QBColor(options[o.ringColor]);
  const Rgb spokes = blackWhite ? QBColor(0) : QBColor(options[o.spokeColor]);
  const std::array<double, 4> radii{217, 138, 62, 40};
  const double f = SurfaceVerticalFactor(canvas);
  if (printing) {
    for (double r : radii) canvas.Circle({0, 0}, r, Ring(ring));
    for (double a : EqualSpokeAngles()) {
      const auto ends = SpokeEnds(a, 40, 217, f);
      canvas.Line(ends[0], ends[1], spokes);
    }
    return;
  }
  for (double a : EqualSpokeAngles()) {
    const double from = a * std::numbers::pi / 180;
    CircleStyle sector = Ring(spokes);
    sector.startRad = from;
    sector.endRad = from + std::numbers::pi / 6;
    canvas.Circle({0, 0}, 217, sector);
    // The sector's own radius, round like its arc.
    const auto ends = SpokeEnds(a, 0, 217, f);
    canvas.Line(ends[0], ends[1], spokes);
  }
  for (double r : radii) canvas.Circle({0, 0}, r, Ring(ring));
  CircleStyle disc = Ring(canvas.ForeColor());
  disc.fill = blackWhite ? QBColor(15) : QBColor(options[O::WheelBackColor]);
  canvas.Circle({0, 0}, 40, disc);
  canvas.Circle({0, 0}, 40, Ring(ring));
}

std::string DeclinationLabelText(double displayDeg) {
  double v = displayDeg > 180 ? (displayDeg - 180) / 6 : displayDeg / 6;
  if (v == 30) v = 0;
  // Truncated, with a hair of slack so a stored 12.3 is not read as 12.29999.
  const double tenths = std::trunc(v * 10 + 1e-7) / 10;
  return FormatNumber(tenths, "#0.0");
}

void DrawTitleBlock(Canvas& canvas, const WheelPaintInputs& in, bool printing,
                    const std::function<std::optional<std::vector<std::string>>()>& personalHeader,
                    std::span<const std::array<UserPoint, 2>> labels) {
  const OptionValues& opt = *in.options;
  const WheelRequest& r = *in.request;
  const double left = canvas.ScaleLeft() + (printing ? 30 : 10);
  canvas.SetFontName(GlyphFontFace);
  canvas.SetFontSize(opt[SurfaceOf(printing).titleSize]);
  canvas.SetFontBold(false);
  canvas.SetForeColor(QBColor(opt[SurfaceOf(printing).titleColor]));
  const double lineHeight = canvas.TextHeight(r.OuterWheelHeader[1]);
  // Each block's rows at their heights, from the top of its first row: the
  // first block hangs from its top, the second stands where its seventh
  // line ends.
  const auto lines = [&](const WheelHeaderLines& block, double y, bool anchorTop) {
    const auto topOf = [&](std::size_t row, std::size_t rows) {
      const double below = anchorTop ? double(row) : double(row) + 7 - double(rows);
      return y - below * lineHeight;
    };
    const auto roomOf = [&](std::size_t row, std::size_t rows) {
      const double top = topOf(row, rows);
      const double near = std::min(std::fabs(top), std::fabs(top - lineHeight));
      double end = HeaderRoom(near, canvas);
      for (const auto& box : labels)
        if (box[1].x > left && box[1].y < top && box[0].y > top - lineHeight)
          end = std::min(end, box[0].x - 1);
      return end - left;
    };
    const std::vector<std::string> rows = HeaderRows(canvas, block, anchorTop, roomOf);
    canvas.SetCurrent({left, topOf(0, rows.size())});
    for (const std::string& row : rows) {
      canvas.Print(row);
      canvas.SetCurrent({left, canvas.Current().y});
    }
  };
  lines(r.InnerWheelHeader, canvas.ScaleTop() - (printing ? opt[O::WheelPrintTitleOffsets] : 0),
        true);
  lines(r.OuterWheelHeader,
        canvas.ScaleHeight() / 2 + (printing ? opt[O::WheelPrintTitleScale] : 8) * lineHeight,
        false);
  if (!printing || opt[O::WheelPrintTitleBlock] == 0 || !personalHeader) return;
  const std::optional<std::vector<std::string>> personal = personalHeader();
  if (!personal) return;
  canvas.SetFontSize(opt[O::PersonalHeaderFontSize]);
  canvas.SetForeColor(QBColor(opt[O::PersonalHeaderColor]));
  double y = canvas.ScaleTop() - opt[O::PersonalHeaderTopOffset];
  for (const std::string& line : *personal) {
    canvas.SetCurrent(
        {canvas.ScaleWidth() / 2 - opt[O::PersonalHeaderRightInset] - canvas.TextWidth(line), y});
    canvas.Print(line);
    y = canvas.Current().y;
  }
}

void PaintWheelWindow(Canvas& canvas, const WheelPaintInputs& in, int startScale) {
  const WheelRequest& r = *in.request;
  canvas.SetBackColor(in.blackWhite ? QBColor(15) : QBColor((*in.options)[O::WheelBackColor]));
  canvas.Clear();
  SetEdges(canvas, WindowScaleEdges(startScale, canvas.DeviceHeight() / canvas.DeviceWidth()));
  canvas.SetFontScale(WindowFontScale(canvas.DeviceUnitsPerUserX(), canvas.DotsPerInch()));
  canvas.SetForeColor(QBColor(0));
  Painter p(canvas, in, kWindow);
  if (r.WheelKind == 2) {
    TwoChartWheel(p, canvas, in, false);
    DrawTitleBlock(canvas, in, false, {}, p.RingLabels());
    return;
  }
  if (r.DeclinationSingleWheel != 0)
    p.DualRing();
  else
    p.SingleFrame();
  canvas.SetFontName(GlyphFontFace);
  if (r.DeclinationSingleWheel == 0) {
    p.CuspLabels();
    p.Interceptions();
  }
  p.AspectLines(p.Points());
  DrawTitleBlock(canvas, in, false, {});
}

void PaintWheelPrinter(
    Canvas& canvas, const WheelPaintInputs& in,
    const std::function<std::optional<std::vector<std::string>>()>& personalHeader) {
  const WheelRequest& r = *in.request;
  SetEdges(canvas, PrinterScaleEdges(PrinterStartScale(in.typeChart, r.WheelKind)));
  canvas.SetFontScale(1);  // the page is always the same size
  canvas.SetForeColor(QBColor(0));
  Painter p(canvas, in, kPrinter);
  // Below the wheel, clear of its circles and spokes and of every label.
  const auto grid = [&] {
    if ((*in.options)[O::AspectGridOnPrint] == 0) return;
    AspectGridInputs g = WheelGridInputs(in);
    g.keepClear = p.Printed();
    const bool ring = r.WheelKind == 2 ? r.DualWheelShown == 1 : r.DeclinationSingleWheel != 0;
    g.wheelReach = ring ? kRingSpokeEnd : kRimRadius;
    PrintAspectGrid(canvas, g);
  };
  if (r.WheelKind == 2) {
    if ((*in.options)[O::AspectGridOnPrint] != 0 && r.DualWheelShown == 1)
      p.KeepRingOutOf(AspectGridLowestBox(canvas, WheelGridInputs(in)));
    TwoChartWheel(p, canvas, in, true);
    DrawTitleBlock(canvas, in, true, personalHeader, p.RingLabels());
    grid();
    return;
  }
  // A wheel of declinations or latitudes keeps its ring on paper: its labels
  // stand just outside the ring's circle, where the single frame's rim runs.
  if (r.DeclinationSingleWheel != 0)
    p.DualRing();
  else
    p.SingleFrame();
  canvas.SetFontName(GlyphFontFace);
  canvas.SetFontBold(false);
  if (r.DeclinationSingleWheel == 0) {
    p.CuspLabels();
    p.Interceptions();
  }
  p.AspectLines(p.Points());
  DrawTitleBlock(canvas, in, true, personalHeader);
  grid();
}

}  // namespace orv
