#include "shell/WindowPlacement.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace orv {

long long SharedArea(const WindowPlace& a, const WindowPlace& b) {
  const long long w = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const long long h = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

namespace {

// Twips stored and read back may round a pixel off.
bool Near(const WindowPlace& at, int left, int top) {
  return std::abs(at.left - left) <= 1 && std::abs(at.top - top) <= 1;
}

}  // namespace

bool IsUserPlace(const WindowPlace& stored, const WindowPlace& byDefault,
                 const std::optional<OpenedPlace>& opened) {
  if (Near(stored, byDefault.left, byDefault.top)) return false;
  return !opened || opened->usersPlace || !Near(stored, opened->left, opened->top);
}

bool AtProgramsPlace(const WindowPlace& at, const std::optional<OpenedPlace>& opened) {
  return opened && !opened->usersPlace && Near(at, opened->left, opened->top);
}

WindowPlace PlaceOpeningWindow(const WindowPlace& screen, const WindowPlace& asked,
                               const std::vector<WindowPlace>& keepClear, bool keepAskedPlace) {
  const WindowPlace onScreen = KeepWithinScreen(asked, screen);
  const bool moved = onScreen.left != asked.left || onScreen.top != asked.top;
  if (keepAskedPlace && !moved && onScreen.width == asked.width && onScreen.height == asked.height)
    return onScreen;
  // The nearest clear place, or the least covering one, has each coordinate
  // where it was asked for or against an edge of the screen or of a
  // rectangle to keep clear: only those need trying.
  const int w = onScreen.width, h = onScreen.height;
  std::vector<int> lefts{asked.left, screen.left, screen.left + screen.width - w};
  std::vector<int> tops{asked.top, screen.top, screen.top + screen.height - h};
  for (const WindowPlace& r : keepClear) {
    lefts.insert(lefts.end(), {r.left - w, r.left + r.width});
    tops.insert(tops.end(), {r.top - h, r.top + r.height});
  }
  std::vector<std::pair<WindowPlace, long long>> tried;
  long long least = -1;
  for (int left : lefts)
    for (int top : tops) {
      const WindowPlace at = KeepWithinScreen({left, top, w, h}, screen);
      long long covered = 0;
      for (const WindowPlace& r : keepClear) covered += SharedArea(at, r);
      tried.emplace_back(at, covered);
      if (least < 0 || covered < least) least = covered;
    }
  // Where every place covers some, a sliver more is not worth a long way
  // from where the window asked to be.
  const long long allowed = least > 0 ? least + static_cast<long long>(w) * h / 100 : 0;
  WindowPlace best = onScreen;
  long long bestDistance = -1;
  for (const auto& [at, covered] : tried) {
    if (covered > allowed) continue;
    const long long dx = at.left - asked.left, dy = at.top - asked.top;
    if (bestDistance < 0 || dx * dx + dy * dy < bestDistance) {
      best = at;
      bestDistance = dx * dx + dy * dy;
    }
  }
  return best;
}

}  // namespace orv
