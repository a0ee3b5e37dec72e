#include "wheels/WheelsWindowMenu.h"

#include <array>

namespace orv {

namespace {

using W = WheelsWindowItem;
using Row = WindowMenuEntry<WheelsWindowItem>;
// Ctrl+F11 and Ctrl+F12 belong to the stepping items; a key held by two
// items would run neither.
constexpr auto kRows = std::to_array<Row>({
    Row::Bar(W::Aspects, "&Aspects"),
    Row::Menu(W::OrbsMenu, "&Orbs"),
    Row::Item(W::OrbsChange, "&Select new orb file", "F11"),
    Row::Item(W::OrbsEdit, "&Edit orb file", "F12"),
    Row::End(),
    Row::Menu(W::OptionsMenu, "Options"),
    Row::Item(W::OptionAspectLines, "&3 Degree Orbs for Wheel Aspect Lines", {}, true),
    Row::Item(W::OptionDisplaySextiles, "&Display sextiles", {}, true),
    Row::Item(W::Options230Toggle, "Toggle Option #230", "Ctrl+L"),
    Row::End(),
    Row::Bar(W::PrintChartwheel, "&Print"),
    Row::Bar(W::Switch, "S&witch"),
    Row::Menu(W::TypeMenu, "&Type"),
    Row::Item(W::TypeAmerican, "&American", "F7", true),
    Row::Item(W::TypeEuropean, "&European", "F8", true),
    Row::End(),
    Row::Bar(W::Help, "&Help"),
});
static_assert(EachIdOnceAndNested<WheelsWindowItem>(kRows, kWheelsWindowItemCount));

}  // namespace

std::span<const WindowMenuEntry<WheelsWindowItem>> WheelsWindowMenu() { return kRows; }

}  // namespace orv
