#include "core/NumberFile.h"

#include <cmath>
#include <limits>
#include <string>

#include "base/Text.h"
#include "core/ChartInput.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {

namespace {

bool StartsWithNumber(std::string_view field) {
  while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
  if (!field.empty() && (field.front() == '+' || field.front() == '-')) field.remove_prefix(1);
  if (!field.empty() && field.front() == '.') field.remove_prefix(1);
  return !field.empty() && field.front() >= '0' && field.front() <= '9';
}

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

std::optional<int> ReadOrbNumbers(Host& host, const std::filesystem::path& path, OrbTable& orbs) {
  std::vector<RefusedLine> refused;
  const auto read = ReadNumberFile(path, orbs, OrbRanges(), &refused);
  if (!refused.empty()) {
    const RefusedLine& first = refused.front();
    std::string text = "Line " + std::to_string(first.line) + " of the orb file called " +
                       path.string() + " holds \"" + first.text + "\", which is not an orb from " +
                       ShortestNumberText(kOrbRange.lowest) + " to " +
                       ShortestNumberText(kOrbRange.highest) + " degrees";
    if (refused.size() > 1)
      text += ", and so do " + std::to_string(refused.size() - 1) + " more of its lines";
    host.ShowMessageOnce(text + ". Those orbs were not changed; please correct the file.",
                         kTitleWarning, MessageIcon::Exclamation);
  }
  return read;
}

}  // namespace orv
