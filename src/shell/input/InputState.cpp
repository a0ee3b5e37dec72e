#include "shell/input/InputState.h"

#include <algorithm>
#include <numeric>

#include "base/LetterCase.h"
#include "base/Text.h"

namespace orv {

void ToggleListLock(NamesListState& state, int selectedRow) {
  state.ListLocked = !state.ListLocked;
  if (state.ListLocked) state.LockedListIndex = selectedRow;
}

std::optional<ListSelection> LockedReloadSelection(NamesListState& state, int count) {
  if (!state.ListLocked || state.KeepNamesListPos || count <= 0) return std::nullopt;
  if (state.LockedListIndex >= count) state.LockedListIndex = count - 1;
  state.LockedListIndex = std::max(state.LockedListIndex, 0);
  const int row = state.LockedListIndex;
  // Twelve names above the remembered one stay in view.
  constexpr int kRowsAbove = 12;
  return ListSelection{row, row < kRowsAbove ? 0 : row - kRowsAbove};
}

std::vector<std::size_t> SortedListOrder(const std::vector<std::string>& texts) {
  std::vector<std::string> keys;
  keys.reserve(texts.size());
  for (const std::string& t : texts) keys.push_back(ToLowerText(t));
  std::vector<std::size_t> order(texts.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  return order;
}

std::string ListFileCaption(std::string_view path) {
  std::string folder;
  return ToUpperText(SplitPath(path, folder));
}

}  // namespace orv
