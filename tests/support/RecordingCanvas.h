#pragma once
// A drawing surface that draws nothing and records every primitive in user
// coordinates, with fixed text metrics, so tests can check what a page or
// wheel draws and where.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"

namespace orv {

struct CanvasRecord {
  enum class Kind { Clear, Line, Circle, Text };
  Kind kind = Kind::Line;
  UserPoint a;  // line start, circle centre, text top-left corner
  UserPoint b;  // line end
  double radius = 0;
  Rgb color;  // pen or text colour; the back colour of a Clear
  std::optional<Rgb> fill;
  std::optional<double> startRad;
  std::optional<double> endRad;
  double widthPx = 1;
  std::string text;
  CanvasFont font;
};

class RecordingCanvas : public Canvas {
 public:
  // A surface of `deviceWidth` by `deviceHeight` dots at `dotsPerInch`. Text
  // measures: each character (UTF-8 code point) is half an em wide and a line
  // is 1.25 em high, one em being the font's size in points.
  RecordingCanvas(double deviceWidth, double deviceHeight, double dotsPerInch);

  double DeviceWidth() const override { return width_; }
  double DeviceHeight() const override { return height_; }
  double DotsPerInch() const override { return dotsPerInch_; }

  const std::vector<CanvasRecord>& Records() const { return records_; }
  // The text records in drawing order.
  std::vector<CanvasRecord> Texts() const;
  // The lines in drawing order.
  std::vector<CanvasRecord> Lines() const;

 protected:
  void DoClear(Rgb back) override;
  void DoLine(UserPoint a, UserPoint b, Rgb color, double widthPx) override;
  void DoCircle(UserPoint centre, double radius, Rgb color, std::optional<Rgb> fill,
                std::optional<double> startRad, std::optional<double> endRad,
                double widthPx) override;
  void DoText(UserPoint topLeft, std::string_view text, const CanvasFont& font, Rgb color) override;
  TextSize MeasureText(std::string_view text, const CanvasFont& font) const override;

 private:
  CanvasRecord& Add(CanvasRecord::Kind kind, Rgb color);
  std::vector<CanvasRecord> Kinds(CanvasRecord::Kind kind) const;

  double width_;
  double height_;
  double dotsPerInch_;
  std::vector<CanvasRecord> records_;
};

}  // namespace orv
