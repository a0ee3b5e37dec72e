#include "wheels/WheelPaint.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <span>
#include <tuple>
#include <type_traits>
#include <unordered_map>

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
#include "wheels/WheelLayout.h"

namespace orv {

namespace {

// The option numbers one surface reads; the printer's are its own twins.
struct SurfaceOptions {
  bool printing;
  int titleSize, cuspDegreeSize, cuspSignSize, cuspMinuteSize;
  int glyphSize, degreeSize, signSize, minuteSize, retroSize;
  int titleColor, cuspDegreeColor, cuspSignColor, cuspMinuteColor;
  int glyphColor, degreeColor, signColor, minuteColor, retroColor;
  int ringColor, spokeColor;
  int glyphWidthOffset, digitWidthOffset, glyphHeightOffset, digitHeightOffset;
  int shrinkThreshold, shrinkAmount;
  // The vertical factor of spoke and line ends: the surface's own, which
  // the painter sets from its shape (`SurfaceVerticalFactor`).
  double verticalFactor = 1;
};

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

// The label colours of chart 1 and chart 2 on the two-ring wheel (chart 1's
// also on the declination wheel).
constexpr int kLabelBlue = 9;
constexpr int kLabelRed = 12;
// The smallest share of its font sizes a crowded house's labels shrink to,
// and the room, in wheel units, kept between a label and the rim.
constexpr double kSmallestLabel = 0.5;
// Smaller still only for a house too narrow to hold even that: a label in a
// wrong house would be a wrong result.
constexpr double kNarrowestHouseLabel = 0.25;
// On a screen a single wheel's labels shrink no further than a glyph reads:
// about 9 pixels of ink at 96 dpi, which the glyph font's symbols and
// digits draw at 1500/2048 of their em; in points of that em.
constexpr double kLeastReadableGlyphPoints = 9.0 * 72 / 96 / (1500.0 / 2048);
constexpr double kRimClearance = 1.5;
// How much further from the rim each label lent to a neighbouring house
// stands than the next one away from its own house: the leader line of
// that one runs outside it. A label kept at home that a leader line would
// cross stands in from the rim by as much, up to `kLeaderSteps` times, or
// where no split of a house clears its leader lines so, `kMoreLeaderSteps`.
constexpr double kLeaderRoom = 4;
// As much in a band of the combined arrangement whose labels cannot be
// dealt out so: about a third as deep as the single wheel's, it has room
// for more lines when they run closer.
constexpr double kCloserLeaderRoom = 3;
constexpr int kLeaderSteps = 3;
constexpr int kMoreLeaderSteps = 4;
// How many houses away from its own a label of a crowded band of the
// combined arrangement may stand.
constexpr int kSpreadHouses = 3;
// How many times the labels a leader line of such a band crosses stand in
// a step further before the band is dealt out again.
constexpr int kSpreadSteps = 6;
// The least angle, in degrees, between a leader line's rim end and its
// house's spokes.
constexpr double kLeaderEndInset = 1;
// How far past its row's edge a label may reach once moved along its house
// (where its characters stand otherwise to the rim), in units: less than
// the rim's clearance. Beyond it the label is drawn in again.
constexpr double kReachSlack = 1;
// The room kept between two labels of a house, as a share of a character's
// height: nearer, their characters run together and the eye reads across.
constexpr double kLabelGapShare = 0.32;
// The circles the single wheel's labels stand between.
constexpr double kRimRadius = 217, kInnerRadius = 120;
// The combined arrangement's bands: the first chart's outside the circle
// between them, the second's inside it, down to the house numbers' ring.
constexpr double kBandsRadius = 138, kHouseNumbersRadius = 62;
// How many passes at their least size a row that must fit is moved along
// its house before it counts as not fitting: more have never made one fit.
constexpr int kPassesAtLeast = 3;
// The squeeze below which a row placed once at its least size counts as
// not fitting at once: it needs twice its house's room, which moving its
// labels along has never made up.
constexpr double kHopelessSqueeze = 0.5;
// A house whose one row of labels would shrink below this share of their
// size tries a second row.
constexpr double kSecondRowBelow = 0.85;
// The least angle, in degrees, between the glyphs of a two-row house taken
// in zodiac order: nearer, two of them read as a pair side by side.
constexpr double kStaggerDeg = 1.5, kLeastStaggerDeg = 1.1;
// How many labels' measured boxes a paint keeps at most (a crowded house
// measures a few thousand).
constexpr std::size_t kKeptShapes = 20000;
// Where the two-ring wheel's labels begin: clear of the conjunction arcs
// drawn along its circle.
constexpr double kRingLabelsFrom = WheelRadius + 3.5;
// Where a lent two-ring label's leader line ends: between the circle (and
// the conjunction arcs along it) and the labels.
constexpr double kRingLeaderEnd = WheelRadius + 3;
// How much nearer the circle the leader line of each label lent further
// runs (so that no two run together), how many labels a sector lends on
// each side, and the most degrees of the circle one piece of such a line
// spans.
constexpr double kRingLeaderStep = 0.6;
constexpr std::size_t kRingLentPerSide = 4;
constexpr double kRingLeaderStepDeg = 3;
// How many such lines run one under another at most: the last just outside
// the circle.
constexpr std::size_t kRingLinesPerSide = 5;
// How many sectors away a crowded sector's labels may be lent: further,
// their lines would be too long to follow; but where that leaves a
// sector's labels too small to read, one sector further.
constexpr int kRingLendReach = 2, kRingFarthestReach = 3;
// The radius the ring's spokes reach, outside its circle.
constexpr double kRingSpokeEnd = WheelRadius + 30;
// The two-ring wheel's labels shrink to this share of their sizes before a
// crowded sector takes a second row.
constexpr double kRingSecondRowBelow = 0.75;
// The least room, in pixels, between a ring label and the window's edge.
constexpr double kEdgeMarginPx = 4;

// A factor that runs linearly over a quarter of the circle: from `start` at
// t = 0 to `end` at t = 1, t = (a - tFrom) / 90, for angles from `low` on.
struct Band {
  double low, start, end, tFrom;
};
double BandFactor(double a, const std::array<Band, 4>& bands) {
  std::size_t k = 3;
  for (std::size_t b = 0; b < 3; ++b)
    if (a >= bands[b].low && a < bands[b + 1].low) {
      k = b;
      break;
    }
  const double t = (a - bands[k].tFrom) / 90;
  return bands[k].start + t * (bands[k].end - bands[k].start);
}
constexpr std::array<Band, 4> kGlyphY{
    {{0, .25, .12, 0}, {90, .12, .25, 90}, {180, .25, .5, 180}, {270, .5, .25, 270}}};
constexpr std::array<Band, 4> kGlyphX{
    {{0, 0, -.25, 0}, {90, -.25, -.75, 90}, {180, -.75, -.25, 180}, {270, -.25, 0, 270}}};
constexpr std::array<Band, 4> kTextY{
    {{0, .25, .12, 0}, {60, .12, .25, 90}, {180, .25, .5, 180}, {300, .5, .25, 270}}};
constexpr std::array<Band, 4> kTextX{
    {{0, 0, 0, 0}, {90, 0, -1.65, 90}, {180, -1.65, -.25, 180}, {270, -.25, 0, 270}}};

// The ways `lent` labels go to the two sides, by how many go to the one
// before: the more even first.
std::vector<std::size_t> EvenSplitsFirst(std::size_t lent) {
  std::vector<std::size_t> splits(lent + 1);
  for (std::size_t b = 0; b <= lent; ++b) splits[b] = b;
  const auto unevenness = [&](std::size_t b) { return b * 2 > lent ? b * 2 - lent : lent - b * 2; };
  std::stable_sort(splits.begin(), splits.end(),
                   [&](auto x, auto y) { return unevenness(x) < unevenness(y); });
  return splits;
}

CircleStyle Ring(Rgb color) {
  CircleStyle style;
  style.color = color;
  return style;
}

// A hash `h` with the bits of `d` mixed in; zeros of either sign, which
// compare equal, alike.
std::uint64_t MixedIn(std::uint64_t h, double d) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(d == 0 ? 0.0 : d);
  bits ^= bits >> 29;
  bits *= 0xbf58476d1ce4e5b9ULL;
  bits ^= bits >> 32;
  return (h ^ bits) * 0x9e3779b97f4a7c15ULL + (h >> 7);
}

// Whether the same labels stand alike, as far as fitting them moves them.
bool SamePlaces(const std::vector<PlacedLabel>& a, const std::vector<PlacedLabel>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.angle == y.angle && x.radius == y.radius && x.lineEndAngle == y.lineEndAngle &&
           x.sizeFactor == y.sizeFactor;
  });
}

class Painter {
 public:
  // On a surface whose scale is set.
  Painter(Canvas& canvas, const WheelPaintInputs& in, const SurfaceOptions& o)
      : canvas_(canvas), in_(in), req_(*in.request), o_(o) {
    o_.verticalFactor = SurfaceVerticalFactor(canvas);
    squash_ = std::fabs(canvas_.DeviceUnitsPerUserY() / canvas_.DeviceUnitsPerUserX());
  }

  double Opt(int n) const { return (*in_.options)[static_cast<std::size_t>(n)]; }
  Rgb Color(int option) const { return QBColor(Opt(option)); }

  void Put(int code, UserPoint at) { PutText(GlyphText(code), at); }
  // Drawn (on paper its box kept, for the aspect grid to keep clear of),
  // or while measuring only its box noted.
  void PutText(const std::string& text, UserPoint at) {
    if (measuring_ || o_.printing) {
      const double width = canvas_.TextWidth(text), height = canvas_.TextHeight(text);
      const std::array<UserPoint, 2> box{at, {at.x + width, at.y - height}};
      if (measuring_) {
        boxes_.push_back(box);
        if (strokes_) strokes_->push_back({LabelStroke::Put, width, height});
        return;
      }
      printed_.push_back(box);
    }
    canvas_.SetCurrent(at);
    canvas_.Print(text);
  }
  // The boxes of the texts drawn on paper so far.
  const std::vector<std::array<UserPoint, 2>>& Printed() const { return printed_; }
  // On paper, the box the aspect grid covers at its lowest place, which
  // the two-ring wheel's crowded sectors keep their labels out of.
  void KeepRingOutOf(const std::array<UserPoint, 2>& box) { gridBox_ = box; }
  // The boxes of the two-ring wheel's labels as drawn.
  const std::vector<std::array<UserPoint, 2>>& RingLabels() const { return ringLabels_; }
  void PutBold(int code, UserPoint at) {
    canvas_.SetFontBold(true);
    Put(code, at);
    canvas_.SetFontBold(false);
  }

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

  // The glyph and digit cells in the planet glyph size.
  void MeasureCells() {
    ForgetShapes();
    strokesOf_.clear();
    canvas_.SetFontSize(Opt(o_.glyphSize));
    const std::string reference = GlyphText(GlyphCode::Earth);
    glyphStepX_ = ToInteger(canvas_.TextWidth(reference) + Opt(o_.glyphWidthOffset));
    glyphStepY_ = ToInteger(canvas_.TextHeight(reference) + Opt(o_.glyphHeightOffset));
  }

  int PointCode(int p) const {
    return req_.HelioWheel == 1 && p == ChartPoint::Sun ? GlyphCode::Earth
                                                        : GlyphCode::PointBase + p;
  }

  void MeasureDigit(const std::string& text, int widthOffset, int heightOffset) {
    digitStepX_ = ToInteger(canvas_.TextWidth(text) + Opt(widthOffset));
    digitStepY_ = ToInteger(canvas_.TextHeight(text) + Opt(heightOffset));
  }
  void Step(double angle, double sx, double sy) {
    at_ = StepTowardCentre(at_, angle, sx, sy, o_.printing);
    if (strokes_) strokes_->push_back({LabelStroke::Step, sx, sy});
  }
  void Shrink(double angle) {
    digitStepY_ = ShrunkDigitStep(digitStepY_, Opt(o_.minuteSize), Opt(o_.shrinkThreshold),
                                  Opt(o_.shrinkAmount), angle, o_.printing);
  }

  void Label(const PlacedLabel& l) {
    sizeFactor_ = l.sizeFactor;
    const LongitudeParts parts = SplitLongitudeDM(Mod360(l.value));
    const double r = o_.printing ? l.radius * 0.9875 : l.radius;
    const double a = l.angle;
    const double rad = a * std::numbers::pi / 180;
    canvas_.SetFontSize(Size(o_.glyphSize));
    canvas_.SetForeColor(glyphColor_ ? *glyphColor_ : Color(o_.glyphColor));
    at_ = {r * std::cos(rad), r * std::sin(rad)};
    Put(PointCode(l.point), at_);
    const std::string zero = "0";
    const int sign = GlyphCode::SignBase + parts.sign;
    // The retrograde mark stands next to its own glyph, inside the column:
    // at the column's inner end it would sit beside a neighbour's degrees.
    const std::string mark = GlyphText(GlyphCode::RetrogradeMark);
    std::optional<UserPoint> markAt;
    const auto keepRoomForMark = [&] {
      if (!l.retrograde) return;
      markAt = at_;
      if (strokes_) strokes_->push_back({LabelStroke::Mark});
      canvas_.SetFontSize(Size(o_.retroSize));
      MeasureDigit(mark, o_.glyphWidthOffset, o_.glyphHeightOffset);
      Step(a, digitStepX_, digitStepY_);
    };
    if (l.leftSideOrder) {
      Step(a, glyphStepX_ * sizeFactor_, glyphStepY_ * sizeFactor_);
      keepRoomForMark();
      canvas_.SetFontSize(Size(o_.degreeSize));
      MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
      canvas_.SetForeColor(Color(o_.degreeColor));
      PutBold('0' + parts.degrees / 10, at_);
      Step(a, digitStepX_, digitStepY_);
      PutBold('0' + parts.degrees % 10, at_);
      Step(a, digitStepX_, digitStepY_);
      canvas_.SetFontSize(Size(o_.signSize));
      canvas_.SetForeColor(Color(o_.signColor));
      Put(sign, at_);
      MeasureDigit(GlyphText(sign), o_.glyphWidthOffset, o_.glyphHeightOffset);
      Step(a, digitStepX_, digitStepY_);
      canvas_.SetFontSize(Size(o_.minuteSize));
      canvas_.SetForeColor(Color(o_.minuteColor));
      MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
      Put('0' + parts.minutes / 10, at_);
      Step(a, digitStepX_, digitStepY_);
      Put('0' + parts.minutes % 10, at_);
      Step(a, digitStepX_, digitStepY_);
    } else {
      canvas_.SetForeColor(Color(o_.minuteColor));
      MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
      Shrink(a);
      Step(a, digitStepX_, digitStepY_);
      keepRoomForMark();
      canvas_.SetFontSize(Size(o_.minuteSize));
      MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
      Shrink(a);
      Put('0' + parts.minutes % 10, at_);
      Step(a, digitStepX_, digitStepY_);
      Put('0' + parts.minutes / 10, at_);
      Step(a, digitStepX_, digitStepY_);
      MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
      Step(a, digitStepX_, digitStepY_);
      canvas_.SetFontSize(Size(o_.signSize));
      canvas_.SetForeColor(Color(o_.signColor));
      Put(sign, at_);
      canvas_.SetFontSize(Size(o_.degreeSize));
      canvas_.SetForeColor(Color(o_.degreeColor));
      MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
      Step(a, digitStepX_, digitStepY_);
      PutBold('0' + parts.degrees % 10, at_);
      Step(a, digitStepX_, digitStepY_);
      PutBold('0' + parts.degrees / 10, at_);
      Step(a, digitStepX_, digitStepY_);
    }
    if (markAt) {
      canvas_.SetFontSize(Size(o_.retroSize));
      const Rgb kept = canvas_.ForeColor();
      canvas_.SetForeColor(Color(o_.retroColor));
      if (strokes_) strokes_->push_back({LabelStroke::AtMark});
      Put(GlyphCode::RetrogradeMark, *markAt);
      canvas_.SetForeColor(kept);
    }
  }

  // A label of the two-ring style (the two-ring wheel and the declination
  // wheel): the glyph beside the ring at radius `rho`, its text one glyph
  // cell further out, both in chart 1's light blue or chart 2's light red;
  // on paper chart 1 in bold. `factor` scales its sizes (a crowded sector).
  void RingLabel(int code, bool secondChart, const std::string& text, double a, int houseCount,
                 double rho = WheelRadius + 5, double factor = 1) {
    const double rad = a * std::numbers::pi / 180;
    const double c = std::cos(rad), s = std::sin(rad);
    const Rgb ink = QBColor(secondChart ? kLabelRed : kLabelBlue);
    const bool bold = o_.printing && !secondChart;
    const double stepX = glyphStepX_ * factor, stepY = glyphStepY_ * factor;
    canvas_.SetFontSize(Opt(o_.glyphSize) * factor);
    canvas_.SetForeColor(ink);
    const double fy = BandFactor(a, kGlyphY), fx = BandFactor(a, kGlyphX);
    const UserPoint glyph{rho * c + fx * stepX, rho * s + fy * stepY};
    if (bold)
      PutBold(code, glyph);
    else
      Put(code, glyph);
    const double gy = BandFactor(a, kTextY), gx = BandFactor(a, kTextX);
    const UserPoint at{rho * c + gx * stepX + stepX * c, rho * s + gy * stepY + stepY * s};
    double size = Opt(o_.degreeSize);
    if (houseCount > 6) {
      size -= houseCount - 6;
      // On paper too: a sector of fourteen points would print its degrees
      // at a point or two; the fit shrinks them only as far as it must.
      if (o_.printing) size = std::max(size, std::min(8.0, Opt(o_.degreeSize)));
      if (!o_.printing && size < 8) size = 8;
      // Never below the share of its size at which the glyph still reads.
      // (a sector that cannot lend keeps the smaller sizes it had).
      if (ringLeast_ > 0 && factor >= ringLeast_ - 1e-9)
        size = std::max(size, Opt(o_.degreeSize) * ringLeast_ / factor);
    }
    canvas_.SetFontSize(size * factor);
    canvas_.SetFontBold(bold);
    PutText(text, at);
    canvas_.SetFontBold(false);
    canvas_.SetForeColor(Color(o_.degreeColor));
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

  // Whether the ring shows magnitudes of declinations or latitudes (no sign
  // glyphs in its sectors).
  bool MagnitudeRing() const {
    return req_.DeclinationDualWheel == 1 || req_.DeclinationSingleWheel == 1;
  }

  // Each house's labels refitted by the boxes they really cover on this
  // surface: apart, clear of the house's spokes, the rim and the inner
  // circle. Where a house holds more than fit at full size, its labels
  // shrink a little, or every other one moves into a second row further in,
  // whichever keeps them larger (never below a legible minimum).
  void FitMeasured(const SingleWheelInputs& inputs, std::vector<PlacedLabel>& placed) {
    leaders_.clear();
    spread_.clear();
    spreadFits_.clear();
    const std::vector<PlacedLabel> original = placed;
    const auto groups = HouseGroups(placed);
    const auto sectorOf = [&](int house) {
      return SurfaceSector(HouseSectorOf(inputs, house), o_.verticalFactor);
    };
    // By house: whether its labels took two rows, and those too many for it
    // at a legible size.
    std::array<bool, 13> twoRowHouse{};
    std::vector<std::pair<std::size_t, std::size_t>> homeless;
    for (const auto& [from, to] : groups) {
      const HouseSector sector = sectorOf(placed[from].house);
      const auto first = placed.begin() + static_cast<std::ptrdiff_t>(from);
      const auto last = placed.begin() + static_cast<std::ptrdiff_t>(to);
      std::vector<PlacedLabel> fitted(first, last), least(first, last);
      const auto [size, twoRows] = FitHouse(sector, fitted, false);
      if (twoRows) twoRowHouse[std::size_t(placed[from].house)] = true;
      if (size == 0) {
        homeless.emplace_back(from, to);
        if (FitOneRow(sector, least, kNarrowestHouseLabel) > 0)
          fitted = least;  // kept, should no neighbour take them in
      }
      std::copy(fitted.begin(), fitted.end(), first);
    }
    std::array<bool, 13> lender{};
    for (const auto& [from, to] : homeless) lender[std::size_t(placed[from].house)] = true;
    bool spreadTried = false;  // it deals out the whole band, once
    for (const auto& [from, to] : homeless) {
      if (Lend(inputs, original, placed, groups, twoRowHouse, lender, from, to)) continue;
      // Their leader lines may clear the labels they cross once those stand
      // in further: tried only here, so that a house that lends as it is
      // keeps its split.
      leaderSteps_ = kMoreLeaderSteps;
      const bool lent = Lend(inputs, original, placed, groups, twoRowHouse, lender, from, to);
      leaderSteps_ = kLeaderSteps;
      if (lent) continue;
      // A band of the combined arrangement is too narrow for a crowded
      // house to keep its labels at home at a size that reads: the band's
      // labels dealt out afresh to houses further away.
      if (band_.combined && !spreadTried) {
        spreadTried = true;
        // Straight lines first, then lanes; in a window larger than the
        // wheel opens in, lanes as far apart on the screen take fewer
        // units, which leaves the labels more room. Last, labels dealt to
        // where either reading order reads take their hosts' order rather
        // than keep their own, which changes their shapes.
        std::vector<double> laneSteps{kLeaderRoom, kCloserLeaderRoom};
        if (const double step = ScreenLaneRoom(); step < kCloserLeaderRoom)
          laneSteps.push_back(step);
        bool spread = false;
        for (const double step : {kLeaderRoom, kCloserLeaderRoom})
          spread = spread || Spread(inputs, original, placed, step, false);
        for (const bool hostOrder : {false, true}) {
          hostOrder_ = hostOrder;
          for (const double step : laneSteps)
            spread = spread || Spread(inputs, original, placed, step, true);
        }
        hostOrder_ = false;
        if (spread) break;
      }
      // Else side by side in pairs, when that is how they fit at home; a
      // house fuller than that shrinks them further, else a neighbour takes
      // them all in.
      const int house = placed[from].house;
      bool atHome = false;
      for (const bool legible : {true, false}) {
        legible_ = legible;
        std::vector<PlacedLabel> pairs(original.begin() + long(from), original.begin() + long(to));
        if (!atHome && FitHouse(sectorOf(house), pairs, true).first > 0) {
          std::copy(pairs.begin(), pairs.end(), placed.begin() + long(from));
          twoRowHouse[std::size_t(house)] = atHome = true;
        }
      }
      if (!atHome) Rehouse(inputs, placed, groups, twoRowHouse, from, to);
      legible_ = true;
    }
    sizeFactor_ = 1;
  }

  // In a window, the units that take as many pixels as `kCloserLeaderRoom`
  // takes at the size the wheel opens in, which the labels grow from;
  // on paper, that room itself.
  double ScreenLaneRoom() const {
    if (o_.printing) return kCloserLeaderRoom;
    return kCloserLeaderRoom /
           WindowFontScale(canvas_.DeviceUnitsPerUserX(), canvas_.DotsPerInch());
  }

  // The labels of a band, in zodiac order, dealt out to houses up to
  // `kSpreadHouses` away from their own, so that every house holds its
  // share at a size that reads: as few lent, and as short a way, as may be.
  // A lent label stands at its host's end toward its own house, with a
  // leader line to its point's place; every label a leader line passes
  // stands in from the rim a step (`step` units) further for it. With
  // `lanes` (`LeaderPath`), lines run round just outside the labels they
  // pass, so the lent label nearest its own house, whose line passes none
  // of its host's, stands at the rim. False when no dealing fits, or when
  // some leader line would still cross a label.
  bool Spread(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& original,
              std::vector<PlacedLabel>& placed, double step, bool lanes) {
    const std::size_t n = original.size();
    const auto sectorOf = [&](int h) {
      return SurfaceSector(HouseSectorOf(inputs, h), o_.verticalFactor);
    };
    // More room for the labels a leader line crossed.
    std::map<int, double> extra;
    for (int again = 0; again <= kSpreadSteps; ++again) {
      struct Dealing {
        double cost = 1e18;
        std::vector<std::size_t> seq;
        std::vector<const SpreadFit*> blocks;
        std::vector<int> hosts;
      } best;
      for (int cut = 1; cut <= 12; ++cut) {
        // The labels from house `cut` round, and each one's house counted
        // from it.
        const auto rel = [&](int house) { return (house - cut + 12) % 12; };
        std::vector<std::size_t> seq(n);
        for (std::size_t k = 0; k < n; ++k) seq[k] = k;
        std::stable_sort(seq.begin(), seq.end(), [&](std::size_t x, std::size_t y) {
          return rel(original[x].house) < rel(original[y].house);
        });
        const auto own = [&](std::size_t k) { return rel(original[seq[k]].house); };
        // The first label of a house from `h` on, the last of one up to `h`.
        const auto firstFrom = [&](int h) {
          std::size_t k = 0;
          while (k < n && own(k) < h) ++k;
          return k;
        };
        const auto lastTo = [&](int h) {
          std::ptrdiff_t k = std::ptrdiff_t(n) - 1;
          while (k >= 0 && own(std::size_t(k)) > h) --k;
          return k;
        };
        const auto fitOf = [&](int h, std::size_t b, std::size_t e) -> const SpreadFit& {
          const int house = (h + cut - 1) % 12 + 1;
          const HouseSector sector = sectorOf(house);
          const std::size_t first = firstFrom(h);
          const std::ptrdiff_t last = lastTo(h);
          std::vector<double> rooms;
          bool lent = false;
          for (std::size_t k = b; k < e; ++k) {
            const double passing =
                double(std::max<std::ptrdiff_t>(0, std::ptrdiff_t(first) - std::ptrdiff_t(k) - 1) +
                       std::max<std::ptrdiff_t>(0, std::ptrdiff_t(k) - last - (lanes ? 1 : 0)));
            const auto more = extra.find(original[seq[k]].point);
            rooms.push_back(step * passing + (more == extra.end() ? 0 : more->second));
            lent = lent || own(k) != h;
          }
          auto [it, fresh] = spreadFits_.try_emplace({house, seq[b], e - b, rooms, hostOrder_});
          if (!fresh) return it->second;
          std::vector<PlacedLabel>& block = it->second.labels;
          for (std::size_t k = b; k < e; ++k) {
            PlacedLabel l = original[seq[k]];
            l.sizeFactor = 1;
            if (rooms[k - b] > 0) lentOut_[l.point] = rooms[k - b];
            if (own(k) != h) {
              l.radius = band_.rim;
              l.angle = UserAngle(own(k) < h ? sector.start - 0.01 * double(first - k)
                                             : sector.start + sector.width +
                                                   0.01 * double(std::ptrdiff_t(k) - last));
              // Dealt round to where it lies more across the wheel than up
              // and down, it reads from the rim in on the left and from the
              // centre out on the right, as the labels there do; the other
              // way its degrees would read backwards. Elsewhere either order
              // reads, and it keeps its own unless it takes its host's.
              const double rad = l.angle * std::numbers::pi / 180;
              if (hostOrder_)
                l.leftSideOrder = LeftSideOrder(inputs, house, l.angle);
              else if (std::abs(std::cos(rad)) > std::abs(std::sin(rad)))
                l.leftSideOrder = std::cos(rad) < 0;
            }
            block.push_back(l);
          }
          it->second.size = FitOnly([&] {
            return lent ? FitOneRow(sector, block, LeastLabelShare())
                        : FitHouse(sector, block, false).first;
          });
          lentOut_.clear();
          return it->second;
        };
        // The least cost of dealing the first `b` labels to the first `h`
        // houses, and the block of the last.
        constexpr double kNone = 1e18;
        std::vector<std::vector<double>> cost(13, std::vector<double>(n + 1, kNone));
        std::vector<std::vector<std::size_t>> from(13, std::vector<std::size_t>(n + 1, 0));
        cost[0][0] = 0;
        for (int h = 0; h < 12; ++h)
          for (std::size_t b = 0; b <= n; ++b) {
            if (cost[std::size_t(h)][b] >= kNone) continue;
            if (b < n && own(b) < h - kSpreadHouses) continue;
            double moved = 0;
            for (std::size_t e = b; e <= n; ++e) {
              if (e > b) {
                if (own(e - 1) > h + kSpreadHouses) break;
                moved += std::abs(own(e - 1) - h);
              }
              if (h == 11 && e < n) continue;
              double c = cost[std::size_t(h)][b] + moved;
              if (e > b) {
                // A house that cannot hold these holds no more.
                const SpreadFit& f = fitOf(h, b, e);
                if (f.size == 0) break;
                // Of dealings as good, that with the larger labels.
                c -= 0.01 * f.size * double(e - b) / double(n);
              }
              if (c < cost[std::size_t(h) + 1][e]) {
                cost[std::size_t(h) + 1][e] = c;
                from[std::size_t(h) + 1][e] = b;
              }
            }
          }
        if (cost[12][n] >= best.cost) continue;
        best.cost = cost[12][n];
        best.seq = seq;
        best.blocks.assign(12, nullptr);
        best.hosts.assign(n, 0);
        for (std::size_t h = 12, e = n; h > 0; --h) {
          const std::size_t b = from[h][e];
          if (e > b) best.blocks[h - 1] = &fitOf(int(h) - 1, b, e);
          for (std::size_t k = b; k < e; ++k) best.hosts[k] = (int(h) - 1 + cut - 1) % 12 + 1;
          e = b;
        }
      }
      if (best.cost >= 1e17) return false;
      std::vector<PlacedLabel> dealt = original;
      std::size_t k = 0;
      for (const SpreadFit* f : best.blocks)
        for (std::size_t j = 0; f && j < f->labels.size(); ++j, ++k)
          dealt[best.seq[k]] = f->labels[j];
      std::map<int, double> targets;
      for (std::size_t j = 0; j < n; ++j)
        if (best.hosts[j] != original[best.seq[j]].house) {
          PlacedLabel& l = dealt[best.seq[j]];
          targets[l.point] = RimPlace(inputs, l.house, l.value);
        }
      bool clear = true;
      spreading_ = true;
      spreadStep_ = step;
      spreadLanes_ = lanes;
      for (const PlacedLabel& l : dealt)
        if (const auto t = targets.find(l.point); t != targets.end())
          for (const int p : LeaderCrossings(l, t->second, dealt)) {
            extra[p] += step;
            clear = false;
          }
      spreading_ = false;
      if (!clear) continue;
      placed = dealt;
      leaders_.clear();
      for (PlacedLabel& l : placed)
        if (const auto t = targets.find(l.point); t != targets.end()) {
          leaders_[l.point] = t->second;
          spread_.insert(l.point);
          // The aspect lines end at the point's own place too.
          l.lineEndAngle = UserAngle(t->second);
        }
      return true;
    }
    return false;
  }

  // A house's labels in one row, or in two where that keeps them larger;
  // with `pairs`, two rows may set them side by side rather than staggered.
  // Returns their size, 0 when none fits at a legible size, and whether
  // they took two rows.
  std::pair<double, bool> FitHouse(const HouseSector& sector, std::vector<PlacedLabel>& house,
                                   bool pairs) {
    if (shapes_.size() > kKeptShapes) ForgetShapes();
    std::vector<PlacedLabel> twoRows = house;
    const double oneRowSize = FitOneRow(sector, house, LeastLabelShare());
    double twoRowSize = 0;
    // Too full to stagger them widely: less widely, else every other
    // label further in as it comes.
    constexpr double kStaggers[] = {kStaggerDeg, kLeastStaggerDeg, 0.0};
    if (oneRowSize < kSecondRowBelow)
      twoRowSize =
          FitTwoRows(sector, twoRows, std::span(kStaggers).first(pairs ? 3 : 2), oneRowSize);
    if (twoRowSize <= oneRowSize) return {oneRowSize, false};
    house = std::move(twoRows);
    return {twoRowSize, true};
  }

  // The labels [from, to) of a house too narrow to hold them all at a
  // legible size: as many as it holds stay, and its first and last go into
  // the houses either side, beside their own labels, each with a leader
  // line across the spoke to its point's place on its own house's rim that
  // crosses no label.
  // Fewest lent first, the more even splits first. False when none fits.
  bool Lend(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& original,
            std::vector<PlacedLabel>& placed,
            const std::vector<std::pair<std::size_t, std::size_t>>& groups,
            std::array<bool, 13>& twoRowHouse, std::array<bool, 13>& busy, std::size_t from,
            std::size_t to) {
    const int house = placed[from].house;
    const auto sectorOf = [&](int h) {
      return SurfaceSector(HouseSectorOf(inputs, h), o_.verticalFactor);
    };
    const HouseSector own = sectorOf(house);
    const std::size_t n = to - from;
    // Where each label's leader would end, by its index in `placed`.
    std::vector<double> target(to);
    for (std::size_t k = from; k < to; ++k) target[k] = RimPlace(inputs, house, original[k].value);
    // A neighbour (`dir` -1 the house before, 1 the one after) with our
    // labels [lentFrom, lentTo) beside its own on the side toward our house,
    // fitted in one row; where its own labels begin in `placed`.
    struct Host {
      int house = 0;
      std::size_t from = 0, ownCount = 0;
      std::vector<PlacedLabel> together;
    };
    // How much further in from the rim than they would stand the labels of
    // these points go, to let leader lines pass outside them.
    std::map<int, double> room;
    const auto host = [&](int dir, std::size_t lentFrom,
                          std::size_t lentTo) -> std::optional<Host> {
      Host h;
      h.house = (house - 1 + dir + 12) % 12 + 1;
      if (lentFrom == lentTo) return h;
      if (twoRowHouse[std::size_t(h.house)] || busy[std::size_t(h.house)]) return std::nullopt;
      const HouseSector sector = sectorOf(h.house);
      for (const auto& [f, t] : groups)
        if (placed[f].house == h.house) {
          h.from = f;
          h.together.assign(original.begin() + long(f), original.begin() + long(t));
        }
      h.ownCount = h.together.size();
      for (std::size_t k = lentFrom; k < lentTo; ++k) {
        PlacedLabel l = original[k];
        const std::size_t further = dir > 0 ? lentTo - 1 - k : k - lentFrom;
        lentOut_[l.point] = kLeaderRoom * double(further) + room[l.point];
        l.radius = band_.rim;  // drawn in only as far as it must
        l.angle =
            UserAngle(dir > 0 ? sector.start - 0.01 * double(lentTo - k)
                              : sector.start + sector.width + 0.01 * double(k - lentFrom + 1));
        h.together.push_back(l);
      }
      for (PlacedLabel& l : h.together) l.sizeFactor = 1;
      const bool fits =
          FitOnly([&] { return FitOneRow(sector, h.together, LeastLabelShare()); }) > 0;
      lentOut_.clear();
      if (!fits) return std::nullopt;
      return h;
    };
    // A host's fit depends only on how many it takes on its side: each is
    // fitted once, and a split whose hosts cannot take their share is
    // passed over before its own house is refitted.
    std::vector<std::optional<std::optional<Host>>> hostBefore(n), hostAfter(n);
    const auto hostOf = [&](int dir, std::size_t count) -> const std::optional<Host>& {
      auto& known = (dir < 0 ? hostBefore : hostAfter)[count];
      if (!known) known = dir < 0 ? host(-1, from, from + count) : host(1, to - count, to);
      return *known;
    };
    for (std::size_t lent = 1; lent < n; ++lent) {
      for (const std::size_t before : EvenSplitsFirst(lent)) {
        const std::size_t keptFrom = from + before, keptTo = to - (lent - before);
        room.clear();
        std::optional<Host> previous = hostOf(-1, before);
        if (!previous) continue;
        std::optional<Host> next = hostOf(1, lent - before);
        if (!next) continue;
        std::vector<PlacedLabel> kept;
        std::pair<double, bool> fit;
        const auto keep = [&] {
          kept.assign(original.begin() + long(keptFrom), original.begin() + long(keptTo));
          for (PlacedLabel& l : kept) l.sizeFactor = 1;
          lentOut_ = room;
          fit = FitOnly([&] { return FitHouse(own, kept, false); });
          lentOut_.clear();
        };
        // The labels the leader lines cross (with the kept ones or without);
        // a host's own, which stay where they are, as 0.
        const auto crossed = [&](bool withKept) {
          std::vector<PlacedLabel> around;
          if (withKept) around = kept;
          std::vector<int> fixed;
          for (const Host* h : {&*previous, &*next}) {
            around.insert(around.end(), h->together.begin(), h->together.end());
            for (std::size_t k = 0; k < h->ownCount; ++k) fixed.push_back(h->together[k].point);
          }
          std::vector<int> points;
          const auto add = [&](const PlacedLabel& l, double to) {
            for (const int p : LeaderCrossings(l, to, around))
              points.push_back(std::find(fixed.begin(), fixed.end(), p) == fixed.end() ? p : 0);
          };
          for (std::size_t k = previous->ownCount; k < previous->together.size(); ++k)
            add(previous->together[k], target[from + k - previous->ownCount]);
          for (std::size_t k = next->ownCount; k < next->together.size(); ++k)
            add(next->together[k], target[keptTo + k - next->ownCount]);
          return points;
        };
        const auto crossesAHost = [](const std::vector<int>& points) {
          return std::find(points.begin(), points.end(), 0) != points.end();
        };
        // A leader across a host's own labels crosses them wherever the
        // kept labels go: passed over before the house is refitted.
        if (crossesAHost(crossed(false))) continue;
        keep();
        if (fit.first == 0) continue;
        // A leader line runs just inside the rim to its point's place: the
        // labels kept or lent that it would cross stand in from the rim, a
        // step further each time, until it passes outside them.
        bool clear = false;
        for (int step = 0; step <= leaderSteps_; ++step) {
          const std::vector<int> points = crossed(true);
          clear = points.empty();
          if (clear || step == leaderSteps_ || crossesAHost(points)) break;
          for (const int p : points) room[p] += kLeaderRoom;
          // A fit depends on the room of its own labels alone: one whose
          // labels stand where they did comes out as it did.
          const auto moved = [&](std::size_t first, std::size_t last) {
            return std::any_of(original.begin() + long(first), original.begin() + long(last),
                               [&](const PlacedLabel& l) {
                                 return std::find(points.begin(), points.end(), l.point) !=
                                        points.end();
                               });
          };
          if (moved(keptFrom, keptTo)) keep();
          if (fit.first == 0)
            previous.reset();
          else if (moved(from, keptFrom))
            previous = host(-1, from, keptFrom);
          if (!previous)
            next.reset();
          else if (moved(keptTo, to))
            next = host(1, keptTo, to);
          if (!next) break;
        }
        if (!clear) continue;
        const bool twoRows = fit.second;
        std::copy(kept.begin(), kept.end(), placed.begin() + long(keptFrom));
        twoRowHouse[std::size_t(house)] = twoRows;
        for (const Host* h : {&*previous, &*next}) {
          if (h->together.empty()) continue;
          busy[std::size_t(h->house)] = true;
          std::copy(h->together.begin(), h->together.begin() + long(h->ownCount),
                    placed.begin() + long(h->from));
        }
        for (std::size_t k = from; k < keptFrom; ++k)
          placed[k] = previous->together[previous->ownCount + (k - from)];
        for (std::size_t k = keptTo; k < to; ++k)
          placed[k] = next->together[next->ownCount + (k - keptTo)];
        for (std::size_t k = from; k < to; ++k)
          if (k < keptFrom || k >= keptTo) {
            leaders_[placed[k].point] = target[k];
            // The aspect lines end at the point's own place too.
            placed[k].lineEndAngle = UserAngle(target[k]);
          }
        return true;
      }
    }
    return false;
  }

  // The labels [from, to) of a house too narrow to hold them at a legible
  // size go into the nearest house (three at most away) with room for them
  // beside its own, on the side toward their house, each with a leader line
  // from its glyph to its true place on the rim.
  void Rehouse(const SingleWheelInputs& inputs, std::vector<PlacedLabel>& placed,
               const std::vector<std::pair<std::size_t, std::size_t>>& groups,
               const std::array<bool, 13>& twoRowHouse, std::size_t from, std::size_t to) {
    const int house = placed[from].house;
    // The host that lets them (and its own) keep the largest size, the
    // nearer of two about as good.
    struct Host {
      double size = 0;
      std::size_t from = 0, ownCount = 0;
      std::vector<PlacedLabel> together;
    } best;
    for (int away = 1; away <= 3; ++away)
      for (const int dir : {-1, 1}) {
        const int host = (house - 1 + dir * away + 12) % 12 + 1;
        if (twoRowHouse[std::size_t(host)]) continue;
        const HouseSector nominal = HouseSectorOf(inputs, host);
        const double start = SurfaceAngle(nominal.start);
        const HouseSector sector{start,
                                 Norm360(SurfaceAngle(nominal.start + nominal.width) - start)};
        Host h;
        for (const auto& [f, t] : groups)
          if (placed[f].house == host) {
            h.from = f;
            h.together.assign(placed.begin() + long(f), placed.begin() + long(t));
          }
        h.ownCount = h.together.size();
        for (std::size_t k = from; k < to; ++k) {
          PlacedLabel l = placed[k];
          // Just outside the host on the side toward its own house, each
          // further in than the next one away, whose leader runs outside it.
          l.angle = UserAngle(dir > 0 ? sector.start - 0.01 * double(to - k)
                                      : sector.start + sector.width + 0.01 * double(k - from + 1));
          if (band_.combined) {
            lentOut_[l.point] = kLeaderRoom * double(dir > 0 ? to - 1 - k : k - from);
            l.radius = band_.rim;
          }
          h.together.push_back(l);
        }
        for (PlacedLabel& l : h.together) l.sizeFactor = 1;
        h.size = FitOnly([&] { return FitOneRow(sector, h.together, LeastLabelShare()); });
        lentOut_.clear();
        // Their leader lines cross no label.
        for (std::size_t k = from; k < to && h.size > 0 && band_.combined; ++k)
          if (!LeaderCrossings(h.together[h.ownCount + (k - from)],
                               RimPlace(inputs, house, placed[k].value), h.together)
                   .empty())
            h.size = 0;
        if (h.size > best.size + 0.05) best = std::move(h);
      }
    if (best.size == 0) return;
    std::copy(best.together.begin(), best.together.begin() + long(best.ownCount),
              placed.begin() + long(best.from));
    for (std::size_t k = from; k < to; ++k) {
      const double target = RimPlace(inputs, house, placed[k].value);
      leaders_[placed[k].point] = target;
      placed[k] = best.together[best.ownCount + (k - from)];
      // The aspect lines end at the point's own place too.
      placed[k].lineEndAngle = UserAngle(target);
    }
  }

  // Where the leader line of a label of `house` at longitude `value` ends:
  // the true direction, on this surface, of the point's own place between
  // the house's cusps, kept off its spokes so it cannot read as standing on
  // one.
  double RimPlace(const SingleWheelInputs& inputs, int house, double value) const {
    const double cusp = inputs.cusps[std::size_t(CuspIndexOfHouse(house))];
    const double span =
        Norm360(inputs.cusps[std::size_t(CuspIndexOfHouse(house % 12 + 1))] - cusp);
    const double past = Norm360(value - cusp);
    // Outside its cusps (stored a hair before the first): at the nearer.
    const double share =
        span <= 0 ? 0.5 : past <= span ? past / span : past - span < 360 - past ? 1 : 0;
    const HouseSector nominal = HouseSectorOf(inputs, house);
    const HouseSector own = SurfaceSector(nominal, o_.verticalFactor);
    const double inset = std::min(kLeaderEndInset, own.width / 4);
    const double into = Norm360(SurfaceAngle(nominal.start + nominal.width * share) - own.start);
    // A place a hair before the start comes round as nearly 360.
    const double held = into > own.width ? (into - own.width < 360 - into ? own.width : 0) : into;
    return Norm360(own.start + std::clamp(held, inset, own.width - inset));
  }

  // A rehoused label's leader line: from its glyph to its place on the rim.
  void Leader(const PlacedLabel& l) {
    const auto it = leaders_.find(l.point);
    if (it == leaders_.end()) return;
    const std::vector<UserPoint> path = LeaderPath(l, it->second);
    for (std::size_t k = 1; k < path.size(); ++k)
      canvas_.Line(path[k - 1], path[k], glyphColor_ ? *glyphColor_ : Color(o_.glyphColor));
  }
  // A leader line to the surface angle `target`, from its rim end to the
  // label's glyph, as pieces end to end: straight to the glyph's nearest
  // point, or for a label dealt out in a band of the combined arrangement
  // (`Spread`) to the nearer of its glyph's two outer corners, so that the
  // line, which may pass several labels, runs outside those standing in for
  // it. Where such straight lines, long ones cutting deep into the band,
  // cross labels, the band's lines run in lanes instead: out from the glyph
  // just past it, round to the point's place and out to the rim there.
  // Each label a line passes stands in a step further, so the lanes nest.
  std::vector<UserPoint> LeaderPath(const PlacedLabel& l, double target) {
    const auto glyph = Boxes(l).front();
    const auto at = [&](double radius, double degrees) {
      const double rad = degrees * std::numbers::pi / 180;
      return UserPoint{radius * std::cos(rad), radius * std::sin(rad) / Squash()};
    };
    const auto onGlyph = [&](const UserPoint& p) {
      return UserPoint{std::clamp(p.x, glyph[0].x, glyph[1].x),
                       std::clamp(p.y, glyph[1].y, glyph[0].y)};
    };
    const double r = band_.rim - kRimClearance;
    const UserPoint rim = at(r, target);
    if (!band_.combined || (!spreading_ && spread_.count(l.point) == 0)) return {rim, onGlyph(rim)};
    std::array<UserPoint, 4> corners = Corners(glyph);
    const auto radius = [&](const UserPoint& c) { return std::hypot(c.x, Squash() * c.y); };
    std::sort(corners.begin(), corners.end(),
              [&](const UserPoint& a, const UserPoint& b) { return radius(a) > radius(b); });
    if (!spreadLanes_) {
      const auto distance = [&](const UserPoint& c) {
        return std::hypot(c.x - rim.x, Squash() * (c.y - rim.y));
      };
      return {rim, distance(corners[0]) <= distance(corners[1]) ? corners[0] : corners[1]};
    }
    const double top = radius(corners[0]);
    const UserPoint middle{(glyph[0].x + glyph[1].x) / 2, (glyph[0].y + glyph[1].y) / 2};
    const double from = std::atan2(Squash() * middle.y, middle.x) * 180 / std::numbers::pi;
    const double lane = std::min(r, top + spreadStep_ / 2);
    // Pieces of at most 2 degrees: within a hundredth of a unit of the arc.
    const std::vector<UserPoint> round =
        ArcPoints(lane, from, std::remainder(target - from, 360.0), 2);
    std::vector<UserPoint> path{rim};
    path.insert(path.end(), round.rbegin(), round.rend());
    path.push_back(onGlyph(at(top, from)));
    return path;
  }
  // The points of the labels of `around` (but `l`'s own) that the leader
  // line of `l` to `target` would cross.
  std::vector<int> LeaderCrossings(const PlacedLabel& l, double target,
                                   const std::vector<PlacedLabel>& around) {
    const std::vector<UserPoint> path = LeaderPath(l, target);
    std::vector<int> points;
    for (const PlacedLabel& other : around)
      if (other.point != l.point) {
        bool crossed = false;
        for (const Box& b : Boxes(other))
          for (std::size_t k = 1; k < path.size() && !crossed; ++k) {
            // Exactly, not by samples along it: a line through a glyph's
            // corner crosses it as plainly as one through its middle.
            const auto clear =
                StretchesClearOf(path[k - 1], path[k], std::vector<AspectClearBox>{b}, 0);
            crossed = clear.size() != 1 || clear.front()[0] > 0 || clear.front()[1] < 1;
          }
        if (crossed) points.push_back(other.point);
      }
    return points;
  }

  // Where a two-ring label goes beside its angle: the radius of its glyph
  // and the share of its sizes.
  struct RingSpot {
    double rho = WheelRadius + 5, factor = 1;
  };

  void DualLabelAt(const DualLabel& l, const RingSpot& spot) {
    RingLabel(PointCode(l.point()), l.secondChart(),
              DualDegreeText(l.value, l.retrograde, MagnitudeRing()), l.angle,
              l.houseCount, spot.rho, spot.factor);
  }

  // The two-ring labels of each house (sign) refitted by the boxes they
  // really cover: wholly outside the circle, close to it, inside their
  // sector and clear of its sign glyph (labels go to either side of it,
  // as many as fit), apart; a sector too small for them at full size takes
  // a second row further out where the window has room for it, and its
  // labels shrink as far as they must, to `least` of their sizes. With
  // `lend`, a sector that cannot hold its labels so lends its first and
  // last to the sectors either side (`LendRing`). The labels' angles move with
  // them, so that the aspect lines end beside their labels.
  std::vector<RingSpot> FitRing(DualPlacement& placed, double least = kSmallestLabel,
                                bool lend = false) {
    std::vector<DualLabel>& labels = placed.labels;
    std::vector<RingSpot> spots(labels.size());
    ringLeaders_.clear();
    ringGuests_ = {};
    ringHostOf_ = {};
    std::array<std::vector<std::size_t>, 13> members;
    for (std::size_t k = 0; k < labels.size(); ++k)
      members[std::size_t(labels[k].house)].push_back(k);
    // In zodiac order from the sector's start, also where the sector holds
    // the list's first and last labels.
    for (int house = 1; house <= 12; ++house) {
      const HouseSector sector = RingSector(house);
      const auto offset = [&](std::size_t k) {
        return std::remainder(SurfaceAngle(labels[k].angle, 1) - sector.start - sector.width / 2,
                              360.0);
      };
      std::vector<std::size_t>& in = members[std::size_t(house)];
      std::stable_sort(in.begin(), in.end(),
                       [&](std::size_t x, std::size_t y) { return offset(x) < offset(y); });
    }
    std::array<bool, 13> homeless{};
    for (int house = 1; house <= 12; ++house)
      homeless[std::size_t(house)] =
          !FitSector(house, members[std::size_t(house)], labels, spots, least);
    if (!lend) {
      if (gridBox_) ClearOfGrid(members, labels, spots);
      return spots;
    }
    // Each crowded sector lends around those that lent before it: where
    // crowded sectors stand together, one may lend only once its neighbour
    // has. So where some must keep their labels at home, they lend again
    // after the others, and the order that keeps fewer so is drawn.
    const std::vector<DualLabel> fitted = labels;
    const std::vector<RingSpot> fittedSpots = spots;
    const auto lendInOrder = [&](const std::vector<int>& order) {
      labels = fitted;
      spots = fittedSpots;
      ringLeaders_.clear();
      ringGuests_ = {};
      ringHostOf_ = {};
      std::array<bool, 13> busy = homeless, keptHome{};
      std::size_t small = 0;
      for (const int house : order)
        if (!LendRing(house, members, labels, spots, least, busy, keptHome)) {
          // Kept at home, as small as they must be: a label in a wrong
          // sector with no line back would be a wrong result.
          FitSector(house, members[std::size_t(house)], labels, spots, kSmallestLabel);
          keptHome[std::size_t(house)] = true;
          small += members[std::size_t(house)].size();
        }
      return std::pair{small, keptHome};
    };
    std::vector<int> order;
    for (int house = 1; house <= 12; ++house)
      if (homeless[std::size_t(house)]) order.push_back(house);
    // The order that keeps fewer labels small drawn, and how many it keeps.
    const auto lendBest = [&] {
      // Plain names, not a structured binding: the lambda below captures them.
      const auto inZodiacOrder = lendInOrder(order);
      const std::size_t small = inZodiacOrder.first;
      const std::array<bool, 13> keptHome = inZodiacOrder.second;
      if (small == 0) return small;
      std::vector<int> later = order;
      std::stable_partition(later.begin(), later.end(),
                            [&](int house) { return !keptHome[std::size_t(house)]; });
      if (later != order) {
        const std::size_t laterSmall = lendInOrder(later).first;
        if (laterSmall < small) return laterSmall;
      }
      lendInOrder(order);
      return small;
    };
    // Where that keeps some small, lending split between two sectors, and
    // then one sector further; the one that keeps fewest small drawn.
    struct Reach {
      int sectors;
      bool split;
      bool operator==(const Reach&) const = default;
    };
    std::size_t small = lendBest();
    Reach best{kRingLendReach, false}, last = best;
    for (const Reach r : {Reach{kRingLendReach, true}, Reach{kRingFarthestReach, true}}) {
      if (small == 0) break;
      last = r;
      ringReach_ = r.sectors;
      ringSplit_ = r.split;
      const std::size_t kept = lendBest();
      if (kept < small) small = kept, best = r;
    }
    ringReach_ = best.sectors;
    ringSplit_ = best.split;
    if (best != last) lendBest();
    ringReach_ = kRingLendReach;
    ringSplit_ = false;
    return spots;
  }

  // On paper, a sector whose labels reach into the box the aspect grid
  // covers at its lowest (a second row below the wheel) holds one row there
  // at no smaller a size, lending what it cannot hold to the sectors beside
  // it; where it cannot, it stays as it was.
  void ClearOfGrid(const std::array<std::vector<std::size_t>, 13>& members,
                   std::vector<DualLabel>& labels, std::vector<RingSpot>& spots) {
    std::array<bool, 13> busy{}, keptHome{};
    std::array<double, 13> size{};
    for (int house = 1; house <= 12; ++house) {
      size[std::size_t(house)] = 1;
      for (const std::size_t k : members[std::size_t(house)]) {
        size[std::size_t(house)] = std::min(size[std::size_t(house)], spots[k].factor);
        busy[std::size_t(house)] =
            busy[std::size_t(house)] || MeetsGrid(RingBoxes(labels[k], spots[k]));
      }
    }
    const std::array<bool, 13> meeting = busy;
    for (int house = 1; house <= 12; ++house) {
      if (!meeting[std::size_t(house)]) continue;
      const std::vector<DualLabel> keptLabels = labels;
      const std::vector<RingSpot> keptSpots = spots;
      const std::array<bool, 13> keptBusy = busy;
      const auto keptGuests = ringGuests_;
      const auto keptHosts = ringHostOf_;
      const std::vector<std::size_t>& own = members[std::size_t(house)];
      bool clear = false;
      // At full size first: a sector that takes lent labels keeps its own
      // as large as they were.
      for (const double least : {1.0, size[std::size_t(house)]}) {
        clearOfGrid_ = true;
        clear = FitSector(house, own, labels, spots, least - 1e-9) ||
                LendRing(house, members, labels, spots, least - 1e-9, busy, keptHome);
        clearOfGrid_ = false;
        for (std::size_t k = 0; k < spots.size() && clear; ++k)
          clear = std::find(own.begin(), own.end(), k) != own.end() ||
                  spots[k].factor >= keptSpots[k].factor - 1e-9;
        if (clear) break;
        labels = keptLabels;
        spots = keptSpots;
        busy = keptBusy;
        ringGuests_ = keptGuests;
        ringHostOf_ = keptHosts;
        for (const std::size_t k : own) ringLeaders_.erase(k);
      }
      if (!clear) keptHome[std::size_t(house)] = true;
    }
  }
  bool MeetsGrid(const std::vector<std::array<UserPoint, 2>>& boxes) const {
    const std::array<UserPoint, 2>& g = *gridBox_;
    return std::any_of(boxes.begin(), boxes.end(), [&](const auto& b) {
      return b[0].x < g[1].x && g[0].x < b[1].x && b[1].y < g[0].y && g[1].y < b[0].y;
    });
  }

  // The sector of `house` on the ring, as it runs on this surface.
  HouseSector RingSector(int house) const {
    return SurfaceSector({Norm360(180.0 + 30 * (house - 1)), 30}, o_.verticalFactor);
  }

  // The labels `members` (in zodiac order) fitted into the sector of
  // `house`, as `FitRing` says; those of `firstRow` (lent ones, whose
  // leader lines run in below the first row) never in the second. False
  // when they overlap even at `least`.
  bool FitSector(int house, const std::vector<std::size_t>& members, std::vector<DualLabel>& labels,
                 std::vector<RingSpot>& spots, double least,
                 const std::vector<std::size_t>& firstRow = {}) {
    if (members.empty()) return true;
    const auto signs = RingSignPositions();
    // Plain names, not a structured binding: the lambdas below capture them.
    const HouseSector sector = RingSector(house);
    const double start = sector.start, width = sector.width;
    const auto offset = [&](double angle) {
      double rel = Norm360(angle - start);
      if (rel > width + (360 - width) / 2) rel -= 360;
      return rel;
    };
    // The sign glyph's reach within the sector.
    double signLow = width, signHigh = width, signNear = 1e9;
    if (!MagnitudeRing()) {
      const Box sign = RingSignBox(house, signs);
      signLow = width, signHigh = 0, signNear = Nearest({sign});
      for (const UserPoint& corner : Corners(sign)) {
        const double rel = std::clamp(offset(TrueAngle(corner.x, corner.y)), 0.0, width);
        signLow = std::min(signLow, rel);
        signHigh = std::max(signHigh, rel);
      }
    }
    const std::size_t n = members.size();
    const auto at = [&](std::size_t j) { return members[j]; };
    for (std::size_t j = 0; j < n; ++j) spots[at(j)] = RingSpot{};
    // In two rows, every other label in the second, in zodiac order.
    std::vector<std::size_t> secondRowOf;
    for (std::size_t j = 0, other = 0; j < n; ++j)
      if (std::find(firstRow.begin(), firstRow.end(), at(j)) == firstRow.end() && other++ % 2 == 1)
        secondRowOf.push_back(j);
    std::size_t rows = 1;
    bool fits = true;
    constexpr int kPasses = 7;
    for (int pass = 0; pass < kPasses; ++pass) {
      fits = true;
      // The first row just outside the circle, the second beyond the
      // deepest label of the first.
      const auto hug = [&](std::size_t k, double distance) {
        for (int step = 0; step < 3; ++step)
          spots[k].rho += distance - Nearest(RingBoxes(labels[k], spots[k]));
      };
      double depth = 0;
      for (std::size_t j = 0; j < n; ++j) {
        hug(at(j), kRingLabelsFrom);
        const auto& boxes = RingBoxes(labels[at(j)], spots[at(j)]);
        depth = std::max(depth, Farthest(boxes) - Nearest(boxes));
      }
      const auto secondRow = [&] {
        for (const std::size_t j : secondRowOf) hug(at(j), kRingLabelsFrom + kRimClearance + depth);
      };
      if (rows == 2) secondRow();
      std::vector<double> angles, far;
      std::vector<LabelSpan> spans;
      for (std::size_t j = 0; j < n; ++j) {
        const double anchor = SurfaceAngle(labels[at(j)].angle, 1);
        const auto& boxes = RingBoxes(labels[at(j)], spots[at(j)]);
        angles.push_back(anchor);
        spans.push_back(SpanOfBoxes(boxes, anchor));
        far.push_back(Farthest(boxes));
      }
      // The two sides of the sign glyph; a row that stays inside the
      // glyph (above and below the wheel) has the whole sector.
      const auto sidesOf = [&](const std::vector<std::size_t>& row) {
        double reach = 0;
        for (std::size_t j : row) reach = std::max(reach, far[j]);
        const bool underSign = reach < signNear - kRimClearance;
        return std::array<HouseSector, 2>{{{start, underSign ? width : signLow},
                                           {start + signHigh, underSign ? 0 : width - signHigh}}};
      };
      // How many of a row's labels go before the sign glyph: as many as
      // leave both sides the most room, the nearer their own places the
      // better; and the room that leaves them.
      const auto splitOf = [&](const std::vector<std::size_t>& row,
                               const std::array<HouseSector, 2>& sides) {
        const auto spread = [&](const HouseSector& side, std::size_t a, std::size_t b) {
          double need = 0;
          for (std::size_t j = a; j < b; ++j) need += spans[row[j]].below + spans[row[j]].above;
          return need <= side.width ? 1.0 : std::max(0.0, side.width) / need;
        };
        std::size_t natural = 0;
        while (natural < row.size() && offset(angles[row[natural]]) < (signLow + signHigh) / 2)
          ++natural;
        const auto distance = [&](std::size_t x) {
          return x > natural ? x - natural : natural - x;
        };
        std::pair<std::size_t, double> best{natural, -1};
        for (std::size_t m = 0; m <= row.size(); ++m) {
          const double fit = std::min(spread(sides[0], 0, m), spread(sides[1], m, row.size()));
          if (fit > best.second + 1e-9 ||
              (std::fabs(fit - best.second) <= 1e-9 && distance(m) < distance(best.first)))
            best = {m, fit};
        }
        return best;
      };
      std::array<std::vector<std::size_t>, 2> rowMembers;
      for (std::size_t j = 0; j < n; ++j)
        rowMembers[rows == 2 && std::binary_search(secondRowOf.begin(), secondRowOf.end(), j)]
            .push_back(j);
      const double best = splitOf(rowMembers[0], sidesOf(rowMembers[0])).second;
      // Far too little room in one row (a little is made by shrinking):
      // a second, when the window holds it.
      double shrunk = 1;
      for (std::size_t j = 0; j < n; ++j) shrunk = std::min(shrunk, spots[at(j)].factor);
      if (best * shrunk < kRingSecondRowBelow && rows == 1 && pass < kPasses - 1) {
        // Tried at full size: each row then shrinks only as far as it
        // must.
        const std::vector<RingSpot> kept = spots;
        depth = 0;
        for (std::size_t j = 0; j < n; ++j) {
          spots[at(j)].factor = 1;
          hug(at(j), kRingLabelsFrom);
          const auto& boxes = RingBoxes(labels[at(j)], spots[at(j)]);
          depth = std::max(depth, Farthest(boxes) - Nearest(boxes));
        }
        secondRow();
        // A few pixels clear of the window's edges (the page's printable
        // area has its margins).
        const double margin = o_.printing ? 0 : kEdgeMarginPx / canvas_.DeviceUnitsPerUserX();
        const double marginY = o_.printing ? 0 : kEdgeMarginPx / canvas_.DeviceUnitsPerUserY();
        bool inside = true;
        for (const std::size_t j : secondRowOf)
          for (const Box& box : RingBoxes(labels[at(j)], spots[at(j)]))
            inside = inside && box[0].x >= canvas_.ScaleLeft() + margin &&
                     box[1].x <= canvas_.ScaleLeft() + canvas_.ScaleWidth() - margin &&
                     box[0].y <= canvas_.ScaleTop() - marginY &&
                     box[1].y >= canvas_.ScaleTop() + canvas_.ScaleHeight() + marginY;
        for (const std::size_t j : secondRowOf)
          inside = inside && !(clearOfGrid_ && MeetsGrid(RingBoxes(labels[at(j)], spots[at(j)])));
        if (inside) {
          rows = 2;
          continue;
        }
        spots = kept;
      }
      for (std::size_t row = 0; row < rows; ++row) {
        const std::vector<std::size_t>& rowOf = rowMembers[row];
        const auto sides = sidesOf(rowOf);
        const std::size_t split = splitOf(rowOf, sides).first;
        for (std::size_t side = 0; side < 2; ++side) {
          const std::vector<std::size_t> part(
              rowOf.begin() + long(side == 0 ? 0 : split),
              rowOf.begin() + long(side == 0 ? split : rowOf.size()));
          if (part.empty()) continue;
          std::vector<double> partAngles;
          std::vector<LabelSpan> partSpans;
          for (std::size_t j : part) partAngles.push_back(angles[j]), partSpans.push_back(spans[j]);
          const double squeeze = FitSpans(sides[side], partAngles, partSpans);
          fits = fits && squeeze >= 1;
          for (std::size_t i = 0; i < part.size(); ++i) {
            const std::size_t k = at(part[i]);
            labels[k].angle = UserAngle(partAngles[i]);
            // On a screen a little beyond the squeeze, which the measured
            // boxes only approach, so that a sector that fits at `least`
            // is found to.
            if (squeeze < 1 && pass < kPasses - 1)
              spots[k].factor =
                  std::max(least, spots[k].factor * squeeze * (ringLeast_ > 0 ? 0.98 : 1));
          }
        }
      }
    }
    return fits;
  }

  // The box of the sign glyph of `house` in its sector of the ring.
  std::array<UserPoint, 2> RingSignBox(int house, const std::array<UserPoint, 13>& signs) {
    measuring_ = true;
    boxes_.clear();
    canvas_.SetFontSize(Opt(o_.cuspSignSize));
    Put(GlyphCode::SignBase + house, signs[static_cast<std::size_t>(house)]);
    measuring_ = false;
    return boxes_.front();
  }

  // The labels of a sector too narrow to hold them at `least` of their
  // sizes: as many as it holds stay, and its first and last go into the
  // nearest sectors either side (up to `ringReach_` away) with room
  // for them beside their own labels, each with a leader line from its
  // glyph along the circle, between it and the labels, to its point's own
  // place, crossing no label. Fewest lent first, the more even splits
  // first. A sector that takes lent labels, or that their lines pass, takes
  // no others (`busy`), and no lines pass a sector that lends, but one that
  // could not and keeps its labels at home (`keptHome`). False when no
  // split fits.
  bool LendRing(int house, const std::array<std::vector<std::size_t>, 13>& members,
                std::vector<DualLabel>& labels, std::vector<RingSpot>& spots, double least,
                std::array<bool, 13>& busy, const std::array<bool, 13>& keptHome) {
    const std::vector<std::size_t>& own = members[std::size_t(house)];
    const std::size_t n = own.size();
    const auto away = [&](int dir, int steps) { return (house - 1 + dir * steps + 24) % 12 + 1; };
    // Where each label's leader ends: its point's own place in the
    // sector, kept off the spokes.
    const HouseSector sector = RingSector(house);
    const double inset = std::min(kLeaderEndInset, sector.width / 4);
    std::map<std::size_t, double> target;
    for (const std::size_t k : own) {
      const double into = Norm360(SurfaceAngle(180 + Norm360(labels[k].value)) - sector.start);
      const double held =
          into > sector.width ? (into - sector.width < 360 - into ? sector.width : 0) : into;
      target[k] = Norm360(sector.start + std::clamp(held, inset, sector.width - inset));
    }
    // The `count` labels lent on one side (`dir` -1 the sectors before,
    // 1 those after), in zodiac order.
    const auto lentOn = [&](int dir, std::size_t count) {
      return std::vector<std::size_t>(dir < 0 ? own.begin() : own.end() - long(count),
                                      dir < 0 ? own.begin() + long(count) : own.end());
    };
    // The nearest sector on one side that takes `count` of our labels
    // beside its own, on its side toward ours, at `least`: how far away it
    // is, and its labels with their spots.
    struct Host {
      int steps = 0;
      // The labels another sector lent there on the same side, whose
      // lines run below ours; or, `under`, those of a sector passed on the
      // way, whose lines run above ours.
      std::vector<std::size_t> guests;
      bool under = false;
      // Of ours, how many the nearest sector takes where the rest go to
      // the one beyond it (0: all go to one).
      std::size_t nearer = 0;
      std::vector<std::size_t> together;
      std::vector<DualLabel> labels;
      std::vector<RingSpot> spots;
    };
    // `part` of our labels (`dir` as below) set at the edge of sector `h`
    // toward ours and fitted there with the labels it holds, at `least`:
    // them all in zodiac order, or nothing where they do not fit.
    const auto fitIn =
        [&](int h, int dir, const std::vector<std::size_t>& part, std::vector<DualLabel>& trial,
            std::vector<RingSpot>& trialSpots) -> std::optional<std::vector<std::size_t>> {
      const HouseSector side = RingSector(h);
      for (std::size_t i = 0; i < part.size(); ++i)
        trial[part[i]].angle =
            UserAngle(dir < 0 ? side.start + side.width - 0.01 * double(part.size() - i)
                              : side.start + 0.01 * double(i + 1));
      // Its own labels, with those it holds for others in zodiac order.
      const auto& held = ringGuests_[std::size_t(h)];
      std::vector<std::size_t> theirs = held[1];
      theirs.insert(theirs.end(), members[std::size_t(h)].begin(), members[std::size_t(h)].end());
      theirs.insert(theirs.end(), held[0].begin(), held[0].end());
      std::vector<std::size_t> together = dir < 0 ? theirs : part;
      const std::vector<std::size_t>& rest = dir < 0 ? part : theirs;
      together.insert(together.end(), rest.begin(), rest.end());
      std::vector<std::size_t> firstRow = part;
      for (const auto& guests : held) firstRow.insert(firstRow.end(), guests.begin(), guests.end());
      if (!FitSector(h, together, trial, trialSpots, least, firstRow)) return std::nullopt;
      return together;
    };
    // `part` (`dir` as below) split where the nearest sector takes `near`
    // of them: those for it, and those for the one beyond it.
    const auto splitNear = [](const std::vector<std::size_t>& part, int dir, std::size_t near) {
      using Part = std::vector<std::size_t>;
      const auto at = dir < 0 ? part.end() - long(near) : part.begin() + long(near);
      return std::pair{dir < 0 ? Part(at, part.end()) : Part(part.begin(), at),
                       dir < 0 ? Part(part.begin(), at) : Part(at, part.end())};
    };
    // `out` holding `together`, each with its place in `trial`.
    const auto holding = [](Host out, std::vector<std::size_t> together,
                            const std::vector<DualLabel>& trial,
                            const std::vector<RingSpot>& trialSpots) {
      out.together = std::move(together);
      for (const std::size_t k : out.together) {
        out.labels.push_back(trial[k]);
        out.spots.push_back(trialSpots[k]);
      }
      return out;
    };
    const auto host = [&](int dir, std::size_t count) -> std::optional<Host> {
      Host out;
      if (count == 0) return out;
      if (count > kRingLentPerSide) return std::nullopt;
      const std::vector<std::size_t> lent = lentOn(dir, count);
      const std::size_t way = dir < 0 ? 0 : 1;
      int passing = 0;
      std::vector<std::size_t> passedGuests;
      for (int steps = 1; steps <= ringReach_; ++steps) {
        const int h = away(dir, steps);
        if (keptHome[std::size_t(h)]) continue;
        out.guests = passedGuests;
        out.under = !passedGuests.empty();
        if (out.under && out.guests.size() + count > kRingLinesPerSide) return std::nullopt;
        if (busy[std::size_t(h)]) {
          // Past a sector that lends this way into the sector beyond it,
          // into that sector too: our labels stand nearer the spoke than
          // its, and our lines run above theirs.
          if (steps < ringReach_ && passing == 0 && !out.under &&
              ringHostOf_[std::size_t(h)][way] == away(dir, steps + 1)) {
            passing = h;
            continue;
          }
          if (out.under) return std::nullopt;  // nor past two
          if (passing == 0 || h != ringHostOf_[std::size_t(passing)][way] ||
              ringHostOf_[std::size_t(h)] != std::array<int, 2>{})
            return std::nullopt;  // nor past it
          out.guests = ringGuests_[std::size_t(h)][way];
          // Their lines and ours run one under another between the circle
          // and the labels, which has room for so many.
          if (out.guests.size() + count > kRingLinesPerSide) return std::nullopt;
        }
        std::vector<DualLabel> trial = labels;
        std::vector<RingSpot> trialSpots = spots;
        std::optional<std::vector<std::size_t>> together = fitIn(h, dir, lent, trial, trialSpots);
        if (!together) {
          // On past it, with our lines under those of the labels it holds.
          if (busy[std::size_t(h)]) passedGuests = out.guests;
          continue;
        }
        out.steps = steps;
        return holding(std::move(out), std::move(*together), trial, trialSpots);
      }
      // Where no sector takes them all, with `ringSplit_` the nearer of
      // them go to the nearest sector and the rest to the one beyond it,
      // their lines under those of the nearer.
      const int nearest = away(dir, 1), beyond = away(dir, 2);
      if (!ringSplit_ || busy[std::size_t(nearest)] || busy[std::size_t(beyond)] ||
          keptHome[std::size_t(nearest)] || keptHome[std::size_t(beyond)])
        return std::nullopt;
      for (std::size_t near = count - 1; near >= 1; --near) {
        const auto [nearer, further] = splitNear(lent, dir, near);
        std::vector<DualLabel> trial = labels;
        std::vector<RingSpot> trialSpots = spots;
        const auto inNearest = fitIn(nearest, dir, nearer, trial, trialSpots);
        if (!inNearest) continue;
        const auto inBeyond = fitIn(beyond, dir, further, trial, trialSpots);
        if (!inBeyond) continue;
        Host split;
        split.steps = 2;
        split.nearer = near;
        std::vector<std::size_t> both = *inNearest;
        both.insert(both.end(), inBeyond->begin(), inBeyond->end());
        return holding(std::move(split), std::move(both), trial, trialSpots);
      }
      return std::nullopt;
    };
    std::vector<std::optional<std::optional<Host>>> hostBefore(n), hostAfter(n);
    const auto hostOf = [&](int dir, std::size_t count) -> const std::optional<Host>& {
      auto& known = (dir < 0 ? hostBefore : hostAfter)[count];
      if (!known) known = host(dir, count);
      return *known;
    };
    const auto signs = RingSignPositions();
    for (std::size_t lent = 1; lent < n; ++lent) {
      for (const std::size_t first : EvenSplitsFirst(lent)) {
        const std::optional<Host>& previous = hostOf(-1, first);
        if (!previous) continue;
        const std::optional<Host>& next = hostOf(1, lent - first);
        if (!next) continue;
        std::vector<DualLabel> trial = labels;
        std::vector<RingSpot> trialSpots = spots;
        for (const Host* h : {&*previous, &*next})
          for (std::size_t i = 0; i < h->together.size(); ++i) {
            trial[h->together[i]] = h->labels[i];
            trialSpots[h->together[i]] = h->spots[i];
          }
        const std::vector<std::size_t> kept(own.begin() + long(first),
                                            own.end() - long(lent - first));
        if (!FitSector(house, kept, trial, trialSpots, least)) continue;
        // The sectors the lines pass, whose labels and sign glyphs they
        // must clear.
        std::vector<int> passed{house};
        for (int steps = 1; steps <= previous->steps; ++steps) passed.push_back(away(-1, steps));
        for (int steps = 1; steps <= next->steps; ++steps) passed.push_back(away(1, steps));
        std::vector<Box> around;
        std::vector<std::size_t> aroundOf;
        for (const int h : passed) {
          if (!MagnitudeRing())
            around.push_back(RingSignBox(h, signs)), aroundOf.push_back(labels.size());
          for (const std::size_t k : members[std::size_t(h)])
            for (const Box& b : RingBoxes(trial[k], trialSpots[k]))
              around.push_back(b), aroundOf.push_back(k);
        }
        std::map<std::size_t, std::vector<UserPoint>> paths;
        std::map<std::size_t, double> ends = target;
        for (const int dir : {-1, 1}) {
          const std::vector<std::size_t> ours = lentOn(dir, dir < 0 ? first : lent - first);
          const Host& to = dir < 0 ? *previous : *next;
          // Our lines above the guests' (`under`: below them).
          const bool oursFirst = (dir < 0) == to.under;
          std::vector<std::size_t> side = oursFirst ? ours : to.guests;
          const std::vector<std::size_t>& rest = oursFirst ? to.guests : ours;
          side.insert(side.end(), rest.begin(), rest.end());
          for (std::size_t i = 0; i < side.size(); ++i) {
            // Those lent further run nearer the circle, under the others.
            const std::size_t further = dir < 0 ? side.size() - 1 - i : i;
            const std::size_t k = side[i];
            if (!ends.contains(k)) ends[k] = ringLeaders_.at(k).target;
            paths[k] = RingLeaderPath(trial[k], trialSpots[k], ends[k],
                                      kRingLeaderEnd - kRingLeaderStep * double(further));
          }
        }
        bool clear = true;
        for (const auto& [k, path] : paths)
          for (std::size_t p = 0; p + 1 < path.size() && clear; ++p)
            for (std::size_t b = 0; b < around.size() && clear; ++b) {
              if (aroundOf[b] == k) continue;
              const auto stretches =
                  StretchesClearOf(path[p], path[p + 1], std::vector<AspectClearBox>{around[b]}, 0);
              clear =
                  stretches.size() == 1 && stretches.front()[0] <= 0 && stretches.front()[1] >= 1;
            }
        if (!clear) continue;
        labels = std::move(trial);
        spots = std::move(trialSpots);
        for (const auto& [k, path] : paths) ringLeaders_[k] = {ends[k], path};
        for (const int h : passed) busy[std::size_t(h)] = true;
        for (const int dir : {-1, 1}) {
          const std::size_t count = dir < 0 ? first : lent - first;
          if (count == 0) continue;
          const Host& to = dir < 0 ? *previous : *next;
          const std::size_t way = dir < 0 ? 0 : 1;
          ringHostOf_[std::size_t(house)][way] = away(dir, to.steps);
          const std::vector<std::size_t> ours = lentOn(dir, count);
          if (to.nearer > 0) {
            // Both sectors held nothing before.
            std::tie(ringGuests_[std::size_t(away(dir, 1))][way],
                     ringGuests_[std::size_t(away(dir, 2))][way]) = splitNear(ours, dir, to.nearer);
            continue;
          }
          std::vector<std::size_t>& guests = ringGuests_[std::size_t(away(dir, to.steps))][way];
          guests.insert(dir < 0 ? guests.end() : guests.begin(), ours.begin(), ours.end());
        }
        return true;
      }
    }
    return false;
  }

  // The leader line of a lent ring label, as the points it runs through:
  // from the point of its glyph nearest the circle in to `radius`, then
  // along the circle there to the true angle `target`, in steps short
  // enough to stay between the circle and the labels.
  std::vector<UserPoint> RingLeaderPath(const DualLabel& l, const RingSpot& spot, double target,
                                        double radius) {
    const Box glyph = RingBoxes(l, spot).front();
    const UserPoint near{std::clamp(0.0, glyph[0].x, glyph[1].x),
                         std::clamp(0.0, glyph[1].y, glyph[0].y)};
    const double from = TrueAngle(near.x, near.y);
    std::vector<UserPoint> path{near};
    const std::vector<UserPoint> round =
        ArcPoints(radius, from, std::remainder(target - from, 360.0), kRingLeaderStepDeg);
    path.insert(path.end(), round.begin(), round.end());
    return path;
  }

  // The points along the circle of `radius` from the surface angle `from`
  // turning `turn` degrees, both ends included, at most `pieceDeg` apart.
  std::vector<UserPoint> ArcPoints(double radius, double from, double turn, double pieceDeg) const {
    const int steps = std::max(1, int(std::ceil(std::fabs(turn) / pieceDeg)));
    std::vector<UserPoint> points;
    for (int s = 0; s <= steps; ++s) {
      const double rad = (from + turn * s / steps) * std::numbers::pi / 180;
      points.push_back({radius * std::cos(rad), radius * std::sin(rad) / Squash()});
    }
    return points;
  }

  // A fit whose labels count only where they fit: a row that does not
  // gives up sooner (`quickFail_`).
  template <class Fit>
  std::invoke_result_t<const Fit&> FitOnly(const Fit& fit) {
    quickFail_ = true;
    const auto result = fit();
    quickFail_ = false;
    return result;
  }

  // The labels of `house` in one row just inside the rim, shrunk as far as
  // their house needs, to `smallest` at most. Returns their size, 0 when
  // they do not fit even then (they are left spread evenly).
  double FitOneRow(const HouseSector& sector, std::vector<PlacedLabel>& house, double smallest) {
    std::vector<PlacedLabel*> row;
    for (PlacedLabel& l : house) row.push_back(&l);
    const double outer = band_.rim - kRimClearance;
    // Where only whether they fit counts, a row that needs far more room
    // than its house has even at `smallest` does not: known at once,
    // without the passes that would shrink it there.
    if (quickFail_) {
      std::vector<PlacedLabel> least = house;
      std::vector<PlacedLabel*> leastRow;
      for (PlacedLabel& l : least) l.sizeFactor = smallest, leastRow.push_back(&l);
      if (PlaceRow(sector, leastRow, outer) < kHopelessSqueeze) return 0;
    }
    std::vector<PlacedLabel> before;
    // The pass from which every label stands at `smallest`.
    std::optional<int> leastFrom;
    for (int pass = 0;; ++pass) {
      // A pass that starts where the one before it did ends as it did.
      if (pass > 0 && pass < 12 && SamePlaces(house, before)) pass = 12;
      if (pass < 12) before = house;
      if (!leastFrom && std::all_of(row.begin(), row.end(), [&](const PlacedLabel* l) {
            return l->sizeFactor <= smallest;
          }))
        leastFrom = pass;
      // Where only whether they fit counts, a row that does not within a
      // few passes at the least size, moved along its house, does not.
      if (quickFail_ && leastFrom && pass - *leastFrom >= kPassesAtLeast) return 0;
      const double squeeze = PlaceRow(sector, row, outer);
      bool fits = squeeze >= 1;
      for (PlacedLabel* l : row) {
        const bool clear = InnerReach(*l) >= band_.inner + kRimClearance;
        fits = fits && clear && Reach(*l) <= RowLimit(*l, outer) + kReachSlack;
        // Shrunk a little beyond the squeeze, which the measured boxes only
        // approach; too long for the band between the circles: a little
        // smaller.
        const double shrink = std::min(squeeze < 1 ? 0.98 * squeeze : 1.0, clear ? 1 : 0.95);
        if (pass < 12) l->sizeFactor = std::max(smallest, l->sizeFactor * shrink);
      }
      if (fits) return row.front()->sizeFactor;
      if (pass == 12) return 0;
    }
  }

  // Every other label of `house` (by angle) in a second row inside the
  // first: the largest size at which both rows fit, 0 when none does.
  // `staggers`, tried in turn until one fits: the least angle each glyph
  // stands on from the one before it, whichever its row, so the house reads
  // along in zodiac order (0: none). At each size the rows are placed once
  // for all the staggers, which differ only in the check and in whether the
  // last pass staggers them. A size no larger than `beat` is not sought
  // (0 then), unless a later stagger has fitted at a larger one.
  double FitTwoRows(const HouseSector& sector, std::vector<PlacedLabel>& house,
                    std::span<const double> staggers, double beat) {
    std::vector<PlacedLabel*> byAngle;
    for (PlacedLabel& l : house) byAngle.push_back(&l);
    const auto offset = [&](const PlacedLabel* l) {
      return Norm360(SurfaceAngle(l->angle, 1) - sector.start + 90);
    };
    std::stable_sort(byAngle.begin(), byAngle.end(),
                     [&](auto x, auto y) { return offset(x) < offset(y); });
    std::array<std::vector<PlacedLabel*>, 2> rows;
    for (std::size_t k = 0; k < byAngle.size(); ++k) rows[k % 2].push_back(byAngle[k]);
    const std::vector<PlacedLabel> start = house;
    double outer = 1, inner = 1;
    const auto placeRows = [&](double size) {
      outer = PlaceRow(sector, rows[0], band_.rim - kRimClearance);
      double boundary = band_.rim;
      for (const PlacedLabel* l : rows[0]) boundary = std::min(boundary, InnerReach(*l));
      inner = PlaceRow(sector, rows[1], boundary - RowGap(size));
    };
    const auto fits = [&](double stagger) {
      bool clear = outer >= 1 && inner >= 1;
      // A band of the combined arrangement, both rows: a house of one label
      // has it in the first, which a narrow band may not hold either.
      for (const PlacedLabel* l : band_.combined ? byAngle : rows[1])
        clear = clear && InnerReach(*l) >= band_.inner + kRimClearance;
      for (std::size_t k = 1; stagger > 0 && k < byAngle.size(); ++k)
        clear = clear && std::remainder(GlyphAngle(*byAngle[k]) - GlyphAngle(*byAngle[k - 1]),
                                        360.0) >= stagger;
      return clear;
    };
    // By stagger: the largest size that fits, and the house set at it.
    std::vector<std::optional<std::pair<double, std::vector<PlacedLabel>>>> found(staggers.size());
    std::vector<PlacedLabel> beforeLastPass;
    for (double size = 1; size >= LeastLabelShare() - 1e-9 && !found.front(); size -= 0.05) {
      // What fits from here on is no larger than one row's size, and the
      // house takes one row then.
      if (size <= beat && std::none_of(found.begin(), found.end(), [](auto& f) { return f; }))
        break;
      for (std::size_t k = 0; k < house.size(); ++k) {
        house[k] = start[k];
        house[k].sizeFactor = size;
      }
      for (int pass = 0; pass < 3; ++pass) {
        beforeLastPass = house;
        placeRows(size);
        if (SamePlaces(house, beforeLastPass)) break;  // placed again, they would stay
      }
      beforeLastPass = house;
      // Once the rows have found their radii: each label of the inner row
      // set between its two neighbours of the outer one, so that the house
      // reads in zodiac order along it rather than in pairs.
      for (const bool staggered : {true, false}) {
        bool wanted = false;
        for (std::size_t s = 0; s < staggers.size(); ++s)
          wanted = wanted || (!found[s] && (staggers[s] > 0) == staggered);
        if (!wanted) continue;
        std::copy(beforeLastPass.begin(), beforeLastPass.end(), house.begin());
        if (staggered) Stagger(sector, byAngle);
        placeRows(size);
        for (std::size_t s = 0; s < staggers.size(); ++s)
          if (!found[s] && (staggers[s] > 0) == staggered && fits(staggers[s]))
            found[s].emplace(size, house);
      }
    }
    for (auto& f : found)
      if (f) {
        house = std::move(f->second);
        return f->first;
      }
    return 0;
  }

  // The labels of both rows, in zodiac order, spread along the house by half
  // their widths: neighbours in a row keep about their whole widths apart,
  // and each stands half a label on from the one before it in the other row.
  void Stagger(const HouseSector& sector, const std::vector<PlacedLabel*>& byAngle) {
    std::vector<double> angles;
    std::vector<LabelSpan> spans;
    for (const PlacedLabel* l : byAngle) {
      angles.push_back(SurfaceAngle(l->angle, 1));
      const LabelSpan span = SpanOf(*l, kLabelGapShare / 2);
      const double quarter = (span.below + span.above) / 4;
      spans.push_back({quarter, quarter});
    }
    FitSpans(sector, angles, spans);
    for (std::size_t k = 0; k < byAngle.size(); ++k) byAngle[k]->angle = UserAngle(angles[k]);
  }

  // The true angle of the middle of a label's glyph.
  double GlyphAngle(const PlacedLabel& l) {
    const auto& g = Boxes(l).front();
    return TrueAngle((g[0].x + g[1].x) / 2, (g[0].y + g[1].y) / 2);
  }

  // One row's labels drawn in until each clears `outer`, then moved apart
  // inside the sector. Returns the squeeze the row needs (1: it fits).
  double PlaceRow(const HouseSector& sector, std::vector<PlacedLabel*>& row, double outer) {
    std::vector<double> angles;
    std::vector<LabelSpan> spans;
    for (PlacedLabel* l : row) {
      const double limit = RowLimit(*l, outer);
      for (double over = Reach(*l) - limit; over > 0 && l->radius > band_.inner;
           over = Reach(*l) - limit)
        l->radius -= std::max(1.0, over - 1);
      angles.push_back(SurfaceAngle(l->angle, 1));
      spans.push_back(SpanOf(*l, row.size() > 1 ? kLabelGapShare / 2 : 0));
    }
    // In a band of the combined arrangement, whose columns slant across its
    // narrow houses, the boxes around each two successive characters of the
    // labels at its ends keep inside the house too, so that none reaches
    // across a spoke among a neighbour's characters.
    HouseSector inside = sector;
    if (band_.combined && !row.empty()) {
      // How much further than its characters' those boxes reach on either
      // side.
      const auto beyond = [&](const PlacedLabel& l) {
        const LabelSpan box = SpanOf(l);
        const LabelSpan hull = SpanOfBoxes(Strokes(Boxes(l)), SurfaceAngle(l.angle, 1));
        return std::array<double, 2>{std::max(0.0, hull.below - box.below),
                                     std::max(0.0, hull.above - box.above)};
      };
      const auto offset = [&](std::size_t k) { return Norm360(angles[k] - sector.start + 90); };
      std::size_t first = 0, last = 0;
      for (std::size_t k = 1; k < row.size(); ++k) {
        if (offset(k) < offset(first)) first = k;
        if (offset(k) > offset(last)) last = k;
      }
      const double below = beyond(*row[first])[0], above = beyond(*row[last])[1];
      if (below + above < sector.width / 2)
        inside = {sector.start + below, sector.width - below - above};
    }
    double squeeze = FitSpans(inside, angles, spans);
    // A label's span is measured where it stood: in a band of the combined
    // arrangement, near the centre, it turns enough with its new place to
    // touch a spoke or a neighbour, so the row is spread again from there.
    for (int again = 0; band_.combined && again < 2; ++again) {
      for (std::size_t k = 0; k < row.size(); ++k) {
        row[k]->angle = UserAngle(angles[k]);
        spans[k] = SpanOf(*row[k], row.size() > 1 ? kLabelGapShare / 2 : 0);
      }
      squeeze = std::min(squeeze, FitSpans(inside, angles, spans));
    }
    for (std::size_t k = 0; k < row.size(); ++k) {
      row[k]->angle = UserAngle(angles[k]);
      row[k]->lineEndAngle = row[k]->angle + band_.lineEndCorrection(row[k]->angle);
    }
    return squeeze;
  }

  // How far out a label of a row whose edge is `outer` may reach: a lent
  // label further in by its room for the leader lines beside it.
  double RowLimit(const PlacedLabel& l, double outer) const {
    const auto lent = lentOut_.find(l.point);
    return outer - (lent == lentOut_.end() ? 0 : lent->second);
  }

  // The room between a house's two rows of labels at `size`: as between
  // neighbours in a row.
  double RowGap(double size) const { return kLabelGapShare * glyphStepY_ * size * Squash(); }

  // The least share of their option sizes a single wheel's labels shrink to
  // on this surface: on a screen, that at which their glyphs still read in
  // the window as it opens (whose font scale is 1 at any dpi). The share
  // holds at every size, so a crowded house's labels grow with a larger
  // window as their neighbours do and shrink with a smaller one.
  double LeastLabelShare() const {
    const double glyphPoints = Opt(o_.glyphSize);
    if (o_.printing || !legible_ || !(glyphPoints > 0)) return kSmallestLabel;
    return std::clamp(kLeastReadableGlyphPoints / glyphPoints, kSmallestLabel, 1.0);
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
  double Size(int option) const { return Opt(option) * sizeFactor_; }

  // How much taller a user unit is than wide on this surface (the printed
  // page's are): the fit measures where things really stand, where the
  // circles are round.
  double Squash() const { return squash_; }
  // The true direction of a point (x, y) in user units.
  double TrueAngle(double x, double y) const {
    return std::atan2(Squash() * y, x) * 180 / std::numbers::pi;
  }
  // Where a spoke at angle `a` really runs on this surface, whose spokes
  // are squeezed vertically.
  double SurfaceAngle(double a, double verticalFactor) const {
    const double rad = a * std::numbers::pi / 180;
    return Norm360(TrueAngle(std::cos(rad), verticalFactor * std::sin(rad)));
  }
  double SurfaceAngle(double a) const { return SurfaceAngle(a, o_.verticalFactor); }
  // Where a house's sector between spokes drawn with `spokeFactor` really
  // runs on this surface.
  HouseSector SurfaceSector(const HouseSector& nominal, double spokeFactor) const {
    const double start = SurfaceAngle(nominal.start, spokeFactor);
    return {start, Norm360(SurfaceAngle(nominal.start + nominal.width, spokeFactor) - start)};
  }
  // The ring's sign glyphs; on paper as far from the circle as on the page
  // shape their places were made for, whatever the page's shape.
  std::array<UserPoint, 13> RingSignPositions() const {
    std::array<UserPoint, 13> at = DualSignGlyphPositions(req_.Cusps);
    if (o_.printing)
      for (UserPoint& p : at) p.y *= o_.verticalFactor / PrinterVerticalFactor;
    return at;
  }
  // The user angle of a true direction `t`.
  double UserAngle(double t) const {
    const double rad = t * std::numbers::pi / 180;
    return Norm360(std::atan2(std::sin(rad) / Squash(), std::cos(rad)) * 180 / std::numbers::pi);
  }

  // The boxes the characters `draw` puts cover, measured without drawing.
  template <class Draw>
  const std::vector<std::array<UserPoint, 2>>& Measured(const Draw& draw) {
    measuring_ = true;
    boxes_.clear();
    draw();
    measuring_ = false;
    return boxes_;
  }
  // A label's boxes depend only on these, and the fit asks for the same
  // label's boxes many times over.
  struct LabelShape {
    int point;
    double value, angle, radius, sizeFactor;
    bool leftSideOrder, retrograde;
    bool operator==(const LabelShape&) const = default;
  };
  struct LabelShapeHash {
    std::size_t operator()(const LabelShape& s) const {
      std::uint64_t h = std::uint64_t(s.point * 4 + s.leftSideOrder * 2 + s.retrograde);
      for (const double d : {s.value, s.angle, s.radius, s.sizeFactor}) h = MixedIn(h, d);
      return std::size_t(h);
    }
  };
  // A label's boxes, and from them its spans with the gap shares asked for
  // and how near and how far from the centre it reaches, once asked.
  struct LabelMeasures {
    std::vector<std::array<UserPoint, 2>> boxes;
    // By gap share: the two the fit uses kept inline, any more beside.
    std::array<std::pair<double, LabelSpan>, 2> spans{};
    std::size_t spanCount = 0;
    std::vector<std::pair<double, LabelSpan>> moreSpans;
    std::optional<double> innerReach, reach;
  };
  LabelMeasures& MeasuresOf(const PlacedLabel& l) {
    const LabelShape shape{l.point,      l.value,         l.angle,     l.radius,
                           l.sizeFactor, l.leftSideOrder, l.retrograde};
    // The fit asks several things of one place in a row.
    if (lastShape_ && lastShape_->first == shape) return lastShape_->second;
    auto known = shapes_.find(shape);
    if (known == shapes_.end()) {
      LabelMeasures measures;
      measures.boxes = LabelBoxes(l);
      known = shapes_.emplace(shape, std::move(measures)).first;
    }
    lastShape_ = &*known;
    return known->second;
  }
  void ForgetShapes() {
    shapes_.clear();
    lastShape_ = nullptr;
  }

  // How a label puts its texts, whatever its angle and radius: the size of
  // each text, each step toward the centre, and where the retrograde mark
  // goes, in order. Its texts and the steps between them depend only on the
  // key's fields; the fit asks for the same label at many places.
  struct LabelStroke {
    enum Kind : char { Put, Step, Mark, AtMark } kind;
    double x = 0, y = 0;  // a text's width and height, or a step's sides
  };
  struct LabelStrokesKey {
    int point;
    double value, sizeFactor;
    bool leftSideOrder, retrograde, digitStepKept;
    bool operator==(const LabelStrokesKey&) const = default;
  };
  struct LabelStrokesHash {
    std::size_t operator()(const LabelStrokesKey& k) const {
      std::uint64_t h = std::uint64_t(k.point * 8 + k.leftSideOrder * 4 + k.retrograde * 2 +
                                      k.digitStepKept);
      for (const double d : {k.value, k.sizeFactor}) h = MixedIn(h, d);
      return std::size_t(h);
    }
  };
  struct LabelStrokes {
    std::vector<LabelStroke> strokes;
    int digitStepX = 0, digitStepY = 0;  // as the label leaves them
  };
  // A label's boxes: measured the first time its key comes, else its
  // strokes put again from its own place, by the same sums.
  std::vector<std::array<UserPoint, 2>> LabelBoxes(const PlacedLabel& l) {
    const LabelStrokesKey key{l.point,         l.value,      l.sizeFactor,
                              l.leftSideOrder, l.retrograde, DigitStepKept(l.angle, o_.printing)};
    const auto known = strokesOf_.find(key);
    if (known == strokesOf_.end()) {
      LabelStrokes noted;
      strokes_ = &noted.strokes;
      std::vector<std::array<UserPoint, 2>> boxes = Measured([&] { Label(l); });
      strokes_ = nullptr;
      noted.digitStepX = digitStepX_;
      noted.digitStepY = digitStepY_;
      strokesOf_.emplace(key, std::move(noted));
      return boxes;
    }
    const LabelStrokes& noted = known->second;
    sizeFactor_ = l.sizeFactor;
    const double r = o_.printing ? l.radius * 0.9875 : l.radius;
    const double a = l.angle;
    const double rad = a * std::numbers::pi / 180;
    UserPoint at{r * std::cos(rad), r * std::sin(rad)}, mark = at;
    const CentreSteps toCentre(a, o_.printing);
    bool atMark = false;
    std::vector<std::array<UserPoint, 2>> boxes;
    boxes.reserve(noted.strokes.size());
    for (const LabelStroke& s : noted.strokes) switch (s.kind) {
        case LabelStroke::Put: {
          const UserPoint p = atMark ? mark : at;
          boxes.push_back({p, {p.x + s.x, p.y - s.y}});
          atMark = false;
          break;
        }
        case LabelStroke::Step:
          at = toCentre.From(at, s.x, s.y);
          break;
        case LabelStroke::Mark:
          mark = at;
          break;
        case LabelStroke::AtMark:
          atMark = true;
          break;
      }
    at_ = at;
    digitStepX_ = noted.digitStepX;
    digitStepY_ = noted.digitStepY;
    return boxes;
  }
  const std::vector<std::array<UserPoint, 2>>& Boxes(const PlacedLabel& l) {
    return MeasuresOf(l).boxes;
  }
  // `gapShare`: each box taken that share of its height larger all round,
  // so labels set apart by their spans keep twice that between them.
  LabelSpan SpanOf(const PlacedLabel& l, double gapShare = 0) {
    LabelMeasures& measures = MeasuresOf(l);
    for (std::size_t k = 0; k < measures.spanCount; ++k)
      if (measures.spans[k].first == gapShare) return measures.spans[k].second;
    for (const auto& [share, span] : measures.moreSpans)
      if (share == gapShare) return span;
    // Seen from the centre along SurfaceAngle(l.angle, 1), by the same sums.
    const double rad = l.angle * std::numbers::pi / 180;
    const double c = std::cos(rad), s = std::sin(rad);
    const LabelSpan span = AngularReach(measures.boxes, Squash(), Norm360(TrueAngle(c, s)),
                                        {c, Squash() * s}, gapShare);
    if (measures.spanCount < measures.spans.size())
      measures.spans[measures.spanCount++] = {gapShare, span};
    else
      measures.moreSpans.emplace_back(gapShare, span);
    return span;
  }
  // The nearest any of the label's boxes comes to the centre.
  double InnerReach(const PlacedLabel& l) {
    LabelMeasures& measures = MeasuresOf(l);
    if (measures.innerReach) return *measures.innerReach;
    return *(measures.innerReach = NearestPoint(measures.boxes, Squash()));
  }
  double Reach(const PlacedLabel& l) {
    LabelMeasures& measures = MeasuresOf(l);
    if (measures.reach) return *measures.reach;
    return *(measures.reach = FarthestCorner(measures.boxes, Squash()));
  }

  using Box = std::array<UserPoint, 2>;
  // The boxes around each two successive characters of a label (its glyph,
  // degrees, sign and minutes), and its retrograde mark's: a line through
  // them, even between two characters, is read as a stroke of the label.
  static std::vector<Box> Strokes(const std::vector<Box>& boxes) {
    constexpr std::size_t kColumn = 6;
    std::vector<Box> strokes(boxes.begin() + long(std::min(kColumn, boxes.size())), boxes.end());
    for (std::size_t c = 0; c + 1 < std::min(kColumn, boxes.size()); ++c) {
      const Box &u = boxes[c], &v = boxes[c + 1];
      strokes.push_back({UserPoint{std::min(u[0].x, v[0].x), std::max(u[0].y, v[0].y)},
                         UserPoint{std::max(u[1].x, v[1].x), std::min(u[1].y, v[1].y)}});
    }
    return strokes;
  }
  static std::array<UserPoint, 4> Corners(const Box& b) {
    return {{b[0], {b[1].x, b[0].y}, {b[0].x, b[1].y}, b[1]}};
  }
  const std::vector<Box>& RingBoxes(const DualLabel& l, const RingSpot& spot) {
    measuring_ = true;
    boxes_.clear();
    DualLabelAt(l, spot);
    measuring_ = false;
    return boxes_;
  }
  LabelSpan SpanOfBoxes(const std::vector<Box>& boxes, double anchor) const {
    LabelSpan span;
    for (const Box& box : boxes)
      for (const UserPoint& c : Corners(box)) {
        const double d = std::remainder(TrueAngle(c.x, c.y) - anchor, 360.0);
        span.below = std::max(span.below, -d);
        span.above = std::max(span.above, d);
      }
    return span;
  }
  // The true distances from the centre of the nearest and the farthest
  // point of some boxes.
  double Nearest(const std::vector<Box>& boxes) const {
    double near = 1e9;
    for (const Box& b : boxes)
      near = std::min(near, std::hypot(std::clamp(0.0, b[0].x, b[1].x),
                                       Squash() * std::clamp(0.0, b[1].y, b[0].y)));
    return near;
  }
  double Farthest(const std::vector<Box>& boxes) const {
    double far = 0;
    for (const Box& b : boxes)
      for (const UserPoint& c : Corners(b)) far = std::max(far, std::hypot(c.x, Squash() * c.y));
    return far;
  }

  void Circles(Rgb ring) {
    canvas_.Circle({0, 0}, 217, Ring(ring));
    canvas_.Circle({0, 0}, 120, Ring(ring));
  }

  // The circles a pass's labels stand between, and where its aspect lines
  // end beside a glyph at an angle.
  struct LabelBand {
    double rim = kRimRadius, inner = kInnerRadius;
    double (*lineEndCorrection)(double) = LineEndCorrection;
    // A band of the combined arrangement, whose rehoused labels keep their
    // leader lines clear.
    bool combined = false;
  };

  Canvas& canvas_;
  const WheelPaintInputs& in_;
  const WheelRequest& req_;
  SurfaceOptions o_;
  int glyphStepX_ = 0, glyphStepY_ = 0, digitStepX_ = 0, digitStepY_ = 0;
  UserPoint at_;
  std::optional<Rgb> glyphColor_;  // replaces option 92's (the second chart's)
  std::vector<std::array<UserPoint, 2>> ringLabels_;
  double sizeFactor_ = 1;
  double squash_ = 1;  // the surface's, whose scale stays as it was set
  // The true angles on the rim of the rehoused labels' points, by point.
  std::map<int, double> leaders_;
  // Those of them dealt out across a band of the combined arrangement, and
  // whether such a dealing is being checked.
  std::set<int> spread_;
  bool spreading_ = false;
  // How their leader lines run (`LeaderPath`), and the room each takes.
  bool spreadLanes_ = false;
  double spreadStep_ = kLeaderRoom;
  // Whether a row's fit counts only when it fits (else its labels are left
  // where the passes put them).
  bool quickFail_ = false;
  // Whether labels dealt out read as their hosts' own labels do.
  bool hostOrder_ = false;
  // The fits a band's dealing tried, by host, first label, count, the
  // labels' rooms and their reading order: a dealing with closer leader
  // lines tries some again.
  struct SpreadFit {
    double size = 0;
    std::vector<PlacedLabel> labels;
  };
  using SpreadKey = std::tuple<int, std::size_t, std::size_t, std::vector<double>, bool>;
  std::map<SpreadKey, SpreadFit> spreadFits_;
  // Whether labels keep to the size at which they read (else, for a house
  // too full for that, to `kSmallestLabel`).
  bool legible_ = true;
  // The least share of their sizes the two-ring wheel's labels are drawn
  // at while it is fitted and drawn (0: as small as their sector needs).
  double ringLeast_ = 0;
  // How many sectors away the two-ring wheel's labels are lent at most.
  int ringReach_ = kRingLendReach;
  // Whether a sector's labels lent on one side may be split between the
  // two sectors there.
  bool ringSplit_ = false;
  // The two-ring labels lent to another sector, by index: the true angle
  // of their points' own places and their leader lines.
  struct RingLeader {
    double target;
    std::vector<UserPoint> path;
  };
  std::map<std::size_t, RingLeader> ringLeaders_;
  // The labels each sector holds for others, lent toward the sectors
  // before it (from those after) and toward those after it, in zodiac
  // order; and the sector each sector lent to on either side (0: none).
  std::array<std::array<std::vector<std::size_t>, 2>, 13> ringGuests_;
  std::array<std::array<int, 2>, 13> ringHostOf_{};
  // On paper, the box the aspect grid covers at its lowest place, and
  // whether a sector's rows are fitted clear of it.
  std::optional<Box> gridBox_;
  bool clearOfGrid_ = false;
  // How many times a leader line's crossed labels stand in further.
  int leaderSteps_ = kLeaderSteps;
  // The points being fitted into a neighbour's house, and how much further
  // from the rim each stands.
  std::map<int, double> lentOut_;
  bool measuring_ = false;
  std::vector<std::array<UserPoint, 2>> boxes_;  // top-left and bottom-right
  std::vector<std::array<UserPoint, 2>> printed_;
  // The boxes of each label measured, by its shape; forgotten when the
  // cells change, and where too many are kept, between houses' fits.
  std::unordered_map<LabelShape, LabelMeasures, LabelShapeHash> shapes_;
  LabelBand band_;
  std::pair<const LabelShape, LabelMeasures>* lastShape_ = nullptr;  // the last asked for
  // Each label's strokes, by what they depend on, and those being noted.
  std::unordered_map<LabelStrokesKey, LabelStrokes, LabelStrokesHash> strokesOf_;
  std::vector<LabelStroke>* strokes_ = nullptr;
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
