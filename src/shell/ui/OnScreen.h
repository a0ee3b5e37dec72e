#pragma once
// Placing top-level windows by their frames. A window manager adds the
// frame (title bar, borders) as a window comes on screen, and a window not
// yet shown cannot know its size; so windows opened beside one already on
// screen are placed by that window's frame.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <optional>

#include "shell/WindowPlacement.h"

class QWidget;

namespace orv {

// Waits (handling events, at most about two seconds) until `window` is on
// screen, with a window manager's frame around it when there is one.
void WaitUntilOnScreen(QWidget& window);

// The frame around `window` (on screen): none without a window manager.
QMargins FrameMargins(const QWidget& window);

// The outer rectangle of `window`, frame included: where the window manager
// has not framed it yet, with the frame of the program's other windows, or
// with an allowance for a title bar and borders while none shows one.
QRect OuterGeometry(const QWidget& window);

// Brings `window`, on screen, wholly onto its screen's free area, frame
// included, now that the window manager has framed it: moved the least way,
// and cut to the area where larger.
void KeepWhollyOnScreen(QWidget& window);

// Marks `window` as one the user types into: a window that opens while it
// is shown keeps clear of it where the screen has room.
void MarkAsInputWindow(QWidget& window);

// Places `window`, not shown yet, where it is to open (PlaceOpeningWindow):
// asked for with its frame's top-left corner at `frameTopLeft`, or centred
// on the screen; `userPlace`: a place the user gave it, kept while it is
// wholly on the screen. Its frame is taken to be that of a window of the
// program already on screen, or, while none shows one, an allowance for a
// title bar and borders. Returns the place of the outer rectangle.
QRect PlaceForOpening(QWidget& window, std::optional<QPoint> frameTopLeft = std::nullopt,
                      bool userPlace = false);

// Places `window`, just made and not shown yet, as PlaceForOpening does,
// unless it has placed itself so already: asked for where it moved itself
// to, or else centred on the screen.
void PlaceNewWindow(QWidget& window);

// Shows `window` without taking the keyboard or the top from the active
// window, the one the user works in.
void ShowBehindTheActiveWindow(QWidget& window);

// Places `window` as PlaceForOpening does, asked for at `stored` (its
// frame's top-left corner as remembered) when that is a place the user gave
// it (IsUserPlace), else at `byDefault`. `openedAt` holds where the program
// opened it last, and then where it opens now.
void PlaceAtRememberedPlace(QWidget& window, QPoint stored, QPoint byDefault,
                            std::optional<OpenedPlace>& openedAt);

// The top-left corner of `window`'s frame to remember: where it stands, or
// `byDefault` while it stands where the program put it by its own choice
// (AtProgramsPlace), which is no place of the user's in a later run either.
QPoint RememberedPlace(const QWidget& window, QPoint byDefault,
                       const std::optional<OpenedPlace>& openedAt);

}  // namespace orv
