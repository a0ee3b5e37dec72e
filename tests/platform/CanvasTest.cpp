// The drawing surface's own rules: the palette, the user scale, the text
// measures in user units and where printing leaves the position.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include "RecordingCanvas.h"
#include "platform/Canvas.h"

namespace orv {
namespace {

Rgb Hex(unsigned rgb) {
  return {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
}

TEST(Canvas, QBColorPalette) {
  // Halves round to even (6.5 is 6, 8.5 is 8); the ends hold.
  const std::pair<double, unsigned> rows[] = {
      {0, 0x000000},   {1, 0x000080},   {4, 0x800000},   {7, 0xC0C0C0},  {8, 0x808080},
      {9, 0x0000FF},   {10, 0x00FF00},  {12, 0xFF0000},  {14, 0xFFFF00}, {15, 0xFFFFFF},
      {6.5, 0x808000}, {8.5, 0x808080}, {9.6, 0x00FF00}, {-3, 0x000000}, {21, 0xFFFFFF}};
  for (const auto& [number, rgb] : rows) EXPECT_EQ(QBColor(number), Hex(rgb)) << number;
}

TEST(Canvas, UserScaleTextMeasuresAndPrintPosition) {
  struct Row {
    double left, top, right, bottom, deviceWidth, deviceHeight;
    UserPoint probe, probeOnDevice;
    double widthOfFour, lineHeight;  // user units, 10-point text at 100 dpi
  };
  // A page of 8.5 by 11.5 units, y down; a wheel scale of +-200 by +-150, y up.
  const Row rows[] = {
      {0, 0, 8.5, 11.5, 850, 1150, {1, 3}, {100, 300}, 2000.0 / 7200, 1250.0 / 7200},
      {-200, 150, 200, -150, 400, 300, {100, -75}, {300, 225}, 2000.0 / 72, 1250.0 / 72},
  };
  for (const Row& r : rows) {
    RecordingCanvas canvas(r.deviceWidth, r.deviceHeight, 100);
    canvas.SetScale(r.left, r.top, r.right, r.bottom);
    EXPECT_DOUBLE_EQ(canvas.ScaleHeight(), r.bottom - r.top);
    EXPECT_EQ(canvas.ToDevice(r.probe), r.probeOnDevice);
    EXPECT_DOUBLE_EQ(canvas.TextWidth("a\xC3\xA9z!"), r.widthOfFour);  // 4 characters
    EXPECT_DOUBLE_EQ(canvas.TextHeight("x"), r.lineHeight);

    // Printing starts at the position and moves one line down the surface,
    // back to the left edge; a line leaves the position at its end.
    canvas.SetFontBold(true);
    canvas.SetCurrent(r.probe);
    canvas.Print("one");
    const double down = r.bottom < r.top ? -1 : 1;
    EXPECT_EQ(canvas.Current(), (UserPoint{r.left, r.probe.y + down * r.lineHeight}));
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(canvas.Texts()[0].a, r.probe);
    EXPECT_EQ(canvas.Texts()[0].font, (CanvasFont{"Times New Roman", 10, true}));
    canvas.Line({r.left, r.top}, r.probe);
    EXPECT_EQ(canvas.Current(), r.probe);

    // A font scale of 1.5 draws and measures 15-point text; the font keeps
    // its 10 points, and a scale of 0 leaves the last one.
    canvas.SetFontScale(1.5);
    canvas.SetFontScale(0);
    EXPECT_DOUBLE_EQ(canvas.TextWidth("a\xC3\xA9z!"), 1.5 * r.widthOfFour);
    EXPECT_DOUBLE_EQ(canvas.TextHeight("x"), 1.5 * r.lineHeight);
    canvas.SetCurrent(r.probe);
    canvas.Print("two");
    EXPECT_EQ(canvas.Current().x, r.left);
    EXPECT_DOUBLE_EQ(canvas.Current().y, r.probe.y + down * 1.5 * r.lineHeight);
    EXPECT_EQ(canvas.Texts().back().font.points, 15);
    EXPECT_EQ(canvas.Font().points, 10);
  }
}

// Every surface draws what Circle passes on: an arc whose ends meet (as
// given, a whole turn apart, or apart by the rounding of their degrees) is
// passed on to none; a short arc, a whole circle and an arc ending at 0
// are.
TEST(Canvas, AnArcWhoseEndsMeetDrawsNothing) {
  constexpr double kPi = 3.14159265358979323846;
  const std::tuple<std::optional<double>, std::optional<double>, bool> rows[] = {
      {0.7, 0.7, false},
      {-kPi / 2, 3 * kPi / 2, false},
      {218 * kPi / 180, 218.0 / 180 * kPi, false},
      {0.0, std::nullopt, false},
      {std::nullopt, 2 * kPi, false},
      {0.7, 0.7 + 0.001 * kPi / 180, true},
      {0.7, 0.7 - 0.001 * kPi / 180, true},
      {1.0, std::nullopt, true},
      {std::nullopt, std::nullopt, true},
  };
  for (const auto& [start, end, drawn] : rows) {
    RecordingCanvas canvas(400, 400, 96);
    CircleStyle style;
    style.startRad = start;
    style.endRad = end;
    canvas.Circle({0, 0}, 100, style);
    EXPECT_EQ(canvas.Records().size(), drawn ? 1u : 0u)
        << start.value_or(-1) << " to " << end.value_or(-1);
  }
}

// A surface whose every font and text measures differently, and which notes
// what it was asked to measure.
class CountingCanvas : public RecordingCanvas {
 public:
  CountingCanvas() : RecordingCanvas(800, 600, 72) {}
  static double Width(std::string_view family, double points, bool bold, std::string_view text) {
    return points * 1000 + (bold ? 100 : 0) + double(family.size()) * 10 + double(text.size());
  }
  using Asked = std::tuple<std::string, double, bool, std::string>;
  mutable std::vector<Asked> asked;

 protected:
  TextSize MeasureText(std::string_view text, const CanvasFont& font) const override {
    asked.emplace_back(font.family, font.points, font.bold, std::string(text));
    return {Width(font.family, font.points, font.bold, text), font.points * 2};
  }
};

// Each text is measured once in each font (family, size at the font scale,
// weight); a text in another font, or another text, is measured anew.
TEST(Canvas, TextsAreMeasuredOncePerFontAndText) {
  const struct {
    const char* family;
    double points, scale;
    bool bold;
    const char* text;
  } rows[] = {
      {"Times", 10, 1, false, "ab"}, {"Times", 10, 1, true, "ab"},   {"Times", 12, 1, false, "ab"},
      {"Glyph", 10, 1, false, "ab"}, {"Glyphs", 10, 1, false, "ab"}, {"Times", 10, 1, false, "abc"},
      {"Times", 10, 1, false, "a"},  {"Times", 10, 1.2, false, "ab"}, {"Times", 10, 1, false, "ab"},
      {"Times", 10, 1, true, "ab"},  {"Times", 12, 1, false, "abc"}, {"Times", 10, 1.2, true, "ab"},
      {"Glyph", 12, 1, false, "ab"}, {"Times", 12, 1, false, "ab"},   {"Glyph", 10, 1.2, false, "abc"},
      {"Glyph", 12, 1, true, "ab"},  {"Glyphs", 10, 1, false, "abc"}, {"Glyph", 12, 1, false, "a"},
  };
  CountingCanvas canvas;
  std::set<CountingCanvas::Asked> distinct;
  for (const auto& r : rows) {
    canvas.SetFontName(r.family);
    canvas.SetFontSize(r.points);
    canvas.SetFontScale(r.scale);
    canvas.SetFontBold(r.bold);
    const double points = r.points * r.scale;
    EXPECT_DOUBLE_EQ(canvas.TextWidth(r.text),
                     CountingCanvas::Width(r.family, points, r.bold, r.text))
        << r.family << " " << points << (r.bold ? " bold " : " ") << r.text;
    EXPECT_DOUBLE_EQ(canvas.TextHeight(r.text), points * 2);
    distinct.emplace(r.family, points, r.bold, r.text);
  }
  // Ten points at a scale of 1.2 are 12 points, as 12 at a scale of 1.
  EXPECT_EQ(canvas.asked.size(), distinct.size());
  EXPECT_EQ(std::set(canvas.asked.begin(), canvas.asked.end()), distinct);
}

// Canvases keep their measures apart (another device may measure otherwise):
// what a copy measures, the canvas it was copied from measures itself; and a
// copy measures rightly when that canvas is gone, in the font last measured
// there and in another.
TEST(Canvas, ACopiedCanvasMeasuresOnItsOwn) {
  auto original = std::make_unique<CountingCanvas>();
  original->SetFontName("Glyph");
  original->SetFontSize(10);
  EXPECT_DOUBLE_EQ(original->TextWidth("ab"), CountingCanvas::Width("Glyph", 10, false, "ab"));
  CountingCanvas copy = *original;
  copy.TextWidth("cd");
  original->TextWidth("cd");
  EXPECT_EQ(original->asked.back(), (CountingCanvas::Asked{"Glyph", 10, false, "cd"}));
  original.reset();
  for (const double points : {10, 14, 10}) {
    copy.SetFontSize(points);
    EXPECT_DOUBLE_EQ(copy.TextWidth("ab"), CountingCanvas::Width("Glyph", points, false, "ab"));
    EXPECT_DOUBLE_EQ(copy.TextHeight("abc"), points * 2);
  }
}

}  // namespace
}  // namespace orv
