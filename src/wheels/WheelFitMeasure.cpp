#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "core/Angles.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelFit.h"

namespace orv::wheelfit {

namespace {

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

// The ink insets of the glyph `code`: a chart point's as the font draws it,
// any other's the least.
std::pair<double, double> GlyphInkInsets(int code) {
  if (code > GlyphCode::PointBase && code <= GlyphCode::PointBase + NumPoints)
    return kPointInkInsets[std::size_t(code - GlyphCode::PointBase - 1)];
  return {kGlyphInkInset, kGlyphInkInset};
}

// The ink of the glyph `code`, `width` by `height`, on a surface that
// measures none: its sides by its insets, from kInkFrom to kInkTo of its
// line's height.
Canvas::Ink GlyphInkModel(int code, double width, double height) {
  const auto [inLeft, inRight] = GlyphInkInsets(code);
  return {inLeft * width, kInkFrom * height, (1 - inRight) * width, kInkTo * height};
}

}  // namespace

// Planned (on paper its box kept, for the aspect grid to keep clear of),
// or, `measured`, only its box noted there.
void WheelFit::PutText(const std::string& text, UserPoint at,
                       std::vector<std::array<UserPoint, 2>>* measured) {
  if (measured || o_.printing) {
    const double width = surface_.TextWidth(text), height = surface_.TextHeight(text);
    const std::array<UserPoint, 2> box{at, {at.x + width, at.y - height}};
    if (measured) {
      measured->push_back(box);
      if (strokes_) strokes_->push_back({LabelStroke::Put, width, height});
      return;
    }
    plan_.printed.push_back(box);
  }
  plan_.marks.push_back(
      {PlanMark::Kind::Text, at, {}, text, surface_.Font(), surface_.ForeColor()});
}

// The glyph and digit cells in the planet glyph size.
void WheelFit::MeasureCells() {
  ForgetShapes();
  strokesOf_.clear();
  surface_.SetFontSize(Opt(o_.glyphSize));
  const std::string reference = GlyphText(GlyphCode::Earth);
  glyphStepX_ = ToInteger(surface_.TextWidth(reference) + Opt(o_.glyphWidthOffset));
  glyphStepY_ = ToInteger(surface_.TextHeight(reference) + Opt(o_.glyphHeightOffset));
}

void WheelFit::Label(const PlacedLabel& l, std::vector<std::array<UserPoint, 2>>* measured) {
  sizeFactor_ = l.sizeFactor;
  const LongitudeParts parts = SplitLongitudeDM(Mod360(l.value));
  const double r = o_.printing ? l.radius * 0.9875 : l.radius;
  const double a = l.angle;
  const auto turn = Turn(a);
  const double cos = turn.first, sin = turn.second;
  surface_.SetFontSize(Size(o_.glyphSize));
  surface_.SetForeColor(band_.glyphColor.value_or(Color(o_.glyphColor)));
  at_ = {r * cos, r * sin};
  Put(PointCode(l.point), at_, measured);
  // In a combined band the character next to the glyph keeps a clear
  // pixel (on paper a dot) from its ink, or, `snug`, only off it.
  const bool clear = band_.combined;
  Box glyph{};
  std::optional<Ink> glyphInk;
  if (clear) {
    const std::string text = GlyphText(PointCode(l.point));
    glyph = {at_, {at_.x + surface_.TextWidth(text), at_.y - surface_.TextHeight(text)}};
    glyphInk = surface_.TextInk(text);
  }
  const auto clearOfGlyph = [&](const std::string& next) {
    if (!clear) return;
    const double width = surface_.TextWidth(next), height = surface_.TextHeight(next);
    Inks inks;
    if (const std::optional<Ink> nextInk = surface_.TextInk(next); glyphInk && nextInk)
      inks = std::array{*glyphInk, *nextInk};
    at_ = ClearOfGlyph(at_, cos, sin, PointCode(l.point), glyph, width, height, inks, l.snug);
    if (strokes_) {
      strokes_->push_back({LabelStroke::Clear, width, height});
      *clearInks_ = inks;
    }
  };
  const std::string zero = "0";
  const int sign = GlyphCode::SignBase + parts.sign;
  // The retrograde mark stands next to its own glyph, inside the column:
  // at the column's inner end it would sit beside a neighbour's degrees.
  const std::string mark = GlyphText(GlyphCode::RetrogradeMark);
  std::optional<UserPoint> markAt;
  const auto keepRoomForMark = [&] {
    if (!l.retrograde) return;
    surface_.SetFontSize(Size(o_.retroSize));
    clearOfGlyph(mark);
    markAt = at_;
    if (strokes_) strokes_->push_back({LabelStroke::Mark});
    MeasureDigit(mark, o_.glyphWidthOffset, o_.glyphHeightOffset);
    Step(a, digitStepX_, digitStepY_);
  };
  if (l.leftSideOrder) {
    Step(a, glyphStepX_ * sizeFactor_, glyphStepY_ * sizeFactor_);
    keepRoomForMark();
    surface_.SetFontSize(Size(o_.degreeSize));
    MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
    surface_.SetForeColor(Color(o_.degreeColor));
    if (!l.retrograde) {
      surface_.SetFontBold(true);
      clearOfGlyph(std::string(1, char('0' + parts.degrees / 10)));
      surface_.SetFontBold(false);
    }
    PutBold('0' + parts.degrees / 10, at_, measured);
    Step(a, digitStepX_, digitStepY_);
    PutBold('0' + parts.degrees % 10, at_, measured);
    Step(a, digitStepX_, digitStepY_);
    surface_.SetFontSize(Size(o_.signSize));
    surface_.SetForeColor(Color(o_.signColor));
    Put(sign, at_, measured);
    MeasureDigit(GlyphText(sign), o_.glyphWidthOffset, o_.glyphHeightOffset);
    Step(a, digitStepX_, digitStepY_);
    surface_.SetFontSize(Size(o_.minuteSize));
    surface_.SetForeColor(Color(o_.minuteColor));
    MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
    Put('0' + parts.minutes / 10, at_, measured);
    Step(a, digitStepX_, digitStepY_);
    Put('0' + parts.minutes % 10, at_, measured);
    Step(a, digitStepX_, digitStepY_);
  } else {
    surface_.SetForeColor(Color(o_.minuteColor));
    MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
    Shrink(a);
    Step(a, digitStepX_, digitStepY_);
    keepRoomForMark();
    surface_.SetFontSize(Size(o_.minuteSize));
    MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
    Shrink(a);
    if (!l.retrograde) clearOfGlyph(std::string(1, char('0' + parts.minutes % 10)));
    Put('0' + parts.minutes % 10, at_, measured);
    Step(a, digitStepX_, digitStepY_);
    Put('0' + parts.minutes / 10, at_, measured);
    Step(a, digitStepX_, digitStepY_);
    MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
    Step(a, digitStepX_, digitStepY_);
    surface_.SetFontSize(Size(o_.signSize));
    surface_.SetForeColor(Color(o_.signColor));
    Put(sign, at_, measured);
    surface_.SetFontSize(Size(o_.degreeSize));
    surface_.SetForeColor(Color(o_.degreeColor));
    MeasureDigit(zero, o_.digitWidthOffset, o_.digitHeightOffset);
    Step(a, digitStepX_, digitStepY_);
    PutBold('0' + parts.degrees % 10, at_, measured);
    Step(a, digitStepX_, digitStepY_);
    PutBold('0' + parts.degrees / 10, at_, measured);
    Step(a, digitStepX_, digitStepY_);
  }
  if (markAt) {
    surface_.SetFontSize(Size(o_.retroSize));
    const Rgb kept = surface_.ForeColor();
    surface_.SetForeColor(Color(o_.retroColor));
    if (strokes_) strokes_->push_back({LabelStroke::AtMark});
    Put(GlyphCode::RetrogradeMark, *markAt, measured);
    surface_.SetForeColor(kept);
  }
}

// A label of the two-ring style (the two-ring wheel and the declination
// wheel): the glyph beside the ring at radius `rho`, its text one glyph
// cell further out, both in chart 1's light blue or chart 2's light red;
// on paper chart 1 in bold. `factor` scales its sizes (a crowded sector).
void WheelFit::RingLabel(int code, bool secondChart, const std::string& text, double a,
                         int houseCount, const RingSpot& spot,
                         std::vector<std::array<UserPoint, 2>>* measured) {
  const double rho = spot.rho, factor = spot.factor;
  const double rad = a * std::numbers::pi / 180;
  const double c = std::cos(rad), s = std::sin(rad);
  const Rgb ink = QBColor(secondChart ? kLabelRed : kLabelBlue);
  const bool bold = o_.printing && !secondChart;
  const double stepX = glyphStepX_ * factor, stepY = glyphStepY_ * factor;
  surface_.SetFontSize(Opt(o_.glyphSize) * factor);
  surface_.SetForeColor(ink);
  const double fy = BandFactor(a, kGlyphY), fx = BandFactor(a, kGlyphX);
  const UserPoint glyph{rho * c + fx * stepX, rho * s + fy * stepY};
  if (bold)
    PutBold(code, glyph, measured);
  else
    Put(code, glyph, measured);
  surface_.SetFontBold(bold);
  const double glyphWidth = surface_.TextWidth(GlyphText(code));
  const double glyphHeight = surface_.TextHeight(GlyphText(code));
  surface_.SetFontBold(false);
  const double gy = BandFactor(a, kTextY), gx = BandFactor(a, kTextX);
  UserPoint at{rho * c + gx * stepX + stepX * c, rho * s + gy * stepY + stepY * s};
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
  surface_.SetFontSize(size * factor);
  surface_.SetFontBold(bold);
  // The bands place a text by where it starts: one that stands before its
  // glyph, on the glyph's line, ends where the glyph's ink begins, however
  // long it is (a retrograde mark's "R"). Drawn a little above or below
  // the glyph's line, it moves as much less as its ink is further from the
  // glyph's, so that a label moved along the ring changes shape smoothly.
  // The texts keep a clear pixel (on paper a dot) from the glyph's own ink,
  // either side of it; on a screen as if it were a pixel larger all round;
  // none where the sector holds its labels only so (`snug`).
  const auto [inLeft, inRight] = GlyphInkInsets(code);
  const double pxX = spot.snug ? 0 : 1 / std::fabs(surface_.DeviceUnitsPerUserX());
  const double pxY = o_.printing || spot.snug ? 0 : 1 / std::fabs(surface_.DeviceUnitsPerUserY());
  const double height = surface_.TextHeight(text);
  const double boxes = std::min(at.y, glyph.y) - std::max(at.y - height, glyph.y - glyphHeight);
  const double inks = std::min(at.y - kInkFrom * height, glyph.y - kInkFrom * glyphHeight + pxY) -
                      std::max(at.y - kInkTo * height, glyph.y - kInkTo * glyphHeight - pxY);
  const double onLine = inks >= 0 ? 1 : boxes <= 0 ? 0 : boxes / (boxes - inks);
  const double end = at.x + surface_.TextWidth(text) - glyph.x;
  const double under = std::max(end - kGlyphInkInset * glyphWidth, end - inLeft * glyphWidth + pxX);
  const double past = glyph.x + (1 - inRight) * glyphWidth + pxX - at.x;
  if (at.x < glyph.x && under > 0) at.x -= onLine * under;
  if (at.x >= glyph.x && past > 0) at.x += onLine * past;
  PutText(text, at, measured);
  surface_.SetFontBold(false);
  surface_.SetForeColor(Color(o_.degreeColor));
}

// The place `at` of a `width` by `height` text moved on toward the centre
// along the ray whose angle has cosine `cos` and sine `sin` (as `Turn`
// gives them) as far as its ink must go to leave a pixel (on paper a dot)
// clear of the ink of the glyph `code` whose box is `glyph`, along a row or
// a column: the two inks `inks` where the surface measures them. A `snug`
// text goes only as far as the inks no longer overlap.
UserPoint WheelFit::ClearOfGlyph(UserPoint at, double cos, double sin, int code, const Box& glyph,
                                 double width, double height, const Inks& inks, bool snug) const {
  const double pxX = snug ? 0 : 1 / std::fabs(surface_.DeviceUnitsPerUserX());
  const double pxY = snug ? 0 : 1 / std::fabs(surface_.DeviceUnitsPerUserY());
  const Ink g =
      inks ? (*inks)[0] : GlyphInkModel(code, glyph[1].x - glyph[0].x, glyph[0].y - glyph[1].y);
  const Ink n = inks ? (*inks)[1] : Ink{0, kInkFrom * height, width, kInkTo * height};
  const double ux = -cos, uy = -sin;
  constexpr double kNone = 1e300;
  double alongX = kNone, alongY = kNone;
  if (ux > 1e-9)
    alongX = (glyph[0].x + g.right + pxX - at.x - n.left) / ux;
  else if (ux < -1e-9)
    alongX = (at.x + n.right - glyph[0].x - g.left + pxX) / -ux;
  if (uy > 1e-9)
    alongY = (glyph[0].y - g.top + pxY - at.y + n.bottom) / uy;
  else if (uy < -1e-9)
    alongY = (at.y - n.top - glyph[0].y + g.bottom + pxY) / -uy;
  const double t = std::max(0.0, std::min(alongX, alongY));
  return {at.x + t * ux, at.y + t * uy};
}

void WheelFit::DualLabelAt(const DualLabel& l, const RingSpot& spot,
                           std::vector<std::array<UserPoint, 2>>* measured) {
  RingLabel(PointCode(l.point()), l.secondChart(),
            DualDegreeText(l.value, l.retrograde, MagnitudeRing()), l.angle, l.houseCount, spot,
            measured);
}

// A label's boxes: measured the first time its key comes, else its
// strokes put again from its own place, by the same sums.
void WheelFit::LabelBoxes(const PlacedLabel& l, LabelBoxList& boxes) {
  const LabelStrokesKey key{l.point,         l.value,      l.sizeFactor,
                            l.leftSideOrder, l.retrograde, DigitStepKept(l.angle, o_.printing)};
  const auto known = strokesOf_.find(key);
  if (known == strokesOf_.end()) {
    LabelStrokes noted;
    strokes_ = &noted.strokes;
    clearInks_ = &noted.clearInks;
    for (const LabelBox& b : Measured([&](auto* measured) { Label(l, measured); }))
      boxes.push_back(b);
    strokes_ = nullptr;
    noted.digitStepX = digitStepX_;
    noted.digitStepY = digitStepY_;
    strokesOf_.emplace(key, std::move(noted));
    return;
  }
  LabelStrokes& noted = known->second;
  sizeFactor_ = l.sizeFactor;
  const double r = o_.printing ? l.radius * 0.9875 : l.radius;
  const double a = l.angle;
  const auto [cos, sin] = Turn(a);
  UserPoint at{r * cos, r * sin}, mark = at;
  if (!noted.ray ||
      std::bit_cast<std::uint64_t>(noted.rayAngle) != std::bit_cast<std::uint64_t>(a)) {
    noted.ray.emplace(a, o_.printing);
    noted.rayAngle = a;
    noted.stepLengths.clear();
    for (const LabelStroke& s : noted.strokes)
      if (s.kind == LabelStroke::Step) noted.stepLengths.push_back(noted.ray->Length(s.x, s.y));
  }
  const double* stepLength = noted.stepLengths.data();
  bool atMark = false;
  for (const LabelStroke& s : noted.strokes) switch (s.kind) {
      case LabelStroke::Put: {
        const UserPoint p = atMark ? mark : at;
        boxes.push_back({p, {p.x + s.x, p.y - s.y}});
        atMark = false;
        break;
      }
      case LabelStroke::Step:
        at = noted.ray->Along(at, *stepLength++);
        break;
      case LabelStroke::Mark:
        mark = at;
        break;
      case LabelStroke::AtMark:
        atMark = true;
        break;
      case LabelStroke::Clear:
        at = ClearOfGlyph(at, cos, sin, PointCode(l.point), boxes.front(), s.x, s.y,
                          noted.clearInks, l.snug);
        break;
    }
  at_ = at;
  digitStepX_ = noted.digitStepX;
  digitStepY_ = noted.digitStepY;
}

}  // namespace orv::wheelfit
