#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "core/NumberFile.h"

namespace orv {
namespace {

TEST(NumberFile, ReadsTheNumberOfTheFirstSevenCharacters) {
  const struct {
    const char* line;
    std::optional<float> value;
  } cases[] = {
      {"51.42857", 51.4285f},
      {"  2.5  comment", 2.5f},
      {"orb 10", 0.0f},
      {"       8", 0.0f},  // the number starts past the field
      {"1e38", 1e38f},
      {"1e39", std::nullopt},  // beyond single precision: refused, never cast
      {"-1e39", std::nullopt},
      {"1e-50", 0.0f},
  };
  for (const auto& c : cases) EXPECT_EQ(SevenCharNumber(c.line), c.value) << c.line;
}

TEST(NumberFile, ARefusedLineKeepsItsValueAndIsNamed) {
  test::TempDir dir;
  const auto path = dir.path() / "Options.opt";
  std::ofstream(path, std::ios::binary) << "1\r\n1e39\r\n3\r\n-9e99\r\n";
  OptionValues options{};
  options.fill(7);
  std::vector<int> refused;
  ASSERT_EQ(ReadNumberFile(path, options, &refused), 4);
  EXPECT_EQ(std::vector<float>(options.begin() + 1, options.begin() + 5),
            (std::vector<float>{1, 7, 3, 7}));
  EXPECT_EQ(refused, (std::vector<int>{2, 4}));
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
