#pragma once
// The main window `Orvanta8`: the menu bar that runs every command, and the
// caption clock. It owns no data display of its own.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "commands/CommandTable.h"
#include "core/HouseSystem.h"
#include "shell/RegionalOrder.h"

class QAction;
class QDateTime;

namespace orv {

class Host;
struct SettingsValues;
struct Workbench;

class Orvanta8 : public QMainWindow {
  Q_OBJECT

 public:
  Orvanta8(Workbench& workbench, Host& host, QWidget* parent = nullptr);

  // The action of command `id`.
  QAction* Action(CommandId id) const;
  // The action that opens menu or submenu `id`.
  QAction* MenuAction(MenuId id) const;

  // Makes command `id` run `handler`, enabled as far as its gate allows.
  // Commands nobody bound stay disabled. Throws std::logic_error for an
  // empty handler or a command the window runs itself (File, Houses).
  void Bind(CommandId id, std::function<void()> handler);
  // The commands the window does not run itself and nobody bound yet.
  std::vector<CommandId> UnboundCommands() const;

  // `RecalcAfterHouseChange`: runs once a Houses item was chosen and marked,
  // and says whether the charts were computed. When they were not (the input
  // was refused) the item marked before is marked again.
  void SetHouseChangeHandler(std::function<bool()> handler);

  // The shut-down, run by File > Exit and by closing the window.
  void SetExitHandler(std::function<void()> handler);

  // The house system of the marked Houses item.
  HouseSystemCode CheckedHouseSystem() const;
  // Marks the item of `system` and clears the other eight.
  void CheckHouseSystem(HouseSystemCode system);

  // After a successful calculation: the chart commands may run from now on.
  void ShowChartMenus();
  // Whether chart 2 is a second person: the composite and synastry commands
  // exist only then, and the items that list chart 2 say which it is.
  void SetSecondPerson(bool secondPerson);

  // The window's place and size from the settings (twips, at the screen's
  // dots per inch), and back. The settings count the caption in the height,
  // as a title bar of the style's height. The window is as wide as its menu
  // bar where the screen has room, and wholly on the screen.
  void ApplySettingsGeometry(const SettingsValues& settings);
  // Shows the window and, once the window manager has framed it, places it
  // again as the settings asked, now by its own frame, wholly on the screen.
  void ShowOnScreen();
  void RecordSettingsGeometry(SettingsValues& settings) const;

  // The caption at `now`: `prefix`, the date "dd mmm yyyy", five blanks and
  // the time on the clock of `format`.
  static QString CaptionAt(const QString& prefix, const QDateTime& now, TimeFormatKind format);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct CommandSlot {
    QAction* action = nullptr;
    std::function<void()> handler;  // empty: not bound yet, disabled
  };

  void BuildMenuBar();
  void RunCommand(CommandId id);
  CommandSlot& Slot(CommandId id) { return commands_[static_cast<std::size_t>(id)]; }
  const CommandSlot& Slot(CommandId id) const { return commands_[static_cast<std::size_t>(id)]; }
  void UpdateEnabled();
  double DotsPerInch() const;
  int CaptionHeight() const;
  // The menu bar's width with every menu on it, the Wheels menu too, so
  // that no title goes into the overflow once the first chart shows it.
  int FullMenuBarWidth();

  void mnuFileNewFil_Click();
  void mnuFileExit_Click();
  void mnuHouse_Click(HouseSystemCode system);
  void Timer1_Timer();

  Workbench& workbench_;
  Host& host_;
  std::array<CommandSlot, kCommandCount> commands_;
  std::array<QAction*, kMenuCount> menus_{};
  std::function<bool()> houseChanged_;
  // The system of the marked Houses item, kept apart from the marks: a
  // chosen item's mark has flipped before its command runs.
  HouseSystemCode markedHouse_ = HouseSystemCode::Placidus;
  std::function<void()> exit_;
  bool chartsComputed_ = false;
  bool secondPerson_ = false;
  QTimer timer1_;
  // Left, top, width and height (twips) of the settings it was placed by.
  std::optional<std::array<float, 4>> placedBy_;
};

}  // namespace orv
