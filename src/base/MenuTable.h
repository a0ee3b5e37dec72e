#pragma once
// A window's menu bar as a table of rows: menus with their items, in the
// order the bar shows them. The window builds its menus from the table and
// the Shortcut Keys help lists the keys from it, so each caption and key is
// written once.

#include <span>
#include <string_view>

namespace orv {

enum class MenuEntryKind {
  Menu,        // opens a menu (on the bar) or a submenu; its entries follow up to EndMenu
  EndMenu,     // closes the latest Menu
  Item,        // a command inside a menu
  Separator,   // a line inside a menu
  BarCommand,  // a command placed directly on the bar
};

// One row of a window's own menu bar. `Id` names every menu and command of
// the window; each id has exactly one Menu, Item or BarCommand row.
template <class Id>
struct WindowMenuEntry {
  MenuEntryKind kind = MenuEntryKind::Item;
  Id id{};                    // Menu, Item and BarCommand
  std::string_view caption;   // "&" marks the access key
  std::string_view shortcut;  // key sequence in portable text ("Ctrl+L"); empty: none
  bool checkable = false;     // the item carries a check mark

  static constexpr WindowMenuEntry Menu(Id id, std::string_view caption) {
    return Make(MenuEntryKind::Menu, id, caption);
  }
  static constexpr WindowMenuEntry End() { return Make(MenuEntryKind::EndMenu, Id{}, {}); }
  static constexpr WindowMenuEntry Item(Id id, std::string_view caption,
                                        std::string_view shortcut = {}, bool checkable = false) {
    WindowMenuEntry entry = Make(MenuEntryKind::Item, id, caption);
    entry.shortcut = shortcut;
    entry.checkable = checkable;
    return entry;
  }
  static constexpr WindowMenuEntry Bar(Id id, std::string_view caption) {
    return Make(MenuEntryKind::BarCommand, id, caption);
  }

 private:
  static constexpr WindowMenuEntry Make(MenuEntryKind kind, Id id, std::string_view caption) {
    WindowMenuEntry entry;
    entry.kind = kind;
    entry.id = id;
    entry.caption = caption;
    return entry;
  }
};

// Whether `entries` name each of the `idCount` ids (0 .. idCount - 1) in
// exactly one Menu, Item or BarCommand row and nest their menus properly.
template <class Id>
constexpr bool EachIdOnceAndNested(std::span<const WindowMenuEntry<Id>> entries, int idCount) {
  int depth = 0;
  for (int id = 0; id < idCount; ++id) {
    int rows = 0;
    for (const WindowMenuEntry<Id>& entry : entries)
      if (entry.kind != MenuEntryKind::EndMenu && entry.kind != MenuEntryKind::Separator &&
          static_cast<int>(entry.id) == id)
        ++rows;
    if (rows != 1) return false;
  }
  for (const WindowMenuEntry<Id>& entry : entries) {
    if (entry.kind == MenuEntryKind::Menu) ++depth;
    if (entry.kind == MenuEntryKind::EndMenu && --depth < 0) return false;
    const bool inMenu = entry.kind == MenuEntryKind::Item || entry.kind == MenuEntryKind::Separator;
    if (inMenu != (depth > 0) && entry.kind != MenuEntryKind::Menu &&
        entry.kind != MenuEntryKind::EndMenu)
      return false;
  }
  return depth == 0;
}

}  // namespace orv
