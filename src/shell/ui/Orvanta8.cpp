#include "shell/ui/Orvanta8.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "base/Format.h"
#include "commands/Workbench.h"
#include "shell/NewNamesFile.h"
#include "shell/SettingsFile.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/UnusedKeyRouter.h"
#include "shell/ui/WindowMenuBar.h"

namespace orv {

namespace {

constexpr int kClockIntervalMs = 1000;
// Dots per inch when the window is on no screen yet.
constexpr double kFallbackDotsPerInch = 96.0;

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

Orvanta8::Orvanta8(Workbench& workbench, Host& host, QWidget* parent)
    : QMainWindow(parent), workbench_(workbench), host_(host) {
  setObjectName("Orvanta8");
  BuildMenuBar();
  new UnusedKeyRouter(*this);

  Slot(CommandId::FileNewFil).handler = [this] { mnuFileNewFil_Click(); };
  Slot(CommandId::FileExit).handler = [this] { mnuFileExit_Click(); };
  for (const MenuEntry& entry : MainMenuEntries()) {
    if (entry.house)
      Slot(entry.id).handler = [this, system = *entry.house] { mnuHouse_Click(system); };
  }
  CheckHouseSystem(HouseSystemCode::Placidus);
  UpdateEnabled();

  Timer1_Timer();
  timer1_.setParent(this);
  timer1_.setObjectName("Timer1");
  timer1_.setInterval(kClockIntervalMs);
  connect(&timer1_, &QTimer::timeout, this, &Orvanta8::Timer1_Timer);
  timer1_.start();
}

void Orvanta8::BuildMenuBar() {
  AddMenuRows(
      *menuBar(), MainMenuEntries(),
      [this](const MenuEntry& entry, QMenu& menu) {
        // Two separators in a row are drawn as two lines.
        menu.setSeparatorsCollapsible(false);
        menus_[static_cast<std::size_t>(entry.menu)] = menu.menuAction();
        if (entry.shownAfterFirstChart) menu.menuAction()->setVisible(false);
      },
      [this](const MenuEntry& entry, QAction& action) {
        // The keys belong to this window, as the other windows have their own.
        action.setShortcutContext(Qt::WindowShortcut);
        connect(&action, &QAction::triggered, this, [this, id = entry.id] { RunCommand(id); });
        Slot(entry.id).action = &action;
      });
}

QAction* Orvanta8::Action(CommandId id) const { return Slot(id).action; }

QAction* Orvanta8::MenuAction(MenuId id) const { return menus_[static_cast<std::size_t>(id)]; }

void Orvanta8::Bind(CommandId id, std::function<void()> handler) {
  if (CommandEntry(id).runner == CommandRunner::MainWindow)
    throw std::logic_error("the main window runs this command itself");
  if (!handler) throw std::logic_error("a command bound to no handler");
  Slot(id).handler = std::move(handler);
  UpdateEnabled();
}

std::vector<CommandId> Orvanta8::UnboundCommands() const {
  std::vector<CommandId> unbound;
  for (int i = 0; i < kCommandCount; ++i)
    if (!commands_[static_cast<std::size_t>(i)].handler)
      unbound.push_back(static_cast<CommandId>(i));
  return unbound;
}

void Orvanta8::SetHouseChangeHandler(std::function<bool()> handler) {
  houseChanged_ = std::move(handler);
}

void Orvanta8::SetExitHandler(std::function<void()> handler) { exit_ = std::move(handler); }

void Orvanta8::RunCommand(CommandId id) {
  // A copy, so a handler may rebind its own command.
  const std::function<void()> handler = Slot(id).handler;
  if (handler) handler();
}

void Orvanta8::UpdateEnabled() {
  for (int i = 0; i < kCommandCount; ++i) {
    const auto id = static_cast<CommandId>(i);
    bool allowed = true;
    switch (CommandEntry(id).gate) {
      case CommandGate::Always:
        break;
      case CommandGate::ChartsComputed:
        allowed = chartsComputed_;
        break;
      case CommandGate::SecondPersonChart:
        allowed = chartsComputed_ && secondPerson_;
        break;
    }
    Slot(id).action->setEnabled(allowed && static_cast<bool>(Slot(id).handler));
  }
}

void Orvanta8::ShowChartMenus() {
  chartsComputed_ = true;
  for (const MenuEntry& entry : MainMenuEntries())
    if (entry.shownAfterFirstChart) MenuAction(entry.menu)->setVisible(true);
  UpdateEnabled();
  // A window made narrower by hand than its menus grows back to show them,
  // as far as the screen has room.
  if (width() < FullMenuBarWidth()) {
    resize(FullMenuBarWidth(), height());
    KeepWhollyOnScreen(*this);
  }
}

void Orvanta8::SetSecondPerson(bool secondPerson) {
  secondPerson_ = secondPerson;
  for (const MenuEntry& entry : MainMenuEntries()) {
    if (entry.personCaption.empty()) continue;
    Slot(entry.id).action->setText(Q(secondPerson ? entry.personCaption : entry.caption));
  }
  UpdateEnabled();
}

HouseSystemCode Orvanta8::CheckedHouseSystem() const { return markedHouse_; }

void Orvanta8::CheckHouseSystem(HouseSystemCode system) {
  markedHouse_ = system;
  for (const MenuEntry& entry : MainMenuEntries())
    if (entry.house) Slot(entry.id).action->setChecked(entry.house == system);
}

void Orvanta8::mnuHouse_Click(HouseSystemCode system) {
  // By now the menu has flipped the chosen item's mark, so the marks no
  // longer say which system stood before: the window's own record does.
  // The computation reads the marked system, so it is marked first and the
  // one before marked again when the input is refused.
  const HouseSystemCode before = markedHouse_;
  CheckHouseSystem(system);
  if (houseChanged_ && !houseChanged_()) CheckHouseSystem(before);
}

void Orvanta8::mnuFileNewFil_Click() { MakeNewNamesFile(host_, workbench_.AppPath); }

void Orvanta8::mnuFileExit_Click() {
  if (exit_)
    exit_();
  else
    close();
}

void Orvanta8::closeEvent(QCloseEvent* event) {
  if (exit_) exit_();
  event->accept();
}

void Orvanta8::showEvent(QShowEvent* event) {
  Timer1_Timer();
  QMainWindow::showEvent(event);
}

double Orvanta8::DotsPerInch() const {
  const QScreen* on = screen();
  return on ? on->logicalDotsPerInchX() : kFallbackDotsPerInch;
}

int Orvanta8::CaptionHeight() const { return style()->pixelMetric(QStyle::PM_TitleBarHeight); }

int Orvanta8::FullMenuBarWidth() {
  std::vector<QAction*> hidden;
  for (QAction* menu : menus_) {
    if (menu->isVisible()) continue;
    hidden.push_back(menu);
    menu->setVisible(true);
  }
  const int width = menuBar()->sizeHint().width();
  for (QAction* menu : hidden) menu->setVisible(false);
  return width;
}

void Orvanta8::ApplySettingsGeometry(const SettingsValues& settings) {
  const double dpi = DotsPerInch();
  resize(std::max(TwipsToPixels(settings.MainWidth, dpi), FullMenuBarWidth()),
         std::max(TwipsToPixels(settings.MainHeight, dpi) - CaptionHeight(),
                  menuBar()->sizeHint().height()));
  // Wholly on the screen, title bar and all: on a screen narrower than the
  // menu bar, the menus past the window's end stay in the bar's extension.
  PlaceForOpening(
      *this, QPoint(TwipsToPixels(settings.MainLeft, dpi), TwipsToPixels(settings.MainTop, dpi)),
      true);
  placedBy_ = {settings.MainLeft, settings.MainTop, settings.MainWidth, settings.MainHeight};
}

void Orvanta8::ShowOnScreen() {
  show();
  WaitUntilOnScreen(*this);
  // The first window on screen is placed by an allowance for a frame the
  // window manager makes known only now: placed again by its own.
  if (placedBy_ && !FrameMargins(*this).isNull()) {
    SettingsValues settings;
    const auto [left, top, width, height] = *placedBy_;
    settings.MainLeft = left;
    settings.MainTop = top;
    settings.MainWidth = width;
    settings.MainHeight = height;
    ApplySettingsGeometry(settings);
    placedBy_.reset();
  }
  KeepWhollyOnScreen(*this);
}

void Orvanta8::RecordSettingsGeometry(SettingsValues& settings) const {
  const double dpi = DotsPerInch();
  const QPoint at = OuterGeometry(*this).topLeft();
  settings.MainLeft = static_cast<float>(PixelsToTwips(at.x(), dpi));
  settings.MainTop = static_cast<float>(PixelsToTwips(at.y(), dpi));
  settings.MainWidth = static_cast<float>(PixelsToTwips(width(), dpi));
  settings.MainHeight = static_cast<float>(PixelsToTwips(height() + CaptionHeight(), dpi));
}

QString Orvanta8::CaptionAt(const QString& prefix, const QDateTime& now, TimeFormatKind format) {
  const QDate d = now.date();
  const QTime t = now.time();
  const CivilDateTime when{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
  const char* clock = format == TimeFormatKind::TwentyFourHour ? "hh:nn:ss" : "h:nn:ss AM/PM";
  return prefix + Q(FormatDate(when, "dd mmm yyyy") + "     " + FormatDate(when, clock));
}

void Orvanta8::Timer1_Timer() {
  setWindowTitle(CaptionAt(Q(workbench_.Shell.CaptionPrefix), QDateTime::currentDateTime(),
                           workbench_.Regional.TimeFormat));
}

}  // namespace orv
