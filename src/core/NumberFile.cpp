#include "core/NumberFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "base/Text.h"
#include "core/ChartInput.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {

namespace {

bool StartsWithNumber(std::string_view field) { return LeadingNumberLength(field) > 0; }

}  // namespace

std::optional<float> SevenCharNumber(std::string_view line) {
  const std::string_view field = line.substr(0, 7);
  if (!StartsWithNumber(field)) return std::nullopt;
  const double value = LeadingNumber(field);
  if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max())
    return std::nullopt;
  return static_cast<float>(value);
}

int ReadNumberLines(const std::vector<std::string>& lines, std::span<float> values,
                    std::span<const ValueRange> ranges, std::vector<RefusedLine>* refused) {
  int k = 0;
  for (const auto& line : lines) {
    if (line.empty() || size_t(k + 1) >= values.size()) break;
    ++k;
    const auto value = SevenCharNumber(line);
    const ValueRange range = size_t(k) < ranges.size() ? ranges[size_t(k)] : ValueRange{};
    // Written so that no comparison with a NaN could let one through.
    if (value && *value >= range.lowest && *value <= range.highest) {
      values[size_t(k)] = *value;
    } else if (refused) {
      const std::string_view field = std::string_view(line).substr(0, 7);
      // Shown in a message: control characters of a damaged file left out.
      refused->push_back({k, StripControlCharacters(Trim(field)), StartsWithNumber(field)});
    }
  }
  return k;
}

std::optional<int> ReadNumberFile(const std::filesystem::path& path, std::span<float> values,
                                  std::span<const ValueRange> ranges,
                                  std::vector<RefusedLine>* refused) {
  const auto lines = ReadTextLines(path);
  if (!lines) return std::nullopt;
  return ReadNumberLines(*lines, values, ranges, refused);
}

const std::array<ValueRange, MaxOrbs + 1>& OrbRanges() {
  static const auto ranges = [] {
    std::array<ValueRange, MaxOrbs + 1> all;
    all.fill(kOrbRange);
    return all;
  }();
  return ranges;
}

OrbFileFaults ReadOrbLines(const std::vector<std::string>& lines, OrbTable& orbs) {
  OrbFileFaults faults;
  faults.read = ReadNumberLines(lines, orbs, OrbRanges(), &faults.refused);
  faults.endsAtEmptyLine = size_t(faults.read) < lines.size() && lines[size_t(faults.read)].empty();
  for (int k = 1; k <= faults.read; ++k) {
    // A line refused for its value is told once, as refused.
    if (std::any_of(faults.refused.begin(), faults.refused.end(),
                    [k](const RefusedLine& r) { return r.line == k; }))
      continue;
    // A label may follow the number after a blank; text that runs on from
    // it ("10abc", "2,5") marks a mistyped orb, read only up to there.
    const std::string_view field = std::string_view(lines[size_t(k - 1)]).substr(0, 7);
    const size_t number = LeadingNumberLength(field);
    if (number > 0 && number < field.size() && field[number] != ' ' && field[number] != '\t')
      faults.strayText.push_back({k, StripControlCharacters(Trim(field)), true});
  }
  return faults;
}

std::string OrbFileFaultMessage(const std::filesystem::path& file, const OrbFileFaults& faults,
                                OrbFaultsFound when) {
  // The file is named in full once, in the first sentence.
  std::string text;
  auto ofTheFile = [&] {
    return text.empty() ? "of the orb file called " + file.string() : std::string("of the file");
  };
  if (!faults.refused.empty()) {
    const RefusedLine& first = faults.refused.front();
    text += "Line " + std::to_string(first.line) + " " + ofTheFile() + " holds \"" + first.text +
            "\", which is not an orb from " + ShortestNumberText(kOrbRange.lowest) + " to " +
            ShortestNumberText(kOrbRange.highest) + " degrees";
    if (faults.refused.size() > 1)
      text += ", and so do " + std::to_string(faults.refused.size() - 1) + " more of its lines";
    text += ".";
    if (when == OrbFaultsFound::Reading) text += " Those orbs were not changed.";
  }
  if (!faults.strayText.empty()) {
    const RefusedLine& first = faults.strayText.front();
    std::string sentence = "Line " + std::to_string(first.line) + " " + ofTheFile() + " holds \"" +
                           first.text + "\", read as the orb " +
                           ShortestNumberText(SevenCharNumber(first.text).value_or(0)) +
                           ": the number runs into other text.";
    const size_t more = faults.strayText.size() - 1;
    if (more > 0)
      sentence += " " + std::to_string(more) + (more == 1 ? " more line is" : " more lines are") +
                  " read the same way.";
    text += (text.empty() ? "" : " ") + sentence;
  }
  if (faults.read < MaxOrbs) {
    std::string sentence = text.empty() ? "The orb file called " + file.string() : "The file";
    const std::string of = " of the " + std::to_string(MaxOrbs) + " orbs: ";
    sentence +=
        faults.read == 0 ? " holds none" + of : " holds only " + std::to_string(faults.read) + of;
    if (faults.endsAtEmptyLine)
      sentence += "line " + std::to_string(faults.read + 1) + " is empty.";
    else if (faults.read == 0)
      sentence += "it is empty.";
    else
      sentence += "it ends after line " + std::to_string(faults.read) + ".";
    text += (text.empty() ? "" : " ") + sentence;
  }
  if (when == OrbFaultsFound::Saving) text += " Nothing was saved.";
  return text + " Please correct the file.";
}

std::optional<int> ReadOrbNumbers(Host& host, const std::filesystem::path& path, OrbTable& orbs) {
  std::error_code error;
  const bool folder = std::filesystem::is_directory(path, error);
  std::optional<std::vector<std::string>> lines;
  if (!folder) lines = ReadTextLines(path);
  if (!lines) {
    if (!folder && !std::filesystem::exists(path, error) && !error)
      ReportMissingFile(host, path.string());
    else
      host.ShowMessageOnce("Cannot read the orb file called " + path.string() +
                               (folder ? ": it is a folder, not a file." : "."),
                           kTitleWarning, MessageIcon::Critical);
    return std::nullopt;
  }
  const OrbFileFaults faults = ReadOrbLines(*lines, orbs);
  if (faults.Any())
    host.ShowMessageOnce(OrbFileFaultMessage(path, faults, OrbFaultsFound::Reading), kTitleWarning,
                         MessageIcon::Exclamation);
  return faults.read;
}

}  // namespace orv
