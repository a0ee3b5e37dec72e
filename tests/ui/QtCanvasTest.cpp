// The surface over QPainter, drawn into an image: circles stay round under
// an uneven scale, arcs and fills go counter-clockwise on the screen, and
// text hangs from its top-left corner.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <numbers>

#include "platform/qt/QtCanvas.h"

namespace orv {
namespace {

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

TEST(QtCanvas, DrawsRoundCirclesArcsAndTextOnAnUnevenScale) {
  QImage image(400, 300, QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter, QRectF(0, 0, 400, 300));
  // 2 dots per unit across, 1.5 down, y up; the origin at dot (200, 150).
  canvas.SetScale(-100, 100, 100, -100);
  canvas.SetBackColor(QBColor(15));
  canvas.Clear();
  canvas.SetDrawWidth(2);
  canvas.Circle({0, 0}, 50);  // 100 dots round
  // A filled quarter from 3 o'clock to 12 o'clock, radius 20 units (40 dots).
  canvas.Circle({0, 0}, 20, {QBColor(0), QBColor(0), 0.0, std::numbers::pi / 2});
  canvas.SetCurrent({-90, 90});  // dot (20, 15)
  canvas.SetFontSize(20);
  canvas.Print("MMMM");
  painter.end();

  struct Probe {
    int x, y;
    bool dark;
  };
  const Probe probes[] = {
      {300, 150, true},  {100, 150, true},  {200, 50, true},   {200, 250, true},   // the circle
      {200, 105, false}, {200, 195, false},                                        // not squashed
      {220, 130, true},  {180, 170, false}, {180, 130, false}, {220, 170, false},  // the quarter
      {19, 14, false},   {20, 60, false},  // above, below text
  };
  for (const Probe& p : probes) EXPECT_EQ(Dark(image, p.x, p.y), p.dark) << p.x << "," << p.y;
  bool inked = false;  // the text's ink starts just right of and below its corner
  for (int y = 15; y < 45 && !inked; ++y)
    for (int x = 20; x < 40 && !inked; ++x) inked = Dark(image, x, y);
  EXPECT_TRUE(inked);
}

TEST(QtCanvas, MeasuresTextInUserUnitsAndFallsBackToASerifFace) {
  QImage image(850, 1150, QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter, QRectF(0, 0, 850, 1150));
  canvas.SetScale(0, 0, 8.5, 11.5);
  canvas.SetFontSize(12);
  const double one = canvas.TextWidth("M");
  EXPECT_GT(one, 0.05);
  EXPECT_NEAR(canvas.TextWidth("MMMMMMMMMM"), 10 * one, 0.01);
  EXPECT_GT(canvas.TextHeight("M"), 0.1);
  EXPECT_TRUE(QFontInfo(QtCanvas::QtFont({"No Such Face Anywhere", 12, false})).family() !=
              QFontInfo(QFont("sans-serif")).family());
  painter.end();
}

}  // namespace
}  // namespace orv
