#include "shell/ui/OnScreen.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace orv {

namespace {

constexpr int kOnScreenWaitMs = 2000;
// The frame follows the window onto the screen within a few event rounds;
// without a window manager there is none to wait for.
constexpr int kFrameWaitMs = 300;

template <class Done>
void ProcessEventsUntil(Done done, int mostMs) {
  QElapsedTimer waited;
  waited.start();
  while (!done() && waited.elapsed() < mostMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
}

}  // namespace

void WaitUntilOnScreen(QWidget& window) {
  ProcessEventsUntil(
      [&] { return window.windowHandle() && window.windowHandle()->isExposed(); },
      kOnScreenWaitMs);
  ProcessEventsUntil([&] { return !FrameMargins(window).isNull(); }, kFrameWaitMs);
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
