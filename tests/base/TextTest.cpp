#include "base/Text.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"42", 42},        {"  \t-3.5abc", -3.5}, {"+7", 7},         {"1.5e2 deg", 150},
      {"2e", 2},         {"2e+", 2},            {".25", 0.25},     {"-.5", -0.5},
      {"", 0},           {"abc", 0},            {"-", 0},          {".", 0},
      {"-0,5", 0},       {"12,75", 12},         {"0.1", 0.1},      {"1e-3", 0.001},
      {"   9.45 x", 9.45},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
  EXPECT_EQ(LeadingNumber("1e999"), std::numeric_limits<double>::max());
  EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
}

TEST(ReplaceText, NeverSearchesAnInsertedReplacement) {
  EXPECT_EQ(ReplaceText("aXa", "a", "aa"), "aaXaa");
  EXPECT_EQ(ReplaceText("aaa", "a", "ba"), "bababa");
}

TEST(ReplaceText, HonoursCountStartAndComparison) {
  EXPECT_EQ(ReplaceText("a-a-a", "a", "b", 1, 1), "b-a-a");
  EXPECT_EQ(ReplaceText("a-a-a", "a", "b", 1, 2), "b-b-a");
  EXPECT_EQ(ReplaceText("a-a-a", "a", "b", 2), "a-b-b");
  EXPECT_EQ(ReplaceText("Sun SUN sun", "sun", "Moon", 1, -1, CompareMode::IgnoreCase),
            "Moon Moon Moon");
  EXPECT_EQ(ReplaceText("Sun SUN sun", "sun", "Moon"), "Sun SUN Moon");
}

TEST(ReplaceText, LeavesTextAloneForEmptyOrIdenticalFind) {
  EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceText("abc", "b", "b"), "abc");
  EXPECT_EQ(ReplaceText("", "a", "b"), "");
  EXPECT_EQ(ReplaceText("{\\b}", "\\", "\\\\"), "{\\\\b}");
}

TEST(SplitPath, SplitsOnEitherSeparatorAndKeepsTheFolderOtherwise) {
  std::string folder = "previous";
  EXPECT_EQ(SplitPath("C:\\DATA\\NAMES.FIL", folder), "NAMES.FIL");
  EXPECT_EQ(folder, "C:\\DATA");
  EXPECT_EQ(SplitPath("/data/NAMES.FIL", folder), "NAMES.FIL");
  EXPECT_EQ(folder, "/data");
  EXPECT_EQ(SplitPath("NAMES.FIL", folder), "NAMES.FIL");
  EXPECT_EQ(folder, "/data");
  EXPECT_EQ(SplitPath("/home/u\\x/a.LL", folder), "a.LL");
  EXPECT_EQ(folder, "/home/u\\x");
  EXPECT_EQ(SplitPath("dir/", folder), "");
  EXPECT_EQ(folder, "dir");
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
