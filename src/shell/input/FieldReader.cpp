#include "shell/input/FieldReader.h"

#include <algorithm>

#include "base/Text.h"

namespace orv {

std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::string field;
    if (i < line.size() && line[i] == '"') {
      const size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) {
        // An unclosed quote runs to the end of the line.
        fields.emplace_back(line.substr(i + 1));
        return fields;
      }
      field = std::string(line.substr(i + 1, close - i - 1));
      i = close + 1;
      const size_t comma = line.find(',', i);
      i = comma == std::string_view::npos ? line.size() : comma;
    } else {
      const size_t comma = line.find(',', i);
      const size_t end = comma == std::string_view::npos ? line.size() : comma;
      field = std::string(Trim(line.substr(i, end - i)));
      i = end;
    }
    fields.push_back(std::move(field));
    if (i >= line.size()) return fields;
    ++i;  // past the comma: another field follows, possibly empty
  }
}

FieldStream::FieldStream(const std::vector<std::string>& lines) {
  for (size_t n = 0; n < lines.size(); ++n) {
    for (auto& field : SplitFields(lines[n])) {
      fields_.push_back(std::move(field));
      lines_.push_back(int(n + 1));
    }
  }
}

std::optional<std::string> FieldStream::Next() {
  if (AtEnd()) return std::nullopt;
  return fields_[next_++];
}

int FieldStream::Line() const {
  if (lines_.empty()) return 0;
  return lines_[next_ == 0 ? 0 : next_ - 1];
}

std::string WhereInFile(const std::filesystem::path& path, const std::vector<int>& lines) {
  constexpr size_t kMostNamed = 10;  // a longer list would hide the message itself
  std::string out = "\n\nFile: " + path.string() + (lines.size() == 1 ? ", line " : ", lines ");
  const size_t named = std::min(lines.size(), kMostNamed);
  for (size_t i = 0; i < named; ++i) {
    if (i > 0) out += (i + 1 == named && lines.size() <= kMostNamed) ? " and " : ", ";
    out += std::to_string(lines[i]);
  }
  if (lines.size() > kMostNamed) out += " and more";
  return out + ".";
}

}  // namespace orv
