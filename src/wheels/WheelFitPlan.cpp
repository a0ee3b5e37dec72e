#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/Angles.h"
#include "core/ChartModel.h"
#include "core/OptionNumbers.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/DualWheelInputs.h"
#include "wheels/GlyphCodes.h"
#include "wheels/LabelReach.h"
#include "wheels/WheelFit.h"
#include "wheels/WheelLayout.h"

namespace orv::wheelfit {

namespace O = OptionNumber;

WheelPlan FitWheel(const Canvas& surface, const WheelPaintInputs& in, const SurfaceOptions& o,
                   const std::optional<std::array<UserPoint, 2>>& gridBox) {
  return WheelFit(surface, in, o, gridBox).Plan();
}

// In the order the paint draws them, each in the text state the paint
// leaves it (the combined arrangement's house numbers, drawn before its
// cusp labels, in the cusp degrees' size, black).
WheelPlan WheelFit::Plan() {
  surface_.SetFontName(GlyphFontFace);
  if (req_.WheelKind == 2) {
    surface_.SetFontSize(Opt(o_.cuspDegreeSize));
    surface_.SetFontBold(false);
    surface_.SetForeColor(QBColor(0));
    if (req_.DualWheelShown == 1) {
      DualSignGlyphs();
      DualPoints();
    } else {
      CuspLabels();
      Interceptions();
      CombinedPoints();
    }
  } else {
    if (o_.printing) surface_.SetFontBold(false);
    if (req_.DeclinationSingleWheel == 0) {
      CuspLabels();
      Interceptions();
    }
    Points();
  }
  plan_.font = surface_.Font();
  plan_.color = surface_.ForeColor();
  return std::move(plan_);
}

// A leader line, piece by piece.
void WheelFit::PutPath(const std::vector<UserPoint>& path, Rgb color) {
  for (std::size_t k = 1; k < path.size(); ++k)
    plan_.marks.push_back({PlanMark::Kind::Line, path[k - 1], path[k], {}, {}, color});
}

// The twelve cusp labels. A European wheel's labels at their cusps' true
// angles, where very unequal houses bring cusps a degree or two apart,
// move along the rim, each as little as keeps it clear of those placed
// before it.
void WheelFit::CuspLabels() {
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
    PutCuspLabel(label, nullptr);
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
    PutCuspLabel(label, nullptr);
    const auto& boxes = CuspLabelBoxes(label);
    taken.insert(taken.end(), boxes.begin(), boxes.end());
  }
}

void WheelFit::PutCuspLabel(const CuspLabel& label,
                            std::vector<std::array<UserPoint, 2>>* measured) {
  surface_.SetFontSize(Opt(o_.cuspDegreeSize));
  surface_.SetForeColor(Color(o_.cuspDegreeColor));
  PutBold(label[0].code, label[0].at, measured);
  PutBold(label[1].code, label[1].at, measured);
  surface_.SetFontSize(Opt(o_.cuspSignSize));
  surface_.SetForeColor(Color(o_.cuspSignColor));
  Put(label[2].code, label[2].at, measured);
  surface_.SetFontSize(Opt(o_.cuspMinuteSize));
  surface_.SetForeColor(Color(o_.cuspMinuteColor));
  Put(label[3].code, label[3].at, measured);
  Put(label[4].code, label[4].at, measured);
}
const std::vector<std::array<UserPoint, 2>>& WheelFit::CuspLabelBoxes(const CuspLabel& label) {
  return Measured([&](auto* measured) { PutCuspLabel(label, measured); });
}
// Whether any of `boxes` comes within a unit of any of `others`.
bool WheelFit::Touches(const std::vector<std::array<UserPoint, 2>>& boxes,
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
void WheelFit::KeepOnSurface(CuspLabel& label) {
  surface_.SetFontSize(Opt(o_.cuspMinuteSize));
  const double right = label[4].at.x + surface_.TextWidth(GlyphText(label[4].code));
  const double over = std::max(0.0, right - (surface_.ScaleLeft() + surface_.ScaleWidth())) -
                      std::max(0.0, surface_.ScaleLeft() - label[0].at.x);
  for (PlacedCharacter& c : label) c.at.x -= over;
}

void WheelFit::Interceptions() {
  surface_.SetFontSize(Opt(o_.cuspSignSize));
  surface_.SetForeColor(Color(o_.cuspSignColor));
  const double left = surface_.ScaleLeft(), right = left + surface_.ScaleWidth();
  const auto width = [&](int sign) {
    return surface_.TextWidth(GlyphText(GlyphCode::SignBase + sign));
  };
  for (int h = 1; h <= 12; ++h) {
    const std::vector<int> signs = InterceptedSigns(req_.Cusps, h);
    if (signs.empty()) continue;
    const double a = InterceptionAngle(req_.Cusps, h, in_.typeChart, req_.WheelKind);
    const double lineStep = surface_.TextHeight(GlyphText(GlyphCode::SignBase + signs.front()));
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
      for (const auto& [code, at] : row) Put(code, at, nullptr);
      break;
    }
  }
}
// The sign glyphs in the sectors of the dual ring, Aries from 9 o'clock
// counter-clockwise; none on a wheel of declinations or latitudes.
void WheelFit::DualSignGlyphs() {
  surface_.SetFontSize(Opt(o_.cuspSignSize));
  surface_.SetForeColor(QBColor(0));
  if (req_.DeclinationDualWheel != 0) return;
  const auto at = RingSignPositions();
  for (int h = 1; h <= 12; ++h)
    Put(GlyphCode::SignBase + h, at[static_cast<std::size_t>(h)], nullptr);
}

// Both charts of the two-ring wheel around its circle, and where the
// aspect lines between them end, on the circle.
void WheelFit::DualPoints() {
  MeasureCells();
  const DualWheelInputs inputs = TwoRingInputs(req_);
  DualPlacement placed = PlaceDualWheel(inputs);
  // On a screen as large as a single wheel's labels read, whatever the
  // window's size; the printed page keeps its sizes.
  const std::vector<RingSpot> spots =
      FitRing(placed, o_.printing ? kSmallestLabel : ringLeast_, !o_.printing);
  for (std::size_t k = 0; k < placed.labels.size(); ++k) {
    const DualLabel& l = placed.labels[k];
    const std::vector<Box>& boxes = RingBoxes(l, spots[k]);
    plan_.ringLabels.insert(plan_.ringLabels.end(), boxes.begin(), boxes.end());
    if (const auto leader = ringLeaders_.find(k); leader != ringLeaders_.end())
      PutPath(leader->second.path, QBColor(l.secondChart() ? kLabelRed : kLabelBlue));
    DualLabelAt(l, spots[k], nullptr);
  }
  // A lent label's lines end where its leader does, at its own place.
  for (const auto& [k, leader] : ringLeaders_) placed.labels[k].angle = UserAngle(leader.target);
  plan_.ring = std::move(placed);
}

// The combined arrangement: the first pass in the outer band, the second
// chart's pass in the inner band, its glyphs in light red; with option
// 230 the strokes of their labels, which the lines between them pass
// behind.
void WheelFit::CombinedPoints() {
  MeasureCells();
  std::array<SingleWheelInputs, 2>& inputs = plan_.passInputs;
  std::array<std::vector<PlacedLabel>, 2>& placed = plan_.placed;
  for (const bool outerRing : {false, true}) {
    const std::size_t pass = outerRing ? 1 : 0;
    inputs[pass] = CombinedPassInputs(in_, outerRing);
    const WheelList list =
        BuildWheelList(inputs[pass].values, inputs[pass].housePositions, inputs[pass].lastPoint);
    placed[pass] = PlaceSingleWheel(inputs[pass], list);
    // Each band fitted as the single wheel's labels are.
    band_ = outerRing ? LabelBand{kBandsRadius, HouseNumbersReach(), OuterRingLineEndCorrection,
                                  true, QBColor(kLabelRed)}
                      : LabelBand{kRimRadius, kBandsRadius, LineEndCorrection, true, {}};
    FitMeasured(inputs[pass], placed[pass]);
    for (const PlacedLabel& l : placed[pass]) {
      Leader(l);
      Label(l, nullptr);
    }
  }
  band_ = {};
  if (!in_.orbs || Opt(O::TransitsVsNatalAspectLines) == 0) return;
  // As on the single wheel, the lines end on the circle inside the labels,
  // that of the house numbers' ring, and cross no label. Lines to the rim
  // (option 231) cross both bands: they pass behind every label, never
  // between its characters, and their glyphs stand clear of the labels.
  for (const auto& pass : placed)
    for (const PlacedLabel& l : pass) {
      Strokes(Boxes(l), plan_.keepClear);
    }
}

// How far the house numbers reach from the centre: on a page whose units
// are taller than wide their characters stand out past their circle, and
// the inner band's labels keep clear of them.
double WheelFit::HouseNumbersReach() {
  surface_.SetFontSize(Opt(o_.cuspDegreeSize));
  double reach = kHouseNumbersRadius;
  for (const PlacedCharacter& c : HouseNumberCharacters()) {
    const std::string text = GlyphText(c.code);
    const LabelBox box{c.at,
                       {c.at.x + surface_.TextWidth(text), c.at.y - surface_.TextHeight(text)}};
    reach = std::max(reach, FarthestCorner(std::span(&box, 1), Squash()));
  }
  return reach;
}

// The single wheel's labels, and where its aspect lines end.
void WheelFit::Points() {
  MeasureCells();
  SingleWheelInputs inputs = SingleWheelInputsOf(in_);
  inputs.cellWidth = glyphStepX_;
  inputs.cellHeight = glyphStepY_;
  const WheelList list = BuildWheelList(inputs.values, inputs.housePositions, inputs.lastPoint);
  std::vector<PlacedLabel>& placed = plan_.placed[0] = PlaceSingleWheel(inputs, list);
  if (req_.DeclinationSingleWheel == 1) {
    RingPoints(placed, list);
    return;
  }
  FitMeasured(inputs, placed);
  for (const PlacedLabel& l : placed) {
    Leader(l);
    Label(l, nullptr);
  }
}

// A wheel of declinations or latitudes: its labels around the ring as the
// two-ring wheel sets its first chart's, each house a sector of the ring;
// the aspect lines end beside them.
void WheelFit::RingPoints(std::vector<PlacedLabel>& placed, const WheelList& list) {
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
  // On a screen as large as the single wheel's labels read, a sector that
  // cannot hold its labels so lending them with a leader line back, as on
  // the two-ring wheel; the printed page keeps its sizes.
  const std::vector<RingSpot> spots =
      FitRing(ring, o_.printing ? kSmallestLabel : ringLeast_, !o_.printing);
  for (std::size_t k = 0; k < placed.size(); ++k) {
    double lineEnd = ring.labels[k].angle;
    if (const auto leader = ringLeaders_.find(k); leader != ringLeaders_.end()) {
      PutPath(leader->second.path, QBColor(kLabelBlue));
      lineEnd = UserAngle(leader->second.target);
    }
    DualLabelAt(ring.labels[k], spots[k], nullptr);
    placed[k].angle = placed[k].lineEndAngle = lineEnd;
  }
}
// A rehoused label's leader line: from its glyph to its place on the rim.
void WheelFit::Leader(const PlacedLabel& l) {
  const auto it = leaders_.find(l.point);
  if (it == leaders_.end()) return;
  PutPath(LeaderPath(l, it->second), band_.glyphColor.value_or(Color(o_.glyphColor)));
}

}  // namespace orv::wheelfit
