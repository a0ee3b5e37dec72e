#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "platform/Files.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string Numbered(int from, int to) {
  std::string text;
  for (int k = from; k <= to; ++k) text += std::to_string(k) + "       line\r\n";
  return text;
}

TEST(OptionFiles, ReadsUpToTheFirstEmptyLine) {
  test::TempDir dir;
  WriteFile(dir.path() / "Options.opt", "  2.5  comment\r\nwidth 80\r\n\r\n7\r\n");
  OptionValues options{};
  options.fill(-9);
  test::RecordingHost host;
  ASSERT_TRUE(ReadOptionsFile(host, dir.path(), options));
  EXPECT_EQ(options[1], 2.5f);
  EXPECT_EQ(options[2], 0.0f);  // a word before the number
  for (int k = 3; k <= MaxOptions; ++k) EXPECT_EQ(options[size_t(k)], -9.0f) << k;
  EXPECT_EQ(options[0], -9.0f);
  EXPECT_TRUE(host.messages.empty());
}

TEST(OptionFiles, LinesBeyondTheTablesAreIgnored) {
  test::TempDir dir;
  WriteFile(dir.path() / "options.OPT", Numbered(1, 250));  // found whatever its case
  OptionValues options{};
  test::RecordingHost host;
  ASSERT_TRUE(ReadOptionsFile(host, dir.path(), options));
  EXPECT_EQ(options[1], 1.0f);
  EXPECT_EQ(options[244], 244.0f);

  WriteFile(dir.path() / "SHORT.ORB", Numbered(1, 16));
  WriteFile(dir.path() / "LONG.ORB", Numbered(101, 120));
  OrbTable orbs{};
  orbs.fill(5);
  ASSERT_TRUE(ReadOrbFile(host, dir.path() / "short.orb", orbs));
  EXPECT_EQ(orbs[16], 16.0f);
  EXPECT_EQ(orbs[17], 5.0f);  // a 16-line file leaves the 17th orb as it was
  ASSERT_TRUE(ReadOrbFile(host, dir.path() / "LONG.ORB", orbs));
  EXPECT_EQ(orbs[17], 117.0f);
  EXPECT_EQ(orbs[0], 5.0f);
  EXPECT_TRUE(host.messages.empty());
}

TEST(OptionFiles, AMissingOrbFileKeepsThePreviousOrbs) {
  test::TempDir dir;
  OrbTable orbs{};
  orbs.fill(3);
  test::RecordingHost host;
  const auto path = dir.path() / "NATAL.ORB";
  EXPECT_FALSE(ReadOrbFile(host, path, orbs));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Cannot find the file called " + path.string() + ".");
  EXPECT_EQ(host.messages[0].title, "Warning!");
  for (float orb : orbs) EXPECT_EQ(orb, 3.0f);
}

TEST(OptionFiles, AMissingOptionsFileIsMadeAgainFromTheDefaults) {
  test::TempDir dir;
  const std::string defaults = "1       one\r\n2       two\r\n";
  WriteFile(dir.path() / "Options.mst", defaults);
  OptionValues options{};
  test::RecordingHost host;
  ASSERT_TRUE(ReadOptionsFile(host, dir.path(), options));
  EXPECT_EQ(options[2], 2.0f);
  EXPECT_EQ(ReadFileBytes(dir.path() / "Options.opt"), std::optional(defaults));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Information");
  EXPECT_NE(host.messages[0].text.find("Options.mst"), std::string::npos);

  // Neither file: the missing-file message, values untouched.
  test::TempDir empty;
  OptionValues none{};
  none.fill(4);
  test::RecordingHost host2;
  EXPECT_FALSE(ReadOptionsFile(host2, empty.path(), none));
  ASSERT_EQ(host2.messages.size(), 1u);
  EXPECT_EQ(host2.messages[0].text,
            "Cannot find the file called " + (empty.path() / "Options.opt").string() + ".");
  EXPECT_EQ(none[1], 4.0f);
}

TEST(OptionFiles, HouseSystemAtStartIsAnExactMatch) {
  struct Case {
    float option27;
    HouseSystemCode system;
  };
  const Case cases[] = {
      {9, HouseSystemCode::Morinus},   {2, HouseSystemCode::Regiomontanus},
      {8, HouseSystemCode::Meridian},  {6, HouseSystemCode::EqualAscendant},
      {0, HouseSystemCode::Placidus},  {1, HouseSystemCode::Placidus},
      {10, HouseSystemCode::Placidus}, {2.5f, HouseSystemCode::Placidus},
      {-3, HouseSystemCode::Placidus}, {8.999f, HouseSystemCode::Placidus},
  };
  for (const auto& c : cases) {
    OptionValues options{};
    options[27] = c.option27;
    EXPECT_EQ(HouseSystemAtStart(options), c.system) << c.option27;
  }
}

TEST(OptionFiles, EditorTextSavesWithOneLineBreakAtTheEnd) {
  struct Case {
    std::string_view text;
    std::string_view file;
  };
  const Case cases[] = {
      {"1\r\n2\r\n", "1\r\n2\r\n"},  // unchanged text: the same bytes
      {"1\r\n2", "1\r\n2\r\n"},      // the user removed the last break: nothing lost
      {"1\n2\n", "1\r\n2\r\n"},      // the text box's line breaks become CR LF
      {"1\r\n\r\n", "1\r\n\r\n"},    // only one trailing break is dropped
      {"5", "5\r\n"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(EditorTextToFile(c.text), c.file) << c.text;

  test::TempDir dir;
  const std::string loaded = "10      Conjunction\r\n6       Sextile\r\n";
  WriteFile(dir.path() / "NATAL.ORB", loaded);
  const auto text = LoadEditorText(dir.path() / "NATAL.ORB");
  ASSERT_EQ(text, std::optional(loaded));
  test::RecordingHost host;
  ASSERT_TRUE(SaveOrbText(host, dir.path() / "natal.orb", *text));  // the file as found
  EXPECT_EQ(ReadFileBytes(dir.path() / "NATAL.ORB"), std::optional(loaded));
  EXPECT_FALSE(fs::exists(dir.path() / "natal.orb"));

  WriteFile(dir.path() / "NOBREAK.ORB", "10\r\n6");  // gains a final line break
  EXPECT_EQ(LoadEditorText(dir.path() / "NOBREAK.ORB"), std::optional<std::string>("10\r\n6\r\n"));
}

TEST(OptionFiles, SavingOptionsReadsThemAgain) {
  test::TempDir dir;
  WriteFile(dir.path() / "Options.opt", "1\r\n2\r\n");
  OptionValues options{};
  test::RecordingHost host;
  ASSERT_TRUE(SaveOptionsText(host, dir.path(), "7       seven\n8\n", options));
  EXPECT_EQ(options[1], 7.0f);
  EXPECT_EQ(options[2], 8.0f);
  EXPECT_EQ(ReadFileBytes(dir.path() / "Options.opt"),
            std::optional<std::string>("7       seven\r\n8\r\n"));
}

TEST(OptionFiles, SavingIntoAReadOnlyFolderSaysSoAndChangesNothing) {
  test::TempDir dir;
  const auto path = dir.path() / "Options.opt";
  WriteFile(path, "1\r\n2\r\n");
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  EXPECT_TRUE(test::RunUnprivileged([&] {
    OptionValues options{};
    options[1] = 1;
    test::RecordingHost host;
    const bool saved = SaveOptionsText(host, dir.path(), "9\r\n9\r\n", options);
    return !saved && options[1] == 1.0f && host.messages.size() == 1 &&
           host.messages[0].title == "Warning!" &&
           host.messages[0].text.starts_with("Cannot save the file called " + path.string());
  }));
  EXPECT_EQ(ReadFileBytes(path), std::optional<std::string>("1\r\n2\r\n"));
}

TEST(OptionFiles, RestoreDefaultCopiesOverTheFileAsFound) {
  test::TempDir dir;
  WriteFile(dir.path() / "OPTIONS.OPT", "9\r\n");
  WriteFile(dir.path() / "Options.mst", "1\r\n2\r\n");
  test::RecordingHost host;
  ASSERT_TRUE(RestoreDefaultOptions(host, dir.path()));
  EXPECT_EQ(ReadFileBytes(dir.path() / "OPTIONS.OPT"), std::optional<std::string>("1\r\n2\r\n"));
  EXPECT_FALSE(fs::exists(dir.path() / "Options.opt") &&
               !fs::equivalent(dir.path() / "Options.opt", dir.path() / "OPTIONS.OPT"));
  EXPECT_TRUE(host.messages.empty());

  fs::remove(dir.path() / "Options.mst");
  EXPECT_FALSE(RestoreDefaultOptions(host, dir.path()));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Error in operation. Cannot do what is requested.");
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(ReadFileBytes(dir.path() / "OPTIONS.OPT"), std::optional<std::string>("1\r\n2\r\n"));
}

}  // namespace
}  // namespace orv
