#pragma once
// The window a dialog is opened from, which owns it and has the keyboard
// back when it closes: left to itself, a window manager hands the keyboard
// to the dialog's owner or to none, and the next key meant for the window
// the user was in runs another window's command. The host's dialogs and the
// print dialog all open through it.

#include <QPointer>
#include <QWidget>

namespace orv {

class DialogOpener {
 public:
  // The owner is the active window, or the one an earlier dialog of the
  // same command gave the keyboard back to (just after a dialog closes no
  // window is active until the window manager catches up, and a dialog
  // opened then is still that window's); else `fallback`.
  explicit DialogOpener(QWidget* fallback);
  // Gives the window and the widget that had the keyboard it back.
  ~DialogOpener();
  DialogOpener(const DialogOpener&) = delete;
  DialogOpener& operator=(const DialogOpener&) = delete;

  QWidget* Owner() const { return owner_; }

 private:
  QPointer<QWidget> window_;
  QPointer<QWidget> focus_;
  QPointer<QWidget> owner_;
};

}  // namespace orv
