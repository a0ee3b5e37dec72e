// Where windows open: wholly on the screen, and clear of the input windows
// wherever the screen has room for that.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "shell/WindowPlacement.h"

namespace orv {
namespace {

// Outer sizes, frames included, as a desktop with a 21-pixel title bar and
// 1-pixel borders shows the program's windows.
constexpr WindowPlace kNatal{0, 0, 370, 375}, kSecond{0, 0, 372, 436}, kNames{0, 0, 427, 422};
constexpr int kMainFrameBottom = 43;  // the input windows open just below the main window

struct Window {
  const char* name;
  int width, height;
  // Where it asks to open, frame top-left; {-1, -1}: centred on the screen.
  int left, top;
};
constexpr Window kWindows[] = {
    {"tip of the day", 503, 200, -1, -1}, {"report viewer", 706, 498, -1, -1},
    {"wheel", 802, 622, 0, 43},           {"data window", 842, 572, 60, 63},
    {"editor", 642, 502, -1, -1},         {"small wheel", 602, 472, 0, 43},
};

bool Inside(const WindowPlace& w, const WindowPlace& screen) {
  return w.left >= screen.left && w.top >= screen.top &&
         w.left + w.width <= screen.left + screen.width &&
         w.top + w.height <= screen.top + screen.height;
}

long long Covered(const WindowPlace& w, const std::vector<WindowPlace>& keepClear) {
  long long sum = 0;
  for (const WindowPlace& r : keepClear) sum += SharedArea(w, r);
  return sum;
}

// The least any place on the screen covers of `keepClear`, every pixel
// position tried: the answer the placement is held to.
long long LeastCovered(const WindowPlace& screen, int width, int height,
                       const std::vector<WindowPlace>& keepClear) {
  long long least = std::numeric_limits<long long>::max();
  for (int top = screen.top; top + height <= screen.top + screen.height; ++top)
    for (int left = screen.left; left + width <= screen.left + screen.width; ++left)
      least = std::min(least, Covered({left, top, width, height}, keepClear));
  return least;
}

// What a window may cover where every place covers some: the least, and a
// sliver of a hundredth of its own area; where a place covers none, none.
long long Allowed(long long least, const WindowPlace& w) {
  return least > 0 ? least + static_cast<long long>(w.width) * w.height / 100 : 0;
}

// The input windows as the program opens them: the natal window below the
// main window, the second-chart window to its right, the names window to
// the right of that, each kept on the screen and off those before it.
std::vector<WindowPlace> InputWindowsOn(const WindowPlace& screen) {
  std::vector<WindowPlace> shown;
  WindowPlace asked = kNatal;
  asked.left = 60;
  asked.top = kMainFrameBottom;
  for (const WindowPlace& size : {kNatal, kSecond, kNames}) {
    asked.width = size.width;
    asked.height = size.height;
    const WindowPlace at = PlaceOpeningWindow(screen, asked, shown);
    shown.push_back(at);
    asked.left = at.left + at.width;
    asked.top = at.top;
  }
  return shown;
}

TEST(WindowPlacement, EveryWindowOpensOnTheScreenAndClearOfTheInputWindowsWhereThereIsRoom) {
  const WindowPlace screens[] = {{0, 0, 1600, 1000}, {0, 0, 1024, 768}, {0, 0, 800, 600}};
  for (const WindowPlace& screen : screens) {
    const std::vector<WindowPlace> inputs = InputWindowsOn(screen);
    for (size_t i = 0; i < inputs.size(); ++i) {
      const std::vector<WindowPlace> before(inputs.begin(), inputs.begin() + long(i));
      EXPECT_TRUE(Inside(inputs[i], screen)) << screen.width << " input window " << i;
      EXPECT_LE(Covered(inputs[i], before),
                Allowed(LeastCovered(screen, inputs[i].width, inputs[i].height, before), inputs[i]))
          << screen.width << " input window " << i;
    }
    for (const Window& w : kWindows) {
      const std::string where =
          std::to_string(screen.width) + "x" + std::to_string(screen.height) + " " + w.name;
      WindowPlace asked{w.left, w.top, w.width, w.height};
      if (w.left < 0) {
        asked.left = screen.left + (screen.width - w.width) / 2;
        asked.top = screen.top + (screen.height - w.height) / 2;
      }
      const WindowPlace at = PlaceOpeningWindow(screen, asked, inputs);
      EXPECT_TRUE(Inside(at, screen)) << where;
      EXPECT_EQ(at.width, std::min(w.width, screen.width)) << where;
      EXPECT_EQ(at.height, std::min(w.height, screen.height)) << where;
      EXPECT_LE(Covered(at, inputs), Allowed(LeastCovered(screen, at.width, at.height, inputs), at))
          << where;
      // With nothing to keep clear it opens where it asked, moved only as
      // far as the screen needs.
      const WindowPlace alone = PlaceOpeningWindow(screen, asked, {});
      const WindowPlace kept = KeepWithinScreen(asked, screen);
      EXPECT_EQ(std::tie(alone.left, alone.top), std::tie(kept.left, kept.top)) << where;
    }
  }
}

TEST(WindowPlacement, TheNearestClearPlaceIsTakenAndAUsersPlaceIsKeptWhileOnTheScreen) {
  const WindowPlace screen{0, 30, 1600, 970};
  const std::vector<WindowPlace> inputs = {{60, 73, 370, 375}, {430, 73, 372, 436}};
  const struct {
    const char* what;
    WindowPlace asked;
    bool userPlace;
    int left, top;
  } cases[] = {
      {"clear already", {900, 100, 300, 200}, false, 900, 100},
      {"over the natal window's OK button", {0, 43, 602, 472}, false, 0, 509},
      {"below the screen", {700, 900, 706, 498}, false, 802, 502},
      {"a user's place over the input windows", {100, 100, 300, 200}, true, 100, 100},
      {"a user's place half off the screen", {1500, 100, 300, 200}, true, 1300, 100},
  };
  for (const auto& c : cases) {
    const WindowPlace at = PlaceOpeningWindow(screen, c.asked, inputs, c.userPlace);
    EXPECT_EQ(std::tie(at.left, at.top), std::tie(c.left, c.top)) << c.what;
  }
}

// A place is the user's unless it is the default or where the program put
// the window by its own choice; a window the program opened at the user's
// place keeps it (once, that counted as the program's, and the window went
// back to its default place at the next opening).
TEST(WindowPlacement, AUsersPlaceIsNeitherTheDefaultNorWhereTheProgramChoseToOpenTheWindow) {
  const WindowPlace byDefault{0, 43, 0, 0};
  const struct {
    WindowPlace stored;
    std::optional<OpenedPlace> opened;
    bool user;
    bool programs;  // standing there, it is remembered as the default
  } cases[] = {
      {{0, 43, 0, 0}, std::nullopt, false, false},          // the default
      {{1, 42, 0, 0}, std::nullopt, false, false},          // the default, read back from twips
      {{802, 43, 0, 0}, {{802, 43, false}}, false, true},   // where the program put it
      {{803, 44, 0, 0}, {{802, 43, false}}, false, true},   // the same, read back from twips
      {{802, 43, 0, 0}, std::nullopt, true, false},         // from an earlier run
      {{500, 300, 0, 0}, {{802, 43, false}}, true, false},  // moved by the user
      {{500, 300, 0, 0}, {{500, 300, true}}, true, false},  // opened again at the user's place
      {{501, 299, 0, 0}, {{500, 300, true}}, true, false},  // the same, read back from twips
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsUserPlace(c.stored, byDefault, c.opened), c.user)
        << c.stored.left << "," << c.stored.top;
    EXPECT_EQ(AtProgramsPlace(c.stored, c.opened), c.programs)
        << c.stored.left << "," << c.stored.top;
  }
}

}  // namespace
}  // namespace orv
