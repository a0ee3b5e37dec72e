#include "shell/ui/UnusedKeyRouter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <algorithm>

namespace orv {

namespace {

// Whether `window` shows a command of its own on `pressed`, greyed out or
// not: a greyed one keeps its key and does nothing (F8 at the data window's
// smallest font), while a hidden one's key is unused.
bool ShowsCommandOnKey(const QWidget& window, const QKeySequence& pressed) {
  for (const QAction* action : window.findChildren<QAction*>()) {
    if (action->shortcut() != pressed || !action->isVisible()) continue;
    const QList<QObject*> places = action->associatedObjects();
    if (std::none_of(places.begin(), places.end(), [](const QObject* place) {
          const auto* menu = qobject_cast<const QMenu*>(place);
          return menu && !menu->menuAction()->isVisible();
        }))
      return true;
  }
  return false;
}

}  // namespace

UnusedKeyRouter::UnusedKeyRouter(QMainWindow& mainWindow) : QObject(&mainWindow), main_(mainWindow) {
  qApp->installEventFilter(this);
}

bool UnusedKeyRouter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  // The application sees the key at each widget it passes on its way up;
  // at the top-level window every widget below has let it go.
  // A window already closed (a wheel replaced by a new one while its key
  // was held down) still receives the presses on their way to it; they are
  // not meant for the main window.
  const auto* window = static_cast<QWidget*>(watched);
  if (!window->isWindow() || window == &main_ || !window->isVisible() ||
      QApplication::activeModalWidget() || window->windowType() == Qt::Popup)
    return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const QKeySequence pressed(
      QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
  if (ShowsCommandOnKey(*window, pressed)) return false;
  for (QAction* action : main_.findChildren<QAction*>()) {
    if (action->shortcut() == pressed && action->isEnabled() && action->isVisible()) {
      action->trigger();
      return true;
    }
  }
  return false;
}

}  // namespace orv
