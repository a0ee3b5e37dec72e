#include "shell/ui/UnusedKeyRouter.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>

namespace orv {

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
  for (QAction* action : main_.findChildren<QAction*>()) {
    if (action->shortcut() == pressed && action->isEnabled() && action->isVisible()) {
      action->trigger();
      return true;
    }
  }
  return false;
}

}  // namespace orv
