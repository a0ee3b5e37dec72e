#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "commands/CommandTable.h"

namespace orv {
namespace {

bool IsCommand(const MenuEntry& entry) {
  return entry.kind == MenuEntryKind::Item || entry.kind == MenuEntryKind::BarCommand;
}

TEST(CommandTable, EveryCommandHasExactlyOneMenuEntry) {
  std::map<CommandId, int> entries;
  for (const MenuEntry& entry : MainMenuEntries())
    if (IsCommand(entry)) ++entries[entry.id];
  for (int i = 0; i < kCommandCount; ++i) {
    const auto id = static_cast<CommandId>(i);
    EXPECT_EQ(entries[id], 1) << "command " << i;
    EXPECT_EQ(CommandEntry(id).id, id) << "command " << i;
    EXPECT_TRUE(IsCommand(CommandEntry(id))) << "command " << i;
    EXPECT_FALSE(CommandEntry(id).caption.empty()) << "command " << i;
  }
  EXPECT_EQ(entries.size(), std::size_t(kCommandCount));
}

TEST(CommandTable, MenusNestAndEachMenuIdHasOneRow) {
  // Captions, nesting and shortcuts are pinned by the main window's menu bar test.
  std::map<MenuId, int> rows;
  std::set<MenuId> afterFirstChart;
  int depth = 0;
  for (const MenuEntry& entry : MainMenuEntries()) {
    if (entry.kind == MenuEntryKind::Menu) {
      ++depth;
      ++rows[entry.menu];
      if (entry.shownAfterFirstChart) afterFirstChart.insert(entry.menu);
    }
    if (entry.kind == MenuEntryKind::EndMenu) --depth;
    EXPECT_GE(depth, 0);
    if (entry.kind == MenuEntryKind::Item || entry.kind == MenuEntryKind::Separator) {
      EXPECT_GT(depth, 0) << entry.caption;
    }
    if (entry.kind == MenuEntryKind::BarCommand) {
      EXPECT_EQ(depth, 0) << entry.caption;
    }
  }
  EXPECT_EQ(depth, 0);
  for (int i = 0; i < kMenuCount; ++i) EXPECT_EQ(rows[static_cast<MenuId>(i)], 1) << "menu " << i;
  // Only the wheels wait for a chart; the other chart commands show greyed.
  EXPECT_EQ(afterFirstChart, std::set<MenuId>{MenuId::Wheels});
}

TEST(CommandTable, NoTwoCommandsShareAKey) {
  std::map<std::string, CommandId> keys;
  for (int i = 0; i < kCommandCount; ++i) {
    const MenuEntry& entry = CommandEntry(static_cast<CommandId>(i));
    if (entry.shortcut.empty()) continue;
    EXPECT_TRUE(keys.emplace(std::string(entry.shortcut), entry.id).second) << entry.shortcut;
  }
}

TEST(CommandTable, TheMainWindowRunsFileAndTheHousesItems) {
  const std::map<CommandId, HouseSystemCode> houses = {
      {CommandId::HousePlacidus, HouseSystemCode::Placidus},
      {CommandId::HouseRegiomontanus, HouseSystemCode::Regiomontanus},
      {CommandId::HouseKoch, HouseSystemCode::Koch},
      {CommandId::HouseCampanus, HouseSystemCode::Campanus},
      {CommandId::HousePorphyry, HouseSystemCode::Porphyry},
      {CommandId::HouseEqualAsc, HouseSystemCode::EqualAscendant},
      {CommandId::HouseEqualMC, HouseSystemCode::EqualMC},
      {CommandId::HouseMeridian, HouseSystemCode::Meridian},
      {CommandId::HouseMorinus, HouseSystemCode::Morinus},
  };
  for (int i = 0; i < kCommandCount; ++i) {
    const auto id = static_cast<CommandId>(i);
    const MenuEntry& entry = CommandEntry(id);
    const bool own =
        houses.contains(id) || id == CommandId::FileNewFil || id == CommandId::FileExit;
    EXPECT_EQ(entry.runner == CommandRunner::MainWindow, own) << entry.caption;
    if (houses.contains(id)) {
      EXPECT_EQ(entry.house, houses.at(id)) << entry.caption;
      EXPECT_EQ(HouseCommand(houses.at(id)), id) << entry.caption;
    } else {
      EXPECT_FALSE(entry.house.has_value()) << entry.caption;
    }
  }
}

TEST(CommandTable, TheHousesItemsAndTheDualPointTogglesCarryAMark) {
  const std::set<std::string> toggles = {
      "Display Moon in dual charts",   "Display NN in dual charts",  "Display SN in dual charts",
      "Display P of F in dual charts", "Display Asc in dual charts", "Display MC in dual charts"};
  for (const MenuEntry& entry : MainMenuEntries()) {
    if (!IsCommand(entry)) continue;
    EXPECT_EQ(entry.checkable,
              entry.house.has_value() || toggles.contains(std::string(entry.caption)))
        << entry.caption;
  }
}

TEST(CommandTable, EachHelpItemShowsItsFile) {
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
  for (const MenuEntry& entry : MainMenuEntries())
    if (!entry.helpFile.empty())
      actual.emplace(std::string(entry.caption), std::string(entry.helpFile));
  EXPECT_EQ(actual, expected);
}

TEST(CommandTable, TheItemsThatListChartTwoSayWhetherItIsASecondPerson) {
  // Design caption, caption while chart 2 is a second person.
  const std::map<CommandId, std::pair<std::string, std::string>> expected = {
      {CommandId::DataTransitData, {"T&ransit Data", "&Natal Data - 2nd person"}},
      {CommandId::DataTransitAspectsToNatal, {"Transit A&spects to Natal", "&Interchart Aspects"}},
      {CommandId::DataTransitAspectsToTransits,
       {"Transit Aspects to &Transits", "Natal &Aspects - 2nd person"}},
      {CommandId::WheelsTransits, {"&Transits", "2nd &Person"}},
      {CommandId::WheelsTransitsVsNatal, {"Transits &vs Natal", "2nd &Person Natal vs Natal"}},
  };
  // The commands that exist only for two persons.
  const std::set<CommandId> couple = {CommandId::WheelsComposite, CommandId::DataComposite,
                                      CommandId::ReportComposite, CommandId::ReportSynastry};
  for (int i = 0; i < kCommandCount; ++i) {
    const auto id = static_cast<CommandId>(i);
    const MenuEntry& entry = CommandEntry(id);
    if (expected.contains(id)) {
      EXPECT_EQ(entry.caption, expected.at(id).first);
      EXPECT_EQ(entry.personCaption, expected.at(id).second);
    } else {
      EXPECT_TRUE(entry.personCaption.empty()) << entry.caption;
    }
    EXPECT_EQ(entry.gate == CommandGate::SecondPersonChart, couple.contains(id)) << entry.caption;
  }
}

}  // namespace
}  // namespace orv
