#pragma once
// The command table: one row per main-menu command, with its caption,
// shortcut key, the state of the program it needs and who runs it, laid out
// as the menu bar shows it. The menu bar, the Shortcut Keys help text and
// the wiring of every command to its handler all read this table.

#include <optional>
#include <span>
#include <string_view>

#include "base/MenuTable.h"
#include "core/HouseSystem.h"

namespace orv {

// Every command of the main window's menu bar, in menu order.
enum class CommandId {
  FileNewFil,
  FileExit,
  InputData,
  HousePlacidus,
  HouseRegiomontanus,
  HouseKoch,
  HouseCampanus,
  HousePorphyry,
  HouseEqualAsc,
  HouseEqualMC,
  HouseMeridian,
  HouseMorinus,
  DataNatalData,
  DataNatalAspects,
  DataCoLAspects,
  DataCosmodynes,
  DataLeastAspectedPlanet,
  DataMagiNatal,
  DataCosmicState,
  DataCosmicStatesAndCosmodynes,
  DataNatalOFA,
  DataPrintNatalOFA,
  DataTransitData,
  DataTransitAspectsToNatal,
  DataTransitAspectsToTransits,
  DataTransitInterps,
  DataDualCosmodynes,
  DataDualCosmodynesAspects,
  DataComposite,
  DataMagiCouple,
  WheelsNatal,
  WheelsNatalDeclinations,
  WheelsHelio,
  WheelsHelioLatitudes,
  WheelsTransits,
  WheelsComposite,
  WheelsTransitsVsNatal,
  WheelsAstroLine,
  WheelsDualWheel,
  WheelsDualWheelDeclinations,
  WheelsDualHelioWheel,
  WheelsDualWheelLatitudes,
  WheelsShowMoon,
  WheelsShowNorthNode,
  WheelsShowSouthNode,
  WheelsShowPartOfFortune,
  WheelsShowAscendant,
  WheelsShowMidheaven,
  WheelsAllAspects,
  Wheels150Aspects,
  WheelsPositiveAspects,
  WheelsNegativeAspects,
  MeaningsNatal,
  MeaningsComposite,
  MeaningsSynastry,
  KeywordsGeneral,
  KeywordsPart2,
  KeywordsSystem,
  ReportNatal,
  ReportTransit,
  ReportComposite,
  ReportSynastry,
  OptionSettings,
  EnabledPlanets,
  Header,
  HelpTipOfTheDay,
  HelpMainMenu,
  HelpTransits,
  HelpCosmodynes,
  HelpPhilosophy,
  HelpInputD,
  HelpInputD1,
  HelpNames,
  HelpCities,
  HelpOptions,
  HelpData,
  HelpWheels,
  HelpNameEdit,
  HelpCityEdit,
  HelpSelect,
  HelpPrintFile,
  HelpHowDoI,
  HelpReading,
  HelpTips,
  HelpUpgrades,
  HelpShortcutKeys,
  HelpLicense,
  HelpTransitInterps,
  HelpRevision,
  HelpAbout,  // stays last: kCommandCount counts up to it
};
inline constexpr int kCommandCount = static_cast<int>(CommandId::HelpAbout) + 1;

// Every menu and submenu of the main window's menu bar, in menu order.
enum class MenuId {
  File,
  Houses,
  Data,
  Wheels,
  Meanings,
  Keywords,
  Reports,
  Help,
  HelpWindow,
  HelpHints,  // stays last: kMenuCount counts up to it
};
inline constexpr int kMenuCount = static_cast<int>(MenuId::HelpHints) + 1;

// What a command needs beside a handler.
enum class CommandGate {
  Always,
  ChartsComputed,     // reads the charts: only after the first successful calculation
  SecondPersonChart,  // also only while chart 2 is a second person
};

// Who runs a command: the main window itself (File, Houses) or the
// command controller, which maps every other id to its handler.
enum class CommandRunner { MainWindow, Controller };

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::Item;
  CommandId id = CommandId::FileNewFil;  // Item and BarCommand only
  MenuId menu = MenuId::File;            // Menu only
  // Menu only: hidden until the first successful calculation (the wheels
  // need a chart).
  bool shownAfterFirstChart = false;
  std::string_view caption;   // "&" marks the access key
  std::string_view shortcut;  // key sequence in portable text ("Ctrl+Shift+F7"); empty: none
  CommandGate gate = CommandGate::Always;
  CommandRunner runner = CommandRunner::Controller;
  // The caption while chart 2 is a second person; empty: `caption` stays.
  std::string_view personCaption;
  // A help item: the text it shows, a file in the program folder.
  std::string_view helpFile;
  // A Houses item: the house system it marks.
  std::optional<HouseSystemCode> house;
  // A marked item: the Houses items and the dual charts' point toggles.
  bool checkable = false;
};

// The menu bar from left to right, menus depth first.
std::span<const MenuEntry> MainMenuEntries();

// The Item or BarCommand entry of `id`.
const MenuEntry& CommandEntry(CommandId id);

// The Houses item of `system`.
CommandId HouseCommand(HouseSystemCode system);

}  // namespace orv
