#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "ShellTestSupport.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteFile;

std::string Numbered(int from, int to) {
  std::string text;
  for (int k = from; k <= to; ++k) text += std::to_string(k) + "       line\r\n";
  return text;
}

struct OptionFiles : ::testing::Test {
  test::TempDir dir;
  test::RecordingHost host;
  std::string MissingMessage(const std::string& name) {
    return "Cannot find the file called " + (dir.path() / name).string() + ".";
  }
};

// 250 lines of 1, a value every kind of option admits, but line 244: 244.
std::string OnesTo250() {
  std::string text;
  for (int k = 1; k <= 250; ++k) text += (k == 244 ? "244" : "1") + std::string("       line\r\n");
  return text;
}

TEST_F(OptionFiles, ReadUpToTheFirstEmptyLineOrTheTablesEnd) {
  WriteFile(dir.path() / "Options.opt", "  2.5  comment\r\n 80 width\r\n\r\n7\r\n");
  OptionValues options{};
  options.fill(-9);
  ASSERT_TRUE(ReadOptionsFile(host, dir.path(), options));
  EXPECT_EQ(std::vector<float>(options.begin(), options.begin() + 4),
            (std::vector<float>{-9, 2.5f, 80, -9}));
  EXPECT_EQ(options[MaxOptions], -9.0f);

  fs::remove(dir.path() / "Options.opt");
  WriteFile(dir.path() / "options.OPT", OnesTo250());  // found whatever its case
  ASSERT_TRUE(ReadOptionsFile(host, dir.path(), options));
  EXPECT_EQ(options[244], 244.0f);

  WriteFile(dir.path() / "SHORT.ORB", Numbered(1, 16));
  WriteFile(dir.path() / "LONG.ORB", Numbered(11, 30));
  OrbTable orbs{};
  orbs.fill(5);
  ASSERT_TRUE(ReadOrbFile(host, dir.path() / "short.orb", orbs));
  EXPECT_EQ(orbs[16], 16.0f);
  EXPECT_EQ(orbs[17], 5.0f);  // a 16-line file leaves the 17th orb as it was
  ASSERT_TRUE(ReadOrbFile(host, dir.path() / "LONG.ORB", orbs));
  EXPECT_EQ(orbs[17], 27.0f);
  EXPECT_EQ(orbs[0], 5.0f);
  // Lines past the 17th are ignored; a file short of them is told.
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The orb file called " + (dir.path() / "SHORT.ORB").string() +
                                       " holds only 16 of the 17 orbs: it ends after line 16. "
                                       "Please correct the file.");
}

TEST_F(OptionFiles, AMissingOrbFileKeepsThePreviousOrbs) {
  OrbTable orbs{};
  orbs.fill(3);
  const OrbTable before = orbs;
  EXPECT_FALSE(ReadOrbFile(host, dir.path() / "NATAL.ORB", orbs));
  EXPECT_EQ(orbs, before);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, MissingMessage("NATAL.ORB"));
  EXPECT_EQ(host.messages[0].title, "Warning!");
}

// A wheel's orbs stand alone: nothing of an earlier file, nothing past the
// 17th line; a missing file is told only when a host is given.
TEST_F(OptionFiles, AWheelsOrbTableStandsAlone) {
  WriteFile(dir.path() / "SHORT.ORB", Numbered(1, 16));
  WriteFile(dir.path() / "LONG.ORB", Numbered(1, 30));
  const auto shortOrbs = LoadOrbTable(&host, dir.path() / "short.orb");
  ASSERT_TRUE(shortOrbs);
  EXPECT_EQ((*shortOrbs)[16], 16.0f);
  EXPECT_EQ((*shortOrbs)[17], 0.0f);
  const auto longOrbs = LoadOrbTable(nullptr, dir.path() / "LONG.ORB");
  ASSERT_TRUE(longOrbs);
  EXPECT_EQ((*longOrbs)[17], 17.0f);
  EXPECT_EQ(longOrbs->size(), 18u);
  EXPECT_FALSE(LoadOrbTable(nullptr, dir.path() / "NATAL.ORB"));
  ASSERT_EQ(host.messages.size(), 1u);  // the short file, told once
  EXPECT_FALSE(LoadOrbTable(&host, dir.path() / "NATAL.ORB"));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, MissingMessage("NATAL.ORB"));
}

TEST_F(OptionFiles, AMissingOptionsFileIsMadeAgainFromTheDefaults) {
  OptionValues options{};
  options.fill(4);
  EXPECT_FALSE(ReadOptionsFile(host, dir.path(), options));
  EXPECT_EQ(host.messages.at(0).text, MissingMessage("Options.opt"));
  EXPECT_EQ(options[1], 4.0f);

  const std::string defaults = "1       one\r\n2       two\r\n";
  WriteFile(dir.path() / "Options.mst", defaults);
  ASSERT_TRUE(ReadOptionsFile(host, dir.path(), options));
  EXPECT_EQ(options[2], 2.0f);
  EXPECT_EQ(ReadBytes(dir.path() / "Options.opt"), defaults);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].title, "Information");
  EXPECT_NE(host.messages[1].text.find("Options.mst"), std::string::npos);
}

// A short or empty Options.opt takes the missing values from Options.mst
// (every missing option was 0), and a line that holds no number or one
// outside its option's range gives that option its shipped value, with the
// first such line named; both are said.
TEST_F(OptionFiles, AShortOrBrokenOptionsFileIsCompletedAndSaysSo) {
  WriteFile(dir.path() / "Options.mst", Numbered(1, 5));
  const fs::path opt = dir.path() / "Options.opt";
  const std::string completed = "The file " + opt.string() +
                                " holds only 2 of the 5 option values. The others were taken "
                                "from " +
                                (dir.path() / "Options.mst").string() + ".";
  const auto refused = [&](int k, const std::string& read, bool number,
                           const std::string& more = "") {
    return "Option " + std::to_string(k) + " on line " + std::to_string(k) +
           " of the file called " + opt.string() + " reads \"" + read + "\"" +
           (number ? "" : ", which is no number") +
           "; an option of the kind weight holds a value from -100 to 100. The shipped value " +
           (k == 1 ? "-2" : "2") + " is used instead." + more + " Please correct the file.";
  };
  const struct {
    std::string file;
    std::vector<float> values;
    std::vector<std::string> messages;
  } cases[] = {
      {"9\r\n8\r\n", {9, 8, 3, 4, 5}, {completed}},
      {"", {1, 2, 3, 4, 5},
       {"The file " + opt.string() +
        " holds only 0 of the 5 option values. The others were taken from " +
        (dir.path() / "Options.mst").string() + "."}},
      {"9\r\n1e39\r\n7\r\n6\r\n5\r\n", {9, 2, 7, 6, 5}, {refused(2, "1e39", true)}},
      {"9\r\n1e38\r\n7\r\n6\r\n5\r\n", {9, 2, 7, 6, 5}, {refused(2, "1e38", true)}},
      {"9\r\n-101\r\n7\r\n6\r\n5\r\n", {9, 2, 7, 6, 5}, {refused(2, "-101", true)}},
      {"9\r\nnan\r\n7\r\n6\r\n5\r\n", {9, 2, 7, 6, 5}, {refused(2, "nan", false)}},
      {"9\r\n-inf\r\n7\r\n6\r\n5\r\n", {9, 2, 7, 6, 5}, {refused(2, "-inf", false)}},
      // Garbage: no line is 0 by accident; the first is named.
      {"\x7f@#!\r\nzz top\r\n", {-2, 2, 3, 4, 5},
       {refused(1, "@#!", false, " 1 more line is refused the same way."), completed}},
      {"100\r\n-100\r\n3\r\n4\r\n5\r\n", {100, -100, 3, 4, 5}, {}},  // the range's ends
      {Numbered(1, 5), {1, 2, 3, 4, 5}, {}},
  };
  for (const auto& c : cases) {
    WriteFile(opt, c.file);
    OptionValues options{};
    test::RecordingHost said;
    ASSERT_TRUE(ReadOptionsFile(said, dir.path(), options));
    EXPECT_EQ(std::vector<float>(options.begin() + 1, options.begin() + 6), c.values) << c.file;
    std::vector<std::string> texts;
    for (const auto& m : said.messages) texts.push_back(m.text);
    EXPECT_EQ(texts, c.messages) << c.file;
  }
}

// Every option of the shipped file lies in its range and is the shipped
// value of the range table; the orb files' range is the options' orb kind.
TEST(OptionRanges, AgreeWithTheShippedFiles) {
  const auto lines = ReadTextLines(fs::path(ORVANTA_DATA_DIR) / "Options.opt");
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), size_t(MaxOptions));
  for (int k = 1; k <= MaxOptions; ++k) {
    const OptionRange& range = OptionRanges()[size_t(k)];
    const auto value = SevenCharNumber((*lines)[size_t(k - 1)]);
    ASSERT_TRUE(value) << k;
    EXPECT_EQ(*value, range.shipped) << k;
    EXPECT_TRUE(range.lowest <= range.shipped && range.shipped <= range.highest) << k;
    EXPECT_FALSE(range.kind.empty()) << k;
  }
  for (int k : {51, 55, 59}) {
    EXPECT_EQ(OptionRanges()[size_t(k)].kind, "orb");
    EXPECT_EQ(OptionRanges()[size_t(k)].lowest, kOrbRange.lowest);
    EXPECT_EQ(OptionRanges()[size_t(k)].highest, kOrbRange.highest);
  }
  // The values that reached undefined behaviour: a wheel layout flag, the
  // batch label width and the default zone.
  const std::tuple<int, float, float> pinned[] = {{28, -1, 1}, {241, 1, 250}, {18, -13, 12}};
  for (const auto& [k, lowest, highest] : pinned) {
    EXPECT_EQ(OptionRanges()[size_t(k)].lowest, lowest) << k;
    EXPECT_EQ(OptionRanges()[size_t(k)].highest, highest) << k;
  }
  for (const auto& orbFile : {"NATAL.ORB", "TRANSIT.ORB", "NAT2TRAN.ORB", "SYNASTRY.ORB",
                              "COMPOSIT.ORB", "MAGI.ORB", "MAGI_NAT.ORB"}) {
    OrbTable orbs{};
    std::vector<RefusedLine> refused;
    EXPECT_EQ(ReadNumberFile(fs::path(ORVANTA_DATA_DIR) / orbFile, orbs, OrbRanges(), &refused),
              MaxOrbs);
    EXPECT_TRUE(refused.empty()) << orbFile;
  }
}

TEST(HouseSystemAtStart, IsAnExactMatchOfTwoToNine) {
  const std::pair<float, HouseSystemCode> cases[] = {
      {9, HouseSystemCode::Morinus},     {2, HouseSystemCode::Regiomontanus},
      {1, HouseSystemCode::Placidus},    {10, HouseSystemCode::Placidus},
      {2.5f, HouseSystemCode::Placidus}, {8.999f, HouseSystemCode::Placidus},
  };
  for (const auto& [option27, system] : cases) {
    OptionValues options{};
    options[27] = option27;
    EXPECT_EQ(HouseSystemAtStart(options), system) << option27;
  }
}

TEST_F(OptionFiles, EditorTextSavesWithOneLineBreakAtTheEnd) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"1\r\n2\r\n", "1\r\n2\r\n"},  // unchanged text: the same bytes
      {"1\r\n2", "1\r\n2\r\n"},      // the user removed the last break: nothing lost
      {"1\n2\n", "1\r\n2\r\n"},      // the text box's line breaks become CR LF
      {"1\r\n\r\n", "1\r\n\r\n"},    // only one trailing break is dropped
      {"", ""},
  };
  for (const auto& [text, file] : cases) EXPECT_EQ(EditorTextToFile(text), file) << text;

  const std::string loaded = "10      Conjunction\r\n6       Sextile\r\n";
  WriteFile(dir.path() / "NATAL.ORB", loaded);
  const auto text = LoadEditorText(dir.path() / "NATAL.ORB");
  ASSERT_EQ(text, loaded);
  ASSERT_TRUE(SaveEditorText(host, dir.path() / "natal.orb", *text));  // the file as found
  EXPECT_EQ(ReadBytes(dir.path() / "NATAL.ORB"), loaded);
  EXPECT_FALSE(fs::exists(dir.path() / "natal.orb"));
  WriteFile(dir.path() / "NOBREAK.ORB", "10\r\n6");  // gains a final line break
  EXPECT_EQ(LoadEditorText(dir.path() / "NOBREAK.ORB"), "10\r\n6\r\n");
}

TEST_F(OptionFiles, RestoreDefaultCopiesOverTheFileAsFound) {
  WriteFile(dir.path() / "OPTIONS.OPT", "9\r\n");
  WriteFile(dir.path() / "Options.mst", "1\r\n2\r\n");
  ASSERT_TRUE(RestoreDefaultOptions(host, dir.path()));
  EXPECT_EQ(ReadBytes(dir.path() / "OPTIONS.OPT"), "1\r\n2\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
  EXPECT_TRUE(host.messages.empty());

  fs::remove(dir.path() / "Options.mst");
  EXPECT_FALSE(RestoreDefaultOptions(host, dir.path()));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Error in operation. Cannot do what is requested.");
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(ReadBytes(dir.path() / "OPTIONS.OPT"), "1\r\n2\r\n");
}

}  // namespace
}  // namespace orv
