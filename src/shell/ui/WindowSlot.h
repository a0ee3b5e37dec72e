#pragma once
// One slot per small window or editor: the window is made on first use and
// again after it was closed; while it is open, asking for it again brings it
// forward as it is, so edits not yet saved in it stay.

#include <QPointer>
#include <QWidget>

#include "shell/ui/OnScreen.h"

namespace orv {

// How a window of a slot comes up: in front, with the keyboard; or, shown
// again without the user's asking (a wheel redrawn for a click in another
// window), behind the window the user works in, which keeps the keyboard
// and the top.
enum class Showing { InFront, Behind };

// Shows the window of `slot`, made by `make` (which may return nullptr, for
// a file that cannot be opened: nothing is shown then) unless one is open;
// a new one opens on the screen, clear of the input windows where it can.
// The window deletes itself when closed, which empties the slot.
template <class Window, class Make>
void ShowInSlot(QPointer<Window>& slot, Make make, Showing showing = Showing::InFront) {
  if (!slot) {
    slot = make();
    if (!slot) return;
    slot->setAttribute(Qt::WA_DeleteOnClose);
    PlaceNewWindow(*slot);
  }
  if (showing == Showing::Behind) return ShowBehindTheActiveWindow(*slot);
  if (slot->isMinimized()) slot->showNormal();
  slot->show();
  slot->raise();
  slot->activateWindow();
}

// Shows a new window made by `make` in `slot`: one already open is closed
// first (and deleted by Qt later), so the new one starts from the state as
// it is now (a wheel drawn anew, a report read anew).
template <class Window, class Make>
void ShowAnewInSlot(QPointer<Window>& slot, Make make, Showing showing = Showing::InFront) {
  if (Window* open = slot.data()) {
    slot = nullptr;
    open->close();
  }
  ShowInSlot(slot, make, showing);
}

}  // namespace orv
