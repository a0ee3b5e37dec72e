#pragma once
// The data window: every text listing's page in a read-only fixed-pitch
// view, with saving, fonts, clearing, printing and the transit day commands.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "commands/DataWindowCommands.h"
#include "core/NumberFile.h"
#include "shell/DataWindowMenu.h"
#include "shell/OutputBuffer.h"
#include "shell/ui/PageView.h"
#include "shell/ui/PrntFile.h"

class QAction;

namespace orv {

class Host;
struct Workbench;

// What the data window asks of the rest of the program. A link left empty
// makes the command that needs it do nothing (tests leave some so); the
// program binds every one, as `RequireBound` checks.
struct DataWindowLinks {
  // The natal person's name, from which Save As proposes a file name.
  std::function<std::string()> PersonName;
  // Appends the transit interpretations of `TransitListDay` to the page and
  // advances the day (the More menu's commands list the day through it).
  std::function<void()> ListTransitInterps;
  // Shows the new-date window, whose OK sets `TransitListDay`.
  std::function<void()> ChooseNewDate;
  // Brings the main window to the front (Esc or a right click in the text).
  std::function<void()> BringMainWindowForward;
  // Picks the printer for the print window; empty: the print dialog.
  PrinterChooser ChoosePrinter;

  // Throws std::logic_error naming the first link left unbound;
  // `ChoosePrinter` may stay empty.
  void RequireBound() const;
};

class OutputD1 : public QMainWindow, public OutputView {
  Q_OBJECT

 public:
  // `settings` gives the window its geometry and font and receives every
  // change of them; `fontStep` is the start-up font step (1.5 or 1.2).
  OutputD1(Workbench& workbench, const OptionValues& options, Host& host,
           DataWindowSettings& settings, double fontStep, DataWindowLinks links,
           QWidget* parent = nullptr);
  ~OutputD1() override;

  void ShowPage(SharedPage page, bool moreMenuShown) override;
  // The same, brought forward (and given the focus) or not; a minimised
  // window that is not brought forward stays minimised.
  void ShowPage(SharedPage page, bool moreMenuShown, bool toFront);

  PageView* RichText1() const { return text_; }
  // The action of menu or command `id` of the window's menu bar.
  QAction* Action(DataWindowItem id) const;
  // The open print window, if any.
  PrntFile* PrintWindow() const { return printWindow_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void Run(DataWindowItem id);
  void ApplyGeometry();
  // Places the window, shown anew, at the user's place or where it opens
  // by default, kept on the screen and clear of the input windows.
  void PlaceForShowing();
  void StoreGeometry();
  void ApplyFont();
  void SetMoreMenuVisible(bool visible);

  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFontsIncrease_Click();
  void mnuFontsDecrease_Click();
  void mnuFontsBold_Click();
  void mnuFontsItalic_Click();
  void mnuClearBuffer_Click();
  void mnuPrint_Click();
  void mnuPrintData_Click();
  void mnuMoreZForward_Click();
  void mnuMoreBackward_Click();
  void mnuMoreNewDate_Click();
  void mnuHelp_Click();
  void OpenPrintWindow();
  std::string PersonName() const;

  Workbench& workbench_;
  const OptionValues& options_;
  Host& host_;
  DataWindowSettings& settings_;
  double fontStep_;
  DataWindowLinks links_;
  bool formLoading_ = false;

  PageView* text_ = nullptr;
  std::array<QAction*, kDataWindowItemCount> actions_{};
  QPointer<PrntFile> printWindow_;
};

// The data window's slot: creates the window on first use, again after it
// was closed, and keeps its settings while no window exists. Producers show
// their pages through it.
class DataWindowSlot final : public OutputView {
 public:
  DataWindowSlot(Workbench& workbench, const OptionValues& options, Host& host,
                 DataWindowSettings settings, double fontStep, DataWindowLinks links);
  ~DataWindowSlot() override;
  DataWindowSlot(const DataWindowSlot&) = delete;
  DataWindowSlot& operator=(const DataWindowSlot&) = delete;

  void ShowPage(SharedPage page, bool moreMenuShown) override;
  // While set, a page is shown without bringing the window forward: a step
  // of the wheel's moment lists the charts anew, and the wheel keeps the
  // focus, so a stepping key held down keeps stepping.
  void KeepBehind(bool behind) { keepBehind_ = behind; }

  // The window, created when there is none.
  OutputD1& Window();
  bool HasWindow() const { return !window_.isNull(); }
  // Closes (unloads) the window.
  void Close();
  // Geometry and font as they are now, for the settings file.
  const DataWindowSettings& Settings() const { return settings_; }

 private:
  Workbench& workbench_;
  const OptionValues& options_;
  Host& host_;
  DataWindowSettings settings_;
  double fontStep_;
  DataWindowLinks links_;
  QPointer<OutputD1> window_;
  bool keepBehind_ = false;
};

}  // namespace orv
