#pragma once
// The wheel window's own menu bar (its Update menu is the stepping table of
// ChartStepping.h, placed before Aspects): the window builds the menus from
// this table and the Shortcut Keys help lists its keys from it.

#include <span>

#include "base/MenuTable.h"

namespace orv {

// Every menu and command of the wheel window but the Update menu, in menu
// order.
enum class WheelsWindowItem {
  Aspects,
  OrbsMenu,
  OrbsChange,
  OrbsEdit,
  OptionsMenu,
  OptionAspectLines,
  OptionDisplaySextiles,
  Options230Toggle,
  PrintChartwheel,
  Switch,    // shown only on the combined two-chart wheel
  TypeMenu,  // shown only on the wheels of one chart
  TypeAmerican,
  TypeEuropean,
  Help,  // stays last: kWheelsWindowItemCount counts up to it
};
inline constexpr int kWheelsWindowItemCount = static_cast<int>(WheelsWindowItem::Help) + 1;

// The wheel window's menu bar from left to right, menus depth first.
std::span<const WindowMenuEntry<WheelsWindowItem>> WheelsWindowMenu();

}  // namespace orv
