#pragma once
// Placing top-level windows by their frames. A window manager adds the
// frame (title bar, borders) only once a window is on screen, and a window
// learns the frame's size only some time after that; so windows opened
// beside one already on screen are placed by that window's frame.

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace orv {

// Waits (handling events, at most about two seconds) until `window` is on
// screen, and then briefly for a window manager's frame around it.
void WaitUntilOnScreen(QWidget& window);

// The frame around `window` (on screen): none without a window manager.
QMargins FrameMargins(const QWidget& window);

// Shows `window` (not shown yet) with the top-left corner of its frame at
// `frameTopLeft`, taking its frame to be `frame`, the frame of a window of
// the program already on screen. Returns the place of the outer rectangle.
QRect ShowFramedAt(QWidget& window, QPoint frameTopLeft, QMargins frame);

}  // namespace orv
