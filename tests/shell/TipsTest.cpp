#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "shell/Tips.h"

namespace orv {
namespace {

// Steps through `steps` presses from tip 1 and returns the tips seen.
std::vector<int> Walk(int tipCount, int steps, int (*step)(int, int)) {
  std::vector<int> seen;
  int index = NextTipIndex(0, tipCount);  // loading shows tip 1
  for (int i = 0; i < steps; ++i) seen.push_back(index = step(index, tipCount));
  return seen;
}

TEST(Tips, NextAndGoBackWrapOverTheTipsRead) {
  // 25 tips: Next from 25 gives 1, Go Back from 1 gives 25.
  EXPECT_EQ(NextTipIndex(25, 25), 1);
  EXPECT_EQ(PreviousTipIndex(1, 25), 25);
  // 10 tips: the wrap happens at 10, never at 25.
  EXPECT_EQ(Walk(10, 11, NextTipIndex), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2}));
  EXPECT_EQ(Walk(10, 11, PreviousTipIndex), (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 10}));
  // One tip stays on itself; no tips leave nothing to show.
  EXPECT_EQ(PreviousTipIndex(1, 1), 1);
  EXPECT_EQ(NextTipIndex(0, 0), 0);
}

TEST(Tips, CaptionsAndTheMissingFile) {
  EXPECT_EQ(NextTipCaption(10), "&Next Tip of 10");
  EXPECT_EQ(NextTipCaption(0), "&Next Tip of 25");
  EXPECT_EQ(TipsNotFoundText(), "that the TIPOFDAY.TXT file was not found?");

  test::TempDir dir;
  EXPECT_FALSE(LoadTips(dir.path() / "TIPOFDAY.TXT"));
  std::ofstream(dir.path() / "tipofday.txt", std::ios::binary) << "first\r\nsecond\r\n";
  const auto tips = LoadTips(dir.path() / "TIPOFDAY.TXT");  // found whatever its case
  ASSERT_TRUE(tips);
  EXPECT_EQ(*tips, (std::vector<std::string>{"first", "second"}));
}

}  // namespace
}  // namespace orv
