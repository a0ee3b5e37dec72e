#include "RecordingCanvas.h"

#include <algorithm>

#include "base/Text.h"

namespace orv {

RecordingCanvas::RecordingCanvas(double deviceWidth, double deviceHeight, double dotsPerInch)
    : width_(deviceWidth), height_(deviceHeight), dotsPerInch_(dotsPerInch) {}

std::vector<CanvasRecord> RecordingCanvas::Kinds(CanvasRecord::Kind kind) const {
  std::vector<CanvasRecord> out;
  std::copy_if(records_.begin(), records_.end(), std::back_inserter(out),
               [kind](const CanvasRecord& r) { return r.kind == kind; });
  return out;
}

std::vector<CanvasRecord> RecordingCanvas::Texts() const { return Kinds(CanvasRecord::Kind::Text); }
std::vector<CanvasRecord> RecordingCanvas::Lines() const { return Kinds(CanvasRecord::Kind::Line); }

CanvasRecord& RecordingCanvas::Add(CanvasRecord::Kind kind, Rgb color) {
  CanvasRecord& r = records_.emplace_back();
  r.kind = kind;
  r.color = color;
  return r;
}

void RecordingCanvas::DoClear(Rgb back) { Add(CanvasRecord::Kind::Clear, back); }

void RecordingCanvas::DoLine(UserPoint a, UserPoint b, Rgb color, double widthPx) {
  CanvasRecord& r = Add(CanvasRecord::Kind::Line, color);
  r.a = a;
  r.b = b;
  r.widthPx = widthPx;
}

void RecordingCanvas::DoCircle(UserPoint centre, double radius, Rgb color, std::optional<Rgb> fill,
                               std::optional<double> startRad, std::optional<double> endRad,
                               double widthPx) {
  CanvasRecord& r = Add(CanvasRecord::Kind::Circle, color);
  r.a = centre;
  r.radius = radius;
  r.fill = fill;
  r.startRad = startRad;
  r.endRad = endRad;
  r.widthPx = widthPx;
}

void RecordingCanvas::DoText(UserPoint topLeft, std::string_view text, const CanvasFont& font,
                             Rgb color) {
  CanvasRecord& r = Add(CanvasRecord::Kind::Text, color);
  r.a = topLeft;
  r.text = text;
  r.font = font;
}

Canvas::TextSize RecordingCanvas::MeasureText(std::string_view text, const CanvasFont& font) const {
  const auto chars = CharacterCount(text);
  const double em = font.points / 72.0 * dotsPerInch_;
  return {0.5 * em * static_cast<double>(chars), 1.25 * em};
}

}  // namespace orv
