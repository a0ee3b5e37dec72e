#include "base/Text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace orv {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

// Where the leading number of `text` starts and ends; both 0 when there is none.
std::pair<size_t, size_t> LeadingNumberSpan(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const size_t begin = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  while (i < text.size() && IsDigit(text[i])) {
    ++i;
    digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      ++i;
      digits = true;
    }
  }
  if (!digits) return {0, 0};
  size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      end = j;
    }
  }
  return {begin, end};
}

}  // namespace

size_t LeadingNumberLength(std::string_view text) { return LeadingNumberSpan(text).second; }

double LeadingNumber(std::string_view text) {
  const auto [begin, end] = LeadingNumberSpan(text);
  if (end == 0) return 0.0;
  // from_chars is locale-independent and correctly rounded. It takes no
  // leading "+", so the sign is handled here.
  std::string_view span = text.substr(begin, end - begin);
  bool negative = false;
  if (span.front() == '+' || span.front() == '-') {
    negative = span.front() == '-';
    span.remove_prefix(1);
  }
  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(span.data(), span.data() + span.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Keep the result finite: a huge number saturates, a tiny one is 0.
    const bool tiny =
        span.find("e-") != std::string_view::npos || span.find("E-") != std::string_view::npos;
    value = tiny ? 0.0 : std::numeric_limits<double>::max();
  }
  (void)ptr;
  return negative ? -value : value;
}

std::optional<double> WholeNumber(std::string_view text) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::string StripControlCharacters(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) continue;
    // U+0080..U+009F, the second set of control characters, as UTF-8.
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      ++i;
      continue;
    }
    kept += char(c);
  }
  return kept;
}

std::string ReplaceText(std::string text, std::string_view find, std::string_view replacement,
                        int start, int count, CompareMode compare) {
  if (find.empty() || find == replacement) return text;
  auto matchesAt = [&](size_t pos) {
    if (pos + find.size() > text.size()) return false;
    for (size_t k = 0; k < find.size(); ++k) {
      char a = text[pos + k], b = find[k];
      if (compare == CompareMode::IgnoreCase) {
        a = LowerAscii(a);
        b = LowerAscii(b);
      }
      if (a != b) return false;
    }
    return true;
  };
  // Built anew rather than replaced in place, so a long text with many
  // matches takes linear time.
  size_t pos = std::min(start > 1 ? size_t(start - 1) : 0, text.size());
  std::string out = text.substr(0, pos);
  out.reserve(text.size());
  int done = 0;
  while (pos + find.size() <= text.size() && (count == -1 || done < count)) {
    if (compare == CompareMode::Exact) {
      const size_t at = text.find(find, pos);
      if (at == std::string::npos) break;
      out.append(text, pos, at - pos);
      pos = at;
    } else if (!matchesAt(pos)) {
      out += text[pos++];
      continue;
    }
    out += replacement;
    pos += find.size();
    ++done;
  }
  out.append(text, pos, std::string::npos);
  return out;
}

std::string SplitPath(std::string_view path, std::string& directory) {
  const size_t cut = path.find_last_of("\\/");
  if (cut == std::string_view::npos) return std::string(path);
  directory = std::string(path.substr(0, cut));
  return std::string(path.substr(cut + 1));
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::string Spaces(long n) { return std::string(std::size_t(std::max(0L, n)), ' '); }

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

std::string_view Trim(std::string_view text) {
  const char* blanks = " \t\r\n";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

namespace {
bool ContinuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::vector<std::string_view> Utf8Characters(std::string_view text) {
  std::vector<std::string_view> chars;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= text.size(); ++i) {
    if (i == text.size() || !ContinuesCharacter(text[i])) {
      chars.push_back(text.substr(start, i - start));
      start = i;
    }
  }
  return chars;
}

bool IsUnsafeInFileName(std::string_view ch) {
  if (ch.size() == 1) {
    const auto c = static_cast<unsigned char>(ch[0]);
    return c < 0x20 || c == 0x7F || c == '/' || c == '\\';
  }
  return ch.size() == 2 && static_cast<unsigned char>(ch[0]) == 0xC2 &&
         static_cast<unsigned char>(ch[1]) < 0xA0;
}

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) count += i == 0 || !ContinuesCharacter(utf8[i]);
  return count;
}

std::string_view FirstCharacters(std::string_view utf8, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t taken = 0; end < utf8.size(); ++end) {
    if ((end == 0 || !ContinuesCharacter(utf8[end])) && taken++ == count) break;
  }
  return utf8.substr(0, end);
}

std::string_view CharactersAfter(std::string_view utf8, std::size_t skip, std::size_t count) {
  return FirstCharacters(utf8.substr(FirstCharacters(utf8, skip).size()), count);
}

std::string PadToCharacters(std::string_view utf8, std::size_t width) {
  std::string out(utf8);
  const std::size_t count = CharacterCount(utf8);
  if (count < width) out.append(width - count, ' ');
  return out;
}

}  // namespace orv
