#pragma once
// The wheel window `Wheels`: a top-level, modeless window that paints the
// wheel the last Wheels command prepared, scaled to its size, under its own
// menu bar (Aspects, Orbs, Options, Print, Switch, Type, Help). Its place and size
// come from the settings and go back to them when it loses the activation
// and when it closes. Each wheel command makes the window anew, so its check
// marks start afresh and its aspect list closes with it.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/NumberFile.h"
#include "shell/ui/PrntFile.h"
#include "wheels/WheelPaint.h"
#include "wheels/WheelsWindowMenu.h"
#include "wheels/ui/CWAspect.h"

class QAction;
class QMenuBar;
class QPainter;

namespace orv {

class Host;
struct Workbench;

// What the wheel window asks of the rest of the program.
struct WheelsLinks {
  std::function<void()> bringMainForward;               // Esc and a right click
  std::function<void(std::string_view file)> showHelp;  // a help text in the data window
  std::function<void()> editOrbFile;                    // the orb editor on `OrbFile`
  PrinterChooser choosePrinter;                         // the print dialog
  // A left click on the two-ring wheel: flip option 44, show the wheel anew.
  std::function<void()> twoRingClick;
  // Switch: the combined wheel anew with its charts exchanged or restored.
  std::function<void()> switchCharts;

  // Throws std::logic_error naming the first link left unbound.
  void RequireBound() const;
};

class Wheels : public QWidget {
  Q_OBJECT

 public:
  // Shows `workbench.Wheel`. Its orb file is read now: a missing one is
  // reported once, here, and the wheel is drawn without aspect lines.
  Wheels(Workbench& workbench, Host& host, WheelsLinks links, QWidget* parent = nullptr);

  // The window's place and size from the settings (twips at the screen's
  // dots per inch), kept on the screen's free area; and back.
  void ApplySettingsGeometry();
  void RecordSettingsGeometry();

  // The menu bar; a menu placed before "&Aspects"
  // (`Command(WheelsWindowItem::Aspects)`) comes first.
  QMenuBar* MenuBar() const { return menuBar_; }
  // The action of menu or command `id` of the window's own menus.
  QAction* Command(WheelsWindowItem id) const;
  // The open aspect list, if any.
  CWAspect* AspectList() const { return aspectList_.data(); }

  // The paint inputs of the wheel shown, with the orbs read into `orbs`
  // (none: a file that cannot be read).
  WheelPaintInputs PaintInputs(std::optional<OrbTable>& orbs) const;
  // Repaints the wheel now.
  void Repaint();
  // The same wheel of charts moved to another moment, in this window, which
  // keeps its place and the focus; an aspect list of the old moment closes.
  void ShowMoved();

  void mnuAspects_Click();
  void mnuOrbsChange_Click();
  void mnuOrbsEdit_Click();
  void mnuOptionAspectLines_Click();
  void mnuOptionDisplaySextiles_Click();
  void mnuOptions230Toggle_Click();
  void mnuPrintChartwheel_Click();
  void mnuSwitch_Click();
  void mnuCTAmerican_Click();
  void mnuCTEuropean_Click();
  void mnuHelp_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenuBar();
  // Esc anywhere in the window: the menu bar lets go, the main window comes
  // forward.
  void EscToMainWindow();
  void Run(WheelsWindowItem id);
  void PaintWheel(QPainter& painter, const QRect& area);
  void ViewResized(const QSize& size);
  void SetTypeChart(int typeChart);
  double DotsPerInch() const;

  Workbench& workbench_;
  Host& host_;
  WheelsLinks links_;
  QMenuBar* menuBar_ = nullptr;
  QWidget* view_ = nullptr;
  std::array<QAction*, kWheelsWindowItemCount> commands_{};
  QPointer<CWAspect> aspectList_;
  // The check mark of "&Display sextiles", which the aspect lines obey.
  bool displaySextiles_ = true;
  // What the paints in the window and on paper keep between them: a repaint
  // of the same wheel at the same size draws the plan it fitted.
  WheelPaint paint_, printPaint_;
};

}  // namespace orv
