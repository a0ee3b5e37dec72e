#include <gtest/gtest.h>

#include <limits>

#include "base/Text.h"

namespace orv {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"  \t-3.5abc", -3.5}, {"+7", 7},     {"1.5e2 deg", 150}, {"2e+", 2},
      {"-.5", -0.5},         {"", 0},       {"-", 0},           {".", 0},
      {"-0,5", 0},           {"12,75", 12}, {"1e-3", 0.001},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
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

}  // namespace
}  // namespace orv
