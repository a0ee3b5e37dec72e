#include "shell/ui/ProgramStartup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainterPath>
#include <QRawFont>
#include <QScreen>
#include <filesystem>

#include "commands/Workbench.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "shell/OptionFiles.h"
#include "shell/SettingsFile.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/SystemRegionalOrder.h"
#include "shell/ui/Title.h"
#include "wheels/GlyphCodes.h"

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

// Any size serves: the glyph font check asks for outlines, not for pixels.
constexpr int kGlyphProbePixels = 20;

// Whether `file` holds the program's glyph font: its family, with an outline
// for every symbol the wheels draw. A cut file may still load, with a
// made-up family and no outlines; another font loads under its own family.
bool IsGlyphFontFile(const QString& file) {
  const QRawFont raw(file, kGlyphProbePixels);
  if (!raw.isValid() || raw.familyName() != QString::fromUtf8(GlyphFontFace)) return false;
  for (const GlyphCodeRange& range : SymbolCodeRanges) {
    for (int code = range.first; code <= range.last; ++code) {
      const char32_t symbol = SymbolCharacterBase + char32_t(code);
      if (!raw.supportsCharacter(symbol)) return false;
      const QList<quint32> glyphs = raw.glyphIndexesForString(QString::fromUcs4(&symbol, 1));
      if (glyphs.size() != 1 || raw.pathForGlyph(glyphs[0]).isEmpty()) return false;
    }
  }
  return true;
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
    main_.ShowOnScreen();
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
  namespace fs = std::filesystem;
  const fs::path font = GlyphFontPath(workbench_.AppPath);
  const QString file = QString::fromStdString(font.string());
  if (IsGlyphFontFile(file)) {
    glyphFontId_ = QFontDatabase::addApplicationFont(file);
    if (glyphFontId_ >= 0) return;
  }
  // Without the font every wheel is a row of empty boxes: the shipped one
  // takes its place (which also lets later starts keep it up to date), or
  // serves this run where it cannot.
  std::error_code ec;
  const bool present = fs::is_regular_file(font, ec);
  const fs::path& shippedFolder = hooks_.ShippedFolder;
  const bool apart =
      !shippedFolder.empty() && !fs::equivalent(shippedFolder, workbench_.AppPath, ec);
  const QString shipped = QString::fromStdString(GlyphFontPath(shippedFolder).string());
  const std::string anew = "The wheels show their glyphs again once the program is installed anew.";
  std::string outcome = anew;
  bool thisRun = false;  // the shipped font serves this run from the program's folder
  if (apart && IsGlyphFontFile(shipped)) {
    if (RestoreShippedFile(shippedFolder, workbench_.AppPath, kGlyphFontFileName) &&
        IsGlyphFontFile(file)) {
      glyphFontId_ = QFontDatabase::addApplicationFont(file);
      outcome = "It was replaced by the font shipped with the program.";
    } else {
      glyphFontId_ = QFontDatabase::addApplicationFont(shipped);
      outcome = "The program uses the font shipped with it for this run.";
      thisRun = true;
    }
    if (glyphFontId_ < 0) {
      outcome = anew;
      thisRun = false;
    }
  }
  // A link is the user's and is left as it is: the message names where it
  // leads. One that leads nowhere the start has named in these words when
  // the shipped font serves the run, and a message is said once.
  std::string what = present ? " is damaged and could not be loaded. " : " is missing. ";
  if (fs::is_symlink(font, ec)) {
    if (!fs::exists(font, ec)) {
      if (thisRun) {
        host_.ShowMessageOnce(LinkToNothingNotice(font, false), kTitleWarning,
                              MessageIcon::Exclamation);
        return;
      }
      what = " cannot be read: " + SaveRefusal(font) + ". ";
    } else {
      what = " is a symbolic link to " + fs::read_symlink(font, ec).string() +
             (fs::is_directory(font, ec) ? ", which is a folder, not a font file"
                                         : ", which does not hold the program's glyph font") +
             "; both are left as they are. ";
    }
  }
  host_.ShowMessageOnce("The glyph font " + font.string() + what + outcome, kTitleWarning,
                        MessageIcon::Exclamation);
}

void ProgramStartup::RemoveGlyphFont() {
  if (glyphFontId_ < 0) return;
  QFontDatabase::removeApplicationFont(glyphFontId_);
  glyphFontId_ = -1;
}

}  // namespace orv
