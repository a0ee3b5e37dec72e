#pragma once
// Start-up and shut-down: the steps that need no window, the screen fitting,
// and the hooks through which subsystems built elsewhere join the sequence.
// The order of the steps lives with the windows (shell/ui/ProgramStartup).

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/NumberFile.h"

namespace orv {

class Host;

// The glyph font file in the program folder, installed for the run only.
inline constexpr std::string_view kGlyphFontFileName = "orvanta8.ttf";

// The output folders, all three directly in the program folder.
inline constexpr std::array<std::string_view, 3> kReportFolderNames = {"REPORTS", "N_REPORT",
                                                                       "R_REPORT"};

// Layout constants fitted to the screen at start-up.
struct ScreenFit {
  double ScreenRefWidth = 1024;  // reference width in pixels: 640, 800 or 1024
  double FontStep = 1.2;         // step of the data window's font-size commands, points
};

// What start-up works out for the rest of the run.
struct ShellState {
  // `CaptionPrefix`: the start of the main and data window captions.
  std::string CaptionPrefix;
  double ScreenRefWidth = 1024;
  double FontStep = 1.2;
  // `AtlasPresent`: the program's own atlas has its data.
  bool AtlasPresent = false;
};

// Steps of start-up whose subsystems are wired in by main. An empty hook is
// skipped (an empty `AtlasPresent` means no atlas). The chart arrays, the
// name, house-power and glyph tables and the orbital elements need no step:
// they are compile-time constants or start out as the chart model makes them.
struct StartupHooks {
  // Once the title window shows: makes the program folder ready (a first
  // start copies it) and sets `AppPath`. False when it cannot be had (the
  // user was told); the program then ends with status 1.
  std::function<bool()> ReadyProgramFolder;
  // While the title window shows: the ephemeris and score tables.
  std::function<void()> LoadDataTables;
  // Whether the atlas lookup has its data.
  std::function<bool()> AtlasPresent;
  // The natal and second-chart input windows, which open the names window;
  // the names window then takes the focus. Runs once the main window is on
  // screen, so its frame is known.
  std::function<void()> ShowChartInputWindows;
  // The tip of the day, when option 42 asks for it.
  std::function<void()> ShowTipOfTheDay;
  // At shut-down, before the settings file is written: windows put their
  // geometry and fonts into the settings.
  std::function<void()> CollectSettings;
  // The folder of the shipped files, whose glyph font replaces a damaged
  // one in the program folder.
  std::filesystem::path ShippedFolder;

  // Throws std::logic_error naming the first hook left unbound.
  void RequireBound() const;
};

// Start-up before the title window: `options` from Options.opt in `appPath`
// (messages through `host`) and the caption prefix.
void PrepareStartup(ShellState& shell, OptionValues& options, Host& host,
                    const std::filesystem::path& appPath);

// Twips per pixel of a screen at `dotsPerInch` (> 0).
double TwipsPerPixel(double dotsPerInch);

// The screen fitting by the screen width in pixels and the twips per pixel
// in x (compared exactly): 640 gives (640, 1.5); 800 gives (800, 1.5), or
// (800, 1.2) at 12 twips per pixel; any other width (1024, 1.2), or
// (1024, 1.5) at 15 twips per pixel.
ScreenFit FitToScreen(int screenPixelWidth, double twipsPerPixelX);

// The glyph font's path in `appPath`, whatever the letter case of the file.
std::filesystem::path GlyphFontPath(const std::filesystem::path& appPath);

// Puts the copy of the file `name` shipped in `shippedFolder` over the one
// in `appPath` (a damaged file the user cannot mend); a symbolic link in its
// place is left as it is, and so is the file it leads to. Returns whether it
// was replaced.
bool RestoreShippedFile(const std::filesystem::path& shippedFolder,
                        const std::filesystem::path& appPath, std::string_view name);

// `OrbFile` at start-up: NATAL.ORB in `appPath`.
std::filesystem::path NatalOrbFile(const std::filesystem::path& appPath);

// Option 42 (`TipOfTheDayAtStart`): any value but 0 shows the tip window.
bool TipOfTheDayAtStart(const OptionValues& options);

// Creates REPORTS, N_REPORT and R_REPORT in `appPath`, in this order, each
// unless a folder of that name exists in any letter case. Errors are
// ignored, folder by folder: output to a missing folder is reported when it
// is written.
void CreateReportFolders(const std::filesystem::path& appPath);

}  // namespace orv
