#include "shell/DataWindowMenu.h"

#include <array>

namespace orv {

namespace {

using D = DataWindowItem;
using Row = WindowMenuEntry<DataWindowItem>;
constexpr auto kRows = std::to_array<Row>({
    Row::Menu(D::FileMenu, "&File"),
    Row::Item(D::FileSave, "&Save", "F5"),
    Row::Item(D::FileSaveAs, "Save &As", "F6"),
    Row::End(),
    Row::Menu(D::FontMenu, "F&ont"),
    Row::Item(D::FontIncrease, "&Increase", "F7"),
    Row::Item(D::FontDecrease, "&Decrease", "F8"),
    Row::Item(D::FontBold, "&Bold", "F11", true),
    Row::Item(D::FontItalic, "I&talic", "F12", true),
    Row::End(),
    Row::Bar(D::ClearAllData, "&Clear all data"),
    Row::Bar(D::PrintPage, "&Print page"),
    Row::Bar(D::PrintData, "Print &data"),
    Row::Menu(D::MoreMenu, "&More"),
    Row::Item(D::MoreForward, "&Forward", "F2"),
    Row::Item(D::MoreBackward, "&Backward", "F3"),
    Row::Item(D::MoreNewDate, "&New Date", "F4"),
    Row::End(),
    Row::Bar(D::Help, "&Help"),
});
static_assert(EachIdOnceAndNested<DataWindowItem>(kRows, kDataWindowItemCount));
}  // namespace

std::span<const WindowMenuEntry<DataWindowItem>> DataWindowMenu() { return kRows; }

}  // namespace orv
