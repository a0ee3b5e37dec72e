// The drawing surface's own rules: the palette, the user scale, the text
// measures in user units and where printing leaves the position.

#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/RecordingCanvas.h"

namespace orv {
namespace {

TEST(Canvas, QBColorPalette) {
  struct Row {
    double number;
    Rgb rgb;
  };
  const Row rows[] = {
      {0, {0, 0, 0}},
      {1, {0, 0, 0x80}},
      {4, {0x80, 0, 0}},
      {7, {0xC0, 0xC0, 0xC0}},
      {8, {0x80, 0x80, 0x80}},
      {9, {0, 0, 0xFF}},
      {10, {0, 0xFF, 0}},
      {12, {0xFF, 0, 0}},
      {14, {0xFF, 0xFF, 0}},
      {15, {0xFF, 0xFF, 0xFF}},
      {6.5, {0x80, 0x80, 0}},  // halves to even: 6
      {8.5, {0x80, 0x80, 0x80}},
      {9.6, {0, 0xFF, 0}},  // 8, 10
      {-3, {0, 0, 0}},
      {21, {0xFF, 0xFF, 0xFF}},
  };
  for (const Row& r : rows) EXPECT_EQ(QBColor(r.number), r.rgb) << r.number;
}

TEST(Canvas, UserScaleTextMeasuresAndPrintPosition) {
  // A page of 8.5 by 11.5 units on 850 by 1150 dots (y down), and a wheel
  // scale of +-200 by +-150 on 400 by 300 dots (y up).
  struct Row {
    const char* name;
    double left, top, right, bottom;
    double deviceWidth, deviceHeight, dpi;
    UserPoint probe, probeOnDevice;
    double widthOfFour, lineHeight;  // user units, 10-point text
  };
  // At 100 dpi a 10-point character is 500/72 dots wide and 1250/72 high.
  const Row rows[] = {
      {"page",
       0,
       0,
       8.5,
       11.5,
       850,
       1150,
       100,
       {1, 3},
       {100, 300},
       2000.0 / 72 / 100,
       1250.0 / 72 / 100},
      {"wheel",
       -200,
       150,
       200,
       -150,
       400,
       300,
       100,
       {100, -75},
       {300, 225},
       2000.0 / 72,
       1250.0 / 72},
  };
  for (const Row& r : rows) {
    RecordingCanvas canvas(r.deviceWidth, r.deviceHeight, r.dpi);
    canvas.SetScale(r.left, r.top, r.right, r.bottom);
    EXPECT_DOUBLE_EQ(canvas.ScaleWidth(), r.right - r.left) << r.name;
    EXPECT_DOUBLE_EQ(canvas.ScaleHeight(), r.bottom - r.top) << r.name;
    const UserPoint d = canvas.ToDevice(r.probe);
    EXPECT_DOUBLE_EQ(d.x, r.probeOnDevice.x) << r.name;
    EXPECT_DOUBLE_EQ(d.y, r.probeOnDevice.y) << r.name;
    EXPECT_DOUBLE_EQ(canvas.TextWidth("a\xC3\xA9z!"), r.widthOfFour) << r.name;  // 4 characters
    EXPECT_DOUBLE_EQ(canvas.TextHeight("x"), r.lineHeight) << r.name;

    // Printing starts at the position and moves one line down the surface,
    // back to the left edge.
    canvas.SetFontBold(true);
    canvas.SetCurrent(r.probe);
    canvas.Print("one");
    const double down = r.bottom < r.top ? -1 : 1;
    EXPECT_EQ(canvas.Current(), (UserPoint{r.left, r.probe.y + down * r.lineHeight})) << r.name;
    ASSERT_EQ(canvas.Texts().size(), 1u);
    EXPECT_EQ(canvas.Texts()[0].a, r.probe);
    EXPECT_EQ(canvas.Texts()[0].font, (CanvasFont{"Times New Roman", 10, true}));

    canvas.Line({r.left, r.top}, r.probe);
    EXPECT_EQ(canvas.Current(), r.probe) << r.name;
  }
}

}  // namespace
}  // namespace orv
