#include "base/LetterCase.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace orv {

namespace {

struct CaseRun {
  std::uint32_t first, last, step;
  std::int32_t offset;
};

#include "base/LetterCaseTable.inc"

constexpr char32_t kSharpS = 0xDF;

std::uint32_t Mapped(std::span<const CaseRun> runs, std::uint32_t c) {
  const auto after = std::upper_bound(
      runs.begin(), runs.end(), c, [](std::uint32_t v, const CaseRun& r) { return v < r.first; });
  if (after == runs.begin()) return c;
  const CaseRun& r = *(after - 1);
  if (c > r.last || (c - r.first) % r.step != 0) return c;
  return std::uint32_t(std::int64_t(c) + r.offset);
}

// The code point of the well-formed UTF-8 character at the start of `s`
// and its length in bytes; length 0 when it is not one.
std::pair<std::uint32_t, std::size_t> Decode(std::string_view s) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = b(0);
  const std::size_t n = lead < 0x80             ? 1
                        : (lead & 0xE0) == 0xC0 ? 2
                        : (lead & 0xF0) == 0xE0 ? 3
                        : (lead & 0xF8) == 0xF0 ? 4
                                                : 0;
  if (n == 0 || n > s.size()) return {0, 0};
  std::uint32_t c = n == 1 ? lead : lead & (0x7F >> n);
  for (std::size_t i = 1; i < n; ++i) {
    if ((b(i) & 0xC0) != 0x80) return {0, 0};
    c = (c << 6) | (b(i) & 0x3F);
  }
  constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kLeast[n] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return {0, 0};
  return {c, n};
}

void Encode(std::uint32_t c, std::string& out) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

// `out` followed by `utf8` with each character mapped by `runs`.
std::string MapCase(std::string_view utf8, std::span<const CaseRun> runs, bool upper,
                    std::string out = {}) {
  out.reserve(out.size() + utf8.size());
  while (!utf8.empty()) {
    const auto [c, n] = Decode(utf8);
    if (n == 0) {
      out += utf8[0];
      utf8.remove_prefix(1);
      continue;
    }
    if (upper && c == kSharpS)
      out += "SS";
    else
      Encode(Mapped(runs, c), out);
    utf8.remove_prefix(n);
  }
  return out;
}

}  // namespace

std::string ToUpperText(std::string_view utf8) { return MapCase(utf8, kUpperRuns, true); }

std::string ToLowerText(std::string_view utf8) { return MapCase(utf8, kLowerRuns, false); }

std::string CapitalisedText(std::string_view utf8) {
  if (utf8.empty()) return {};
  const std::size_t first = std::max<std::size_t>(Decode(utf8).second, 1);
  return MapCase(utf8.substr(first), kLowerRuns, false, ToUpperText(utf8.substr(0, first)));
}

}  // namespace orv
