#include <gtest/gtest.h>

#include <vector>

#include "base/MenuTable.h"

namespace orv {
namespace {

enum class Item { FileMenu, Save, Help };
using Row = WindowMenuEntry<Item>;

// The check that every window's menu table passes at compile time refuses
// each way a table can go wrong.
TEST(MenuTable, EveryIdOnceInProperlyNestedMenus) {
  const struct {
    const char* what;
    std::vector<Row> rows;
    bool valid;
  } cases[] = {
      {"sound",
       {Row::Menu(Item::FileMenu, "&File"), Row::Item(Item::Save, "&Save", "F5"), Row::End(),
        Row::Bar(Item::Help, "&Help")},
       true},
      {"an id without a row",
       {Row::Menu(Item::FileMenu, "&File"), Row::Item(Item::Save, "&Save"), Row::End()},
       false},
      {"an id twice",
       {Row::Menu(Item::FileMenu, "&File"), Row::Item(Item::Save, "&Save"),
        Row::Item(Item::Save, "Save &As"), Row::End(), Row::Bar(Item::Help, "&Help")},
       false},
      {"a menu left open",
       {Row::Bar(Item::Help, "&Help"), Row::Menu(Item::FileMenu, "&File"),
        Row::Item(Item::Save, "&Save")},
       false},
      {"an end without a menu",
       {Row::Menu(Item::FileMenu, "&File"), Row::Item(Item::Save, "&Save"), Row::End(), Row::End(),
        Row::Bar(Item::Help, "&Help")},
       false},
      {"an item outside any menu",
       {Row::Menu(Item::FileMenu, "&File"), Row::End(), Row::Item(Item::Save, "&Save"),
        Row::Bar(Item::Help, "&Help")},
       false},
      {"a bar command inside a menu",
       {Row::Menu(Item::FileMenu, "&File"), Row::Item(Item::Save, "&Save"),
        Row::Bar(Item::Help, "&Help"), Row::End()},
       false},
  };
  for (const auto& c : cases) EXPECT_EQ(EachIdOnceAndNested<Item>(c.rows, 3), c.valid) << c.what;
}

}  // namespace
}  // namespace orv
