#include <gtest/gtest.h>

#include "../shell/ShellTestSupport.h"
#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/DataWindowCommands.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

using test::ReadBytes;

void AppendLine(OutputState& out, const std::string& line) {
  MutedHost host;
  out.OutputLine = line;
  AppendOutputLine(out, host);
}

OutputState BufferOf(const std::vector<std::string>& lines) {
  OutputState out;
  for (const auto& line : lines) AppendLine(out, line);
  return out;
}

OptionValues OptionsWith(int option, float value) {
  OptionValues options{};
  options[option] = value;
  return options;
}

TEST(FormatSavedOutput, BreaksPagesByOption45AndEndsWithAFormFeed) {
  struct Case {
    std::vector<std::string> lines;
    float linesPerPage;
    std::string expected;
  };
  const Case cases[] = {
      // Four lines, three per page: L1 L2 L3 FF L4, the spare line, the final FF.
      {{"L1", "L2", "L3", "L4"}, 3, "L1\r\nL2\r\nL3\r\n\f\r\nL4\r\n\r\n\f\r\n"},
      // No page length: no breaks inside, a final form feed all the same.
      {{"L1", "L2", "L3", "L4"}, 0, "L1\r\nL2\r\nL3\r\nL4\r\n\r\n\f\r\n"},
      // The buffer's own form feed restarts the count and stands for the final one.
      {{"A", "\f", "B", "C"}, 2, "A\r\n\f\r\nB\r\nC\r\n\f\r\n\r\n"},
      // Without a page length, a form feed of the buffer gets no second one.
      {{"A", "\f", "B"}, 0, "A\r\n\f\r\nB\r\n\r\n"},
      // The spare empty line counts like any other.
      {{"L1"}, 2, "L1\r\n\r\n\f\r\n\f\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatSavedOutput(c.lines, c.linesPerPage), c.expected)
        << "lines per page " << c.linesPerPage << ", first line " << c.lines.front();
  }
}

TEST(ProposedSaveName, TakesTheFirstNameOrEightCharacters) {
  const std::pair<std::string, std::string> cases[] = {
      {"Jane Doe", "Jane.DOC"},
      {"Bartholomew Smith", "Bartholo.DOC"},
      {"Jonathan Smith", "Jonathan.DOC"},  // blank at position 9: 8 characters
      {"Björnström", "Björnstr.DOC"},      // characters, not bytes
      {"m Jane Doe", "m.DOC"},             // the sex mark is part of the name
      {"../../etc\\x", "....etcx.DOC"},    // no path separators
      {"Jo\tAnn\r\n", "JoAnn.DOC"},        // no control characters
      {"", ""},                            // nothing to propose
      {" Jane", ""},
  };
  for (const auto& [name, expected] : cases) {
    EXPECT_EQ(ProposedSaveName(name), expected) << "name \"" << name << "\"";
  }
}

TEST(SaveOutput, AnEmptyBufferIsNotSaved) {
  test::TempDir dir;
  test::RecordingHost host;
  OutputState out;
  out.OutputFileName = (dir.path() / "OLD.DOC").string();
  EXPECT_FALSE(SaveOutput(out, OptionValues{}, dir.path(), "Jane Doe", host));
  EXPECT_FALSE(SaveOutputAs(out, OptionValues{}, dir.path(), "Jane Doe", host));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "No data to write to file.");
  EXPECT_EQ(host.messages[1].title, "Information");
  EXPECT_EQ(host.messages[1].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(host.fileChoices.empty());
  EXPECT_FALSE(fs::exists(dir.path() / "OLD.DOC"));
}

TEST(SaveOutput, AsksOnceThenSavesToTheChosenFile) {
  test::TempDir dir;
  test::RecordingHost host;
  OutputState out = BufferOf({"L1", "L2", "L3", "L4"});
  const OptionValues options = OptionsWith(45, 3);

  // Cancelled: nothing written, nothing said, still no target.
  EXPECT_FALSE(SaveOutput(out, options, dir.path(), "Jane Doe", host));
  ASSERT_EQ(host.fileChoices.size(), 1u);
  const FileChoice& choice = host.fileChoices[0];
  EXPECT_EQ(choice.mode, FileChoice::Mode::Save);
  EXPECT_EQ(choice.folder + "|" + choice.proposedName + "|" + choice.defaultSuffix,
            dir.path().string() + "|Jane.DOC|doc");
  EXPECT_TRUE(choice.confirmOverwrite);
  EXPECT_TRUE(out.OutputFileName.empty());
  EXPECT_TRUE(host.messages.empty());

  const fs::path chosen = dir.path() / "jane.doc";
  host.fileAnswers.push_back(chosen.string());
  EXPECT_TRUE(SaveOutput(out, options, dir.path(), "Jane Doe", host));
  EXPECT_EQ(out.OutputFileName, chosen.string());
  EXPECT_EQ(ReadBytes(chosen), "L1\r\nL2\r\nL3\r\n\f\r\nL4\r\n\r\n\f\r\n");

  // The next Save writes the same file without asking.
  AppendLine(out, "L5");
  EXPECT_TRUE(SaveOutput(out, options, dir.path(), "Jane Doe", host));
  EXPECT_EQ(host.fileChoices.size(), 2u);
  // The spare line fills the second page, whose break comes before the final one.
  EXPECT_EQ(ReadBytes(chosen), "L1\r\nL2\r\nL3\r\n\f\r\nL4\r\nL5\r\n\r\n\f\r\n\f\r\n");

  // Once a new page is shown, the file saved last is no longer the target:
  // Save asks again instead of overwriting it with another page.
  struct : OutputView {
    void ShowPage(SharedPage, bool) override {}
  } view;
  ASSERT_TRUE(ShowOutputPage(out, dir.path(), host, view));
  EXPECT_FALSE(SaveOutput(out, options, dir.path(), "Jane Doe", host));
  EXPECT_EQ(host.fileChoices.size(), 3u);
  EXPECT_EQ(ReadBytes(chosen), "L1\r\nL2\r\nL3\r\n\f\r\nL4\r\nL5\r\n\r\n\f\r\n\f\r\n");
}

TEST(SaveOutput, SaveAsAlwaysAsksAndCancelKeepsTheTarget) {
  test::TempDir dir;
  test::RecordingHost host;
  OutputState out = BufferOf({"x"});
  out.OutputFileName = (dir.path() / "FIRST.DOC").string();
  EXPECT_FALSE(SaveOutputAs(out, OptionValues{}, dir.path(), "Bartholomew Smith", host));
  ASSERT_EQ(host.fileChoices.size(), 1u);
  EXPECT_EQ(host.fileChoices[0].proposedName, "Bartholo.DOC");
  EXPECT_EQ(out.OutputFileName, (dir.path() / "FIRST.DOC").string());
  EXPECT_FALSE(fs::exists(dir.path() / "FIRST.DOC"));
}

// Save As onto a read-only file fails, said once; the next Save asks again
// rather than failing on that file without a chooser.
TEST(SaveOutput, AFailedSaveAsDoesNotBecomeTheTarget) {
  test::TempDir dir;
  test::RecordingHost host;
  OutputState out = BufferOf({"x"});
  const fs::path readOnly = dir.path() / "X.DOC";
  test::WriteFile(readOnly, "mine");
  fs::permissions(readOnly, fs::perms::owner_read);
  host.fileAnswers.push_back(readOnly.string());
  EXPECT_FALSE(SaveOutputAs(out, OptionValues{}, dir.path(), "", host));
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_FALSE(SaveOutput(out, OptionValues{}, dir.path(), "", host));
  EXPECT_EQ(host.fileChoices.size(), 2u);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(ReadBytes(readOnly), "mine");
}

TEST(SaveOutput, ALongBufferIsSavedWhole) {
  constexpr int kLines = 40000;  // past any 16-bit line counter
  test::TempDir dir;
  test::RecordingHost host;
  std::vector<std::string> lines;
  for (int i = 1; i <= kLines; ++i) lines.push_back("line " + std::to_string(i));
  OutputState out = BufferOf(lines);
  out.OutputFileName = (dir.path() / "LONG.DOC").string();
  ASSERT_TRUE(SaveOutput(out, OptionValues{}, dir.path(), "", host));
  lines.insert(lines.end(), {"", "\f"});  // the spare line and the form feed
  EXPECT_EQ(ReadTextLines(dir.path() / "LONG.DOC"), lines);
}

TEST(SaveOutput, AFailedSaveIsReported) {
  test::TempDir dir;
  test::RecordingHost host;
  OutputState out = BufferOf({"x"});
  out.OutputFileName = (dir.path() / "no such folder" / "X.DOC").string();
  EXPECT_FALSE(SaveOutput(out, OptionValues{}, dir.path(), "", host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(host.messages[0].text.rfind("Cannot save the file called ", 0), 0u);
}

TEST(ClearAllData, EmptiesTheBufferButKeepsThePageForPrinting) {
  test::TempDir dir;
  test::RecordingHost host;
  OutputState out = BufferOf({"page line", ""});
  ClearAllData(out, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "All data cleared from buffer.");
  EXPECT_EQ(host.messages[0].title, "Information!");
  EXPECT_EQ(out.OutputCount(), 0u);

  EXPECT_TRUE(SpoolOutputPage(out, dir.path(), host));
  EXPECT_EQ(ReadBytes(dir.path() / "PRNTFILE.XXX"), "page line\r\n\r\n\r\n");
  EXPECT_GT(host.busyCount, 0);
  EXPECT_EQ(host.busyDepth, 0);

  EXPECT_FALSE(SpoolOutputData(out, dir.path(), host));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "No data to print.");
  EXPECT_EQ(host.messages[1].title, "Information");
  EXPECT_EQ(host.messages[1].icon, MessageIcon::Exclamation);

  // Print data spools the whole buffer; an empty page spools nothing.
  out = BufferOf({"a", "b"});
  BeginOutputPage(out);
  ASSERT_TRUE(SpoolOutputData(out, dir.path(), host));
  EXPECT_FALSE(SpoolOutputPage(out, dir.path(), host));
  EXPECT_EQ(ReadBytes(dir.path() / "PRNTFILE.XXX"), "a\r\nb\r\n\r\n");
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST(FontSize, StepsByHalfTheFontStepWithinEightToTwelvePoints) {
  // From 8.5 points with a step of 1.5 the sizes run 8.5, 9.25, 10, 10.75,
  // 11.5, 12.25; Increase is then disabled.
  const double expected[] = {9.25, 10.0, 10.75, 11.5, 12.25};
  double size = 8.5;
  for (const double next : expected) {
    ASSERT_TRUE(CanIncreaseFontSize(size)) << size;
    size = IncreasedFontSize(size, 1.5);
    EXPECT_EQ(size, next);
  }
  EXPECT_FALSE(CanIncreaseFontSize(size));
  EXPECT_EQ(IncreasedFontSize(size, 1.5), 12.25);
  EXPECT_EQ(DecreasedFontSize(8.5, 1.5), 7.75);
  EXPECT_FALSE(CanDecreaseFontSize(7.75));
  EXPECT_EQ(DecreasedFontSize(7.75, 1.5), 7.75);
}

}  // namespace
}  // namespace orv
