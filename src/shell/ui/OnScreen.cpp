#include "shell/ui/OnScreen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace orv {

namespace {

constexpr int kOnScreenWaitMs = 2000;  // a bound only: the wait ends with the event

}  // namespace

void WaitUntilOnScreen(QWidget& window) {
  auto onScreen = [&] { return window.windowHandle() && window.windowHandle()->isExposed(); };
  QTimer limit;
  limit.setSingleShot(true);
  limit.start(kOnScreenWaitMs);
  while (!onScreen() && limit.isActive())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  // A window manager frames a window before it maps it, so the frame's
  // events are already on their way: one round trip to the display brings
  // them in. Without a window manager there is no frame to wait for.
  QGuiApplication::sync();
  QCoreApplication::processEvents();
}

QMargins FrameMargins(const QWidget& window) {
  const QRect inside = window.geometry();
  const QRect outside = window.frameGeometry();
  return {inside.left() - outside.left(), inside.top() - outside.top(),
          outside.right() - inside.right(), outside.bottom() - inside.bottom()};
}

QRect ShowFramedAt(QWidget& window, QPoint frameTopLeft, QMargins frame) {
  // The geometry of a top-level window is that of its inside, which the
  // window manager then frames.
  // As a first show would size it, unless it was sized already.
  if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
  const QPoint inside = frameTopLeft + QPoint(frame.left(), frame.top());
  window.setGeometry(QRect(inside, window.size()));
  window.show();
  return QRect(frameTopLeft, window.size().grownBy(frame));
}

}  // namespace orv
