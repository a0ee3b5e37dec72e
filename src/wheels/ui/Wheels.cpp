#include "wheels/ui/Wheels.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Links.h"
#include "commands/Workbench.h"
#include "core/OptionNumbers.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "platform/qt/QtCanvas.h"
#include "shell/EditorFiles.h"
#include "shell/FileChooser.h"
#include "shell/OptionFiles.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/WindowMenuBar.h"
#include "wheels/AspectList.h"
#include "wheels/DualWheelInputs.h"
#include "wheels/WheelLayout.h"
#include "wheels/ui/CWAspect.h"
#include "wheels/ui/WheelPrinting.h"

namespace orv {

namespace {

constexpr double kFallbackDotsPerInch = 96;
constexpr int kSmallestSide = 120;  // pixels: a stored size never shrinks below

constexpr std::string_view kPrintQuestion =
    "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.";
constexpr std::string_view kPrintTitle = "Full page or half page chartwheel";
constexpr std::string_view kHelpFile = "WHEELS.HLP";

// The surface the wheel is painted on, below the menu bar.
class WheelView : public QWidget {
 public:
  WheelView(std::function<void(QPainter&, const QRect&)> paint,
            std::function<void(const QSize&)> resized, QWidget* parent)
      : QWidget(parent), paint_(std::move(paint)), resized_(std::move(resized)) {
    setObjectName("WheelView");
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter, rect());
  }
  void resizeEvent(QResizeEvent* event) override {
    resized_(size());
    QWidget::resizeEvent(event);
    update();
  }

 private:
  std::function<void(QPainter&, const QRect&)> paint_;
  std::function<void(const QSize&)> resized_;
};

}  // namespace

void WheelsLinks::RequireBound() const {
  RequireLinks("WheelsLinks", {{"bringMainForward", bool(bringMainForward)},
                               {"showHelp", bool(showHelp)},
                               {"editOrbFile", bool(editOrbFile)},
                               {"choosePrinter", bool(choosePrinter)},
                               {"twoRingClick", bool(twoRingClick)},
                               {"switchCharts", bool(switchCharts)}});
}

Wheels::Wheels(Workbench& workbench, Host& host, WheelsLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window), workbench_(workbench), host_(host), links_(std::move(links)) {
  setObjectName("Wheels");
  setWindowTitle(QString::fromStdString(workbench_.Shell.CaptionPrefix + "Chartwheels"));
  menuBar_ = new QMenuBar(this);
  menuBar_->installEventFilter(this);
  view_ = new WheelView([this](QPainter& p, const QRect& area) { PaintWheel(p, area); },
                        [this](const QSize& size) { ViewResized(size); }, this);
  // The labels grow and shrink with the wheel; smaller than this they would
  // be too small to read, so the window keeps a size at which they read.
  const DeviceSize legible = LegibleWheelArea(DotsPerInch());
  view_->setMinimumSize(legible.width, legible.height);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar_);
  layout->addWidget(view_);
  BuildMenuBar();
  ApplySettingsGeometry();
  if (workbench_.Wheel) LoadOrbTable(&host_, workbench_.Wheel->OrbFile);
}

void Wheels::BuildMenuBar() {
  using W = WheelsWindowItem;
  commands_ = BuildWindowMenuBar<WheelsWindowItem, kWheelsWindowItemCount>(
      *menuBar_, WheelsWindowMenu(), *this, [this](WheelsWindowItem id) { Run(id); });
  // The keys work wherever the focus is in the window.
  for (const WindowMenuEntry<WheelsWindowItem>& entry : WheelsWindowMenu())
    if (!entry.shortcut.empty()) addAction(Command(entry.id));
  Command(W::OptionDisplaySextiles)->setChecked(true);

  // Switch exchanges the charts of the combined arrangement only.
  Command(W::Switch)->setVisible(workbench_.Wheel && workbench_.Wheel->WheelKind == 2 &&
                                 workbench_.Wheel->DualWheelShown == 0);

  // The chart type belongs to the wheels of one chart.
  const bool oneChart = workbench_.Wheel && workbench_.Wheel->WheelKind == 1;
  Command(W::TypeMenu)->setVisible(oneChart);
  Command(W::TypeAmerican)->setEnabled(oneChart);
  Command(W::TypeEuropean)->setEnabled(oneChart);
  Command(W::TypeAmerican)->setChecked(workbench_.Settings.TypeChart == 0);
  Command(W::TypeEuropean)->setChecked(workbench_.Settings.TypeChart != 0);
}

QAction* Wheels::Command(WheelsWindowItem id) const {
  return commands_[static_cast<std::size_t>(id)];
}

void Wheels::Run(WheelsWindowItem id) {
  using W = WheelsWindowItem;
  switch (id) {
    case W::OrbsMenu:
    case W::OptionsMenu:
    case W::TypeMenu:
      return;
    case W::Aspects:
      return mnuAspects_Click();
    case W::OrbsChange:
      return mnuOrbsChange_Click();
    case W::OrbsEdit:
      return mnuOrbsEdit_Click();
    case W::OptionAspectLines:
      return mnuOptionAspectLines_Click();
    case W::OptionDisplaySextiles:
      return mnuOptionDisplaySextiles_Click();
    case W::Options230Toggle:
      return mnuOptions230Toggle_Click();
    case W::PrintChartwheel:
      return mnuPrintChartwheel_Click();
    case W::Switch:
      return mnuSwitch_Click();
    case W::TypeAmerican:
      return mnuCTAmerican_Click();
    case W::TypeEuropean:
      return mnuCTEuropean_Click();
    case W::Help:
      return mnuHelp_Click();
  }
}

double Wheels::DotsPerInch() const {
  const QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
  return on ? on->logicalDotsPerInchX() : kFallbackDotsPerInch;
}

void Wheels::ApplySettingsGeometry() {
  const SettingsValues& s = workbench_.Settings;
  const double dpi = DotsPerInch();
  QRect want(TwipsToPixels(s.WheelsLeft, dpi), TwipsToPixels(s.WheelsTop, dpi),
             TwipsToPixels(s.WheelsWidth, dpi), TwipsToPixels(s.WheelsHeight, dpi));
  // With no size of its own stored, the wheel itself gets the opening area,
  // the menu bar above it.
  if (const SettingsValues fresh;
      s.WheelsWidth == fresh.WheelsWidth && s.WheelsHeight == fresh.WheelsHeight) {
    const DeviceSize area = WheelOpeningArea(dpi);
    want.setSize(QSize(area.width, area.height + menuBar_->sizeHint().height()));
  }
  const QScreen* on = QGuiApplication::screenAt(want.center());
  if (!on) on = QGuiApplication::primaryScreen();
  if (on) {
    // Shrunk as a whole onto the free area, frame and all, whatever a wider
    // desktop once stored, so the wheel keeps its proportions.
    const QSize free = on->availableGeometry().size() - (OuterGeometry(*this).size() - size());
    const double fit = std::min({1.0, double(free.width()) / std::max(1, want.width()),
                                 double(free.height()) / std::max(1, want.height())});
    want.setSize(QSize(std::max(kSmallestSide, int(want.width() * fit)),
                       std::max(kSmallestSide, int(want.height() * fit))));
  }
  resize(want.size());
  const SettingsValues byDefault;
  PlaceAtRememberedPlace(
      *this, want.topLeft(),
      QPoint(TwipsToPixels(byDefault.WheelsLeft, dpi), TwipsToPixels(byDefault.WheelsTop, dpi)),
      workbench_.WheelWindow.OpenedAt);
}

void Wheels::RecordSettingsGeometry() {
  if (isMinimized()) return;
  SettingsValues& s = workbench_.Settings;
  const double dpi = DotsPerInch();
  const SettingsValues byDefault;
  const QPoint at = RememberedPlace(
      *this,
      QPoint(TwipsToPixels(byDefault.WheelsLeft, dpi), TwipsToPixels(byDefault.WheelsTop, dpi)),
      workbench_.WheelWindow.OpenedAt);
  s.WheelsLeft = PixelsToTwips(at.x(), dpi);
  s.WheelsTop = PixelsToTwips(at.y(), dpi);
  s.WheelsWidth = PixelsToTwips(width(), dpi);
  s.WheelsHeight = PixelsToTwips(height(), dpi);
}

WheelPaintInputs Wheels::PaintInputs(std::optional<OrbTable>& orbs) const {
  WheelPaintInputs in;
  if (!workbench_.Wheel) return in;
  in.request = &*workbench_.Wheel;
  in.options = &workbench_.Options;
  in.radiusTable = &workbench_.Tables.RadiusTable;
  in.hcDataTable = &workbench_.Tables.HcDataTable;
  in.typeChart = workbench_.Settings.TypeChart;
  // Read again for each paint, so saved edits of the orb file show; quietly,
  // since a missing file was reported when the window opened.
  orbs = LoadOrbTable(nullptr, workbench_.Wheel->OrbFile);
  in.orbs = orbs ? &*orbs : nullptr;
  in.lineTests.threeDegreeWindows = workbench_.WheelWindow.ThreeDegreeWheelOrbs != 0;
  in.lineTests.sextiles = displaySextiles_;
  return in;
}

void Wheels::PaintWheel(QPainter& painter, const QRect& area) {
  if (!workbench_.Wheel) {
    painter.fillRect(area, Qt::white);
    return;
  }
  QtCanvas canvas(painter, QRectF(area));
  std::optional<OrbTable> orbs;
  PaintWheelWindow(canvas, PaintInputs(orbs), workbench_.Settings.StartScale, paint_);
}

void Wheels::ViewResized(const QSize& size) {
  if (const auto scale = StartScaleFor(size.width(), size.height()))
    workbench_.Settings.StartScale = static_cast<std::int16_t>(*scale);
}

void Wheels::Repaint() { view_->update(); }

void Wheels::ShowMoved() {
  if (CWAspect* open = aspectList_.data()) {
    aspectList_ = nullptr;
    open->close();  // deletes it
  }
  Repaint();
}

void Wheels::mnuAspects_Click() {
  if (CWAspect* open = aspectList_.data()) {
    aspectList_ = nullptr;
    open->close();  // deletes it
  }
  if (!workbench_.Wheel) return;
  BusyCursor busy(host_);
  const std::optional<OrbTable> orbs = LoadOrbTable(&host_, workbench_.Wheel->OrbFile);
  if (!orbs) return;
  aspectList_ = new CWAspect(
      AspectListLines(WheelAspectListInputs(*workbench_.Wheel, workbench_.Options), *orbs), this);
  aspectList_->setAttribute(Qt::WA_DeleteOnClose);
  PlaceNewWindow(*aspectList_);
  aspectList_->show();
}

void Wheels::mnuOrbsChange_Click() {
  if (!workbench_.Wheel) return;
  std::filesystem::path& orbFile = workbench_.Wheel->OrbFile;
  const std::filesystem::path start =
      orbFile.empty() ? workbench_.AppPath / std::string(kNatalOrbFileName) : orbFile;
  const std::string chosen = SelectFile(host_, workbench_.AppPath, start, kOrbFilePattern);
  if (chosen.empty()) return;
  orbFile = chosen;
  workbench_.OrbFile = orbFile;
  mnuAspects_Click();
  Repaint();
}

void Wheels::mnuOrbsEdit_Click() {
  if (workbench_.Wheel) workbench_.OrbFile = workbench_.Wheel->OrbFile;
  if (links_.editOrbFile) links_.editOrbFile();
}

void Wheels::mnuOptionAspectLines_Click() {
  int& fixed = workbench_.WheelWindow.ThreeDegreeWheelOrbs;
  fixed = fixed == 0 ? 1 : 0;
  Command(WheelsWindowItem::OptionAspectLines)->setChecked(fixed == 1);
  Repaint();
}

void Wheels::mnuOptionDisplaySextiles_Click() {
  displaySextiles_ = !displaySextiles_;
  Command(WheelsWindowItem::OptionDisplaySextiles)->setChecked(displaySextiles_);
  Repaint();
}

void Wheels::mnuOptions230Toggle_Click() {
  // In memory only: the option file keeps its value.
  float& option = workbench_.Options[OptionNumber::TransitsVsNatalAspectLines];
  option = option == 0 ? 1.0f : 0.0f;
  Repaint();
}

void Wheels::mnuPrintChartwheel_Click() {
  if (!workbench_.Wheel) return;
  const Answer answer = host_.ShowMessage(kPrintQuestion, kPrintTitle, MessageIcon::Question,
                                          MessageButtons::YesNoCancel);
  if (answer != Answer::Yes && answer != Answer::No) return;
  QPrinter printer(QPrinter::HighResolution);
  OfferPdfWhenNoPrinter(printer, workbench_.AppPath, kWheelPdfName);
  if (!links_.choosePrinter || !links_.choosePrinter(printer)) return;
  BusyCursor busy(host_);
  std::optional<OrbTable> orbs;
  const WheelPaintInputs in = PaintInputs(orbs);
  const std::filesystem::path appPath = workbench_.AppPath;
  const auto personalHeader = [appPath]() {
    return ReadTextLines(ResolveInFolder(appPath, kPersonalHeaderFileName));
  };
  if (!PrintWheelPage(printer, in,
                      answer == Answer::Yes ? WheelPrintKind::FullPage : WheelPrintKind::HalfPage,
                      personalHeader, &printPaint_))
    ReportPrinterNotStarted(host_);
  // The wheel printed and shown keeps its order; the next combined wheel
  // (Switch, a step of the moment) starts from the unswitched one.
  if (answer == Answer::Yes) workbench_.DualChoices.WheelsSwitched = 0;
}

void Wheels::SetTypeChart(int typeChart) {
  BusyCursor busy(host_);
  Command(WheelsWindowItem::TypeAmerican)->setChecked(typeChart == 0);
  Command(WheelsWindowItem::TypeEuropean)->setChecked(typeChart != 0);
  workbench_.Settings.TypeChart = static_cast<std::int16_t>(typeChart);
  Repaint();
}

void Wheels::mnuSwitch_Click() {
  if (!links_.switchCharts) return;
  // The window is made anew by the switch, after this command.
  QTimer::singleShot(0, this, links_.switchCharts);
}

void Wheels::mnuCTAmerican_Click() { SetTypeChart(0); }
void Wheels::mnuCTEuropean_Click() { SetTypeChart(1); }

void Wheels::mnuHelp_Click() {
  if (links_.showHelp) links_.showHelp(kHelpFile);
}

void Wheels::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    EscToMainWindow();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool Wheels::eventFilter(QObject* watched, QEvent* event) {
  // A menu closed with Esc leaves its title marked and the keyboard with the
  // menu bar, which keeps it, with no other widget here to hand it back to,
  // and takes every later Esc. Esc there brings the main window forward, as
  // anywhere else in the window.
  if (watched == menuBar_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    EscToMainWindow();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void Wheels::EscToMainWindow() {
  // The menu bar unmarks a title left marked (a menu closed with Esc, or
  // Right from a menu onto a command of the bar) on an Esc of its own, given
  // past this window's filter; then it lets the keyboard go.
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  static_cast<QObject*>(menuBar_)->event(&esc);
  menuBar_->clearFocus();
  if (links_.bringMainForward) links_.bringMainForward();
}

void Wheels::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton && links_.bringMainForward) links_.bringMainForward();
  if (event->button() == Qt::LeftButton && links_.twoRingClick && workbench_.Wheel &&
      workbench_.Wheel->WheelKind == 2 && workbench_.Wheel->DualWheelShown == 1) {
    // The window is made anew after this click, not inside it.
    QTimer::singleShot(0, this, links_.twoRingClick);
    event->accept();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

void Wheels::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) RecordSettingsGeometry();
  QWidget::changeEvent(event);
}

void Wheels::closeEvent(QCloseEvent* event) {
  RecordSettingsGeometry();
  QWidget::closeEvent(event);
}

}  // namespace orv
