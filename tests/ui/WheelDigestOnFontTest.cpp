// The digests of painted wheels with the glyph font's own measures (see
// ../wheels/WheelDigests.h); skipped unless ORVANTA_DIGESTS is set.
//   ORVANTA_DIGESTS=1000 QT_QPA_PLATFORM=offscreen
//     build/tests/test_ui --gtest_filter=WheelDigests.*

#include <gtest/gtest.h>

#include <QFontDatabase>

#include "../wheels/WheelDigests.h"
#include "FontMeasuredCanvas.h"
#include "shell/Startup.h"

namespace orv {
namespace {

TEST(WheelDigests, OnTheGlyphFont) {
  if (!std::getenv("ORVANTA_DIGESTS")) GTEST_SKIP() << "set ORVANTA_DIGESTS";
  const int font = QFontDatabase::addApplicationFont(
      QString::fromStdString(GlyphFontPath(ORVANTA_DATA_DIR).string()));
  ASSERT_GE(font, 0);
  test::PrintWheelDigests(
      [](double width, double height) {
        return std::make_unique<test::FontMeasuredCanvas>(width, height);
      },
      "font");
  QFontDatabase::removeApplicationFont(font);
}

}  // namespace
}  // namespace orv
