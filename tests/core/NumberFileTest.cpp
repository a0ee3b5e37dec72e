#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "RecordingHost.h"
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
      {"-.5", -0.5f},
      {"orb 10", std::nullopt},   // no number to read
      {"       8", std::nullopt},  // the number starts past the field
      {"nan", std::nullopt},
      {"inf", std::nullopt},
      {"-inf", std::nullopt},
      {"1e38", 1e38f},
      {"1e39", std::nullopt},  // beyond single precision: refused, never cast
      {"-1e39", std::nullopt},
      {"1e999", std::nullopt},
      {"1e-50", 0.0f},
  };
  for (const auto& c : cases) EXPECT_EQ(SevenCharNumber(c.line), c.value) << c.line;
}

TEST(NumberFile, ARefusedLineKeepsItsValueAndIsNamed) {
  test::TempDir dir;
  const auto path = dir.path() / "Options.opt";
  std::ofstream(path, std::ios::binary) << "1\r\n1e39\r\n3\r\n-9e99\r\nabc\r\n40\r\n-1\r\n";
  OptionValues options{};
  options.fill(7);
  std::array<ValueRange, MaxOptions + 1> ranges;
  ranges.fill({-1e30f, 1e30f});
  ranges[6] = ranges[7] = {0, 30};
  std::vector<RefusedLine> refused;
  ASSERT_EQ(ReadNumberFile(path, options, ranges, &refused), 7);
  EXPECT_EQ(std::vector<float>(options.begin() + 1, options.begin() + 8),
            (std::vector<float>{1, 7, 3, 7, 7, 7, 7}));
  ASSERT_EQ(refused.size(), 5u);
  const std::vector<std::tuple<int, std::string, bool>> expected = {
      {2, "1e39", true}, {4, "-9e99", true}, {5, "abc", false}, {6, "40", true}, {7, "-1", true}};
  for (size_t i = 0; i < refused.size(); ++i)
    EXPECT_EQ(std::tie(refused[i].line, refused[i].text, refused[i].number),
              std::tie(std::get<0>(expected[i]), std::get<1>(expected[i]),
                       std::get<2>(expected[i])));
}

TEST(NumberFile, StopsAtTheFirstEmptyLineAndAtTheTablesEnd) {
  test::TempDir dir;
  const auto path = dir.path() / "TEST.ORB";
  std::ofstream(path, std::ios::binary) << "10\r\n8   sextile\r\n\r\n7\r\n";
  OrbTable orbs{};
  orbs.fill(99);
  ASSERT_EQ(ReadNumberFile(path, orbs, OrbRanges()), 2);
  // Element 0 is never written; after the empty line nothing is read.
  EXPECT_EQ(std::vector<float>(orbs.begin(), orbs.begin() + 4),
            (std::vector<float>{99, 10, 8, 99}));

  std::ofstream long_(dir.path() / "LONG.ORB", std::ios::binary);
  for (int i = 1; i <= 20; ++i) long_ << i << "\n";
  long_.close();
  OrbTable all{};
  ASSERT_EQ(ReadNumberFile(dir.path() / "LONG.ORB", all, OrbRanges()), 17);
  EXPECT_FLOAT_EQ(all[17], 17);

  EXPECT_FALSE(ReadNumberFile(dir.path() / "MISSING.ORB", all, OrbRanges()));
}

// An orb file is read again at every command: its damage is told once.
TEST(NumberFile, AGarbageOrbFileIsReportedOnceByName) {
  test::TempDir dir;
  const auto path = dir.path() / "NATAL.ORB";
  std::ofstream(path, std::ios::binary) << "10\r\n\x01\x02garbage\r\n1e38\r\nnan\r\n";
  test::RecordingHost host;
  for (int read = 0; read < 3; ++read) {
    OrbTable orbs{};
    ASSERT_EQ(ReadOrbNumbers(host, path, orbs), 4);
    EXPECT_EQ(std::vector<float>(orbs.begin() + 1, orbs.begin() + 5),
              (std::vector<float>{10, 0, 0, 0}));
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Line 2 of the orb file called " + path.string() +
                " holds \"garba\", which is not an orb from 0 to 30 degrees, and so do 2 "
                "more of its lines. Those orbs were not changed. The file holds only 4 of the "
                "17 orbs: it ends after line 4. Please correct the file.");
  EXPECT_EQ(host.messages[0].title, "Warning!");
}

std::string SeventeenOrbs() {
  std::string text;
  for (int k = 1; k <= 17; ++k)
    text += std::to_string(k) + "       orb " + std::to_string(k) + "\r\n";
  return text;
}

// Each damaged orb file is read as far as it can be and told once, by name,
// with what is wrong; a sound one is read in silence.
TEST(NumberFile, ADamagedOrbFileIsReadAndToldOnceWithWhatIsWrong) {
  const std::string whole = SeventeenOrbs();
  const std::string lines2to17 = whole.substr(whole.find("2       "));
  const std::string lines3to17 = whole.substr(whole.find("3       "));
  const struct {
    const char* name;
    std::string bytes;  // nothing: a folder of that name
    std::optional<int> read;
    float conjunctionOrb;  // as read; 99 where nothing is read
    float lastOrb;
    std::string message;  // after "...the orb file called <path>" or "Line n of ..."
  } cases[] = {
      {"sound", whole, 17, 1, 17, ""},
      {"empty", "", 0, 99, 99, "@ holds none of the 17 orbs: it is empty."},
      {"cut short", whole.substr(0, whole.find("6       ")), 5, 1, 99,
       "@ holds only 5 of the 17 orbs: it ends after line 5."},
      {"cut mid-line", whole.substr(0, whole.find("6       ") + 1), 6, 1, 99,
       "@ holds only 6 of the 17 orbs: it ends after line 6."},
      {"blank first line", "\r\n" + whole, 0, 99, 99,
       "@ holds none of the 17 orbs: line 1 is empty."},
      {"blank line 9",
       whole.substr(0, whole.find("9       ")) + "\r\n" + whole.substr(whole.find("9       ")), 8,
       1, 99, "@ holds only 8 of the 17 orbs: line 9 is empty."},
      {"folder", "", std::nullopt, 99, 99, ""},
      {"10abc", "10abc\r\n" + lines2to17, 17, 10, 17,
       "Line 1 #holds \"10abc\", read as the orb 10: the number runs into other text."},
      {"2,5 and 1O", "2,5     conjunction\r\n1O\r\n" + lines3to17, 17, 2, 17,
       "Line 1 #holds \"2,5\", read as the orb 2: the number runs into other text. 1 more "
       "line is read the same way."},
      {"a label after a blank", " 10 abc  conjunction\r\n" + lines2to17, 17, 10, 17, ""},
      {"a word and too few", "abc\r\n2y\r\n3\r\n", 3, 99, 99,
       "Line 1 #holds \"abc\", which is not an orb from 0 to 30 degrees. Those orbs were not "
       "changed. Line 2 of the file holds \"2y\", read as the orb 2: the number runs into "
       "other text. The file holds only 3 of the 17 orbs: it ends after line 3."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    const auto path = dir.path() / "NATAL.ORB";
    if (std::string(c.name) == "folder")
      std::filesystem::create_directory(path);
    else
      std::ofstream(path, std::ios::binary) << c.bytes;
    test::RecordingHost host;
    for (int command = 0; command < 3; ++command) {
      OrbTable orbs{};
      orbs.fill(99);
      EXPECT_EQ(ReadOrbNumbers(host, path, orbs), c.read);
      EXPECT_EQ(orbs[1], c.conjunctionOrb);
      EXPECT_EQ(orbs[17], c.lastOrb);
    }
    std::string expected = c.message;
    if (std::string(c.name) == "folder")
      expected =
          "Cannot read the orb file called " + path.string() + ": it is a folder, not a file.";
    else if (expected.starts_with("@"))
      expected = "The orb file called " + path.string() + expected.substr(1);
    else if (auto at = expected.find('#'); at != std::string::npos)
      expected.replace(at, 1, "of the orb file called " + path.string() + " ");
    if (expected.empty()) {
      EXPECT_TRUE(host.messages.empty());
      continue;
    }
    if (std::string(c.name) != "folder") expected += " Please correct the file.";
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, expected);
    EXPECT_EQ(host.messages[0].title, "Warning!");
  }
}

}  // namespace
}  // namespace orv
