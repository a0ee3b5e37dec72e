#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "shell/MainMenu.h"

namespace orv {
namespace {

TEST(MainMenu, NamesAreUnique) {
  // Captions, nesting and shortcuts are pinned by the main window's menu bar test.
  std::set<std::string> names;
  for (const MenuEntry& entry : MainMenuEntries()) {
    if (entry.kind == MenuEntryKind::EndMenu || entry.kind == MenuEntryKind::Separator) continue;
    EXPECT_TRUE(entry.name.starts_with("mnu")) << entry.name;
    EXPECT_TRUE(names.insert(std::string(entry.name)).second) << "twice: " << entry.name;
  }
}

TEST(MainMenu, TheChartDriverReadsTheHousesItemsByTheirNames) {
  const std::map<std::string, HouseSystemCode> expected = {
      {"mnuHousePlacidus", HouseSystemCode::Placidus},
      {"mnuHouseRegiomontanus", HouseSystemCode::Regiomontanus},
      {"mnuHouseKoch", HouseSystemCode::Koch},
      {"mnuHouseCampanus", HouseSystemCode::Campanus},
      {"mnuHousePorphyry", HouseSystemCode::Porphyry},
      {"mnuHouseEqualAsc", HouseSystemCode::EqualAscendant},
      {"mnuHouseEqualMC", HouseSystemCode::EqualMC},
      {"mnuHouseMeridian", HouseSystemCode::Meridian},
      {"mnuHouseMorinus", HouseSystemCode::Morinus},
  };
  ASSERT_EQ(HouseMenuItems().size(), expected.size());
  for (const HouseMenuItem& item : HouseMenuItems()) {
    ASSERT_TRUE(expected.contains(std::string(item.name))) << item.name;
    EXPECT_EQ(item.system, expected.at(std::string(item.name))) << item.name;
    EXPECT_EQ(HouseMenuItemName(item.system), item.name);
    const auto entry = FindMenuEntry(item.name);
    ASSERT_TRUE(entry.has_value()) << item.name;
    EXPECT_EQ(entry->kind, MenuEntryKind::Item);
  }
}

TEST(MainMenu, EachHelpItemShowsItsFile) {
  // Item caption and the file it shows, in the program folder.
  const std::map<std::string, std::string> expected = {
      {"&Orvanta8 Main Menu", "Orvanta8.HLP"},
      {"DATA - &Transits/2nd Person", "TRANSITS.HLP"},
      {"DATA - &Cosmodynes", "COSMODYN.HLP"},
      {"&Philosophy", "PHILO.HLP"},
      {"Natal &Input Data Window", "INPUTD.HLP"},
      {"&Diurnal Input Data Window", "INPUTD1.HLP"},
      {"&Names Window", "NAMES.HLP"},
      {"Cities &Window", "GEOGRAPH.HLP"},
      {"&Options Window", "OPTIONS.HLP"},
      {"Da&ta Window", "OUTPUTD1.HLP"},
      {"&Chartwheels Window", "WHEELS.HLP"},
      {"&Edit A Name File Window", "NAMEEDIT.HLP"},
      {"Edit A Cit&y File Window", "LONGLAT.HLP"},
      {"&Select A File Window", "SELECT.HLP"},
      {"&File To Print  Window", "PRNTFILE.HLP"},
      {"&How Do I...?", "HOW_DO_I.HLP"},
      {"&Reading List", "READING.HLP"},
      {"&Tips", "TIPS.HLP"},
      {"Up&grades", "UPGRADES.HLP"},
      {"Shortcut &Keys", "SHORTCUT.HLP"},
      {"&License Agreement", "LICENSE.HLP"},
      {"Transit Interpretations", "TRANSIT.INX"},
      {"Re&vision History", "REVISION.HLP"},
  };
  std::map<std::string, std::string> actual;
  for (const HelpMenuItem& item : HelpMenuItems()) {
    const auto entry = FindMenuEntry(item.name);
    ASSERT_TRUE(entry.has_value()) << item.name;
    EXPECT_EQ(entry->kind, MenuEntryKind::Item);
    actual.emplace(std::string(entry->caption), std::string(item.fileName));
  }
  EXPECT_EQ(actual, expected);
}

TEST(MainMenu, FindMenuEntryKnowsMenusCommandsAndNothingElse) {
  EXPECT_EQ(FindMenuEntry("mnuData")->kind, MenuEntryKind::Menu);
  EXPECT_EQ(FindMenuEntry("mnuInputData")->kind, MenuEntryKind::BarCommand);
  EXPECT_EQ(FindMenuEntry("mnuDataNatalData")->caption, "&Natal Data");
  EXPECT_FALSE(FindMenuEntry("mnuNoSuchThing").has_value());
  EXPECT_FALSE(FindMenuEntry("").has_value());
}

}  // namespace
}  // namespace orv
