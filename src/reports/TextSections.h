#pragma once
// The keyed sections of interpretation and meaning texts, as both the report
// builders and the meanings listings find them.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Lines [first, end) of a text: the key line and what follows it up to the
// terminator, or to the end of the text when `terminated` is false.
struct TextSection {
  std::size_t first = 0;
  std::size_t end = 0;
  bool terminated = false;
};

// `text` without its leading blanks.
std::string_view TrimLeadingBlanks(std::string_view text);

// Whether `line`, after leading blanks, begins with `key`, letter case aside.
bool IsKeyLine(std::string_view line, std::string_view key);

// Whether `line` ends a section: "*" or "[]" after leading blanks, nothing
// after it.
bool IsSectionTerminator(std::string_view line);

// The first section of `lines` keyed `key`. When `emptyLineLimit` is above 0,
// that many empty lines in a row before the key line end the search.
std::optional<TextSection> FindTextSection(const std::vector<std::string>& lines,
                                           std::string_view key, int emptyLineLimit = 0);

}  // namespace orv
