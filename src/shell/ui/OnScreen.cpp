#include "shell/ui/OnScreen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "shell/WindowPlacement.h"

namespace orv {

namespace {

constexpr int kOnScreenWaitMs = 2000;  // a bound only: the wait ends with the event
constexpr char kInputWindowProperty[] = "orvInputWindow";
constexpr char kPlacedProperty[] = "orvPlaced";

WindowPlace PlaceOf(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// A title bar and borders as thick as most window managers draw them: the
// frame a window is placed by while no window of the program shows its own.
constexpr QMargins kFrameAllowance(6, 32, 6, 8);

// The frame the window manager puts around `window`: its own once on
// screen, else that of another of the program's windows, read off one on
// screen (a window not shown yet has none to ask), else the allowance.
QMargins ExpectedFrame(const QWidget& window) {
  const QMargins own = FrameMargins(window);
  if (!own.isNull()) return own;
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (w == &window || !w->isVisible() || w->isMinimized()) continue;
    const QMargins frame = FrameMargins(*w);
    if (!frame.isNull()) return frame;
  }
  return kFrameAllowance;
}

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

QRect OuterGeometry(const QWidget& window) {
  return window.geometry().marginsAdded(ExpectedFrame(window));
}

void KeepWhollyOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return;
  const QMargins frame = ExpectedFrame(window);
  const QRect outer = window.geometry().marginsAdded(frame);
  const WindowPlace place = KeepWithinScreen(PlaceOf(outer), PlaceOf(screen->availableGeometry()));
  const QRect onScreen(place.left, place.top, place.width, place.height);
  if (onScreen != outer) window.setGeometry(onScreen.marginsRemoved(frame));
}

void MarkAsInputWindow(QWidget& window) { window.setProperty(kInputWindowProperty, true); }

QRect PlaceForOpening(QWidget& window, std::optional<QPoint> frameTopLeft, bool userPlace) {
  // The size it will show at: its layout's least size holds from the show on.
  if (QLayout* layout = window.layout()) layout->activate();
  if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
  const QMargins frame = ExpectedFrame(window);
  const QSize outer = window.size().grownBy(frame);
  const QScreen* screen = frameTopLeft ? QGuiApplication::screenAt(*frameTopLeft) : nullptr;
  if (!screen) screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return window.frameGeometry();
  const QRect area = screen->availableGeometry();
  QRect asked(QPoint(), outer);
  if (frameTopLeft)
    asked.moveTopLeft(*frameTopLeft);
  else
    asked.moveCenter(area.center());
  std::vector<WindowPlace> keepClear;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w != &window && w->isVisible() && !w->isMinimized() &&
        w->property(kInputWindowProperty).toBool())
      keepClear.push_back(PlaceOf(OuterGeometry(*w)));
  const WindowPlace place = PlaceOpeningWindow(PlaceOf(area), PlaceOf(asked), keepClear, userPlace);
  // The geometry of a top-level window is that of its inside.
  const QRect outside(place.left, place.top, place.width, place.height);
  window.setGeometry(outside.marginsRemoved(frame));
  window.setProperty(kPlacedProperty, true);
  return outside;
}

void PlaceNewWindow(QWidget& window) {
  if (window.isVisible() || window.property(kPlacedProperty).toBool()) return;
  // A window not shown yet has no frame: where it moved itself is where
  // its frame is to be.
  PlaceForOpening(window,
                  window.testAttribute(Qt::WA_Moved) ? std::optional(window.pos()) : std::nullopt);
}

void ShowBehindTheActiveWindow(QWidget& window) {
  QWidget* front = QApplication::activeWindow();
  window.setAttribute(Qt::WA_ShowWithoutActivating);
  window.show();
  // A window manager stacks a window it maps on top even so: the window in
  // front goes back over it.
  if (front && front != &window) front->raise();
}

void PlaceAtRememberedPlace(QWidget& window, QPoint stored, QPoint byDefault,
                            std::optional<OpenedPlace>& openedAt) {
  const bool userPlace =
      IsUserPlace({stored.x(), stored.y(), 0, 0}, {byDefault.x(), byDefault.y(), 0, 0}, openedAt);
  const QRect placed = PlaceForOpening(window, userPlace ? stored : byDefault, userPlace);
  // A user's place moved onto a smaller screen stays the user's: the next
  // opening keeps it where it opened now.
  openedAt = OpenedPlace{placed.left(), placed.top(), userPlace};
}

QPoint RememberedPlace(const QWidget& window, QPoint byDefault,
                       const std::optional<OpenedPlace>& openedAt) {
  const QPoint at = OuterGeometry(window).topLeft();
  return AtProgramsPlace({at.x(), at.y(), 0, 0}, openedAt) ? byDefault : at;
}

}  // namespace orv
