#pragma once
// The window a dialog is opened from, which owns it and has the keyboard
// back when it closes: left to itself, a window manager hands the keyboard
// to the dialog's owner or to none, and the next key meant for the window
// the user was in runs another window's command. The host's dialogs and the
// print dialog all open through it.

#include <QPointer>
#include <QWidget>

class QDialog;

namespace orv {

// Once `dialog` is finished, the window it was opened from (its parent's
// window) takes the keyboard back, if still on show. Left to itself, a
// window manager may hand it to any window of the program (after a message
// over the dialog, it often did), and the next key meant for that window
// would run another's command. The request goes after the dialog is
// hidden, so it comes last.
void ReturnKeyboardWhenFinished(QDialog& dialog);

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
