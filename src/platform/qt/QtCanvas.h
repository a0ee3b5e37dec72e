#pragma once
// The drawing surface over QPainter: a window's paint, a QImage or a printer
// page (a real printer or a PDF file).

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "platform/Canvas.h"

class QPainter;

namespace orv {

class QtCanvas final : public Canvas {
 public:
  // Draws with `painter`, already begun on its device, into `area` (device
  // coordinates of the painter; the surface's top-left corner and size).
  QtCanvas(QPainter& painter, QRectF area);

  double DeviceWidth() const override { return area_.width(); }
  double DeviceHeight() const override { return area_.height(); }
  double DotsPerInch() const override;

  // The QFont a canvas font becomes; a family the system lacks gives way to
  // a serif face.
  static QFont QtFont(const CanvasFont& font);
  // The ink of `text` drawn as this canvas draws it with `metrics`, in
  // device units from its top-left corner.
  static std::optional<Ink> InkOf(const QFontMetricsF& metrics, const QString& text);

 protected:
  void DoClear(Rgb back) override;
  void DoLine(UserPoint a, UserPoint b, Rgb color, double widthPx) override;
  void DoCircle(UserPoint centre, double radius, Rgb color, std::optional<Rgb> fill,
                std::optional<double> startRad, std::optional<double> endRad,
                double widthPx) override;
  void DoText(UserPoint topLeft, std::string_view text, const CanvasFont& font, Rgb color) override;
  TextSize MeasureText(std::string_view text, const CanvasFont& font) const override;
  std::optional<Ink> MeasureInk(std::string_view text, const CanvasFont& font) const override;

 private:
  QPointF Device(UserPoint p) const;
  const QFontMetricsF& Metrics(const CanvasFont& font) const;
  void SetPen(Rgb color, double widthPx);

  QPainter& painter_;
  QRectF area_;
  // The metrics of the fonts measured last, the oldest replaced: a label's
  // texts come in a few fonts in turn, and making a QFont again (and
  // finding its engine) costs more than measuring.
  mutable std::array<std::optional<std::pair<CanvasFont, QFontMetricsF>>, 8> measuring_;
  mutable std::size_t oldestMeasuring_ = 0;
};

}  // namespace orv
