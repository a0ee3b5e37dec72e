#pragma once
// Whether the point labels' glyphs, painted as the window paints them
// (antialiased, a pixel inked when at least a quarter covered), share a
// pixel with the character of their own labels beside them, or leave no
// clear pixel between the two.

#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

#include "../wheels/DualWheelLegibility.h"
#include "FontMeasuredCanvas.h"

namespace orv::test {

struct GlyphInkContact {
  bool overlap = false, touching = false;
};

// The contacts of the labels of the prepared wheel `in` as painted on
// `canvas` (its area's top-left corner the device's).
inline GlyphInkContact GlyphInkOnOwnLabels(FontMeasuredCanvas& canvas, const WheelPaintInputs& in) {
  GlyphInkContact out;
  for (const auto& [glyph, beside] : GlyphsBesideTheirLabels(canvas, in)) {
    // Both painted alone into the same patch of the surface, whole pixels
    // from its corner, so each inks the pixels it inks on the surface.
    const UserPoint g = canvas.ToDevice(glyph.a), c = canvas.ToDevice(beside.a);
    const auto gs = canvas.Measured(glyph), cs = canvas.Measured(beside);
    const int left = int(std::floor(std::min(g.x, c.x))) - 4;
    const int top = int(std::floor(std::min(g.y, c.y))) - 4;
    const int width = int(std::ceil(std::max(g.x + gs.width, c.x + cs.width))) + 4 - left;
    const int height = int(std::ceil(std::max(g.y + gs.height, c.y + cs.height))) + 4 - top;
    const auto paint = [&](const CanvasRecord& t, UserPoint at) {
      QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
      const int dpm = qRound(canvas.DotsPerInch() / 0.0254);
      image.setDotsPerMeterX(dpm);
      image.setDotsPerMeterY(dpm);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      painter.translate(-left, -top);
      const QFont font = QtCanvas::QtFont(t.font);
      painter.setFont(font);
      painter.setPen(Qt::black);
      const QFontMetricsF metrics(font, &image);
      painter.drawText(QPointF(at.x, at.y + metrics.leading() / 2 + metrics.ascent()),
                       QString::fromStdString(t.text));
      painter.end();
      return image;
    };
    const QImage a = paint(glyph, g), b = paint(beside, c);
    const auto inked = [](const QImage& image, int x, int y) {
      return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
             qAlpha(image.pixel(x, y)) >= 64;
    };
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        if (!inked(b, x, y)) continue;
        out.overlap = out.overlap || inked(a, x, y);
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) out.touching = out.touching || inked(a, x + dx, y + dy);
      }
  }
  return out;
}

}  // namespace orv::test
