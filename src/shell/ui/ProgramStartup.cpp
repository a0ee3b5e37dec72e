#include "shell/ui/ProgramStartup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <filesystem>

#include "commands/Workbench.h"
#include "platform/Host.h"
#include "shell/OptionFiles.h"
#include "shell/SettingsFile.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/SystemRegionalOrder.h"
#include "shell/ui/Title.h"

namespace orv {

namespace {

// The screen's width in pixels and its twips per pixel in x.
struct ScreenMetrics {
  int pixelWidth = 1024;
  double twipsPerPixelX = 15;
};

ScreenMetrics PrimaryScreenMetrics() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->geometry().width(), TwipsPerPixel(screen->logicalDotsPerInchX())};
}

}  // namespace

ProgramStartup::ProgramStartup(Workbench& workbench, Host& host, Orvanta8& mainWindow,
                               StartupHooks hooks)
    : workbench_(workbench), host_(host), main_(mainWindow), hooks_(std::move(hooks)) {
  main_.SetExitHandler([this] { ShutDown(); });
}

ProgramStartup::~ProgramStartup() {
  main_.SetExitHandler({});
  if (title_) delete title_.data();
  RemoveGlyphFont();
}

void ProgramStartup::Begin() {
  // Between the title window and the main window no window is open; the
  // program ends by its Exit command only.
  QApplication::setQuitOnLastWindowClosed(false);

  title_ = new Title;
  connect(
      title_, &Title::Continued, this,
      [this] {
        continueChosen_ = true;
        if (tablesLoaded_) ContinueAfterTitle();
      },
      Qt::QueuedConnection);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect place(QPoint(), title_->sizeHint());
    place.moveCenter(screen->availableGeometry().center());
    title_->move(place.topLeft());
  }
  title_->show();
  title_->repaint();
  QCoreApplication::processEvents();

  // The title shows at once, even while a first start fills the folder.
  if (hooks_.ReadyProgramFolder && !hooks_.ReadyProgramFolder()) {
    delete title_.data();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    return;
  }
  // Nothing in the program draws random numbers, so there is nothing to seed.
  PrepareStartup(workbench_.Shell, workbench_.Options, host_, workbench_.AppPath);
  InstallGlyphFont();

  if (hooks_.LoadDataTables) hooks_.LoadDataTables();
  tablesLoaded_ = true;
  if (title_) title_->ShowContinue();
  if (continueChosen_) ContinueAfterTitle();
}

Title* ProgramStartup::TitleWindow() const { return title_; }

void ProgramStartup::ContinueAfterTitle() {
  if (opened_) return;
  opened_ = true;
  {
    BusyCursor busy(host_);
    ReadSettingsIni(workbench_.AppPath, workbench_.Settings);
    workbench_.Regional = ReadSystemRegionalOrder();
    const ScreenMetrics screen = PrimaryScreenMetrics();
    workbench_.Shell.AtlasPresent = hooks_.AtlasPresent && hooks_.AtlasPresent();
    const ScreenFit fit = FitToScreen(screen.pixelWidth, screen.twipsPerPixelX);
    workbench_.Shell.ScreenRefWidth = fit.ScreenRefWidth;
    workbench_.Shell.FontStep = fit.FontStep;
    workbench_.OrbFile = NatalOrbFile(workbench_.AppPath);
    main_.CheckHouseSystem(HouseSystemAtStart(workbench_.Options));
    // The composite and synastry commands wait for a second person and the
    // chart commands for a calculation; the main window starts that way.
    main_.ApplySettingsGeometry(workbench_.Settings);
    main_.show();
    WaitUntilOnScreen(main_);
    if (hooks_.ShowChartInputWindows) hooks_.ShowChartInputWindows();
    if (TipOfTheDayAtStart(workbench_.Options) && hooks_.ShowTipOfTheDay) hooks_.ShowTipOfTheDay();
  }
  CreateReportFolders(workbench_.AppPath);
  emit Opened();
}

void ProgramStartup::ShutDown() {
  if (ended_) return;
  ended_ = true;
  RemoveGlyphFont();
  if (hooks_.CollectSettings) hooks_.CollectSettings();
  main_.RecordSettingsGeometry(workbench_.Settings);
  WriteSettingsIni(host_, workbench_.AppPath, workbench_.Settings);
  emit Ended();
}

void ProgramStartup::InstallGlyphFont() {
  const std::filesystem::path font = GlyphFontPath(workbench_.AppPath);
  std::error_code absent;
  if (!std::filesystem::is_regular_file(font, absent)) return;
  // Without the font the wheels draw with a fallback; start-up goes on.
  const QString file = QString::fromStdString(font.string());
  glyphFontId_ = QFontDatabase::addApplicationFont(file);
  if (glyphFontId_ >= 0) return;
  // A damaged font would leave every wheel a row of empty boxes; the
  // shipped one takes its place, which also lets later starts keep it
  // up to date.
  if (RestoreShippedFile(hooks_.ShippedFolder, workbench_.AppPath, kGlyphFontFileName))
    glyphFontId_ = QFontDatabase::addApplicationFont(file);
  host_.ShowMessageOnce(
      "The glyph font " + font.string() + " is damaged and could not be loaded. " +
          (glyphFontId_ >= 0 ? std::string("It was replaced by the font shipped with the program.")
                             : "The wheels show their glyphs again once the program is "
                               "installed anew."),
      kTitleWarning, MessageIcon::Exclamation);
}

void ProgramStartup::RemoveGlyphFont() {
  if (glyphFontId_ < 0) return;
  QFontDatabase::removeApplicationFont(glyphFontId_);
  glyphFontId_ = -1;
}

}  // namespace orv
