#include "platform/qt/QtCanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace orv {

namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Degrees of an arc's start and its counter-clockwise span, for QPainter
// (whose angles run counter-clockwise on the device, in 1/16 degree). A span
// of 0 is an arc whose ends meet: nothing to draw, not a whole turn.
std::pair<int, int> ArcSixteenths(double startRad, double endRad) {
  constexpr double kDeg = 180.0 / std::numbers::pi;
  double span = std::fmod((endRad - startRad) * kDeg, 360.0);
  if (span < 0) span += 360;
  return {static_cast<int>(std::lround(startRad * kDeg * 16)),
          static_cast<int>(std::lround(span * 16))};
}

// Qt's conversion of a text or a font's name into its own string leaves the
// upper halves of the vector registers in use (with glibc's AVX-512
// routines, the default where the processor has them); until they are
// cleared, every SSE instruction after it, all of the wheel fit's
// arithmetic and libm's among them, waits on those halves. A crowded wheel
// painted after another one fitted its labels in twice the time.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void ClearUpperHalvesWithAvx() { _mm256_zeroupper(); }
void ClearUpperHalves() {
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) ClearUpperHalvesWithAvx();
}
#else
void ClearUpperHalves() {}
#endif

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, QRectF area) : painter_(painter), area_(area) {
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
}

double QtCanvas::DotsPerInch() const { return painter_.device()->logicalDpiY(); }

QFont QtCanvas::QtFont(const CanvasFont& font) {
  // The system's font matching replaces a family it lacks by a face of the
  // hinted kind, with the same widths where it knows one.
  QFont q(QString::fromStdString(font.family));
  q.setStyleHint(QFont::Serif);
  q.setPointSizeF(font.points > 0 ? font.points : 1);
  q.setBold(font.bold);
  return q;
}

QPointF QtCanvas::Device(UserPoint p) const {
  const UserPoint d = ToDevice(p);
  return {area_.left() + d.x, area_.top() + d.y};
}

void QtCanvas::SetPen(Rgb color, double widthPx) {
  // Pixels of 1/96 inch, so a width looks the same on screen and on paper.
  const double dotsPerPixel = painter_.device()->logicalDpiX() / 96.0;
  QPen pen(ToQColor(color), widthPx * dotsPerPixel);
  pen.setCapStyle(Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
}

void QtCanvas::DoClear(Rgb back) { painter_.fillRect(area_, ToQColor(back)); }

void QtCanvas::DoLine(UserPoint a, UserPoint b, Rgb color, double widthPx) {
  SetPen(color, widthPx);
  painter_.drawLine(Device(a), Device(b));
}

void QtCanvas::DoCircle(UserPoint centre, double radius, Rgb color, std::optional<Rgb> fill,
                        std::optional<double> startRad, std::optional<double> endRad,
                        double widthPx) {
  SetPen(color, widthPx);
  painter_.setBrush(fill ? QBrush(ToQColor(*fill)) : QBrush(Qt::NoBrush));
  const double r = std::abs(radius) * DeviceUnitsPerUserX();
  const QPointF c = Device(centre);
  const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
  if (startRad || endRad) {
    const auto [start, span] = ArcSixteenths(startRad.value_or(0), endRad.value_or(0));
    if (span == 0) {  // ends within a sixteenth of a degree of each other
      painter_.setBrush(Qt::NoBrush);
      return;
    }
    if (fill)
      painter_.drawPie(box, start, span);
    else
      painter_.drawArc(box, start, span);
  } else {
    painter_.drawEllipse(box);
  }
  painter_.setBrush(Qt::NoBrush);
}

void QtCanvas::DoText(UserPoint topLeft, std::string_view text, const CanvasFont& font, Rgb color) {
  const QFont q = QtFont(font);
  painter_.setFont(q);
  painter_.setPen(ToQColor(color));
  const QFontMetricsF metrics(q, painter_.device());
  const QPointF corner = Device(topLeft);
  // Half the leading above the ascent: the line's height includes it, and a
  // line at a surface's top edge keeps its tallest letters whole.
  painter_.drawText(QPointF(corner.x(), corner.y() + metrics.leading() / 2 + metrics.ascent()),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  ClearUpperHalves();
}

const QFontMetricsF& QtCanvas::Metrics(const CanvasFont& font) const {
  const auto kept = std::find_if(measuring_.begin(), measuring_.end(), [&](const auto& m) {
    return m && m->first.points == font.points && m->first.bold == font.bold &&
           m->first.family == font.family;
  });
  auto& measuring = kept != measuring_.end() ? *kept : measuring_[oldestMeasuring_];
  if (kept == measuring_.end()) {
    measuring.emplace(font, QFontMetricsF(QtFont(font), painter_.device()));
    oldestMeasuring_ = (oldestMeasuring_ + 1) % measuring_.size();
  }
  return measuring->second;
}

Canvas::TextSize QtCanvas::MeasureText(std::string_view text, const CanvasFont& font) const {
  const QFontMetricsF& metrics = Metrics(font);
  const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // The full line height, leading included: the glyph font's ascent and
  // descent span exactly one em, so characters stepped by height() touch.
  // One character's advance needs no shaping, which a crowded wheel's fit
  // would pay for some ten thousand times.
  const TextSize size{
      q.size() == 1 ? metrics.horizontalAdvance(q.front()) : metrics.horizontalAdvance(q),
      metrics.lineSpacing()};
  ClearUpperHalves();
  return size;
}

std::optional<Canvas::Ink> QtCanvas::MeasureInk(std::string_view text,
                                                const CanvasFont& font) const {
  const std::optional<Ink> ink =
      InkOf(Metrics(font), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  ClearUpperHalves();
  return ink;
}

std::optional<Canvas::Ink> QtCanvas::InkOf(const QFontMetricsF& metrics, const QString& text) {
  // From the outlines at the size drawn, hinted as drawn; the baseline
  // stands where DoText puts it.
  const QRectF ink =
      text.size() == 1 ? metrics.boundingRect(text.front()) : metrics.tightBoundingRect(text);
  if (ink.isEmpty()) return std::nullopt;
  const double baseline = metrics.leading() / 2 + metrics.ascent();
  return Ink{ink.left(), baseline + ink.top(), ink.right(), baseline + ink.bottom()};
}

}  // namespace orv
