#include "platform/RecordingCanvas.h"

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

void RecordingCanvas::DoClear(Rgb back) {
  CanvasRecord r;
  r.kind = CanvasRecord::Kind::Clear;
  r.color = back;
  records_.push_back(r);
}

void RecordingCanvas::DoLine(UserPoint a, UserPoint b, Rgb color, double widthPx) {
  CanvasRecord r;
  r.kind = CanvasRecord::Kind::Line;
  r.a = a;
  r.b = b;
  r.color = color;
  r.widthPx = widthPx;
  records_.push_back(r);
}

void RecordingCanvas::DoCircle(UserPoint centre, double radius, Rgb color, std::optional<Rgb> fill,
                               std::optional<double> startRad, std::optional<double> endRad,
                               double widthPx) {
  CanvasRecord r;
  r.kind = CanvasRecord::Kind::Circle;
  r.a = centre;
  r.radius = radius;
  r.color = color;
  r.fill = fill;
  r.startRad = startRad;
  r.endRad = endRad;
  r.widthPx = widthPx;
  records_.push_back(r);
}

void RecordingCanvas::DoText(UserPoint topLeft, std::string_view text, const CanvasFont& font,
                             Rgb color) {
  CanvasRecord r;
  r.kind = CanvasRecord::Kind::Text;
  r.a = topLeft;
  r.text = text;
  r.font = font;
  r.color = color;
  records_.push_back(r);
}

Canvas::TextSize RecordingCanvas::MeasureText(std::string_view text, const CanvasFont& font) const {
  const auto chars = CharacterCount(text);
  const double em = font.points / 72.0 * dotsPerInch_;
  return {0.5 * em * static_cast<double>(chars), 1.25 * em};
}

}  // namespace orv
