// Windows as they open on the offscreen screen: on it, and clear of the
// input windows on show wherever there is room.

#include <QGuiApplication>
#include <QScreen>

#include "InputWindowsFixture.h"
#include "SampleReports.h"
#include "reports/ui/RTF_form.h"
#include "reports/ui/Report.h"
#include "shell/ui/OnScreen.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

using test::DoubleClickRow;
using test::InputFixture;
using test::RowOf;

QRect Free(const QWidget& w) { return w.screen()->availableGeometry(); }

TEST(WindowPlacement, TheNamesWindowOpensAtOnePlaceOnTheScreenAtEveryInput) {
  InputFixture f;
  f.windows->ShowAtStartup();
  const QRect first = f.windows->NamesWindow()->frameGeometry();
  EXPECT_TRUE(Free(f.natal()).contains(first));
  PickList* list = f.windows->NamesWindow()->NamesOnFile();
  DoubleClickRow(list, RowOf(list, "Smith"));  // computes: the data window shows
  ASSERT_TRUE(f.wb.Charts.Computed);
  for (int input = 1; input <= 3; ++input) {
    f.windows->ShowForInput();
    const Names* names = f.windows->NamesWindow();
    ASSERT_TRUE(names && names->isVisible());
    EXPECT_EQ(names->frameGeometry(), first) << "Input " << input;
    // Never under the natal window, whose buttons it would hide.
    EXPECT_FALSE(names->frameGeometry().intersects(f.natal().frameGeometry())) << input;
  }
  f.data->Close();
}

// Two input windows small enough to leave room on the screen.
struct SmallInputWindows {
  QWidget natal, second;
  SmallInputWindows() {
    for (QWidget* w : {&natal, &second}) MarkAsInputWindow(*w);
    natal.setGeometry(0, 0, 390, 200);
    second.setGeometry(390, 0, 390, 200);
    natal.show();
    second.show();
  }
  bool Covers(const QWidget& w) const {
    return w.frameGeometry().intersects(natal.frameGeometry()) ||
           w.frameGeometry().intersects(second.frameGeometry());
  }
};

TEST(WindowPlacement, AWindowOpeningOverTheInputWindowsMovesOffThemOnTheScreen) {
  SmallInputWindows inputs;
  const struct {
    const char* what;
    QSize size;
    std::optional<QPoint> asked;
    bool userPlace, keptClear;
  } cases[] = {
      {"centred", {300, 200}, std::nullopt, false, true},
      {"asked over them", {300, 200}, QPoint(10, 10), false, true},
      {"asked below the screen", {300, 200}, QPoint(400, 2000), false, true},
      {"a user's place over them", {300, 200}, QPoint(10, 10), true, false},
  };
  for (const auto& c : cases) {
    QWidget w;
    w.resize(c.size);
    PlaceForOpening(w, c.asked, c.userPlace);
    w.show();
    EXPECT_TRUE(Free(w).contains(w.frameGeometry())) << c.what;
    EXPECT_EQ(!inputs.Covers(w), c.keptClear) << c.what;
    if (c.userPlace) {
      EXPECT_EQ(w.frameGeometry().topLeft(), *c.asked) << c.what;
    }
  }
  // Hidden input windows leave the place free.
  inputs.natal.hide();
  inputs.second.hide();
  QWidget w;
  w.resize(300, 200);
  PlaceForOpening(w, QPoint(10, 10));
  EXPECT_EQ(w.frameGeometry().topLeft(), QPoint(10, 10));
}

TEST(WindowPlacement, TheReportViewerOpensOnTheScreenClearOfTheInputWindows) {
  SmallInputWindows inputs;
  test::RecordingHost host;
  const OptionValues options = test::ReportPageOptions();
  ReportState report = test::SampleReport(ReportKind::Natal, test::kNatalFraming, {});
  ReportWindowLinks links;
  links.Persons = [] { return ReportPersons{"Mary Ann Jones", ""}; };
  Report window(report, options, "/nonexistent", "", host, links);
  ASSERT_TRUE(window.isVisible());
  EXPECT_TRUE(Free(window).contains(window.frameGeometry()));
  EXPECT_FALSE(inputs.Covers(window));
}

// The wheel window opens clear of the input windows on show; a place the
// program gave it is not kept as the user's, a place the user gave it is.
TEST(WindowPlacement, TheWheelWindowKeepsClearOfTheInputWindowsAndKeepsTheUsersPlace) {
  SmallInputWindows inputs;
  QWidget main;  // as the program's main window, always on screen
  main.setGeometry(600, 700, 100, 50);
  main.show();
  test::RecordingHost host;
  Workbench wb;
  wb.Settings.WheelsWidth = 6000;  // small enough to fit beside them
  wb.Settings.WheelsHeight = 4500;
  const auto open = [&] {
    Wheels window(wb, host, {});
    window.show();
    const QRect at = window.frameGeometry();
    EXPECT_TRUE(Free(window).contains(at));
    window.close();  // records its place in the settings
    return at;
  };
  // A user's place where the window, grown to the least size its wheel
  // reads at, would reach past the screen: moved onto it.
  const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
  wb.Settings.WheelsLeft = PixelsToTwips(390, dpi);
  wb.Settings.WheelsTop = PixelsToTwips(480, dpi);
  open();
  wb.Settings.WheelsLeft = SettingsValues().WheelsLeft;
  wb.Settings.WheelsTop = SettingsValues().WheelsTop;
  const QRect clear = open();
  EXPECT_FALSE(clear.intersects(inputs.natal.frameGeometry()) ||
               clear.intersects(inputs.second.frameGeometry()));
  inputs.natal.hide();
  inputs.second.hide();
  const QRect byDefault = open();
  EXPECT_NE(byDefault.topLeft(), clear.topLeft());
  // Moved over the input windows by the user: it opens there again.
  wb.Settings.WheelsLeft = 1500;
  wb.Settings.WheelsTop = 1500;
  inputs.natal.show();
  inputs.second.show();
  const QRect users = open();
  EXPECT_EQ(users.topLeft(), QPoint(TwipsToPixels(1500, dpi), TwipsToPixels(1500, dpi)));
  EXPECT_TRUE(users.intersects(inputs.natal.frameGeometry()));
}

}  // namespace
}  // namespace orv
