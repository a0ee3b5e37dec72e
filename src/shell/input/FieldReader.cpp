#include "shell/input/FieldReader.h"

#include <algorithm>

#include "base/Text.h"

namespace orv {

namespace {

// Appends the fields of `line` to `fields` (see SplitFields).
void AppendFields(std::string_view line, std::vector<std::string>& fields) {
  size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::string field;
    if (i < line.size() && line[i] == '"') {
      const size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) {
        // An unclosed quote runs to the end of the line.
        fields.emplace_back(line.substr(i + 1));
        return;
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
    if (i >= line.size()) return;
    ++i;  // past the comma: another field follows, possibly empty
  }
}

}  // namespace

std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  AppendFields(line, fields);
  return fields;
}

FieldStream::FieldStream(const std::vector<std::string>& lines) : lines_(&lines) {}

FieldStream FieldStream::OfText(std::string_view text) {
  FieldStream stream;
  stream.text_ = text;
  return stream;
}

bool FieldStream::MoreLines() const {
  return lines_ ? size_t(line_) < lines_->size() : textAt_ < text_.size();
}

std::string_view FieldStream::NextLine() {
  ++line_;
  if (lines_) return (*lines_)[size_t(line_ - 1)];
  const size_t start = textAt_;
  size_t end = start;
  while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
  textAt_ = end + 1;
  if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') ++textAt_;
  return text_.substr(start, end - start);
}

std::optional<std::string> FieldStream::Next() {
  if (next_ >= fields_.size()) {
    if (!MoreLines()) return std::nullopt;
    // The list is kept and refilled: a large file has a line per record.
    fields_.clear();
    AppendFields(NextLine(), fields_);
    next_ = 0;
  }
  return std::move(fields_[next_++]);
}

int FieldStream::Line() const {
  if (line_ == 0) return MoreLines() ? 1 : 0;
  return line_;
}

std::string WhereInFile(const std::filesystem::path& path, const std::vector<int>& lines) {
  constexpr size_t kMostNamed = 10;  // a longer list would hide the message itself
  // A line where two broken records meet is named once. Eleven lines are
  // enough to know that there are more than are named.
  std::vector<int> distinct;
  for (size_t i = 0; i < lines.size() && distinct.size() <= kMostNamed; ++i)
    if (std::find(distinct.begin(), distinct.end(), lines[i]) == distinct.end())
      distinct.push_back(lines[i]);
  std::string out = "\n\nFile: " + path.string() + (distinct.size() == 1 ? ", line " : ", lines ");
  const size_t named = std::min(distinct.size(), kMostNamed);
  for (size_t i = 0; i < named; ++i) {
    if (i > 0) out += (i + 1 == named && distinct.size() <= kMostNamed) ? " and " : ", ";
    out += std::to_string(distinct[i]);
  }
  if (distinct.size() > kMostNamed) out += " and more";
  return out + ".";
}

}  // namespace orv
