#pragma once
// Sequential field input, the way the names, cities and time-zone files are
// read: a field ends at a comma or at the end of its line, blanks before it
// are skipped, and a field in double quotes may hold commas (the quotes are
// removed).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The fields of one line. Blanks around an unquoted field are dropped; after
// a closing quote, anything up to the next comma is ignored. An empty line
// gives one empty field, and a comma at the end of a line one more empty
// field.
std::vector<std::string> SplitFields(std::string_view line);

// The fields of a whole file in order, whatever the line breaks, each with
// the 1-based number of the line it stands on. Lines are split into fields
// as they are reached, so a large file is never held as fields all at once.
class FieldStream {
 public:
  // Over `lines`, which must outlive the stream.
  explicit FieldStream(const std::vector<std::string>& lines);
  // Over the lines of `text` (split at CR LF, LF or a lone CR; a break at
  // the very end starts no line), which must outlive the stream.
  static FieldStream OfText(std::string_view text);

  // The next field, or nothing at the end of the file.
  std::optional<std::string> Next();

  // Whether another field follows (every line holds at least one).
  bool AtEnd() const { return next_ >= fields_.size() && !MoreLines(); }

  // The line of the field last returned (of the first field before any, of
  // the last field at the end; 0 for an empty file).
  int Line() const;

  // Whether the field last returned is the only one of its line (an empty
  // field so is a blank line).
  bool WholeLine() const { return next_ == 1 && fields_.size() == 1; }

 private:
  FieldStream() = default;
  bool MoreLines() const;
  std::string_view NextLine();

  const std::vector<std::string>* lines_ = nullptr;
  std::string_view text_;
  size_t textAt_ = 0;
  int line_ = 0;  // the line `fields_` came from
  std::vector<std::string> fields_;
  size_t next_ = 0;
};

// The end of a message about broken records: a blank line, then "File:
// <path>, line 7." ("lines 7, 12 and 15" for several, each once in the
// order given; the first ten are named, "and more" stands for the rest).
std::string WhereInFile(const std::filesystem::path& path, const std::vector<int>& lines);

}  // namespace orv
