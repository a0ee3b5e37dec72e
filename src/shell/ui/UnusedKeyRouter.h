#pragma once
// Keys the window with the focus does not use run the main window's
// command: after a calculation the focus is in the data window, and F3 there
// must still list the aspects, while the data window's own keys (F5 Save,
// the More keys while More shows) keep their meaning.

#include <QObject>

class QMainWindow;

namespace orv {

class UnusedKeyRouter : public QObject {
  Q_OBJECT

 public:
  // Watches every key of the application for as long as it lives, as a
  // child of `mainWindow`.
  explicit UnusedKeyRouter(QMainWindow& mainWindow);

 protected:
  // A key press that reached another top-level window unused by every widget
  // on its way (its shortcuts were tried before) runs the enabled main-window
  // command of that key, if any; modal dialogs, popups, windows already
  // closed and the keys of a window's greyed-out commands are kept.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMainWindow& main_;
};

}  // namespace orv
