// The wheel window's Update menu on the offscreen platform: first on the
// menu bar, the natal half and the half of chart 2 apart, each key running
// its own step.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>

#include "../wheels/WheelTestCharts.h"
#include "commands/WheelCommands.h"
#include "wheels/ui/UpdateMenu.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

TEST(UpdateMenu, FirstOnTheBarWithEveryStepOnItsKey) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Transits, {}, host);
  Wheels window(wb, host, {});
  std::vector<std::string_view> taken;
  AddUpdateMenu(window, [&](const UpdateStep& s) { taken.push_back(s.caption); });
  const QList<QAction*> bar = window.MenuBar()->actions();
  ASSERT_GE(bar.size(), 2);
  EXPECT_EQ(bar[0]->text(), "&Update");
  EXPECT_EQ(bar[1]->text(), "&Aspects");
  const QList<QAction*> items = bar[0]->menu()->actions();
  ASSERT_EQ(items.size(), 25);
  EXPECT_TRUE(items[12]->isSeparator());
  EXPECT_EQ(items[0]->text(), "&Add a Natal Day");
  EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));
  EXPECT_EQ(items[24]->text(), "Go back a Transit Year");
  EXPECT_EQ(items[24]->shortcut(), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F4));
  // No key of the window is held by two of its items: Qt runs neither then.
  QList<QKeySequence> keys;
  for (QAction* a : window.actions())
    if (!a->shortcut().isEmpty()) {
      EXPECT_FALSE(keys.contains(a->shortcut())) << a->shortcut().toString().toStdString();
      keys.push_back(a->shortcut());
    }
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.activateWindow();
  QTest::keyClick(&window, Qt::Key_F1, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_F12, Qt::ShiftModifier);
  QTest::keyClick(&window, Qt::Key_F3, Qt::ShiftModifier | Qt::ControlModifier);
  EXPECT_EQ(taken, (std::vector<std::string_view>{"&Add a Transit Day", "Go back a Natal Month",
                                                  "Add a Transit Year"}));
}

}  // namespace
}  // namespace orv
