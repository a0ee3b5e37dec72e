#pragma once
// A recording surface that measures text with the glyph font's own metrics,
// as the window and the printed page do (the recording surface's measures
// are a fixed share of an em).

#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <optional>
#include <string_view>

#include "RecordingCanvas.h"
#include "platform/qt/QtCanvas.h"

namespace orv::test {

// Records as the recording surface does, measures as the window does.
class FontMeasuredCanvas : public RecordingCanvas {
 public:
  FontMeasuredCanvas(double width, double height, double dpi = 96)
      : RecordingCanvas(width, height, dpi), device_(8, 8, QImage::Format_RGB32) {
    device_.setDotsPerMeterX(qRound(dpi / 0.0254));
    device_.setDotsPerMeterY(qRound(dpi / 0.0254));
  }

  // The width and height, in device units, of a recorded text.
  TextSize Measured(const CanvasRecord& text) const { return MeasureText(text.text, text.font); }

 protected:
  TextSize MeasureText(std::string_view text, const CanvasFont& font) const override {
    const QFontMetricsF metrics(QtCanvas::QtFont(font), &device_);
    const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(q), metrics.lineSpacing()};
  }
  std::optional<Ink> MeasureInk(std::string_view text, const CanvasFont& font) const override {
    const QFontMetricsF metrics(QtCanvas::QtFont(font), &device_);
    return QtCanvas::InkOf(metrics, QString::fromUtf8(text.data(), qsizetype(text.size())));
  }

 private:
  QImage device_;
};

}  // namespace orv::test
