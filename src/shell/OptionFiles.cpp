#include "shell/OptionFiles.h"

#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {
namespace {

// A full path with its last component found whatever its letter case.
std::filesystem::path ResolvePath(const std::filesystem::path& path) {
  return ResolveInFolder(path.parent_path(), path.filename().string());
}

}  // namespace

bool ReadOptionsFile(Host& host, const std::filesystem::path& appPath, OptionValues& options) {
  const auto optionsPath = ResolveInFolder(appPath, kOptionsFileName);
  if (ReadNumberFile(optionsPath, options)) return true;

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
    return ReadNumberFile(optionsPath, options).has_value();
  }
  return ReadNumberFile(defaultPath, options).has_value();
}

bool ReadOrbFile(Host& host, const std::filesystem::path& orbFile, OrbTable& orbs) {
  if (ReadNumberFile(ResolvePath(orbFile), orbs)) return true;
  ReportMissingFile(host, orbFile.string());
  return false;
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
  ReadNumberFile(optionsPath, options);
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
