#include "shell/Startup.h"

#include <system_error>

#include "base/Links.h"
#include "core/ChartTime.h"
#include "core/OptionNumbers.h"
#include "platform/Files.h"
#include "shell/OptionFiles.h"
#include "shell/SettingsFile.h"

namespace orv {

namespace fs = std::filesystem;

namespace {
// Twips per pixel of the two display settings the fitting tells apart.
constexpr double kTwipsPerPixelAt96Dpi = 15.0;
constexpr double kTwipsPerPixelAt120Dpi = 12.0;
}  // namespace


void StartupHooks::RequireBound() const {
  RequireLinks("StartupHooks", {{"ReadyProgramFolder", bool(ReadyProgramFolder)},
                                {"LoadDataTables", bool(LoadDataTables)},
                                {"AtlasPresent", bool(AtlasPresent)},
                                {"ShowChartInputWindows", bool(ShowChartInputWindows)},
                                {"ShowTipOfTheDay", bool(ShowTipOfTheDay)},
                                {"CollectSettings", bool(CollectSettings)}});
}

void PrepareStartup(ShellState& shell, OptionValues& options, Host& host, const fs::path& appPath) {
  ReadOptionsFile(host, appPath, options);
  shell.CaptionPrefix = SetTitleText();
}

double TwipsPerPixel(double dotsPerInch) { return kTwipsPerInch / dotsPerInch; }

ScreenFit FitToScreen(int screenPixelWidth, double twipsPerPixelX) {
  switch (screenPixelWidth) {
    case 640:
      return {640, 1.5};
    case 800:
      return {800, twipsPerPixelX == kTwipsPerPixelAt120Dpi ? 1.2 : 1.5};
    default:
      return {1024, twipsPerPixelX == kTwipsPerPixelAt96Dpi ? 1.5 : 1.2};
  }
}

fs::path GlyphFontPath(const fs::path& appPath) {
  return ResolveInFolder(appPath, kGlyphFontFileName);
}

bool RestoreShippedFile(const fs::path& shippedFolder, const fs::path& appPath,
                        std::string_view name) {
  if (shippedFolder.empty()) return false;
  // A save goes through a link to the file it leads to, which here is one
  // of the user's own files, not the program's.
  const fs::path mine = ResolveInFolder(appPath, name);
  std::error_code ec;
  if (fs::is_symlink(mine, ec)) return false;
  const auto bytes = ReadFileBytes(ResolveInFolder(shippedFolder, name));
  return bytes && WriteFileAtomically(mine, *bytes).empty();
}

fs::path NatalOrbFile(const fs::path& appPath) { return appPath / kNatalOrbFileName; }

bool TipOfTheDayAtStart(const OptionValues& options) {
  return options[OptionNumber::TipOfTheDayAtStart] != 0;
}

void CreateReportFolders(const fs::path& appPath) {
  for (const std::string_view name : kReportFolderNames) {
    std::error_code ignored;
    fs::create_directory(ResolveInFolder(appPath, name), ignored);
  }
}

}  // namespace orv
