#include <gtest/gtest.h>

#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "platform/Files.h"
#include "shell/OutputBuffer.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

// Records what the data window was asked to show.
struct RecordingView : OutputView {
  std::vector<std::string> pages;
  std::vector<bool> moreMenu;
  void ShowPage(std::string_view pageText, bool moreMenuShown) override {
    pages.emplace_back(pageText);
    moreMenu.push_back(moreMenuShown);
  }
};

void Append(OutputState& out, test::RecordingHost& host, const std::string& line) {
  out.OutputLine = line;
  AppendOutputLine(out, host);
}

std::string ReadBytes(const fs::path& p) { return ReadFileBytes(p).value_or("<missing>"); }

TEST(OutputBuffer, ShownPageFileHoldsTheLinesTheClosingBlankAndTheSpareLine) {
  for (const int n : {1, 3, 50}) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "REPORTS");
    test::RecordingHost host;
    RecordingView view;
    OutputState out;
    BeginOutputPage(out);
    for (int i = 1; i <= n; ++i) Append(out, host, "line " + std::to_string(i));
    ASSERT_TRUE(ShowOutputPage(out, dir.path(), host, view));

    const auto lines = ReadTextLines(dir.path() / "REPORTS" / "LASTPAGE.TXT");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), std::size_t(n) + 2) << "n = " << n;
    EXPECT_EQ((*lines)[0], "line 1");
    EXPECT_EQ((*lines)[n - 1], "line " + std::to_string(n));
    EXPECT_EQ((*lines)[n], "");
    EXPECT_EQ((*lines)[n + 1], "");
    // Written with CR LF, and the window shows exactly what was written.
    const std::string bytes = ReadBytes(dir.path() / "REPORTS" / "LASTPAGE.TXT");
    EXPECT_EQ(bytes.substr(0, 8), "line 1\r\n");
    ASSERT_EQ(view.pages.size(), 1u);
    EXPECT_EQ(view.pages[0], bytes);
    EXPECT_TRUE(host.messages.empty());
  }
}

TEST(OutputBuffer, BeginningAPageKeepsTheWholeBuffer) {
  test::TempDir dir;
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  BeginOutputPage(out);
  Append(out, host, "first page");
  ShowOutputPage(out, dir.path(), host, view);
  BeginOutputPage(out);
  Append(out, host, "second page");
  ShowOutputPage(out, dir.path(), host, view);

  EXPECT_EQ(out.OutputBuffer, (std::vector<std::string>{"first page", "", "second page", ""}));
  EXPECT_EQ(out.PageBuffer, (std::vector<std::string>{"second page", ""}));
  EXPECT_EQ(ReadBytes(dir.path() / "REPORTS" / "LASTPAGE.TXT"), "second page\r\n\r\n\r\n");
}

TEST(OutputBuffer, ShowingDoesNothingWhileTheWholeBufferIsEmpty) {
  test::TempDir dir;
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  BeginOutputPage(out);
  EXPECT_FALSE(ShowOutputPage(out, dir.path(), host, view));
  EXPECT_TRUE(view.pages.empty());
  EXPECT_EQ(out.PageLineCount(), 0u);
  EXPECT_FALSE(fs::exists(dir.path() / "REPORTS" / "LASTPAGE.TXT"));

  // A page begun after the buffer was cleared shows nothing either.
  Append(out, host, "x");
  ClearOutputBuffer(out);
  EXPECT_FALSE(ShowOutputPage(out, dir.path(), host, view));
  EXPECT_TRUE(view.pages.empty());
  EXPECT_EQ(out.PageBuffer, std::vector<std::string>{"x"});
}

TEST(OutputBuffer, EveryShowAddsOneClosingBlankLine) {
  test::TempDir dir;
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  Append(out, host, "a");
  ShowOutputPage(out, dir.path(), host, view);
  ShowOutputPage(out, dir.path(), host, view);
  EXPECT_EQ(out.PageBuffer, (std::vector<std::string>{"a", "", ""}));
  EXPECT_EQ(out.OutputBuffer, (std::vector<std::string>{"a", "", ""}));
}

TEST(OutputBuffer, AppendsLeaveTheBuiltLineAndABlankLineEmptiesIt) {
  test::RecordingHost host;
  OutputState out;
  Append(out, host, "kept");
  EXPECT_EQ(out.OutputLine, "kept");
  AppendBlankLine(out, host);
  EXPECT_EQ(out.OutputLine, "");
  EXPECT_EQ(out.OutputBuffer, (std::vector<std::string>{"kept", ""}));
}

TEST(OutputBuffer, ALineWithLineBreaksInsideBecomesSeveralLinesOfThePage) {
  test::TempDir dir;
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  Append(out, host, "one\ntwo\r\nthree\rfour");
  EXPECT_EQ(out.OutputCount(), 1u);
  ShowOutputPage(out, dir.path(), host, view);
  EXPECT_EQ(ReadBytes(dir.path() / "REPORTS" / "LASTPAGE.TXT"),
            "one\r\ntwo\r\nthree\r\nfour\r\n\r\n\r\n");
}

TEST(OutputBuffer, TheMoreMenuIsShownUntilTheNextPageBegins) {
  test::TempDir dir;
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  BeginOutputPage(out);
  Append(out, host, "day 1");
  out.MoreMenuShown = true;  // as the transit listing does
  ShowOutputPage(out, dir.path(), host, view);
  BeginOutputPage(out);
  EXPECT_FALSE(out.MoreMenuShown);
  Append(out, host, "natal data");
  ShowOutputPage(out, dir.path(), host, view);
  EXPECT_EQ(view.moreMenu, (std::vector<bool>{true, false}));
}

TEST(OutputBuffer, AMissingReportsFolderIsMadeAgain) {
  test::TempDir dir;
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  Append(out, host, "x");
  ASSERT_FALSE(fs::exists(dir.path() / "REPORTS"));
  ShowOutputPage(out, dir.path(), host, view);
  EXPECT_EQ(ReadBytes(dir.path() / "REPORTS" / "LASTPAGE.TXT"), "x\r\n\r\n\r\n");
  EXPECT_TRUE(host.messages.empty());
}

TEST(OutputBuffer, AFailedPageFileIsReportedAndThePageStillShown) {
  test::TempDir dir;
  std::ofstream(dir.path() / "REPORTS") << "a file where the folder should be";
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  Append(out, host, "x");
  EXPECT_TRUE(ShowOutputPage(out, dir.path(), host, view));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(
      host.messages[0].text.rfind(
          "Cannot save the file called " + (dir.path() / "REPORTS" / "LASTPAGE.TXT").string(), 0),
      0u)
      << host.messages[0].text;
  ASSERT_EQ(view.pages.size(), 1u);
  EXPECT_EQ(view.pages[0], "x\r\n\r\n\r\n");
}

TEST(ShowHelpFile, ShowsTheFileAsAPageWithAClosingBlankLine) {
  test::TempDir dir;
  std::ofstream(dir.path() / "outputd1.hlp", std::ios::binary)
      << "Data window\r\n\r\nF5 saves.\r\n";
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  Append(out, host, "earlier listing");
  ASSERT_TRUE(ShowHelpFile(out, dir.path(), "\\OUTPUTD1.HLP", host, view));
  // The file's lines, the blank the help adds, the blank the show adds.
  EXPECT_EQ(out.PageBuffer, (std::vector<std::string>{"Data window", "", "F5 saves.", "", ""}));
  EXPECT_EQ(out.OutputCount(), 6u);
  ASSERT_EQ(view.pages.size(), 1u);
  EXPECT_EQ(view.pages[0], "Data window\r\n\r\nF5 saves.\r\n\r\n\r\n\r\n");
}

TEST(ShowHelpFile, AMissingFileIsReportedAndThePageStays) {
  test::TempDir dir;
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  Append(out, host, "listing");
  ASSERT_FALSE(ShowHelpFile(out, dir.path(), "\\WHEELS.HLP", host, view));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called " + (dir.path() / "WHEELS.HLP").string() + ".");
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(out.PageBuffer, std::vector<std::string>{"listing"});
  EXPECT_TRUE(view.pages.empty());
}

}  // namespace
}  // namespace orv
