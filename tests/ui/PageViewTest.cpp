// The data window's text view: what it shows of a page, selecting and
// copying, scrolling by keys, and leaving other keys to the window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "platform/Host.h"
#include "shell/OutputBuffer.h"
#include "shell/ui/PageView.h"

namespace orv {
namespace {

SharedPage PageOf(OutputLines lines) {
  return std::make_shared<const OutputLines>(std::move(lines));
}

// A shown view of `page`, 400 by 300 pixels.
struct ShownView {
  PageView view;
  explicit ShownView(SharedPage page) {
    view.resize(400, 300);
    view.SetPage(std::move(page));
    view.show();
  }
  // Just right of the boundary before character `column` of the line `row`
  // lines below the top.
  QPoint At(int row, int column) const {
    const QFontMetrics metrics(view.font());
    const int x =
        4 + metrics.horizontalAdvance(view.Line(view.FirstVisibleLine() + row).left(column)) + 1;
    return {x, row * metrics.lineSpacing() + metrics.lineSpacing() / 2};
  }
};

TEST(PageView, ShowsEachEntryLineByLineWithTheSpareLine) {
  struct Case {
    OutputLines page;
    std::vector<QString> shown;
  };
  const Case cases[] = {
      {{}, {""}},
      {{"a", "", "b"}, {"a", "", "b", ""}},
      // Inner breaks of every kind start new lines; one at the end gives an empty line.
      {{"one\ntwo\r\nthree\rfour", "x\r"}, {"one", "two", "three", "four", "x", "", ""}},
      // Tabs reach the next multiple of eight columns.
      {{"ab\tc", "\td"}, {"ab      c", "        d", ""}},
      {{"Zoë Müller ♃"}, {QString::fromUtf8("Zoë Müller ♃"), ""}},
  };
  for (const Case& c : cases) {
    PageView view;
    view.SetPage(PageOf(c.page));
    ASSERT_EQ(view.LineCount(), int(c.shown.size()));
    for (int row = 0; row < view.LineCount(); ++row)
      EXPECT_EQ(view.Line(row), c.shown[size_t(row)]);
    EXPECT_EQ(view.Line(view.LineCount()), "");  // past the end: nothing
  }
  PageView empty;
  EXPECT_EQ(empty.LineCount(), 0);
  EXPECT_EQ(empty.PlainText(), "");
}

TEST(PageView, ADragSelectsAcrossLinesAndCtrlCCopiesIt) {
  ShownView v(PageOf({"NATAL DATA", "Sun  12 ARI 34", "Moon  3 TAU 02"}));
  QWidget* surface = v.view.viewport();
  QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, v.At(0, 6));
  QTest::mouseMove(surface, v.At(2, 4));
  QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, v.At(2, 4));
  EXPECT_EQ(v.view.SelectedText(), "DATA\nSun  12 ARI 34\nMoon");
  QApplication::clipboard()->clear();
  QTest::keyClick(&v.view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "DATA\nSun  12 ARI 34\nMoon");

  // Shift and a click take the selection on from where it began.
  QTest::mouseClick(surface, Qt::LeftButton, Qt::ShiftModifier, v.At(1, 3));
  EXPECT_EQ(v.view.SelectedText(), "DATA\nSun");
  // A double click takes a word.
  QTest::mouseDClick(surface, Qt::LeftButton, Qt::NoModifier, v.At(1, 10));
  EXPECT_EQ(v.view.SelectedText(), "ARI");
  // Ctrl+A takes every line.
  QTest::keyClick(&v.view, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(v.view.SelectedText(), "NATAL DATA\nSun  12 ARI 34\nMoon  3 TAU 02\n");
  // A new page starts with nothing selected.
  v.view.SetPage(PageOf({"next"}));
  EXPECT_EQ(v.view.SelectedText(), "");
}

TEST(PageView, KeysScrollAndOthersAreLeftToTheWindow) {
  OutputLines lines;
  for (int i = 0; i < 1000; ++i) lines.push_back("line " + std::to_string(i));
  ShownView v(PageOf(std::move(lines)));
  const int onScreen = v.view.verticalScrollBar()->pageStep();
  ASSERT_GT(onScreen, 1);
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int firstLine;
  };
  const Step steps[] = {
      {Qt::Key_Down, Qt::NoModifier, 1},
      {Qt::Key_PageDown, Qt::NoModifier, 1 + onScreen},
      {Qt::Key_Up, Qt::NoModifier, onScreen},
      {Qt::Key_End, Qt::ControlModifier, 1001 - onScreen},  // the spare line shows at the bottom
      {Qt::Key_PageUp, Qt::NoModifier, 1001 - 2 * onScreen},
      {Qt::Key_Home, Qt::ControlModifier, 0},
  };
  for (const Step& s : steps) {
    QTest::keyClick(&v.view, s.key, s.modifiers);
    EXPECT_EQ(v.view.FirstVisibleLine(), s.firstLine) << s.key;
  }
  for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F9, Qt::Key_Escape}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&v.view, &press);
    EXPECT_FALSE(press.isAccepted()) << key;
  }
}

// The window shows the page the buffer holds, not a copy; a page shown stays
// as it was while the next one is built.
TEST(PageView, ShowsTheBuffersOwnLinesAndKeepsThemWhileTheNextPageIsBuilt) {
  MutedHost host;
  OutputState out;
  auto append = [&](const std::string& line) {
    out.OutputLine = line;
    AppendOutputLine(out, host);
  };
  append("first page");
  PageView view;
  view.SetPage(ShownPage(out));
  EXPECT_EQ(ShownPage(out).get(), &out.PageBuffer());
  BeginOutputPage(out);
  append("second page");
  InsertLineAtPageTop(out, "a note");
  EXPECT_EQ(view.PlainText(), "first page\n");
  // Lines added to the shown page do not reach the window until shown.
  view.SetPage(ShownPage(out));
  append("more");
  EXPECT_EQ(view.PlainText(), "a note\nsecond page\n");
  EXPECT_EQ(out.OutputBuffer(), (OutputLines{"first page", "a note", "second page", "more"}));
}

}  // namespace
}  // namespace orv
