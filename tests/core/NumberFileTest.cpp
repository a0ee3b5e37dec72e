#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "core/NumberFile.h"

namespace orv {
namespace {

TEST(NumberFile, ReadsTheNumberOfTheFirstSevenCharacters) {
  EXPECT_FLOAT_EQ(SevenCharNumber("51.42857"), 51.4285f);
  EXPECT_FLOAT_EQ(SevenCharNumber("  2.5  comment"), 2.5f);
  EXPECT_FLOAT_EQ(SevenCharNumber("orb 10"), 0.0f);
  EXPECT_FLOAT_EQ(SevenCharNumber("       8"), 0.0f);  // the number starts past the field
}

TEST(NumberFile, StopsAtTheFirstEmptyLineAndAtTheTablesEnd) {
  test::TempDir dir;
  const auto path = dir.path() / "TEST.ORB";
  std::ofstream(path, std::ios::binary) << "10\r\n8   sextile\r\n\r\n7\r\n";
  OrbTable orbs{};
  orbs.fill(99);
  ASSERT_EQ(ReadNumberFile(path, orbs), 2);
  // Element 0 is never written; after the empty line nothing is read.
  EXPECT_EQ(std::vector<float>(orbs.begin(), orbs.begin() + 4),
            (std::vector<float>{99, 10, 8, 99}));

  std::ofstream long_(dir.path() / "LONG.ORB", std::ios::binary);
  for (int i = 1; i <= 20; ++i) long_ << i << "\n";
  long_.close();
  OrbTable all{};
  ASSERT_EQ(ReadNumberFile(dir.path() / "LONG.ORB", all), 17);
  EXPECT_FLOAT_EQ(all[17], 17);

  EXPECT_FALSE(ReadNumberFile(dir.path() / "MISSING.ORB", all));
}

}  // namespace
}  // namespace orv
