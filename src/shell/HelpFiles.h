#pragma once
// The help map: each text item of the Help menu and the file of the program
// folder it shows in the data window.

#include <array>
#include <string>
#include <string_view>

namespace orv {

struct HelpItem {
  std::string_view submenu;   // caption of the submenu holding the item; empty: the Help menu
  std::string_view caption;   // "&" marks the access key
  std::string_view shortcut;  // Qt key sequence text; empty: none
  std::string_view fileName;  // in the program folder
};

// The text items in menu order. Tip of the Day and About open windows of
// their own and are not here.
inline constexpr std::array<HelpItem, 23> kHelpItems = {{
    {"&Orvanta8 Window", "&Orvanta8 Main Menu", "F1", "Orvanta8.HLP"},
    {"&Orvanta8 Window", "DATA - &Transits/2nd Person", "", "TRANSITS.HLP"},
    {"&Orvanta8 Window", "DATA - &Cosmodynes", "", "COSMODYN.HLP"},
    {"", "&Philosophy", "", "PHILO.HLP"},
    {"", "Natal &Input Data Window", "", "INPUTD.HLP"},
    {"", "&Diurnal Input Data Window", "", "INPUTD1.HLP"},
    {"", "&Names Window", "", "NAMES.HLP"},
    {"", "Cities &Window", "", "GEOGRAPH.HLP"},
    {"", "&Options Window", "", "OPTIONS.HLP"},
    {"", "Da&ta Window", "", "OUTPUTD1.HLP"},
    {"", "&Chartwheels Window", "", "WHEELS.HLP"},
    {"", "&Edit A Name File Window", "", "NAMEEDIT.HLP"},
    {"", "Edit A Cit&y File Window", "", "LONGLAT.HLP"},
    {"", "&Select A File Window", "", "SELECT.HLP"},
    {"", "&File To Print  Window", "", "PRNTFILE.HLP"},
    {"&Hints", "&How Do I...?", "", "HOW_DO_I.HLP"},
    {"&Hints", "&Reading List", "", "READING.HLP"},
    {"&Hints", "&Tips", "", "TIPS.HLP"},
    {"", "Up&grades", "", "UPGRADES.HLP"},
    {"", "Shortcut &Keys", "", "SHORTCUT.HLP"},
    {"", "&License Agreement", "", "LICENSE.HLP"},
    {"", "Transit Interpretations", "", "TRANSIT.INX"},
    {"", "Re&vision History", "", "REVISION.HLP"},
}};

// The help file the data window's own Help shows, and the wheel window's.
inline constexpr std::string_view kDataWindowHelpFile = "OUTPUTD1.HLP";
inline constexpr std::string_view kWheelsHelpFile = "WHEELS.HLP";

// `HelpFileName` for `fileName`: the name with a leading "\", as the data
// window's help command takes it.
std::string HelpFileName(std::string_view fileName);

}  // namespace orv
