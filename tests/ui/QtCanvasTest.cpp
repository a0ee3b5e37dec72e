// The surface over QPainter, drawn into an image: circles stay round under
// an uneven scale, arcs and fills go counter-clockwise on the screen, text
// hangs from its top-left corner and a missing face gives way to a serif.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <numbers>

#include "platform/qt/QtCanvas.h"

namespace orv {
namespace {

TEST(QtCanvas, DrawsRoundCirclesArcsAndTextOnAnUnevenScale) {
  QImage image(400, 300, QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter, QRectF(0, 0, 400, 300));
  canvas.SetScale(-100, 100, 100, -100);  // 2 dots per unit across, 1.5 down, y up
  canvas.Clear();
  canvas.SetDrawWidth(2);
  canvas.Circle({0, 0}, 50);  // 100 dots round about dot (200, 150)
  // A filled quarter from 3 o'clock to 12 o'clock, 40 dots round.
  canvas.Circle({0, 0}, 20, {QBColor(0), QBColor(0), 0.0, std::numbers::pi / 2});
  canvas.SetCurrent({-90, 90});  // dot (20, 15)
  canvas.SetFontSize(20);
  canvas.Print("MMMM");
  const double widthOfOne = canvas.TextWidth("M");
  EXPECT_NEAR(canvas.TextWidth("MMMMMMMMMM"), 10 * widthOfOne, 0.01);
  painter.end();

  const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
  const std::tuple<int, int, bool> probes[] = {
      {300, 150, true},  {100, 150, true},  {200, 50, true},  {200, 250, true},   // circle
      {200, 105, false}, {200, 195, false}, {220, 130, true}, {180, 170, false},  // quarter
      {180, 130, false}, {220, 170, false}, {19, 14, false},  {20, 60, false}};   // text
  for (const auto& [x, y, ink] : probes) EXPECT_EQ(dark(x, y), ink) << x << "," << y;
  bool inked = false;  // the text's ink starts just right of and below its corner
  for (int y = 15; y < 45; ++y)
    for (int x = 20; x < 40; ++x) inked = inked || dark(x, y);
  EXPECT_TRUE(inked);

  EXPECT_NE(QFontInfo(QtCanvas::QtFont({"No Such Face Anywhere", 12, false})).family(),
            QFontInfo(QFont("sans-serif")).family());
}

}  // namespace
}  // namespace orv
