// The two-chart wheels in the wheel window on the offscreen platform: both
// arrangements for transits and for a second person, painted with both
// charts' ink; a left click on the two-ring wheel, and the chart type the
// user chose kept through it. With ORVANTA_SHOT_DIR set, each picture is
// also saved there for a person to look at.

#include <gtest/gtest.h>

#include <QImage>
#include <QtTest/QTest>
#include <filesystem>

#include "TempDir.h"
#include "TestGlyphFont.h"
#include "../wheels/WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "shell/OptionFiles.h"
#include "shell/Startup.h"
#include "WheelPdf.h"
#include "wheels/ui/WheelPrinting.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

using test::GlyphFont;

// Pixels of about the colour `c` in the image.
int InkOf(const QImage& image, QColor c) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      n += std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) +
               std::abs(p.blue() - c.blue()) <
           90;
    }
  return n;
}

QImage Shot(Workbench& wb, const char* name) {
  test::RecordingHost host;
  Wheels window(wb, host, {});
  window.resize(900, 700);
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QImage image = window.grab().toImage();
  if (const QByteArray dir = qgetenv("ORVANTA_SHOT_DIR"); !dir.isEmpty())
    image.save(QString::fromUtf8(dir) + "/" + name + ".png");
  return image;
}

TEST(DualWheels, BothArrangementsShowBothCharts) {
  GlyphFont font;
  using enum DualWheelKind;
  const struct {
    DualWheelKind kind;
    bool person;
    float outerTransits;  // option 216
    bool toggles;
    const char* name;
    bool switched = false;  // Switch in the wheel's menu
  } cases[] = {
      {Display, false, 0, true, "dual-transits"},
      {Display, true, 0, true, "dual-person"},
      {Display, false, 1, true, "dual-transits-216"},
      {Display, false, 0, false, "dual-no-toggles"},
      {DisplayDeclinations, false, 0, true, "dual-declinations"},
      {DisplayHelio, false, 0, true, "dual-helio"},
      {DisplayHelioLatitudes, true, 0, true, "dual-helio-latitudes"},
      {TransitsVsNatal, false, 0, true, "combined-transits"},
      {TransitsVsNatal, true, 0, true, "combined-person"},
      {TransitsVsNatal, false, 1, true, "combined-transits-216"},
      {TransitsVsNatal, false, 0, true, "combined-transits-switched", true},
  };
  for (const auto& c : cases) {
    Workbench wb;
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    ASSERT_TRUE(wb.Charts.Computed) << c.name;
    wb.Options[216] = c.outerTransits;
    wb.Options[230] = 1;  // the combined wheel's lines
    wb.DualChoices.PointShown.fill(c.toggles);
    const SecondPersonBox box{c.person, c.person ? "John Roe" : "2nd Person"};
    PrepareDualWheelCommand(wb, c.kind, box);
    if (c.switched) SwitchDualWheel(wb, box);
    const QImage image = Shot(wb, c.name);
    // Chart 1 in light blue and chart 2 in light red on the two-ring
    // wheel; the combined arrangement's second chart in light red.
    if (c.kind != TransitsVsNatal) {
      EXPECT_GT(InkOf(image, QColor(0, 0, 255)), 200) << c.name;
    }
    EXPECT_GT(InkOf(image, QColor(255, 0, 0)), 200) << c.name;
  }
}

TEST(DualWheels, LeftClickSwitchAndTheChartType) {
  GlyphFont font;
  for (const DualWheelKind kind : {DualWheelKind::Display, DualWheelKind::TransitsVsNatal}) {
    Workbench wb;
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    wb.Settings.TypeChart = 1;  // European, chosen on a single wheel
    PrepareDualWheelCommand(wb, kind, {});
    test::RecordingHost host;
    int clicks = 0, switches = 0;
    WheelsLinks links;
    links.twoRingClick = [&] { ++clicks; };
    links.switchCharts = [&] { ++switches; };
    Wheels window(wb, host, links);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(&window, Qt::LeftButton, {}, window.rect().center());
    QTest::qWait(20);
    EXPECT_EQ(clicks, kind == DualWheelKind::Display ? 1 : 0);
    // Switch belongs to the combined wheel; the chart type to single wheels.
    EXPECT_EQ(window.Command(WheelsWindowItem::Switch)->isVisible(),
              kind == DualWheelKind::TransitsVsNatal);
    window.Command(WheelsWindowItem::Switch)->trigger();
    QTest::qWait(20);
    EXPECT_EQ(switches, 1);
    EXPECT_FALSE(window.Command(WheelsWindowItem::TypeMenu)->isVisible());
    EXPECT_EQ(wb.Settings.TypeChart, 1);
  }
}

// The full page of both arrangements on paper: the printer's twin of each
// frame, both charts and the lines, switched or not (a full-page print
// leaves the next combined wheel unswitched).
TEST(DualWheels, FullPagesOnPaper) {
  GlyphFont font;
  namespace fs = std::filesystem;
  // A folder of its own: runs of the suite in other checkouts print at once.
  const test::TempDir pages;
  const fs::path& dir = pages.path();
  for (const DualWheelKind kind : {DualWheelKind::Display, DualWheelKind::TransitsVsNatal}) {
    Workbench wb;
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    wb.Options[230] = 1;
    wb.DualChoices.PointShown.fill(true);
    PrepareDualWheelCommand(wb, kind, {true, "John Roe"});
    const std::string name = kind == DualWheelKind::Display ? "dual-page.pdf" : "combined-page.pdf";
    const fs::path pdf = dir / name;
    const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
    ASSERT_TRUE(orbs) << name;
    WheelPaintInputs in = test::PaintInputsOf(wb);
    in.orbs = &*orbs;
    ASSERT_TRUE(
        test::PrintWheelPdf(in, WheelPrintKind::FullPage, QPageSize(QPageSize::Letter), pdf));
    EXPECT_GT(fs::file_size(pdf), 5000u) << name;
  }
}

}  // namespace
}  // namespace orv
