// The legibility counts of the painted single wheel with the glyph font's own
// measures (the recording surface's are a fixed share of an em): what the
// window and the printed page really show, for the fixed charts at every
// window size and on paper.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "../wheels/WheelLegibility.h"
#include "platform/qt/QtCanvas.h"
#include "shell/Startup.h"

namespace orv {
namespace {

// Records as the recording surface does, measures as the window does.
class FontMeasuredCanvas : public RecordingCanvas {
 public:
  FontMeasuredCanvas(double width, double height)
      : RecordingCanvas(width, height, 96), device_(8, 8, QImage::Format_RGB32) {
    device_.setDotsPerMeterX(qRound(96 / 0.0254));
    device_.setDotsPerMeterY(qRound(96 / 0.0254));
  }

 protected:
  TextSize MeasureText(std::string_view text, const CanvasFont& font) const override {
    const QFontMetricsF metrics(QtCanvas::QtFont(font), &device_);
    const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(q), metrics.lineSpacing()};
  }

 private:
  QImage device_;
};

class WheelLegibilityOnFont : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = QFontDatabase::addApplicationFont(
        QString::fromStdString(GlyphFontPath(ORVANTA_DATA_DIR).string()));
    ASSERT_GE(font_, 0);
  }
  void TearDown() override { QFontDatabase::removeApplicationFont(font_); }

  static test::LegibilityCounts Count(const WheelPaintInputs& in, DeviceSize surface) {
    FontMeasuredCanvas canvas(surface.width, surface.height);
    return test::CountIllegible(in, canvas);
  }
  static test::LegibilityCounts CountOnPage(const WheelPaintInputs& in, DeviceSize page) {
    FontMeasuredCanvas canvas(page.width, page.height);
    return test::CountIllegibleOnPage(in, canvas);
  }

 private:
  int font_ = -1;
};

TEST_F(WheelLegibilityOnFont, FixedChartsReadCleanlyAtEveryWindowSizeAndOnPaper) {
  for (const std::string& failure : test::IllegibleFixedCharts(Count, CountOnPage))
    ADD_FAILURE() << failure;
}

// Over random charts, on the window and on paper; run by hand with
// ORVANTA_LEGIBILITY_CHARTS=1000.
TEST_F(WheelLegibilityOnFont, RandomChartCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int charts = env ? std::atoi(env) : 0;
  if (charts == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomChartCounts(charts, Count, CountOnPage);
}

}  // namespace
}  // namespace orv
