#pragma once
// Text utilities shared by every subsystem: the number rule of the program's
// text files, replacement, path splitting and case-free comparison.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The number at the start of `text`: blanks and tabs skipped, an optional
// sign, digits with "." as decimal point whatever the locale, an optional
// exponent; it ends at the first character that cannot continue it. No number
// gives 0. A decimal comma therefore ends the number ("-0,5" reads as 0).
double LeadingNumber(std::string_view text);

// How far into `text` its leading number reaches, the blanks before it
// included: 0 when it starts with no number ("  2.5x" gives 5).
std::size_t LeadingNumberLength(std::string_view text);

// The whole of `text` (blanks around it allowed) as a number with "." as
// decimal point and an optional sign; nothing when any of it is not part of
// the number, when it is empty, or when it is beyond the range of a double.
std::optional<double> WholeNumber(std::string_view text);

// `text` without control characters (C0, DEL and, in UTF-8, C1): a line
// break pasted into a field must never reach a stored record.
std::string StripControlCharacters(std::string_view text);

enum class CompareMode { Exact = 0, IgnoreCase = 1 };

// Replaces `find` by `replacement` in `text`, searching from the 1-based
// character position `start`, at most `count` times (-1: no limit). The
// search resumes just after each inserted replacement, so an inserted text is
// never searched again. An empty `find`, or `find` equal to `replacement`,
// returns `text` unchanged.
std::string ReplaceText(std::string text, std::string_view find, std::string_view replacement,
                        int start = 1, int count = -1, CompareMode compare = CompareMode::Exact);

// The part of `path` after its last separator ("\" or "/"); the whole path
// when it has none. When there is a separator, `directory` receives the part
// before it; otherwise `directory` keeps its previous value.
std::string SplitPath(std::string_view path, std::string& directory);

// `n` blanks; none when `n` is not positive.
std::string Spaces(long n);

// ASCII case-free equality, the way the program's file and key names compare.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);

// `text` without leading and trailing blanks, tabs and line breaks.
std::string_view Trim(std::string_view text);

// Whole characters of UTF-8 text, each as its bytes.
std::vector<std::string_view> Utf8Characters(std::string_view text);

// Whether the character `ch` (its UTF-8 bytes) must not reach a proposed
// file name: a path separator or a control character (C0, DEL and C1).
bool IsUnsafeInFileName(std::string_view ch);

// UTF-8 text by characters, not bytes: the number of characters (a byte
// that continues no character counts as one), the first `count` characters
// (never half of one), and the text padded with blanks to `width` characters
// (longer text is left as it is), and the `count` characters after the
// first `skip` (fewer, or none, where the text ends). Names in fixed columns
// and names compared by position go through these.
std::size_t CharacterCount(std::string_view utf8);
std::string_view FirstCharacters(std::string_view utf8, std::size_t count);
std::string_view CharactersAfter(std::string_view utf8, std::size_t skip, std::size_t count);
std::string PadToCharacters(std::string_view utf8, std::size_t width);

}  // namespace orv
