#include "platform/Canvas.h"

#include <array>
#include <cmath>
#include <numbers>

namespace orv {

namespace {

// The palette of the classic BASIC colour numbers.
constexpr std::array<Rgb, 16> kPalette = {{
    {0x00, 0x00, 0x00},
    {0x00, 0x00, 0x80},
    {0x00, 0x80, 0x00},
    {0x00, 0x80, 0x80},
    {0x80, 0x00, 0x00},
    {0x80, 0x00, 0x80},
    {0x80, 0x80, 0x00},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0x00, 0x00, 0xFF},
    {0x00, 0xFF, 0x00},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0x00, 0x00},
    {0xFF, 0x00, 0xFF},
    {0xFF, 0xFF, 0x00},
    {0xFF, 0xFF, 0xFF},
}};

}  // namespace

Rgb QBColor(double number) {
  if (std::isnan(number)) return kPalette[0];
  const double n = std::nearbyint(number);  // the default rounding: halves to even
  if (n <= 0) return kPalette[0];
  if (n >= 15) return kPalette[15];
  return kPalette[static_cast<std::size_t>(n)];
}

Canvas::ScaleEdges Canvas::Edges() const {
  if (scale_) return *scale_;
  return {0, 0, DeviceWidth(), DeviceHeight()};
}

void Canvas::SetScale(double left, double top, double right, double bottom) {
  if (left == right || top == bottom) return;
  scale_ = ScaleEdges{left, top, right, bottom};
  current_ = {left, top};
}

double Canvas::DeviceUnitsPerUserX() const { return DeviceWidth() / std::abs(ScaleWidth()); }
double Canvas::DeviceUnitsPerUserY() const { return DeviceHeight() / std::abs(ScaleHeight()); }

UserPoint Canvas::ToDevice(UserPoint p) const {
  const ScaleEdges e = Edges();
  return {(p.x - e.left) / (e.right - e.left) * DeviceWidth(),
          (p.y - e.top) / (e.bottom - e.top) * DeviceHeight()};
}

void Canvas::Clear() {
  DoClear(back_);
  current_ = {ScaleLeft(), ScaleTop()};
}

void Canvas::Line(UserPoint a, UserPoint b, std::optional<Rgb> color) {
  DoLine(a, b, color.value_or(fore_), drawWidth_);
  current_ = b;
}

void Canvas::Circle(UserPoint centre, double radius, const CircleStyle& style) {
  // An arc whose ends meet (to the rounding of angles worked out in degrees)
  // covers nothing: read as a whole turn it would ring the circle.
  constexpr double kSameEnd = 1e-9;
  if ((style.startRad || style.endRad) &&
      std::abs(std::remainder(style.endRad.value_or(0) - style.startRad.value_or(0),
                              2 * std::numbers::pi)) < kSameEnd)
    return;
  DoCircle(centre, radius, style.color.value_or(fore_), style.fill, style.startRad, style.endRad,
           drawWidth_);
}

CanvasFont Canvas::ScaledFont() const {
  CanvasFont font = font_;
  font.points *= fontScale_;
  return font;
}

void Canvas::Print(std::string_view text) {
  DoText(current_, text, ScaledFont(), fore_);
  const double down = ScaleHeight() < 0 ? -1 : 1;
  current_ = {ScaleLeft(), current_.y + down * TextHeight(text)};
}

Canvas::TextSizes& Canvas::MeasuredTexts::In(const CanvasFont& font, double scale) {
  const double points = font.points * scale;
  for (const Recent& r : recent_)
    if (r.sizes && r.font.points == points && r.font.bold == font.bold &&
        r.font.family == font.family)
      return *r.sizes;
  Recent& r = recent_[next_];
  next_ = (next_ + 1) % recent_.size();
  r.font = font;
  r.font.points = points;
  r.sizes = &byFont_[r.font];
  return *r.sizes;
}

Canvas::TextSize Canvas::Measured(std::string_view text, const CanvasFont& font) const {
  TextSizes& sizes = measured_.In(font, fontScale_);
  if (const auto known = sizes.find(text); known != sizes.end()) return known->second;
  CanvasFont scaled = font;
  scaled.points *= fontScale_;
  const TextSize size = MeasureText(text, scaled);
  sizes.emplace(text, size);
  return size;
}

double Canvas::TextWidth(std::string_view text) const { return TextWidth(text, font_); }

double Canvas::TextHeight(std::string_view text) const { return TextHeight(text, font_); }

double Canvas::TextWidth(std::string_view text, const CanvasFont& font) const {
  return Measured(text, font).width / DeviceUnitsPerUserX();
}

double Canvas::TextHeight(std::string_view text, const CanvasFont& font) const {
  return Measured(text, font).height / DeviceUnitsPerUserY();
}

std::optional<Canvas::Ink> Canvas::TextInk(std::string_view text) const {
  return TextInk(text, font_);
}

std::optional<Canvas::Ink> Canvas::TextInk(std::string_view text, const CanvasFont& font) const {
  CanvasFont scaled = font;
  scaled.points *= fontScale_;
  auto& inks = inks_[scaled];
  auto known = inks.find(text);
  if (known == inks.end()) known = inks.emplace(text, MeasureInk(text, scaled)).first;
  if (!known->second) return std::nullopt;
  const double perX = DeviceUnitsPerUserX(), perY = DeviceUnitsPerUserY();
  const Ink& ink = *known->second;
  return Ink{ink.left / perX, ink.top / perY, ink.right / perX, ink.bottom / perY};
}

}  // namespace orv
