#include "core/NumberFile.h"

#include "base/Text.h"
#include "platform/Files.h"

namespace orv {

float SevenCharNumber(std::string_view line) {
  return static_cast<float>(LeadingNumber(line.substr(0, 7)));
}

std::optional<int> ReadNumberFile(const std::filesystem::path& path, std::span<float> values) {
  const auto lines = ReadTextLines(path);
  if (!lines) return std::nullopt;
  int k = 0;
  for (const auto& line : *lines) {
    if (line.empty() || size_t(k + 1) >= values.size()) break;
    values[size_t(++k)] = SevenCharNumber(line);
  }
  return k;
}

}  // namespace orv
