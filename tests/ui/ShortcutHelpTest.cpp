#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../wheels/WheelTestCharts.h"
#include "RecordingHost.h"
#include "commands/WheelCommands.h"
#include "commands/Workbench.h"
#include "platform/Files.h"
#include "shell/ui/OutputD1.h"
#include "wheels/ui/UpdateMenu.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

// The key lines of one section of the shipped SHORTCUT.HLP, e.g. "DATA WINDOW":
// every line after the title up to the next empty line that names a key.
std::set<std::string> KeyLines(const std::string& title) {
  const auto lines = ReadTextLines(std::filesystem::path(ORVANTA_DATA_DIR) / "SHORTCUT.HLP");
  std::set<std::string> keys;
  if (!lines) return keys;
  bool inSection = false;
  for (const std::string& line : *lines) {
    if (line == title)
      inSection = true;
    else if (line.empty())
      inSection = false;
    else if (inSection && line.starts_with("    "))
      keys.insert(line);
  }
  return keys;
}

// An action's line as the help lists it: the key ("Shift" before "Ctrl") in
// a column of 16, then the caption without its access marks.
std::string HelpLine(const QAction& action) {
  std::string key = action.shortcut().toString(QKeySequence::PortableText).toStdString();
  if (const auto at = key.find("Ctrl+Shift+"); at != std::string::npos)
    key.replace(at, 11, "Shift+Ctrl+");
  key.resize(std::max<std::size_t>(key.size(), 16), ' ');
  std::string caption = action.text().toStdString();
  std::erase(caption, '&');
  return "    " + key + caption;
}

void KeyedActions(const QList<QAction*>& actions, std::set<std::string>& out) {
  for (QAction* action : actions) {
    if (action->menu())
      KeyedActions(action->menu()->actions(), out);
    else if (!action->shortcut().isEmpty())
      out.insert(HelpLine(*action));
  }
}

// The help lists exactly the keys each window's menus hold (the main
// window's come from the command table itself).
TEST(ShortcutHelp, ListsExactlyTheDataAndWheelWindowsKeys) {
  Workbench wb;
  test::RecordingHost host;
  DataWindowSlot data(wb, wb.Options, host, DataWindowSettings{}, 1.5, DataWindowLinks{});
  data.ShowPage(std::make_shared<const OutputLines>(OutputLines{"A PAGE"}), false);
  std::set<std::string> dataKeys;
  KeyedActions(data.Window().menuBar()->actions(), dataKeys);
  EXPECT_EQ(dataKeys, KeyLines("DATA WINDOW"));

  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
  Wheels wheels(wb, host, {});
  AddUpdateMenu(wheels, [](const UpdateStep&) {});
  std::set<std::string> wheelKeys;
  KeyedActions(wheels.MenuBar()->actions(), wheelKeys);
  EXPECT_EQ(wheelKeys, KeyLines("CHARTWHEELS WINDOW"));
  EXPECT_EQ(wheelKeys.size(), 29u);
}

}  // namespace
}  // namespace orv
