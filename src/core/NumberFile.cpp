#include "core/NumberFile.h"

#include <limits>
#include <string>

#include "base/Text.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace orv {

std::optional<float> SevenCharNumber(std::string_view line) {
  const double value = LeadingNumber(line.substr(0, 7));
  if (std::abs(value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(value);
}

std::optional<int> ReadNumberFile(const std::filesystem::path& path, std::span<float> values,
                                  std::vector<int>* refusedLines) {
  const auto lines = ReadTextLines(path);
  if (!lines) return std::nullopt;
  int k = 0;
  for (const auto& line : *lines) {
    if (line.empty() || size_t(k + 1) >= values.size()) break;
    ++k;
    if (const auto value = SevenCharNumber(line)) {
      values[size_t(k)] = *value;
    } else if (refusedLines) {
      refusedLines->push_back(k);
    }
  }
  return k;
}

std::optional<int> ReadNumberFileReporting(Host& host, const std::filesystem::path& path,
                                           std::span<float> values) {
  std::vector<int> refused;
  const auto read = ReadNumberFile(path, values, &refused);
  if (!refused.empty()) {
    std::string where;
    for (size_t i = 0; i < refused.size(); ++i)
      where += (i == 0 ? "" : i + 1 == refused.size() ? " and " : ", ") + std::to_string(refused[i]);
    host.ShowMessage("The file called " + path.string() + " holds a number too large to use on " +
                         (refused.size() == 1 ? "line " : "lines ") + where +
                         ". That value was not changed; please correct the file.",
                     kTitleWarning, MessageIcon::Exclamation);
  }
  return read;
}

}  // namespace orv
