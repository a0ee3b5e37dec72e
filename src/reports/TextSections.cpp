#include "reports/TextSections.h"

#include "base/Text.h"

namespace orv {

std::string_view TrimLeadingBlanks(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool IsKeyLine(std::string_view line, std::string_view key) {
  const std::string_view text = TrimLeadingBlanks(line);
  return text.size() >= key.size() && EqualsIgnoreCase(text.substr(0, key.size()), key);
}

bool IsSectionTerminator(std::string_view line) {
  const std::string_view text = TrimLeadingBlanks(line);
  return text == "*" || text == "[]";
}

std::optional<TextSection> FindTextSection(const std::vector<std::string>& lines,
                                           std::string_view key, int emptyLineLimit) {
  int emptyRun = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    emptyRun = lines[i].empty() ? emptyRun + 1 : 0;
    if (emptyLineLimit > 0 && emptyRun >= emptyLineLimit) return std::nullopt;
    if (!IsKeyLine(lines[i], key)) continue;
    TextSection section{i, i + 1, false};
    while (section.end < lines.size() && !IsSectionTerminator(lines[section.end])) ++section.end;
    section.terminated = section.end < lines.size();
    return section;
  }
  return std::nullopt;
}

}  // namespace orv
