#include "platform/qt/DialogOpener.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>

namespace orv {

namespace {

// The window the last dialog gave the keyboard back to, until the program
// next waits for the user. One for the program, as the keyboard is: a print
// dialog and the host's message after it are of one command.
QPointer<QWidget>& Returning() {
  static QPointer<QWidget> returning;
  return returning;
}

}  // namespace

DialogOpener::DialogOpener(QWidget* fallback) : focus_(QApplication::focusWidget()) {
  for (QWidget* window : {QApplication::activeWindow(), Returning().data()}) {
    if (window && window->isVisible()) {
      window_ = window;
      break;
    }
  }
  owner_ = window_ ? window_.data() : fallback;
}

DialogOpener::~DialogOpener() {
  if (!window_ || !window_->isVisible()) return;
  if (focus_ && focus_->window() == window_) focus_->setFocus(Qt::ActiveWindowFocusReason);
  window_->activateWindow();
  Returning() = window_;
  QObject::connect(
      QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
      QAbstractEventDispatcher::instance(), [] { Returning() = nullptr; },
      Qt::SingleShotConnection);
}

void ReturnKeyboardWhenFinished(QDialog& dialog) {
  QObject::connect(&dialog, &QDialog::finished, &dialog, [&dialog] {
    QWidget* from = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    if (from && from->isVisible()) from->activateWindow();
  });
}

}  // namespace orv
