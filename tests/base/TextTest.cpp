#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"

namespace orv {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
  // `length`: how far the number reaches, the blanks before it included.
  const struct {
    const char* text;
    double value;
    size_t length;
  } cases[] = {
      {"  \t-3.5abc", -3.5, 7}, {"+7", 7, 2},     {"1.5e2 deg", 150, 5}, {"2e+", 2, 1},
      {"-.5", -0.5, 3},         {"", 0, 0},       {"-", 0, 0},           {".", 0, 0},
      {"-0,5", 0, 2},           {"12,75", 12, 2}, {"1e-3", 0.001, 4},    {" x1", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
    EXPECT_EQ(LeadingNumberLength(c.text), c.length) << c.text;
  }
  EXPECT_EQ(LeadingNumber("1e999"), std::numeric_limits<double>::max());
  EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
}

TEST(ReplaceText, NeverSearchesAnInsertedReplacementAndHonoursItsLimits) {
  EXPECT_EQ(ReplaceText("aXa", "a", "aa"), "aaXaa");
  EXPECT_EQ(ReplaceText("aaa", "a", "ba"), "bababa");
  EXPECT_EQ(ReplaceText("a-a-a", "a", "b", 1, 1), "b-a-a");
  EXPECT_EQ(ReplaceText("a-a-a", "a", "b", 2), "a-b-b");
  EXPECT_EQ(ReplaceText("Sun SUN sun", "sun", "Moon", 1, -1, CompareMode::IgnoreCase),
            "Moon Moon Moon");
  EXPECT_EQ(ReplaceText("Sun SUN sun", "sun", "Moon"), "Sun SUN Moon");
  EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceText("{\\b}", "\\", "\\\\"), "{\\\\b}");
}

TEST(SplitPath, SplitsOnEitherSeparatorAndKeepsTheFolderOtherwise) {
  std::string folder = "previous";
  EXPECT_EQ(SplitPath("C:\\DATA\\NAMES.FIL", folder), "NAMES.FIL");
  EXPECT_EQ(folder, "C:\\DATA");
  EXPECT_EQ(SplitPath("/home/u\\x/a.LL", folder), "a.LL");
  EXPECT_EQ(folder, "/home/u\\x");
  EXPECT_EQ(SplitPath("NAMES.FIL", folder), "NAMES.FIL");
  EXPECT_EQ(folder, "/home/u\\x");
}

TEST(CaseFreeText, ComparesAndConvertsAsciiOnly) {
  EXPECT_TRUE(EqualsIgnoreCase("Options.opt", "OPTIONS.OPT"));
  EXPECT_FALSE(EqualsIgnoreCase("Options.opt", "Options.op"));
  EXPECT_EQ(ToUpperAscii("Natal.orb é"), "NATAL.ORB é");
  EXPECT_EQ(ToLowerAscii("NATAL.ORB"), "natal.orb");
  EXPECT_EQ(Trim("  a b \r\n"), "a b");
  EXPECT_EQ(Trim(" \t "), "");
}

// Counting and cutting agree with the split into characters, a stray
// continuation byte counting as one, and never halve a character.
TEST(Utf8Text, CountsAndCutsWholeCharacters) {
  const struct {
    std::string_view text;
    std::size_t count;
    std::string_view firstTwo;
  } kCases[] = {
      {"", 0, ""},
      {"a", 1, "a"},
      {"abc", 3, "ab"},
      {"Zo\xC3\xAB Ann", 7, "Zo"},
      {"\xC3\xAB\xC3\xA9x", 3, "\xC3\xAB\xC3\xA9"},
      {"\xE2\x82\xAC" "1", 2, "\xE2\x82\xAC" "1"},
      {"\x80\x80" "ab", 3, "\x80\x80" "a"},
      {"a\x80" "b", 2, "a\x80" "b"},
  };
  for (const auto& c : kCases) {
    const std::vector<std::string_view> chars = Utf8Characters(c.text);
    EXPECT_EQ(CharacterCount(c.text), c.count) << c.text;
    EXPECT_EQ(chars.size(), c.count) << c.text;
    EXPECT_EQ(FirstCharacters(c.text, 2), c.firstTwo) << c.text;
    for (std::size_t n = 0; n <= c.count + 1; ++n) {
      std::string joined;
      for (std::size_t i = 0; i < std::min(n, chars.size()); ++i) joined += chars[i];
      EXPECT_EQ(FirstCharacters(c.text, n), joined) << c.text << " " << n;
      for (std::size_t skip = 0; skip <= c.count + 1; ++skip) {
        std::string after;
        for (std::size_t i = skip; i < std::min(skip + n, chars.size()); ++i) after += chars[i];
        EXPECT_EQ(CharactersAfter(c.text, skip, n), after) << c.text << " " << skip << " " << n;
      }
    }
    EXPECT_EQ(CharacterCount(PadToCharacters(c.text, 5)), std::max<std::size_t>(c.count, 5));
  }
  EXPECT_EQ(Spaces(3), "   ");
  EXPECT_EQ(Spaces(0), "");
  EXPECT_EQ(Spaces(-4), "");
}

}  // namespace
}  // namespace orv
