// The texts the program ships: every help item's file, the tips and the
// personal header, as the program folder holds them.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/Files.h"
#include "shell/EditorFiles.h"
#include "commands/CommandTable.h"
#include "shell/Tips.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kData = ORVANTA_DATA_DIR;
const fs::path kProgram = ORVANTA_PROGRAM_DIR;

// The data window shows a text in a fixed-pitch font: wider lines would
// need sideways scrolling in a window of the default size.
constexpr size_t kMaxLineLength = 76;
// A help text that says something specific about its window takes more
// than a screenful; anything shorter is a stub.
constexpr size_t kMinHelpLines = 25;
constexpr size_t kMinHelpBytes = 1200;

TEST(ShippedTexts, EveryHelpItemOpensASubstantialTextOfItsOwn) {
  std::set<std::string> files;
  for (const MenuEntry& item : MainMenuEntries()) {
    if (item.helpFile.empty()) continue;
    SCOPED_TRACE(std::string(item.helpFile));
    EXPECT_TRUE(files.insert(std::string(item.helpFile)).second) << "shared by two items";
    // The program folder the build fills holds the same file.
    for (const fs::path& folder : {kData, kProgram})
      ASSERT_TRUE(fs::is_regular_file(folder / item.helpFile)) << folder;
    const auto bytes = ReadFileBytes(kData / item.helpFile);
    ASSERT_TRUE(bytes);
    EXPECT_GE(bytes->size(), kMinHelpBytes);
    EXPECT_EQ(bytes->find('\t'), std::string::npos);
    for (unsigned char c : *bytes) ASSERT_TRUE(c == '\r' || c == '\n' || (c >= 32 && c < 127));
    // CR LF throughout, as the program writes its own files.
    EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'),
              std::count(bytes->begin(), bytes->end(), '\r'));
    const auto lines = ReadTextLines(kData / item.helpFile);
    ASSERT_TRUE(lines);
    EXPECT_GE(lines->size(), kMinHelpLines);
    for (size_t i = 0; i < lines->size(); ++i) {
      const std::string& line = (*lines)[i];
      EXPECT_LE(line.size(), kMaxLineLength) << line;
      // One blank at most, and only where the next line continues the
      // paragraph (PHILO.HLP opens the reports, which join lines there).
      if (line.empty() || line.back() != ' ') continue;
      EXPECT_NE(line[line.size() - 2], ' ') << line;
      EXPECT_TRUE(i + 1 < lines->size() && !(*lines)[i + 1].empty()) << line;
    }
  }
  EXPECT_EQ(files.size(), 23u);
}

TEST(ShippedTexts, TheWindowHelpTextsNameTheirWindowsKeys) {
  // Each window's text names the keys its menus define.
  struct Case {
    const char* file;
    std::vector<std::string> phrases;
  };
  const Case cases[] = {
      {"Orvanta8.HLP", {"F12", "Shift+F7", "Ctrl+D", "Ctrl+T", "Ctrl+A"}},
      {"TRANSITS.HLP", {"F5", "F6", "F7", "Shift+Ctrl+F7", "Ctrl+C", "Ctrl+V", "Ctrl+S"}},
      {"COSMODYN.HLP", {"Ctrl+D", "Ctrl+W", "Ctrl+E"}},
      {"OUTPUTD1.HLP", {"Save (F5)", "Save As (F6)", "Increase (F7)", "Bold (F11)", "(F4)"}},
      {"WHEELS.HLP", {"(F9)", "(Ctrl+F9)", "(Ctrl+F11)", "(Ctrl+F12)", "(F8)", "(Shift+Ctrl+F9)"}},
      {"OPTIONS.HLP", {"Restore Default", "Options.mst", "27", "42"}},
      {"PHILO.HLP", {"rising sign", "transit report", "tendencies, not fate", "reflection"}},
      {"LICENSE.HLP", {"not been settled", "owners", "data/README"}},
      {"REVISION.HLP", {"Version 1.62"}},
      {"TRANSIT.INX", {"SUN_TR.TXT", "RETRO.TXT", "NAT2TRAN.ORB"}},
  };
  for (const Case& c : cases) {
    const std::string text =
        JoinLinesCrLf(ReadTextLines(kData / c.file).value_or(std::vector<std::string>{}));
    for (const std::string& phrase : c.phrases)
      EXPECT_NE(text.find(phrase), std::string::npos) << c.file << ": " << phrase;
  }
}

TEST(ShippedTexts, TheReportOpeningSpeaksOnlyOfTheChart) {
  // PHILO.HLP opens the natal and transit reports a reader is handed, so it
  // names no file, setting or window of the program.
  const std::string text =
      JoinLinesCrLf(ReadTextLines(kData / "PHILO.HLP").value_or(std::vector<std::string>{}));
  ASSERT_FALSE(text.empty());
  for (const char* word : {".ORB", ".HLP", "option", "Option", "window", "menu", "Orvanta8",
                           "program", "click", "colour of the wheel"})
    EXPECT_EQ(text.find(word), std::string::npos) << word;
}

TEST(ShippedTexts, ShortcutKeysListTheMenuKeys) {
  const auto lines = ReadTextLines(kData / "SHORTCUT.HLP");
  ASSERT_TRUE(lines);
  // Key and item as the menu tables give them, key column 16 wide.
  for (const char* line :
       {"    F12             Exit", "    Shift+F7        Placidus",
        "    Shift+Ctrl+F7   Transit Interpretations", "    Ctrl+T          Tip of the Day",
        "    Ctrl+A          About", "    F4              New Date",
        "    Shift+Ctrl+F4   Go back a Transit Year", "    Ctrl+L          Toggle Option #230",
        // Which window a key belongs to when two windows give it a meaning.
        "Each window's own keys belong to that window while it has the focus:",
        "runs the main window's command from there too: after a calculation,"})
    EXPECT_NE(std::find(lines->begin(), lines->end(), line), lines->end()) << line;
}

TEST(ShippedTexts, TwentyFiveTipsAndAnEmptyPersonalHeader) {
  const auto tips = LoadTips(kData / kTipsFileName);
  ASSERT_TRUE(tips);
  ASSERT_EQ(tips->size(), 25u);
  std::set<std::string> distinct(tips->begin(), tips->end());
  EXPECT_EQ(distinct.size(), 25u);
  for (const std::string& tip : *tips) {
    // Each reads on from "Did you know...", as the missing-file text does.
    EXPECT_EQ(tip.rfind("that ", 0), 0u) << tip;
    EXPECT_NE(tip.find('?'), std::string::npos) << tip;
  }
  EXPECT_TRUE(fs::is_regular_file(kData / kPersonalHeaderFileName));
  EXPECT_EQ(fs::file_size(kData / kPersonalHeaderFileName), 0u);
}

}  // namespace
}  // namespace orv
