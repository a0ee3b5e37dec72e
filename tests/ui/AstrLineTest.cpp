// The synastry diagram's window on the offscreen platform: a click steps
// through the three views, the caption following at each paint; Esc
// brings the main window forward and leaves the diagram open. With
// ORVANTA_SHOT_DIR set, each view is saved there for a person to look at.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QtTest/QTest>

#include "../wheels/WheelTestCharts.h"
#include "shell/Startup.h"
#include "wheels/ui/AstrLine.h"

namespace orv {
namespace {

// Pixels close to a colour in the band between the two scales' glyphs,
// where only the aspect lines are drawn.
int InkBetweenScales(const QImage& image, QColor color, double dotsPerInch) {
  const int top = int(1100 * dotsPerInch / 1440), bottom = int(2500 * dotsPerInch / 1440);
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      n += std::abs(c.red() - color.red()) < 60 && std::abs(c.green() - color.green()) < 60 &&
           std::abs(c.blue() - color.blue()) < 60;
    }
  return n;
}

TEST(AstrLine, ClicksCycleTheViewsAndEscLeavesItOpen) {
  const int font = QFontDatabase::addApplicationFont(
      QString::fromStdString(GlyphFontPath(ORVANTA_DATA_DIR).string()));
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  ASSERT_TRUE(wb.Charts.Computed);
  test::RecordingHost host;
  int raised = 0;
  AstrLine window(wb, host, "John Roe", [&] { ++raised; }, {0, 0});
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(window.windowTitle(), "Synastry Aspects");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const double dpi = window.screen()->logicalDotsPerInchY();
  EXPECT_EQ(window.width(), std::lround(0.85 * window.screen()->geometry().width()));
  EXPECT_NEAR(window.height(), 4000 * dpi / 1440, 1);
  // The picture at a desktop's width: the paint follows the window's size.
  window.resize(1360, window.height());
  QTest::qWait(20);
  const struct {
    const char* caption;
    const char* shot;
    QColor ink;
  } views[] = {
      {"Synastry - squares (red) and oppositions (blue)", "astroline-hard", QColor(255, 0, 0)},
      {"Synastry - sextiles (blue) and trines (green)", "astroline-soft", QColor(0, 255, 0)},
      {"Synastry - conjunctions", "astroline-conjunctions", QColor(0, 0, 0)},
      {"Synastry - squares (red) and oppositions (blue)", "", QColor(255, 0, 0)},
  };
  for (const auto& v : views) {
    const QImage image = window.grab().toImage();
    EXPECT_EQ(window.windowTitle(), v.caption);
    EXPECT_EQ(window.grab().toImage().pixelColor(window.width() - 2, window.height() / 2),
              QColor(Qt::white));
    EXPECT_GT(InkBetweenScales(image, v.ink, dpi), 20) << v.caption;
    if (const QByteArray dir = qgetenv("ORVANTA_SHOT_DIR"); !dir.isEmpty() && *v.shot)
      image.save(QString::fromUtf8(dir) + "/" + v.shot + ".png");
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(50, 50));
  }
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_EQ(raised, 1);
  EXPECT_TRUE(window.isVisible());
  QFontDatabase::removeApplicationFont(font);
}

TEST(AstrLine, MissingOrbsAreReportedOnceAndDrawNoLines) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  wb.AppPath = "/nonexistent-orvanta-folder";
  test::RecordingHost host;
  AstrLine window(wb, host, "John Roe", [] {}, {0, 0});
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("SYNASTRY.ORB"), std::string::npos);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QImage image = window.grab().toImage();
  EXPECT_EQ(InkBetweenScales(image, QColor(255, 0, 0), window.screen()->logicalDotsPerInchY()), 0);
  EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
}  // namespace orv
