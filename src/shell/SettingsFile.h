#pragma once
// The settings file Orvanta8.INI: what the user arranged between runs (fonts,
// window geometry, current names and cities files, atlas folder, wheel
// style). Read once at start-up, written whole at shut-down.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class Host;

inline constexpr std::string_view kSettingsFileName = "Orvanta8.INI";
inline constexpr std::string_view kSettingsHeader =
    "[Orvanta8] - Do NOT change the order of these variables.";

// Window geometry is kept in twips, 1440 to the inch, as the file holds it.
inline constexpr double kTwipsPerInch = 1440.0;

// Every value of the settings file. Geometry is 32-bit.
struct SettingsValues {
  double FontSize = 8.5;
  double FontBold = 0;
  double FontItalic = 0;
  float MainTop = 0;  // the main window, twips
  float MainLeft = 900;
  float MainHeight = 675;
  float MainWidth = 10860;
  std::int32_t DataTop = 945;  // the data window, twips
  std::int32_t DataLeft = 900;
  std::int32_t DataHeight = 8250;
  std::int32_t DataWidth = 12600;  // as DataWindowSettings
  std::string DataFile;     // the current names file, full path
  std::string GeoDataFile;  // the current cities file, full path
  std::string AtlasDir;     // the outside atlas program's folder; empty: none
  std::int16_t StartScale = 287;
  std::int16_t TypeChart = 0;
  std::string EnabledNatalPlanets = "1111111111111111";
  std::string EnabledTransitPlanets = "1111111111111111";
  std::int32_t WheelsTop = 650;  // the wheel window, twips
  std::int32_t WheelsLeft = 0;
  std::int32_t WheelsHeight = 9000;  // 4:3, so the cusp labels beside the rim show
  std::int32_t WheelsWidth = 12000;
};

// Every default of the table; the names and cities files lie in `appPath`.
// `AtlasDir` keeps `atlasDir`, which the defaults never touch.
SettingsValues DefaultSettings(const std::filesystem::path& appPath, std::string atlasDir = {});

// The file's text: the header and one "key=value" line per key, in the
// fixed order, each ended by CR LF. Numbers in their shortest form with "."
// as decimal point, a blank before a value that is not negative. No
// "AtlasDir=" line while `AtlasDir` is empty.
std::string SettingsIniText(const SettingsValues& settings);

// Applies the lines of a settings file, in any order, to `settings`. A line
// belongs to the key it begins with (case-sensitive); its value is the text
// right of the first "=". Each key takes its value only by its own rule
// (font size 7.75 to 72, sizes above 0, texts not empty, no number beyond
// a million). A line whose
// value does not fit its key, or a key line without "=", is skipped; the
// lines after it still apply.
void ApplySettingsLines(const std::vector<std::string>& lines, SettingsValues& settings);

// `ReadSettingsIni`: the defaults, then `appPath`/Orvanta8.INI over them. A
// missing file leaves the defaults, silently. `AtlasDir` keeps its value
// unless the file sets one.
void ReadSettingsIni(const std::filesystem::path& appPath, SettingsValues& settings);

// `WriteSettingsIni`: replaces `appPath`/Orvanta8.INI atomically. On failure
// tells the user and leaves the old file; returns whether it was written.
bool WriteSettingsIni(Host& host, const std::filesystem::path& appPath,
                      const SettingsValues& settings);

// Twips to device pixels and back, at `dotsPerInch`, to the nearest pixel or
// twip.
int TwipsToPixels(double twips, double dotsPerInch);
std::int32_t PixelsToTwips(int pixels, double dotsPerInch);

// A window's or a screen's area in pixels.
struct WindowPlace {
  int left = 0, top = 0, width = 0, height = 0;
};

// `window` shrunk to fit `screen` and moved wholly onto it, so a settings
// file from a larger screen or a broken one never hides a window.
WindowPlace KeepWithinScreen(WindowPlace window, const WindowPlace& screen);

}  // namespace orv
