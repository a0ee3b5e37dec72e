#include "wheels/ui/Wheels.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "platform/qt/QtCanvas.h"
#include "shell/Workbench.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv {

namespace {

constexpr double kFallbackDotsPerInch = 96;
constexpr int kSmallestSide = 120;  // pixels: a wheel still reads

}  // namespace

Wheels::Wheels(Workbench& workbench, std::function<void()> bringMainForward, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workbench_(workbench),
      bringMainForward_(std::move(bringMainForward)) {
  setObjectName("Wheels");
  setWindowTitle(QString::fromStdString(workbench_.Shell.CaptionPrefix + "Chartwheels"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  ApplySettingsGeometry();
}

double Wheels::DotsPerInch() const {
  const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
  return on ? on->logicalDotsPerInchX() : kFallbackDotsPerInch;
}

void Wheels::ApplySettingsGeometry() {
  const SettingsValues& s = workbench_.Settings;
  const double dpi = DotsPerInch();
  QRect want(TwipsToPixels(s.WheelsLeft, dpi), TwipsToPixels(s.WheelsTop, dpi),
             TwipsToPixels(s.WheelsWidth, dpi), TwipsToPixels(s.WheelsHeight, dpi));
  const QScreen* on = QGuiApplication::screenAt(want.center());
  if (!on) on = QGuiApplication::primaryScreen();
  if (on) {
    // Kept on the free area, whatever a wider desktop once stored, and
    // shrunk as a whole so the wheel keeps its proportions.
    const QRect free = on->availableGeometry();
    const double fit = std::min({1.0, double(free.width()) / std::max(1, want.width()),
                                 double(free.height()) / std::max(1, want.height())});
    want.setSize(QSize(std::max(kSmallestSide, int(want.width() * fit)),
                       std::max(kSmallestSide, int(want.height() * fit))));
    want.moveLeft(std::clamp(want.left(), free.left(),
                             std::max(free.left(), free.right() - want.width() + 1)));
    want.moveTop(std::clamp(want.top(), free.top(),
                            std::max(free.top(), free.bottom() - want.height() + 1)));
  }
  move(want.topLeft());
  resize(want.size());
}

void Wheels::RecordSettingsGeometry() {
  if (isMinimized()) return;
  SettingsValues& s = workbench_.Settings;
  const double dpi = DotsPerInch();
  const QPoint at = frameGeometry().topLeft();
  s.WheelsLeft = PixelsToTwips(at.x(), dpi);
  s.WheelsTop = PixelsToTwips(at.y(), dpi);
  s.WheelsWidth = PixelsToTwips(width(), dpi);
  s.WheelsHeight = PixelsToTwips(height(), dpi);
}

void Wheels::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!workbench_.Wheel) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  QtCanvas canvas(painter, QRectF(rect()));
  WheelPaintInputs in;
  in.request = &*workbench_.Wheel;
  in.options = &workbench_.Options;
  in.radiusTable = &workbench_.Tables.RadiusTable;
  in.hcDataTable = &workbench_.Tables.HcDataTable;
  in.typeChart = workbench_.Settings.TypeChart;
  PaintWheelWindow(canvas, in, workbench_.Settings.StartScale);
}

void Wheels::resizeEvent(QResizeEvent* event) {
  if (const auto scale = StartScaleFor(width(), height()))
    workbench_.Settings.StartScale = static_cast<std::int16_t>(*scale);
  QWidget::resizeEvent(event);
  update();
}

void Wheels::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    if (bringMainForward_) bringMainForward_();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Wheels::SetTwoRingClick(std::function<void()> handler) { twoRingClick_ = std::move(handler); }

void Wheels::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && bringMainForward_) bringMainForward_();
  if (event->button() == Qt::LeftButton && twoRingClick_ && workbench_.Wheel &&
      workbench_.Wheel->WheelLayout == 1 && workbench_.Wheel->DualWheelShown == 1) {
    twoRingClick_();
    event->accept();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

void Wheels::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) RecordSettingsGeometry();
  QWidget::changeEvent(event);
}

void Wheels::closeEvent(QCloseEvent* event) {
  RecordSettingsGeometry();
  QWidget::closeEvent(event);
}

}  // namespace orv
