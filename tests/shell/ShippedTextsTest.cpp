// The texts the program ships: every help item's file, the tips and the
// personal header, as the program folder holds them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>

#include "base/Text.h"
#include "commands/CommandTable.h"
#include "platform/Files.h"
#include "shell/EditorFiles.h"
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
      {"TRANSIT.INX",
       {"SUN_TR.TXT", "RETRO.TXT", "NAT2TRAN.ORB", "(Shift+Ctrl+F7)", "Forward (F2)", "(F3)",
        "New Date (F4)", "Reports > Transit Report", "Option 33 = 1"}},
  };
  for (const Case& c : cases) {
    const std::string text =
        JoinLinesCrLf(ReadTextLines(kData / c.file).value_or(std::vector<std::string>{}));
    for (const std::string& phrase : c.phrases)
      EXPECT_NE(text.find(phrase), std::string::npos) << c.file << ": " << phrase;
  }
}

// The sentences of a text: the lines of a paragraph joined by one blank,
// cut after ". ", "? " and "! ".
std::vector<std::string> Sentences(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += Trim(line).empty() ? "\n" : " " + std::string(Trim(line));
  std::vector<std::string> sentences(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') sentences.back() += text[i];
    const bool stop = text[i] == '.' || text[i] == '?' || text[i] == '!';
    if (text[i] == '\n' || (stop && (i + 1 == text.size() || text[i + 1] == ' ')))
      sentences.emplace_back();
  }
  return sentences;
}

bool Says(std::string_view sentence, std::initializer_list<std::string_view> phrases) {
  const std::string lower = ToLowerAscii(sentence);
  return std::ranges::any_of(
      phrases, [&](std::string_view p) { return lower.find(p) != std::string::npos; });
}

// `caption` in `text` as a name of its own: whole words, and not part of a
// longer name ("Input" is not named in "Diurnal Input Data window").
bool Names(std::string_view text, std::string_view caption) {
  const auto letter = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  const auto capital = [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; };
  for (size_t at = text.find(caption); at != std::string_view::npos;
       at = text.find(caption, at + 1)) {
    const size_t end = at + caption.size();
    if ((at > 0 && letter(text[at - 1])) || (end < text.size() && letter(text[end]))) continue;
    size_t before = at;
    while (before > 0 && text[before - 1] == ' ') --before;
    while (before > 0 && letter(text[before - 1])) --before;
    const bool longerBefore = before < at && capital(text[before]);
    const bool longerAfter = end + 1 < text.size() && text[end] == ' ' && capital(text[end + 1]);
    if (!longerBefore && !longerAfter) return true;
  }
  return false;
}

// The file names in `text`: a word of letters, digits and underscores, a
// dot and an extension of two or three letters.
std::vector<std::string> FileNames(std::string_view text) {
  const auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  std::vector<std::string> names;
  for (size_t at = 0; at < text.size();) {
    if (!word(text[at]) || (at > 0 && word(text[at - 1]))) {
      ++at;
      continue;
    }
    size_t dot = at;
    while (dot < text.size() && word(text[dot])) ++dot;
    size_t end = dot + 1;
    while (end < text.size() && letter(text[end])) ++end;
    const size_t extension = end - dot - 1;
    if (dot < text.size() && text[dot] == '.' && extension >= 2 && extension <= 3 &&
        (end == text.size() || !word(text[end])))
      names.emplace_back(text.substr(at, end - at));
    at = dot;
  }
  return names;
}

// Every command of the menu table is built and runs once its gate opens
// (the controller's tests see to that), and every file a help text names
// as shipped is in the program folder: so no help text may say that a
// command is not built, that a command which is never gated is greyed, or
// that a file the program folder holds does not ship.
TEST(ShippedTexts, NoHelpTextSaysAWorkingCommandOrAShippedFileIsMissing) {
  std::vector<std::string> texts = {std::string(kTipsFileName)};
  for (const MenuEntry& item : MainMenuEntries())
    if (!item.helpFile.empty()) texts.emplace_back(item.helpFile);
  std::map<std::string, bool> gated;  // caption: some command of that caption is gated
  for (const MenuEntry& item : MainMenuEntries()) {
    if (item.kind != MenuEntryKind::Item && item.kind != MenuEntryKind::BarCommand) continue;
    for (std::string_view caption : {item.caption, item.personCaption}) {
      std::string plain;
      for (char c : caption)
        if (c != '&') plain += c;
      if (!plain.empty()) gated[plain] = gated[plain] || item.gate != CommandGate::Always;
    }
  }
  for (const std::string& file : texts) {
    const auto lines = ReadTextLines(kData / file);
    ASSERT_TRUE(lines) << file;
    for (const std::string& sentence : Sentences(*lines)) {
      SCOPED_TRACE(file + ": " + sentence);
      std::vector<std::string> named;
      for (const auto& [caption, isGated] : gated)
        if (Names(sentence, caption)) named.push_back(caption);
      if (Says(sentence, {"not built", "not yet built", "to be built", "not available",
                          "unavailable", "not implemented"})) {
        EXPECT_TRUE(named.empty()) << named.front();
      }
      if (Says(sentence, {"greyed", "grayed", "disabled"})) {
        for (const std::string& caption : named) EXPECT_TRUE(gated[caption]) << caption;
      }
      if (Says(sentence, {"not ship", "not shipped"})) {
        const std::vector<std::string> files = FileNames(sentence);
        EXPECT_FALSE(files.empty()) << "says a file does not ship without naming it";
        for (const std::string& f : files) EXPECT_FALSE(fs::exists(kData / f)) << f;
      }
    }
  }
}

// Where a help text says what the program does, it says it as the program
// does it: the program folder is always the user's own, wherever the
// program is installed, reports are saved in N_REPORT and R_REPORT, and
// Switch puts chart 2 outside. Each row: a text and a phrase (in its
// sentences, the lines joined) that it must say or must not.
TEST(ShippedTexts, TheHelpSaysWhatTheProgramDoes) {
  const struct {
    const char* file;
    const char* phrase;
    bool said;
  } cases[] = {
      {"Orvanta8.HLP", "~/.local/share/Orvanta8 in your home folder ($XDG_DATA_HOME/Orvanta8",
       true},
      {"Orvanta8.HLP", "write there", false},
      {"UPGRADES.HLP", "~/.local/share/Orvanta8 in your home folder ($XDG_DATA_HOME/Orvanta8",
       true},
      {"UPGRADES.HLP", "write there", false},
      {"Orvanta8.HLP", "N_REPORT  natal and transit reports", true},
      {"Orvanta8.HLP", "REPORTS folder with saved pages and reports", false},
      {"UPGRADES.HLP", "R_REPORT            saved composite and synastry reports", true},
      {"UPGRADES.HLP", "REPORTS             saved pages and reports", false},
      {"REVISION.HLP", "~/.local/share/Orvanta8 ($XDG_DATA_HOME/Orvanta8", true},
      {"REVISION.HLP", "cannot be written", false},
      {"WHEELS.HLP", "Switch in the wheel's menu puts chart 2 outside in its own houses", true},
      {"WHEELS.HLP", "chart 2 inside (in its own houses)", false},
  };
  for (const auto& c : cases) {
    const auto lines = ReadTextLines(kData / c.file);
    ASSERT_TRUE(lines) << c.file;
    std::string text;
    for (const std::string& sentence : Sentences(*lines)) text += sentence + "\n";
    EXPECT_EQ(text.find(c.phrase) != std::string::npos, c.said) << c.file << ": " << c.phrase;
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
