#pragma once
// Placing top-level windows by their frames. A window manager adds the
// frame (title bar, borders) as a window comes on screen, and a window not
// yet shown cannot know its size; so windows opened beside one already on
// screen are placed by that window's frame.

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace orv {

// Waits (handling events, at most about two seconds) until `window` is on
// screen, with a window manager's frame around it when there is one.
void WaitUntilOnScreen(QWidget& window);

// The frame around `window` (on screen): none without a window manager.
QMargins FrameMargins(const QWidget& window);

// Shows `window` (not shown yet) with the top-left corner of its frame at
// `frameTopLeft`, taking its frame to be `frame`, the frame of a window of
// the program already on screen. Returns the place of the outer rectangle.
QRect ShowFramedAt(QWidget& window, QPoint frameTopLeft, QMargins frame);

}  // namespace orv
