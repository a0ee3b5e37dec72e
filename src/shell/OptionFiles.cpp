#include "shell/OptionFiles.h"

#include <algorithm>
#include <string>

#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {
namespace {

// A full path with its last component found whatever its letter case.
std::filesystem::path ResolvePath(const std::filesystem::path& path) {
  return ResolveInFolder(path.parent_path(), path.filename().string());
}

}  // namespace

namespace {

// Options.opt cut short (an empty file, or one saved by hand with lines
// missing) takes the missing values from Options.mst rather than 0.
void CompleteShortOptions(Host& host, const std::filesystem::path& appPath,
                          const std::filesystem::path& optionsPath, int read,
                          OptionValues& options) {
  const auto defaultPath = ResolveInFolder(appPath, kOptionsDefaultFileName);
  OptionValues defaults{};
  const auto available = ReadNumberFile(defaultPath, defaults);
  if (!available || *available <= read) return;
  std::copy(defaults.begin() + read + 1, defaults.begin() + *available + 1,
            options.begin() + read + 1);
  host.ShowMessage("The file " + optionsPath.string() + " holds only " + std::to_string(read) +
                       " of the " + std::to_string(*available) +
                       " option values. The others were taken from " + defaultPath.string() +
                       ".",
                   kTitleInformation, MessageIcon::Exclamation);
}

}  // namespace

bool ReadOptionsFile(Host& host, const std::filesystem::path& appPath, OptionValues& options) {
  const auto optionsPath = ResolveInFolder(appPath, kOptionsFileName);
  if (const auto read = ReadNumberFileReporting(host, optionsPath, options)) {
    CompleteShortOptions(host, appPath, optionsPath, *read, options);
    return true;
  }

  // Only a file that is not there is made again: one that exists but cannot
  // be read may still hold the user's values.
  std::error_code error;
  const bool missing = !std::filesystem::exists(optionsPath, error) && !error;
  const auto defaultPath = ResolveInFolder(appPath, kOptionsDefaultFileName);
  const auto defaults = ReadFileBytes(defaultPath);
  if (!defaults) {
    ReportMissingFile(host, optionsPath.string());
    return false;
  }
  if (missing && SaveFileAtomically(host, optionsPath, *defaults)) {
    host.ShowMessage("The file " + optionsPath.string() +
                         " was missing. It has been made again from " + defaultPath.string() +
                         ", with the default option values.",
                     kTitleInformation, MessageIcon::Exclamation);
    return ReadNumberFileReporting(host, optionsPath, options).has_value();
  }
  return ReadNumberFileReporting(host, defaultPath, options).has_value();
}

bool ReadOrbFile(Host& host, const std::filesystem::path& orbFile, OrbTable& orbs) {
  if (ReadNumberFileReporting(host, ResolvePath(orbFile), orbs)) return true;
  ReportMissingFile(host, orbFile.string());
  return false;
}

std::optional<OrbTable> LoadOrbTable(Host* host, const std::filesystem::path& orbFile) {
  OrbTable orbs{};
  if (host) {
    if (!ReadOrbFile(*host, orbFile, orbs)) return std::nullopt;
  } else if (!ReadNumberFile(ResolvePath(orbFile), orbs)) {
    return std::nullopt;
  }
  return orbs;
}

HouseSystemCode HouseSystemAtStart(const OptionValues& options) {
  const float value = options[OptionNumber::HouseSystemAtStart];
  for (int code = 2; code <= 9; ++code)
    if (value == static_cast<float>(code)) return static_cast<HouseSystemCode>(code);
  return HouseSystemCode::Placidus;
}

std::optional<std::string> LoadEditorText(const std::filesystem::path& path) {
  const auto lines = ReadTextLines(ResolvePath(path));
  if (!lines) return std::nullopt;
  return JoinLinesCrLf(*lines);
}

std::string EditorTextToFile(std::string_view text) { return JoinLinesCrLf(SplitLines(text)); }

bool SaveOptionsText(Host& host, const std::filesystem::path& appPath, std::string_view text,
                     OptionValues& options) {
  const auto optionsPath = ResolveInFolder(appPath, kOptionsFileName);
  if (!SaveFileAtomically(host, optionsPath, EditorTextToFile(text))) return false;
  if (const auto read = ReadNumberFileReporting(host, optionsPath, options))
    CompleteShortOptions(host, appPath, optionsPath, *read, options);
  return true;
}

bool SaveEditorText(Host& host, const std::filesystem::path& file, std::string_view text) {
  return SaveFileAtomically(host, ResolvePath(file), EditorTextToFile(text));
}

bool SaveOrbText(Host& host, const std::filesystem::path& orbFile, std::string_view text) {
  return SaveEditorText(host, orbFile, text);
}

bool RestoreDefaultOptions(Host& host, const std::filesystem::path& appPath) {
  const auto defaults = ReadFileBytes(ResolveInFolder(appPath, kOptionsDefaultFileName));
  if (defaults &&
      WriteFileAtomically(ResolveInFolder(appPath, kOptionsFileName), *defaults).empty())
    return true;
  host.ShowMessage("Error in operation. Cannot do what is requested.", kTitleWarning,
                   MessageIcon::Information);
  return false;
}

}  // namespace orv
