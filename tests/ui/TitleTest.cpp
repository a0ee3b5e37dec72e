#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <set>
#include <string>

#include "shell/ui/Title.h"

namespace orv {
namespace {

std::set<std::string> LabelTexts(const QWidget& window) {
  std::set<std::string> texts;
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (!label->text().isEmpty()) texts.insert(label->text().toStdString());
  return texts;
}

TEST(Title, ShowsTheProgramItsVersionAndWhereHelpIs) {
  Title title;
  title.show();
  EXPECT_EQ(title.windowTitle(), "Orvanta8");
  const std::set<std::string> expected = {
      "Orvanta8",
      "Version 1.62",
      "For a listing of changes to the program, please see Revision History under HELP in the "
      "main Orvanta8 window.  Please review the many other categories under HELP, such as Hints "
      "and Shortcut Keys.",
  };
  EXPECT_EQ(LabelTexts(title), expected);
}

TEST(Title, ContinueAppearsWhenLoadingHasFinishedAndClosesTheWindowOnce) {
  QPointer<Title> title = new Title;
  title->show();
  auto* ok = title->findChild<QPushButton*>("cmdOK");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "Continue");
  EXPECT_FALSE(ok->isVisible());
  title->ShowContinue();
  EXPECT_TRUE(ok->isVisible());
  QSignalSpy continued(title.data(), &Title::Continued);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(continued.count(), 1);
  EXPECT_FALSE(title->isVisible());
  // The window releases itself once control returns to the event loop.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(title.isNull());
}

}  // namespace
}  // namespace orv
