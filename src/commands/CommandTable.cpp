#include "commands/CommandTable.h"

#include <array>
#include <cstddef>

namespace orv {

namespace {

using K = MenuEntryKind;
using G = CommandGate;
using C = CommandId;
using H = HouseSystemCode;
using M = MenuId;

constexpr MenuEntry Entry(MenuEntryKind kind, std::string_view caption = {}) {
  MenuEntry entry;
  entry.kind = kind;
  entry.caption = caption;
  return entry;
}
constexpr MenuEntry Menu(MenuId id, std::string_view caption) {
  MenuEntry entry = Entry(K::Menu, caption);
  entry.menu = id;
  return entry;
}
constexpr MenuEntry ChartMenu(MenuId id, std::string_view caption) {
  MenuEntry entry = Menu(id, caption);
  entry.shownAfterFirstChart = true;
  return entry;
}
constexpr MenuEntry End() { return Entry(K::EndMenu); }
constexpr MenuEntry Sep() { return Entry(K::Separator); }
constexpr MenuEntry Item(CommandId id, std::string_view caption, std::string_view shortcut = {},
                         CommandGate gate = G::Always) {
  MenuEntry entry = Entry(K::Item, caption);
  entry.id = id;
  entry.shortcut = shortcut;
  entry.gate = gate;
  return entry;
}
// File and Houses belong to the main window.
constexpr MenuEntry OwnItem(CommandId id, std::string_view caption,
                            std::string_view shortcut = {}) {
  MenuEntry entry = Item(id, caption, shortcut);
  entry.runner = CommandRunner::MainWindow;
  return entry;
}
constexpr MenuEntry HouseItem(CommandId id, std::string_view caption, HouseSystemCode system,
                              std::string_view shortcut = {}) {
  MenuEntry entry = OwnItem(id, caption, shortcut);
  entry.house = system;
  entry.checkable = true;
  return entry;
}
// Data, Wheels and Reports read the computed charts.
constexpr MenuEntry ChartItem(CommandId id, std::string_view caption,
                              std::string_view shortcut = {}) {
  return Item(id, caption, shortcut, G::ChartsComputed);
}
// Chart 2 is transits or a second person; the caption follows.
constexpr MenuEntry RoleItem(CommandId id, std::string_view caption, std::string_view personCaption,
                             std::string_view shortcut) {
  MenuEntry entry = ChartItem(id, caption, shortcut);
  entry.personCaption = personCaption;
  return entry;
}
// A point shown or left out of the dual charts; all are left out at start.
constexpr MenuEntry ToggleItem(CommandId id, std::string_view caption, std::string_view shortcut) {
  MenuEntry entry = ChartItem(id, caption, shortcut);
  entry.checkable = true;
  return entry;
}
constexpr MenuEntry CoupleItem(CommandId id, std::string_view caption,
                               std::string_view shortcut = {}) {
  return Item(id, caption, shortcut, G::SecondPersonChart);
}
constexpr MenuEntry HelpItem(CommandId id, std::string_view caption, std::string_view file,
                             std::string_view shortcut = {}) {
  MenuEntry entry = Item(id, caption, shortcut);
  entry.helpFile = file;
  return entry;
}
constexpr MenuEntry Bar(CommandId id, std::string_view caption, CommandGate gate = G::Always) {
  MenuEntry entry = Item(id, caption, {}, gate);
  entry.kind = K::BarCommand;
  return entry;
}

constexpr auto kMainMenu = std::to_array<MenuEntry>({
    Menu(M::File, "&File"),
    OwnItem(C::FileNewFil, "&Make new .FIL file"),
    OwnItem(C::FileExit, "E&xit", "F12"),
    End(),

    Bar(C::InputData, "&Input"),

    Menu(M::Houses, "Hou&ses"),
    HouseItem(C::HousePlacidus, "&Placidus", H::Placidus, "Shift+F7"),
    HouseItem(C::HouseRegiomontanus, "&Regiomontanus", H::Regiomontanus, "Shift+F8"),
    HouseItem(C::HouseKoch, "&Koch", H::Koch, "Shift+F9"),
    HouseItem(C::HouseCampanus, "&Campanus", H::Campanus),
    HouseItem(C::HousePorphyry, "P&orphyry", H::Porphyry),
    HouseItem(C::HouseEqualAsc, "&Equal - Asc", H::EqualAscendant, "Shift+F11"),
    HouseItem(C::HouseEqualMC, "E&qual - MC", H::EqualMC),
    HouseItem(C::HouseMeridian, "&Meridian", H::Meridian, "Shift+F12"),
    HouseItem(C::HouseMorinus, "Mor&inus", H::Morinus),
    End(),

    Menu(M::Data, "&Data"),
    ChartItem(C::DataNatalData, "&Natal Data", "F2"),
    ChartItem(C::DataNatalAspects, "Natal &Aspects", "F3"),
    ChartItem(C::DataCoLAspects, "Church of Light Aspects", "F4"),
    ChartItem(C::DataCosmodynes, "Natal Cosmo&dynes", "Ctrl+D"),
    ChartItem(C::DataLeastAspectedPlanet, "Least Aspected Planet", "Ctrl+L"),
    ChartItem(C::DataMagiNatal, "&Magi Society Aspects (natal)", "Ctrl+Q"),
    ChartItem(C::DataCosmicState, "Cosmic State", "Ctrl+E"),
    ChartItem(C::DataCosmicStatesAndCosmodynes, "Cosmic States and Cosmodynes", "Ctrl+W"),
    ChartItem(C::DataNatalOFA, "&Org. Fit Analysis (OFA)"),
    ChartItem(C::DataPrintNatalOFA, "&Print Org. Fit Analysis"),
    Sep(),
    RoleItem(C::DataTransitData, "T&ransit Data", "&Natal Data - 2nd person", "F5"),
    RoleItem(C::DataTransitAspectsToNatal, "Transit A&spects to Natal", "&Interchart Aspects",
             "F6"),
    RoleItem(C::DataTransitAspectsToTransits, "Transit Aspects to &Transits",
             "Natal &Aspects - 2nd person", "F7"),
    ChartItem(C::DataTransitInterps, "Transit &Interpretations", "Ctrl+Shift+F7"),
    ChartItem(C::DataDualCosmodynes, "Dual Cosmod&ynes", "Ctrl+C"),
    ChartItem(C::DataDualCosmodynesAspects, "Dual Cosmodynes with indiv. aspects", "Ctrl+V"),
    Sep(),
    CoupleItem(C::DataComposite, "&Composite", "Ctrl+S"),
    Sep(),
    ChartItem(C::DataMagiCouple, "&Magi Society Aspects", "Ctrl+M"),
    End(),

    ChartMenu(M::Wheels, "&Wheels"),
    ChartItem(C::WheelsNatal, "&Natal", "F9"),
    ChartItem(C::WheelsNatalDeclinations, "Natal declinations", "Ctrl+F9"),
    ChartItem(C::WheelsHelio, "Heliocentric", "Ctrl+F11"),
    ChartItem(C::WheelsHelioLatitudes, "Natal helio latitudes", "Ctrl+F12"),
    RoleItem(C::WheelsTransits, "&Transits", "2nd &Person", "F8"),
    CoupleItem(C::WheelsComposite, "&Composite", "Ctrl+Shift+F9"),
    Sep(),
    RoleItem(C::WheelsTransitsVsNatal, "Transits &vs Natal", "2nd &Person Natal vs Natal", "F11"),
    Sep(),
    ChartItem(C::WheelsAstroLine, "AstroLine"),
    Sep(),
    Sep(),
    ChartItem(C::WheelsDualWheel, "Display dual wheel", "Ctrl+F5"),
    ChartItem(C::WheelsDualWheelDeclinations, "Display dual wheel - declinations", "Ctrl+Shift+F4"),
    ChartItem(C::WheelsDualHelioWheel, "Display helio dual wheel", "Ctrl+Shift+F5"),
    ChartItem(C::WheelsDualWheelLatitudes, "Display dual wheel - helio latitudes", "Ctrl+Shift+F6"),
    Sep(),
    ToggleItem(C::WheelsShowMoon, "Display Moon in dual charts", "Shift+F1"),
    ToggleItem(C::WheelsShowNorthNode, "Display NN in dual charts", "Shift+F2"),
    ToggleItem(C::WheelsShowSouthNode, "Display SN in dual charts", "Shift+F3"),
    ToggleItem(C::WheelsShowPartOfFortune, "Display P of F in dual charts", "Shift+F4"),
    ToggleItem(C::WheelsShowAscendant, "Display Asc in dual charts", "Shift+F5"),
    ToggleItem(C::WheelsShowMidheaven, "Display MC in dual charts", "Shift+F6"),
    Sep(),
    ChartItem(C::WheelsAllAspects, "&All Major Aspects", "Ctrl+F1"),
    ChartItem(C::Wheels150Aspects, "&150 deg Aspects", "Ctrl+F2"),
    ChartItem(C::WheelsPositiveAspects, "&60 and 120 deg Aspects", "Ctrl+F3"),
    ChartItem(C::WheelsNegativeAspects, "&90 and 180 deg Aspects", "Ctrl+F4"),
    End(),

    Menu(M::Meanings, "&Meanings"),
    Item(C::MeaningsNatal, "&Natal", "Ctrl+F6"),
    Item(C::MeaningsComposite, "&Composite", "Ctrl+F7"),
    Item(C::MeaningsSynastry, "&Synastry", "Ctrl+F8"),
    End(),

    Menu(M::Keywords, "&Keywords"),
    Item(C::KeywordsGeneral, "&General", "Ctrl+Shift+F12"),
    Item(C::KeywordsPart2, "Keywords - &Part 2", "Ctrl+Shift+F11"),
    Item(C::KeywordsSystem, "&Keyword System", "Ctrl+Shift+F8"),
    End(),

    Menu(M::Reports, "&Reports"),
    ChartItem(C::ReportNatal, "&Natal Report"),
    ChartItem(C::ReportTransit, "&Transit Report"),
    End(),

    Bar(C::ReportComposite, "Composite Report", G::SecondPersonChart),
    Bar(C::ReportSynastry, "Synastry Report", G::SecondPersonChart),
    Bar(C::OptionSettings, "&Option Settings"),
    Bar(C::EnabledPlanets, "Enabled Planets"),
    Bar(C::Header, "H&eader"),

    Menu(M::Help, "&Help"),
    Item(C::HelpTipOfTheDay, "Tip of the Day", "Ctrl+T"),
    Menu(M::HelpWindow, "&Orvanta8 Window"),
    HelpItem(C::HelpMainMenu, "&Orvanta8 Main Menu", "Orvanta8.HLP", "F1"),
    HelpItem(C::HelpTransits, "DATA - &Transits/2nd Person", "TRANSITS.HLP"),
    HelpItem(C::HelpCosmodynes, "DATA - &Cosmodynes", "COSMODYN.HLP"),
    End(),
    HelpItem(C::HelpPhilosophy, "&Philosophy", "PHILO.HLP"),
    Sep(),
    HelpItem(C::HelpInputD, "Natal &Input Data Window", "INPUTD.HLP"),
    HelpItem(C::HelpInputD1, "&Diurnal Input Data Window", "INPUTD1.HLP"),
    HelpItem(C::HelpNames, "&Names Window", "NAMES.HLP"),
    HelpItem(C::HelpCities, "Cities &Window", "GEOGRAPH.HLP"),
    HelpItem(C::HelpOptions, "&Options Window", "OPTIONS.HLP"),
    HelpItem(C::HelpData, "Da&ta Window", "OUTPUTD1.HLP"),
    HelpItem(C::HelpWheels, "&Chartwheels Window", "WHEELS.HLP"),
    HelpItem(C::HelpNameEdit, "&Edit A Name File Window", "NAMEEDIT.HLP"),
    HelpItem(C::HelpCityEdit, "Edit A Cit&y File Window", "LONGLAT.HLP"),
    HelpItem(C::HelpSelect, "&Select A File Window", "SELECT.HLP"),
    HelpItem(C::HelpPrintFile, "&File To Print  Window", "PRNTFILE.HLP"),
    Sep(),
    Menu(M::HelpHints, "&Hints"),
    HelpItem(C::HelpHowDoI, "&How Do I...?", "HOW_DO_I.HLP"),
    HelpItem(C::HelpReading, "&Reading List", "READING.HLP"),
    HelpItem(C::HelpTips, "&Tips", "TIPS.HLP"),
    End(),
    HelpItem(C::HelpUpgrades, "Up&grades", "UPGRADES.HLP"),
    HelpItem(C::HelpShortcutKeys, "Shortcut &Keys", "SHORTCUT.HLP"),
    HelpItem(C::HelpLicense, "&License Agreement", "LICENSE.HLP"),
    Sep(),
    HelpItem(C::HelpTransitInterps, "Transit Interpretations", "TRANSIT.INX"),
    HelpItem(C::HelpRevision, "Re&vision History", "REVISION.HLP"),
    Item(C::HelpAbout, "Abo&ut", "Ctrl+A"),
    End(),
});

constexpr bool IsCommand(const MenuEntry& entry) {
  return entry.kind == K::Item || entry.kind == K::BarCommand;
}

// Where each id's entry stands in the table; the build fails unless every
// id has exactly one.
constexpr std::array<std::size_t, kCommandCount> kPlaceOf = [] {
  std::array<std::size_t, kCommandCount> place{};
  std::array<int, kCommandCount> seen{};
  for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
    if (!IsCommand(kMainMenu[i])) continue;
    const auto id = static_cast<std::size_t>(kMainMenu[i].id);
    place[id] = i;
    ++seen[id];
  }
  for (const int count : seen)
    if (count != 1) throw "every command needs exactly one menu entry";
  return place;
}();

// Likewise every menu id has exactly one Menu row.
constexpr bool kEveryMenuOnce = [] {
  std::array<int, kMenuCount> seen{};
  for (const MenuEntry& entry : kMainMenu)
    if (entry.kind == K::Menu) ++seen[static_cast<std::size_t>(entry.menu)];
  for (const int count : seen)
    if (count != 1) throw "every menu id needs exactly one Menu row";
  return true;
}();
static_assert(kEveryMenuOnce);

}  // namespace

std::span<const MenuEntry> MainMenuEntries() { return kMainMenu; }

const MenuEntry& CommandEntry(CommandId id) {
  return kMainMenu[kPlaceOf[static_cast<std::size_t>(id)]];
}

CommandId HouseCommand(HouseSystemCode system) {
  for (const MenuEntry& entry : kMainMenu)
    if (entry.house == system) return entry.id;
  return CommandId::HousePlacidus;
}

}  // namespace orv
