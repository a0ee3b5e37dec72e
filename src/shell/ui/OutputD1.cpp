#include "shell/ui/OutputD1.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <cmath>
#include <utility>

#include "base/Links.h"
#include "commands/Workbench.h"
#include "core/ChartTime.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "shell/SettingsFile.h"
#include "shell/ui/FixedPitchFont.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/WindowMenuBar.h"

namespace orv {

namespace {

constexpr std::string_view kHelpFile = "\\OUTPUTD1.HLP";
constexpr std::string_view kNoFixedPitchFont =
    "No fixed-pitch font was found, so the columns of the listings will not line up. Please "
    "install one, for example the Debian package fonts-dejavu-core (as root: apt-get install "
    "fonts-dejavu-core), and start Orvanta8 again.";

}  // namespace

void DataWindowLinks::RequireBound() const {
  RequireLinks("DataWindowLinks", {{"PersonName", bool(PersonName)},
                                   {"ListTransitInterps", bool(ListTransitInterps)},
                                   {"ChooseNewDate", bool(ChooseNewDate)},
                                   {"BringMainWindowForward", bool(BringMainWindowForward)}});
}

OutputD1::OutputD1(Workbench& workbench, const OptionValues& options, Host& host,
                   DataWindowSettings& settings, double fontStep, DataWindowLinks links,
                   QWidget* parent)
    : QMainWindow(parent),
      workbench_(workbench),
      options_(options),
      host_(host),
      settings_(settings),
      fontStep_(fontStep),
      links_(std::move(links)) {
  setObjectName("OutputD1");
  text_ = new PageView(this);
  text_->setObjectName("RichText1");
  text_->setContextMenuPolicy(Qt::NoContextMenu);
  text_->installEventFilter(this);
  text_->viewport()->installEventFilter(this);
  setCentralWidget(text_);
  BuildMenus();

  ApplyGeometry();
  SetMoreMenuVisible(false);
  ApplyFont();
  if (!IsFixedPitch(text_->font())) {
    host_.ShowMessage(kNoFixedPitchFont, kTitleInformationBang, MessageIcon::Exclamation);
  }
}

OutputD1::~OutputD1() = default;

void OutputD1::BuildMenus() {
  actions_ = BuildWindowMenuBar<DataWindowItem, kDataWindowItemCount>(
      *menuBar(), DataWindowMenu(), *this, [this](DataWindowItem id) { Run(id); });
}

QAction* OutputD1::Action(DataWindowItem id) const {
  return actions_[static_cast<std::size_t>(id)];
}

void OutputD1::Run(DataWindowItem id) {
  using D = DataWindowItem;
  switch (id) {
    case D::FileMenu:
    case D::FontMenu:
    case D::MoreMenu:
      return;
    case D::FileSave:
      return mnuFileSave_Click();
    case D::FileSaveAs:
      return mnuFileSaveAs_Click();
    case D::FontIncrease:
      return mnuFontsIncrease_Click();
    case D::FontDecrease:
      return mnuFontsDecrease_Click();
    case D::FontBold:
      return mnuFontsBold_Click();
    case D::FontItalic:
      return mnuFontsItalic_Click();
    case D::ClearAllData:
      return mnuClearBuffer_Click();
    case D::PrintPage:
      return mnuPrint_Click();
    case D::PrintData:
      return mnuPrintData_Click();
    case D::MoreForward:
      return mnuMoreZForward_Click();
    case D::MoreBackward:
      return mnuMoreBackward_Click();
    case D::MoreNewDate:
      return mnuMoreNewDate_Click();
    case D::Help:
      return mnuHelp_Click();
  }
}

void OutputD1::ApplyGeometry() {
  const double dpi = logicalDpiX();
  auto pixels = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
  WindowPlace place{pixels(settings_.DataLeft), pixels(settings_.DataTop),
                    pixels(settings_.DataWidth), pixels(settings_.DataHeight)};
  if (const QScreen* on = screen()) {
    const QRect area = on->availableGeometry();
    place = KeepWithinScreen(place, {area.x(), area.y(), area.width(), area.height()});
  }
  formLoading_ = true;
  resize(place.width, place.height);
  move(place.left, place.top);
  formLoading_ = false;
}

void OutputD1::PlaceForShowing() {
  const double dpi = logicalDpiX();
  const DataWindowSettings byDefault;
  auto pixels = [dpi](int left, int top) {
    return QPoint(TwipsToPixels(left, dpi), TwipsToPixels(top, dpi));
  };
  PlaceAtRememberedPlace(*this, pixels(settings_.DataLeft, settings_.DataTop),
                         pixels(byDefault.DataLeft, byDefault.DataTop), settings_.OpenedAt);
}

void OutputD1::StoreGeometry() {
  if (formLoading_ || isMinimized() || isMaximized()) return;
  const double dpi = logicalDpiX();
  auto twips = [dpi](int pixels) { return PixelsToTwips(pixels, dpi); };
  // Moves come before the window manager's frame is known as well.
  const DataWindowSettings byDefault;
  const QPoint at = RememberedPlace(
      *this, QPoint(TwipsToPixels(byDefault.DataLeft, dpi), TwipsToPixels(byDefault.DataTop, dpi)),
      settings_.OpenedAt);
  settings_.DataLeft = twips(at.x());
  settings_.DataTop = twips(at.y());
  settings_.DataWidth = twips(width());
  settings_.DataHeight = twips(height());
}

void OutputD1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  StoreGeometry();
}

void OutputD1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  StoreGeometry();
}

void OutputD1::ApplyFont() {
  // Qt lays the shown text out again in the new font: re-rendering never
  // touches the buffer.
  text_->setFont(FixedPitchFont(settings_.FontSize, settings_.FontBold, settings_.FontItalic));
  using D = DataWindowItem;
  Action(D::FontBold)->setChecked(settings_.FontBold);
  Action(D::FontItalic)->setChecked(settings_.FontItalic);
  Action(D::FontIncrease)->setEnabled(CanIncreaseFontSize(settings_.FontSize));
  Action(D::FontDecrease)->setEnabled(CanDecreaseFontSize(settings_.FontSize));
}

void OutputD1::SetMoreMenuVisible(bool visible) {
  // A hidden command must not answer its shortcut either.
  using D = DataWindowItem;
  Action(D::MoreMenu)->setVisible(visible);
  for (const D item : {D::MoreForward, D::MoreBackward, D::MoreNewDate})
    Action(item)->setEnabled(visible);
  Action(D::MoreNewDate)->setVisible(visible);
}

void OutputD1::ShowPage(SharedPage page, bool moreMenuShown) {
  ShowPage(std::move(page), moreMenuShown, true);
}

void OutputD1::ShowPage(SharedPage page, bool moreMenuShown, bool toFront) {
  text_->SetPage(std::move(page));
  SetMoreMenuVisible(moreMenuShown);
  setWindowTitle(QString::fromStdString(SetTitleText() + "Data"));
  if (isMinimized()) {
    // A page that stays behind waits in the minimised window: brought back,
    // it would come up over the window the user works in.
    if (toFront) showNormal();
  } else if (!isVisible()) {
    PlaceForShowing();
    if (toFront) {
      setAttribute(Qt::WA_ShowWithoutActivating, false);
      show();
    } else {
      ShowBehindTheActiveWindow(*this);
    }
  }
  if (!toFront) return;
  raise();
  activateWindow();
}

bool OutputD1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    if (links_.BringMainWindowForward) links_.BringMainWindowForward();
    return true;
  }
  if (watched == text_->viewport() && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    if (links_.BringMainWindowForward) links_.BringMainWindowForward();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

std::string OutputD1::PersonName() const {
  return links_.PersonName ? links_.PersonName() : std::string();
}

void OutputD1::mnuFileSave_Click() {
  SaveOutput(workbench_.Output, options_, workbench_.AppPath, PersonName(), host_);
}

void OutputD1::mnuFileSaveAs_Click() {
  SaveOutputAs(workbench_.Output, options_, workbench_.AppPath, PersonName(), host_);
}

void OutputD1::mnuFontsIncrease_Click() {
  settings_.FontSize = IncreasedFontSize(settings_.FontSize, fontStep_);
  ApplyFont();
}

void OutputD1::mnuFontsDecrease_Click() {
  settings_.FontSize = DecreasedFontSize(settings_.FontSize, fontStep_);
  ApplyFont();
}

void OutputD1::mnuFontsBold_Click() {
  settings_.FontBold = !settings_.FontBold;
  ApplyFont();
}

void OutputD1::mnuFontsItalic_Click() {
  settings_.FontItalic = !settings_.FontItalic;
  ApplyFont();
}

void OutputD1::mnuClearBuffer_Click() { ClearAllData(workbench_.Output, host_); }

void OutputD1::mnuPrint_Click() {
  if (SpoolOutputPage(workbench_.Output, workbench_.AppPath, host_)) OpenPrintWindow();
}

void OutputD1::mnuPrintData_Click() {
  if (SpoolOutputData(workbench_.Output, workbench_.AppPath, host_)) OpenPrintWindow();
}

void OutputD1::OpenPrintWindow() {
  // A print window still open shows an older spool file: replace it.
  if (printWindow_) {
    printWindow_->close();
    printWindow_->deleteLater();
  }
  PrinterChooser choose = links_.ChoosePrinter;
  if (!choose)
    choose = [this](QPrinter& printer) { return ChoosePrinterWithDialog(printer, this); };
  auto* window = new PrntFile(workbench_.AppPath, options_, host_, std::move(choose), this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (!window->Load()) {
    window->deleteLater();
    return;
  }
  printWindow_ = window;
  window->show();
}

void OutputD1::mnuMoreZForward_Click() {
  if (!links_.ListTransitInterps) return;
  BusyCursor busy(host_);
  BeginOutputPage(workbench_.Output);
  links_.ListTransitInterps();
  ShowOutputPage(workbench_.Output, workbench_.AppPath, host_, *this);
}

void OutputD1::mnuMoreBackward_Click() {
  if (!links_.ListTransitInterps) return;
  workbench_.Charts.TransitListDay -= 2.0;
  mnuMoreZForward_Click();
}

void OutputD1::mnuMoreNewDate_Click() {
  if (!links_.ListTransitInterps || !links_.ChooseNewDate) return;
  links_.ChooseNewDate();
  mnuMoreZForward_Click();
}

void OutputD1::mnuHelp_Click() {
  ShowHelpFile(workbench_.Output, workbench_.AppPath, kHelpFile, host_, *this);
}

DataWindowSlot::DataWindowSlot(Workbench& workbench, const OptionValues& options, Host& host,
                               DataWindowSettings settings, double fontStep, DataWindowLinks links)
    : workbench_(workbench),
      options_(options),
      host_(host),
      settings_(settings),
      fontStep_(fontStep),
      links_(std::move(links)) {}

DataWindowSlot::~DataWindowSlot() { delete window_.data(); }

OutputD1& DataWindowSlot::Window() {
  if (!window_) {
    window_ = new OutputD1(workbench_, options_, host_, settings_, fontStep_, links_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
  }
  return *window_;
}

void DataWindowSlot::Close() {
  // The slot lets go at once: Qt deletes the closed window only later, and a
  // page shown before then must reach a new window, not the dying one.
  if (OutputD1* closing = window_.data()) {
    window_ = nullptr;
    closing->close();
  }
}

void DataWindowSlot::ShowPage(SharedPage page, bool moreMenuShown) {
  Window().ShowPage(std::move(page), moreMenuShown, !keepBehind_);
}

}  // namespace orv
