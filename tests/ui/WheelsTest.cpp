// The wheel window on the offscreen platform: each single-wheel command's
// wheel painted into the window, with its background, rings and header, and
// the place and size kept through a close and reopen. With ORVANTA_SHOT_DIR
// set, each picture is also saved there for a person to look at.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QtTest/QTest>

#include "../wheels/WheelTestCharts.h"
#include "shell/Startup.h"
#include "wheels/WheelCommands.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

class WheelsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    font_ = QFontDatabase::addApplicationFont(
        QString::fromStdString(GlyphFontPath(ORVANTA_DATA_DIR).string()));
  }
  static void TearDownTestSuite() { QFontDatabase::removeApplicationFont(font_); }

  QImage Shot(const std::string& name) {
    Wheels window(wb, {});
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    if (const QByteArray dir = qgetenv("ORVANTA_SHOT_DIR"); !dir.isEmpty())
      image.save(QString::fromUtf8(dir) + "/" + QString::fromStdString(name) + ".png");
    return image;
  }

  static inline int font_ = -1;
  Workbench wb;
};

TEST_F(WheelsTest, EverySingleWheelPaintsItsFrameAndHeader) {
  struct Case {
    test::WheelChart chart;
    SingleWheelKind kind;
    int typeChart;
    std::string name;
  };
  const Case cases[] = {
      {test::WheelChart::Ordinary, SingleWheelKind::Natal, 0, "natal"},
      {test::WheelChart::Ordinary, SingleWheelKind::Natal, 1, "natal-european"},
      {test::WheelChart::Ordinary, SingleWheelKind::Declinations, 0, "declinations"},
      {test::WheelChart::Ordinary, SingleWheelKind::Helio, 0, "helio"},
      {test::WheelChart::Ordinary, SingleWheelKind::HelioLatitudes, 0, "helio-latitudes"},
      {test::WheelChart::Ordinary, SingleWheelKind::Transits, 0, "transits"},
      {test::WheelChart::Ordinary, SingleWheelKind::Composite, 0, "composite"},
      {test::WheelChart::Crowded, SingleWheelKind::Natal, 0, "crowded"},
      {test::WheelChart::Crowded, SingleWheelKind::Natal, 1, "crowded-european"},
      {test::WheelChart::Polar, SingleWheelKind::Natal, 0, "polar"},
      {test::WheelChart::Polar, SingleWheelKind::Natal, 1, "polar-european"},
      {test::WheelChart::Unequal, SingleWheelKind::Natal, 0, "unequal"},
      {test::WheelChart::Unequal, SingleWheelKind::Natal, 1, "unequal-european"},
  };
  for (const Case& c : cases) {
    test::ComputeWheelChart(wb, c.chart);
    ASSERT_TRUE(wb.Charts.Computed) << c.name;
    if (const QByteArray t = qgetenv("ORVANTA_SHOT_TWIPS"); !t.isEmpty()) {
      wb.Settings.WheelsWidth = t.toInt();
      wb.Settings.WheelsHeight = t.toInt() * 3 / 4;
    }
    wb.Options[40] = 1;  // the composite takes midpoint houses without asking
    wb.Settings.TypeChart = static_cast<std::int16_t>(c.typeChart);
    test::RecordingHost host;
    PrepareSingleWheel(wb, c.kind, {true, "John Roe"}, host);
    const QImage image = Shot(c.name);
    ASSERT_FALSE(image.isNull()) << c.name;
    // White background (option 100) in the corners, the rim's ink on the
    // horizontal through the centre, the header's ink at the top left.
    const int w = image.width(), h = image.height();
    EXPECT_EQ(image.pixelColor(w - 2, h - 2), QColor(Qt::white)) << c.name;
    int dark = 0;
    for (int x = 0; x < w; ++x) dark += qGray(image.pixel(x, h / 2)) < 160;
    EXPECT_GE(dark, 2) << c.name;
    int header = 0;
    for (int y = 0; y < h / 6; ++y)
      for (int x = 0; x < w / 8; ++x) header += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(header, 20) << c.name;
  }
}

TEST_F(WheelsTest, PlaceAndSizeSurviveACloseAndReopen) {
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
  {
    Wheels window(wb, {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.move(40, 60);
    window.resize(800, 600);
    QTest::qWait(20);
    EXPECT_EQ(wb.Settings.StartScale, 300);  // the resize rule for 800 by 600
    window.close();
  }
  Wheels again(wb, {});
  EXPECT_EQ(again.size(), QSize(800, 600));
  // A size stored by a much wider desktop is kept on this screen.
  wb.Settings.WheelsWidth = 1'000'000;
  Wheels wide(wb, {});
  EXPECT_LE(wide.width(), wide.screen()->availableGeometry().width());
}

}  // namespace
}  // namespace orv
