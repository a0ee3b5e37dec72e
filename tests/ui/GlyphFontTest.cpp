// The glyph font file in the program folder: its family and a glyph for every code the wheels
// print, sized so that the cell measured on one glyph holds them all.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

#include "platform/qt/QtCanvas.h"
#include "wheels/GlyphCodes.h"

namespace orv {
namespace {

QString GlyphFontPath() {
  return QStringLiteral(ORVANTA_DATA_DIR "/") + QString::fromUtf8(kGlyphFontFileName.data());
}

std::vector<int> SymbolCodes() {
  std::vector<int> codes;
  for (const auto& range : SymbolCodeRanges) {
    for (int code = range.first; code <= range.last; ++code) codes.push_back(code);
  }
  return codes;
}

QChar DrawnCharacter(int code) {
  const QString text = QString::fromStdString(GlyphText(code));
  EXPECT_EQ(text.size(), 1) << code;
  return text.isEmpty() ? QChar() : text[0];
}

// Rendering rounds each glyph's box to whole pixels.
constexpr qreal kPixelRounding = 1.0;

class GlyphFont : public ::testing::Test {
 protected:
  void SetUp() override { id_ = QFontDatabase::addApplicationFont(GlyphFontPath()); }
  void TearDown() override {
    if (id_ != -1) QFontDatabase::removeApplicationFont(id_);
  }
  int id_ = -1;
};

TEST_F(GlyphFont, InstallsAsOrvanta8WithAGlyphForEveryWheelCodeAndPrintableAscii) {
  ASSERT_NE(id_, -1) << GlyphFontPath().toStdString();
  EXPECT_EQ(QFontDatabase::applicationFontFamilies(id_), QStringList{"Orvanta8"});
  EXPECT_EQ(QFontInfo(QFont("Orvanta8", 48)).family(), "Orvanta8");
  const QFontMetrics metrics(QFont(QString::fromUtf8(GlyphFontFace.data()), 48));
  const QRawFont raw(GlyphFontPath(), 48);
  ASSERT_TRUE(raw.isValid());
  EXPECT_EQ(raw.familyName(), "Orvanta8");
  std::vector<int> codes = SymbolCodes();
  for (int code = 32; code <= 126; ++code) codes.push_back(code);
  for (const int code : codes) {
    const QChar character = DrawnCharacter(code);
    EXPECT_TRUE(raw.supportsCharacter(character)) << code;
    EXPECT_TRUE(metrics.inFont(character)) << code;
    const auto glyphs = raw.glyphIndexesForString(QString(character));
    ASSERT_EQ(glyphs.size(), 1) << code;
    if (code != ' ') {
      EXPECT_FALSE(raw.pathForGlyph(glyphs[0]).isEmpty()) << code;
    }
  }
  // The symbol codes as Latin-1 characters: a name such as "Zoë Müller" must stay letters.
  for (const int code : SymbolCodes()) EXPECT_FALSE(raw.supportsCharacter(QChar(code))) << code;
}

// A one-character text measures in the window as its shaped string does,
// bold or not and at any size: the wheels' fit measures single characters
// some ten thousand times a crowded paint.
TEST_F(GlyphFont, OneCharacterMeasuresAsItsShapedString) {
  ASSERT_NE(id_, -1);
  QImage image(64, 64, QImage::Format_RGB32);
  QPainter painter(&image);
  QtCanvas canvas(painter, QRectF(0, 0, 64, 64));
  std::vector<int> codes = SymbolCodes();
  for (int code = 32; code <= 126; ++code) codes.push_back(code);
  for (const bool bold : {false, true})
    for (double points = 3.1; points < 40; points *= 1.37) {
      const CanvasFont font{std::string(GlyphFontFace), points, bold};
      const QFontMetricsF shaped(QtCanvas::QtFont(font), &image);
      for (const int code : codes) {
        const std::string text = GlyphText(code);
        EXPECT_DOUBLE_EQ(canvas.TextWidth(text, font) * canvas.DeviceUnitsPerUserX(),
                         shaped.horizontalAdvance(QString::fromStdString(text)))
            << code << " at " << points;
      }
    }
}

// The ink the canvas measures of a symbol or digit holds what it paints:
// the pixels it inks a quarter or more lie within the measured box, but
// for a pixel's rounding.
TEST_F(GlyphFont, ATextsMeasuredInkIsWhereItIsPainted) {
  ASSERT_NE(id_, -1);
  std::vector<int> codes = SymbolCodes();
  for (int code = '0'; code <= '9'; ++code) codes.push_back(code);
  for (const double points : {6.9, 9.0, 11.0, 14.0})
    for (const int code : codes) {
      QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      QtCanvas canvas(painter, QRectF(0, 0, 64, 64));
      canvas.SetFontName(GlyphFontFace);
      canvas.SetFontSize(points);
      canvas.SetCurrent({10.3, 20.6});
      const std::string text = GlyphText(code);
      canvas.Print(text);
      painter.end();
      const std::optional<Canvas::Ink> ink = canvas.TextInk(text);
      ASSERT_TRUE(ink) << code;
      int left = 64, top = 64, right = -1, bottom = -1;
      for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
          if (qAlpha(image.pixel(x, y)) >= 64)
            left = std::min(left, x), top = std::min(top, y), right = std::max(right, x + 1),
            bottom = std::max(bottom, y + 1);
      if (right < 0) continue;  // strokes too thin to ink a quarter of a pixel
      const QRectF painted(left, top, right - left, bottom - top);
      const QRectF measured(QPointF(10.3 + ink->left, 20.6 + ink->top),
                            QPointF(10.3 + ink->right, 20.6 + ink->bottom));
      EXPECT_TRUE(measured
                      .adjusted(-kPixelRounding, -kPixelRounding, kPixelRounding, kPixelRounding)
                      .contains(painted))
          << code << " at " << points;
    }
}

TEST_F(GlyphFont, EverySymbolFitsTheCellOfTheReferenceGlyph) {
  const QRawFont raw(GlyphFontPath(), 100);
  ASSERT_TRUE(raw.isValid());
  const auto cellGlyph = raw.glyphIndexesForString(QString(DrawnCharacter(GlyphCode::Earth)));
  ASSERT_EQ(cellGlyph.size(), 1);
  const qreal cellWidth = raw.advancesForGlyphIndexes(cellGlyph)[0].x();
  ASSERT_GT(cellWidth, 0);
  for (const int code : SymbolCodes()) {
    const auto glyphs = raw.glyphIndexesForString(QString(DrawnCharacter(code)));
    ASSERT_EQ(glyphs.size(), 1) << code;
    EXPECT_DOUBLE_EQ(raw.advancesForGlyphIndexes(glyphs)[0].x(), cellWidth) << code;
    const QRectF box = raw.boundingRect(glyphs[0]);
    EXPECT_GE(box.left(), -kPixelRounding) << code;
    EXPECT_LE(box.right(), cellWidth + kPixelRounding) << code;
    EXPECT_GE(box.top(), -raw.ascent() - kPixelRounding) << code;
    EXPECT_LE(box.bottom(), raw.descent() + kPixelRounding) << code;
  }
}

}  // namespace
}  // namespace orv
