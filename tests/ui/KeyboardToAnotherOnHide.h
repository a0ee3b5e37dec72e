#pragma once
// A stand-in for a window manager's choice of the window that gets the
// keyboard as another goes.

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace orv::test {

// What a window manager may do as a window it gave the keyboard to goes:
// hand the keyboard to another window of the program, here `other`.
// Installed as an event filter on the window that goes.
class KeyboardToAnotherOnHide : public QObject {
 public:
  explicit KeyboardToAnotherOnHide(QWidget& other) : other_(other) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) other_.activateWindow();
    return false;
  }

 private:
  QWidget& other_;
};

}  // namespace orv::test
