// Generates data/SHORTCUT.HLP, the Shortcut Keys help text.
//
// Every key comes from the table its window builds its menus from: the
// main window's command table, the Data window's menu table, and the
// Chartwheels window's stepping table (its Update menu) and menu table; so
// each key is written once. Plain text, lines of at most 76 characters,
// CR LF line ends. Rerun after a key changes:
//
//   cmake --build build --target shortcut_help && build/shortcut_help data

#include <algorithm>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "commands/CommandTable.h"
#include "shell/DataWindowMenu.h"
#include "wheels/ChartStepping.h"
#include "wheels/WheelsWindowMenu.h"

namespace {

using orv::MenuEntryKind;

struct KeyItem {
  std::string menu;
  std::string item;  // caption without its "&" markers
  std::string key;   // key sequence in portable text
};

const char* const kIntro[] = {
    "SHORTCUT KEYS",
    "=============",
    "",
    "The keys below run a menu command of the window that has the focus.",
    "Shift and Ctrl are held down while the function key or letter is",
    "pressed. Commands not listed here, such as the Houses items Campanus,",
    "Porphyry, Equal - MC and Morinus, are chosen with the mouse or with",
    "Alt and the underlined letters.",
    "",
    "Each window's own keys belong to that window while it has the focus:",
    "in the Data window F5 saves the page and F7 makes the font larger,",
    "and F2, F3 and F4 step the transit days while its More menu shows. A",
    "main window key that the window with the focus does not use itself",
    "runs the main window's command from there too: after a calculation,",
    "with the Data window in front, F3 lists the natal aspects and Ctrl+D",
    "the natal cosmodynes. Dialogs that wait for an answer keep every key.",
};

const char* const kOutro[] = {
    "OTHER KEYS",
    "  Esc in the Data window, the Chartwheels window or the Enabled",
    "  Planets window brings the main window to the front; so does a right",
    "  click. In the input windows the Up and Down arrows move between the",
    "  time and place fields, and entering a field selects its text.",
    "",
    "When chart 2 is a second person, the Data items on F5, F6 and F7 read",
    "\"Natal Data - 2nd person\", \"Interchart Aspects\" and \"Natal Aspects -",
    "2nd person\", and Wheels F8 and F11 read \"2nd Person\" and \"2nd Person",
    "Natal vs Natal\"; their keys stay the same.",
};

constexpr std::size_t kKeyColumn = 16;
constexpr std::size_t kLineLimit = 76;

std::string WithoutAccessMarks(std::string_view caption) {
  std::string text;
  for (const char c : caption)
    if (c != '&') text += c;
  return text;
}

// "Ctrl+Shift+F7" -> "Shift+Ctrl+F7": the help names Shift first.
std::string KeyText(std::string_view key) {
  std::string shift, ctrl;
  for (;;) {
    if (key.starts_with("Shift+")) {
      shift = "Shift+";
      key.remove_prefix(6);
    } else if (key.starts_with("Ctrl+")) {
      ctrl = "Ctrl+";
      key.remove_prefix(5);
    } else {
      return shift + ctrl + std::string(key);
    }
  }
}

// Every command of a window's menu table with a key, under the menu on the
// bar that holds it.
template <class Entry>
std::vector<KeyItem> KeysOf(std::span<const Entry> entries) {
  std::vector<KeyItem> items;
  std::string barMenu;
  int depth = 0;
  for (const Entry& entry : entries) {
    if (entry.kind == MenuEntryKind::Menu && depth++ == 0)
      barMenu = WithoutAccessMarks(entry.caption);
    if (entry.kind == MenuEntryKind::EndMenu) --depth;
    const bool command =
        entry.kind == MenuEntryKind::Item || entry.kind == MenuEntryKind::BarCommand;
    if (command && !entry.shortcut.empty())
      items.push_back({barMenu, WithoutAccessMarks(entry.caption), std::string(entry.shortcut)});
  }
  return items;
}

// The Update menu stands first on the Chartwheels window's bar.
std::vector<KeyItem> WheelsWindowKeys() {
  std::vector<KeyItem> items;
  for (const orv::UpdateStep& step : orv::UpdateSteps)
    items.push_back({"Update", WithoutAccessMarks(step.caption), std::string(step.key)});
  const std::vector<KeyItem> own = KeysOf(orv::WheelsWindowMenu());
  items.insert(items.end(), own.begin(), own.end());
  return items;
}

void AddSection(std::vector<std::string>& lines, const std::string& title,
                const std::vector<KeyItem>& items) {
  lines.push_back("");
  lines.push_back(title);
  std::string menu;
  for (const KeyItem& item : items) {
    if (item.menu != menu) {
      lines.push_back("  " + item.menu);
      menu = item.menu;
    }
    std::string key = KeyText(item.key);
    key.resize(std::max(key.size(), kKeyColumn), ' ');
    lines.push_back("    " + key + item.item);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: shortcut_help FOLDER\n";
    return 2;
  }
  std::vector<std::string> lines(std::begin(kIntro), std::end(kIntro));
  AddSection(lines, "MAIN WINDOW", KeysOf(orv::MainMenuEntries()));
  AddSection(lines, "DATA WINDOW", KeysOf(orv::DataWindowMenu()));
  AddSection(lines, "CHARTWHEELS WINDOW", WheelsWindowKeys());
  lines.push_back("");
  lines.insert(lines.end(), std::begin(kOutro), std::end(kOutro));
  std::ofstream out(std::string(argv[1]) + "/SHORTCUT.HLP", std::ios::binary);
  for (const std::string& line : lines) {
    if (line.size() > kLineLimit) {
      std::cerr << "a line is too long: " << line << "\n";
      return 1;
    }
    out << line << "\r\n";
  }
  return out ? 0 : 1;
}
