#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDateTime>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/Workbench.h"
#include "platform/Files.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/OutputD1.h"

namespace orv {
namespace {

// The menu bar as the user meets it, one line per entry (golden/menu_bar.txt):
// menus on the bar at the left, their entries indented by two blanks per
// level, "-" a separator, "name:" a submenu, "(command)" a command placed on
// the bar, and the shortcut key in brackets ("+" Shift, "^" Ctrl).
std::vector<std::string> ExpectedMenuBar() {
  std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "golden" / "menu_bar.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Commands that read the charts, and those of them that need two persons,
// by their place on the bar ("menu/item" or the bar command).
const std::set<std::string> kChartMenus = {"&Data", "&Wheels", "&Reports"};
const std::set<std::string> kChartBarCommands = {"Composite Report", "Synastry Report"};
const std::set<std::string> kTwoPersonCommands = {"&Data/&Composite", "&Wheels/&Composite",
                                                  "Composite Report", "Synastry Report"};
// The commands the main window runs itself.
const std::set<std::string> kOwnMenus = {"&File", "Hou&ses"};

std::string SpecKeys(const QKeySequence& keys) {
  if (keys.isEmpty()) return {};
  const QKeyCombination combination = keys[0];
  std::string text;
  if (combination.keyboardModifiers() & Qt::ShiftModifier) text += "+";
  if (combination.keyboardModifiers() & Qt::ControlModifier) text += "^";
  return text + QKeySequence(combination.key()).toString().toStdString();
}

void Describe(const QList<QAction*>& actions, int depth, bool onBar,
              std::vector<std::string>& lines) {
  const std::string indent(2 * depth, ' ');
  for (QAction* action : actions) {
    const std::string caption = action->text().toStdString();
    if (action->isSeparator()) {
      lines.push_back(indent + "-");
    } else if (action->menu()) {
      lines.push_back(indent + caption + (onBar ? "" : ":"));
      Describe(action->menu()->actions(), depth + 1, false, lines);
    } else {
      const std::string keys = SpecKeys(action->shortcut());
      lines.push_back(indent + caption + (onBar ? " (command)" : "") +
                      (keys.empty() ? "" : " [" + keys + "]"));
    }
  }
}

struct PlacedCommand {
  std::string place;  // "&Data/&Composite", "&Help/&Hints/&Tips" or "Header"
  std::string topMenu;
  QAction* action;
};

void CollectCommands(const QList<QAction*>& actions, const std::string& path,
                     const std::string& top, std::vector<PlacedCommand>& out) {
  for (QAction* action : actions) {
    if (action->isSeparator()) continue;
    const std::string caption = action->text().toStdString();
    const std::string place = path.empty() ? caption : path + "/" + caption;
    if (action->menu())
      CollectCommands(action->menu()->actions(), place, top.empty() ? caption : top, out);
    else
      out.push_back({place, top, action});
  }
}

std::vector<PlacedCommand> Commands(Orvanta8& window) {
  std::vector<PlacedCommand> out;
  CollectCommands(window.menuBar()->actions(), "", "", out);
  return out;
}

class Orvanta8Test : public ::testing::Test {
 protected:
  Orvanta8Test() { workbench.Shell.CaptionPrefix = "Orvanta8 (Tropical zodiac) - "; }
  Workbench workbench;
  test::RecordingHost host;
};

TEST_F(Orvanta8Test, MenuBarHasEveryCaptionSeparatorAndShortcutInOrder) {
  Orvanta8 window(workbench, host);
  std::vector<std::string> lines;
  Describe(window.menuBar()->actions(), 0, true, lines);
  EXPECT_EQ(lines, ExpectedMenuBar());
  for (const PlacedCommand& command : Commands(window)) {
    EXPECT_TRUE(command.action->isVisible()) << command.place;
    if (!command.action->shortcut().isEmpty()) {
      EXPECT_EQ(command.action->shortcutContext(), Qt::WindowShortcut) << command.place;
    }
  }
}

TEST_F(Orvanta8Test, CommandsWaitForWiringACalculationAndASecondPerson) {
  Orvanta8 window(workbench, host);
  const auto expectEnabled = [&](const char* stage, auto enabled) {
    for (const PlacedCommand& command : Commands(window))
      EXPECT_EQ(command.action->isEnabled(), enabled(command)) << stage << command.place;
  };
  expectEnabled("unwired: ", [](const PlacedCommand& c) { return kOwnMenus.contains(c.topMenu); });
  // Every menu opens; the hidden Wheels menu only once it shows.
  for (QAction* menu : window.menuBar()->actions())
    EXPECT_TRUE(!menu->menu() || !menu->isVisible() || menu->isEnabled())
        << menu->text().toStdString();

  // A second person alone enables no couple command.
  window.SetSecondPerson(true);
  // All but the window's own eleven: File and Houses.
  EXPECT_EQ(window.UnboundCommands().size(), std::size_t(kCommandCount - 11));
  for (int i = 0; i < kCommandCount; ++i) {
    const auto id = static_cast<CommandId>(i);
    if (CommandEntry(id).runner == CommandRunner::Controller) window.Bind(id, [] {});
  }
  EXPECT_TRUE(window.UnboundCommands().empty());
  expectEnabled("before: ", [](const PlacedCommand& c) {
    return !kChartMenus.contains(c.topMenu) && !kChartBarCommands.contains(c.place);
  });
  const auto alonePerson = [](const PlacedCommand& c) {
    return !kTwoPersonCommands.contains(c.place);
  };
  // The Wheels menu itself appears with the first chart.
  EXPECT_FALSE(window.MenuAction(MenuId::Wheels)->isVisible());
  window.ShowChartMenus();
  EXPECT_TRUE(window.MenuAction(MenuId::Wheels)->isVisible());
  expectEnabled("two persons: ", [](const PlacedCommand&) { return true; });
  window.SetSecondPerson(false);
  expectEnabled("transits: ", alonePerson);
}

TEST_F(Orvanta8Test, TheItemsThatListChartTwoFollowTheSecondPersonBox) {
  Orvanta8 window(workbench, host);
  const auto captions = [&] {
    std::vector<std::string> texts;
    for (CommandId id : {CommandId::DataTransitData, CommandId::DataTransitAspectsToNatal,
                         CommandId::DataTransitAspectsToTransits, CommandId::WheelsTransits,
                         CommandId::WheelsTransitsVsNatal, CommandId::DataComposite})
      texts.push_back(window.Action(id)->text().toStdString());
    return texts;
  };
  const std::vector<std::string> transits = {"T&ransit Data", "Transit A&spects to Natal",
                                             "Transit Aspects to &Transits", "&Transits",
                                             "Transits &vs Natal", "&Composite"};
  EXPECT_EQ(captions(), transits);
  window.SetSecondPerson(true);
  EXPECT_EQ(captions(), (std::vector<std::string>{
                            "&Natal Data - 2nd person", "&Interchart Aspects",
                            "Natal &Aspects - 2nd person", "2nd &Person",
                            "2nd &Person Natal vs Natal", "&Composite"}));
  window.SetSecondPerson(false);
  EXPECT_EQ(captions(), transits);
}

TEST_F(Orvanta8Test, BindingRunsTheHandlerAndRefusesTheWindowsOwnCommands) {
  Orvanta8 window(workbench, host);
  int runs = 0;
  window.Bind(CommandId::InputData, [&] { ++runs; });
  EXPECT_TRUE(window.Action(CommandId::InputData)->isEnabled());
  window.Action(CommandId::InputData)->trigger();
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(window.Bind(CommandId::FileExit, [] {}), std::logic_error);
  EXPECT_THROW(window.Bind(CommandId::HouseKoch, [] {}), std::logic_error);
  EXPECT_THROW(window.Bind(CommandId::DataNatalData, {}), std::logic_error);
  EXPECT_FALSE(window.Action(CommandId::DataNatalData)->isEnabled());
  EXPECT_EQ(window.MenuAction(MenuId::Data)->text(), "&Data");
  EXPECT_EQ(window.MenuAction(MenuId::HelpHints)->text(), "&Hints");
}

// After a calculation the focus is in the data window: a key it does not
// use runs the main window's command, its own keys keep their meaning, even
// greyed out at either end of the font range.
TEST_F(Orvanta8Test, KeysTheDataWindowDoesNotUseRunTheMainWindowsCommands) {
  Orvanta8 window(workbench, host);
  std::vector<CommandId> ran;
  for (CommandId command :
       {CommandId::DataNatalData, CommandId::DataNatalAspects, CommandId::DataCosmodynes,
        CommandId::DataTransitAspectsToTransits, CommandId::WheelsTransits})
    window.Bind(command, [&ran, command] { ran.push_back(command); });
  window.ShowChartMenus();
  window.show();
  DataWindowSlot data(workbench, workbench.Options, host, DataWindowSettings{}, 1.5,
                      DataWindowLinks{});
  data.ShowPage(std::make_shared<const OutputLines>(OutputLines{"NATAL DATA FOR Jane Doe"}), false);
  OutputD1& dataWindow = data.Window();
  QApplication::setActiveWindow(&dataWindow);
  QWidget* focus = dataWindow.focusWidget() ? dataWindow.focusWidget() : &dataWindow;
  ASSERT_EQ(data.Settings().FontSize, 8.5);  // a step of 1.5 moves it by 0.75
  constexpr CommandId kAspects = CommandId::DataNatalAspects;
  constexpr CommandId kCosmodynes = CommandId::DataCosmodynes;
  const std::vector<CommandId> kAll = {kAspects, kCosmodynes, CommandId::DataNatalData};
  const struct {
    QKeyCombination key;
    int presses;
    std::vector<CommandId> ran;
    double fontSize;  // F7 and F8 are the data window's own: Font > Increase, Decrease
  } presses[] = {
      {Qt::Key_F3, 1, {kAspects}, 8.5},
      {Qt::ControlModifier | Qt::Key_D, 1, {kAspects, kCosmodynes}, 8.5},
      {Qt::Key_F7, 1, {kAspects, kCosmodynes}, 9.25},
      {Qt::Key_X, 1, {kAspects, kCosmodynes}, 9.25},
      {Qt::Key_F2, 1, kAll, 9.25},
      {Qt::Key_F8, 3, kAll, 7.75},  // the least size 8 is passed once
      {Qt::Key_F7, 8, kAll, 12.25},
  };
  for (const auto& p : presses) {
    for (int i = 0; i < p.presses; ++i)
      QTest::keyClick(focus, p.key.key(), p.key.keyboardModifiers());
    EXPECT_EQ(ran, p.ran) << QKeySequence(p.key).toString().toStdString();
    EXPECT_EQ(data.Settings().FontSize, p.fontSize) << QKeySequence(p.key).toString().toStdString();
  }
  // A modal dialog keeps its keys.
  QDialog dialog(&dataWindow);
  dialog.setModal(true);
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_F3);
  EXPECT_EQ(ran.size(), 3u);
}

// A key held down in the wheel window: each step closes the window and
// opens a new one, and the presses still on their way reach the closed one.
// They must not run the main window's command of the same key (Shift+F1
// there shows the Moon on the two-chart wheels).
TEST_F(Orvanta8Test, KeysReachingAClosedWindowRunNoMainWindowCommand) {
  Orvanta8 window(workbench, host);
  int ran = 0;
  window.Bind(CommandId::WheelsShowMoon, [&ran] { ++ran; });
  window.ShowChartMenus();
  window.show();
  QWidget wheel(nullptr, Qt::Window);
  wheel.show();
  const struct {
    bool open;
    int ran;
  } cases[] = {{true, 1}, {false, 1}, {true, 2}};
  for (const auto& c : cases) {
    wheel.setVisible(c.open);
    QTest::keyClick(&wheel, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(ran, c.ran) << (c.open ? "open" : "closed");
  }
}

std::vector<std::string> CheckedHouses(Orvanta8& window) {
  std::vector<std::string> checked;
  for (QAction* action : window.MenuAction(MenuId::Houses)->menu()->actions())
    if (action->isChecked()) checked.push_back(action->text().toStdString());
  return checked;
}

TEST_F(Orvanta8Test, ChoosingAHouseSystemMarksItAloneAndRecomputesEvenWhenAlreadyMarked) {
  Orvanta8 window(workbench, host);
  EXPECT_EQ(CheckedHouses(window), std::vector<std::string>{"&Placidus"});
  int recalcs = 0;
  std::vector<HouseSystemCode> seen;
  bool accepted = true;
  window.SetHouseChangeHandler([&] {
    ++recalcs;
    seen.push_back(window.CheckedHouseSystem());
    return accepted;
  });

  window.CheckHouseSystem(HouseSystemCode::Morinus);
  EXPECT_EQ(CheckedHouses(window), std::vector<std::string>{"Mor&inus"});
  EXPECT_EQ(recalcs, 0) << "marking at start-up computes nothing";

  window.Action(CommandId::HouseKoch)->trigger();
  EXPECT_EQ(CheckedHouses(window), std::vector<std::string>{"&Koch"});
  window.Action(CommandId::HouseKoch)->trigger();
  EXPECT_EQ(CheckedHouses(window), std::vector<std::string>{"&Koch"});
  EXPECT_EQ(window.CheckedHouseSystem(), HouseSystemCode::Koch);
  EXPECT_EQ(seen, (std::vector<HouseSystemCode>{HouseSystemCode::Koch, HouseSystemCode::Koch}));

  // Input refused: the system asked for was computed with, then unmarked.
  accepted = false;
  window.Action(CommandId::HouseCampanus)->trigger();
  EXPECT_EQ(seen.back(), HouseSystemCode::Campanus);
  EXPECT_EQ(CheckedHouses(window), std::vector<std::string>{"&Koch"});
}

TEST_F(Orvanta8Test, ShortcutKeysBelongToTheWindow) {
  Orvanta8 window(workbench, host);
  int exits = 0;
  window.SetExitHandler([&] { ++exits; });
  int natalData = 0;
  window.Bind(CommandId::DataNatalData, [&] { ++natalData; });
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  QTest::keyClick(&window, Qt::Key_F9, Qt::ShiftModifier);
  EXPECT_EQ(window.CheckedHouseSystem(), HouseSystemCode::Koch);
  QTest::keyClick(&window, Qt::Key_F11, Qt::ShiftModifier);
  EXPECT_EQ(window.CheckedHouseSystem(), HouseSystemCode::EqualAscendant);
  QTest::keyClick(&window, Qt::Key_F2);
  EXPECT_EQ(natalData, 0) << "Natal Data waits for a calculation";
  window.ShowChartMenus();
  QTest::keyClick(&window, Qt::Key_F2);
  EXPECT_EQ(natalData, 1);
  QTest::keyClick(&window, Qt::Key_F12);
  EXPECT_EQ(exits, 1);
  window.close();  // the same shut-down
  EXPECT_EQ(exits, 2);
}

TEST_F(Orvanta8Test, MakeNewFilWritesTheExampleRecordInTheChosenFile) {
  test::TempDir dir;
  workbench.AppPath = dir.path();
  Orvanta8 window(workbench, host);
  host.fileAnswers.push_back((dir.path() / "NEW.FIL").string());
  window.Action(CommandId::FileNewFil)->trigger();
  ASSERT_EQ(host.fileChoices.size(), 1u);
  EXPECT_EQ(host.fileChoices[0].folder, dir.path().string());
  EXPECT_EQ(ReadFileBytes(dir.path() / "NEW.FIL").value_or(""),
            "Example,12 May 1959,10.43,A,6,75.23,39.45,example@example.com\r\n");
}

TEST_F(Orvanta8Test, CaptionIsThePrefixTheDateFiveBlanksAndTheRegionalTime) {
  const QString prefix = "Orvanta8 (Tropical zodiac) - ";
  struct Case {
    QDateTime when;
    TimeFormatKind clock;
    const char* expected;
  };
  const Case cases[] = {
      {{QDate(1969, 7, 20), QTime(20, 17, 40)},
       TimeFormatKind::TwelveHour,
       "Orvanta8 (Tropical zodiac) - 20 Jul 1969     8:17:40 PM"},
      {{QDate(2001, 1, 2), QTime(0, 5, 9)},
       TimeFormatKind::TwelveHour,
       "Orvanta8 (Tropical zodiac) - 02 Jan 2001     12:05:09 AM"},
      {{QDate(2001, 1, 2), QTime(9, 5, 9)},
       TimeFormatKind::TwentyFourHour,
       "Orvanta8 (Tropical zodiac) - 02 Jan 2001     09:05:09"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Orvanta8::CaptionAt(prefix, c.when, c.clock).toStdString(), c.expected);
}

TEST_F(Orvanta8Test, TheCaptionClockTicksEverySecond) {
  Orvanta8 window(workbench, host);
  window.show();
  const QString first = window.windowTitle();
  EXPECT_TRUE(first.startsWith("Orvanta8 (Tropical zodiac) - ")) << first.toStdString();
  const auto* clock = window.findChild<QTimer*>("Timer1");
  ASSERT_NE(clock, nullptr);
  EXPECT_EQ(clock->interval(), 1000);
  EXPECT_TRUE(clock->isActive());
  // A tick may fall in the same second as the caption shown first; within
  // two ticks the second has changed.
  constexpr int kTwoTicksAndSlackMs = 2500;
  EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowTitle() != first; }, kTwoTicksAndSlackMs));
  EXPECT_TRUE(window.windowTitle().startsWith("Orvanta8 (Tropical zodiac) - "));
}

TEST_F(Orvanta8Test, SettingsGeometryRoundTripsAndKeepsTheWindowOnTheScreen) {
  Orvanta8 window(workbench, host);
  const QRect free = window.screen()->availableGeometry();
  SettingsValues settings;  // the defaults: a window narrower than its menu bar
  window.ApplySettingsGeometry(settings);
  // Wide enough for the Wheels menu too, which the first chart shows, where
  // the screen is; on a narrower screen as wide as the screen.
  // Not shown, it is placed with a frame counted all the same.
  const int opened = window.width();
  const int frameWidth = OuterGeometry(window).width() - opened;
  window.ShowChartMenus();
  EXPECT_EQ(window.width(), opened);
  EXPECT_EQ(window.width(),
            std::min(window.menuBar()->sizeHint().width(), free.width() - frameWidth));
  EXPECT_GE(window.height(), window.menuBar()->sizeHint().height());
  EXPECT_TRUE(free.contains(OuterGeometry(window)));

  // Too wide for the screen and past its right end: cut to it, at its left.
  settings.MainLeft = 1500;
  settings.MainTop = 3000;
  settings.MainWidth = 30000;
  settings.MainHeight = 2000;
  window.ApplySettingsGeometry(settings);
  EXPECT_EQ(OuterGeometry(window).left(), free.left());
  EXPECT_EQ(OuterGeometry(window).width(), free.width());
  SettingsValues recorded;
  window.RecordSettingsGeometry(recorded);
  // Twips pass through whole pixels: at most one pixel (15 twips at 96 dpi,
  // more at lower resolutions) is lost each way.
  constexpr float kOnePixelTwips = 20;
  EXPECT_NEAR(recorded.MainTop, settings.MainTop, kOnePixelTwips);
  EXPECT_NEAR(recorded.MainHeight, settings.MainHeight, kOnePixelTwips);

  window.ApplySettingsGeometry(recorded);
  SettingsValues again;
  window.RecordSettingsGeometry(again);
  EXPECT_EQ(std::tie(again.MainLeft, again.MainTop, again.MainWidth, again.MainHeight),
            std::tie(recorded.MainLeft, recorded.MainTop, recorded.MainWidth, recorded.MainHeight));
}

}  // namespace
}  // namespace orv
