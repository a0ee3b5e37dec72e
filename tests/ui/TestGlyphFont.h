#pragma once
// The shipped glyph font as an application font for as long as a test holds
// it, so that wheels are measured and drawn with their real glyphs.

#include <QFontDatabase>
#include <QString>

#include "shell/Startup.h"

namespace orv::test {

struct GlyphFont {
  int id = QFontDatabase::addApplicationFont(
      QString::fromStdString(GlyphFontPath(ORVANTA_DATA_DIR).string()));
  ~GlyphFont() { QFontDatabase::removeApplicationFont(id); }
  GlyphFont() = default;
  GlyphFont(const GlyphFont&) = delete;
  GlyphFont& operator=(const GlyphFont&) = delete;
};

}  // namespace orv::test
