#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "../wheels/WheelTestCharts.h"
#include "AnswerDialog.h"
#include "InputWindowsFixture.h"
#include "KeyboardToAnotherOnHide.h"
#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/CommandTable.h"
#include "commands/WheelCommands.h"
#include "commands/Workbench.h"
#include "commands/ui/CommandController.h"
#include "core/ChartInput.h"
#include "listings/ChartHeaders.h"
#include "relationship/ui/NamesBatchRun.h"
#include "reports/ui/Browsers.h"
#include "reports/ui/RTF_form.h"
#include "reports/ui/Report.h"
#include "shell/OptionFiles.h"
#include "shell/ui/ChartRun.h"
#include "shell/ui/FrmEnabledPlanets.h"
#include "shell/ui/InputD.h"
#include "shell/ui/InputD1.h"
#include "shell/ui/InputWindows.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/OutputD1.h"
#include "shell/ui/PrntFile.h"
#include "shell/ui/TextFileEditor.h"
#include "wheels/ChartStepping.h"
#include "wheels/ui/AstrLine.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

void CollectActions(const QList<QAction*>& actions, std::set<QAction*>& out) {
  for (QAction* action : actions) {
    out.insert(action);
    if (action->menu()) CollectActions(action->menu()->actions(), out);
  }
}

struct ControllerFixture : ::testing::Test {
  Workbench wb;
  test::RecordingHost host;
  Orvanta8 window{wb, host};
  CommandController controller{wb, host, window};
  test::TempDir dir;  // the program folder, where pages keep a copy too

  // The shipped program folder in `dir`: its files copied, as the program
  // writes beside them; its folders of couple report texts, some 700 files
  // that are only ever read, linked, since copying them took most of each
  // test's time.
  void CopyShippedFiles() {
    for (const auto& entry : std::filesystem::directory_iterator(ORVANTA_DATA_DIR)) {
      const std::filesystem::path to = dir.path() / entry.path().filename();
      if (entry.is_directory())
        std::filesystem::create_directory_symlink(entry.path(), to);
      else
        std::filesystem::copy_file(entry.path(), to);
    }
  }

  // Starts as the program does on a copy of the shipped files in `dir`, up
  // to the chart input windows.
  void StartOnShippedFiles() {
    CopyShippedFiles();
    wb.AppPath = dir.path();
    const StartupHooks hooks = controller.Startup([] { return true; }, ORVANTA_DATA_DIR);
    ReadOptionsFile(host, wb.AppPath, wb.Options);
    hooks.LoadDataTables();
    hooks.ShowChartInputWindows();
  }

  // Started so, Renee Doe's natal chart computed and drawn as F9 draws it:
  // the wheel window, or none.
  Wheels* OpenNatalWheel() {
    StartOnShippedFiles();
    InputD& natal = controller.Inputs()->Natal();
    natal.txtName()->setText("Renee Doe");
    natal.SetFields({"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false,
                     false, false});
    if (controller.Inputs()->Calculate() != 0) return nullptr;
    window.Action(CommandId::WheelsNatal)->trigger();
    return Shown<Wheels>();
  }

  // Enabled Planets, left open, would reach into this test's workbench from
  // the next test run in the same process.
  void TearDown() override {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<FrmEnabledPlanets*>(w)) delete w;
  }

  // The program's window of type W on show, or none.
  template <class W>
  static W* Shown() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* found = qobject_cast<W*>(w); found && found->isVisible()) return found;
    return nullptr;
  }
};

TEST_F(ControllerFixture, EveryCommandHasAHandlerAndAMenuItem) {
  std::set<QAction*> onTheBar;
  CollectActions(window.menuBar()->actions(), onTheBar);
  EXPECT_TRUE(window.UnboundCommands().empty());
  for (int i = 0; i < kCommandCount; ++i) {
    const auto id = static_cast<CommandId>(i);
    const MenuEntry& entry = CommandEntry(id);
    SCOPED_TRACE(std::string(entry.caption));
    ASSERT_NE(window.Action(id), nullptr);
    EXPECT_TRUE(onTheBar.contains(window.Action(id)));
    EXPECT_EQ(window.Action(id)->text().toStdString(), entry.caption);
    // The window runs File and Houses itself; the controller everything else.
    EXPECT_EQ(static_cast<bool>(controller.HandlerOf(id)),
              entry.runner == CommandRunner::Controller);
  }
  // Once the charts and a second person are there, every command runs.
  window.ShowChartMenus();
  window.SetSecondPerson(true);
  for (int i = 0; i < kCommandCount; ++i)
    EXPECT_TRUE(window.Action(static_cast<CommandId>(i))->isEnabled()) << i;
}

TEST_F(ControllerFixture, StartUpMakesTheWindowsWithEveryLinkBound) {
  wb.AppPath = dir.path();
  std::ofstream(dir.path() / "NAMES.FIL", std::ios::binary)
      << "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n";
  // Every hook and link is checked as the controller hands it over.
  const StartupHooks hooks = controller.Startup([] { return true; }, ORVANTA_DATA_DIR);
  EXPECT_NO_THROW(controller.InputLinks().RequireBound());
  EXPECT_NO_THROW(controller.RunLinks().RequireBound());
  hooks.ShowChartInputWindows();
  ASSERT_NE(controller.Inputs(), nullptr);
  EXPECT_NE(controller.Inputs()->NamesWindow(), nullptr);
  // The "2nd Person" box reaches the main menu through its link.
  EXPECT_FALSE(window.Action(CommandId::DataComposite)->isEnabled());
  controller.Inputs()->chk2ndPerson_Click(true);
  EXPECT_EQ(window.Action(CommandId::DataTransitData)->text().toStdString(),
            "&Natal Data - 2nd person");
  controller.CloseWindows();
}

TEST_F(ControllerFixture, AHelpItemShowsItsTextInTheDataWindow) {
  // Showing a page also keeps a copy in the program folder.
  std::filesystem::copy_file(std::filesystem::path(ORVANTA_DATA_DIR) / "SHORTCUT.HLP",
                             dir.path() / "SHORTCUT.HLP");
  wb.AppPath = dir.path();
  window.Action(CommandId::HelpShortcutKeys)->trigger();
  ASSERT_GE(wb.Output.PageLineCount(), 2u);
  EXPECT_EQ(wb.Output.PageBuffer()[0], "SHORTCUT KEYS");
  controller.CloseWindows();
}

// Each command reaches its own handler: the Data commands each list a page
// of their own, the single wheels each prepare their own wheel.
TEST_F(ControllerFixture, EachCommandRunsItsOwnHandler) {
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  // Pages keep a copy in the program folder.
  CopyShippedFiles();
  wb.AppPath = dir.path();
  window.ShowChartMenus();
  const auto pageAfter = [&](CommandId id) {
    window.Action(id)->trigger();
    std::string page;
    for (const std::string& line : wb.Output.PageBuffer()) page += line + "\n";
    return page;
  };
  std::map<std::string, CommandId> pages;
  for (CommandId id :
       {CommandId::DataNatalData, CommandId::DataNatalAspects, CommandId::DataCoLAspects,
        CommandId::DataCosmodynes, CommandId::DataLeastAspectedPlanet, CommandId::DataMagiNatal,
        CommandId::DataCosmicState, CommandId::DataCosmicStatesAndCosmodynes,
        CommandId::DataNatalOFA, CommandId::DataTransitData, CommandId::DataTransitAspectsToNatal,
        CommandId::DataTransitAspectsToTransits, CommandId::DataDualCosmodynes,
        CommandId::DataDualCosmodynesAspects, CommandId::HelpPhilosophy, CommandId::HelpNames}) {
    const std::string page = pageAfter(id);
    EXPECT_GT(page.size(), 100u) << CommandEntry(id).caption;
    const auto [at, added] = pages.emplace(page, id);
    EXPECT_TRUE(added) << CommandEntry(id).caption << " lists the page of "
                       << CommandEntry(at->second).caption;
  }
  const std::pair<CommandId, SingleWheelKind> wheels[] = {
      {CommandId::WheelsNatal, SingleWheelKind::Natal},
      {CommandId::WheelsNatalDeclinations, SingleWheelKind::Declinations},
      {CommandId::WheelsHelio, SingleWheelKind::Helio},
      {CommandId::WheelsHelioLatitudes, SingleWheelKind::HelioLatitudes},
      {CommandId::WheelsTransits, SingleWheelKind::Transits},
  };
  for (const auto& [id, kind] : wheels) {
    window.Action(id)->trigger();
    ASSERT_TRUE(wb.Wheel.has_value());
    EXPECT_EQ(SingleWheelKindOf(*wb.Wheel), kind) << CommandEntry(id).caption;
  }
  controller.CloseWindows();
}

// A step of the wheel's moment paints the moved charts in the same wheel
// window: a window closed and made anew hands the focus to another window
// for a moment, and a stepping key held down then runs that window's command
// of the same key (Shift+F1 on the main window shows the Moon on two-chart
// wheels). The new listing waits behind the wheel: a data window closed
// before comes back under it, a minimised one stays minimised (it once came
// back on top, with the keyboard). The main window's commands still bring
// it back.
TEST_F(ControllerFixture, AStepOfTheMomentRedrawsTheWheelInItsOwnWindow) {
  const QPointer<Wheels> wheel = OpenNatalWheel();
  ASSERT_TRUE(wheel);
  InputD& natal = controller.Inputs()->Natal();
  // The Update menu's first item adds a natal day.
  QAction* addDay = nullptr;
  if (const QList<QAction*> bar = wheel->MenuBar()->actions(); !bar.isEmpty() && bar[0]->menu())
    for (QAction* a : bar[0]->menu()->actions())
      if (a->text() == "&Add a Natal Day") addDay = a;
  ASSERT_NE(addDay, nullptr);
  // Each window shown or raised, in order.
  struct Stacking : QObject {
    std::vector<std::string> log;
    bool eventFilter(QObject* watched, QEvent* event) override {
      auto* w = qobject_cast<QWidget*>(watched);
      if (w && w->isWindow() &&
          (event->type() == QEvent::Show || event->type() == QEvent::ZOrderChange))
        log.push_back(std::string(event->type() == QEvent::Show ? "show " : "raise ") +
                      w->metaObject()->className());
      return false;
    }
  } stacking;
  qApp->installEventFilter(&stacking);
  for (const char* day : {"13", "14", "15", "16"}) {
    const bool dataClosed = day == std::string("14");
    const bool dataMinimised = day == std::string("15") || day == std::string("16");
    if (dataClosed) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<OutputD1*>(w)) w->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (dataMinimised) {
      ASSERT_NE(Shown<OutputD1>(), nullptr) << day;
      Shown<OutputD1>()->showMinimized();
    }
    wheel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wheel));
    stacking.log.clear();
    addDay->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(wheel) << "the wheel window was closed";
    EXPECT_TRUE(wheel->isVisible());
    EXPECT_EQ(natal.Fields().Day, day);
    const auto shown = std::find(stacking.log.begin(), stacking.log.end(), "show orv::OutputD1");
    EXPECT_EQ(shown != stacking.log.end(), dataClosed) << day;
    if (shown != stacking.log.end()) {
      EXPECT_EQ(stacking.log.back(), "raise orv::Wheels") << day;
    }
    if (dataMinimised) {
      OutputD1* data = Shown<OutputD1>();
      ASSERT_NE(data, nullptr) << day;
      EXPECT_TRUE(data->isMinimized()) << day;
      EXPECT_EQ(std::count(stacking.log.begin(), stacking.log.end(), "raise orv::OutputD1"), 0)
          << day;
      QTest::qWait(20);
      EXPECT_EQ(QApplication::activeWindow(), wheel.data()) << day;
    }
  }
  qApp->removeEventFilter(&stacking);
  // Asked for from the main window, the page comes back in front.
  window.Action(CommandId::DataNatalData)->trigger();
  OutputD1* data = Shown<OutputD1>();
  ASSERT_NE(data, nullptr);
  EXPECT_FALSE(data->isMinimized());
  EXPECT_TRUE(QTest::qWaitForWindowActive(data));
  controller.CloseWindows();
}

// The print dialog gives the keyboard back to the wheel window it was opened
// from, cancelled or printed: F7 is then the wheel's American, not the main
// window's Transit Aspects to Transits.
TEST_F(ControllerFixture, AfterThePrintDialogTheWheelHasTheKeyboardAgain) {
  const QPointer<Wheels> wheel = OpenNatalWheel();
  ASSERT_TRUE(wheel);
  for (const bool print : {false, true}) {
    wheel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wheel)) << print;
    // The host says Yes to a full page; then the print dialog.
    test::AnswerDialog([print](QDialog& dialog) { print ? dialog.accept() : dialog.reject(); });
    wheel->Command(WheelsWindowItem::PrintChartwheel)->trigger();
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), wheel.data()) << print;
  }
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "REPORTS" / "WHEEL.PDF"));
  controller.CloseWindows();
}

// The data window's prints go through the File To Print window, which
// closes once it printed: the keyboard goes back to the data window, even
// where the window manager hands it to the main window as File To Print
// goes (F5 would run the main window's Transit Data). A print dialog
// cancelled leaves File To Print open, with the keyboard; its own Cancel
// then hands it back too.
TEST_F(ControllerFixture, AfterAPrintTheDataWindowHasTheKeyboardAgain) {
  ASSERT_TRUE(OpenNatalWheel());
  window.show();
  window.Action(CommandId::DataNatalData)->trigger();
  OutputD1* data = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* found = qobject_cast<OutputD1*>(w); found && found->isVisible()) data = found;
  ASSERT_NE(data, nullptr);
  const std::filesystem::path pdf = dir.path() / "REPORTS" / "PRNTFILE.PDF";
  const struct {
    DataWindowItem command;
    bool print;  // else the print dialog is cancelled, then File To Print
  } cases[] = {{DataWindowItem::PrintPage, true},  // a new PDF file
               {DataWindowItem::PrintPage, true},  // Yes to overwriting it
               {DataWindowItem::PrintData, true},
               {DataWindowItem::PrintData, false},
               {DataWindowItem::PrintPage, false}};
  for (const auto& c : cases) {
    const bool existed = std::filesystem::exists(pdf);
    const std::string trace =
        std::string(c.print ? "print" : "cancel") + (existed ? ", over the PDF file" : "");
    data->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(data)) << trace;
    data->Action(c.command)->trigger();
    const QPointer<PrntFile> print = data->PrintWindow();
    ASSERT_TRUE(print) << trace;
    test::KeyboardToAnotherOnHide windowManager(window);
    print->installEventFilter(&windowManager);
    ASSERT_TRUE(QTest::qWaitForWindowActive(print)) << trace;
    bool asked = false;
    test::AnswerDialog([&](QDialog& dialog) {
      if (!c.print) return dialog.reject();
      // Qt's own question about the file already there, answered Yes.
      auto* question = new QTimer(&dialog);
      QObject::connect(question, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
            question->stop();
            asked = true;
            box->button(QMessageBox::Yes)->click();
          }
      });
      question->start(5);
      // Its Print button, as a user presses it: the question comes first.
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    print->findChild<QPushButton*>("btnPrint")->click();
    if (!c.print) {
      ASSERT_TRUE(print) << trace;
      EXPECT_TRUE(print->isVisible()) << trace;
      EXPECT_TRUE(QTest::qWaitForWindowActive(print)) << trace;
      print->findChild<QPushButton*>("btnCancel")->click();
    }
    EXPECT_EQ(asked, c.print && existed) << trace;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(print) << trace;
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), data) << trace;
  }
  EXPECT_TRUE(std::filesystem::exists(pdf));
  controller.CloseWindows();
}

// Esc in the wheel window brings the main window forward, also once one of
// the wheel's menus was opened, by its key or the mouse, and closed with Esc,
// or left by Right for Aspects, a command on the bar: Shift+F7 is then the
// main window's Placidus, not the wheel's natal week. No title of the bar
// stays marked.
TEST_F(ControllerFixture, EscInTheWheelWindowBringsTheMainWindowForwardAfterAMenu) {
  const QPointer<Wheels> wheel = OpenNatalWheel();
  ASSERT_TRUE(wheel);
  window.show();
  QWindow* const keys = wheel->windowHandle();
  ASSERT_NE(keys, nullptr);
  QMenuBar* bar = wheel->MenuBar();
  for (const char* way : {"none", "key", "mouse", "key twice", "key, then Right"}) {
    wheel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wheel)) << way;
    const std::string w = way;
    for (int open = 0; open < (w == "key twice" ? 2 : w == "none" ? 0 : 1); ++open) {
      if (w == "mouse") {
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(bar->actions().at(0)).center());
      } else {
        QTest::keyClick(keys, Qt::Key_U, Qt::AltModifier);
      }
      QWidget* menu = QApplication::activePopupWidget();
      ASSERT_NE(menu, nullptr) << way;
      if (w == "key, then Right") {
        QTest::keyClick(menu->windowHandle(), Qt::Key_Right);
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr) << way;
        ASSERT_NE(bar->activeAction(), nullptr) << way;
        ASSERT_EQ(bar->activeAction()->text(), "&Aspects") << way;
        continue;
      }
      QTest::keyClick(menu->windowHandle(), Qt::Key_Escape);
      ASSERT_EQ(QApplication::activePopupWidget(), nullptr) << way;
      // This platform may leave a closed menu the active window; a window
      // manager gives the wheel its activation back.
      wheel->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(wheel)) << way;
    }
    QTest::keyClick(keys, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << way;
    EXPECT_EQ(QApplication::activeWindow(), &window) << way;
    EXPECT_EQ(bar->activeAction(), nullptr) << way;
  }
  controller.CloseWindows();
}

// A place for the frame of `window` (its pos()) on its screen, halfway
// along the room the screen leaves it: away from where the program puts it
// by default. (A window as wide or high as the screen keeps its place
// across it.)
QPoint RoomyPlace(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect free = window.screen()->availableGeometry();
  const auto halfway = [](int at, int low, int room) { return room > 0 ? low + room / 2 : at; };
  return {halfway(outer.left(), free.left(), free.width() - outer.width()),
          halfway(outer.top(), free.top(), free.height() - outer.height())};
}

// A place the user gave the wheel window stays its own at every later
// opening, by F9 or by Switch, at exit and after a new start (the second
// opening once went back to the default place, and the settings kept that).
TEST_F(ControllerFixture, TheWheelWindowOpensWhereTheUserPutItEveryTime) {
  Wheels* wheel = OpenNatalWheel();
  ASSERT_NE(wheel, nullptr);
  // Where the screen leaves it room, away from its default place.
  const QPoint users = RoomyPlace(*wheel);
  ASSERT_GT((users - wheel->pos()).manhattanLength(), 4);
  wheel->move(users);
  const auto openedAt = [&](const std::string& how, const std::function<void()>& open) {
    open();
    wheel = Shown<Wheels>();
    ASSERT_NE(wheel, nullptr) << how;
    EXPECT_EQ(wheel->pos(), users) << how;
  };
  for (int i = 1; i <= 4; ++i)
    openedAt("F9, " + std::to_string(i), [&] { window.Action(CommandId::WheelsNatal)->trigger(); });
  openedAt("Transits vs Natal",
           [&] { window.Action(CommandId::WheelsTransitsVsNatal)->trigger(); });
  for (int i = 1; i <= 2; ++i)
    openedAt("Switch, " + std::to_string(i),
             [&] { wheel->Command(WheelsWindowItem::Switch)->trigger(); });
  // At exit the settings keep the place; a new start opens the window there.
  wheel->close();
  const QPoint stored(TwipsToPixels(wb.Settings.WheelsLeft, wheel->logicalDpiX()),
                      TwipsToPixels(wb.Settings.WheelsTop, wheel->logicalDpiX()));
  EXPECT_LE((stored - OuterGeometry(*wheel).topLeft()).manhattanLength(), 2);
  wb.WheelWindow.OpenedAt.reset();
  openedAt("F9 after a new start", [&] { window.Action(CommandId::WheelsNatal)->trigger(); });
  controller.CloseWindows();
}

// The same for the data window, shown anew after Input, and at exit.
TEST_F(ControllerFixture, TheDataWindowOpensWhereTheUserPutItEveryTime) {
  ASSERT_NE(OpenNatalWheel(), nullptr);
  OutputD1* data = Shown<OutputD1>();
  ASSERT_NE(data, nullptr);
  const QPoint users = RoomyPlace(*data);
  ASSERT_GT((users - data->pos()).manhattanLength(), 4);
  data->move(users);
  for (int i = 1; i <= 4; ++i) {
    window.Action(CommandId::InputData)->trigger();
    ASSERT_EQ(Shown<OutputD1>(), nullptr) << i;
    ASSERT_EQ(controller.Inputs()->Calculate(), 0) << i;
    data = Shown<OutputD1>();
    ASSERT_NE(data, nullptr) << i;
    EXPECT_EQ(data->pos(), users) << i;
  }
  const QPoint outer = OuterGeometry(*data).topLeft();
  controller.Startup([] { return true; }, ORVANTA_DATA_DIR).CollectSettings();
  const QPoint stored(TwipsToPixels(wb.Settings.DataLeft, data->logicalDpiX()),
                      TwipsToPixels(wb.Settings.DataTop, data->logicalDpiX()));
  EXPECT_LE((stored - outer).manhattanLength(), 2);
  controller.CloseWindows();
}

// Bringing the main window forward brings it back from minimised, with the
// keyboard: Esc in the data, wheel and enabled-planets windows, or a right
// click in them (once it stayed minimised, and F5 was the data window's
// Save As).
TEST_F(ControllerFixture, EscOrARightClickBringsAMinimisedMainWindowBack) {
  Wheels* wheel = OpenNatalWheel();
  ASSERT_NE(wheel, nullptr);
  window.show();
  OutputD1* data = Shown<OutputD1>();
  ASSERT_NE(data, nullptr);
  window.Action(CommandId::EnabledPlanets)->trigger();
  auto* planets = Shown<FrmEnabledPlanets>();
  ASSERT_NE(planets, nullptr);
  const QPoint onTheWheel = wheel->rect().center();
  const struct {
    const char* what;
    QWidget* from;
    std::function<void()> act;
  } cases[] = {
      {"Esc in the data window", data, [&] { QTest::keyClick(data->RichText1(), Qt::Key_Escape); }},
      {"a right click in the data window", data,
       [&] { QTest::mouseClick(data->RichText1()->viewport(), Qt::RightButton); }},
      {"Esc in the wheel window", wheel,
       [&] { QTest::keyClick(wheel->windowHandle(), Qt::Key_Escape); }},
      {"a right click on the wheel", wheel,
       [&] { QTest::mouseClick(wheel->windowHandle(), Qt::RightButton, {}, onTheWheel); }},
      {"Esc in Enabled Planets", planets, [&] { QTest::keyClick(planets, Qt::Key_Escape); }},
      {"a right click in Enabled Planets", planets,
       [&] { QTest::mouseClick(planets, Qt::RightButton); }},
  };
  for (const auto& c : cases) {
    window.showMinimized();
    c.from->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c.from)) << c.what;
    ASSERT_TRUE(window.isMinimized()) << c.what;
    c.act();
    EXPECT_FALSE(window.isMinimized()) << c.what;
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << c.what;
  }
  // Maximised before, it comes back maximised.
  window.showMaximized();
  window.showMinimized();
  data->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(data));
  QTest::keyClick(data->RichText1(), Qt::Key_Escape);
  EXPECT_FALSE(window.isMinimized());
  EXPECT_TRUE(window.isMaximized());
  controller.CloseWindows();
}

// A click in Enabled Planets draws the wheel anew in a new window, which
// stays behind it: the next clicks land on its boxes, not on the wheel.
// A window manager maps the new window after Enabled Planets raised itself
// again, and gives it the keyboard and the top unless it is to stay behind.
TEST_F(ControllerFixture, EnabledPlanetsStaysInFrontOfTheWheelItRedraws) {
  ASSERT_NE(OpenNatalWheel(), nullptr);
  window.Action(CommandId::EnabledPlanets)->trigger();
  auto* planets = Shown<FrmEnabledPlanets>();
  ASSERT_NE(planets, nullptr);
  struct WindowManager : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override {
      auto* w = qobject_cast<QWidget*>(watched);
      if (w && w->isWindow() && event->type() == QEvent::Show &&
          !w->testAttribute(Qt::WA_ShowWithoutActivating))
        QTimer::singleShot(0, w, [w] {
          w->raise();
          w->activateWindow();
        });
      return false;
    }
  } windowManager;
  qApp->installEventFilter(&windowManager);
  for (const char* box :
       {"chkEnabledPlanets_10", "chkEnabledPlanets_Transit_3", "chkEnabledPlanets_10"}) {
    planets->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(planets)) << box;
    const QPointer<Wheels> before = Shown<Wheels>();
    auto* check = planets->findChild<QCheckBox*>(box);
    ASSERT_NE(check, nullptr) << box;
    check->click();
    QTest::qWait(20);
    ASSERT_NE(Shown<Wheels>(), nullptr) << box;
    EXPECT_TRUE(before.isNull()) << box << ": no new wheel window";
    EXPECT_EQ(QApplication::activeWindow(), planets) << box;
  }
  qApp->removeEventFilter(&windowManager);
  EXPECT_EQ(wb.Settings.EnabledNatalPlanets, "1111111111111111");
  controller.CloseWindows();
}

// A person picked in the windows is not yet a chart: until OK computes it,
// every header and heading naming chart 2 (or chart 1) names the charts as
// they were computed. OK then draws the open wheel again from the new
// charts, in its own window.
TEST_F(ControllerFixture, HeadersNameTheComputedChartsAndOkRedrawsTheOpenWheel) {
  StartOnShippedFiles();
  InputWindows& inputs = *controller.Inputs();
  InputD& natal = inputs.Natal();
  natal.txtName()->setText("Renee Doe");
  natal.SetFields(
      {"9", "10", "1960", "12", "00", "4", "73", "59", "40", "43", "", true, false, false});
  inputs.cmdOK_Click();
  ASSERT_TRUE(wb.Charts.Computed);
  const std::string transitDate = HeaderDate(wb.Charts.DiurnalInput);
  window.Action(CommandId::WheelsTransitsVsNatal)->trigger();
  QPointer<Wheels> wheel;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* found = qobject_cast<Wheels*>(w); found && found->isVisible()) wheel = found;
  ASSERT_TRUE(wheel);

  // "2nd Person" ticked and the first name of NAMES.FIL picked, no OK; the
  // natal name typed over as well.
  inputs.Second().chk2ndPerson()->click();
  ASSERT_NE(inputs.NamesWindow(), nullptr);
  PickList* names = inputs.NamesWindow()->NamesOnFile();
  test::ClickRow(names, test::RowOf(names, "m Arthur Pendleton"));
  ASSERT_EQ(inputs.Second().SecondFields().SecondPersonCaption, "m Arthur Pendleton");
  natal.txtName()->setText("Someone Else");
  const auto pageOf = [&](CommandId id) {
    window.Action(id)->trigger();
    std::string page;
    for (const std::string& line : wb.Output.PageBuffer()) page += line + "\n";
    return page;
  };
  for (CommandId id : {CommandId::DataTransitData, CommandId::DataTransitAspectsToNatal,
                       CommandId::DataTransitAspectsToTransits, CommandId::DataDualCosmodynes,
                       CommandId::DataMagiNatal}) {
    const std::string page = pageOf(id);
    EXPECT_EQ(page.find("Pendleton"), std::string::npos) << CommandEntry(id).caption << page;
    EXPECT_EQ(page.find("Someone Else"), std::string::npos) << CommandEntry(id).caption << page;
  }
  EXPECT_NE(pageOf(CommandId::DataTransitData).find("  TRANSIT POSITIONS"), std::string::npos);
  window.Action(CommandId::WheelsTransitsVsNatal)->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* found = qobject_cast<Wheels*>(w); found && found->isVisible()) wheel = found;
  ASSERT_TRUE(wheel);
  const WheelHeaderLines& outer = wb.Wheel->OuterWheelHeader;
  EXPECT_EQ(outer[1], "Diurnal data");
  EXPECT_EQ(outer[2], transitDate);
  EXPECT_EQ(outer[6], "Transits shown by red planets");
  EXPECT_EQ(wb.Wheel->InnerWheelHeader[1], "Renee Doe - natal");

  // OK: the wheel on show is the same window, drawn from the new charts.
  natal.txtName()->setText("Renee Doe");
  inputs.cmdOK_Click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(wheel) << "the wheel window was closed";
  EXPECT_TRUE(wheel->isVisible());
  EXPECT_EQ(wb.Wheel->OuterWheelHeader[1], "m Arthur Pendleton");
  EXPECT_EQ(wb.Wheel->OuterWheelHeader[2], "03 Feb 1904");
  EXPECT_EQ(wb.Wheel->OuterWheelHeader[7], "Natal shown by red planets");
  EXPECT_EQ(wb.Wheel->DualOuterLongitudes, wb.Charts.Diurnal.Longitudes);
  EXPECT_NE(pageOf(CommandId::DataTransitData).find("  m Arthur Pendleton's NATAL POSITIONS"),
            std::string::npos);
  // So does a house system chosen on the main menu.
  window.Action(CommandId::HouseKoch)->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(wheel) << "the wheel window was closed";
  EXPECT_EQ(wb.Charts.HouseSystem, HouseSystemCode::Koch);
  EXPECT_EQ(wb.Wheel->InnerWheelHeader[7], "Koch");
  EXPECT_EQ(wb.Wheel->Cusps, wb.Charts.Natal.Cusps);
  controller.CloseWindows();
}

// Option 33 = 1: OK shows the transit interpretations of chart 2's day,
// with the More menu that steps through the days.
TEST_F(ControllerFixture, OkWithOption33ListsTheTransitInterpretations) {
  StartOnShippedFiles();
  wb.Options[33] = 1;
  InputWindows& inputs = *controller.Inputs();
  inputs.Natal().txtName()->setText("Renee Doe");
  inputs.Natal().SetFields(
      {"9", "10", "1960", "12", "00", "4", "73", "59", "40", "43", "", true, false, false});
  inputs.cmdOK_Click();
  ASSERT_TRUE(wb.Charts.Computed);
  const auto& page = wb.Output.PageBuffer();
  ASSERT_GE(page.size(), 4u);
  EXPECT_EQ(page[1], std::string(20, ' ') + "TRANSITING PLANET ASPECTS TO NATAL PLANETS");
  EXPECT_TRUE(page[3].ends_with(" - Renee Doe")) << page[3];
  EXPECT_TRUE(wb.Output.MoreMenuShown);
  EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
  controller.CloseWindows();
}

// A house system the input refuses leaves the system marked before marked,
// and the charts cast in it, whether it stands above or below the refused
// one in the menu, chosen from the menu or by its key. At 69°39' N only
// Meridian and Morinus are cast; Placidus and Koch marked at 40° N, with
// 69°39' N typed since, stand above the systems refused there.
TEST_F(ControllerFixture, ARefusedHouseSystemLeavesTheSystemBeforeMarked) {
  using H = HouseSystemCode;
  StartOnShippedFiles();
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  InputD& natal = controller.Inputs()->Natal();
  natal.txtName()->setText("Renee Doe");
  const auto typeLatitude = [&](const char* degrees, const char* minutes) {
    natal.SetFields(
        {"5", "12", "1959", "10", "43", "6", "15", "23", degrees, minutes, "", false, true, false});
  };
  const auto entryOf = [](H system) -> const MenuEntry& {
    for (const MenuEntry& entry : MainMenuEntries())
      if (entry.house == system) return entry;
    throw std::logic_error("no Houses item");
  };
  struct Row {
    H marked;
    H chosen;
  };
  std::vector<Row> rows;
  for (H marked : {H::Meridian, H::Morinus})
    for (H chosen : {H::Placidus, H::Regiomontanus, H::Koch, H::Campanus, H::Porphyry,
                     H::EqualAscendant, H::EqualMC})
      rows.push_back({marked, chosen});
  rows.push_back({H::Placidus, H::Koch});
  rows.push_back({H::Placidus, H::EqualMC});
  rows.push_back({H::Koch, H::EqualAscendant});
  for (const Row& row : rows) {
    const MenuEntry& chosen = entryOf(row.chosen);
    for (const bool byKey : {false, true}) {
      if (byKey && chosen.shortcut.empty()) continue;
      const std::string trace = std::string(entryOf(row.marked).caption) + " marked, " +
                                std::string(chosen.caption) + (byKey ? " by its key" : "");
      const bool castFarNorth = row.marked == H::Meridian || row.marked == H::Morinus;
      castFarNorth ? typeLatitude("69", "39") : typeLatitude("40", "43");
      window.Action(entryOf(row.marked).id)->trigger();
      ASSERT_EQ(wb.Charts.HouseSystem, row.marked) << trace;
      typeLatitude("69", "39");
      host.messages.clear();
      if (byKey)
        QTest::keySequence(&window,
                           QKeySequence(QString::fromUtf8(chosen.shortcut.data(),
                                                          qsizetype(chosen.shortcut.size()))));
      else
        window.Action(chosen.id)->trigger();
      ASSERT_EQ(host.messages.size(), 1u) << trace;
      EXPECT_EQ(host.messages[0].text, kLatitudeTooHigh) << trace;
      std::vector<std::string> marks;
      for (QAction* item : window.MenuAction(MenuId::Houses)->menu()->actions())
        if (item->isChecked()) marks.push_back(item->text().toStdString());
      EXPECT_EQ(marks, std::vector<std::string>{std::string(entryOf(row.marked).caption)}) << trace;
      EXPECT_EQ(window.CheckedHouseSystem(), row.marked) << trace;
      EXPECT_EQ(wb.Charts.HouseSystem, row.marked) << trace;
      // OK computes in the marked system, which 69°39' N takes only for
      // Meridian and Morinus.
      EXPECT_EQ(controller.Inputs()->Calculate() == 0, castFarNorth) << trace;
    }
  }
  controller.CloseWindows();
}

TEST(WindowLinks, ALinkLeftUnboundIsNamed) {
  const struct {
    std::function<void()> check;
    const char* message;
  } cases[] = {
      {[] { InputWindowLinks{}.RequireBound(); }, "InputWindowLinks.HouseSystem is not bound"},
      {[] { ChartRunLinks{}.RequireBound(); },
       "ChartRunLinks.Listings.ListNatalFirstPage is not bound"},
      {[] { DataWindowLinks{}.RequireBound(); }, "DataWindowLinks.PersonName is not bound"},
      {[] { WheelsLinks{}.RequireBound(); }, "WheelsLinks.bringMainForward is not bound"},
      {[] { ReportWindowLinks{}.RequireBound(); }, "ReportWindowLinks.Persons is not bound"},
      {[] { NamesBatchLinks{}.RequireBound(); }, "NamesBatchLinks.Inputs is not bound"},
      {[] { StartupHooks{}.RequireBound(); }, "StartupHooks.ReadyProgramFolder is not bound"},
      {[] { StepLinks{}.RequireBound(); }, "StepLinks.fields is not bound"},
      {[] { TextFileEditor editor(EditorSetup{}); }, "EditorSetup.save is not bound"},
      {[] {
         StepLinks links;
         links.fields = [](SteppedChart) { return ChartInputFields{}; };
         links.setFields = [](SteppedChart, const ChartInputFields&) {};
         links.compute = [] { return 0; };
         StepChartMoment(ChartModel{}, UpdateSteps[0], links);
       },
       "StepLinks.redraw is not bound"},
      {[] {
         OutputState out;
         test::RecordingHost host;
         KEY_WORD browser(BrowserOutput{"", out, host, {}});
       },
       "BrowserOutput.view is not bound"},
      {[] {
         std::string natal(16, '1'), transit = natal;
         FrmEnabledPlanets window(natal, transit, [] {}, {});
       },
       "FrmEnabledPlanets.bringMainWindowForward is not bound"},
      {[] {
         Workbench wb;
         test::RecordingHost host;
         AstrLine window(wb, host, "John Roe", {}, {0, 0});
       },
       "AstrLine.bringMainForward is not bound"},
      {[] {
         InputWindowLinks links;
         links.HouseSystem = [] { return HouseSystemCode::Koch; };
         links.SecondPersonChanged = [](bool) {};
         links.BringMainWindowForward = [] {};
         links.CloseTipWindow = [] {};
         links.ChartsComputed = [] {};
         links.ChooseFile = [](std::string_view, const std::string&) { return std::string(); };
         links.EditNamesFile = [](std::function<void()>, std::function<void()>) {};
         links.EditCitiesFile = [](std::function<void()>) {};
         links.Batch[0] = [] {};  // six of the seven batches left empty
         links.RequireBound();
       },
       "InputWindowLinks.Batch is not bound"},
  };
  for (const auto& c : cases) {
    try {
      c.check();
      ADD_FAILURE() << "no complaint; expected " << c.message;
    } catch (const std::logic_error& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace orv
