#pragma once
// The main window's menu bar as data: every menu, command and separator in
// order, with its control name, caption, shortcut key and the state of the
// program it needs; and the commands the shell itself runs by name (the
// house systems and the help texts).

#include <optional>
#include <span>
#include <string_view>

#include "core/HouseSystem.h"

namespace orv {

enum class MenuEntryKind {
  Menu,        // opens a menu (on the bar) or a submenu; its entries follow up to EndMenu
  EndMenu,     // closes the latest Menu
  Item,        // a command inside a menu
  Separator,   // a line inside a menu
  BarCommand,  // a command placed directly on the bar
};

// What a command needs beside a handler.
enum class CommandGate {
  Always,
  ChartsComputed,     // reads the charts: only after the first successful calculation
  SecondPersonChart,  // also only while chart 2 is a second person
};

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::Item;
  std::string_view name;      // control name, e.g. "mnuDataNatalData"; empty for separators
  std::string_view caption;   // "&" marks the access key
  std::string_view shortcut;  // key sequence in portable text ("Ctrl+Shift+F7"); empty: none
  CommandGate gate = CommandGate::Always;
};

// The menu bar from left to right, menus depth first.
std::span<const MenuEntry> MainMenuEntries();

// The entry with control name `name`; nothing when there is none.
std::optional<MenuEntry> FindMenuEntry(std::string_view name);

// The commands of the File menu that the main window runs itself.
inline constexpr std::string_view kMakeNewFilCommand = "mnuFileNewFil";
inline constexpr std::string_view kExitCommand = "mnuFileExit";

// The Wheels menu, hidden until the first successful calculation.
inline constexpr std::string_view kWheelsMenu = "mnuWheels";

// The nine items of the Houses menu.
struct HouseMenuItem {
  std::string_view name;
  HouseSystemCode system;
};
std::span<const HouseMenuItem> HouseMenuItems();
std::string_view HouseMenuItemName(HouseSystemCode system);

// The help items and the text each shows, a file in the program folder.
struct HelpMenuItem {
  std::string_view name;
  std::string_view fileName;
};
std::span<const HelpMenuItem> HelpMenuItems();

}  // namespace orv
