#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "ShellTestSupport.h"
#include "TempDir.h"
#include "shell/OutputBuffer.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

using Lines = std::vector<std::string>;

// Records what the data window was asked to show.
struct RecordingView : OutputView {
  std::vector<std::string> pages;
  std::vector<bool> moreMenu;
  void ShowPage(SharedPage page, bool moreMenuShown) override {
    pages.push_back(PageFileText(*page));
    moreMenu.push_back(moreMenuShown);
  }
};

struct OutputBuffer : ::testing::Test {
  test::TempDir dir;
  test::RecordingHost host;
  RecordingView view;
  OutputState out;
  void Append(const std::string& line) {
    out.OutputLine = line;
    AppendOutputLine(out, host);
  }
  bool Show() { return ShowOutputPage(out, dir.path(), host, view); }
  std::string PageFile() { return test::ReadBytes(dir.path() / "REPORTS" / "LASTPAGE.TXT"); }
};

TEST_F(OutputBuffer, ShownPageFileHoldsTheLinesTheClosingBlankAndTheSpareLine) {
  // The REPORTS folder is made when it is missing.
  BeginOutputPage(out);
  std::string expected;
  for (int i = 1; i <= 50; ++i) {
    Append("line " + std::to_string(i));
    expected += "line " + std::to_string(i) + "\r\n";
  }
  ASSERT_TRUE(Show());
  EXPECT_EQ(PageFile(), expected + "\r\n\r\n");
  EXPECT_EQ(view.pages, Lines{PageFile()});  // the window shows exactly what was written
  EXPECT_TRUE(host.messages.empty());
  // Every show adds one closing blank line.
  Show();
  EXPECT_EQ(out.PageLineCount(), 52u);
}

TEST_F(OutputBuffer, BeginningAPageKeepsTheWholeBufferAndHidesTheMoreMenu) {
  BeginOutputPage(out);
  Append("first page");
  out.MoreMenuShown = true;  // as the transit listing does
  Show();
  BeginOutputPage(out);
  EXPECT_FALSE(out.MoreMenuShown);
  Append("second page");
  EXPECT_EQ(out.OutputLine, "second page");  // appends leave the built line
  Show();
  EXPECT_EQ(out.OutputBuffer(), (Lines{"first page", "", "second page", ""}));
  EXPECT_EQ(out.PageBuffer(), (Lines{"second page", ""}));
  EXPECT_EQ(PageFile(), "second page\r\n\r\n\r\n");
  EXPECT_EQ(view.moreMenu, (std::vector<bool>{true, false}));
  AppendBlankLine(out, host);
  EXPECT_EQ(out.OutputLine, "");
}

TEST_F(OutputBuffer, ShowingDoesNothingWhileTheWholeBufferIsEmpty) {
  EXPECT_FALSE(Show());
  // A page begun after the buffer was cleared shows nothing either.
  Append("x");
  ClearOutputBuffer(out);
  EXPECT_FALSE(Show());
  EXPECT_TRUE(view.pages.empty());
  EXPECT_EQ(out.PageBuffer(), Lines{"x"});
  EXPECT_FALSE(fs::exists(dir.path() / "REPORTS" / "LASTPAGE.TXT"));
}

// Clearing empties the whole buffer but leaves the page on screen: Print
// page still prints it, Print data and Save hold only what came after.
TEST_F(OutputBuffer, ClearingLeavesThePageAndTheLinesAfterCountAgain) {
  struct Step {
    const char* action;  // "append x", "begin", "clear", "top x", "all"
    Lines buffer, page;
  };
  const Step steps[] = {
      {"append a", {"a"}, {"a"}},
      {"begin", {"a"}, {}},
      {"append b", {"a", "b"}, {"b"}},
      {"top t", {"a", "t", "b"}, {"t", "b"}},
      {"clear", {}, {"t", "b"}},
      {"append c", {"c"}, {"t", "b", "c"}},
      {"begin", {"c"}, {}},
      {"append d", {"c", "d"}, {"d"}},
      {"clear", {}, {"d"}},
      {"begin", {}, {}},
      {"append e", {"e"}, {"e"}},
      {"all", {}, {}},
  };
  for (const Step& s : steps) {
    const std::string action = s.action;
    if (action.starts_with("append ")) Append(action.substr(7));
    if (action == "begin") BeginOutputPage(out);
    if (action.starts_with("top ")) InsertLineAtPageTop(out, action.substr(4));
    if (action == "clear") ClearOutputBuffer(out);
    if (action == "all") ClearAllOutput(out);
    EXPECT_EQ(out.OutputBuffer(), s.buffer) << action;
    EXPECT_EQ(out.OutputCount(), s.buffer.size()) << action;
    EXPECT_EQ(out.PageBuffer(), s.page) << action;
  }
}

TEST_F(OutputBuffer, ALineWithLineBreaksInsideBecomesSeveralLinesOfThePage) {
  Append("one\ntwo\r\nthree\rfour");
  EXPECT_EQ(out.OutputCount(), 1u);
  Show();
  EXPECT_EQ(PageFile(), "one\r\ntwo\r\nthree\r\nfour\r\n\r\n\r\n");
}

TEST_F(OutputBuffer, AFailedPageFileIsReportedAndThePageStillShown) {
  test::WriteFile(dir.path() / "REPORTS", "a file where the folder should be");
  Append("x");
  EXPECT_TRUE(Show());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_TRUE(host.messages[0].text.starts_with("Cannot save the file called " +
                                                (dir.path() / "REPORTS" / "LASTPAGE.TXT").string()))
      << host.messages[0].text;
  EXPECT_EQ(view.pages, Lines{"x\r\n\r\n\r\n"});
}

TEST_F(OutputBuffer, AHelpFileIsShownAsAPageOrReportedMissing) {
  test::WriteFile(dir.path() / "outputd1.hlp", "Data window\r\n\r\nF5 saves.\r\n");
  Append("earlier listing");
  ASSERT_TRUE(ShowHelpFile(out, dir.path(), "\\OUTPUTD1.HLP", host, view));
  // The file's lines, the blank the help adds, the blank the show adds.
  EXPECT_EQ(out.PageBuffer(), (Lines{"Data window", "", "F5 saves.", "", ""}));
  EXPECT_EQ(out.OutputCount(), 6u);
  EXPECT_EQ(view.pages, Lines{"Data window\r\n\r\nF5 saves.\r\n\r\n\r\n\r\n"});

  ASSERT_FALSE(ShowHelpFile(out, dir.path(), "\\WHEELS.HLP", host, view));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called " + (dir.path() / "WHEELS.HLP").string() + ".");
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(view.pages.size(), 1u);
  EXPECT_EQ(out.PageBuffer().size(), 5u);
}

}  // namespace
}  // namespace orv
