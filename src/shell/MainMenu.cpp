#include "shell/MainMenu.h"

#include <array>

namespace orv {

namespace {

using K = MenuEntryKind;
using G = CommandGate;

constexpr MenuEntry Menu(std::string_view name, std::string_view caption) {
  return {K::Menu, name, caption, {}, G::Always};
}
constexpr MenuEntry End() { return {K::EndMenu, {}, {}, {}, G::Always}; }
constexpr MenuEntry Sep() { return {K::Separator, {}, {}, {}, G::Always}; }
constexpr MenuEntry Item(std::string_view name, std::string_view caption,
                         std::string_view shortcut = {}, CommandGate gate = G::Always) {
  return {K::Item, name, caption, shortcut, gate};
}
// Data, Wheels and Reports read the computed charts.
constexpr MenuEntry ChartItem(std::string_view name, std::string_view caption,
                              std::string_view shortcut = {}) {
  return Item(name, caption, shortcut, G::ChartsComputed);
}
constexpr MenuEntry CoupleItem(std::string_view name, std::string_view caption,
                               std::string_view shortcut = {}) {
  return Item(name, caption, shortcut, G::SecondPersonChart);
}
constexpr MenuEntry Bar(std::string_view name, std::string_view caption,
                        CommandGate gate = G::Always) {
  return {K::BarCommand, name, caption, {}, gate};
}

constexpr auto kMainMenu = std::to_array<MenuEntry>({
    Menu("mnuFile", "&File"),
    Item("mnuFileNewFil", "&Make new .FIL file"),
    Item("mnuFileExit", "E&xit", "F12"),
    End(),

    Bar("mnuInputData", "&Input"),

    Menu("mnuHouses", "Hou&ses"),
    Item("mnuHousePlacidus", "&Placidus", "Shift+F7"),
    Item("mnuHouseRegiomontanus", "&Regiomontanus", "Shift+F8"),
    Item("mnuHouseKoch", "&Koch", "Shift+F9"),
    Item("mnuHouseCampanus", "&Campanus"),
    Item("mnuHousePorphyry", "P&orphyry"),
    Item("mnuHouseEqualAsc", "&Equal - Asc", "Shift+F11"),
    Item("mnuHouseEqualMC", "E&qual - MC"),
    Item("mnuHouseMeridian", "&Meridian", "Shift+F12"),
    Item("mnuHouseMorinus", "Mor&inus"),
    End(),

    Menu("mnuData", "&Data"),
    ChartItem("mnuDataNatalData", "&Natal Data", "F2"),
    ChartItem("mnuDataNatalAspects", "Natal &Aspects", "F3"),
    ChartItem("mnuDataCoLAspects", "Church of Light Aspects", "F4"),
    ChartItem("mnuDataCosmodynes", "Natal Cosmo&dynes", "Ctrl+D"),
    ChartItem("mnuDataLeastAspectedPlanet", "Least Aspected Planet", "Ctrl+L"),
    ChartItem("mnuDataMagiNatal", "&Magi Society Aspects (natal)", "Ctrl+Q"),
    ChartItem("mnuDataCosmicState", "Cosmic State", "Ctrl+E"),
    ChartItem("mnuDataCSandDynes", "Cosmic States and Cosmodynes", "Ctrl+W"),
    ChartItem("mnuDataNatalOFA", "&Org. Fit Analysis (OFA)"),
    ChartItem("mnuDataNatalOFA_Print", "&Print Org. Fit Analysis"),
    Sep(),
    ChartItem("mnuDataTransitData", "T&ransit Data", "F5"),
    ChartItem("mnuDataTransitsAspectstoNatal", "Transit A&spects to Natal", "F6"),
    ChartItem("mnuDataTransitAspectsToTransits", "Transit Aspects to &Transits", "F7"),
    ChartItem("mnuDataTransitInterps", "Transit &Interpretations", "Ctrl+Shift+F7"),
    ChartItem("mnuDataTransitCosmodynes", "Dual Cosmod&ynes", "Ctrl+C"),
    ChartItem("mnuDataTransitCosmodynesAspects", "Dual Cosmodynes with indiv. aspects", "Ctrl+V"),
    Sep(),
    CoupleItem("mnuDataComposite", "&Composite", "Ctrl+S"),
    Sep(),
    ChartItem("mnuDataMagiCouple", "&Magi Society Aspects", "Ctrl+M"),
    End(),

    Menu("mnuWheels", "&Wheels"),
    ChartItem("mnuWheelsSingleNatal", "&Natal", "F9"),
    ChartItem("mnuWheelsSingleDeclinations", "Natal declinations", "Ctrl+F9"),
    ChartItem("mnuWheelsSingleHelio", "Heliocentric", "Ctrl+F11"),
    ChartItem("mnuWheelsSingleHelioLatitudes", "Natal helio latitudes", "Ctrl+F12"),
    ChartItem("mnuWheelsSingleTransits", "&Transits", "F8"),
    CoupleItem("mnuWheelsSingleComposite", "&Composite", "Ctrl+Shift+F9"),
    Sep(),
    ChartItem("mnuWheelsDualNatTran", "Transits &vs Natal", "F11"),
    Sep(),
    ChartItem("mnuWheelsAstroLine", "AstroLine"),
    Sep(),
    Sep(),
    ChartItem("mnuWheelsDisplayDualWheel", "Display dual wheel", "Ctrl+F5"),
    ChartItem("mnuWheelsDisplayDualWheelDeclinations", "Display dual wheel - declinations",
              "Ctrl+Shift+F4"),
    ChartItem("mnuWheelsDisplayDualHelioWheel", "Display helio dual wheel", "Ctrl+Shift+F5"),
    ChartItem("mnuWheelsDisplayDualWheelLatitudes", "Display dual wheel - helio latitudes",
              "Ctrl+Shift+F6"),
    Sep(),
    ChartItem("mnuOptionDisplayMoon", "Display Moon in dual charts", "Shift+F1"),
    ChartItem("mnuOptionDisplayNN", "Display NN in dual charts", "Shift+F2"),
    ChartItem("mnuOptionDisplaySN", "Display SN in dual charts", "Shift+F3"),
    ChartItem("mnuOptionDisplayPoF", "Display P of F in dual charts", "Shift+F4"),
    ChartItem("mnuOptionDisplayAsc", "Display Asc in dual charts", "Shift+F5"),
    ChartItem("mnuOptionDisplayMC", "Display MC in dual charts", "Shift+F6"),
    Sep(),
    ChartItem("mnuCACAllAspects", "&All Major Aspects", "Ctrl+F1"),
    ChartItem("mnuCAC150", "&150 deg Aspects", "Ctrl+F2"),
    ChartItem("mnuCACPositive", "&60 and 120 deg Aspects", "Ctrl+F3"),
    ChartItem("mnuCACNegative", "&90 and 180 deg Aspects", "Ctrl+F4"),
    End(),

    Menu("mnuMeanings", "&Meanings"),
    Item("mnuDataMeaningsNatal", "&Natal", "Ctrl+F6"),
    Item("mnuDataMeaningsComposite", "&Composite", "Ctrl+F7"),
    Item("mnuDataMeaningsSynastry", "&Synastry", "Ctrl+F8"),
    End(),

    Menu("mnuKeywords", "&Keywords"),
    Item("mnuKeywordsGeneral", "&General", "Ctrl+Shift+F12"),
    Item("mnuKeywords2General", "Keywords - &Part 2", "Ctrl+Shift+F11"),
    Item("mnuKeywordsSystem", "&Keyword System", "Ctrl+Shift+F8"),
    End(),

    Menu("mnuReport", "&Reports"),
    ChartItem("mnuReportNatal", "&Natal Report"),
    ChartItem("mnuReportTransit", "&Transit Report"),
    End(),

    Bar("mnuReportComposite", "Composite Report", G::SecondPersonChart),
    Bar("mnuReportSynastry", "Synastry Report", G::SecondPersonChart),
    Bar("mnuOptionOptionSettings", "&Option Settings"),
    Bar("mnuEnabledPlanets", "Enabled Planets"),
    Bar("mnuHeader", "H&eader"),

    Menu("mnuHelp", "&Help"),
    Item("mnuHelpTipoftheDay", "Tip of the Day", "Ctrl+T"),
    Menu("mnuHelpWindow", "&Orvanta8 Window"),
    Item("mnuHelpMainMenu", "&Orvanta8 Main Menu", "F1"),
    Item("mnuHelpTransits", "DATA - &Transits/2nd Person"),
    Item("mnuHelpCosmodynes", "DATA - &Cosmodynes"),
    End(),
    Item("mnuHelpPhilosophy", "&Philosophy"),
    Sep(),
    Item("mnuHelpInputD", "Natal &Input Data Window"),
    Item("mnuHelpInputD1", "&Diurnal Input Data Window"),
    Item("mnuHelpNames", "&Names Window"),
    Item("mnuHelpCities", "Cities &Window"),
    Item("mnuHelpOptions", "&Options Window"),
    Item("mnuHelpData", "Da&ta Window"),
    Item("mnuHelpWheels", "&Chartwheels Window"),
    Item("mnuHelpNameEdit", "&Edit A Name File Window"),
    Item("mnuHelpCityEdit", "Edit A Cit&y File Window"),
    Item("mnuHelpSelect", "&Select A File Window"),
    Item("mnuHelpPrintFile", "&File To Print  Window"),
    Sep(),
    Menu("mnuHelpHints", "&Hints"),
    Item("mnuHelpHowDoI", "&How Do I...?"),
    Item("mnuHelpReading", "&Reading List"),
    Item("mnuHelpTips", "&Tips"),
    End(),
    Item("mnuHelpUpgrades", "Up&grades"),
    Item("mnuHelpShortcutKeys", "Shortcut &Keys"),
    Item("mnuHelpLicense", "&License Agreement"),
    Sep(),
    Item("mnuHelpTransitInterps", "Transit Interpretations"),
    Item("mnuHelpRevision", "Re&vision History"),
    Item("mnuHelpAbout", "Abo&ut", "Ctrl+A"),
    End(),
});

constexpr auto kHouseItems = std::to_array<HouseMenuItem>({
    {"mnuHousePlacidus", HouseSystemCode::Placidus},
    {"mnuHouseRegiomontanus", HouseSystemCode::Regiomontanus},
    {"mnuHouseKoch", HouseSystemCode::Koch},
    {"mnuHouseCampanus", HouseSystemCode::Campanus},
    {"mnuHousePorphyry", HouseSystemCode::Porphyry},
    {"mnuHouseEqualAsc", HouseSystemCode::EqualAscendant},
    {"mnuHouseEqualMC", HouseSystemCode::EqualMC},
    {"mnuHouseMeridian", HouseSystemCode::Meridian},
    {"mnuHouseMorinus", HouseSystemCode::Morinus},
});

// clang-format off
constexpr auto kHelpItems = std::to_array<HelpMenuItem>({
    {"mnuHelpMainMenu", "Orvanta8.HLP"},
    {"mnuHelpTransits", "TRANSITS.HLP"},
    {"mnuHelpCosmodynes", "COSMODYN.HLP"},
    {"mnuHelpPhilosophy", "PHILO.HLP"},
    {"mnuHelpInputD", "INPUTD.HLP"},
    {"mnuHelpInputD1", "INPUTD1.HLP"},
    {"mnuHelpNames", "NAMES.HLP"},
    {"mnuHelpCities", "GEOGRAPH.HLP"},
    {"mnuHelpOptions", "OPTIONS.HLP"},
    {"mnuHelpData", "OUTPUTD1.HLP"},
    {"mnuHelpWheels", "WHEELS.HLP"},
    {"mnuHelpNameEdit", "NAMEEDIT.HLP"},
    {"mnuHelpCityEdit", "LONGLAT.HLP"},
    {"mnuHelpSelect", "SELECT.HLP"},
    {"mnuHelpPrintFile", "PRNTFILE.HLP"},
    {"mnuHelpHowDoI", "HOW_DO_I.HLP"},
    {"mnuHelpReading", "READING.HLP"},
    {"mnuHelpTips", "TIPS.HLP"},
    {"mnuHelpUpgrades", "UPGRADES.HLP"},
    {"mnuHelpShortcutKeys", "SHORTCUT.HLP"},
    {"mnuHelpLicense", "LICENSE.HLP"},
    {"mnuHelpTransitInterps", "TRANSIT.INX"},
    {"mnuHelpRevision", "REVISION.HLP"},
});
// clang-format on

}  // namespace

std::span<const MenuEntry> MainMenuEntries() { return kMainMenu; }

std::optional<MenuEntry> FindMenuEntry(std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (const MenuEntry& entry : kMainMenu)
    if (entry.name == name) return entry;
  return std::nullopt;
}

std::span<const HouseMenuItem> HouseMenuItems() { return kHouseItems; }

std::string_view HouseMenuItemName(HouseSystemCode system) {
  for (const HouseMenuItem& item : kHouseItems)
    if (item.system == system) return item.name;
  return kHouseItems.front().name;
}

std::span<const HelpMenuItem> HelpMenuItems() { return kHelpItems; }

}  // namespace orv
