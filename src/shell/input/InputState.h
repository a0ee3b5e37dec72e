#pragma once
// What the names, cities, time-zone and atlas windows keep while they come
// and go: the names list's lock, the analysis choices of the names window,
// the loaded people, the window a picked zone goes to, the last atlas
// answer and the atlas's places.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/input/Atlas.h"
#include "shell/input/InputFields.h"
#include "shell/input/NamesFile.h"

namespace orv {

// The names list's position lock.
struct NamesListState {
  bool ListLocked = false;  // "Lock list" ticked
  // The list row remembered when the list was locked or a name was clicked
  // in a locked list; -1 when nothing was selected.
  int LockedListIndex = 0;
  // Set: the next reload of a locked list selects nothing (after "Save to
  // disk", so the input window keeps what was saved). Start-up leaves it set.
  bool KeepNamesListPos = true;
};

// The names window's four analysis check boxes, read by the cosmodynes and
// the relationship analyses; they keep their state while the window is
// closed and opened again.
struct NamesAnalysisChoices {
  bool ConsiderDignities = false;  // "Consider dignities?"
  bool BeneficsMalefics = true;    // "Benefics/Malefics?"
  bool IncludeMR = true;           // "incl MR"
  bool OneToOne = false;           // "1 to 1"
};

struct InputWindowsState {
  NamesListState NamesList;
  NamesAnalysisChoices Analysis;
  // The records of the current names file in file order, as last loaded by
  // the names window (the batch analyses run over them).
  std::vector<NameRecord> People;
  // Where a picked time zone goes: the natal window, or the second-chart
  // window (`ZoneTarget` non-zero).
  InputTarget ZoneTarget = InputTarget::Natal;
  AtlasValues Atlas;
  // The atlas's gazetteer, read when the atlas is first opened.
  std::shared_ptr<const Gazetteer> AtlasPlaces;
};

// "Lock list" clicked by the user: locking remembers `selectedRow` (-1 when
// nothing is selected); unlocking forgets nothing.
void ToggleListLock(NamesListState& state, int selectedRow);

// Where a reloaded list of `count` names stands when it is locked: the row
// to select (a remembered row beyond the end moves to the last name, a
// negative one to the first) and the row to scroll to the top, twelve rows
// above it. Nothing to select when the list is not locked, when the reload
// follows "Save to disk" (KeepNamesListPos), or when the list is empty. A
// row beyond the end is remembered as moved.
struct ListSelection {
  int row = 0;
  int topRow = 0;
};
std::optional<ListSelection> LockedReloadSelection(NamesListState& state, int count);

// The order a sorted list shows `texts` in: indexes into `texts`, sorted by
// their text without regard to letter case; equal texts keep file order.
std::vector<std::size_t> SortedListOrder(const std::vector<std::string>& texts);

// The file name a names or cities window shows above its list: the part of
// `path` after its last separator, upper-cased ("/data/clients.fil" shows
// "CLIENTS.FIL").
std::string ListFileCaption(std::string_view path);

}  // namespace orv
