#pragma once
// The data window's menu bar: its window builds the menus from this table
// and the Shortcut Keys help lists its keys from it.

#include <span>

#include "base/MenuTable.h"

namespace orv {

// Every menu and command of the data window, in menu order.
enum class DataWindowItem {
  FileMenu,
  FileSave,
  FileSaveAs,
  FontMenu,
  FontIncrease,
  FontDecrease,
  FontBold,
  FontItalic,
  ClearAllData,
  PrintPage,
  PrintData,
  MoreMenu,  // shown only with the transit interpretations of a day
  MoreForward,
  MoreBackward,
  MoreNewDate,
  Help,  // stays last: kDataWindowItemCount counts up to it
};
inline constexpr int kDataWindowItemCount = static_cast<int>(DataWindowItem::Help) + 1;

// The data window's menu bar from left to right, menus depth first.
std::span<const WindowMenuEntry<DataWindowItem>> DataWindowMenu();

}  // namespace orv
