// The meanings browsers, the keyword course window and the keyword grids.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "reports/ui/Browsers.h"
#include "reports/ui/OptionGroup.h"

namespace orv {
namespace {

struct PageCount : OutputView {
  void ShowPage(SharedPage, bool) override { ++pages; }
  int pages = 0;
};

void Press(QWidget& window, const char* name) {
  auto* button = window.findChild<QPushButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  button->click();
}

void DoubleClick(OptionGroup* group, int member) {
  QTest::mouseDClick(group->Member(member), Qt::LeftButton);
}

TEST(Browsers, NatalMeaningsReadTheirOwnButtons) {
  test::TempDir dir;
  for (const char* name : {"Sun.TXT", "SIGN_LIB.TXT", "RISING.TXT", "Pluto.TXT"})
    std::filesystem::copy_file(std::filesystem::path(ORVANTA_DATA_DIR) / name, dir.path() / name);
  OutputState out;
  test::RecordingHost host;
  PageCount view;
  MEANINGS natal({dir.path(), out, host, [&]() -> OutputView& { return view; }});
  EXPECT_EQ(natal.windowTitle(), "Natal Chart Meanings");
  // The keyword window, opened since, defaults to Mars: the natal browser
  // still asks for its own Sun.
  KEY_WORD keywords({dir.path(), out, host, [&]() -> OutputView& { return view; }});
  const struct {
    std::function<void()> act;
    std::string line;  // the page's first listed line
  } steps[] = {
      {[&] { Press(natal, "OKAspects"); }, "  Sun discordant to Moon"},
      {[&] { Press(natal, "OKSigns"); }, "  Sun in Libra"},
      {[&] { DoubleClick(natal.Group(1), 3); }, "  Cancer Rising"},
      {[&] {
         natal.Group(3)->Check(9);
         natal.Group(5)->Check(10);
         DoubleClick(natal.Group(4), 0);
       },
       "  Pluto blending with Ascendant"},
  };
  for (const auto& step : steps) {
    step.act();
    ASSERT_GE(out.PageBuffer().size(), 2u);
    EXPECT_EQ(out.PageBuffer()[1], step.line);
  }
  DoubleClick(natal.Group(3), 2);  // a planet: nothing
  natal.Group(3)->Check(10);
  Press(natal, "OKHouses");
  EXPECT_EQ(view.pages, 4);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "The Ascendant is always the 1st house cusp. It cannot be in a house.");
}

TEST(Browsers, CoupleMeaningsReadTheirOwnButtons) {
  OutputState out;
  out.OutputFileName = "old.txt";
  test::RecordingHost host;
  PageCount view;
  test::TempDir dir;
  for (const char* name : {"C_ASPS.BIN", "C_HOUSES.BIN", "S_ASPS.BIN"})
    std::filesystem::copy_file(std::filesystem::path(ORVANTA_DATA_DIR) / name, dir.path() / name);
  const BrowserOutput output{dir.path(), out, host, [&]() -> OutputView& { return view; }};
  CoupleMeanings composite(CoupleBrowser::Composite, output);
  EXPECT_EQ(composite.objectName(), "MEandYOU");
  EXPECT_EQ(composite.windowTitle(), "Composite Chart Meanings");
  EXPECT_EQ(out.OutputFileName, "");
  // Opened since, the synastry window's own choices never reach the
  // composite window.
  CoupleMeanings synastry(CoupleBrowser::Synastry, output);
  EXPECT_EQ(synastry.objectName(), "YOUandME");
  EXPECT_EQ(synastry.windowTitle(), "Synastry Chart Meanings");
  synastry.Group(3)->Check(0);
  const struct {
    std::function<void()> act;
    std::string line;  // the page's first listed line; empty: a message
  } steps[] = {
      {[&] { Press(composite, "OKAspects"); }, "       Mars discordant to Jupiter"},
      {[&] { Press(composite, "OKHouses"); }, "       Mars in 7th house"},
      {[&] { Press(synastry, "OKAspects"); }, "       Sun square Jupiter"},
      {[&] {
         synastry.Group(3)->Check(4);
         Press(synastry, "OKAspects");
       },
       "       Mars square Jupiter"},
      {[&] { DoubleClick(composite.Group(2), 3); }, "       Mars in 4th house"},
      {[&] { DoubleClick(composite.Group(4), 0); }, "       Mars blending with Jupiter"},
      {[&] { DoubleClick(synastry.Group(4), 4); }, "       Mars opposite Jupiter"},
      {[&] {
         synastry.Group(3)->Check(0);
         synastry.Group(5)->Check(0);
         Press(synastry, "OKAspects");
       },
       "       Sun opposite Sun"},
  };
  for (const auto& step : steps) {
    step.act();
    ASSERT_GE(out.PageBuffer().size(), 3u);
    EXPECT_EQ(out.PageBuffer()[0], "");
    EXPECT_EQ(out.PageBuffer()[1], step.line);
    EXPECT_GT(out.PageBuffer()[2].size(), 40u);
  }
  EXPECT_EQ(view.pages, 8);
  composite.Group(3)->Check(10);
  Press(composite, "OKHouses");
  composite.Group(5)->Check(10);
  Press(composite, "OKAspects");
  Press(composite, "OKHelp");
  Press(synastry, "Command2");
  EXPECT_EQ(view.pages, 8);
  ASSERT_EQ(host.messages.size(), 4u);
  EXPECT_EQ(host.messages[0].text,
            "The Ascendant is always the 1st house cusp. It cannot be in a house.");
  EXPECT_EQ(host.messages[1].text, "A planet cannot aspect itself. Select a different planet.");
  EXPECT_EQ(host.messages[1].title, "Information");
  EXPECT_EQ(host.messages[1].icon, MessageIcon::Exclamation);
  EXPECT_EQ(host.messages[2].title, "Helpful Hints");
  EXPECT_EQ(host.messages[2].icon, MessageIcon::Information);
  EXPECT_EQ(host.messages[3].text.substr(0, 35), "Planets (P1) is one person's planet");
}

TEST(Browsers, KeywordCourseListsTheCheckedMembersFiles) {
  test::TempDir dir;
  for (const char* name : {"LIB.TXT", "7.TXT", "Mar.TXT", "The_Sun.TXT", "12.TXT"})
    std::ofstream(dir.path() / name) << name << "\n";
  OutputState out;
  out.OutputFileName = "old.txt";
  test::RecordingHost host;
  PageCount view;
  KEY_WORD window({dir.path(), out, host, [&]() -> OutputView& { return view; }});
  EXPECT_EQ(window.windowTitle(), "Delineation by Keywords");
  EXPECT_EQ(out.OutputFileName, "");
  const struct {
    std::function<void()> act;
    std::string line;
  } steps[] = {
      {[&] { Press(window, "OKSign1"); }, "  LIB.TXT"},
      {[&] { Press(window, "OKHouse1"); }, "  7.TXT"},
      {[&] { Press(window, "OKPlanet1"); }, "  Mar.TXT"},
      {[&] {
         window.Group(3)->Check(0);
         Press(window, "OKPlanet1");
       },
       "  The_Sun.TXT"},
      {[&] { DoubleClick(window.Group(2), 11); }, "  12.TXT"},
      {[&] { Press(window, "OKHouse1"); }, "  12.TXT"},
      {[&] { DoubleClick(window.Group(1), 6); }, "  LIB.TXT"},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(out.PageBuffer(), (std::vector<std::string>{"", step.line, ""}));
  }
  Press(window, "OKIntro1");
  EXPECT_EQ(host.messages.at(0).text,
            "Cannot find the file called " + (dir.path() / "INTRO1.TXT").string() + ".");
}

TEST(Browsers, KeywordGridClicksShowTheCellsTopic) {
  test::RecordingHost host;
  KeywordsWindow personal(KeywordGrid::Personal, host), vocations(KeywordGrid::Vocational, host);
  const struct {
    KeywordsWindow* window;
    int row, column;
    std::string title, start;  // empty title: no message
  } clicks[] = {
      {&personal, 0, 0, "Sun", "Your ego"},
      {&vocations, 0, 0, "Sun", "Leadership and authority"},
      {&personal, 4, 3, "", ""},
      {&vocations, 8, 3, "", ""},
      {&vocations, 3, 0, "Mercury (2)", "Further Mercury"},
      {&personal, 3, 0, "Venus", "Your power to love"},
  };
  for (const auto& c : clicks) {
    const std::size_t before = host.messages.size();
    QTableWidget* grid = c.window->grdOutput();
    const QRect cell = grid->visualRect(grid->model()->index(c.row, c.column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(host.messages.size(), before + (c.title.empty() ? 0 : 1)) << c.row << c.column;
    if (c.title.empty()) continue;
    EXPECT_EQ(host.messages.back().title, c.title);
    EXPECT_EQ(grid->item(c.row, c.column)->text().toStdString(), c.title);
    EXPECT_EQ(host.messages.back().text.substr(0, c.start.size()), c.start);
  }
}

}  // namespace
}  // namespace orv
