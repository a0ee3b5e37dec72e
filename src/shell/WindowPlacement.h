#pragma once
// Where a window opens: wholly on the screen and, where the screen has room,
// clear of the windows the user is typing into, so a click meant for their
// fields and buttons never lands on a window that opened over them. Pixels,
// frames (title bar and borders) included.

#include <optional>
#include <vector>

#include "shell/SettingsFile.h"

namespace orv {

// The place, frame included, of a window opening on the free area `screen`,
// with the size of `asked` and as near its position as can be:
// - where `asked` lies wholly on the screen and clear of every rectangle of
//   `keepClear`, there; with `keepAskedPlace` (a place the user gave the
//   window) there whenever it lies wholly on the screen;
// - else the nearest place wholly on the screen and clear of them;
// - else, when the screen has no such place, the nearest place wholly on
//   the screen that covers no more of them than the least any place covers
//   and a hundredth of the window's own area.
// A window larger than the screen is shrunk to it.
WindowPlace PlaceOpeningWindow(const WindowPlace& screen, const WindowPlace& asked,
                               const std::vector<WindowPlace>& keepClear,
                               bool keepAskedPlace = false);

// Where the program last opened a window: the top-left corner of its frame,
// in pixels, and whether it opened there because the user had put it there.
struct OpenedPlace {
  int left = 0, top = 0;
  bool usersPlace = false;
};

// Whether the remembered top-left corner `stored` of a window is a place
// the user gave it: not where it opens by default (`byDefault`), and, where
// the program last opened it (`opened`), only when it opened there at the
// user's place; a pixel of rounding aside.
bool IsUserPlace(const WindowPlace& stored, const WindowPlace& byDefault,
                 const std::optional<OpenedPlace>& opened);

// Whether a window whose frame's top-left corner stands at `at` stands
// where the program put it by its own choice (`opened`, not the user's
// place), a pixel of rounding aside: such a place is remembered as the
// default, so a new start does not take it for the user's either.
bool AtProgramsPlace(const WindowPlace& at, const std::optional<OpenedPlace>& opened);

// The area that `a` and `b` share, in square pixels (0 when apart or empty).
long long SharedArea(const WindowPlace& a, const WindowPlace& b);

}  // namespace orv
