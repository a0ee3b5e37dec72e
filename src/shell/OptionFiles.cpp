#include "shell/OptionFiles.h"

#include <algorithm>
#include <string>

#include "core/OptionNumbers.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "core/ChartInput.h"

namespace orv {
namespace {

// A full path with its last component found whatever its letter case.
std::filesystem::path ResolvePath(const std::filesystem::path& path) {
  return ResolveInFolder(path.parent_path(), path.filename().string());
}

}  // namespace

const std::array<OptionRange, MaxOptions + 1>& OptionRanges() {
  static constexpr std::array<OptionRange, MaxOptions + 1> kRanges = {{
      {},
#include "shell/OptionRanges.inc"
  }};
  return kRanges;
}

namespace {

const std::array<ValueRange, MaxOptions + 1>& OptionValueRanges() {
  static const auto ranges = [] {
    std::array<ValueRange, MaxOptions + 1> all{};
    for (size_t k = 1; k < all.size(); ++k)
      all[k] = {OptionRanges()[k].lowest, OptionRanges()[k].highest};
    return all;
  }();
  return ranges;
}

// Reads `lines` into `options`, every refused line taking its shipped value.
int ReadOptionLines(const std::vector<std::string>& lines, OptionValues& options,
                    std::vector<RefusedLine>& refused) {
  const int read = ReadNumberLines(lines, options, OptionValueRanges(), &refused);
  for (const RefusedLine& line : refused)
    options[size_t(line.line)] = OptionRanges()[size_t(line.line)].shipped;
  return read;
}

// Options.opt read into `options`, its first refused line reported. Nothing
// when it cannot be read.
std::optional<int> ReadOptionsReporting(Host& host, const std::filesystem::path& path,
                                        OptionValues& options) {
  const auto lines = ReadTextLines(path);
  if (!lines) return std::nullopt;
  std::vector<RefusedLine> refused;
  const int read = ReadOptionLines(*lines, options, refused);
  if (!refused.empty()) {
    const float shipped = OptionRanges()[size_t(refused.front().line)].shipped;
    host.ShowMessage(RefusedOptionMessage(path, refused,
                                          "The shipped value " + ShortestNumberText(shipped) +
                                              " is used instead."),
                     kTitleWarning, MessageIcon::Exclamation);
  }
  return read;
}

}  // namespace

std::vector<RefusedLine> RefusedOptionLines(std::string_view text) {
  OptionValues scratch{};
  std::vector<RefusedLine> refused;
  ReadOptionLines(SplitLines(text), scratch, refused);
  return refused;
}

std::string RefusedOptionMessage(const std::filesystem::path& file,
                                 const std::vector<RefusedLine>& refused,
                                 std::string_view outcome) {
  const RefusedLine& first = refused.front();
  const OptionRange& range = OptionRanges()[size_t(first.line)];
  const std::string k = std::to_string(first.line);
  std::string text = "Option " + k + " on line " + k + " of the file called " + file.string() +
                     " reads \"" + first.text + "\"" + (first.number ? "" : ", which is no number") +
                     "; an option of the kind " + std::string(range.kind) +
                     " holds a value from " + ShortestNumberText(range.lowest) + " to " +
                     ShortestNumberText(range.highest) + ". " + std::string(outcome);
  if (refused.size() > 1)
    text += " " + std::to_string(refused.size() - 1) + " more " +
            (refused.size() == 2 ? "line is" : "lines are") + " refused the same way.";
  return text + " Please correct the file.";
}

namespace {

// Options.opt cut short (an empty file, or one saved by hand with lines
// missing) takes the missing values from Options.mst rather than 0.
void CompleteShortOptions(Host& host, const std::filesystem::path& appPath,
                          const std::filesystem::path& optionsPath, int read,
                          OptionValues& options) {
  const auto defaultPath = ResolveInFolder(appPath, kOptionsDefaultFileName);
  OptionValues defaults{};
  const auto available = ReadNumberFile(defaultPath, defaults, OptionValueRanges());
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
  if (RereadOptionsFile(host, appPath, optionsPath, options)) return true;

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
    return ReadOptionsReporting(host, optionsPath, options).has_value();
  }
  return ReadOptionsReporting(host, defaultPath, options).has_value();
}

bool ReadOrbFile(Host& host, const std::filesystem::path& orbFile, OrbTable& orbs) {
  return ReadOrbNumbers(host, ResolvePath(orbFile), orbs).has_value();
}

std::optional<OrbTable> LoadOrbTable(Host* host, const std::filesystem::path& orbFile) {
  OrbTable orbs{};
  if (host) {
    if (!ReadOrbFile(*host, orbFile, orbs)) return std::nullopt;
  } else if (!ReadNumberFile(ResolvePath(orbFile), orbs, OrbRanges())) {
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

bool RereadOptionsFile(Host& host, const std::filesystem::path& appPath,
                       const std::filesystem::path& optionsPath, OptionValues& options) {
  const auto read = ReadOptionsReporting(host, optionsPath, options);
  if (read) CompleteShortOptions(host, appPath, optionsPath, *read, options);
  return read.has_value();
}

bool SaveEditorText(Host& host, const std::filesystem::path& file, std::string_view text) {
  return SaveFileAtomically(host, ResolvePath(file), EditorTextToFile(text));
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
