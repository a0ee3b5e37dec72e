// The small windows: tip of the day, enabled planets, New Transit Date,
// the progress window and About.

#include <gtest/gtest.h>

#include <QTimer>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <filesystem>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "core/ChartPoints.h"
#include "shell/ui/About.h"
#include "shell/ui/FrmEnabledPlanets.h"
#include "shell/ui/FrmTip.h"
#include "shell/ui/NewDate.h"
#include "shell/ui/StatusDlg.h"
#include "shell/ui/WindowSlot.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

void WriteTips(const fs::path& folder, int count) {
  std::ofstream out(folder / "TIPOFDAY.TXT", std::ios::binary);
  for (int i = 1; i <= count; ++i) out << "Tip number " << i << "\r\n";
}

std::string Shown(const FrmTip& tip) { return tip.lblTipText()->text().toStdString(); }

void Press(QPushButton* button) {
  ASSERT_NE(button, nullptr);
  button->click();
}

TEST(FrmTip, NextAndGoBackStepThroughTheTips) {
  test::TempDir dir;
  WriteTips(dir.path(), 10);
  FrmTip tip(dir.path());
  auto* next = tip.findChild<QPushButton*>("cmdNextTip");
  auto* back = tip.findChild<QPushButton*>("Command1");
  ASSERT_NE(next, nullptr);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(next->text().toStdString(), "&Next Tip of 10");
  EXPECT_EQ(back->text(), "Go &Back");
  EXPECT_EQ(Shown(tip), "Tip number 1");
  Press(back);
  EXPECT_EQ(Shown(tip), "Tip number 10");
  Press(next);
  Press(next);
  EXPECT_EQ(Shown(tip), "Tip number 2");
}

TEST(FrmTip, FixedTextsAndAMissingFile) {
  test::TempDir dir;
  FrmTip tip(dir.path());
  EXPECT_EQ(tip.windowTitle(), "Tip of the Day");
  EXPECT_EQ(Shown(tip), "that the TIPOFDAY.TXT file was not found?");
  QStringList texts;
  for (const QLabel* label : tip.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains("Did you know..."));
  EXPECT_TRUE(texts.contains("Change option #42 to remove Tips at startup"));
}

TEST(FrmEnabledPlanets, UntickingTheMoonRedrawsAndClearsCharacterTen) {
  std::string natal = "1111111111111111";
  std::string transit = "1111111111111110";  // Chiron hidden on chart 2
  int redraws = 0;
  FrmEnabledPlanets window(natal, transit, [&] { ++redraws; }, [] {});
  EXPECT_EQ(redraws, 0);  // filling the boxes draws nothing
  EXPECT_EQ(window.windowTitle(), "Enabled Planets");
  EXPECT_EQ(window.chkEnabledPlanets(ChartPoint::Moon)->text(), "MOON");
  EXPECT_EQ(window.chkEnabledPlanets(ChartPoint::Chiron)->text(), "CHIRON");
  EXPECT_TRUE(window.chkEnabledPlanets_Transit(ChartPoint::Sun)->isChecked());
  EXPECT_FALSE(window.chkEnabledPlanets_Transit(ChartPoint::Chiron)->isChecked());

  window.chkEnabledPlanets(ChartPoint::Moon)->click();
  EXPECT_EQ(natal, "1111111110111111");
  EXPECT_EQ(transit, "1111111111111110");
  EXPECT_EQ(redraws, 1);
  window.chkEnabledPlanets_Transit(ChartPoint::Chiron)->click();
  EXPECT_EQ(transit, "1111111111111111");
  EXPECT_EQ(redraws, 2);
}

TEST(FrmEnabledPlanets, EscAndARightClickBringTheMainWindowForward) {
  std::string natal = "1111111111111111", transit = natal;
  int forward = 0;
  FrmEnabledPlanets window(natal, transit, [] {}, [&] { ++forward; });
  window.show();
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window.chkEnabledPlanets(ChartPoint::Sun), &esc);
  EXPECT_EQ(forward, 1);
  EXPECT_TRUE(window.isVisible());
  QMouseEvent right(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &right);
  EXPECT_EQ(forward, 2);
  EXPECT_EQ(natal, "1111111111111111");
}

void Type(QLineEdit* box, const QString& text) {
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(box, &press);
  }
}

TEST(NewDate, StartsWithTheDateShownAndTakesOnlyAPossibleDate) {
  test::RecordingHost host;
  NewDate window(host, 2, 10, 2001);
  EXPECT_EQ(window.windowTitle(), "New Transit Date");
  EXPECT_EQ(window.txtMonth()->text() + window.txtDay()->text() + window.txtYear()->text(),
            "2102001");
  window.txtDay()->selectAll();
  Type(window.txtDay(), "3x0");  // letters are ignored
  EXPECT_EQ(window.txtDay()->text(), "30");
  window.show();
  window.findChild<QPushButton*>("cmdOK")->click();
  EXPECT_FALSE(window.ChosenJulianDay());
  EXPECT_TRUE(window.isVisible());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The day must be a number from 1 to 28 in that month.");
  EXPECT_TRUE(window.txtDay()->hasSelectedText());  // the field at fault, ready for typing

  Type(window.txtDay(), "1");
  window.txtMonth()->selectAll();
  Type(window.txtMonth(), "1");
  window.txtYear()->selectAll();
  Type(window.txtYear(), "2000");
  window.findChild<QPushButton*>("cmdOK")->click();
  ASSERT_TRUE(window.ChosenJulianDay());
  EXPECT_EQ(*window.ChosenJulianDay(), 2451545.0);  // 2000 January 1.5 (Meeus, ch. 7)
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

// The colour of one pixel of the bar as the screen shows it.
QColor ScreenPixel(const StatusDlg& dialog, double fraction) {
  const ProgressPicture* picture = dialog.Picture2();
  const QPoint at =
      picture->mapTo(&dialog, QPoint(int(picture->width() * fraction), picture->height() / 2));
  const QPixmap shot = dialog.screen()->grabWindow(dialog.winId());
  return shot.toImage().pixelColor(at * shot.devicePixelRatio());
}

TEST(StatusDlg, TheBarReachesTheScreenWithoutReturningToTheEventLoop) {
  StatusDlg dialog;
  ASSERT_TRUE(dialog.isVisible());
  const QColor red(255, 0, 0);
  dialog.DrawProgressBar(1, 4);
  EXPECT_EQ(ScreenPixel(dialog, 0.2), red);
  EXPECT_NE(ScreenPixel(dialog, 0.3), red);
  EXPECT_NE(ScreenPixel(dialog, 0.9), red);
  dialog.DrawProgressBar(150, 100);  // more than done: the whole bar
  EXPECT_EQ(ScreenPixel(dialog, 0.99), red);
  EXPECT_EQ(dialog.Picture2()->Fill(), dialog.Picture2()->width());
  dialog.DrawProgressBar(1, 100);  // not cleared: the bar never shrinks in a run
  EXPECT_EQ(ScreenPixel(dialog, 0.9), red);
  dialog.Clear();
  dialog.DrawProgressBar(1, 100);
  EXPECT_NE(ScreenPixel(dialog, 0.5), red);
  dialog.DrawProgressBar(5, 0);  // nothing to do counts as done
  EXPECT_EQ(ScreenPixel(dialog, 0.99), red);
  // Cancel is heard while the run hands the event loop its slice.
  EXPECT_FALSE(dialog.Cancelled());
  QTimer::singleShot(0, dialog.CancelButton(), &QPushButton::click);
  dialog.DrawProgressBar(6, 10);
  EXPECT_TRUE(dialog.Cancelled());
}

TEST(About, ShowsTheVersionNoAddressesAndClosesOnAClick) {
  About about;
  about.show();
  QStringList texts;
  for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains("Version  1.62"));
  EXPECT_EQ(about.findChild<QLabel*>("Label3"), nullptr);  // no web page configured
  EXPECT_EQ(about.findChild<QLabel*>("lblEmail"), nullptr);
  for (const QString& text : texts) EXPECT_FALSE(text.contains("http")) << text.toStdString();

  QMouseEvent click(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&about, &click);
  EXPECT_FALSE(about.isVisible());

  About withPage({"", "https://example.org/orvanta8"});
  EXPECT_NE(withPage.findChild<QLabel*>("Label3"), nullptr);
}

TEST(About, TheLetteringIsYellowOverABlackShadow) {
  Lettering lettering;
  const QImage image = lettering.grab().toImage();
  int yellow = 0, black = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c == QColor(255, 255, 0)) ++yellow;
      if (c == QColor(0, 0, 0)) ++black;
    }
  EXPECT_GT(yellow, 100);
  EXPECT_GT(black, yellow);  // the shadow spreads over 100 copies
}

// Option Settings, Header and the list editors asked for again while open:
// the open window comes forward with its unsaved text, nothing is re-read.
TEST(WindowSlot, AnOpenWindowIsBroughtForwardNotMadeAgain) {
  QPointer<QLineEdit> slot;
  int made = 0;
  const auto make = [&] { return ++made, new QLineEdit; };
  ShowInSlot(slot, make);
  slot->setText("unsaved");
  ShowInSlot(slot, make);
  EXPECT_EQ(slot->text().toStdString() + std::to_string(made), "unsaved1");
  slot->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ShowInSlot(slot, make);
  EXPECT_EQ(made, 2);
  delete slot.data();
}

}  // namespace
}  // namespace orv
