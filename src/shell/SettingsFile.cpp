#include "shell/SettingsFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <variant>

#include "base/Text.h"
#include "platform/Files.h"

namespace orv {
namespace {

// When a key takes the value it reads.
enum class Apply { Always, FontSizeFloor, AbovePositive, NotEmpty };

// Font sizes outside these are ignored: too small to read, or so large
// that the data window shows nothing.
constexpr double kSmallestFontSize = 7.75;
constexpr double kLargestFontSize = 72;
// No window or switch needs a larger value (in twips, 700 inches); beyond
// it a value is a broken file, not a setting.
constexpr double kLargestSetting = 1e6;

using Field =
    std::variant<double SettingsValues::*, float SettingsValues::*, std::int32_t SettingsValues::*,
                 std::int16_t SettingsValues::*, std::string SettingsValues::*>;

struct SettingsKey {
  std::string_view name;
  Field field;
  Apply apply;
};

// In the order of the file.
const SettingsKey kKeys[] = {
    {"FontSize", &SettingsValues::FontSize, Apply::FontSizeFloor},
    {"FontBold", &SettingsValues::FontBold, Apply::Always},
    {"FontItalic", &SettingsValues::FontItalic, Apply::Always},
    {"Orvanta8Top", &SettingsValues::MainTop, Apply::Always},
    {"Orvanta8Left", &SettingsValues::MainLeft, Apply::Always},
    {"Orvanta8Height", &SettingsValues::MainHeight, Apply::AbovePositive},
    {"Orvanta8Width", &SettingsValues::MainWidth, Apply::AbovePositive},
    {"DataTop", &SettingsValues::DataTop, Apply::AbovePositive},
    {"DataLeft", &SettingsValues::DataLeft, Apply::Always},
    {"DataHeight", &SettingsValues::DataHeight, Apply::AbovePositive},
    {"DataWidth", &SettingsValues::DataWidth, Apply::AbovePositive},
    {"DataFile", &SettingsValues::DataFile, Apply::NotEmpty},
    {"GeoDataFile", &SettingsValues::GeoDataFile, Apply::NotEmpty},
    {"AtlasDir", &SettingsValues::AtlasDir, Apply::NotEmpty},
    {"StartScale", &SettingsValues::StartScale, Apply::Always},
    {"TypeChart", &SettingsValues::TypeChart, Apply::Always},
    {"Enabled_Natal_Planets", &SettingsValues::EnabledNatalPlanets, Apply::NotEmpty},
    {"Enabled_Transit_Planets", &SettingsValues::EnabledTransitPlanets, Apply::NotEmpty},
    {"wheelsTop", &SettingsValues::WheelsTop, Apply::Always},
    {"wheelsLeft", &SettingsValues::WheelsLeft, Apply::Always},
    {"wheelsHeight", &SettingsValues::WheelsHeight, Apply::AbovePositive},
    {"wheelsWidth", &SettingsValues::WheelsWidth, Apply::AbovePositive},
};

// Shortest decimal text, "." as point, no negative zero; a blank before a
// value that is not negative. Doubles keep 15 significant digits, singles
// their shortest exact form, so reading the text back gives the same value.
template <class T>
std::string NumberText(T value) {
  if (value == 0) value = 0;  // no "-0"
  char buffer[64];
  std::to_chars_result result;
  if constexpr (std::is_same_v<T, double>) {
    result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                           std::numeric_limits<double>::digits10);
  } else if constexpr (std::is_floating_point_v<T>) {
    result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  } else {
    result = std::to_chars(buffer, buffer + sizeof buffer, value);
  }
  const std::string text(buffer, result.ptr);
  return value < 0 ? text : " " + text;
}

// The number of a value text in the key's type; nothing when it does not fit.
// Integer keys take the nearest whole value, halves to the even neighbour.
template <class T>
std::optional<T> NumberValue(std::string_view text) {
  const double value = LeadingNumber(text);
  if constexpr (std::is_same_v<T, double>) {
    return value;
  } else if constexpr (std::is_floating_point_v<T>) {
    if (std::abs(value) > std::numeric_limits<T>::max()) return std::nullopt;
    return static_cast<T>(value);
  } else {
    const double whole = std::nearbyint(value);
    if (whole < std::numeric_limits<T>::min() || whole > std::numeric_limits<T>::max())
      return std::nullopt;
    return static_cast<T>(whole);
  }
}

bool Accepts(Apply apply, double number) {
  if (!std::isfinite(number) || std::abs(number) > kLargestSetting) return false;
  switch (apply) {
    case Apply::FontSizeFloor:
      return number >= kSmallestFontSize && number <= kLargestFontSize;
    case Apply::AbovePositive:
      return number > 0;
    default:
      return true;
  }
}

void ApplyLine(const SettingsKey& key, std::string_view value, SettingsValues& settings) {
  std::visit(
      [&](auto member) {
        using T = std::remove_cvref_t<decltype(settings.*member)>;
        if constexpr (std::is_same_v<T, std::string>) {
          if (!value.empty()) settings.*member = std::string(value);
        } else {
          const auto number = NumberValue<T>(value);
          if (number && Accepts(key.apply, static_cast<double>(*number)))
            settings.*member = *number;
        }
      },
      key.field);
}

}  // namespace

SettingsValues DefaultSettings(const std::filesystem::path& appPath, std::string atlasDir) {
  SettingsValues settings;
  settings.DataFile = ResolveInFolder(appPath, "NAMES.FIL").string();
  settings.GeoDataFile = ResolveInFolder(appPath, "GA_MA.LL").string();
  settings.AtlasDir = std::move(atlasDir);
  return settings;
}

std::string SettingsIniText(const SettingsValues& settings) {
  std::vector<std::string> lines{std::string(kSettingsHeader)};
  for (const auto& key : kKeys) {
    const std::string value = std::visit(
        [&](auto member) -> std::string {
          using T = std::remove_cvref_t<decltype(settings.*member)>;
          if constexpr (std::is_same_v<T, std::string>) {
            return settings.*member;
          } else {
            return NumberText(settings.*member);
          }
        },
        key.field);
    if (key.name == "AtlasDir" && value.empty()) continue;
    lines.push_back(std::string(key.name) + "=" + value);
  }
  return JoinLinesCrLf(lines);
}

void ApplySettingsLines(const std::vector<std::string>& lines, SettingsValues& settings) {
  for (const auto& line : lines) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string_view value = std::string_view(line).substr(equals + 1);
    for (const auto& key : kKeys)
      if (line.starts_with(key.name)) ApplyLine(key, value, settings);
  }
}

void ReadSettingsIni(const std::filesystem::path& appPath, SettingsValues& settings) {
  settings = DefaultSettings(appPath, std::move(settings.AtlasDir));
  if (const auto lines = ReadTextLines(ResolveInFolder(appPath, kSettingsFileName)))
    ApplySettingsLines(*lines, settings);
}

bool WriteSettingsIni(Host& host, const std::filesystem::path& appPath,
                      const SettingsValues& settings) {
  return SaveFileAtomically(host, ResolveInFolder(appPath, kSettingsFileName),
                            SettingsIniText(settings));
}

int TwipsToPixels(double twips, double dotsPerInch) {
  const double pixels = twips * dotsPerInch / kTwipsPerInch;
  return std::isfinite(pixels) ? static_cast<int>(std::lround(std::clamp(pixels, -1e9, 1e9))) : 0;
}

std::int32_t PixelsToTwips(int pixels, double dotsPerInch) {
  const double twips = pixels * kTwipsPerInch / dotsPerInch;
  return std::isfinite(twips) ? static_cast<std::int32_t>(std::lround(std::clamp(twips, -2e9, 2e9)))
                              : 0;
}

WindowPlace KeepWithinScreen(WindowPlace window, const WindowPlace& screen) {
  window.width = std::clamp(window.width, 1, std::max(1, screen.width));
  window.height = std::clamp(window.height, 1, std::max(1, screen.height));
  window.left = std::clamp(window.left, screen.left, screen.left + screen.width - window.width);
  window.top = std::clamp(window.top, screen.top, screen.top + screen.height - window.height);
  return window;
}

}  // namespace orv
