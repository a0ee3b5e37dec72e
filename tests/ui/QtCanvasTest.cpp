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

// Arcs of a 100-dot circle at a 2-dot pen, counted in painted dots: one whose
// ends meet paints none, on a y-up or a y-down scale and wherever it
// starts; a sliver at most a pen's square; others about their length.
TEST(QtCanvas, ArcsPaintTheirLengthAndNothingWhenTheirEndsMeet) {
  constexpr double kPi = std::numbers::pi, kDeg = kPi / 180;
  struct Row {
    double startRad, endRad;
    int least, most;  // painted dots
  };
  const Row rows[] = {
      {0, 0, 0, 0},
      {kPi / 3, kPi / 3, 0, 0},
      {-kPi / 2, 3 * kPi / 2, 0, 0},            // a whole turn apart
      {1.1, 1.1 + 1e-12, 0, 0},                 // rounding either way
      {1.1, 1.1 - 1e-12, 0, 0},
      {5 * kDeg, 5 * kDeg + 0.01 * kDeg, 0, 9},  // a sliver of a hundredth
      {kPi / 6, kPi / 6 + 2 * kDeg, 2, 30},
      {0, kPi / 2, 250, 450},                   // a quarter: 157 dots long
      {3 * kPi / 2, kPi / 2, 500, 900},         // half, through 3 o'clock
      {kPi / 2, 3 * kPi / 2, 500, 900},         // the other half
  };
  const auto painted = [](const Row& r, bool yUp) {
    QImage image(240, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas canvas(painter, QRectF(0, 0, 240, 240));
    canvas.SetScale(-120, yUp ? 120 : -120, 120, yUp ? -120 : 120);
    canvas.Clear();
    canvas.SetDrawWidth(2);
    canvas.Circle({0, 0}, 100, {QBColor(0), std::nullopt, r.startRad, r.endRad});
    painter.end();
    int dots = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) dots += qGray(image.pixel(x, y)) < 200;
    return dots;
  };
  for (const Row& r : rows)
    for (const bool yUp : {true, false}) {
      const int dots = painted(r, yUp);
      EXPECT_GE(dots, r.least) << r.startRad << " to " << r.endRad << (yUp ? " y up" : "");
      EXPECT_LE(dots, r.most) << r.startRad << " to " << r.endRad << (yUp ? " y up" : "");
    }
}

}  // namespace
}  // namespace orv
