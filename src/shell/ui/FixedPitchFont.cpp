#include "shell/ui/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace orv {

// Measured rather than asked: some monospaced fonts do not declare their pitch.
bool IsFixedPitch(const QFont& font) {
  const QFontMetricsF metrics(font);
  const double width = metrics.horizontalAdvance(QLatin1Char('M'));
  return width > 0 && metrics.horizontalAdvance(QLatin1Char('i')) == width &&
         metrics.horizontalAdvance(QLatin1Char('.')) == width;
}

QFont FixedPitchFont(double points, bool bold, bool italic) {
  QFont font(QStringLiteral("Monospace"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!IsFixedPitch(font)) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

}  // namespace orv
