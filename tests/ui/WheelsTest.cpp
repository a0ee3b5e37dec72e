// The wheel window on the offscreen platform: each single-wheel command's
// wheel painted into the window, and the place and size kept through a
// close and reopen. With ORVANTA_SHOT_DIR set, each picture is also saved
// there for a person to look at.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <QMenuBar>
#include <QtTest/QTest>

#include "../wheels/WheelTestCharts.h"
#include "commands/WheelCommands.h"
#include "shell/Startup.h"
#include "shell/ui/OnScreen.h"
#include "wheels/WheelLayout.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

TEST(Wheels, EverySingleWheelPaintsItsFrameAndHeader) {
  const int font = QFontDatabase::addApplicationFont(
      QString::fromStdString(GlyphFontPath(ORVANTA_DATA_DIR).string()));
  using enum SingleWheelKind;
  using C = test::WheelChart;
  const struct {
    C chart;
    SingleWheelKind kind;
    int typeChart;
    const char* name;
  } cases[] = {{C::Ordinary, Natal, 0, "natal"},
               {C::Ordinary, Natal, 1, "natal-european"},
               {C::Ordinary, Declinations, 0, "decl"},
               {C::Ordinary, Helio, 0, "helio"},
               {C::Ordinary, HelioLatitudes, 0, "hlat"},
               {C::Ordinary, Transits, 0, "transits"},
               {C::Ordinary, Composite, 0, "composite"},
               {C::Crowded, Natal, 0, "crowded"},
               {C::Crowded, Natal, 1, "crowded-european"},
               {C::Polar, Natal, 0, "polar"},
               {C::Unequal, Natal, 0, "unequal"},
               {C::Unequal, Natal, 1, "unequal-european"},
               {C::BeforeChiron, Natal, 0, "no-chiron"},
               {C::BeforeChiron, Helio, 0, "no-chiron-helio"},
               {C::Stellium, Natal, 0, "stellium"},
               {C::Stellium, Natal, 1, "stellium-european"},
               {C::NoonStellium, Natal, 0, "noon-stellium"},
               {C::NoonStellium, Natal, 1, "noon-stellium-european"},
               {C::Intercepting, Natal, 0, "intercepting"},
               {C::Intercepting, Natal, 1, "intercepting-european"}};
  for (const auto& c : cases) {
    Workbench wb;
    test::ComputeWheelChart(wb, c.chart);
    ASSERT_TRUE(wb.Charts.Computed) << c.name;
    wb.Options[40] = 1;  // the composite takes midpoint houses without asking
    wb.Settings.TypeChart = static_cast<std::int16_t>(c.typeChart);
    test::RecordingHost host;
    PrepareSingleWheel(wb, c.kind, {true, "John Roe"}, host);
    Wheels window(wb, host, {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // At the stored default size, its smallest and a large window.
    for (const QSize area : {QSize(), QSize(1, 1), QSize(1400, 950)}) {
      if (area.isValid()) window.resize(area.width(), area.height() + window.MenuBar()->height());
      QTest::qWait(20);
      const QImage image = window.grab().toImage();
      const QString name = QString("%1-%2").arg(c.name).arg(image.width());
      if (const QByteArray dir = qgetenv("ORVANTA_SHOT_DIR"); !dir.isEmpty())
        image.save(QString::fromUtf8(dir) + "/" + name + ".png");
      // White (option 100) in the corner, the rim's ink across the middle
      // and the header's at the top left.
      const int w = image.width(), h = image.height();
      EXPECT_EQ(image.pixelColor(w - 2, h - 2), QColor(Qt::white)) << name.toStdString();
      const auto ink = [&](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
          for (int x = x0; x < x1; ++x) n += qGray(image.pixel(x, y)) < 160;
        return n;
      };
      EXPECT_GE(ink(0, w, h / 2, h / 2 + 1), 2) << name.toStdString();
      EXPECT_GT(ink(0, w / 8, 0, h / 6), 20) << name.toStdString();
    }
  }
  QFontDatabase::removeApplicationFont(font);
}

// With no size of its own stored, the window opens with its wheel at the
// opening area, where the labels read at their option sizes, the menu bar
// above it; on a screen without room for that and its frame, as large as
// fits, in proportion.
TEST(Wheels, AFreshWindowOpensWithItsWheelAtTheOpeningArea) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
  Wheels window(wb, host, {});
  const DeviceSize area = WheelOpeningArea(window.screen()->logicalDotsPerInchX());
  const QSize want(area.width, area.height + window.MenuBar()->sizeHint().height());
  const QSize room =
      window.screen()->availableGeometry().size() - (OuterGeometry(window).size() - window.size());
  if (want.width() <= room.width() && want.height() <= room.height())
    EXPECT_EQ(window.size(), want);
  else
    EXPECT_NEAR(double(window.height()) / window.width(), double(want.height()) / want.width(),
                0.01);
}

TEST(Wheels, PlaceAndSizeSurviveACloseAndReopen) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
  QSize shown;
  {
    Wheels window(wb, host, {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The wheel's surface 760 by 570, below the menu bar: with its frame,
    // on the screen.
    window.resize(760, 570 + window.MenuBar()->height());
    QTest::qWait(20);
    EXPECT_EQ(wb.Settings.StartScale, 320);  // the resize rule for 4 by 3
    // The window cannot shrink the wheel below the size at which its labels
    // read (at this screen's dpi).
    const DeviceSize least = LegibleWheelArea(window.screen()->logicalDotsPerInchY());
    EXPECT_GE(window.minimumSizeHint().width(), least.width);
    EXPECT_GE(window.minimumSizeHint().height(), least.height + window.MenuBar()->height());
    shown = window.size();
    window.close();
  }
  EXPECT_EQ(Wheels(wb, host, {}).size(), shown);
  // A size stored by a much wider desktop shrinks onto this screen, whole.
  wb.Settings.WheelsWidth *= 40;
  wb.Settings.WheelsHeight *= 40;
  Wheels wide(wb, host, {});
  EXPECT_LE(wide.width(), wide.screen()->availableGeometry().width());
  EXPECT_NEAR(double(wide.height()) / wide.width(), double(shown.height()) / shown.width(), 0.01);
}

}  // namespace
}  // namespace orv
